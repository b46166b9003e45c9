#pragma once

namespace Tavori::Lumiker::Menu
{
// The hamburger menu's item ids and their texts.
class Actions
{
public:
    enum Id
    {
        savePreset = 1,
        savePresetAs = 2,
        goToPresetFolder = 3,
        resizeSmall = 4,
        resizeMedium = 5,
        resizeLarge = 6,
        resizeXLarge = 7,
        setCurrentAsDefault = 8,
        userManual = 9,
        visitWebsite = 10,
        interfaceSizeTitle = 13
    };

    Actions();

    // The item's text, empty for an unknown id.
    juce::String operator[] (int id) const;

    juce::HashMap<int, juce::String> texts;
};
} // namespace Tavori::Lumiker::Menu
