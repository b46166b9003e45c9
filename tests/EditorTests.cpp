#include <gtest/gtest.h>

#include "plugin/PluginEditor.h"
#include "tests/GuiTestSupport.h"

namespace
{
// Counts what the processor tells the host, per parameter index.
struct HostNotifications : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
    {
        ++changes[index];
        lastValue[index] = value;
    }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
    int total() const
    {
        int sum = 0;
        for (const auto& entry : changes)
            sum += entry.second;
        return sum;
    }
    std::map<int, int> changes;
    std::map<int, float> lastValue;
};

enum ParameterIndex
{
    onBypassIndex = 0,
    rateIndex = 2,
    rateSyncIndex = 3,
    depthIndex = 4,
    mixIndex = 9,
    syncOnIndex = 13
};

class EditorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        PluginSettings::settingsFile().deleteFile();
        processor.prepareToPlay (48000.0, 512);
        processor.addListener (&host);
        editor = std::make_unique<LumikerWhirlaneAudioProcessorEditor> (processor);
    }

    void TearDown() override
    {
        editor.reset();
        processor.removeListener (&host);
    }

    void reopenEditor()
    {
        editor.reset();
        editor = std::make_unique<LumikerWhirlaneAudioProcessorEditor> (processor);
    }

    std::vector<TavoriVerticalSlider*> freeFaders() const
    {
        return { editor->rateKnob_.get(), editor->depthKnob_.get(), editor->distanceKnob_.get(),
                 editor->intensityKnob_.get(), editor->crossoverFreqKnob_.get(), editor->mixKnob_.get(),
                 editor->levelKnob_.get() };
    }

    LumikerWhirlaneAudioProcessor processor;
    HostNotifications host;
    std::unique_ptr<LumikerWhirlaneAudioProcessorEditor> editor;
};
} // namespace

TEST_F (EditorTest, OpensAtBaseSizeWithControlsOnTheArtwork)
{
    EXPECT_EQ (editor->getWidth(), 530);
    EXPECT_EQ (editor->getHeight(), 650);
    EXPECT_EQ (editor->effectContainer_->getBounds(), juce::Rectangle<int> (0, 0, 1060, 1300));
    EXPECT_EQ (editor->onSwitch_->getBounds(), juce::Rectangle<int> (476, 944, 226, 246));
    EXPECT_EQ (editor->levelKnob_->getBounds(), juce::Rectangle<int> (755, 270, 72, 394));
    EXPECT_EQ (editor->rateSyncKnob_->getBounds(), editor->rateKnob_->getBounds());
    EXPECT_TRUE (editor->onSwitch_->getToggleState()) << "the effect starts on";
    EXPECT_NEAR (editor->depthKnob_->getValue(), 0.7933, 1.0e-5);
    EXPECT_TRUE (editor->rateKnob_->isVisible());
    EXPECT_FALSE (editor->rateSyncKnob_->isVisible());
    EXPECT_EQ (host.total(), 0) << "opening the editor writes nothing";
}

TEST_F (EditorTest, BubbleTextsAtTheDefaults)
{
    const auto text = [] (juce::Slider& s) { return s.getTextFromValue (s.getValue()); };
    EXPECT_EQ (text (*editor->rateKnob_), "6.73Hz");
    EXPECT_EQ (text (*editor->crossoverFreqKnob_), "379Hz");
    EXPECT_EQ (text (*editor->mixKnob_), "Dry: 42%, Wet: 58%");
    EXPECT_EQ (text (*editor->depthKnob_), "7.93");
    EXPECT_EQ (text (*editor->levelKnob_), "7.62");
    EXPECT_EQ (text (*editor->rateSyncKnob_), "1/1");
}

TEST_F (EditorTest, DraggingAFaderWritesItsParameterAndTellsTheHost)
{
    auto& fader = *editor->depthKnob_;
    const auto centreX = (float) fader.getWidth() / 2.0f;
    fader.mouseDown (mouseEventOn (fader, { centreX, (float) fader.getHeight() - 1.0f }));
    fader.mouseDrag (mouseEventOn (fader, { centreX, 0.0f }));
    fader.mouseUp (mouseEventOn (fader, { centreX, 0.0f }));

    EXPECT_NEAR (processor.depth->get(), 1.0f, 1.0e-5f) << "dragged to the top";
    EXPECT_GT (host.changes[depthIndex], 0);
    EXPECT_NEAR (host.lastValue[depthIndex], 1.0f, 1.0e-5f);
    EXPECT_EQ (host.total(), host.changes[depthIndex]) << "only depth was written";
}

