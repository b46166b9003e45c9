#include <gtest/gtest.h>

#include <TavoriFontData.h>
#include <Tavori_animation/Tavori_animation.h>

#include <vector>

#include "tests/GuiTestSupport.h"

namespace
{
using Tavori::Animation::ScrollingString;
using Tavori::Animation::Strip;

// Frame i of a test strip is filled with this colour, so a painted pixel names its frame.
juce::Colour frameColour (int frame)
{
    return juce::Colour ((juce::uint8) (40 + 5 * frame), (juce::uint8) (250 - 6 * frame), (juce::uint8) (frame % 2 == 0 ? 30 : 200));
}

juce::Image filmStrip (int frames, int frameWidth, int frameHeight)
{
    juce::Image image (juce::Image::ARGB, frameWidth, juce::jmax (1, frames * frameHeight), true);
    for (int frame = 0; frame < frames; ++frame)
        image.clear ({ 0, frame * frameHeight, frameWidth, frameHeight }, frameColour (frame));
    return image;
}

// Records what a click would open instead of starting a browser.
class RecordingStrip : public Strip
{
public:
    using Strip::Strip;
    juce::StringArray launched;

protected:
    void launch (const juce::URL& address) override { launched.add (address.toString (false)); }
};

// The frame shown after each of the next ticks.
std::vector<int> framesOverTicks (Strip& strip, int ticks)
{
    std::vector<int> frames;
    for (int tick = 0; tick < ticks; ++tick)
    {
        strip.timerCallback();
        frames.push_back (strip.getCurrentFrame());
    }
    return frames;
}

void append (std::vector<int>& frames, int frame, int ticks)
{
    frames.insert (frames.end(), (size_t) ticks, frame);
}

void appendRun (std::vector<int>& frames, int from, int to)
{
    for (int frame = from; frame != to; frame += (to > from ? 1 : -1))
        frames.push_back (frame);
    frames.push_back (to);
}
} // namespace

// One whole loop of the 37-frame logo: up to the last frame at a frame a tick, 9 s at 24 Hz on
// it, back down to frame 1, and straight up again, twice over.
TEST (AnimationStrip, PlaysForwardHoldsAndPlaysBackEndlessly)
{
    Strip strip (filmStrip (37, 4, 4), 4);
    ASSERT_EQ (strip.getNumFrames(), 37);
    ASSERT_EQ (strip.getCurrentFrame(), 1);

    std::vector<int> loop;
    appendRun (loop, 2, 36);  // 35 ticks
    append (loop, 36, 215);   // on screen for 216 ticks with the one that reached it
    appendRun (loop, 35, 1);  // 35 ticks
    ASSERT_EQ (loop.size(), 35u + 215u + 35u);

    auto twice = loop;
    twice.insert (twice.end(), loop.begin(), loop.end());
    EXPECT_EQ (framesOverTicks (strip, (int) twice.size()), twice);
}

// Short strips never show frame 0 and never leave the frames they have.
TEST (AnimationStrip, ShortStripsStayWithinTheirFrames)
{
    struct Case
    {
        int frames;
        std::vector<int> loop;
    };
    // Into holding at once, and every hold ends where it started.
    const std::vector<int> twoFrames (1 + 216, 1);
    std::vector<int> threeFrames { 2 };
    append (threeFrames, 2, 215);
    threeFrames.push_back (1);

    for (const auto& c : { Case { 2, twoFrames }, Case { 3, threeFrames } })
    {
        SCOPED_TRACE (c.frames);
        Strip strip (filmStrip (c.frames, 4, 4), 4);
        auto expected = c.loop;
        expected.insert (expected.end(), c.loop.begin(), c.loop.end());
        EXPECT_EQ (framesOverTicks (strip, (int) expected.size()), expected);
    }
}

