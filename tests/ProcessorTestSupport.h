#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include "plugin/PluginProcessor.h"

// A host play head reporting a fixed tempo, or no tempo at all.
class FixedTempoPlayHead final : public juce::AudioPlayHead
{
public:
    explicit FixedTempoPlayHead (double tempo) : bpm (tempo) {}

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        if (hasTempo)
            info.setBpm (bpm);
        info.setIsPlaying (true);
        return info;
    }

    double bpm;
    bool hasTempo = true;
};

inline bool setLayout (LumikerWhirlaneAudioProcessor& processor, const juce::AudioChannelSet& in, const juce::AudioChannelSet& out)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (in);
    layout.outputBuses.add (out);
    return processor.setBusesLayout (layout);
}

inline juce::AudioBuffer<float> noiseBuffer (int channels, int samples, int seed = 1)
{
    juce::Random random (seed);
    juce::AudioBuffer<float> buffer (channels, samples);
    for (int c = 0; c < channels; ++c)
        for (int i = 0; i < samples; ++i)
            buffer.setSample (c, i, random.nextFloat() - 0.5f);
    return buffer;
}

inline bool buffersEqual (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    if (a.getNumChannels() != b.getNumChannels() || a.getNumSamples() != b.getNumSamples())
        return false;
    for (int c = 0; c < a.getNumChannels(); ++c)
        if (std::memcmp (a.getReadPointer (c), b.getReadPointer (c), sizeof (float) * (size_t) a.getNumSamples()) != 0)
            return false;
    return true;
}
