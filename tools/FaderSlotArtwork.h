#pragma once

#include "tools/ArtworkFonts.h"
#include "tools/ArtworkLayout.h"

// What the background shows of one fader: the groove the handle runs in, a scale of
// eleven marks on either side and the legend under the slot.
class FaderSlotArtwork
{
public:
    FaderSlotArtwork (const ArtworkLayout::FaderSlot& slot, const juce::Font& legendFont);

    void paint (juce::Graphics& g) const;

    // The legend text height at which every legend fits its slot.
    static float legendHeightThatFits (const ArtworkFonts& fonts);
    static juce::Font legendFont (const ArtworkFonts& fonts, float height);

private:
    void paintGroove (juce::Graphics& g) const;
    void paintScale (juce::Graphics& g) const;
    void paintLegend (juce::Graphics& g) const;

    const ArtworkLayout::FaderSlot& slot;
    juce::Font font;
    float centreX;
};
