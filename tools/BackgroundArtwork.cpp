#include "tools/BackgroundArtwork.h"

#include <cmath>
#include <utility>

#include "tools/ArtworkLayout.h"
#include "tools/ArtworkPalette.h"
#include "tools/FaderSlotArtwork.h"

namespace
{
constexpr float centreX = ArtworkLayout::width / 2.0f;
const juce::Rectangle<float> faderPanel { 188.0f, 250.0f, 682.0f, 470.0f };
const juce::Rectangle<float> vent { 188.0f, 772.0f, 682.0f, 84.0f };
constexpr int ventSlats = 6;
// The switch's button sits in the middle of its clickable part.
const float switchCentreX = (float) ArtworkLayout::switchBounds.getX() + ArtworkLayout::switchHitWidth / 2.0f;
} // namespace

BackgroundArtwork::BackgroundArtwork (const ArtworkFonts& f) : fonts (f)
{
}

juce::Image BackgroundArtwork::render() const
{
    juce::Image image (juce::Image::RGB, ArtworkLayout::width, ArtworkLayout::height, true);
    juce::Graphics g (image);
    paintQuietTop (g);
    paintFaceplate (g);
    paintBrushing (g);
    paintScrews (g);
    paintName (g);
    paintFaderBank (g);
    paintVent (g);
    paintSwitchLegend (g);
    paintMaker (g);
    return image;
}

void BackgroundArtwork::paintQuietTop (juce::Graphics& g)
{
    g.setColour (ArtworkPalette::panel);
    g.fillRect (0, 0, ArtworkLayout::width, ArtworkLayout::quietTop);
}

void BackgroundArtwork::paintFaceplate (juce::Graphics& g)
{
    const auto top = (float) ArtworkLayout::quietTop;
    const juce::Rectangle<float> plate (0.0f, top, (float) ArtworkLayout::width, (float) ArtworkLayout::height - top);
    g.setGradientFill (juce::ColourGradient (ArtworkPalette::faceplateTop, 0.0f, plate.getY(),
                                             ArtworkPalette::faceplateBottom, 0.0f, plate.getBottom(), false));
    g.fillRect (plate);

    // A broad soft sheen across the upper middle.
    juce::ColourGradient sheen (juce::Colours::white.withAlpha (0.035f), centreX, top + 160.0f,
                                juce::Colours::transparentWhite, centreX + 620.0f, top + 160.0f, true);
    g.setGradientFill (sheen);
    g.fillRect (plate);

    // The bar above throws a short shadow, and the plate's top edge catches the light.
    g.setGradientFill (juce::ColourGradient (juce::Colours::black.withAlpha (0.6f), 0.0f, top,
                                             juce::Colours::transparentBlack, 0.0f, top + 18.0f, false));
    g.fillRect (plate.withHeight (18.0f));
    g.setColour (juce::Colours::white.withAlpha (0.06f));
    g.fillRect (plate.withHeight (1.0f));
}

// Fine horizontal streaks, always from the same seed so the file only changes when the
// drawing does.
void BackgroundArtwork::paintBrushing (juce::Graphics& g)
{
    juce::Random random (0x5eed);
    for (int y = ArtworkLayout::quietTop + 1; y < ArtworkLayout::height; ++y)
    {
        for (int streak = 0; streak < 4; ++streak)
        {
            const float x = random.nextFloat() * (float) ArtworkLayout::width - 100.0f;
            const float length = 80.0f + random.nextFloat() * 500.0f;
            const bool light = random.nextBool();
            const float alpha = random.nextFloat() * (light ? 0.018f : 0.03f);
            g.setColour ((light ? juce::Colours::white : juce::Colours::black).withAlpha (alpha));
            g.fillRect (x, (float) y, length, 1.0f);
        }
    }
}

