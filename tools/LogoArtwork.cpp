#include "tools/LogoArtwork.h"

#include <cmath>

#include "tools/ArtworkPalette.h"

namespace
{
// The mark, centred in its frame.
constexpr float barWidth = 30.0f;
constexpr float barGap = 12.0f;
constexpr float barLean = 34.0f;
constexpr float markTop = 61.0f;
constexpr float markBottom = 179.0f;
constexpr float markLeft = (LogoArtwork::frameSize - (3.0f * barWidth + 2.0f * barGap + barLean)) / 2.0f;

// Left and right facet of each bar, darker on the left as if lit from the right, and
// brighter from the first bar to the last.
const std::array<juce::Colour, 6> facetColours { {
    juce::Colour (168, 38, 35),
    juce::Colour (208, 60, 40),
    juce::Colour (175, 41, 36),
    juce::Colour (223, 72, 42),
    juce::Colour (208, 60, 40),
    juce::Colour (240, 85, 43),
} };

// When each stage starts and how many frames it takes.
constexpr float traceStart = 1.0f;
constexpr float traceStagger = 2.0f;
constexpr float traceLength = 9.0f;
constexpr float fillStart = 9.0f;
constexpr float fillStagger = 2.5f;
constexpr float fillLength = 6.0f;
constexpr float sweepStart = 24.0f;
constexpr float sweepLength = 10.0f;
constexpr float glowStart = 27.0f;
constexpr float glowLength = 9.0f;
constexpr float edgeStart = 30.0f;
constexpr float edgeLength = 6.0f;

float progress (float frame, float start, float length)
{
    return juce::jlimit (0.0f, 1.0f, (frame - start) / length);
}

float easeOut (float t)
{
    const float rest = 1.0f - t;
    return 1.0f - rest * rest * rest;
}

float easeInOut (float t)
{
    return t * t * (3.0f - 2.0f * t);
}

juce::Point<float> between (juce::Point<float> a, juce::Point<float> b, float t)
{
    return a + (b - a) * t;
}
} // namespace

juce::Image LogoArtwork::render() const
{
    juce::Image strip (juce::Image::RGB, frameSize, frameSize * frameCount, true);
    juce::Graphics g (strip);

    for (int index = 0; index < frameCount; ++index)
    {
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (0, index * frameSize, frameSize, frameSize);
        g.setOrigin (0, index * frameSize);
        g.fillAll (juce::Colours::black);
        paintFrame (g, index == 0 ? (float) (frameCount - 1) : (float) index);
    }
    return strip;
}

juce::Image LogoArtwork::contactSheet (const juce::Image& strip, const std::vector<int>& frames)
{
    constexpr int border = 4;
    const int count = (int) frames.size();
    juce::Image sheet (juce::Image::RGB, count * (frameSize + border) + border, frameSize + 2 * border, true);
    juce::Graphics g (sheet);
    g.fillAll (juce::Colour (0xff303030));
    for (int i = 0; i < count; ++i)
        g.drawImage (strip, border + i * (frameSize + border), border, frameSize, frameSize, 0,
                     frames[(size_t) i] * frameSize, frameSize, frameSize);
    return sheet;
}

void LogoArtwork::paintFrame (juce::Graphics& g, float frame)
{
    paintGlow (g, frame);
    paintFacets (g, frame);
    paintSweep (g, frame);
    paintOutlines (g, frame);
    paintEdges (g, frame);
}

// A wide soft halo and a tighter warm one, both growing in once the mark is filled.
void LogoArtwork::paintGlow (juce::Graphics& g, float frame)
{
    const float glow = easeInOut (progress (frame, glowStart, glowLength));
    if (glow <= 0.0f)
        return;

    const auto shape = mark();
    const auto centre = shape.getBounds().getCentre();
    juce::ColourGradient halo (ArtworkPalette::fuego.withAlpha (0.16f * glow), centre,
                               ArtworkPalette::fuego.withAlpha (0.0f), centre.translated (110.0f, 0.0f), true);
    halo.addColour (0.5, ArtworkPalette::fuego.withAlpha (0.06f * glow));
    g.setGradientFill (halo);
    g.fillRect (juce::Rectangle<int> (LogoArtwork::frameSize, LogoArtwork::frameSize));

    juce::DropShadow (ArtworkPalette::fuego.withAlpha (0.55f * glow), 18, {}).drawForPath (g, shape);
}

// Each facet fills from its foot upwards behind a bright rising edge, and is shaded from a
// lit top to a darker foot.
void LogoArtwork::paintFacets (juce::Graphics& g, float frame)
{
    const float height = markBottom - markTop;
    for (int index = 0; index < (int) facetColours.size(); ++index)
    {
        const float fill = facetFill (index, frame);
        if (fill <= 0.0f)
            continue;

        const auto shape = path (facet (index));
        const auto colour = facetColours[(size_t) index];
        const float level = markBottom - height * fill;

        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (shape);
        g.setGradientFill (juce::ColourGradient (colour.brighter (0.18f), 0.0f, markTop, colour.darker (0.35f), 0.0f,
                                                 markBottom, false));
        g.fillRect (juce::Rectangle<float> (0.0f, level, (float) frameSize, markBottom - level + 1.0f));

        if (fill < 1.0f)
        {
            const auto rim = colour.brighter (1.2f).withAlpha (0.9f * (1.0f - fill * fill));
            g.setGradientFill (juce::ColourGradient (rim, 0.0f, level, rim.withAlpha (0.0f), 0.0f, level + 14.0f, false));
            g.fillRect (juce::Rectangle<float> (0.0f, level, (float) frameSize, 14.0f));
        }
    }
}

