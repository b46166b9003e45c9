#include "plugin/PluginProcessor.h"

#include <cmath>

#include "plugin/ParameterText.h"

namespace
{
const juce::StringArray syncChoices { "8/1", "4/1", "2/1", "1/1", "1/2D", "1/2", "1/2T", "1/4D", "1/4", "1/4T",
                                      "1/8D", "1/8", "1/8T", "1/16D", "1/16", "1/16T", "1/32D", "1/32", "1/32T" };

// Hosts and files may hand us anything; the table and the engine only ever see 0..1.
float clampNormalised (float value)
{
    return value >= 0.0f ? (value <= 1.0f ? value : 1.0f) : 0.0f;
}

juce::ParameterID parameterId (const char* id)
{
    return { id, 1 };
}

using TextRule = juce::String (*) (float, int);

juce::AudioParameterFloat* makeFloat (const char* id, const char* name, float defaultValue, const char* label, TextRule rule)
{
    const juce::NormalisableRange<float> range (0.0f, 1.0f, 0.00001f, 1.0f, false);
    auto attributes = juce::AudioParameterFloatAttributes()
                          .withLabel (label)
                          .withStringFromValueFunction ([rule] (float value, int maxLength) { return rule (value, maxLength); });
    return new juce::AudioParameterFloat (parameterId (id), name, range, defaultValue, attributes);
}

juce::AudioParameterBool* makeBool (const char* id, const char* name, bool defaultValue)
{
    return new juce::AudioParameterBool (parameterId (id), name, defaultValue);
}

TavoriParameterMap describe (const juce::RangedAudioParameter& parameter)
{
    TavoriParameterMap map;
    map.parameterIndex = parameter.getParameterIndex();
    map.name = parameter.getName (1024);

    if (auto* choice = dynamic_cast<const juce::AudioParameterChoice*> (&parameter))
    {
        map.isChoice = true;
        map.maxValue = choice->choices.size() - 1;
        map.defaultValue = (float) choice->getIndex();
    }
    else if (auto* flag = dynamic_cast<const juce::AudioParameterBool*> (&parameter))
    {
        map.maxValue = 0;
        map.defaultValue = flag->get() ? 1.0f : 0.0f;
    }
    else if (auto* number = dynamic_cast<const juce::AudioParameterFloat*> (&parameter))
    {
        map.maxValue = (int) number->range.end;
        map.defaultValue = number->get();
    }
    return map;
}
} // namespace

LumikerWhirlaneAudioProcessor::LumikerWhirlaneAudioProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
{
    createParameters();

    needsCompare = false;
    parametersChanged = false;
    programChanged = false;
    paramsCalculated = false;
    blockSize = 512;
    maxBlockSize = 0;

    initDefaultPreset();

    bpm = 120.0f;
    isReady = false;
}

LumikerWhirlaneAudioProcessor::~LumikerWhirlaneAudioProcessor()
{
    for (auto* parameter : getParameters())
        parameter->removeListener (this);
}

void LumikerWhirlaneAudioProcessor::createParameters()
{
    using namespace ParameterText;

    addHostParameter (onBypass = makeBool ("LWhl_000000", "onBypass", true));
    addHostParameter (reverseOn = makeBool ("LWhl_000100", "reverseOn", false));
    addHostParameter (rate = makeFloat ("LWhl_000200", "rate", 0.59454f, "Hz", ParameterText::rate));
    addHostParameter (rateSync = new juce::AudioParameterChoice (parameterId ("LWhl_000201"), "rateSync", syncChoices, 3));
    addHostParameter (depth = makeFloat ("LWhl_000300", "depth", 0.7933f, "", tenfold));
    addHostParameter (distance = makeFloat ("LWhl_000400", "distance", 0.68994f, "", tenfold));
    addHostParameter (intensity = makeFloat ("LWhl_000500", "intensity", 1.0f, "", tenfold));
    addHostParameter (crossoverShiftOn = makeBool ("LWhl_000600", "crossoverShiftOn", false));
    addHostParameter (crossoverFreq = makeFloat ("LWhl_000700", "crossoverFreq", 0.37727f, "Hz", crossover));
    addHostParameter (mix = makeFloat ("LWhl_000800", "mix", 0.58013f, "", ParameterText::mix));
    addHostParameter (level = makeFloat ("LWhl_000900", "level", 0.76244f, "", tenfold));
    addHostParameter (width = makeFloat ("LWhl_001000", "width", 0.5f, "%", percent));
    addHostParameter (stereoOn = makeBool ("LWhl_001100", "stereoOn", false));
    addHostParameter (syncOn = makeBool ("LWhl_001200", "syncOn", false));
}

void LumikerWhirlaneAudioProcessor::addHostParameter (juce::RangedAudioParameter* parameter)
{
    addParameter (parameter);
    parameterMaps.push_back (describe (*parameter));
    parameter->addListener (this);
}

void LumikerWhirlaneAudioProcessor::initDefaultPreset()
{
    currentProgram = 0;

    for (auto& program : programs)
    {
        program.activeChannel = 0;
        for (int channel = 0; channel < ProgramSlot::numChannels; ++channel)
        {
            program.presetPath[channel] = defaultPresetName;
            for (size_t k = 0; k < parameterMaps.size(); ++k)
                program.values[channel][k] = parameterMaps[k].normalisedDefault();
        }
    }

    auto& current = activeProgram();
    const auto& parameters = getParameters();
    for (int k = 0; k < parameters.size(); ++k)
        parameters[k]->setValue (current.values[(size_t) current.activeChannel.load()][(size_t) k]);
}

