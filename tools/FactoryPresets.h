#pragma once

#include <juce_core/juce_core.h>

// The factory preset set, made with the plug-in's own preset writer.
namespace FactoryPresets
{
struct Setting
{
    const char* parameter;
    float value; // normalised 0..1; a choice as index / 18
};

struct Preset
{
    const char* name;
    const char* description;
    std::vector<Setting> settings; // on top of the factory defaults
};

const std::vector<Preset>& all();

// Writes every preset as "<name>.lwhlp" into folder; false if any could not be written.
bool writeAll (const juce::File& folder);
} // namespace FactoryPresets
