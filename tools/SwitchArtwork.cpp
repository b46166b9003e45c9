#include "tools/SwitchArtwork.h"

#include <cmath>

#include "tools/ArtworkLayout.h"
#include "tools/ArtworkPalette.h"

namespace
{
constexpr int frameWidth = 226;
constexpr int frameHeight = 246;

// Everything sits in the clickable top-left part of the frame, centred across it.
constexpr float centreX = ArtworkLayout::switchHitWidth / 2.0f;
const juce::Point<float> lampCentre { centreX, 30.0f };
const juce::Point<float> nutCentre { centreX, 118.0f };

constexpr float lampRadius = 9.5f;
constexpr float bezelRadius = 14.0f;
constexpr float nutRadius = 44.0f;
constexpr float nutFaceRadius = 38.0f;
constexpr float ringOuterRadius = 33.0f;
constexpr float ringInnerRadius = 29.0f;
constexpr float capRadius = 26.0f;

// How far the button travels when it is pressed.
constexpr float buttonLift = 4.0f;

juce::Rectangle<float> circle (juce::Point<float> centre, float radius)
{
    return { centre.x - radius, centre.y - radius, 2.0f * radius, 2.0f * radius };
}

// Brightness of a surface facing this way, lit from the top left.
float lightFacing (float angle)
{
    const float light = juce::MathConstants<float>::pi * -0.75f;
    return 0.5f + 0.5f * std::cos (angle - light);
}
} // namespace

juce::Image SwitchArtwork::render() const
{
    static_assert (frameWidth == 226 && frameHeight * ArtworkLayout::switchFrames == 984);
    juce::Image strip (juce::Image::ARGB, frameWidth, frameHeight * ArtworkLayout::switchFrames, true);
    juce::Graphics g (strip);

    for (int index = 0; index < ArtworkLayout::switchFrames; ++index)
    {
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (0, index * frameHeight, frameWidth, frameHeight);
        g.setOrigin (0, index * frameHeight);
        paintFrame (g, index >= 2, index % 2 == 1);
    }
    return strip;
}

void SwitchArtwork::paintFrame (juce::Graphics& g, bool on, bool pressed)
{
    paintShadows (g);
    if (on)
        paintLampGlow (g);
    paintLamp (g, on);
    paintNut (g);
    paintRingLight (g, on);
    paintButton (g, pressed);
}

// A hexagon with flats left and right.
juce::Path SwitchArtwork::nutOutline (float radius)
{
    juce::Path path;
    path.addPolygon (nutCentre, 6, radius, 0.0f);
    return path;
}

void SwitchArtwork::paintShadows (juce::Graphics& g)
{
    juce::DropShadow (juce::Colours::black.withAlpha (0.8f), 22, { 12, 16 }).drawForPath (g, nutOutline (nutRadius));

    juce::Path bezel;
    bezel.addEllipse (circle (lampCentre, bezelRadius));
    juce::DropShadow (juce::Colours::black.withAlpha (0.8f), 8, { 4, 6 }).drawForPath (g, bezel);
}

void SwitchArtwork::paintLampGlow (juce::Graphics& g)
{
    const float radius = lampCentre.y - 1.0f;
    juce::ColourGradient glow (ArtworkPalette::fuego.withAlpha (0.55f), lampCentre,
                               ArtworkPalette::fuego.withAlpha (0.0f), lampCentre.translated (radius, 0.0f), true);
    glow.addColour (0.45, ArtworkPalette::fuego.withAlpha (0.22f));
    g.setGradientFill (glow);
    g.fillEllipse (circle (lampCentre, radius));
}

void SwitchArtwork::paintLamp (juce::Graphics& g, bool on)
{
    const auto bezel = circle (lampCentre, bezelRadius);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff6a6a6a), bezel.getX(), bezel.getY(),
                                             juce::Colour (0xff141414), bezel.getRight(), bezel.getBottom(), false));
    g.fillEllipse (bezel);
    g.setColour (juce::Colours::black);
    g.drawEllipse (bezel, 1.0f);

    const auto lens = circle (lampCentre, lampRadius);
    g.setColour (juce::Colours::black);
    g.fillEllipse (lens.expanded (1.5f));

    const auto lit = on ? ArtworkPalette::fuego : ArtworkPalette::fuego.interpolatedWith (juce::Colours::black, 0.8f);
    juce::ColourGradient lensFill (on ? lit.brighter (0.7f) : lit.brighter (0.3f), lampCentre.translated (-2.0f, -2.0f),
                                   lit.darker (on ? 0.4f : 0.9f), lampCentre.translated (lampRadius, lampRadius), true);
    lensFill.addColour (0.5, lit);
    g.setGradientFill (lensFill);
    g.fillEllipse (lens);

    g.setColour (juce::Colours::white.withAlpha (on ? 0.55f : 0.3f));
    g.fillEllipse (lampCentre.x - 5.5f, lampCentre.y - 6.5f, 5.0f, 3.5f);
}

