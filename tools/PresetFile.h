#pragma once

#include <vector>

#include <juce_core/juce_core.h>

#include "tools/RenderError.h"

// A Lumiker Whirlane preset file (.lwhlp), read the way a host reads it: the XML is
// checked to be one of this product's presets, and its values are kept by parameter name
// for the host to set.
class PresetFile
{
public:
    struct Value
    {
        juce::String name;
        juce::String text;
    };

    // Throws RenderError when the file is missing, unreadable, not XML or not one of ours.
    explicit PresetFile (const juce::File& file);

    const std::vector<Value>& values() const { return entries; }
    const juce::String& filePath() const { return path; }
    // A preset saved by a later version may hold more than this version knows.
    bool isFromNewerVersion() const { return version.getDoubleValue() > 1.0; }
    const juce::String& versionText() const { return version; }

    static constexpr const char* productId = WHIRLANE_BUNDLE_ID;
    static constexpr juce::int64 maxSize = 1024 * 1024;

private:
    juce::String readText (const juce::File& file) const;
    RenderError problem (const juce::String& what) const;

    juce::String path;
    std::vector<Value> entries;
    juce::String version;
};
