namespace Tavori::Lumiker::Menu
{
Actions::Actions()
{
    texts.set (savePreset, "Save Preset");
    texts.set (savePresetAs, "Save Preset As...");
    texts.set (goToPresetFolder, "Go to Preset Folder...");
    texts.set (resizeSmall, "Resize to Small");
    texts.set (resizeMedium, "Resize to Medium");
    texts.set (resizeLarge, "Resize to Large");
    texts.set (resizeXLarge, "Resize to X-Large");
    texts.set (setCurrentAsDefault, "Set current as default");
    texts.set (userManual, "User Manual");
    texts.set (visitWebsite, juce::String ("Visit ") + companyName);
    texts.set (interfaceSizeTitle, "User Interface Size");
}

juce::String Actions::operator[] (int id) const
{
    return texts[id];
}
} // namespace Tavori::Lumiker::Menu
