#include <gtest/gtest.h>

#include <Tavori_lumiker/Tavori_lumiker.h>

#include "plugin/PluginProcessor.h"
#include "tests/GuiTestSupport.h"
#include "tests/PresetFolder.h"

namespace
{
// The list never touches its editor.
struct NoEditor
{
};

using PresetList = Tavori::List::Preset<LumikerWhirlaneAudioProcessor, NoEditor>;

using PresetFolder::root;

// The items of one menu level: sub-menus as "[name]", files by their text.
juce::StringArray levelOf (const juce::PopupMenu& menu)
{
    juce::StringArray entries;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();
        entries.add (item.subMenu != nullptr ? "[" + item.text + "]" : item.text);
    }
    return entries;
}

const juce::PopupMenu* subMenuOf (const juce::PopupMenu& menu, const juce::String& name)
{
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        if (it.getItem().subMenu != nullptr && it.getItem().text == name)
            return it.getItem().subMenu.get();
    return nullptr;
}

class PresetListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (PresetFolder::reset());
    }

    void TearDown() override
    {
        list.reset();
        root().deleteRecursively();
    }

    juce::File writePreset (const juce::String& relativePath, float depth)
    {
        return PresetFolder::write (processor, relativePath, depth);
    }

    void setLivePath (const juce::String& path) { PresetFolder::setLivePath (processor, path); }
    juce::String livePath() { return PresetFolder::livePath (processor); }

    PresetList& makeList()
    {
        list = std::make_unique<PresetList> (processor, editor);
        list->setBounds (0, 0, 277, 30);
        return *list;
    }

    float depthValue() const { return PresetFolder::depthValue (processor); }

    bool prevEnabled() const { return list->navigationButtons[0]->isEnabled(); }
    bool nextEnabled() const { return list->navigationButtons[1]->isEnabled(); }

    LumikerWhirlaneAudioProcessor processor;
    NoEditor editor;
    std::unique_ptr<PresetList> list;
};