// Six chamfer facets, each shaded by the way it faces, around a flat brushed face.
void SwitchArtwork::paintNut (juce::Graphics& g)
{
    const auto outer = nutOutline (nutRadius);
    g.setColour (juce::Colour (0xff1c1c1c));
    g.fillPath (outer);

    for (int side = 0; side < 6; ++side)
    {
        const float from = juce::MathConstants<float>::twoPi * (float) side / 6.0f;
        const float to = from + juce::MathConstants<float>::twoPi / 6.0f;
        const auto corner = [] (float angle, float radius)
        { return nutCentre + juce::Point<float> (std::sin (angle) * radius, -std::cos (angle) * radius); };

        juce::Path facet;
        facet.startNewSubPath (corner (from, nutRadius));
        facet.lineTo (corner (to, nutRadius));
        facet.lineTo (corner (to, nutFaceRadius));
        facet.lineTo (corner (from, nutFaceRadius));
        facet.closeSubPath();

        // Facet normals point from the centre through the middle of the side, in screen angles.
        const float middle = (from + to) / 2.0f;
        const float facing = lightFacing (std::atan2 (-std::cos (middle), std::sin (middle)));
        g.setColour (juce::Colour (0xff141414).interpolatedWith (juce::Colour (0xff7a7a7a), facing * facing));
        g.fillPath (facet);
    }

    const auto face = nutOutline (nutFaceRadius);
    const auto bounds = face.getBounds();
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff3e3e3e), bounds.getX(), bounds.getY(),
                                             juce::Colour (0xff1a1a1a), bounds.getRight(), bounds.getBottom(), false));
    g.fillPath (face);

    g.setColour (juce::Colours::black.withAlpha (0.9f));
    g.strokePath (outer, juce::PathStrokeType (1.2f));
}

void SwitchArtwork::paintRingLight (juce::Graphics& g, bool on)
{
    juce::Path ring;
    ring.addEllipse (circle (nutCentre, ringOuterRadius));
    ring.addEllipse (circle (nutCentre, ringInnerRadius));
    ring.setUsingNonZeroWinding (false);

    if (on)
    {
        juce::ColourGradient glow (ArtworkPalette::fuego.withAlpha (0.5f), nutCentre,
                                   ArtworkPalette::fuego.withAlpha (0.0f), nutCentre.translated (nutFaceRadius + 2.0f, 0.0f),
                                   true);
        glow.addColour (ringInnerRadius / (nutFaceRadius + 2.0f), ArtworkPalette::fuego.withAlpha (0.6f));
        g.setGradientFill (glow);
        g.fillEllipse (circle (nutCentre, nutFaceRadius + 2.0f));
        g.setColour (ArtworkPalette::fuego.brighter (0.25f));
    }
    else
    {
        g.setColour (ArtworkPalette::fuego.interpolatedWith (juce::Colours::black, 0.85f));
    }
    g.fillPath (ring);

    g.setColour (juce::Colours::black.withAlpha (0.7f));
    g.drawEllipse (circle (nutCentre, ringOuterRadius + 0.5f), 1.0f);
}

void SwitchArtwork::paintButton (juce::Graphics& g, bool pressed)
{
    // The well the button sits in.
    g.setColour (juce::Colours::black);
    g.fillEllipse (circle (nutCentre, ringInnerRadius));

    const auto top = nutCentre.translated (0.0f, pressed ? 0.0f : -buttonLift);
    if (! pressed)
    {
        // The side wall shows below the raised cap.
        juce::Path wall;
        wall.addEllipse (circle (nutCentre, capRadius));
        wall.addRectangle (nutCentre.x - capRadius, top.y, 2.0f * capRadius, buttonLift);
        wall.addEllipse (circle (top, capRadius));
        g.setGradientFill (juce::ColourGradient (juce::Colour (0xff2e2e2e), nutCentre.x - capRadius, 0.0f,
                                                 juce::Colour (0xff0c0c0c), nutCentre.x + capRadius, 0.0f, false));
        g.fillPath (wall);

        juce::Path cap;
        cap.addEllipse (circle (top, capRadius));
        juce::DropShadow (juce::Colours::black.withAlpha (0.6f), 6, { 2, 4 }).drawForPath (g, cap);
    }
    paintButtonCap (g, top, pressed ? capRadius - 1.5f : capRadius, pressed);
}

void SwitchArtwork::paintButtonCap (juce::Graphics& g, juce::Point<float> centre, float radius, bool pressed)
{
    const auto area = circle (centre, radius);
    const float brightness = pressed ? 0.55f : 1.0f;
    juce::ColourGradient dome (juce::Colour (0xff9a9a9a).withMultipliedBrightness (brightness),
                               centre.translated (-0.35f * radius, -0.45f * radius),
                               juce::Colour (0xff151515), centre.translated (radius, radius), true);
    dome.addColour (0.45, juce::Colour (0xff484848).withMultipliedBrightness (brightness));
    g.setGradientFill (dome);
    g.fillEllipse (area);

    // Turned rings on the cap, as machined metal has.
    for (float r = 6.0f; r < radius - 2.0f; r += 4.0f)
    {
        g.setColour (juce::Colours::black.withAlpha (0.12f));
        g.drawEllipse (circle (centre, r), 1.0f);
    }

    g.setColour (juce::Colours::white.withAlpha (pressed ? 0.08f : 0.2f));
    g.drawEllipse (area.reduced (1.0f), 1.0f);
    g.setColour (juce::Colours::black);
    g.drawEllipse (area, 1.0f);
}