// A panel pressed into the plate: darker, shaded along its top, lit along its bottom.
void BackgroundArtwork::paintRecess (juce::Graphics& g, juce::Rectangle<float> area, float corner)
{
    g.setColour (juce::Colours::white.withAlpha (0.06f));
    g.fillRoundedRectangle (area.expanded (1.0f).translated (0.0f, 1.0f), corner + 1.0f);
    g.setColour (juce::Colours::black.withAlpha (0.9f));
    g.fillRoundedRectangle (area.expanded (1.0f).translated (0.0f, -1.0f), corner + 1.0f);

    g.setColour (ArtworkPalette::recess);
    g.fillRoundedRectangle (area, corner);

    juce::Graphics::ScopedSaveState state (g);
    juce::Path inside;
    inside.addRoundedRectangle (area, corner);
    g.reduceClipRegion (inside);
    g.setGradientFill (juce::ColourGradient (juce::Colours::black.withAlpha (0.7f), 0.0f, area.getY(),
                                             juce::Colours::transparentBlack, 0.0f, area.getY() + 28.0f, false));
    g.fillRect (area.withHeight (28.0f));
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.025f), 0.0f, area.getY() + 28.0f,
                                             juce::Colours::transparentWhite, 0.0f, area.getBottom(), false));
    g.fillRect (area);
}

void BackgroundArtwork::paintScrews (juce::Graphics& g)
{
    const float inset = 34.0f;
    const float top = (float) ArtworkLayout::quietTop + inset;
    const float bottom = (float) ArtworkLayout::height - inset;
    const float right = (float) ArtworkLayout::width - inset;
    paintScrew (g, { inset, top }, 0.35f);
    paintScrew (g, { right, top }, 1.2f);
    paintScrew (g, { inset, bottom }, 2.1f);
    paintScrew (g, { right, bottom }, 0.8f);
}

void BackgroundArtwork::paintScrew (juce::Graphics& g, juce::Point<float> centre, float slotAngle)
{
    const float radius = 11.0f;
    const juce::Rectangle<float> head (centre.x - radius, centre.y - radius, 2.0f * radius, 2.0f * radius);

    juce::Path outline;
    outline.addEllipse (head);
    juce::DropShadow (juce::Colours::black.withAlpha (0.8f), 6, { 2, 3 }).drawForPath (g, outline);

    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff5a5a5a), head.getX(), head.getY(),
                                             juce::Colour (0xff101010), head.getRight(), head.getBottom(), false));
    g.fillEllipse (head);
    g.setColour (juce::Colours::black);
    g.drawEllipse (head, 1.0f);

    // The slot, with its lit far edge.
    juce::Path slot;
    slot.addRectangle (-radius + 3.0f, -1.75f, 2.0f * radius - 6.0f, 3.5f);
    const auto turn = juce::AffineTransform::rotation (slotAngle).translated (centre);
    g.setColour (juce::Colours::white.withAlpha (0.12f));
    g.fillPath (slot, turn.translated (0.6f, 0.9f));
    g.setColour (juce::Colours::black);
    g.fillPath (slot, turn);
}

void BackgroundArtwork::paintName (juce::Graphics& g) const
{
    const auto first = fonts.regular (46.0f, 0.22f);
    const auto second = fonts.bold (46.0f, 0.22f);
    const juce::String firstWord ("LUMIKER");
    const juce::String secondWord ("WHIRLANE");
    const float gap = 24.0f;

    // Extra kerning also follows the last letter; leave it out when centring.
    const float firstWidth = first.getStringWidthFloat (firstWord) - 0.22f * first.getHeight();
    const float secondWidth = second.getStringWidthFloat (secondWord) - 0.22f * second.getHeight();
    const float left = centreX - (firstWidth + gap + secondWidth) / 2.0f;
    const float top = 150.0f;

    paintEngraved (g, firstWord, first, { left, top, firstWidth + 40.0f, 60.0f },
                   ArtworkPalette::graniteGray.withAlpha (0.75f), juce::Justification::centredLeft);
    paintEngraved (g, secondWord, second, { left + firstWidth + gap, top, secondWidth + 40.0f, 60.0f },
                   ArtworkPalette::graniteGray, juce::Justification::centredLeft);

    // The accent, once, under the name.
    g.setColour (ArtworkPalette::fuego);
    g.fillRect (centreX - 22.0f, top + 68.0f, 44.0f, 3.0f);
}

void BackgroundArtwork::paintFaderBank (juce::Graphics& g) const
{
    paintRecess (g, faderPanel, 14.0f);
    const auto font = FaderSlotArtwork::legendFont (fonts, FaderSlotArtwork::legendHeightThatFits (fonts));
    for (const auto& slot : ArtworkLayout::faderSlots)
        FaderSlotArtwork (slot, font).paint (g);
    paintScaleNumbers (g);
}