TEST (PresetFileSorter, OrdersNamesNaturallyIgnoringCase)
{
    struct Case
    {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        { "Preset 9.lwhlp", "Preset 10.lwhlp", -1 },
        { "a.lwhlp", "B.lwhlp", -1 },
        { "b.lwhlp", "A.lwhlp", 1 },
        { "Bass", "bass", 0 },
    };
    for (const auto& c : cases)
    {
        const int result = Tavori::List::FileSorter::compareElements (juce::File ("/x/" + juce::String (c.a)),
                                                                      juce::File ("/x/" + juce::String (c.b)));
        EXPECT_EQ ((result > 0) - (result < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST_F (PresetListTest, ListsSubFoldersFirstThenFilesInNaturalOrder)
{
    for (auto* name : { "b", "a", "Preset 10", "Preset 9", "Bass/x", ".hidden", ".Secret/y" })
        writePreset (juce::String (name) + ".lwhlp", 0.5f);
    root().getChildFile ("notes.txt").replaceWithText ("not a preset");
    root().getChildFile ("a.lwhlp.bak").replaceWithText ("not a preset");
    root().getChildFile ("Empty").createDirectory();

    auto& presets = makeList();

    const auto& menu = *presets.comboBox->getRootMenu();
    EXPECT_EQ (levelOf (menu), (juce::StringArray { "[Bass]", "[Empty]", "a", "b", "Preset 9", "Preset 10" }));
    ASSERT_NE (subMenuOf (menu, "Bass"), nullptr);
    EXPECT_EQ (levelOf (*subMenuOf (menu, "Bass")), juce::StringArray { "x" });
    ASSERT_NE (subMenuOf (menu, "Empty"), nullptr);
    EXPECT_TRUE (levelOf (*subMenuOf (menu, "Empty")).isEmpty());

    // Ids, item indexes and presetFiles all follow the same depth-first order.
    const char* expected[] = { "Bass/x", "a", "b", "Preset 9", "Preset 10" };
    ASSERT_EQ (presets.presetFiles.size(), 5);
    ASSERT_EQ (presets.comboBox->getNumItems(), 5);
    for (int i = 0; i < 5; ++i)
    {
        const auto file = root().getChildFile (juce::String (expected[i]) + ".lwhlp");
        EXPECT_EQ (presets.presetFiles[i], file) << i;
        EXPECT_EQ (presets.comboBox->getItemId (i), i + 1);
        EXPECT_EQ (presets.comboBox->getItemText (i), file.getFileNameWithoutExtension());
    }
}

TEST_F (PresetListTest, FindsPresetsByBareNameOrPathAndFallsBackToInit)
{
    writePreset ("a.lwhlp", 0.5f);
    writePreset ("Bass/a.lwhlp", 0.5f);
    writePreset ("Init.lwhlp", 0.5f);
    auto& presets = makeList();

    EXPECT_EQ (presets.getIndexOf ("a.lwhlp"), 1);
    EXPECT_EQ (presets.getIndexOf (root().getChildFile ("Bass/a.lwhlp").getFullPathName()), 0);
    EXPECT_EQ (presets.getIndexOf ("missing.lwhlp"), 2);

    // Same name in two folders: the one the path names is shown.
    presets.setSelectedPreset ("a.lwhlp");
    EXPECT_EQ (presets.comboBox->getSelectedItemIndex(), 1);

    root().getChildFile ("Init.lwhlp").deleteFile();
    presets.populateList();
    EXPECT_EQ (presets.getIndexOf ("missing.lwhlp"), -1);
}

TEST_F (PresetListTest, FolderLinksBackUpTheTreeEndTheListing)
{
    writePreset ("a.lwhlp", 0.5f);
    ASSERT_TRUE (root().createSymbolicLink (root().getChildFile ("Loop"), true));

    auto& presets = makeList();

    // One "a" per level the link is followed, and then it stops.
    EXPECT_EQ (presets.presetFiles.size(), Tavori::List::maxFolderDepth + 1);
}

TEST_F (PresetListTest, NavigationButtonsStopAtTheEnds)
{
    struct Case
    {
        const char* live;
        int files;
        bool prev, next;
    };
    const Case cases[] = {
        { "p1.lwhlp", 3, false, true },     // first
        { "p2.lwhlp", 3, true, true },      // middle
        { "p3.lwhlp", 3, true, false },     // last
        { "missing.lwhlp", 3, true, true }, // no selection
        { "p1.lwhlp", 1, false, true },     // single item
        { "missing.lwhlp", 0, true, false } // empty list
    };
    for (const auto& c : cases)
    {
        PresetFolder::reset();
        for (int i = 1; i <= c.files; ++i)
            writePreset ("p" + juce::String (i) + ".lwhlp", 0.5f);
        setLivePath (c.live);

        makeList();
        EXPECT_EQ (prevEnabled(), c.prev) << c.live << " of " << c.files;
        EXPECT_EQ (nextEnabled(), c.next) << c.live << " of " << c.files;
    }
}

TEST_F (PresetListTest, NextAndPrevLoadTheNeighbours)
{
    writePreset ("p1.lwhlp", 0.1f);
    writePreset ("p2.lwhlp", 0.2f);
    writePreset ("p3.lwhlp", 0.3f);
    setLivePath ("p1.lwhlp");
    auto& presets = makeList();

    presets.navigationButtons[1]->triggerClick();
    pumpMessages (100);
    EXPECT_EQ (presets.comboBox->getText(), "p2");
    EXPECT_EQ (livePath(), root().getChildFile ("p2.lwhlp").getFullPathName());
    EXPECT_NEAR (depthValue(), 0.2f, 1e-5);
    EXPECT_TRUE (prevEnabled());

    presets.navigationButtons[1]->triggerClick();
    pumpMessages (100);
    EXPECT_EQ (presets.comboBox->getText(), "p3");
    EXPECT_FALSE (nextEnabled());

    presets.navigationButtons[0]->triggerClick();
    pumpMessages (100);
    EXPECT_EQ (presets.comboBox->getText(), "p2");
    EXPECT_TRUE (nextEnabled());
}

TEST_F (PresetListTest, PrevInAnEmptyListLoadsNothing)
{
    setLivePath ("missing.lwhlp");
    auto& presets = makeList();
    const float before = depthValue();

    presets.navigationButtons[0]->triggerClick();
    pumpMessages (100);

    EXPECT_EQ (presets.comboBox->getSelectedItemIndex(), -1);
    EXPECT_EQ (livePath(), "missing.lwhlp");
    EXPECT_EQ (depthValue(), before);
}

TEST_F (PresetListTest, ModifiedPresetIsMarkedUntilTheValueReturns)
{
    writePreset ("a.lwhlp", 0.25f);
    setLivePath ("a.lwhlp");
    auto& presets = makeList();
    EXPECT_EQ (presets.comboBox->getText(), "a");

    struct Case
    {
        float depth;
        const char* shown;
    };
    const Case cases[] = {
        { 0.5f, "a*" },
        { 0.25f + 4.0e-6f, "a" }, // within 1e-5 of the stored 0.25000
        { 0.25f + 2.0e-5f, "a*" },
        { 0.25f, "a" },
    };
    for (const auto& c : cases)
    {
        processor.depth->setValueNotifyingHost (c.depth);
        presets.comparePreset();
        EXPECT_EQ (presets.comboBox->getText(), c.shown) << c.depth;
        EXPECT_EQ (presets.comboBox->getItemText (0), c.shown) << c.depth;
        EXPECT_EQ (presets.comboBox->getSelectedItemIndex(), 0) << c.depth;
    }
}

TEST_F (PresetListTest, ChoosingTheSelectedEntryAgainDoesNotReload)
{
    writePreset ("a.lwhlp", 0.25f);
    writePreset ("b.lwhlp", 0.75f);
    setLivePath ("a.lwhlp");
    auto& presets = makeList();

    processor.depth->setValueNotifyingHost (0.5f);
    presets.comparePreset();
    presets.comboBox->setSelectedId (1, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ (depthValue(), 0.5f);

    presets.comboBox->setSelectedId (2, juce::sendNotificationSync);
    EXPECT_NEAR (depthValue(), 0.75f, 1e-5);
    EXPECT_EQ (livePath(), root().getChildFile ("b.lwhlp").getFullPathName());
}

// Newer presets still apply and say so; a preset of another product changes nothing.
TEST_F (PresetListTest, LoadsNewerPresetsWithAMessageAndIgnoresForeignOnes)
{
    const auto newer = writePreset ("newer.lwhlp", 0.125f);
    newer.replaceWithText (newer.loadFileAsString().replace ("presetVersion=\"1.0\"", "presetVersion=\"2.0\""));
    const auto foreign = writePreset ("foreign.lwhlp", 0.875f);
    foreign.replaceWithText (foreign.loadFileAsString().replace ("example.tavori.LumikerWhirlane", "example.other.Product"));
    processor.depth->setValueNotifyingHost (0.5f);
    setLivePath ("missing.lwhlp");
    auto& presets = makeList();

    presets.loadPreset (presets.presetFiles.indexOf (foreign));
    EXPECT_FLOAT_EQ (depthValue(), 0.5f);
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);

    presets.loadPreset (presets.presetFiles.indexOf (newer));
    EXPECT_NEAR (depthValue(), 0.125f, 1e-5);
    pumpMessages (100);
    auto* alert = dynamic_cast<juce::AlertWindow*> (juce::ModalComponentManager::getInstance()->getModalComponent (0));
    ASSERT_NE (alert, nullptr);
    EXPECT_EQ (alert->getName(), "newer.lwhlp");
    alert->exitModalState (0);
    pumpMessages (50);
}
} // namespace
