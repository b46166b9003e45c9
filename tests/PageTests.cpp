#include <gtest/gtest.h>

#include "plugin/PluginEditor.h"
#include "tests/GuiTestSupport.h"
#include "tests/PanelTestSupport.h"

namespace
{
using Page = Tavori::Page<LumikerWhirlaneAudioProcessor>;
constexpr int numParameters = 14;

class PageTest : public testing::Test
{
protected:
    ProgramSlot& program() { return processor.activeProgram(); }

    // Channel A holds 0.01, 0.02 ..., channel B 0.5, 0.51 ...: every entry differs.
    void fillChannels()
    {
        for (size_t k = 0; k < numParameters; ++k)
        {
            program().values[0][k] = 0.01f * (float) (k + 1);
            program().values[1][k] = 0.5f + 0.01f * (float) k;
        }
        program().presetPath[0] = "Alpha.lwhlp";
        program().presetPath[1] = "Beta.lwhlp";
    }

    std::unique_ptr<Page> openPage (int liveChannel, int width = 127)
    {
        program().activeChannel = liveChannel;
        auto page = std::make_unique<Page> (processor);
        page->setSize (width, 30);
        return page;
    }

    std::vector<float> channelValues (int channel)
    {
        std::vector<float> values;
        for (const auto& value : program().values[(size_t) channel])
            values.push_back (value.load());
        return values;
    }

    std::vector<float> hostValues()
    {
        std::vector<float> values;
        for (auto* parameter : processor.getParameters())
            values.push_back (parameter->getValue());
        return values;
    }

    LumikerWhirlaneAudioProcessor processor;
};
} // namespace

TEST_F (PageTest, OpensWithTheLiveChannelOn)
{
    for (int live : { 0, 1 })
    {
        SCOPED_TRACE (live);
        const auto page = openPage (live);
        EXPECT_EQ (page->buttons[0]->getButtonText(), "A");
        EXPECT_EQ (page->buttons[1]->getButtonText(), "B");
        EXPECT_EQ (page->buttons[0]->getToggleState(), live == 0);
        EXPECT_EQ (page->buttons[1]->getToggleState(), live == 1);
        EXPECT_FALSE (page->copyButton->getToggleState());
    }
}

TEST_F (PageTest, ButtonsAreOneRadioGroup)
{
    const auto page = openPage (0);
    page->buttons[1]->setToggleState (true, juce::sendNotificationSync);
    EXPECT_FALSE (page->buttons[0]->getToggleState());

    // The on button stays on when clicked again.
    page->buttons[1]->triggerClick();
    pumpMessages();
    EXPECT_TRUE (page->buttons[1]->getToggleState());
}

TEST_F (PageTest, ChildrenTakeTheirSlotsFromTheLeft)
{
    struct Case
    {
        int pageWidth;
        juce::Rectangle<int> a, copy, b;
    };
    const Case cases[] = {
        { 127, { 0, 0, 30, 30 }, { 30, 0, 12, 30 }, { 42, 0, 30, 30 } },
        { 50, { 0, 0, 30, 30 }, { 30, 0, 12, 30 }, { 42, 0, 8, 30 } },
        { 20, { 0, 0, 20, 30 }, { 20, 0, 0, 30 }, { 20, 0, 0, 30 } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.pageWidth);
        const auto page = openPage (0, c.pageWidth);
        EXPECT_EQ (page->buttons[0]->getBounds(), c.a);
        EXPECT_EQ (page->copyButton->getBounds(), c.copy);
        EXPECT_EQ (page->buttons[1]->getBounds(), c.b);
    }
}

TEST_F (PageTest, CopyPutsTheLiveSetOverTheOtherInTheTableOnly)
{
    for (int live : { 0, 1 })
    {
        SCOPED_TRACE (live);
        fillChannels();
        const auto page = openPage (live);
        const auto liveValues = channelValues (live);
        const auto hostBefore = hostValues();
        processor.parametersChanged = false;
        processor.needsCompare = false;
        processor.programChanged = false;
        HostChangeCounter host;
        processor.addListener (&host);

        page->copyButton->triggerClick();
        pumpMessages();
        processor.removeListener (&host);

        EXPECT_EQ (channelValues (1 - live), liveValues);
        EXPECT_EQ (channelValues (live), liveValues);
        EXPECT_EQ (program().activeChannel.load(), live);
        EXPECT_EQ (program().presetPath[0], "Alpha.lwhlp");
        EXPECT_EQ (program().presetPath[1], "Beta.lwhlp");
        EXPECT_EQ (hostValues(), hostBefore);
        EXPECT_TRUE (host.changes.empty());
        EXPECT_FALSE (processor.parametersChanged.load() || processor.needsCompare.load() || processor.programChanged.load());
    }
}

TEST_F (PageTest, CopyDoesNothingWhileNeitherButtonIsOn)
{
    fillChannels();
    const auto page = openPage (0);
    const auto channelB = channelValues (1);
    page->buttons[0]->setToggleState (false, juce::dontSendNotification);

    page->copyButton->triggerClick();
    pumpMessages();

    EXPECT_EQ (channelValues (1), channelB);
}

// The arrow's upper half sits at its tail: on the left when it points right.
TEST_F (PageTest, CopyArrowPointsFromTheLiveChannel)
{
    const auto page = openPage (0);
    const auto slot = page->copyButton->getBounds();
    const auto inkAbove = [&] (int fromX, int toX)
    {
        const auto image = snapshot (*page);
        double ink = 0.0;
        for (int y = 0; y < slot.getCentreY() - 2; ++y)
            for (int x = fromX; x < toX; ++x)
                ink += image.getPixelAt (x, y).getFloatAlpha();
        return ink;
    };

    for (bool bIsLive : { false, true, false })
    {
        SCOPED_TRACE (bIsLive);
        page->copyButton->setToggleState (bIsLive, juce::dontSendNotification);
        const auto left = inkAbove (slot.getX(), slot.getCentreX());
        const auto right = inkAbove (slot.getCentreX(), slot.getRight());
        EXPECT_GT (left + right, 1.0);
        EXPECT_EQ (left > right, ! bIsLive);
    }
}

TEST_F (PageTest, ButtonTextColourShowsStateAndHover)
{
    const auto grey = Tavori::Colours::graniteGray;
    struct Case
    {
        bool on, hover;
        juce::Colour expected;
    };
    const Case cases[] = {
        { false, false, grey.darker (0.5f) },
        { true, false, juce::Colours::white },
        { false, true, grey },
        { true, true, grey },
    };

    const auto page = openPage (0);
    auto& button = *page->buttons[0];
    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (int (c.on)) + "/" + juce::String (int (c.hover)));
        button.setToggleState (c.on, juce::dontSendNotification);
        juce::Image image (juce::Image::ARGB, 30, 30, true);
        juce::Graphics g (image);
        page->lookAndFeel.drawButtonText (g, button, c.hover, false);
        EXPECT_EQ (strongestPixel (image, image.getBounds()), c.expected);
    }
}
