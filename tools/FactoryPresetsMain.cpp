#include <iostream>

#include <juce_events/juce_events.h>

#include "tools/FactoryPresets.h"

// Regenerates the factory preset files: whirlane-factory-presets OUTPUT_FOLDER
int main (int argc, char* argv[])
{
    if (argc != 2 || juce::String (argv[1]).startsWith ("-"))
    {
        std::cerr << "usage: whirlane-factory-presets OUTPUT_FOLDER\n";
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juce;
    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    if (! FactoryPresets::writeAll (folder))
    {
        std::cerr << "whirlane-factory-presets: cannot write into " << folder.getFullPathName() << "\n";
        return 1;
    }

    for (const auto& preset : FactoryPresets::all())
        std::cout << preset.name << ": " << preset.description << "\n";
    return 0;
}
