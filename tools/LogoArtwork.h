#pragma once

#include <array>
#include <vector>

#include <juce_graphics/juce_graphics.h>

// The maker's logo as a film strip for the about box: three bars leaning right, side by side,
// coming alive on black. Frames are stacked from the top. Frame 0 is never played, so it
// holds the finished mark for anything that shows the strip still; frames 1 to 36 build the
// mark up: the outlines are traced in grey, the six facets fill in one after another in the
// accent reds, a light sweeps across and the mark starts to glow, until the last frame
// shows it fully lit.
class LogoArtwork
{
public:
    static constexpr int frameSize = 240;
    static constexpr int frameCount = 37;

    juce::Image render() const;

    // The given frames of a strip side by side, on a grey ground so frame edges show.
    static juce::Image contactSheet (const juce::Image& strip, const std::vector<int>& frames);

private:
    using Quad = std::array<juce::Point<float>, 4>;

    static void paintFrame (juce::Graphics& g, float frame);
    static void paintGlow (juce::Graphics& g, float frame);
    static void paintFacets (juce::Graphics& g, float frame);
    static void paintSweep (juce::Graphics& g, float frame);
    static void paintEdges (juce::Graphics& g, float frame);
    static void paintOutlines (juce::Graphics& g, float frame);
    static void paintTrace (juce::Graphics& g, const Quad& bar, float progress, float alpha);

    static Quad bar (int index);
    static Quad facet (int index);
    static juce::Path path (const Quad& quad);
    static juce::Path mark();
    static float facetFill (int index, float frame);
};