TEST_F (EditorTest, SwitchClickTogglesOnBypassAndTellsTheHost)
{
    editor->onSwitch_->triggerClick();
    pumpMessages();
    EXPECT_FALSE (processor.onBypass->get());
    EXPECT_EQ (host.changes[onBypassIndex], 1);
    EXPECT_EQ (host.lastValue[onBypassIndex], 0.0f);
}

TEST_F (EditorTest, HostAutomationReachesControlsOnTheNextTickWithoutWritingBack)
{
    processor.depth->setValueNotifyingHost (0.25f);
    processor.onBypass->setValueNotifyingHost (0.0f);
    processor.mix->setValueNotifyingHost (0.9f);
    const auto written = host.total();
    EXPECT_NEAR (editor->depthKnob_->getValue(), 0.7933, 1.0e-5) << "not before the tick";

    editor->timerCallback();
    EXPECT_NEAR (editor->depthKnob_->getValue(), 0.25, 1.0e-5);
    EXPECT_NEAR (editor->mixKnob_->getValue(), 0.9, 1.0e-5);
    EXPECT_FALSE (editor->onSwitch_->getToggleState());
    EXPECT_EQ (host.total(), written) << "refreshing a control must not write its parameter again";
    EXPECT_FALSE (processor.parametersChanged);
}

TEST_F (EditorTest, SyncOnSwapsTheRateFaderForTheSyncedOne)
{
    processor.rateSync->setValueNotifyingHost (processor.rateSync->convertTo0to1 (9.0f));
    processor.syncOn->setValueNotifyingHost (1.0f);
    editor->timerCallback();
    EXPECT_FALSE (editor->rateKnob_->isVisible());
    EXPECT_TRUE (editor->rateSyncKnob_->isVisible());
    EXPECT_NEAR (editor->rateSyncKnob_->getValue(), 9.0 / 18.0, 1.0e-6);
    EXPECT_EQ (editor->rateSyncKnob_->getTextFromValue (editor->rateSyncKnob_->getValue()), "1/4T");

    processor.syncOn->setValueNotifyingHost (0.0f);
    editor->timerCallback();
    EXPECT_TRUE (editor->rateKnob_->isVisible());
    EXPECT_FALSE (editor->rateSyncKnob_->isVisible());

    // The synced fader writes the division index.
    editor->rateSyncKnob_->setValue (17.0 / 18.0, juce::sendNotificationSync);
    EXPECT_EQ (processor.rateSync->getIndex(), 17);
}

TEST_F (EditorTest, DoubleClickAndAltClickReturnFadersToTheirDefaults)
{
    for (auto* fader : freeFaders())
    {
        fader->setValue (0.1, juce::sendNotificationSync);
        fader->mouseDoubleClick (mouseEventOn (*fader, { 10.0f, 10.0f }, {}, 2));
        EXPECT_DOUBLE_EQ (fader->getValue(), 0.5) << fader->getName();
    }
    EXPECT_FLOAT_EQ (processor.rate->get(), 0.5f);
    EXPECT_FLOAT_EQ (processor.mix->get(), 0.5f);

    auto& synced = *editor->rateSyncKnob_;
    synced.setValue (1.0, juce::sendNotificationSync);
    synced.mouseDoubleClick (mouseEventOn (synced, { 10.0f, 10.0f }, {}, 2));
    EXPECT_EQ (processor.rateSync->getIndex(), 3);

    auto& level = *editor->levelKnob_;
    level.setValue (0.9, juce::sendNotificationSync);
    const auto alt = mouseEventOn (level, { 10.0f, 10.0f }, juce::ModifierKeys::altModifier);
    level.mouseDown (alt);
    level.mouseUp (alt);
    EXPECT_FLOAT_EQ (processor.level->get(), 0.5f) << "alt-click resets too";
}

