#include "tools/InputAudio.h"

#include <cmath>
#include <limits>

#include "tools/RenderError.h"
#include "tools/TestSignal.h"

InputAudio::InputAudio (const RenderOptions& options)
{
    if (options.hasInputFile())
    {
        readFile (options.input, options.inputChannels(), options.sampleRate);
        return;
    }

    rate = options.sampleRate.value_or (RenderOptions::defaultSampleRate);
    const double seconds = options.seconds.value_or (RenderOptions::defaultSeconds);
    const int length = juce::jmax (1, (int) std::lround (seconds * rate));
    buffer = TestSignal::generate (options.signal, options.inputChannels(), rate, length);
}

void InputAudio::readFile (const juce::File& file, int numChannels, std::optional<int> wantedRate)
{
    if (! file.existsAsFile())
        throw RenderError ("input file not found: " + file.getFullPathName());

    juce::AudioFormatManager formats;
    formats.registerBasicFormats();
    const std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (file));
    if (reader == nullptr)
        throw RenderError ("cannot read input file (not WAV, AIFF or FLAC?): " + file.getFullPathName());
    if (reader->lengthInSamples <= 0 || reader->numChannels == 0)
        throw RenderError ("input file holds no audio: " + file.getFullPathName());
    if (reader->lengthInSamples > std::numeric_limits<int>::max())
        throw RenderError ("input file is too long: " + file.getFullPathName());

    juce::AudioBuffer<float> contents ((int) reader->numChannels, (int) reader->lengthInSamples);
    if (! reader->read (&contents, 0, contents.getNumSamples(), 0, true, true))
        throw RenderError ("cannot read input file: " + file.getFullPathName());

    rate = wantedRate.value_or ((int) std::lround (reader->sampleRate));
    buffer = fitChannels (contents, numChannels);
    if (rate != reader->sampleRate)
        buffer = resample (buffer, reader->sampleRate, rate);
}

// Mono takes the average of all channels; stereo takes the first two, or one twice.
juce::AudioBuffer<float> InputAudio::fitChannels (const juce::AudioBuffer<float>& source, int numChannels)
{
    const int length = source.getNumSamples();
    const int available = source.getNumChannels();
    juce::AudioBuffer<float> fitted (numChannels, length);
    fitted.clear();

    if (numChannels == 1)
    {
        for (int channel = 0; channel < available; ++channel)
            fitted.addFrom (0, 0, source, channel, 0, length, 1.0f / (float) available);
        return fitted;
    }

    for (int channel = 0; channel < numChannels; ++channel)
        fitted.copyFrom (channel, 0, source, juce::jmin (channel, available - 1), 0, length);
    return fitted;
}

juce::AudioBuffer<float> InputAudio::resample (const juce::AudioBuffer<float>& source, double fromRate, double toRate)
{
    const double ratio = fromRate / toRate;
    const int latency = (int) juce::WindowedSincInterpolator::getBaseLatency();
    const int length = juce::jmax (1, (int) std::lround (source.getNumSamples() / ratio));

    // Zeros after the end so the interpolator can read past the last sample.
    juce::AudioBuffer<float> padded (source.getNumChannels(), source.getNumSamples() + 2 * latency + (int) std::ceil (ratio) + 4);
    padded.clear();
    juce::AudioBuffer<float> result (source.getNumChannels(), length);
    std::vector<float> discarded ((size_t) latency);

    for (int channel = 0; channel < source.getNumChannels(); ++channel)
    {
        padded.copyFrom (channel, 0, source, channel, 0, source.getNumSamples());
        juce::WindowedSincInterpolator interpolator;
        // Feeding the first samples at unity speed uses up the interpolator's delay, so
        // the output starts exactly at the first input sample.
        interpolator.process (1.0, padded.getReadPointer (channel), discarded.data(), latency);
        interpolator.process (ratio, padded.getReadPointer (channel) + latency, result.getWritePointer (channel), length);
    }
    return result;
}
