#pragma once

#include <juce_graphics/juce_graphics.h>

// The fader handle: a dark console-style cap with grip ridges and a bright centre line,
// on a transparent ground with its own soft shadow.
class FaderArtwork
{
public:
    juce::Image render() const;

private:
    static juce::Rectangle<float> capArea();
    static void paintShadow (juce::Graphics& g, const juce::Path& cap);
    static void paintBody (juce::Graphics& g, const juce::Path& cap);
    static void paintRidges (juce::Graphics& g);
    static void paintCentreLine (juce::Graphics& g);
    static void paintRim (juce::Graphics& g, const juce::Path& cap);
};
