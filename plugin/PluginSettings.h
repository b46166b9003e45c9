#pragma once

#include <juce_core/juce_core.h>

// The editor's settings file (default window size, whether this version's factory presets
// were installed) and the two preset-folder chores the editor performs at start-up and
// before saving. Folders default to the product's own; tests pass their own.
class PluginSettings
{
public:
    static constexpr int baseWidth = 530;
    static constexpr int baseHeight = 650;
    static constexpr int minWidth = 375, minHeight = 460, maxWidth = 1060, maxHeight = 1300;

    int defaultWidth = baseWidth;
    int defaultHeight = baseHeight;
    bool v100Copied = false;

    static juce::File settingsFile();
    static juce::File presetFolder();
    static juce::File factoryPresetFolder();

    void read (const juce::File& file = settingsFile());
    void read (const juce::XmlElement* document);
    bool write (const juce::File& file = settingsFile()) const;

    // Copies the factory presets into the preset folder once per version (always when forced).
    void restoreDefaultPreset (bool force, const juce::File& factory = factoryPresetFolder(), const juce::File& target = presetFolder());
    static void createPresetFolder (const juce::File& target = presetFolder());
};
