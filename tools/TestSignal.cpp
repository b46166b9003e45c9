#include "tools/TestSignal.h"

#include <cmath>

namespace
{
constexpr double twoPi = 6.283185307179586;

// C major triad, C4 E4 G4.
constexpr double chordNotes[] = { 261.6256, 329.6276, 391.9954 };

// Organ-like registration: sub-octave, fundamental, octave, twelfth, fifteenth.
struct Harmonic
{
    double ratio;
    double level;
};
constexpr Harmonic drawbars[] = { { 0.5, 0.5 }, { 1.0, 1.0 }, { 2.0, 0.7 }, { 3.0, 0.5 }, { 4.0, 0.35 } };

constexpr double attackSeconds = 0.05;
constexpr double releaseSeconds = 0.3;
constexpr float signalLevel = 0.5f; // -6 dBFS, leaves headroom for the plug-in
} // namespace

juce::StringArray TestSignal::names()
{
    return { "chord", "sine", "noise", "impulse", "silence" };
}

bool TestSignal::isKnown (const juce::String& name)
{
    return names().contains (name);
}

juce::AudioBuffer<float> TestSignal::generate (const juce::String& name, int numChannels, double sampleRate, int numSamples)
{
    juce::AudioBuffer<float> buffer (numChannels, numSamples);
    buffer.clear();
    float* first = buffer.getWritePointer (0);

    if (name == "chord")
        chord (first, numSamples, sampleRate);
    else if (name == "sine")
        sine (first, numSamples, sampleRate);
    else if (name == "noise")
        noise (first, numSamples);
    else if (name == "impulse" && numSamples > 0)
        first[0] = 1.0f;

    for (int channel = 1; channel < numChannels; ++channel)
        buffer.copyFrom (channel, 0, buffer, 0, 0, numSamples);
    return buffer;
}

void TestSignal::chord (float* samples, int numSamples, double sampleRate)
{
    double total = 0.0;
    for (const auto& harmonic : drawbars)
        total += harmonic.level;
    const double scale = signalLevel / (total * (double) std::size (chordNotes));

    for (int n = 0; n < numSamples; ++n)
    {
        const double time = n / sampleRate;
        double sum = 0.0;
        for (const double note : chordNotes)
            for (const auto& harmonic : drawbars)
                sum += harmonic.level * std::sin (twoPi * note * harmonic.ratio * time);
        samples[n] = (float) (sum * scale) * envelope (n, numSamples, sampleRate);
    }
}

void TestSignal::sine (float* samples, int numSamples, double sampleRate)
{
    for (int n = 0; n < numSamples; ++n)
        samples[n] = signalLevel * (float) std::sin (twoPi * 440.0 * n / sampleRate);
}

void TestSignal::noise (float* samples, int numSamples)
{
    juce::Random random (1);
    for (int n = 0; n < numSamples; ++n)
        samples[n] = signalLevel * (2.0f * random.nextFloat() - 1.0f);
}

// Raised-cosine fade in and out so the chord starts and stops without clicks.
float TestSignal::envelope (int sample, int numSamples, double sampleRate)
{
    const double fit = juce::jmin (1.0, numSamples / (sampleRate * (attackSeconds + releaseSeconds)));
    const double attack = attackSeconds * sampleRate * fit;
    const double release = releaseSeconds * sampleRate * fit;
    const double rise = juce::jmin (1.0, sample / attack);
    const double fall = juce::jmin (1.0, (numSamples - 1 - sample) / release);
    return (float) (0.5 - 0.5 * std::cos (juce::MathConstants<double>::pi * juce::jmin (rise, fall)));
}
