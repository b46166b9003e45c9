#include <gtest/gtest.h>

#include "plugin/PluginEditor.h"
#include "tests/GuiTestSupport.h"
#include "tests/PanelTestSupport.h"

namespace
{
using Strip = LumikerWhirlaneAudioProcessorEditor::SettingsStrip;
using Toggle = Strip::Toggle;

enum ParameterIndex
{
    reverseOnIndex = 1,
    crossoverShiftOnIndex = 7,
    widthIndex = 11,
    stereoOnIndex = 12,
    syncOnIndex = 13
};

struct ToggleCase
{
    const char* text;
    std::unique_ptr<Toggle> Strip::*toggle;
    juce::AudioParameterBool* LumikerWhirlaneAudioProcessor::*parameter;
    int index;
};

const ToggleCase toggleCases[] = {
    { "SYNC", &Strip::syncToggle, &LumikerWhirlaneAudioProcessor::syncOn, syncOnIndex },
    { "STEREO", &Strip::stereoToggle, &LumikerWhirlaneAudioProcessor::stereoOn, stereoOnIndex },
    { "REVERSE", &Strip::reverseToggle, &LumikerWhirlaneAudioProcessor::reverseOn, reverseOnIndex },
    { "CROSSOVER SHIFT", &Strip::crossoverShiftToggle, &LumikerWhirlaneAudioProcessor::crossoverShiftOn, crossoverShiftOnIndex },
};

// Within two steps per channel: a rounded fill blends its edges a little.
bool isNear (juce::Colour actual, juce::Colour expected)
{
    const auto close = [] (juce::uint8 a, juce::uint8 b) { return std::abs ((int) a - (int) b) <= 2; };
    return close (actual.getAlpha(), expected.getAlpha()) && close (actual.getRed(), expected.getRed())
           && close (actual.getGreen(), expected.getGreen()) && close (actual.getBlue(), expected.getBlue());
}

class SettingsStripTest : public testing::Test
{
protected:
    void SetUp() override
    {
        PluginSettings::settingsFile().deleteFile();
        processor.prepareToPlay (48000.0, 512);
        processor.addListener (&host);
        openEditor();
    }

    void TearDown() override
    {
        editor.reset();
        processor.removeListener (&host);
    }

    // The tests run the editor's ticks themselves, so none lands while messages are pumped.
    void openEditor()
    {
        editor = std::make_unique<LumikerWhirlaneAudioProcessorEditor> (processor);
        editor->stopTimer();
    }

    void reopenEditor()
    {
        editor.reset();
        openEditor();
    }

    Strip& strip() { return *editor->settingsPanel; }
    juce::TextButton& button (const ToggleCase& c) { return *(strip().*c.toggle)->button; }
    juce::AudioParameterBool& parameter (const ToggleCase& c) { return *(processor.*c.parameter); }

    LumikerWhirlaneAudioProcessor processor;
    HostChangeCounter host;
    std::unique_ptr<LumikerWhirlaneAudioProcessorEditor> editor;
};
} // namespace

TEST_F (SettingsStripTest, SitsUnderTheBarAndScalesWithTheWindow)
{
    EXPECT_EQ (strip().getComponentID(), "FXSETTINGS");
    EXPECT_EQ (strip().getParentComponent(), editor.get());
    EXPECT_EQ (strip().getBounds(), juce::Rectangle<int> (0, 29, 530, 31));
    EXPECT_TRUE (strip().getTransform().isIdentity());

    editor->setSize (795, 975);
    EXPECT_EQ (strip().getBounds(), juce::Rectangle<int> (0, 29, 530, 31));
    EXPECT_EQ (strip().getTransform(), juce::AffineTransform::scale (1.5f));
    EXPECT_EQ (strip().getBoundsInParent(), juce::Rectangle<int> (0, 43, 795, 47));
}

TEST_F (SettingsStripTest, ControlsHaveTheirTextsAndFixedPlaces)
{
    const std::pair<juce::Component*, juce::Rectangle<int>> places[] = {
        { strip().syncToggle.get(), { 10, 2, 60, 30 } },
        { strip().crossoverShiftToggle.get(), { 70, 2, 120, 30 } },
        { strip().reverseToggle.get(), { 235, 2, 60, 30 } },
        { strip().widthLabel.get(), { 375, 5, 50, 20 } },
        { strip().widthKnob.get(), { 425, 1, 30, 30 } },
        { strip().stereoToggle.get(), { 460, 2, 60, 30 } },
    };
    for (const auto& [component, bounds] : places)
    {
        EXPECT_EQ (component->getBounds(), bounds);
        EXPECT_TRUE (component->isVisible());
    }

    EXPECT_EQ (strip().widthLabel->getText(), "WIDTH");
    for (const auto& c : toggleCases)
    {
        EXPECT_EQ (button (c).getButtonText(), c.text);
        EXPECT_EQ (button (c).getBounds(), (strip().*c.toggle)->getLocalBounds());
    }
}

TEST_F (SettingsStripTest, WidthBubbleShowsPercent)
{
    const std::pair<double, const char*> cases[] = { { 0.0, "0%" }, { 0.5, "50%" }, { 1.0, "100%" }, { 0.333, "33%" } };
    for (const auto& [value, text] : cases)
        EXPECT_EQ (strip().widthKnob->getTextFromValue (value), text) << value;

    auto& knob = *strip().widthKnob;
    knob.setValue (0.2, juce::dontSendNotification);
    knob.mouseDoubleClick (mouseEventOn (knob, { 15.0f, 15.0f }, {}, 2));
    EXPECT_DOUBLE_EQ (knob.getValue(), 0.5);
}

