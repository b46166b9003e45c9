#include <gtest/gtest.h>

#include "plugin/PluginEditor.h"
#include "tests/GuiTestSupport.h"
#include "tests/PresetFolder.h"

// Not a check: with WHIRLANE_TOPBAR_PREVIEW=<folder> set, draws the editor with its top bar,
// then with the hamburger menu open and with the preset list open, for a human to look at.
namespace
{
juce::Component* openMenu()
{
    for (int round = 0; round < 50; ++round)
    {
        if (auto* modal = juce::Component::getCurrentlyModalComponent())
            return modal;
        pumpMessages (10);
    }
    return nullptr;
}

// The editor with whatever menu window is open drawn where it lies on the screen.
juce::Image composite (juce::Component& editor, juce::Component* menu, juce::Component* subMenu = nullptr)
{
    auto image = snapshot (editor);
    juce::Graphics g (image);
    for (auto* window : { menu, subMenu })
    {
        if (window == nullptr)
            continue;
        const auto at = window->getScreenPosition() - editor.getScreenPosition();
        g.drawImageAt (snapshot (*window), at.x, at.y);
    }
    return image;
}

void save (const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat().writeImageToStream (image, out);
}

TEST (TopBarPreview, DrawsTheBarAndItsMenus)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable ("WHIRLANE_TOPBAR_PREVIEW", {});
    if (folder.isEmpty())
        GTEST_SKIP() << "set WHIRLANE_TOPBAR_PREVIEW to a folder";
    const juce::File out (folder);
    out.createDirectory();

    PresetFolder::reset();
    LumikerWhirlaneAudioProcessor processor;
    for (auto* name : { "Bass/Deep Drum", "Bass/Slow Horn", "Black Hole", "Chorale", "Fast Spin", "Init", "Preset 9", "Preset 10" })
        PresetFolder::write (processor, juce::String (name) + ".lwhlp", 0.5f);
    PresetFolder::setLivePath (processor, "Black Hole.lwhlp");
    processor.depth->setValueNotifyingHost (0.75f);

    auto editor = std::make_unique<LumikerWhirlaneAudioProcessorEditor> (processor);
    editor->setTopLeftPosition (0, 0);
    editor->addToDesktop (0);
    editor->setVisible (true);
    pumpMessages (100);
    save (snapshot (*editor), out.getChildFile ("topbar-editor.png"));

    auto& top = *editor->topPanel;
    top.presetMenu->buildMenu();
    auto* menu = openMenu();
    save (composite (*editor, menu), out.getChildFile ("topbar-menu.png"));
    if (menu != nullptr)
        menu->exitModalState (0);
    pumpMessages (50);

    top.presetList->comboBox->showPopup();
    auto* list = openMenu();
    save (composite (*editor, list), out.getChildFile ("topbar-list.png"));
    if (list != nullptr)
        list->exitModalState (0);
    pumpMessages (50);

    editor.reset();
    pumpMessages (50);
    PresetFolder::root().deleteRecursively();
}
} // namespace