//==============================================================================
float LumikerWhirlaneAudioProcessor::hostValue (int index) const
{
    return clampNormalised (getParameters()[index]->getValue());
}

void LumikerWhirlaneAudioProcessor::parameterValueChanged (int parameterIndex, float newValue)
{
    if (parameterIndex < 0 || parameterIndex >= getNumParameterMaps())
        return;

    setParameterFromIndex (parameterIndex, newValue);
    needsCompare = true;
}

void LumikerWhirlaneAudioProcessor::setParameterFromIndex (int index, float value)
{
    if (index < 0 || index >= getNumParameterMaps())
        return;

    auto& program = activeProgram();
    program.values[(size_t) program.activeChannel.load()][(size_t) index] = clampNormalised (value);
    parametersChanged = true;

    // Once audio may be running, the engine is only written by the audio thread itself.
    if (isReady)
    {
        pendingChanges.push (index, hostValue (index));
        return;
    }

    rotaryModule.setParameter (index, hostValue (index));
    if (paramsCalculated)
        rotaryModule.calcParameter (index);
}

float LumikerWhirlaneAudioProcessor::getParameterFromIndex (int index) const
{
    if (index < 0 || index >= getNumParameterMaps())
        return 0.0f;

    const auto& program = programs[(size_t) currentProgram.load()];
    return program.values[(size_t) program.activeChannel.load()][(size_t) index];
}

void LumikerWhirlaneAudioProcessor::setParameterNotifyingHostFromIndex (int index, float value)
{
    if (index >= 0 && index < getNumParameterMaps())
        getParameters()[index]->setValueNotifyingHost (value);
}

void LumikerWhirlaneAudioProcessor::calc()
{
    if (isReady)
        forceCalcParams (false);
}

// Only called where no block runs: from prepareToPlay or between suspendProcessing calls.
void LumikerWhirlaneAudioProcessor::forceCalcParams (bool)
{
    pendingChanges.clear();
    rotaryModule.resetBuffer();
    rotaryModule.resetCoeffs();
    rotaryModule.setBpm (bpm);
    for (int index = 0; index < Whirlane::numParameters; ++index)
        rotaryModule.setParameter (index, hostValue (index));
    rotaryModule.forceCalcParams();
    paramsCalculated = true;
}

//==============================================================================
void LumikerWhirlaneAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    samplesPerBlock = juce::jmax (0, samplesPerBlock);
    blockSize = samplesPerBlock;
    sampleRateSupported = std::isfinite (sampleRate) && sampleRate >= minSampleRate && sampleRate <= maxSampleRate;

    if (sampleRateSupported)
    {
        const bool grew = maxBlockSize < samplesPerBlock;
        if (grew)
            maxBlockSize = samplesPerBlock;

        rotaryModule.setSampleRate ((float) sampleRate);
        rotaryModule.setExpectedSampleFrame (blockSize, grew);
        forceCalcParams (false);
    }

    isReady = true;
}

void LumikerWhirlaneAudioProcessor::applyPendingChanges()
{
    const bool calculated = paramsCalculated;
    pendingChanges.drain ([this, calculated] (int index, float value) {
        rotaryModule.setParameter (index, value);
        if (calculated)
            rotaryModule.calcParameter (index);
    });
}

void LumikerWhirlaneAudioProcessor::readTempo()
{
    playHead = getPlayHead();

    if (playHead != nullptr)
    {
        if (const auto position = playHead->getPosition())
            positionInfo = *position;

        if (const auto hostBpm = positionInfo.getBpm())
        {
            const auto tempo = juce::jlimit (0.0f, maxTempo, (float) *hostBpm);
            if (std::isfinite (tempo) && tempo != bpm.load())
            {
                bpm = tempo;
                rotaryModule.setBpm (tempo);
            }
        }
    }

    playHead = nullptr;
}

void LumikerWhirlaneAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    const int numSamples = buffer.getNumSamples();
    const int channels = buffer.getNumChannels();
    const int ins = juce::jmin (getTotalNumInputChannels(), channels);
    const int outs = juce::jmin (getTotalNumOutputChannels(), channels);

    for (int channel = ins; channel < outs; ++channel)
        buffer.clear (channel, 0, numSamples);

    if (! isReady || ! sampleRateSupported || outs < 1)
        return;

    if (isSuspended())
    {
        for (int channel = 0; channel < outs; ++channel)
            buffer.clear (channel, 0, numSamples);
        return;
    }

    float* left = buffer.getWritePointer (0);
    float* right = (ins > 1 || outs >= 2) ? buffer.getWritePointer (1) : nullptr;
    if (ins <= 1 && outs >= 2)
        buffer.copyFrom (1, 0, buffer, 0, 0, numSamples);

    applyPendingChanges();
    readTempo();

    if (outs >= 2)
        rotaryModule.process (left, right, numSamples);
    else
        rotaryModule.process (left, numSamples);
}

bool LumikerWhirlaneAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto mono = juce::AudioChannelSet::mono();
    const auto stereo = juce::AudioChannelSet::stereo();
    const auto in = layouts.getMainInputChannelSet();
    const auto out = layouts.getMainOutputChannelSet();

    return (in == mono && out == mono) || (in == mono && out == stereo) || (in == stereo && out == stereo);
}

juce::AudioProcessorEditor* LumikerWhirlaneAudioProcessor::createEditor()
{
    return new juce::GenericAudioProcessorEditor (*this);
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new LumikerWhirlaneAudioProcessor();
}