TEST_F (SettingsStripTest, TogglesWriteTheirParametersAndTellTheHost)
{
    for (const auto& c : toggleCases)
    {
        SCOPED_TRACE (c.text);
        for (bool expected : { true, false })
        {
            host.changes.clear();
            button (c).triggerClick();
            pumpMessages();
            EXPECT_EQ (parameter (c).get(), expected);
            EXPECT_EQ (button (c).getToggleState(), expected);
            EXPECT_EQ (host.changes, (std::map<int, int> { { c.index, 1 } }));
        }
    }
}

TEST_F (SettingsStripTest, WidthKnobWritesWidthAndTellsTheHost)
{
    strip().widthKnob->setValue (0.25, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ (processor.width->get(), 0.25f);
    EXPECT_EQ (host.changes, (std::map<int, int> { { widthIndex, 1 } }));
}

TEST_F (SettingsStripTest, HostChangesReachTheStripOnTheNextTickWithoutWritingBack)
{
    for (const auto& c : toggleCases)
        parameter (c).setValueNotifyingHost (1.0f);
    processor.width->setValueNotifyingHost (0.8f);
    host.changes.clear();

    for (const auto& c : toggleCases)
        EXPECT_FALSE (button (c).getToggleState()) << c.text;

    editor->timerCallback();

    for (const auto& c : toggleCases)
        EXPECT_TRUE (button (c).getToggleState()) << c.text;
    EXPECT_DOUBLE_EQ (strip().widthKnob->getValue(), 0.8);
    EXPECT_TRUE (host.changes.empty());
}

TEST_F (SettingsStripTest, OpensWithTheControlsAtTheirParameters)
{
    processor.stereoOn->setValueNotifyingHost (1.0f);
    processor.width->setValueNotifyingHost (0.3f);
    reopenEditor();
    EXPECT_TRUE (strip().stereoToggle->button->getToggleState());
    EXPECT_FALSE (strip().syncToggle->button->getToggleState());
    EXPECT_DOUBLE_EQ (strip().widthKnob->getValue(), 0.3);
}

TEST_F (SettingsStripTest, VisibilityFollowsViewStateAcrossReopen)
{
    EXPECT_FALSE (processor.viewState);
    EXPECT_FALSE (strip().isVisible());

    for (bool expected : { true, false })
    {
        editor->toggleSettingsStrip();
        EXPECT_EQ (processor.viewState, expected);
        EXPECT_EQ (strip().isVisible(), expected);
        reopenEditor();
        EXPECT_EQ (strip().isVisible(), expected);
    }
}

TEST_F (SettingsStripTest, SyncOnSwapsTheRateFaderOnTheNextTick)
{
    strip().syncToggle->button->triggerClick();
    pumpMessages();
    ASSERT_TRUE (processor.syncOn->get());
    EXPECT_TRUE (editor->rateKnob_->isVisible());

    editor->timerCallback();
    EXPECT_FALSE (editor->rateKnob_->isVisible());
    EXPECT_TRUE (editor->rateSyncKnob_->isVisible());
}

// Half-transparent black between the controls, so the artwork shows through darkened.
TEST_F (SettingsStripTest, PaintsHalfTransparentBlack)
{
    const auto image = snapshot (strip());
    for (const juce::Point<int> spot : { juce::Point<int> { 212, 15 }, { 2, 2 }, { 527, 29 } })
    {
        const auto pixel = image.getPixelAt (spot.x, spot.y);
        EXPECT_NEAR (pixel.getFloatAlpha(), 0.5f, 0.01f) << spot.toString();
        EXPECT_EQ (pixel.getRed() + pixel.getGreen() + pixel.getBlue(), 0) << spot.toString();
    }
}

// A 60 x 30 toggle: text in the band from y 8 to 20, a 58 x 2 underline at y 20.
TEST (SettingsToggle, UnderlineAndTextBands)
{
    LumikerWhirlaneAudioProcessor processor;
    Toggle toggle (processor);
    toggle.setSize (60, 30);
    toggle.button->setButtonText ("SYNC");

    for (bool on : { true, false })
    {
        SCOPED_TRACE (on);
        toggle.button->setToggleState (on, juce::dontSendNotification);
        const auto image = snapshot (toggle);
        const auto underline = on ? Tavori::Colours::fuego : Tavori::Colours::graniteGray.darker (1.0f);

        for (int y : { 20, 21 })
            for (int x = 1; x < 59; ++x)
                ASSERT_TRUE (isNear (image.getPixelAt (x, y), underline)) << x << "," << y;
        EXPECT_EQ (image.getPixelAt (0, 20).getAlpha(), 0);
        EXPECT_EQ (image.getPixelAt (59, 21).getAlpha(), 0);

        EXPECT_TRUE (inkOnlyWithin (image, { 0, 8, 60, 14 }));
        EXPECT_EQ (strongestPixel (image, { 0, 8, 60, 12 }), Tavori::Colours::graniteGray);
    }
}

TEST (SettingsToggle, TextBrightensUnderTheMouseAndDimsWhilePressed)
{
    const auto grey = Tavori::Colours::graniteGray;
    const std::tuple<bool, bool, juce::Colour> cases[] = {
        { false, false, grey }, { true, false, juce::Colours::white }, { true, true, grey.darker (0.5f) }
    };

    LumikerWhirlaneAudioProcessor processor;
    Toggle toggle (processor);
    toggle.setSize (60, 30);
    toggle.button->setButtonText ("SYNC");
    for (const auto& [hover, down, expected] : cases)
    {
        juce::Image image (juce::Image::ARGB, 60, 30, true);
        juce::Graphics g (image);
        toggle.lookAndFeel.drawButtonText (g, *toggle.button, hover, down);
        EXPECT_EQ (strongestPixel (image, { 0, 8, 60, 12 }), expected) << hover << down;
    }
}
