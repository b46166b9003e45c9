#pragma once

#include <vector>

#include <juce_audio_basics/juce_audio_basics.h>

// Peak and RMS of everything written, per channel, for the closing summary.
class LevelMeter
{
public:
    explicit LevelMeter (int numChannels);

    void add (const juce::AudioBuffer<float>& buffer, int startSample, int numSamples);
    juce::String describe() const;

private:
    static juce::String decibels (double gain);

    std::vector<float> peaks;
    std::vector<double> sumsOfSquares;
    juce::int64 numSamplesSeen = 0;
    juce::int64 numNonFinite = 0;
};
