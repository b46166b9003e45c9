#include "tests/HostedWhirlane.h"

juce::PluginDescription HostedWhirlane::describeBundle()
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile (found, WHIRLANE_VST3_BUNDLE);
    return found.isEmpty() ? juce::PluginDescription() : *found.getFirst();
}

HostedWhirlane::HostedWhirlane()
{
    const auto description = describeBundle();
    if (description.fileOrIdentifier.isEmpty())
    {
        loadError = "no plug-in found in " + juce::String (WHIRLANE_VST3_BUNDLE);
        return;
    }

    juce::VST3PluginFormat format;
    instance = format.createInstanceFromDescription (description, sampleRate, blockSize, loadError);
    if (instance != nullptr)
        instance->setPlayHead (this);
}

juce::AudioProcessorParameter* HostedWhirlane::findParameter (const juce::String& id) const
{
    for (auto* parameter : instance->getParameters())
        if (auto* hosted = dynamic_cast<juce::HostedAudioProcessorParameter*> (parameter))
            if (hosted->getParameterID() == id)
                return parameter;
    return nullptr;
}

void HostedWhirlane::setParameter (const juce::String& id, float normalisedValue)
{
    if (auto* parameter = findParameter (id))
        parameter->setValueNotifyingHost (normalisedValue);
}

bool HostedWhirlane::setLayout (const juce::AudioChannelSet& in, const juce::AudioChannelSet& out)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (in);
    layout.outputBuses.add (out);
    return instance->setBusesLayout (layout);
}

void HostedWhirlane::prepare()
{
    instance->setRateAndBufferSizeDetails (sampleRate, blockSize);
    instance->prepareToPlay (sampleRate, blockSize);
    samplePosition = 0;
}

void HostedWhirlane::process (juce::AudioBuffer<float>& buffer)
{
    juce::MidiBuffer midi;
    const int channels = buffer.getNumChannels();

    for (int start = 0; start < buffer.getNumSamples(); start += blockSize)
    {
        const int length = juce::jmin (blockSize, buffer.getNumSamples() - start);
        juce::AudioBuffer<float> block (buffer.getArrayOfWritePointers(), channels, start, length);
        instance->processBlock (block, midi);
        samplePosition += length;
    }
}

juce::Optional<juce::AudioPlayHead::PositionInfo> HostedWhirlane::getPosition() const
{
    PositionInfo position;
    position.setBpm (bpm);
    position.setTimeSignature (TimeSignature { 4, 4 });
    position.setTimeInSamples (samplePosition);
    position.setTimeInSeconds ((double) samplePosition / sampleRate);
    position.setPpqPosition ((double) samplePosition / sampleRate * bpm / 60.0);
    position.setIsPlaying (true);
    return position;
}
