#include "tools/FactoryPresets.h"

#include "plugin/PluginProcessor.h"

namespace FactoryPresets
{
namespace
{
// Normalised value of a free rotor rate in Hz: the inverse of (9^v - 1) * 2.5.
float rateFor (float hz)
{
    return std::log (hz / 2.5f + 1.0f) / std::log (9.0f);
}

float note (int index)
{
    return (float) index / 18.0f;
}

// The engine's own neutral middle settings, as a plain starting point.
const std::vector<Setting> neutral { { "rate", 0.5f },  { "depth", 0.5f }, { "distance", 0.5f }, { "intensity", 0.5f },
                                     { "crossoverFreq", 0.5f }, { "mix", 0.5f }, { "level", 0.5f }, { "width", 0.5f } };

void apply (LumikerWhirlaneAudioProcessor& processor, const std::vector<Setting>& settings)
{
    for (const auto& setting : settings)
        for (auto* parameter : processor.getParameters())
            if (parameter->getName (100) == setting.parameter)
                parameter->setValueNotifyingHost (setting.value);
}
} // namespace

const std::vector<Preset>& all()
{
    static const std::vector<Preset> presets {
        { "Black Hole", "the factory sound every program starts with", {} },
        { "Init", "neutral middle settings, a plain starting point", neutral },
        { "Slow Chorale", "slow rotor, gentle pulse, wide and soft",
          { { "rate", rateFor (0.8f) }, { "depth", 0.6f }, { "distance", 0.35f }, { "intensity", 0.8f }, { "stereoOn", 1 }, { "width", 0.7f }, { "mix", 0.5f } } },
        { "Fast Tremolo", "fast rotor with a deep level pulse",
          { { "rate", rateFor (7.5f) }, { "depth", 0.7f }, { "distance", 1.0f }, { "intensity", 0.6f }, { "stereoOn", 1 }, { "width", 0.6f } } },
        { "Quarter Note Sync", "one turn per beat at the host tempo",
          { { "syncOn", 1 }, { "rateSync", note (8) }, { "stereoOn", 1 }, { "width", 0.7f }, { "distance", 0.6f } } },
        { "Dotted Eighth Sync", "tempo-locked, turning on dotted eighths",
          { { "syncOn", 1 }, { "rateSync", note (10) }, { "stereoOn", 1 }, { "width", 0.8f }, { "depth", 0.7f } } },
        { "Wide Stereo Sweep", "slow, full-width sweep through the stereo field",
          { { "rate", rateFor (2.0f) }, { "stereoOn", 1 }, { "width", 1.0f }, { "distance", 0.3f }, { "intensity", 0.7f } } },
        { "Subtle Doppler", "a light pitch wobble, mostly dry",
          { { "rate", rateFor (1.5f) }, { "intensity", 0.3f }, { "depth", 0.3f }, { "distance", 0.15f }, { "mix", 0.35f } } },
        { "Crossover Shift", "drum and horn in opposition, crossover raised",
          { { "crossoverShiftOn", 1 }, { "crossoverFreq", 0.6f }, { "rate", rateFor (6.0f) }, { "stereoOn", 1 }, { "width", 0.6f } } },
        { "Mono Compatible", "all movement in level and pitch, nothing in the stereo field",
          { { "stereoOn", 0 }, { "width", 0.0f }, { "rate", rateFor (6.0f) }, { "distance", 0.6f } } },
        { "Reversed Stereo", "the rotor turning the other way round",
          { { "stereoOn", 1 }, { "reverseOn", 1 }, { "width", 0.8f }, { "rate", rateFor (5.5f) } } },
        { "Low Drum Growl", "low crossover, strong Doppler, slower turn",
          { { "crossoverFreq", 0.15f }, { "intensity", 1.0f }, { "rate", rateFor (3.0f) }, { "distance", 0.5f }, { "mix", 0.65f } } },
    };
    return presets;
}

bool writeAll (const juce::File& folder)
{
    if (! folder.createDirectory())
        return false;

    bool written = true;
    for (const auto& preset : all())
    {
        LumikerWhirlaneAudioProcessor processor;
        apply (processor, preset.settings);
        written = processor.savePresetFile (folder.getChildFile (juce::String (preset.name) + "." + processor.presetExtension)) && written;
    }
    return written;
}
} // namespace FactoryPresets
