#pragma once

#include <atomic>
#include <vector>

#include <juce_audio_processors/juce_audio_processors.h>

#include "dsp/Whirlane.h"
#include "plugin/PendingParameterChanges.h"
#include "plugin/ProgramSlot.h"
#include "plugin/TavoriParameterMap.h"

// What the host talks to: 14 parameters, the program table and one rotary engine.
class LumikerWhirlaneAudioProcessor : public juce::AudioProcessor,
                                      public juce::AudioProcessorParameter::Listener
{
public:
    static constexpr int numPrograms = 12;
    static constexpr const char* defaultPresetName = "Black Hole.lwhlp";
    static constexpr double minSampleRate = 8000.0;
    static constexpr double maxSampleRate = 768000.0;
    static constexpr float maxTempo = 1000.0f;
    static constexpr float maxUiScale = 2.0f;

    LumikerWhirlaneAudioProcessor();
    ~LumikerWhirlaneAudioProcessor() override;

    const juce::String getName() const override { return "Lumiker Whirlane"; }
    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlock;
    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    bool isMidiEffect() const override { return false; }
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override { return true; }
    int getNumPrograms() override { return numPrograms; }
    int getCurrentProgram() override { return currentProgram; }
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int, const juce::String&) override {}
    void getStateInformation (juce::MemoryBlock& destData) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;
    void setCurrentProgramStateInformation (const void* data, int sizeInBytes) override;
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    void parameterValueChanged (int parameterIndex, float newValue) override;
    void parameterGestureChanged (int, bool) override {}

    void setParameterFromIndex (int index, float value);
    float getParameterFromIndex (int index) const;
    void setParameterNotifyingHostFromIndex (int index, float value);
    void calc();
    void forceCalcParams (bool);
    void initDefaultPreset();

    // Preset, state and program documents.
    enum PresetResult
    {
        presetNotRead = 0,
        presetApplied = 1,
        presetOfAnotherProduct = 2,
        presetFromNewerVersion = 4,
        stateRead = 5
    };
    std::unique_ptr<juce::XmlElement> writePreset (bool currentOnly);
    int readPreset (juce::XmlElement* document, bool isPresetFile);
    std::unique_ptr<juce::XmlElement> writeCurrentProgram();
    bool readCurrentProgram (juce::XmlElement* document);
    void writeParameterElement (juce::XmlElement* parent, juce::XmlElement* ignored, int program, int channel, int index,
                                int maxValue, bool isChoice);
    void storePresetElement (juce::XmlElement* first, int program, int channel);
    void readPresetElement (juce::XmlElement* first);
    bool comparePreset (juce::XmlElement* document);
    void comparePresetElement (juce::XmlElement* value, int& maxValue, float& current);

    // Preset files: load applies the file to the live channel and records its path
    // (returns a PresetResult); save writes the live channel and records the path.
    int loadPresetFile (const juce::File& file);
    bool savePresetFile (const juce::File& file);
    // True when the live channel differs from the file; a file that cannot be read gives
    // false (there is nothing to differ from).
    bool comparePresetFile (const juce::File& file);

    // A/B: make a channel of the current program live, or copy the live one over the other.
    void switchChannel (int channel);
    void copyChannel();

    int getNumParameterMaps() const { return (int) parameterMaps.size(); }
    const TavoriParameterMap& getParameterMap (int index) const { return parameterMaps[(size_t) index]; }
    ProgramSlot& activeProgram() { return programs[(size_t) currentProgram.load()]; }
    const Whirlane& getRotaryModule() const { return rotaryModule; }

    std::unique_ptr<juce::XmlElement> lastStateXml;
    int blockSize = 512;
    int maxBlockSize = 0;
    std::atomic<int> currentProgram { 0 };
    std::array<ProgramSlot, numPrograms> programs;
    std::vector<TavoriParameterMap> parameterMaps;
    std::atomic<float> bpm { 120.0f };
    juce::AudioPlayHead* playHead = nullptr;
    juce::AudioPlayHead::PositionInfo positionInfo;

    juce::AudioParameterBool* onBypass = nullptr;
    juce::AudioParameterBool* reverseOn = nullptr;
    juce::AudioParameterFloat* rate = nullptr;
    juce::AudioParameterChoice* rateSync = nullptr;
    juce::AudioParameterFloat* depth = nullptr;
    juce::AudioParameterFloat* distance = nullptr;
    juce::AudioParameterFloat* intensity = nullptr;
    juce::AudioParameterBool* crossoverShiftOn = nullptr;
    juce::AudioParameterFloat* crossoverFreq = nullptr;
    juce::AudioParameterFloat* mix = nullptr;
    juce::AudioParameterFloat* level = nullptr;
    juce::AudioParameterFloat* width = nullptr;
    juce::AudioParameterBool* stereoOn = nullptr;
    juce::AudioParameterBool* syncOn = nullptr;

    std::atomic<bool> isReady { false };
    std::atomic<bool> paramsCalculated { false };

    // Written by the editor, read when a host saves its state (any thread).
    std::atomic<float> uiScale { 1.0f };
    std::atomic<bool> viewState { false };
    std::atomic<bool> needsCompare { false };
    std::atomic<bool> parametersChanged { false };
    std::atomic<bool> programChanged { false };
    juce::String presetExtension { "lwhlp" };

private:
    void createParameters();
    void addHostParameter (juce::RangedAudioParameter* parameter);
    float hostValue (int index) const;
    void applyPendingChanges();
    void readTempo();
    void pushActiveChannelToHost();
    void readStateProperties (const juce::XmlElement& properties, int& selectedProgram, int& selectedChannel);
    void readViewSettings (const juce::XmlElement& document);
    void appendChannelValues (juce::XmlElement& parent, int program, int channel);
    void markChanged();
    void markSetReplaced();

    Whirlane rotaryModule;
    PendingParameterChanges pendingChanges;
    // False after a prepare at a rate the engine cannot run at: audio then passes unchanged.
    std::atomic<bool> sampleRateSupported { false };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LumikerWhirlaneAudioProcessor)
};