TEST_F (EditorTest, ScaleIsKeptInTheProcessorAndReopensAtTheSameSize)
{
    editor->setSize (795, 975);
    EXPECT_FLOAT_EQ (processor.uiScale, 1.5f);
    EXPECT_EQ (editor->effectContainer_->getTransform(), juce::AffineTransform::scale (0.75f));

    reopenEditor();
    EXPECT_EQ (editor->getWidth(), 795);
    EXPECT_EQ (editor->getHeight(), 975);
}

TEST_F (EditorTest, SizeRequestsStayWithinTheLimitsAtTheFixedRatio)
{
    const struct { int width, height, expectedWidth, expectedHeight; } cases[] = {
        { 2000, 2000, 1060, 1300 }, { 100, 100, 375, 460 }, { 1060, 1300, 1060, 1300 }
    };
    for (const auto& c : cases)
    {
        editor->setBoundsConstrained ({ 0, 0, c.width, c.height });
        EXPECT_EQ (editor->getWidth(), c.expectedWidth) << c.width << " x " << c.height;
        EXPECT_EQ (editor->getHeight(), c.expectedHeight) << c.width << " x " << c.height;
    }
    EXPECT_DOUBLE_EQ (editor->getConstrainer()->getFixedAspectRatio(), 0.8153846263885498);
}

TEST_F (EditorTest, InitialSizeComesFromScaleOrTheSettingsFile)
{
    // The open editor would write its own settings when it closes.
    editor.reset();
    PluginSettings stored;
    stored.defaultWidth = 375;
    stored.defaultHeight = 460;
    stored.write();

    processor.uiScale = 0.0f; // a state whose scale element had no value
    reopenEditor();
    EXPECT_EQ (editor->getWidth(), 375);
    EXPECT_EQ (editor->getHeight(), 460);

    processor.uiScale = 1.5f; // asks for 562 x 690, which the ratio brings to 562 x 689
    reopenEditor();
    EXPECT_EQ (editor->getWidth(), 562);
    EXPECT_NEAR (editor->getHeight(), 689, 1);

    processor.uiScale = 2.0f;
    editor.reset();
    stored.defaultWidth = 1060;
    stored.defaultHeight = 1300;
    stored.write();
    reopenEditor();
    EXPECT_EQ (editor->getWidth(), 1060) << "larger than the limits";
    EXPECT_EQ (editor->getHeight(), 1300);
}

TEST_F (EditorTest, ClosingWritesTheSettingsFile)
{
    editor.reset();
    PluginSettings stored;
    ASSERT_TRUE (PluginSettings::settingsFile().existsAsFile());
    stored.read();
    EXPECT_EQ (stored.defaultWidth, 530);
    EXPECT_EQ (stored.defaultHeight, 650);
}

TEST_F (EditorTest, ResizingClosesAnOpenMenu)
{
    editor->addToDesktop (0);
    editor->setVisible (true);
    juce::PopupMenu menu;
    menu.addItem (1, "Item");
    int result = -1;
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (editor.get()), [&result] (int r) { result = r; });
    // Checked at once: a bare virtual display has no focus to keep the menu open for long.
    ASSERT_NE (juce::Component::getCurrentlyModalComponent(), nullptr);

    editor->setSize (750, 919);
    EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
    pumpMessages();
    EXPECT_EQ (result, 0);
    editor->removeFromDesktop();
}

TEST_F (EditorTest, InstallsItsLookAndFeelAsDefaultOnlyWhileOpen)
{
    EXPECT_EQ (&juce::LookAndFeel::getDefaultLookAndFeel(), &editor->lnfTopPopup);
    EXPECT_EQ (&editor->depthKnob_->getLookAndFeel(), &editor->popupDisplayFont2xLaf);
    EXPECT_EQ (editor->depthKnob_->getLookAndFeel().getSliderPopupPlacement (*editor->depthKnob_), juce::BubbleComponent::above);
    editor.reset();
    EXPECT_NE (dynamic_cast<juce::LookAndFeel_V4*> (&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
    EXPECT_EQ (dynamic_cast<Tavori::LookAndFeel*> (&juce::LookAndFeel::getDefaultLookAndFeel()), nullptr);
}
