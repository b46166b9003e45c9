#include "plugin/PluginSettings.h"

#include <Tavori_core/Tavori_core.h>

#include "plugin/SafeXml.h"

juce::File PluginSettings::settingsFile()
{
    return Tavori::Directory::settings.getChildFile (juce::String (Tavori::projectName) + ".setting");
}

juce::File PluginSettings::presetFolder()
{
    return Tavori::Directory::presets (false);
}

juce::File PluginSettings::factoryPresetFolder()
{
    return Tavori::Directory::defaultPresets.getChildFile (Tavori::projectName);
}

void PluginSettings::read (const juce::File& file)
{
    read (SafeXml::parseFile (file).get());
}

void PluginSettings::read (const juce::XmlElement* document)
{
    v100Copied = false;
    defaultWidth = baseWidth;
    defaultHeight = baseHeight;

    if (document == nullptr)
        return;

    // A size no window can have is brought into the window's limits.
    if (auto* plugin = document->getChildByName ("PluginProperties"))
    {
        defaultWidth = juce::jlimit (minWidth, maxWidth, plugin->getIntAttribute ("defaultWidth", baseWidth));
        defaultHeight = juce::jlimit (minHeight, maxHeight, plugin->getIntAttribute ("defaultHeight", baseHeight));
    }

    if (auto* presets = document->getChildByName ("PresetProperties"))
        v100Copied = presets->getBoolAttribute ("v100Copied", false);
}

bool PluginSettings::write (const juce::File& file) const
{
    file.create();

    juce::XmlElement document ("tavoriPluginProperty");
    auto* plugin = document.createNewChildElement ("PluginProperties");
    plugin->setAttribute ("defaultWidth", defaultWidth);
    plugin->setAttribute ("defaultHeight", defaultHeight);
    document.createNewChildElement ("PresetProperties")->setAttribute ("v100Copied", v100Copied ? "true" : "false");
    return SafeXml::writeFile (document, file);
}

void PluginSettings::restoreDefaultPreset (bool force, const juce::File& factory, const juce::File& target)
{
    if (force)
        v100Copied = false;
    else if (v100Copied)
        return;

    const auto versioned = factory.getChildFile (juce::String ("Ver.") + Tavori::versionString);
    if (versioned.isDirectory())
        v100Copied = versioned.copyDirectoryTo (target);

    if (v100Copied)
        return;

    const auto fallback = factory.getChildFile ("All");
    if ((force || ! target.isDirectory()) && fallback.isDirectory())
        fallback.copyDirectoryTo (target);
}

void PluginSettings::createPresetFolder (const juce::File& target)
{
    if (! target.isDirectory())
        target.createDirectory();
}
