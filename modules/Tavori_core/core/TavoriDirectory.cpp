namespace Tavori::Directory
{
const juce::File user = juce::File::getSpecialLocation (juce::File::userMusicDirectory).getChildFile (companyName);
const juce::File common = juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory)
                              .getChildFile ("Application Support")
                              .getChildFile (companyName);
const juce::File userManual = common.getChildFile ("User Manuals");
const juce::File defaultPresets = common.getChildFile ("Default Presets");
const juce::File settings = user.getChildFile ("Settings");
const juce::File userPresets = user.getChildFile ("Presets");

juce::File presets (bool keepSpaces)
{
    const juce::String name (projectName);
    return userPresets.getChildFile (keepSpaces ? name : name.removeCharacters (" "));
}

juce::File defaultPreset (const juce::String& extension, bool keepSpaces)
{
    return presets (keepSpaces).getChildFile ("Init." + extension);
}
} // namespace Tavori::Directory
