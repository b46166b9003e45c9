#pragma once

#include "tools/ArtworkFonts.h"

// The editor's fixed artwork: a quiet black band for the top bar and settings strip,
// then a brushed near-black faceplate with the name, the fader bank in a recessed panel,
// a louvred vent, the switch legend and the maker's name.
class BackgroundArtwork
{
public:
    explicit BackgroundArtwork (const ArtworkFonts& fonts);

    juce::Image render() const;

private:
    static void paintQuietTop (juce::Graphics& g);
    static void paintFaceplate (juce::Graphics& g);
    static void paintBrushing (juce::Graphics& g);
    static void paintRecess (juce::Graphics& g, juce::Rectangle<float> area, float corner);
    static void paintScrews (juce::Graphics& g);
    static void paintScrew (juce::Graphics& g, juce::Point<float> centre, float slotAngle);
    static void paintVent (juce::Graphics& g);
    void paintName (juce::Graphics& g) const;
    void paintFaderBank (juce::Graphics& g) const;
    void paintScaleNumbers (juce::Graphics& g) const;
    void paintSwitchLegend (juce::Graphics& g) const;
    void paintMaker (juce::Graphics& g) const;
    static void paintEngraved (juce::Graphics& g, const juce::String& text, const juce::Font& font,
                               juce::Rectangle<float> box, juce::Colour colour,
                               juce::Justification justification);

    const ArtworkFonts& fonts;
};
