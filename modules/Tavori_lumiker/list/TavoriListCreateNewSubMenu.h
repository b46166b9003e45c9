#pragma once

namespace Tavori::List
{
// Folder links deeper than this are not followed, so a link back up the tree cannot
// recurse without end.
inline constexpr int maxFolderDepth = 16;

// Fills `menu` with the folder's sub-folders (as sub-menus, each expanded depth-first) and
// then its files matching `wildcard`, both in natural name order, skipping hidden entries.
// Every file gets the next id from `itemCounter` and is appended to `files`, so id i + 1
// is files[i]. Returns a copy of the filled menu.
juce::PopupMenu createNewSubMenu (juce::PopupMenu* menu, const juce::String& folderPath, int& itemCounter,
                                  const juce::String& wildcard, juce::Array<juce::File>& files, bool unused = false);
} // namespace Tavori::List
