#include "tools/RenderHost.h"

#include "tools/ParameterValue.h"
#include "tools/RenderError.h"

RenderHost::RenderHost (const juce::File& bundle)
{
    const auto path = bundle.getFullPathName();
    if (! bundle.exists())
        throw RenderError ("plug-in not found: " + path);

    auto* vst3 = new juce::VST3PluginFormat();
    formats.addFormat (vst3);

    juce::OwnedArray<juce::PluginDescription> types;
    vst3->findAllTypesForFile (types, path);
    if (types.isEmpty())
        throw RenderError ("not a loadable VST3 plug-in: " + path);

    juce::String error;
    instance = formats.createPluginInstance (*types[0], RenderOptions::defaultSampleRate, 512, error);
    if (instance == nullptr)
        throw RenderError ("cannot load plug-in " + path + ": " + error);
}

RenderHost::~RenderHost()
{
    release();
}

void RenderHost::set (const juce::String& name, const juce::String& value)
{
    auto& parameter = findParameter (name);
    try
    {
        parameter.setValue (ParameterValue::parse (parameter, value));
    }
    catch (const RenderError& error)
    {
        throw RenderError ("--set " + name + "=" + value + ": " + error.what());
    }
}

juce::AudioProcessorParameter& RenderHost::findParameter (const juce::String& name) const
{
    juce::StringArray known;
    for (auto* parameter : instance->getParameters())
    {
        if (parameter->getName (1024) == name)
            return *parameter;
        known.add (parameter->getName (1024));
    }
    throw RenderError ("unknown parameter \"" + name + "\" (the plug-in has " + known.joinIntoString (", ") + ")");
}

void RenderHost::prepare (RenderOptions::Layout layout, double sampleRate, int blockSize, double bpm)
{
    using Layout = RenderOptions::Layout;
    const auto mono = juce::AudioChannelSet::mono();
    const auto stereo = juce::AudioChannelSet::stereo();

    auto buses = instance->getBusesLayout();
    if (buses.inputBuses.isEmpty() || buses.outputBuses.isEmpty())
        throw RenderError ("the plug-in has no main input and output bus");
    buses.inputBuses.getReference (0) = layout == Layout::stereo ? stereo : mono;
    buses.outputBuses.getReference (0) = layout == Layout::mono ? mono : stereo;
    if (! instance->setBusesLayout (buses))
        throw RenderError ("the plug-in refuses the " + layoutName (layout) + " layout");

    playHead = std::make_unique<TempoPlayHead> (bpm, sampleRate);
    instance->setPlayHead (playHead.get());
    instance->setNonRealtime (true);
    instance->prepareToPlay (sampleRate, blockSize);
    prepared = true;
}

void RenderHost::process (juce::AudioBuffer<float>& block)
{
    instance->processBlock (block, midi);
    midi.clear();
    playHead->advance (block.getNumSamples());
}

void RenderHost::release()
{
    if (! prepared)
        return;
    instance->releaseResources();
    instance->setPlayHead (nullptr);
    prepared = false;
}

int RenderHost::numChannels() const
{
    return juce::jmax (instance->getTotalNumInputChannels(), instance->getTotalNumOutputChannels());
}

juce::String RenderHost::layoutName (RenderOptions::Layout layout)
{
    switch (layout)
    {
        case RenderOptions::Layout::mono: return "mono";
        case RenderOptions::Layout::stereo: return "stereo";
        case RenderOptions::Layout::monoToStereo: return "mono-to-stereo";
    }
    return {};
}
