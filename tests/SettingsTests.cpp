#include <gtest/gtest.h>
#include <Tavori_core/Tavori_core.h>

#include "plugin/PluginSettings.h"

namespace
{
// A scratch folder with a factory tree and an (absent) product preset folder.
struct Folders
{
    Folders() { root.getFile().createDirectory(); }
    ~Folders() { root.getFile().deleteRecursively(); }

    juce::File factory() const { return root.getFile().getChildFile ("Default Presets/LumikerWhirlane"); }
    juce::File target() const { return root.getFile().getChildFile ("Presets/LumikerWhirlane"); }
    juce::File settings() const { return root.getFile().getChildFile ("Settings/LumikerWhirlane.setting"); }

    void addFactoryPreset (const juce::String& folder, const juce::String& name) const
    {
        auto file = factory().getChildFile (folder).getChildFile (name);
        file.create();
        file.replaceWithText ("<tavoriPatch/>");
    }

    juce::TemporaryFile root;
};
} // namespace

TEST (Settings, FoldersLiveUnderTheUsersMusicFolder)
{
    const auto home = juce::File ("~");
    EXPECT_EQ (Tavori::Directory::user, juce::File::getSpecialLocation (juce::File::userMusicDirectory).getChildFile ("Tavori"));
    EXPECT_TRUE (Tavori::Directory::user.isAChildOf (home));
    EXPECT_EQ (Tavori::Directory::presets (false), Tavori::Directory::user.getChildFile ("Presets/LumikerWhirlane"));
    EXPECT_EQ (Tavori::Directory::defaultPreset ("lwhlp", false).getFileName(), "Init.lwhlp");
    EXPECT_EQ (PluginSettings::settingsFile(), Tavori::Directory::user.getChildFile ("Settings/LumikerWhirlane.setting"));
    EXPECT_EQ (PluginSettings::factoryPresetFolder().getFileName(), "LumikerWhirlane");
    EXPECT_EQ (Tavori::Directory::userManual.getFileName(), "User Manuals");
}

TEST (Settings, ReadsWhatIsThereAndDefaultsTheRest)
{
    struct Case
    {
        const char* what;
        const char* text;
        int width, height;
        bool copied;
    };
    const Case cases[] = {
        { "missing file", nullptr, 530, 650, false },
        { "complete", "<x><PluginProperties defaultWidth=\"795\" defaultHeight=\"975\"/><PresetProperties v100Copied=\"true\"/></x>", 795, 975, true },
        { "no height", "<tavoriPluginProperty><PluginProperties defaultWidth=\"600\"/></tavoriPluginProperty>", 600, 650, false },
        { "not xml", "\x01\x02 garbage <<<", 530, 650, false },
        { "absurd sizes", "<x><PluginProperties defaultWidth=\"-40\" defaultHeight=\"99999999999\"/></x>", 375, 1300, false },
        { "nested too deep", "<a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a><a>", 530, 650, false },
    };
    for (const auto& c : cases)
    {
        Folders folders;
        if (c.text != nullptr)
        {
            folders.settings().create();
            folders.settings().replaceWithText (c.text);
        }
        PluginSettings settings;
        settings.v100Copied = true;
        settings.read (folders.settings());
        EXPECT_EQ (settings.defaultWidth, c.width) << c.what;
        EXPECT_EQ (settings.defaultHeight, c.height) << c.what;
        EXPECT_EQ (settings.v100Copied, c.copied) << c.what;
    }
}

TEST (Settings, WritesTheSettingsDocument)
{
    Folders folders;
    PluginSettings settings;
    settings.defaultWidth = 795;
    settings.defaultHeight = 975;
    settings.v100Copied = true;
    ASSERT_TRUE (settings.write (folders.settings()));

    const auto text = folders.settings().loadFileAsString();
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    const auto document = juce::parseXML (text);
    ASSERT_NE (document, nullptr);
    EXPECT_TRUE (document->hasTagName ("tavoriPluginProperty"));
    EXPECT_EQ (document->getChildByName ("PluginProperties")->getAttributeValue (0), "795");
    EXPECT_EQ (document->getChildByName ("PluginProperties")->getAttributeValue (1), "975");
    EXPECT_EQ (document->getChildByName ("PresetProperties")->getStringAttribute ("v100Copied"), "true");

    PluginSettings reread;
    reread.read (folders.settings());
    EXPECT_EQ (reread.defaultWidth, 795);
    EXPECT_TRUE (reread.v100Copied);
}

TEST (Settings, FactoryPresetsAreCopiedOncePerVersion)
{
    Folders folders;
    folders.addFactoryPreset ("Ver.1.0.0", "Black Hole.lwhlp");
    folders.addFactoryPreset ("Ver.1.0.0", "Pads/Warm.lwhlp");

    PluginSettings settings;
    settings.restoreDefaultPreset (false, folders.factory(), folders.target());
    EXPECT_TRUE (settings.v100Copied);
    EXPECT_TRUE (folders.target().getChildFile ("Black Hole.lwhlp").existsAsFile());
    EXPECT_TRUE (folders.target().getChildFile ("Pads/Warm.lwhlp").existsAsFile());

    // The user emptied the folder: the next opening leaves it so.
    folders.target().deleteRecursively();
    settings.restoreDefaultPreset (false, folders.factory(), folders.target());
    EXPECT_FALSE (folders.target().exists());

    settings.restoreDefaultPreset (true, folders.factory(), folders.target());
    EXPECT_TRUE (folders.target().getChildFile ("Black Hole.lwhlp").existsAsFile());
}

TEST (Settings, TheFallbackFolderFillsOnlyAMissingPresetFolder)
{
    for (bool targetExists : { false, true })
    {
        Folders folders;
        folders.addFactoryPreset ("All", "Init.lwhlp");
        if (targetExists)
            PluginSettings::createPresetFolder (folders.target());

        PluginSettings settings;
        settings.restoreDefaultPreset (false, folders.factory(), folders.target());
        EXPECT_FALSE (settings.v100Copied);
        EXPECT_EQ (folders.target().getChildFile ("Init.lwhlp").existsAsFile(), ! targetExists);
        EXPECT_TRUE (folders.target().isDirectory());
    }

    Folders nothing;
    PluginSettings settings;
    settings.restoreDefaultPreset (false, nothing.factory(), nothing.target());
    EXPECT_FALSE (settings.v100Copied);
    EXPECT_FALSE (nothing.target().exists());
}
