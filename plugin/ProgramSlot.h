#pragma once

#include <array>
#include <atomic>

#include <juce_core/juce_core.h>

#include "dsp/Whirlane.h"

// One of the 12 programs: two complete parameter sets (channels A and B) and the preset file
// each came from. Values are atomics because host automation writes them on the audio
// thread while the message thread reads them for state and presets.
struct ProgramSlot
{
    static constexpr int numChannels = 2;

    std::atomic<int> activeChannel { 0 };
    juce::String presetPath[numChannels];
    std::array<std::atomic<float>, Whirlane::numParameters> values[numChannels] {};

    // The preset file of the live channel.
    juce::String& livePresetPath() { return presetPath[activeChannel.load()]; }
    const juce::String& livePresetPath() const { return presetPath[activeChannel.load()]; }
};
