#pragma once

#include <map>

#include <juce_audio_processors/juce_audio_processors.h>

// What the processor tells the host, per parameter index.
struct HostChangeCounter : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float) override { ++changes[index]; }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

    std::map<int, int> changes;
};

// The colour of the most opaque pixel in an area: the ink of text drawn there.
inline juce::Colour strongestPixel (const juce::Image& image, juce::Rectangle<int> area)
{
    juce::Colour strongest = juce::Colours::transparentBlack;
    area = area.getIntersection (image.getBounds());
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (image.getPixelAt (x, y).getAlpha() > strongest.getAlpha())
                strongest = image.getPixelAt (x, y);
    return strongest;
}

// True when no pixel outside the area has any ink.
inline bool inkOnlyWithin (const juce::Image& image, juce::Rectangle<int> area)
{
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (! area.contains (x, y) && image.getPixelAt (x, y).getAlpha() != 0)
                return false;
    return true;
}