// 0, 5 and 10 at the major marks, outside the first and the last fader.
void BackgroundArtwork::paintScaleNumbers (juce::Graphics& g) const
{
    const float reach = 12.0f + 15.0f + 6.0f;
    const float left = (float) ArtworkLayout::faderSlots.front().x + ArtworkLayout::faderWidth / 2.0f - reach;
    const float right = (float) ArtworkLayout::faderSlots.back().x + ArtworkLayout::faderWidth / 2.0f + reach;
    const float middle = (ArtworkLayout::travelTop + ArtworkLayout::travelBottom) / 2.0f;

    g.setFont (fonts.semiBold (17.0f, 0.0f));
    g.setColour (ArtworkPalette::graniteGray.withAlpha (0.6f));
    for (const auto& [number, y] : { std::pair { "10", ArtworkLayout::travelTop }, std::pair { "5", middle },
                                     std::pair { "0", ArtworkLayout::travelBottom } })
    {
        g.drawText (number, juce::Rectangle<float> (left - 40.0f, y - 10.0f, 40.0f, 20.0f),
                    juce::Justification::centredRight, false);
        g.drawText (number, juce::Rectangle<float> (right, y - 10.0f, 40.0f, 20.0f), juce::Justification::centredLeft,
                    false);
    }
}

// Louvres like a cabinet's vent, spanning the fader panel's width.
void BackgroundArtwork::paintVent (juce::Graphics& g)
{
    const float pitch = vent.getHeight() / (float) ventSlats;
    for (int i = 0; i < ventSlats; ++i)
    {
        const juce::Rectangle<float> slat (vent.getX(), vent.getY() + pitch * (float) i, vent.getWidth(), pitch * 0.45f);
        g.setColour (juce::Colours::white.withAlpha (0.05f));
        g.fillRoundedRectangle (slat.translated (0.0f, 1.5f), slat.getHeight() / 2.0f);
        g.setGradientFill (juce::ColourGradient (juce::Colours::black.withAlpha (0.9f), 0.0f, slat.getY(),
                                                 ArtworkPalette::recess.withAlpha (0.8f), 0.0f, slat.getBottom(), false));
        g.fillRoundedRectangle (slat, slat.getHeight() / 2.0f);
    }
}

void BackgroundArtwork::paintSwitchLegend (juce::Graphics& g) const
{
    const float kerning = 0.16f;
    const auto font = fonts.semiBold (22.0f, kerning);
    const float top = (float) ArtworkLayout::switchBounds.getY() - 36.0f;
    // Centred on the letters, not on the spacing after the last one.
    const float left = switchCentreX - 150.0f + kerning * font.getHeight() / 2.0f;
    paintEngraved (g, "ON  /  BYPASS", font, { left, top, 300.0f, 30.0f }, ArtworkPalette::graniteGray,
                   juce::Justification::centred);
}

void BackgroundArtwork::paintMaker (juce::Graphics& g) const
{
    const auto font = fonts.bold (24.0f, 0.45f);
    const float width = font.getStringWidthFloat ("TAVORI") - 0.45f * font.getHeight();
    const juce::Rectangle<float> box (centreX - width / 2.0f, 1226.0f, width + 20.0f, 34.0f);
    paintEngraved (g, "TAVORI", font, box, ArtworkPalette::graniteGray.withAlpha (0.6f),
                   juce::Justification::centredLeft);

    // Hairlines either side of the name.
    const float lineY = box.getCentreY() + 1.0f;
    const float clearance = 26.0f;
    const float length = 110.0f;
    g.setColour (ArtworkPalette::graniteGray.withAlpha (0.22f));
    g.fillRect (centreX - width / 2.0f - clearance - length, lineY, length, 1.5f);
    g.fillRect (centreX + width / 2.0f + clearance, lineY, length, 1.5f);
}

// Text cut into the plate: a dark copy just below the lettering.
void BackgroundArtwork::paintEngraved (juce::Graphics& g, const juce::String& text, const juce::Font& font,
                                       juce::Rectangle<float> box, juce::Colour colour,
                                       juce::Justification justification)
{
    g.setFont (font);
    g.setColour (juce::Colours::black.withAlpha (0.85f));
    g.drawText (text, box.translated (0.0f, 2.0f), justification, false);
    g.setColour (colour);
    g.drawText (text, box, justification, false);
}
