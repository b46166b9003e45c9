#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

// Built-in test material, the same on every channel and the same on every run.
class TestSignal
{
public:
    static juce::StringArray names();
    static bool isKnown (const juce::String& name);
    static juce::AudioBuffer<float> generate (const juce::String& name, int numChannels, double sampleRate, int numSamples);

private:
    static void chord (float* samples, int numSamples, double sampleRate);
    static void sine (float* samples, int numSamples, double sampleRate);
    static void noise (float* samples, int numSamples);
    static float envelope (int sample, int numSamples, double sampleRate);
};