// The component shows exactly the current frame's rectangle, stretched to its bounds.
TEST (AnimationStrip, PaintsTheCurrentFrameScaledToItsBounds)
{
    struct Case
    {
        int width, height, ticks, frame;
    };
    for (const auto& c : { Case { 8, 8, 0, 1 }, Case { 8, 8, 5, 6 }, Case { 24, 24, 35, 36 }, Case { 4, 6, 251, 35 },
                           Case { 16, 8, 285, 1 } })
    {
        SCOPED_TRACE (juce::String (c.width) + " x " + juce::String (c.height) + " after " + juce::String (c.ticks));
        Strip strip (filmStrip (37, 8, 8), 8);
        strip.setSize (c.width, c.height);
        framesOverTicks (strip, c.ticks);
        ASSERT_EQ (strip.getCurrentFrame(), c.frame);

        const auto image = snapshot (strip);
        for (const auto& [x, y] : { std::pair { 1, 1 }, { c.width / 2, c.height / 2 }, { c.width - 2, c.height - 2 } })
            EXPECT_EQ (image.getPixelAt (x, y), frameColour (c.frame)) << "at " << x << ", " << y;
    }
}

// Frame 0 is never shown, so an image of one frame, an image too short for one, or a zero
// frame height draws nothing, and ticking it is safe.
TEST (AnimationStrip, StripWithoutPlayableFramesDrawsNothing)
{
    struct Case
    {
        int imageHeight, frameHeight;
    };
    for (const auto& c : { Case { 3, 4 }, Case { 8, 0 }, Case { 4, 4 } })
    {
        SCOPED_TRACE (juce::String (c.imageHeight) + " / " + juce::String (c.frameHeight));
        juce::Image image (juce::Image::ARGB, 4, c.imageHeight, true);
        image.clear (image.getBounds(), juce::Colours::white);
        Strip strip (image, c.frameHeight);
        strip.setSize (4, 4);
        for (int tick = 0; tick < 600; ++tick)
        {
            strip.timerCallback();
            ASSERT_EQ (snapshot (strip).getPixelAt (2, 2).getAlpha(), 0) << "tick " << tick;
        }
    }
}

TEST (AnimationStrip, ClickOpensTheAddressOnlyWhenThereIsOne)
{
    struct Case
    {
        const char* url;
        juce::StringArray launched;
    };
    for (const auto& c : { Case { "", {} }, Case { "https://tavori.example", { "https://tavori.example" } } })
    {
        SCOPED_TRACE (c.url);
        RecordingStrip strip (filmStrip (37, 4, 4), 4);
        strip.setSize (4, 4);
        strip.setURL (c.url);
        strip.mouseDown (mouseEventOn (strip, { 2.0f, 2.0f }));
        EXPECT_EQ (strip.launched, c.launched);
        EXPECT_EQ (strip.getCurrentFrame(), 1);
    }
}

// The embedded logo is a strip of 240-pixel frames that starts dark and ends lit.
TEST (AnimationStrip, EmbeddedLogoIsAFullStrip)
{
    const auto logo = juce::ImageFileFormat::loadFrom (Tavori::Animation::Logo::png, (size_t) Tavori::Animation::Logo::pngSize);
    ASSERT_TRUE (logo.isValid());
    EXPECT_EQ (logo.getWidth(), 240);
    EXPECT_EQ (logo.getHeight(), 8880);
    EXPECT_EQ (Strip (logo, Tavori::Animation::Logo::height).getNumFrames(), 37);

    const auto litPixels = [&logo] (int frame)
    {
        int lit = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 240; ++x)
                lit += logo.getPixelAt (x, frame * 240 + y).getRed() > 100 ? 1 : 0;
        return lit;
    };
    EXPECT_EQ (litPixels (1), 0);
    EXPECT_GT (litPixels (36), 240 * 240 / 20);
}

TEST (AnimationScrollingString, TotalHeightIsRoundedLineHeightTimesLines)
{
    struct Case
    {
        int lines;
        float scale;
        int totalHeight;
    };
    for (const auto& c : { Case { 10, 1.0f, 160 }, Case { 10, 1.5f, 240 }, Case { 3, 0.75f, 36 }, Case { 7, 1.3f, 146 },
                           Case { 0, 2.0f, 0 } })
    {
        SCOPED_TRACE (juce::String (c.lines) + " lines at " + juce::String (c.scale));
        juce::StringArray lines;
        for (int i = 0; i < c.lines; ++i)
            lines.add ("Line " + juce::String (i));
        ScrollingString scroller (lines);
        EXPECT_EQ (scroller.getTotalHeight(), 0);

        // A font set earlier does not keep its own height.
        scroller.setFont (juce::Font (40.0f));
        scroller.setScale (c.scale);
        EXPECT_EQ (scroller.getTotalHeight(), c.totalHeight);
    }
}

