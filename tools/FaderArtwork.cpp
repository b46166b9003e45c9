#include "tools/FaderArtwork.h"

#include "tools/ArtworkLayout.h"
#include "tools/ArtworkPalette.h"

namespace
{
constexpr float capCornerRadius = 7.0f;
constexpr float centreY = ArtworkLayout::handleHeight / 2.0f;
} // namespace

juce::Image FaderArtwork::render() const
{
    juce::Image image (juce::Image::ARGB, ArtworkLayout::handleWidth, ArtworkLayout::handleHeight, true);
    juce::Graphics g (image);

    juce::Path cap;
    cap.addRoundedRectangle (capArea(), capCornerRadius);

    paintShadow (g, cap);
    paintBody (g, cap);
    paintRidges (g);
    paintCentreLine (g);
    paintRim (g, cap);
    return image;
}

// Centred on the handle's middle row, which is the row the value maps to.
juce::Rectangle<float> FaderArtwork::capArea()
{
    return { 7.0f, centreY - 40.0f, (float) ArtworkLayout::handleWidth - 14.0f, 80.0f };
}

void FaderArtwork::paintShadow (juce::Graphics& g, const juce::Path& cap)
{
    juce::DropShadow (juce::Colours::black.withAlpha (0.85f), 6, { 0, 3 }).drawForPath (g, cap);
}

// A concave cap: both halves slope towards the centre line, lit from above.
void FaderArtwork::paintBody (juce::Graphics& g, const juce::Path& cap)
{
    const auto area = capArea();
    juce::ColourGradient slope (juce::Colour (0xff5c5c5c), 0.0f, area.getY(), juce::Colour (0xff3a3a3a), 0.0f,
                                area.getBottom(), false);
    slope.addColour (0.42, juce::Colour (0xff1a1a1a));
    slope.addColour (0.50, juce::Colour (0xff0c0c0c));
    slope.addColour (0.58, juce::Colour (0xff151515));
    g.setGradientFill (slope);
    g.fillPath (cap);

    // Side shading gives the cap its rounded shoulders.
    juce::ColourGradient sides (juce::Colours::white.withAlpha (0.07f), area.getX(), 0.0f,
                                juce::Colours::black.withAlpha (0.30f), area.getRight(), 0.0f, false);
    sides.addColour (0.5, juce::Colours::transparentBlack);
    g.setGradientFill (sides);
    g.fillPath (cap);
}

// Engraved grooves on both slopes: a dark cut with a lit lower lip.
void FaderArtwork::paintRidges (juce::Graphics& g)
{
    const auto area = capArea().reduced (8.0f, 0.0f);
    for (int i = 0; i < 4; ++i)
    {
        for (const float y : { area.getY() + 10.0f + 7.0f * (float) i, centreY + 12.0f + 7.0f * (float) i })
        {
            g.setColour (juce::Colours::black.withAlpha (0.75f));
            g.fillRect (area.getX(), y, area.getWidth(), 2.0f);
            g.setColour (juce::Colours::white.withAlpha (0.09f));
            g.fillRect (area.getX(), y + 2.0f, area.getWidth(), 1.0f);
        }
    }
}

void FaderArtwork::paintCentreLine (juce::Graphics& g)
{
    const auto area = capArea().reduced (3.0f, 0.0f);
    g.setColour (juce::Colours::black.withAlpha (0.8f));
    g.fillRect (area.getX(), centreY - 4.0f, area.getWidth(), 8.0f);
    g.setColour (ArtworkPalette::graniteGray.brighter (0.8f));
    g.fillRect (area.getX(), centreY - 2.0f, area.getWidth(), 4.0f);
}

void FaderArtwork::paintRim (juce::Graphics& g, const juce::Path& cap)
{
    g.setColour (juce::Colours::black);
    g.strokePath (cap, juce::PathStrokeType (1.5f));

    // The top edge catches the light, fading out down the sides.
    const auto inner = capArea().reduced (1.5f);
    juce::Path edge;
    edge.addRoundedRectangle (inner, capCornerRadius - 1.5f);
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.24f), 0.0f, inner.getY(),
                                             juce::Colours::transparentWhite, 0.0f, inner.getY() + 24.0f, false));
    g.strokePath (edge, juce::PathStrokeType (1.2f));
}
