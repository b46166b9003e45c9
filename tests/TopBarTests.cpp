#include <gtest/gtest.h>

#include <map>

#include "plugin/PluginEditor.h"
#include "tests/GuiTestSupport.h"
#include "tests/PresetFolder.h"

namespace
{
using PresetFolder::root;

juce::AlertWindow* modalAlert()
{
    return dynamic_cast<juce::AlertWindow*> (juce::ModalComponentManager::getInstance()->getModalComponent (0));
}

template <typename Condition>
bool pumpUntil (Condition done)
{
    for (int round = 0; round < 100 && ! done(); ++round)
        pumpMessages (10);
    return done();
}

// Presses the alert's button with this text, as the user would.
void answerAlert (const juce::String& buttonText)
{
    ASSERT_TRUE (pumpUntil ([] { return modalAlert() != nullptr; }));
    for (auto* child : modalAlert()->getChildren())
        if (auto* button = dynamic_cast<juce::TextButton*> (child); button != nullptr && button->getButtonText() == buttonText)
            button->triggerClick();
    ASSERT_TRUE (pumpUntil ([] { return modalAlert() == nullptr; }));
}

float storedDepth (const juce::File& preset)
{
    const auto document = juce::parseXML (preset);
    if (document == nullptr)
        return -1.0f;
    for (auto* value : document->getChildByName ("Properties")->getChildIterator())
        if (value->getStringAttribute ("property") == "depth")
            return value->getAllSubText().getFloatValue();
    return -1.0f;
}

// Every value the host was told about, by parameter index.
struct HostRecorder : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override { told[index].push_back (value); }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

    std::map<int, std::vector<float>> told;
};

class TopBarTest : public testing::Test
{
protected:
    using Editor = LumikerWhirlaneAudioProcessorEditor;
    using Top = Tavori::Lumiker::Panel::Top<LumikerWhirlaneAudioProcessor, Editor>;

    void SetUp() override
    {
        ASSERT_TRUE (PresetFolder::reset());
        PluginSettings::settingsFile().deleteFile();
        PresetFolder::setLivePath (processor, "a.lwhlp");
    }

    void TearDown() override
    {
        editor.reset();
        pumpMessages (50); // windows dismissed with the editor are deleted asynchronously
        root().deleteRecursively();
        manualFolder().deleteRecursively();
    }

    // The editor is opened after the files it should list are written.
    Top& open()
    {
        editor.reset();
        editor = std::make_unique<Editor> (processor);
        auto& menu = *editor->topPanel->presetMenu;
        menu.openFile = [this] (const juce::File& file) { opened.add (file.getFullPathName()); };
        menu.openUrl = [this] (const juce::URL& url) { opened.add (url.toString (false)); };
        menu.manualFile = manualFolder().getChildFile ("LumikerWhirlane Manual.pdf");
        return *editor->topPanel;
    }

    static juce::File manualFolder() { return root().getSiblingFile ("Manuals"); }

    juce::File writePreset (const juce::String& relativePath, float depth)
    {
        return PresetFolder::write (processor, relativePath, depth);
    }

    juce::ComboBox& combo() { return *editor->topPanel->presetList->comboBox; }
    juce::String livePath() { return PresetFolder::livePath (processor); }
    float depthValue() const { return PresetFolder::depthValue (processor); }

    LumikerWhirlaneAudioProcessor processor;
    std::unique_ptr<Editor> editor;
    juce::StringArray opened;
};