// A band of light crossing the filled mark from left to right, clipped to the bars.
void LogoArtwork::paintSweep (juce::Graphics& g, float frame)
{
    const float sweep = progress (frame, sweepStart, sweepLength);
    if (sweep <= 0.0f || sweep >= 1.0f)
        return;

    const auto bounds = mark().getBounds();
    const float centreX = bounds.getX() - 40.0f + (bounds.getWidth() + 80.0f) * easeInOut (sweep);
    const float halfWidth = 22.0f;
    // The band leans against the bars so that it cuts across them.
    const juce::Point<float> across { 1.0f, 0.45f };
    const juce::Point<float> middle { centreX, bounds.getCentreY() };

    juce::ColourGradient band (juce::Colours::white.withAlpha (0.0f), middle - across * halfWidth,
                               juce::Colours::white.withAlpha (0.0f), middle + across * halfWidth, false);
    band.addColour (0.5, juce::Colours::white.withAlpha (0.55f * std::sin (sweep * juce::MathConstants<float>::pi)));

    juce::Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (mark());
    g.setGradientFill (band);
    g.fillRect (bounds.expanded (4.0f));
}

// Once the mark glows, the top of each bar and its leading edge catch the light.
void LogoArtwork::paintEdges (juce::Graphics& g, float frame)
{
    const float edge = easeInOut (progress (frame, edgeStart, edgeLength));
    if (edge <= 0.0f)
        return;

    for (int index = 0; index < 3; ++index)
    {
        const auto quad = bar (index);
        juce::Path lit;
        lit.startNewSubPath (quad[0]);
        lit.lineTo (quad[1]);
        lit.lineTo (quad[2]);

        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (path (quad));
        g.setGradientFill (juce::ColourGradient (juce::Colour (255, 190, 150).withAlpha (0.85f * edge), quad[1],
                                                 juce::Colour (255, 190, 150).withAlpha (0.0f), quad[0], false));
        g.strokePath (lit, juce::PathStrokeType (2.4f, juce::PathStrokeType::mitered));
    }
}

// The grey outlines are traced first and give way to the colour as the facets fill.
void LogoArtwork::paintOutlines (juce::Graphics& g, float frame)
{
    for (int index = 0; index < 3; ++index)
    {
        const float traced = easeInOut (progress (frame, traceStart + traceStagger * (float) index, traceLength));
        const float filled = (facetFill (2 * index, frame) + facetFill (2 * index + 1, frame)) / 2.0f;
        const float alpha = 1.0f - 0.85f * filled;
        if (traced > 0.0f && alpha > 0.0f)
            paintTrace (g, bar (index), traced, alpha);
    }
}

// The outline from the bar's top-left corner round to the given fraction of its length,
// with a small bright pen point at its end while it is being drawn.
void LogoArtwork::paintTrace (juce::Graphics& g, const Quad& quad, float traced, float alpha)
{
    float perimeter = 0.0f;
    for (size_t i = 0; i < quad.size(); ++i)
        perimeter += quad[i].getDistanceFrom (quad[(i + 1) % quad.size()]);

    float remaining = traced * perimeter;
    juce::Path line;
    line.startNewSubPath (quad[0]);
    auto tip = quad[0];
    for (size_t i = 0; i < quad.size() && remaining > 0.0f; ++i)
    {
        const auto from = quad[i];
        const auto to = quad[(i + 1) % quad.size()];
        const float length = from.getDistanceFrom (to);
        tip = between (from, to, juce::jmin (1.0f, remaining / length));
        line.lineTo (tip);
        remaining -= length;
    }
    if (traced >= 1.0f)
        line.closeSubPath();

    g.setColour (ArtworkPalette::graniteGray.withAlpha (alpha));
    g.strokePath (line, juce::PathStrokeType (1.6f, juce::PathStrokeType::mitered));

    if (traced < 1.0f)
    {
        const float radius = 7.0f;
        juce::ColourGradient pen (juce::Colours::white.withAlpha (0.9f * alpha), tip,
                                  juce::Colours::white.withAlpha (0.0f), tip.translated (radius, 0.0f), true);
        pen.addColour (0.3, ArtworkPalette::graniteGray.withAlpha (0.6f * alpha));
        g.setGradientFill (pen);
        g.fillEllipse (tip.x - radius, tip.y - radius, 2.0f * radius, 2.0f * radius);
    }
}

// Corners from the top left, clockwise: top left, top right, bottom right, bottom left.
LogoArtwork::Quad LogoArtwork::bar (int index)
{
    const float left = markLeft + (float) index * (barWidth + barGap);
    return { { { left + barLean, markTop },
               { left + barLean + barWidth, markTop },
               { left + barWidth, markBottom },
               { left, markBottom } } };
}

// Each bar splits along its length into a left and a right facet.
LogoArtwork::Quad LogoArtwork::facet (int index)
{
    const auto whole = bar (index / 2);
    const auto topMiddle = between (whole[0], whole[1], 0.5f);
    const auto bottomMiddle = between (whole[3], whole[2], 0.5f);
    if (index % 2 == 0)
        return { { whole[0], topMiddle, bottomMiddle, whole[3] } };
    return { { topMiddle, whole[1], whole[2], bottomMiddle } };
}

juce::Path LogoArtwork::path (const Quad& quad)
{
    juce::Path shape;
    shape.addQuadrilateral (quad[0].x, quad[0].y, quad[1].x, quad[1].y, quad[2].x, quad[2].y, quad[3].x, quad[3].y);
    return shape;
}

juce::Path LogoArtwork::mark()
{
    juce::Path shape;
    for (int index = 0; index < 3; ++index)
        shape.addPath (path (bar (index)));
    return shape;
}

float LogoArtwork::facetFill (int index, float frame)
{
    return easeOut (progress (frame, fillStart + fillStagger * (float) index, fillLength));
}
