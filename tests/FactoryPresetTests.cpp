#include <gtest/gtest.h>

#include "plugin/PluginProcessor.h"
#include "tools/FactoryPresets.h"

// The shipped presets are exactly what the generator writes today, and each one loads.
TEST (FactoryPresets, ShippedFilesMatchTheGeneratorAndLoad)
{
    const juce::File shipped (WHIRLANE_FACTORY_PRESETS);
    const juce::TemporaryFile scratch;
    ASSERT_TRUE (FactoryPresets::writeAll (scratch.getFile()));

    const auto generated = scratch.getFile().findChildFiles (juce::File::findFiles, false, "*.lwhlp");
    EXPECT_EQ (generated.size(), (int) FactoryPresets::all().size());
    EXPECT_EQ (shipped.findChildFiles (juce::File::findFiles, false, "*.lwhlp").size(), generated.size());

    for (const auto& file : generated)
    {
        const auto twin = shipped.getChildFile (file.getFileName());
        EXPECT_EQ (twin.loadFileAsString(), file.loadFileAsString()) << file.getFileName() << " (run whirlane-factory-presets resources/presets)";

        LumikerWhirlaneAudioProcessor processor;
        EXPECT_EQ (processor.loadPresetFile (twin), LumikerWhirlaneAudioProcessor::presetApplied) << file.getFileName();
    }

    LumikerWhirlaneAudioProcessor fresh;
    LumikerWhirlaneAudioProcessor loaded;
    loaded.loadPresetFile (shipped.getChildFile ("Black Hole.lwhlp"));
    EXPECT_EQ (loaded.writePreset (true)->toString(), fresh.writePreset (true)->toString());
    scratch.getFile().deleteRecursively();
}