TEST_F (TopBarTest, LaysOutTheBarAtItsBaseSize)
{
    auto& top = open();
    auto& list = *top.presetList;
    const std::pair<juce::Component*, juce::Rectangle<int>> cases[] = {
        { top.logoButton.get(), { 0, 0, 30, 30 } },
        { top.presetMenu.get(), { 104, 4, 22, 22 } },
        { top.presetMenu->hamburgerButton.get(), { 0, 0, 22, 22 } },
        { top.presetList.get(), { 130, 0, 277, 30 } },
        { top.page.get(), { 403, 0, 127, 30 } },
        { top.gearButton.get(), { 500, 0, 30, 30 } },
        { list.comboBox.get(), { 0, 3, 277, 24 } },
        { list.navigationButtons[0], { 247, 3, 12, 24 } },
        { list.navigationButtons[1], { 259, 3, 12, 24 } },
    };
    EXPECT_EQ (top.getBounds(), juce::Rectangle<int> (0, 0, 530, 30));
    EXPECT_EQ (top.getComponentID(), "TOP");
    for (const auto& [component, bounds] : cases)
    {
        EXPECT_EQ (component->getBounds(), bounds) << component->getName();
        EXPECT_TRUE (component->isVisible());
    }
    // The arrows sit over the box and must get the clicks.
    auto* hit = list.getComponentAt (250, 10);
    EXPECT_TRUE (hit == list.navigationButtons[0] || list.navigationButtons[0]->isParentOf (hit));
}

TEST_F (TopBarTest, MenuOffersItsItemsInOrder)
{
    auto& menu = *open().presetMenu;
    const auto built = menu.createMenu();

    // Separators as "-", the sub-menu as "> title: items".
    juce::StringArray rows;
    for (juce::PopupMenu::MenuItemIterator it (built); it.next();)
    {
        const auto& item = it.getItem();
        if (item.isSeparator)
        {
            rows.add ("-");
            continue;
        }
        EXPECT_TRUE (item.isEnabled && ! item.isTicked) << item.text;
        if (item.subMenu == nullptr)
        {
            rows.add (juce::String (item.itemID) + " " + item.text);
            continue;
        }
        juce::StringArray sizes;
        for (juce::PopupMenu::MenuItemIterator sub (*item.subMenu); sub.next();)
            sizes.add (sub.getItem().isSeparator ? "-" : juce::String (sub.getItem().itemID) + " " + sub.getItem().text);
        rows.add ("> " + item.text + ": " + sizes.joinIntoString (", "));
    }
    EXPECT_EQ (rows, (juce::StringArray { "1 Save Preset", "2 Save Preset As...", "-", "3 Go to Preset Folder...", "-",
                                          "9 User Manual", "-", "10 Visit Tavori", "-",
                                          "> User Interface Size: 4 Resize to Small, 5 Resize to Medium, 6 Resize to Large, "
                                          "7 Resize to X-Large, -, 8 Set current as default",
                                          "-" }));
}

TEST_F (TopBarTest, SavePresetOverwritesOnlyAfterYes)
{
    const auto preset = writePreset ("a.lwhlp", 0.25f);
    open();
    processor.depth->setValueNotifyingHost (0.5f);
    editor->topPanel->updateUI();
    EXPECT_EQ (combo().getText(), "a*");

    editor->topPanel->presetMenu->fileMenuResult (1);
    ASSERT_TRUE (pumpUntil ([] { return modalAlert() != nullptr; }));
    EXPECT_EQ (modalAlert()->getName(), "a is already exist.");
    answerAlert ("NO");
    EXPECT_FLOAT_EQ (storedDepth (preset), 0.25f);

    editor->topPanel->presetMenu->fileMenuResult (1);
    answerAlert ("YES");
    EXPECT_FLOAT_EQ (storedDepth (preset), 0.5f);
    editor->topPanel->updateUI();
    EXPECT_EQ (combo().getText(), "a");
}

TEST_F (TopBarTest, SaveWithoutAFileWritesWithoutAsking)
{
    PresetFolder::setLivePath (processor, "New One.lwhlp");
    open().presetMenu->fileMenuResult (1);
    pumpMessages (50);
    EXPECT_EQ (modalAlert(), nullptr);
    EXPECT_TRUE (root().getChildFile ("New One.lwhlp").existsAsFile());
    EXPECT_EQ (combo().getText(), "New One");
}

