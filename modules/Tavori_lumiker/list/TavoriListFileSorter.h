#pragma once

namespace Tavori::List
{
// Orders preset files and folders as people read them: "Preset 9" before "Preset 10",
// regardless of case.
class FileSorter
{
public:
    static int compareElements (const juce::File& a, const juce::File& b);
};
} // namespace Tavori::List