// The lines are the caller's array, not a copy taken at construction.
TEST (AnimationScrollingString, FollowsTheCallersLines)
{
    juce::StringArray lines { "one", "two" };
    ScrollingString scroller (lines);
    lines.addArray ({ "three", "four", "five" });
    scroller.setScale (1.0f);
    EXPECT_EQ (scroller.getTotalHeight(), 80);
}

// Up one pixel a tick until the whole block is above the top, then in again from the bottom.
TEST (AnimationScrollingString, ScrollsUpAndRestartsBelowTheBottom)
{
    juce::StringArray lines;
    for (int i = 0; i < 10; ++i)
        lines.add ("Line " + juce::String (i));
    ScrollingString scroller (lines);
    scroller.setSize (200, 50);
    scroller.setScale (1.0f);

    std::vector<int> expected;
    appendRun (expected, -1, -160);
    appendRun (expected, 50, -160);
    expected.push_back (50);

    std::vector<int> offsets;
    for (size_t tick = 0; tick < expected.size(); ++tick)
    {
        scroller.timerCallback();
        offsets.push_back (scroller.getOffset());
    }
    EXPECT_EQ (offsets, expected);
}

namespace
{
struct Ink
{
    juce::Range<int> rows;
    juce::Range<int> columns;
    juce::Colour strongest;
};

// Where text was drawn, and its most opaque pixel.
Ink inkIn (const juce::Image& image, int fromRow, int toRow)
{
    Ink ink;
    bool found = false;
    for (int y = fromRow; y < toRow; ++y)
    {
        for (int x = 0; x < image.getWidth(); ++x)
        {
            const auto colour = image.getPixelAt (x, y);
            if (colour.getAlpha() == 0)
                continue;
            if (! found)
            {
                ink = { { y, y + 1 }, { x, x + 1 }, colour };
                found = true;
            }
            ink.rows = ink.rows.getUnionWith ({ y, y + 1 });
            ink.columns = ink.columns.getUnionWith ({ x, x + 1 });
            if (colour.getAlpha() > ink.strongest.getAlpha())
                ink.strongest = colour;
        }
    }
    return ink;
}
} // namespace

// Each line centred in its own 16-pixel row from the offset down, in near-white; the whole
// drawing moves with the offset.
TEST (AnimationScrollingString, PaintsEachLineCentredInItsRowFromTheOffset)
{
    const auto face = juce::Typeface::createSystemTypefaceFor (TavoriFontData::OpenSansBold_ttf,
                                                               (size_t) TavoriFontData::OpenSansBold_ttfSize);
    const juce::StringArray lines { "MMM", "", "MMM" };
    ScrollingString scroller (lines);
    scroller.setSize (120, 80);
    scroller.setFont (juce::Font (face));
    scroller.setScale (1.0f);

    const auto image = snapshot (scroller);
    const auto first = inkIn (image, 0, 16);
    const auto gap = inkIn (image, 16, 32);
    const auto third = inkIn (image, 32, 48);
    EXPECT_TRUE (gap.rows.isEmpty());
    EXPECT_TRUE (inkIn (image, 48, 80).rows.isEmpty());
    ASSERT_FALSE (first.rows.isEmpty());
    EXPECT_EQ (third.rows, first.rows + 32);
    EXPECT_EQ (third.columns, first.columns);
    EXPECT_NEAR (first.columns.getStart() + first.columns.getEnd(), 120, 2);
    EXPECT_EQ (first.strongest, juce::Colours::white.darker (0.1f));

    // Seven ticks later everything is drawn seven rows higher.
    for (int tick = 0; tick < 7; ++tick)
        scroller.timerCallback();
    const auto later = snapshot (scroller);
    for (int y = 0; y < 80 - 7; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ (later.getPixelAt (x, y), image.getPixelAt (x, y + 7)) << "at " << x << ", " << y;
}