TEST_F (TopBarTest, SaveAsWritesOnlyAWritableChosenFile)
{
    writePreset ("a.lwhlp", 0.25f);
    root().getChildFile ("New").createDirectory();
    root().getChildFile ("notes.txt").replaceWithText ("not a folder");
    const auto before = root().getChildFile ("a.lwhlp").getFullPathName();

    struct Case
    {
        const char* name;
        juce::File answer;
        juce::File written; // empty: nothing may be written
        const char* alert;
    };
    const Case cases[] = {
        { "into a new sub-folder", root().getChildFile ("New/b.lwhlp"), root().getChildFile ("New/b.lwhlp"), nullptr },
        { "extension added", root().getChildFile ("c"), root().getChildFile ("c.lwhlp"), nullptr },
        { "cancelled", juce::File(), juce::File(), nullptr },
        { "unwritable", root().getChildFile ("notes.txt/d.lwhlp"), juce::File(), "Lumiker Whirlane" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        PresetFolder::setLivePath (processor, before);
        auto& top = open();
        juce::File askedFolder;
        juce::String askedPattern;
        top.presetMenu->chooseSaveFile = [&] (const juce::File& folder, const juce::String& pattern, auto done)
        {
            askedFolder = folder;
            askedPattern = pattern;
            done (c.answer);
        };

        top.presetMenu->fileMenuResult (2);
        EXPECT_EQ (askedFolder, root());
        EXPECT_EQ (askedPattern, "*.lwhlp");

        if (c.alert != nullptr)
        {
            ASSERT_TRUE (pumpUntil ([] { return modalAlert() != nullptr; }));
            EXPECT_EQ (modalAlert()->getName(), c.alert);
            answerAlert ("OK");
        }
        if (c.written == juce::File())
        {
            EXPECT_EQ (livePath(), before);
            EXPECT_EQ (combo().getText(), "a");
            continue;
        }
        EXPECT_TRUE (c.written.existsAsFile());
        EXPECT_EQ (livePath(), c.written.getFullPathName());
        auto& list = *top.presetList;
        EXPECT_EQ (combo().getSelectedItemIndex(), list.presetFiles.indexOf (c.written));
        EXPECT_EQ (combo().getText(), c.written.getFileNameWithoutExtension());
    }
    // The new folder is listed as a sub-menu holding the new preset.
    juce::StringArray subMenus;
    for (juce::PopupMenu::MenuItemIterator it (*combo().getRootMenu()); it.next();)
        if (it.getItem().subMenu != nullptr)
            subMenus.add (it.getItem().text);
    EXPECT_EQ (subMenus, juce::StringArray { "New" });
}

TEST_F (TopBarTest, ChannelSwitchPushesTheOtherChannelToTheHost)
{
    writePreset ("a.lwhlp", 0.25f);
    writePreset ("b.lwhlp", 0.75f);
    processor.depth->setValueNotifyingHost (0.25f); // channel A as a stores it
    auto& program = processor.activeProgram();
    for (int k = 0; k < 14; ++k)
        program.values[1][(size_t) k] = k == 4 ? 0.75f : program.values[0][(size_t) k].load();
    program.presetPath[1] = "b.lwhlp";
    auto& top = open();
    auto& page = *top.page;
    HostRecorder host;
    processor.addListener (&host);

    page.buttons[1]->triggerClick();
    pumpMessages (100);
    EXPECT_EQ (program.activeChannel.load(), 1);
    EXPECT_EQ (host.told.size(), 14u);
    EXPECT_FLOAT_EQ (host.told[4].back(), 0.75f);
    EXPECT_FLOAT_EQ (depthValue(), 0.75f);
    EXPECT_EQ (combo().getText(), "b");
    EXPECT_TRUE (page.copyButton->getToggleState()); // the arrow points from B to A
    EXPECT_TRUE (page.buttons[1]->getToggleState());
    EXPECT_FALSE (page.buttons[0]->getToggleState());

    host.told.clear();
    page.buttons[0]->triggerClick();
    pumpMessages (100);
    EXPECT_EQ (program.activeChannel.load(), 0);
    EXPECT_EQ (host.told.size(), 14u);
    EXPECT_FLOAT_EQ (depthValue(), 0.25f);
    EXPECT_EQ (combo().getText(), "a");
    EXPECT_FALSE (page.copyButton->getToggleState());
    processor.removeListener (&host);
}

TEST_F (TopBarTest, CopyThenSwitchShowsTheCopiedValuesUnderTheOtherPreset)
{
    writePreset ("a.lwhlp", 0.25f);
    writePreset ("b.lwhlp", 0.75f);
    auto& program = processor.activeProgram();
    program.presetPath[1] = "b.lwhlp";
    auto& top = open();
    processor.depth->setValueNotifyingHost (0.25f);

    top.page->copyButton->triggerClick();
    pumpMessages (50);
    EXPECT_FLOAT_EQ (program.values[1][4].load(), 0.25f);
    EXPECT_EQ (program.activeChannel.load(), 0);

    top.page->buttons[1]->triggerClick();
    pumpMessages (100);
    EXPECT_FLOAT_EQ (depthValue(), 0.25f);
    EXPECT_EQ (combo().getText(), "b*");
}

TEST_F (TopBarTest, ProgramChangeReselectsThePresetAndTheArrowOnly)
{
    writePreset ("a.lwhlp", 0.25f);
    writePreset ("b.lwhlp", 0.75f);
    auto& top = open();
    top.updateUI();
    auto& program = processor.activeProgram();
    program.presetPath[1] = "b.lwhlp";
    program.activeChannel = 1;

    processor.programChanged = true;
    processor.needsCompare = true;
    top.updateUI();
    EXPECT_FALSE (processor.programChanged.load());
    EXPECT_FALSE (processor.needsCompare.load());
    EXPECT_TRUE (top.page->copyButton->getToggleState());
    EXPECT_TRUE (top.page->buttons[0]->getToggleState()); // A and B stay as they were
    // Channel B still holds the defaults, not what b stores.
    EXPECT_EQ (combo().getText(), "b*");
}

TEST_F (TopBarTest, SizeMenuSetsTheFourSizes)
{
    struct Case
    {
        int id, width, height;
    };
    const Case cases[] = { { 4, 375, 460 }, { 6, 750, 919 }, { 7, 1060, 1300 }, { 5, 530, 650 } };
    auto& menu = *open().presetMenu;
    for (const auto& c : cases)
    {
        menu.fileMenuResult (c.id);
        EXPECT_EQ (editor->getWidth(), c.width) << c.id;
        EXPECT_EQ (editor->getHeight(), c.height) << c.id;
        EXPECT_FLOAT_EQ (processor.uiScale, (float) c.width / 530.0f) << c.id;
    }
}

TEST_F (TopBarTest, SetCurrentAsDefaultWritesTheSettingsFile)
{
    auto& menu = *open().presetMenu;
    menu.fileMenuResult (6);
    menu.fileMenuResult (8);

    PluginSettings stored;
    stored.read();
    EXPECT_EQ (stored.defaultWidth, 750);
    EXPECT_EQ (stored.defaultHeight, 919);
    EXPECT_EQ (editor->settings.defaultWidth, 750);
}

TEST_F (TopBarTest, FolderManualAndWebSiteGoThroughTheLauncher)
{
    auto& menu = *open().presetMenu;

    menu.fileMenuResult (9);
    ASSERT_TRUE (pumpUntil ([] { return modalAlert() != nullptr; }));
    EXPECT_EQ (modalAlert()->getName(), "Lumiker Whirlane");
    answerAlert ("OK");
    EXPECT_TRUE (opened.isEmpty());

    manualFolder().createDirectory();
    menu.manualFile.replaceWithText ("%PDF-1.4");
    menu.fileMenuResult (9);
    menu.fileMenuResult (3);
    menu.fileMenuResult (10);
    menu.fileMenuResult (11);
    pumpMessages (50);
    EXPECT_EQ (modalAlert(), nullptr);
    EXPECT_EQ (opened, (juce::StringArray { menu.manualFile.getFullPathName(), root().getFullPathName(), "https://tavori.example" }));
}

TEST_F (TopBarTest, LogoOpensTheAboutBox)
{
    auto& top = open();
    top.logoButton->triggerClick();
    ASSERT_TRUE (pumpUntil ([] { return juce::Component::getCurrentlyModalComponent() != nullptr; }));
    EXPECT_NE (dynamic_cast<juce::DialogWindow*> (juce::Component::getCurrentlyModalComponent()), nullptr);
}
} // namespace
