#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include "tools/PresetFile.h"
#include "tools/RenderOptions.h"
#include "tools/TempoPlayHead.h"

// Loads one VST3 plug-in and drives it the way a host does: state, programs, presets and
// parameters, bus layout, prepareToPlay, processBlock block by block, releaseResources.
class RenderHost
{
public:
    // Throws RenderError when the bundle is missing or will not load.
    explicit RenderHost (const juce::File& bundle);
    ~RenderHost();

    void loadState (const juce::MemoryBlock& state);
    juce::MemoryBlock state();
    // Throws RenderError for a program the plug-in does not have.
    void selectProgram (int index);
    // Returns the names in the preset that match no parameter of the plug-in.
    juce::StringArray applyPreset (const PresetFile& preset);
    void set (const juce::String& name, const juce::String& value);
    void prepare (RenderOptions::Layout layout, double sampleRate, int blockSize, double bpm);
    // The block holds the input on entry and the output on return.
    void process (juce::AudioBuffer<float>& block);
    void release();

    int numChannels() const;
    int latencySamples() const { return instance->getLatencySamples(); }

private:
    juce::AudioProcessorParameter* parameterNamed (const juce::String& name) const;
    juce::AudioProcessorParameter& findParameter (const juce::String& name) const;
    static juce::String layoutName (RenderOptions::Layout layout);

    std::unique_ptr<TempoPlayHead> playHead;
    juce::AudioPluginFormatManager formats;
    std::unique_ptr<juce::AudioPluginInstance> instance;
    juce::MidiBuffer midi;
    bool prepared = false;
};
