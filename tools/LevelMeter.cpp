#include "tools/LevelMeter.h"

#include <cmath>

LevelMeter::LevelMeter (int numChannels)
    : peaks ((size_t) numChannels, 0.0f), sumsOfSquares ((size_t) numChannels, 0.0)
{
}

void LevelMeter::add (const juce::AudioBuffer<float>& buffer, int startSample, int numSamples)
{
    for (size_t channel = 0; channel < peaks.size(); ++channel)
    {
        const float* samples = buffer.getReadPointer ((int) channel, startSample);
        for (int n = 0; n < numSamples; ++n)
        {
            if (! std::isfinite (samples[n]))
            {
                ++numNonFinite;
                continue;
            }
            peaks[channel] = juce::jmax (peaks[channel], std::abs (samples[n]));
            sumsOfSquares[channel] += (double) samples[n] * samples[n];
        }
    }
    numSamplesSeen += numSamples;
}

juce::String LevelMeter::describe() const
{
    juce::StringArray channels;
    for (size_t channel = 0; channel < peaks.size(); ++channel)
    {
        const double rms = numSamplesSeen > 0 ? std::sqrt (sumsOfSquares[channel] / (double) numSamplesSeen) : 0.0;
        channels.add ("ch" + juce::String ((int) channel + 1) + " peak " + decibels (peaks[channel]) + " dBFS rms "
                      + decibels (rms) + " dBFS");
    }

    auto text = channels.joinIntoString (", ");
    if (numNonFinite > 0)
        text << " (" << numNonFinite << " non-finite samples)";
    return text;
}

juce::String LevelMeter::decibels (double gain)
{
    return gain > 0.0 ? juce::String (20.0 * std::log10 (gain), 2) : juce::String ("-inf");
}
