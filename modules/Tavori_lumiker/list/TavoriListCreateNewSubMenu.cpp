namespace Tavori::List
{
namespace
{
juce::Array<juce::File> sortedChildren (const juce::File& folder, int whatToFind, const juce::String& wildcard)
{
    auto children = folder.findChildFiles (whatToFind | juce::File::ignoreHiddenFiles, false, wildcard,
                                           juce::File::FollowSymlinks::yes);
    FileSorter sorter;
    children.sort (sorter);
    return children;
}

void fillMenu (juce::PopupMenu& menu, const juce::File& folder, int& itemCounter, const juce::String& wildcard,
               juce::Array<juce::File>& files, int depth)
{
    if (depth < maxFolderDepth)
    {
        for (const auto& subFolder : sortedChildren (folder, juce::File::findDirectories, "*"))
        {
            juce::PopupMenu subMenu;
            fillMenu (subMenu, folder.getChildFile (subFolder.getFileName()), itemCounter, wildcard, files, depth + 1);
            menu.addSubMenu (subFolder.getFileName(), subMenu, true);
        }
    }

    for (const auto& file : sortedChildren (folder, juce::File::findFiles, wildcard))
    {
        ++itemCounter;
        menu.addItem (itemCounter, file.getFileNameWithoutExtension(), true, false);
        files.add (file);
    }
}
} // namespace

juce::PopupMenu createNewSubMenu (juce::PopupMenu* menu, const juce::String& folderPath, int& itemCounter,
                                  const juce::String& wildcard, juce::Array<juce::File>& files, bool)
{
    if (menu == nullptr)
        return {};
    fillMenu (*menu, juce::File (folderPath), itemCounter, wildcard, files, 0);
    return *menu;
}
} // namespace Tavori::List
