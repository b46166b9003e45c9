#include "tools/FaderSlotArtwork.h"

#include "tools/ArtworkPalette.h"

namespace
{
constexpr int marks = 11;
constexpr float grooveWidth = 8.0f;
// The groove reaches a little past the travel so the handle never sits at its very end.
constexpr float grooveOverhang = 16.0f;
constexpr float markGap = 12.0f;
constexpr float minorMark = 8.0f;
constexpr float majorMark = 15.0f;

constexpr float legendTop = 672.0f;
constexpr float legendBoxHeight = 30.0f;
constexpr float legendLargestHeight = 22.0f;
constexpr float legendGap = 12.0f;
constexpr float legendKerning = 0.03f;
} // namespace

FaderSlotArtwork::FaderSlotArtwork (const ArtworkLayout::FaderSlot& s, const juce::Font& legendFont)
    : slot (s), font (legendFont), centreX ((float) s.x + ArtworkLayout::faderWidth / 2.0f)
{
}

void FaderSlotArtwork::paint (juce::Graphics& g) const
{
    paintScale (g);
    paintGroove (g);
    paintLegend (g);
}

// Neighbouring legends must keep a clear gap between them; the widest pair decides.
float FaderSlotArtwork::legendHeightThatFits (const ArtworkFonts& fonts)
{
    float height = legendLargestHeight;
    const auto& slots = ArtworkLayout::faderSlots;
    for (size_t i = 0; i + 1 < slots.size(); ++i)
    {
        const auto font = legendFont (fonts, height);
        const float halves = (font.getStringWidthFloat (slots[i].legend) + font.getStringWidthFloat (slots[i + 1].legend)) / 2.0f;
        const float room = (float) (slots[i + 1].x - slots[i].x) - legendGap;
        if (halves > room)
            height *= room / halves;
    }
    return height;
}

juce::Font FaderSlotArtwork::legendFont (const ArtworkFonts& fonts, float height)
{
    return fonts.semiBold (height, legendKerning);
}

void FaderSlotArtwork::paintGroove (juce::Graphics& g) const
{
    const float top = ArtworkLayout::travelTop - grooveOverhang;
    const float bottom = ArtworkLayout::travelBottom + grooveOverhang;
    const juce::Rectangle<float> groove (centreX - grooveWidth / 2.0f, top, grooveWidth, bottom - top);
    const float corner = grooveWidth / 2.0f;

    // A lit lower lip and a shaded upper edge make it read as cut into the plate.
    g.setColour (juce::Colours::white.withAlpha (0.07f));
    g.fillRoundedRectangle (groove.expanded (1.5f).translated (0.0f, 1.5f), corner + 1.5f);
    g.setColour (juce::Colours::black);
    g.fillRoundedRectangle (groove, corner);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff262626), groove.getX(), 0.0f,
                                             juce::Colours::black, groove.getRight(), 0.0f, false));
    g.fillRoundedRectangle (groove.reduced (2.5f, 3.0f), corner - 2.5f);
}

void FaderSlotArtwork::paintScale (juce::Graphics& g) const
{
    const float step = (ArtworkLayout::travelBottom - ArtworkLayout::travelTop) / (float) (marks - 1);
    for (int i = 0; i < marks; ++i)
    {
        const bool major = i % 5 == 0;
        const float y = ArtworkLayout::travelTop + step * (float) i;
        const float length = major ? majorMark : minorMark;
        const float thickness = major ? 2.5f : 2.0f;
        g.setColour (ArtworkPalette::graniteGray.withAlpha (major ? 0.85f : 0.45f));
        g.fillRect (centreX - markGap - length, y - thickness / 2.0f, length, thickness);
        g.fillRect (centreX + markGap, y - thickness / 2.0f, length, thickness);
    }
}

void FaderSlotArtwork::paintLegend (juce::Graphics& g) const
{
    const juce::Rectangle<float> box (centreX - ArtworkLayout::faderWidth, legendTop, 2.0f * ArtworkLayout::faderWidth,
                                      legendBoxHeight);
    g.setFont (font);
    g.setColour (juce::Colours::black.withAlpha (0.8f));
    g.drawText (slot.legend, box.translated (0.0f, 1.5f), juce::Justification::centred, false);
    g.setColour (ArtworkPalette::graniteGray);
    g.drawText (slot.legend, box, juce::Justification::centred, false);
}
