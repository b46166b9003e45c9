#pragma once

// Where presets, settings, factory presets and manuals live. The roots are the user's music
// folder and the machine-wide application-data folder (/Library on macOS, /opt on Linux),
// with the same names below them on every platform. Built once when the plug-in is loaded.
namespace Tavori::Directory
{
extern const juce::File user;
extern const juce::File common;
extern const juce::File userManual;
extern const juce::File defaultPresets;
extern const juce::File settings;
extern const juce::File userPresets;

juce::File presets (bool keepSpaces);
juce::File defaultPreset (const juce::String& extension, bool keepSpaces);
} // namespace Tavori::Directory
