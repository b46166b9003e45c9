#pragma once

#include <Tavori_core/Tavori_core.h>

#include "plugin/PluginProcessor.h"

// The product preset folder inside the test home, and presets written into it by a real
// processor, so the files are exactly what the plug-in reads.
namespace PresetFolder
{
inline juce::File root()
{
    return Tavori::Directory::presets (false);
}

inline bool reset()
{
    root().deleteRecursively();
    return root().createDirectory();
}

inline float depthValue (const LumikerWhirlaneAudioProcessor& processor)
{
    return static_cast<const juce::AudioProcessorParameter*> (processor.depth)->getValue();
}

// The live channel with the given depth, written to a path below the root.
inline juce::File write (LumikerWhirlaneAudioProcessor& processor, const juce::String& relativePath, float depth)
{
    const auto file = root().getChildFile (relativePath);
    file.getParentDirectory().createDirectory();
    processor.depth->setValueNotifyingHost (depth);
    processor.writePreset (true)->writeTo (file);
    return file;
}

inline juce::String livePath (LumikerWhirlaneAudioProcessor& processor)
{
    return processor.activeProgram().livePresetPath();
}

inline void setLivePath (LumikerWhirlaneAudioProcessor& processor, const juce::String& path)
{
    processor.activeProgram().livePresetPath() = path;
}
} // namespace PresetFolder
