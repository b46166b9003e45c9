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

void RenderHost::loadState (const juce::MemoryBlock& state)
{
    instance->setStateInformation (state.getData(), (int) state.getSize());
}

juce::MemoryBlock RenderHost::state()
{
    juce::MemoryBlock block;
    instance->getStateInformation (block);
    return block;
}

void RenderHost::selectProgram (int index)
{
    const int count = instance->getNumPrograms();
    if (count <= 0)
        throw RenderError ("--program: the plug-in has no programs");
    if (index >= count)
        throw RenderError ("--program: " + juce::String (index) + " is out of range (0 to " + juce::String (count - 1) + ")");
    instance->setCurrentProgram (index);
}

// Parameters the preset does not name keep the values they have.
juce::StringArray RenderHost::applyPreset (const PresetFile& preset)
{
    juce::StringArray unknown;
    for (const auto& value : preset.values())
    {
        auto* parameter = parameterNamed (value.name);
        if (parameter == nullptr)
        {
            unknown.add (value.name);
            continue;
        }
        try
        {
            parameter->setValueNotifyingHost (ParameterValue::fromPreset (*parameter, value.text));
        }
        catch (const RenderError& error)
        {
            throw RenderError ("--preset " + preset.filePath() + ": value of \"" + value.name + "\": " + error.what());
        }
    }
    return unknown;
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

juce::AudioProcessorParameter* RenderHost::parameterNamed (const juce::String& name) const
{
    for (auto* parameter : instance->getParameters())
        if (parameter->getName (1024) == name)
            return parameter;
    return nullptr;
}

juce::AudioProcessorParameter& RenderHost::findParameter (const juce::String& name) const
{
    if (auto* parameter = parameterNamed (name))
        return *parameter;

    juce::StringArray known;
    for (auto* parameter : instance->getParameters())
        known.add (parameter->getName (1024));
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
