// Not a check: with WHIRLANE_PANEL_PREVIEW=<file.png> set, draws the settings strip over the
// artwork of a double-size editor and the A/B page on the bar's black, for looking at.
#include <gtest/gtest.h>

#include "plugin/PluginEditor.h"

namespace
{
juce::Image editorTop (LumikerWhirlaneAudioProcessorEditor& editor, int height)
{
    juce::Image image (juce::Image::ARGB, editor.getWidth(), height, true);
    juce::Graphics g (image);
    editor.paintEntireComponent (g, true);
    return image;
}

juce::Image pageOnTheBar (LumikerWhirlaneAudioProcessor& processor, float scale)
{
    Tavori::Page<LumikerWhirlaneAudioProcessor> page (processor);
    page.setSize (127, 30);
    page.copyButton->setToggleState (true, juce::dontSendNotification);

    juce::Image image (juce::Image::ARGB, juce::roundToInt (127 * scale), juce::roundToInt (30 * scale), true);
    juce::Graphics g (image);
    g.fillAll (Tavori::Colours::panel);
    g.addTransform (juce::AffineTransform::scale (scale));
    page.paintEntireComponent (g, true);
    return image;
}
} // namespace

TEST (PanelPreview, WritesTheSheetWhenAsked)
{
    const auto target = juce::SystemStats::getEnvironmentVariable ("WHIRLANE_PANEL_PREVIEW", {});
    if (target.isEmpty())
        GTEST_SKIP() << "set WHIRLANE_PANEL_PREVIEW to a PNG path to draw the sheet";

    LumikerWhirlaneAudioProcessor processor;
    processor.viewState = true;
    processor.syncOn->setValueNotifyingHost (1.0f);
    processor.stereoOn->setValueNotifyingHost (1.0f);
    processor.width->setValueNotifyingHost (0.7f);
    processor.activeProgram().activeChannel = 1;

    LumikerWhirlaneAudioProcessorEditor editor (processor);
    editor.setSize (1060, 1300);
    const auto top = editorTop (editor, 200);
    const auto page = pageOnTheBar (processor, 3.0f);

    juce::Image sheet (juce::Image::ARGB, top.getWidth(), top.getHeight() + page.getHeight() + 20, true);
    {
        juce::Graphics g (sheet);
        g.fillAll (juce::Colour (0xff202020));
        g.drawImageAt (top, 0, 0);
        g.drawImageAt (page, 10, top.getHeight() + 10);
    }

    const juce::File file (target);
    file.deleteFile();
    juce::FileOutputStream out (file);
    ASSERT_TRUE (out.openedOk());
    ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (sheet, out));
}
