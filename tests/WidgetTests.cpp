#include <gtest/gtest.h>

#include "tests/GuiTestSupport.h"
#include "widgets/Tavori4StateButton3PDTShadow.h"
#include "widgets/TavoriModDelaySyncVerticalSlider.h"
#include "widgets/TavoriVerticalSlider.h"

namespace
{
juce::Image solidImage (int width, int height, juce::Colour colour)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    image.clear (image.getBounds(), colour);
    return image;
}

// Collects the faders' gesture reports.
struct ReportCollector : juce::ActionListener
{
    void actionListenerCallback (const juce::String& message) override { reports.add (message); }
    juce::StringArray reports;
};

// Rows of the component where the handle was drawn.
juce::Range<int> paintedRows (juce::Component& component)
{
    const auto image = snapshot (component);
    int first = -1, last = -1;
    for (int y = 0; y < image.getHeight(); ++y)
        if (image.getPixelAt (0, y).getAlpha() > 0)
        {
            if (first < 0)
                first = y;
            last = y;
        }
    return first < 0 ? juce::Range<int>() : juce::Range<int> (first, last + 1);
}
} // namespace

TEST (VerticalSlider, DrawsOnlyTheHandleAtTheValueHeight)
{
    TavoriVerticalSlider fader ("fader");
    fader.setBounds (0, 0, 20, 200);
    fader.setValue (0.5);
    EXPECT_TRUE (paintedRows (fader).isEmpty()) << "no handle image, nothing drawn";

    fader.setHandleImage (solidImage (20, 48, juce::Colours::red));
    const struct { double value; int top; } cases[] = { { 0.0, 152 }, { 0.5, 76 }, { 1.0, 0 } };
    for (const auto& c : cases)
    {
        fader.setValue (c.value);
        EXPECT_EQ (paintedRows (fader), juce::Range<int> (c.top, c.top + 48)) << "value " << c.value;
    }
}

TEST (VerticalSlider, ReportsOnlyGesturesThatChangedTheValue)
{
    TavoriVerticalSlider fader ("mixKnob_");
    fader.setBounds (0, 0, 36, 197);
    fader.setDoubleClickReturnValue (true, 0.5);
    ReportCollector collector;
    fader.addActionListener (&collector);
    // Disabled, the fader ignores where the mouse is, so the test decides the value.
    fader.setEnabled (false);
    const auto at = mouseEventOn (fader, { 10.0f, 10.0f });

    fader.setValue (0.25);
    fader.mouseDown (at);
    fader.setValue (0.5);
    fader.mouseUp (at);
    fader.mouseDown (at);
    fader.mouseUp (at);
    fader.mouseDoubleClick (at);
    pumpMessages();

    ASSERT_EQ (collector.reports.size(), 1) << collector.reports.joinIntoString ("\n");
    EXPECT_EQ (collector.reports[0], "TavoriVerticalSlider paramName:mixKnob_ oldValue:0.25000 curValue:0.50000");

    fader.setValue (0.125);
    fader.mouseDown (at);
    fader.mouseDoubleClick (at);
    pumpMessages();
    ASSERT_EQ (collector.reports.size(), 2);
    EXPECT_EQ (collector.reports[1], "TavoriVerticalSlider paramName:mixKnob_ oldValue:0.12500 curValue:0.50000");
    fader.removeActionListener (&collector);
}

TEST (SyncSlider, StepsThroughNineteenDivisions)
{
    TavoriModDelaySyncVerticalSlider fader ("rateSyncKnob_");
    const struct { double value; const char* text; } cases[] = {
        { 0.0, "8/1" }, { 1.0 / 18.0, "4/1" }, { 3.0 / 18.0, "1/1" }, { 0.5, "1/4T" }, { 1.0, "1/32T" }, { -0.1, "" }, { 1.1, "" }
    };
    for (const auto& c : cases)
        EXPECT_EQ (fader.getTextFromValue (c.value), c.text) << "value " << c.value;

    fader.setValue (1.0);
    EXPECT_EQ (fader.getTextFromValue (fader.getValue()), "1/32T") << "the top position is the last division";
    fader.setValue (0.52);
    EXPECT_NEAR (fader.getValue(), 9.0 / 18.0, 1.0e-6) << "values snap to the 19 positions";
}

namespace
{
// A strip of four frames in four different colours, one per row band.
const juce::Colour frameColours[] = { juce::Colours::red, juce::Colours::green, juce::Colours::blue, juce::Colours::yellow };

juce::Image fourFrameStrip (int width, int frameHeight, int extraRows = 0)
{
    juce::Image strip (juce::Image::ARGB, width, frameHeight * 4 + extraRows, true);
    for (int i = 0; i < 4; ++i)
        strip.clear ({ 0, i * frameHeight, width, frameHeight }, frameColours[i]);
    if (extraRows > 0)
        strip.clear ({ 0, frameHeight * 4, width, extraRows }, juce::Colours::white);
    return strip;
}

struct PaintedSwitch : Tavori4StateButton3PDTShadow
{
    using Tavori4StateButton3PDTShadow::Tavori4StateButton3PDTShadow;
    juce::Colour paintedColour (bool isDown)
    {
        juce::Image image (juce::Image::ARGB, getWidth(), getHeight(), true);
        juce::Graphics g (image);
        paintButton (g, false, isDown);
        return image.getPixelAt (getWidth() / 2, getHeight() / 2);
    }
};
} // namespace

TEST (OnSwitch, FrameFollowsToggleStateAndPress)
{
    PaintedSwitch button ("onSwitch_");
    button.setBounds (0, 0, 40, 40);
    EXPECT_EQ (button.paintedColour (false), juce::Colour()) << "no image, nothing drawn";

    button.setImage (fourFrameStrip (20, 10, 3));
    EXPECT_EQ (button.getImageHeight(), 10) << "rows beyond four whole frames are dropped";
    const struct { bool on; bool down; int frame; } cases[] = {
        { false, false, 0 }, { false, true, 1 }, { true, false, 2 }, { true, true, 3 }
    };
    for (const auto& c : cases)
    {
        button.setToggleState (c.on, juce::dontSendNotification);
        EXPECT_EQ (button.paintedColour (c.down), frameColours[c.frame]) << "on " << c.on << " down " << c.down;
    }

    button.setEnabled (false);
    button.setToggleState (true, juce::dontSendNotification);
    const auto dimmed = button.paintedColour (false);
    EXPECT_NEAR (dimmed.getFloatAlpha(), 0.4f, 0.01f) << "disabled, still showing the on frame";
    EXPECT_EQ (dimmed.withAlpha (1.0f), frameColours[2]);
}

TEST (OnSwitch, TakesClicksOnlyInsideItsHitArea)
{
    Tavori4StateButton3PDTShadow button ("onSwitch_");
    button.setBounds (0, 0, 226, 246);
    button.setHitAreaRect (110, 178);
    EXPECT_TRUE (button.hitTest (0, 0));
    EXPECT_TRUE (button.hitTest (110, 178));
    EXPECT_FALSE (button.hitTest (111, 0));
    EXPECT_FALSE (button.hitTest (0, 179));

    EXPECT_TRUE (button.getClickingTogglesState());
    button.triggerClick();
    pumpMessages();
    EXPECT_TRUE (button.getToggleState()) << "a click flips the switch";
}
