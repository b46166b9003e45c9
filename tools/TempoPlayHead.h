#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// The transport of an offline render: playing from the start at one tempo in 4/4.
class TempoPlayHead : public juce::AudioPlayHead
{
public:
    TempoPlayHead (double bpm, double sampleRate);

    juce::Optional<PositionInfo> getPosition() const override;
    void advance (int numSamples);

private:
    double bpm;
    double sampleRate;
    juce::int64 samplePosition = 0;
};
