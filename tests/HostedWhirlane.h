#pragma once

#include <memory>

#include <juce_audio_processors/juce_audio_processors.h>

// The built VST3 bundle loaded through JUCE's own VST3 hosting, as a DAW loads it. The
// host also acts as the play head so tempo-synced behaviour can be driven.
class HostedWhirlane : public juce::AudioPlayHead
{
public:
    static constexpr double sampleRate = 48000.0;
    static constexpr int blockSize = 256;

    // Scans the bundle; the description is empty when it cannot be read.
    static juce::PluginDescription describeBundle();

    HostedWhirlane();

    bool isLoaded() const { return instance != nullptr; }
    const juce::String& getLoadError() const { return loadError; }
    juce::AudioPluginInstance& plugin() { return *instance; }

    // Null when the plug-in does not expose that parameter ID.
    juce::AudioProcessorParameter* findParameter (const juce::String& id) const;
    void setParameter (const juce::String& id, float normalisedValue);

    bool setLayout (const juce::AudioChannelSet& in, const juce::AudioChannelSet& out);
    void prepare();
    void setTempo (double newBpm) { bpm = newBpm; }

    // Runs the buffer through the plug-in in host-sized blocks, in place.
    void process (juce::AudioBuffer<float>& buffer);

    juce::Optional<PositionInfo> getPosition() const override;

private:
    std::unique_ptr<juce::AudioPluginInstance> instance;
    juce::String loadError;
    double bpm = 120.0;
    juce::int64 samplePosition = 0;
};
