#pragma once

#include <juce_graphics/juce_graphics.h>

// The on/bypass switch strip: four frames stacked from the top, in the order the switch
// picks them: off, off pressed, on, on pressed. Each frame is a lamp over a push button
// in a hex nut with a ring light, casting its shadow down and to the right.
class SwitchArtwork
{
public:
    juce::Image render() const;

private:
    static void paintFrame (juce::Graphics& g, bool on, bool pressed);
    static juce::Path nutOutline (float radius);
    static void paintShadows (juce::Graphics& g);
    static void paintLamp (juce::Graphics& g, bool on);
    static void paintLampGlow (juce::Graphics& g);
    static void paintNut (juce::Graphics& g);
    static void paintRingLight (juce::Graphics& g, bool on);
    static void paintButton (juce::Graphics& g, bool pressed);
    static void paintButtonCap (juce::Graphics& g, juce::Point<float> centre, float radius, bool pressed);
};
