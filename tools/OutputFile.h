#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

// The WAV being written. It goes to a temporary file beside the target, which takes the
// target's place only in commit(): a failed render leaves no partial file behind.
class OutputFile
{
public:
    // Throws RenderError when the temporary file cannot be written.
    OutputFile (const juce::File& target, double sampleRate, int numChannels, int bitsPerSample);

    void write (const juce::AudioBuffer<float>& buffer, int startSample, int numSamples);
    void commit();

private:
    juce::File target;
    juce::TemporaryFile temporary;
    std::unique_ptr<juce::AudioFormatWriter> writer;
};
