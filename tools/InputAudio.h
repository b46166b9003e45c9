#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

#include "tools/RenderOptions.h"

// The audio fed to the plug-in: a file or a built-in signal, with the channels the
// layout takes, at the render's sample rate.
class InputAudio
{
public:
    // Throws RenderError when the file is missing or cannot be read.
    explicit InputAudio (const RenderOptions& options);

    const juce::AudioBuffer<float>& samples() const { return buffer; }
    double sampleRate() const { return rate; }

private:
    void readFile (const juce::File& file, int numChannels, std::optional<int> wantedRate);
    static juce::AudioBuffer<float> fitChannels (const juce::AudioBuffer<float>& source, int numChannels);
    static juce::AudioBuffer<float> resample (const juce::AudioBuffer<float>& source, double fromRate, double toRate);

    juce::AudioBuffer<float> buffer;
    double rate = 0.0;
};
