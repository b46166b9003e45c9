#include "plugin/PluginProcessor.h"

#include <cmath>

#include <Tavori_core/Tavori_core.h>

#include "plugin/ParameterText.h"
#include "plugin/PluginEditor.h"
#include "plugin/PresetDocument.h"
#include "plugin/SafeXml.h"

namespace
{
const juce::StringArray syncChoices (Tavori::noteDivisions.data(), (int) Tavori::noteDivisions.size());

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
    return new LumikerWhirlaneAudioProcessorEditor (*this);
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new LumikerWhirlaneAudioProcessor();
}

//==============================================================================
void LumikerWhirlaneAudioProcessor::markChanged()
{
    needsCompare = true;
    parametersChanged = true;
}

// A whole set changed under the host's feet (channel switch, preset load): tell the
// editor and the host.
void LumikerWhirlaneAudioProcessor::markSetReplaced()
{
    markChanged();
    updateHostDisplay (ChangeDetails().withLatencyChanged (true).withParameterInfoChanged (true).withProgramChanged (true));
}

void LumikerWhirlaneAudioProcessor::pushActiveChannelToHost()
{
    for (int i = 0; i < getNumParameterMaps(); ++i)
        setParameterNotifyingHostFromIndex (i, getParameterFromIndex (i));
}

void LumikerWhirlaneAudioProcessor::setCurrentProgram (int index)
{
    if (index < 0 || index >= numPrograms)
        return;

    currentProgram = index;
    suspendProcessing (true);
    paramsCalculated = false;
    pushActiveChannelToHost();
    if (isReady)
        forceCalcParams (false);
    suspendProcessing (false);

    programChanged = true;
    markChanged();
}

const juce::String LumikerWhirlaneAudioProcessor::getProgramName (int index)
{
    if (index < 0 || index >= numPrograms)
        return {};

    const auto& program = programs[(size_t) index];
    const auto& path = program.livePresetPath();
    if (path.isEmpty())
        return {};
    return Tavori::Directory::presets (false).getChildFile (path).getFileNameWithoutExtension();
}

void LumikerWhirlaneAudioProcessor::switchChannel (int channel)
{
    activeProgram().activeChannel = juce::jlimit (0, ProgramSlot::numChannels - 1, channel);

    suspendProcessing (true);
    paramsCalculated = false;
    pushActiveChannelToHost();
    calc();
    suspendProcessing (false);

    markSetReplaced();
}

void LumikerWhirlaneAudioProcessor::copyChannel()
{
    auto& program = activeProgram();
    const int from = program.activeChannel;
    auto& source = program.values[(size_t) from];
    auto& target = program.values[(size_t) (1 - from)];
    for (size_t k = 0; k < source.size(); ++k)
        target[k] = source[k].load();
}

//==============================================================================
void LumikerWhirlaneAudioProcessor::writeParameterElement (juce::XmlElement* parent, juce::XmlElement*, int program, int channel,
                                                           int index, int maxValue, bool isChoice)
{
    if (parent == nullptr || program < 0 || program >= numPrograms || channel < 0 || channel >= ProgramSlot::numChannels
        || index < 0 || index >= Whirlane::numParameters)
        return;

    const float value = programs[(size_t) program].values[(size_t) channel][(size_t) index];
    const auto name = index < getNumParameterMaps() ? getParameterMap (index).name : juce::String();
    if (auto element = PresetDocument::createValue (name, maxValue, isChoice, value))
        parent->addChildElement (element.release());
}

void LumikerWhirlaneAudioProcessor::appendChannelValues (juce::XmlElement& parent, int program, int channel)
{
    for (const auto& map : parameterMaps)
        writeParameterElement (&parent, nullptr, program, channel, map.parameterIndex, map.maxValue, map.isChoice);
}

std::unique_ptr<juce::XmlElement> LumikerWhirlaneAudioProcessor::writePreset (bool currentOnly)
{
    auto root = PresetDocument::createRoot();
    auto properties = PresetDocument::createProperties();

    if (currentOnly)
    {
        appendChannelValues (*properties, currentProgram, activeProgram().activeChannel);
        root->addChildElement (properties.release());
        return root;
    }

    properties->setAttribute ("activePreset", getCurrentProgram());
    for (int p = 0; p < numPrograms; ++p)
    {
        auto* preset = properties->createNewChildElement ("Preset");
        preset->setAttribute ("preset", p);
        preset->setAttribute ("activeChannel", programs[(size_t) p].activeChannel.load());

        for (int c = 0; c < ProgramSlot::numChannels; ++c)
        {
            auto* channel = preset->createNewChildElement ("Channel");
            channel->setAttribute ("channel", c);
            channel->setAttribute ("presetPath", programs[(size_t) p].presetPath[c]);
            appendChannelValues (*channel, p, c);
        }
    }
    root->addChildElement (properties.release());

    auto* view = root->createNewChildElement (Tavori::ID::miscellaneous);
    view->setAttribute (Tavori::ID::id, Tavori::ID::view);
    view->setAttribute (Tavori::ID::value, viewState ? 1 : 0);
    auto* scale = root->createNewChildElement (Tavori::ID::miscellaneous);
    scale->setAttribute (Tavori::ID::id, Tavori::ID::scale);
    scale->setAttribute (Tavori::ID::value, (double) uiScale);
    return root;
}

std::unique_ptr<juce::XmlElement> LumikerWhirlaneAudioProcessor::writeCurrentProgram()
{
    auto root = PresetDocument::createRoot();
    auto properties = PresetDocument::createProperties();
    const auto& program = activeProgram();
    properties->setAttribute ("activeChannel", program.activeChannel.load());

    for (int c = 0; c < ProgramSlot::numChannels; ++c)
    {
        auto* channel = properties->createNewChildElement ("Channel");
        channel->setAttribute ("channel", c);
        channel->setAttribute ("presetPath", program.presetPath[c]);
        appendChannelValues (*channel, currentProgram, c);
    }
    root->addChildElement (properties.release());
    return root;
}

//==============================================================================
void LumikerWhirlaneAudioProcessor::storePresetElement (juce::XmlElement* first, int program, int channel)
{
    if (program < 0 || program >= numPrograms || channel < 0 || channel >= ProgramSlot::numChannels)
        return;

    auto& values = programs[(size_t) program].values[(size_t) channel];
    for (auto* element = first; element != nullptr; element = element->getNextElement())
        for (const auto& map : parameterMaps)
            if (const auto value = PresetDocument::decodeValue (map, *element))
                values[(size_t) map.parameterIndex] = clampNormalised (*value);
}

void LumikerWhirlaneAudioProcessor::readPresetElement (juce::XmlElement* first)
{
    for (auto* element = first; element != nullptr; element = element->getNextElement())
        for (const auto& map : parameterMaps)
            if (const auto value = PresetDocument::decodeValue (map, *element))
                setParameterNotifyingHostFromIndex (map.parameterIndex, clampNormalised (*value));
}

int LumikerWhirlaneAudioProcessor::readPreset (juce::XmlElement* document, bool isPresetFile)
{
    if (! isPresetFile)
    {
        if (! PresetDocument::isDocument (document))
            return stateRead;

        int selectedProgram = 0, selectedChannel = 0;
        for (auto* properties : document->getChildWithTagNameIterator (PresetDocument::propertiesName))
            readStateProperties (*properties, selectedProgram, selectedChannel);
        readViewSettings (*document);

        currentProgram = selectedProgram;
        programs[(size_t) selectedProgram].activeChannel = selectedChannel;
        setCurrentProgram (selectedProgram);
        return stateRead;
    }

    if (! PresetDocument::isDocument (document))
        return presetNotRead;
    auto* properties = PresetDocument::findProperties (*document);
    if (properties == nullptr)
        return presetNotRead;
    if (properties->getAttributeValue (0) != PresetDocument::productId)
        return presetOfAnotherProduct;

    suspendProcessing (true);
    paramsCalculated = false;
    readPresetElement (properties->getFirstChildElement());
    if (isReady)
        forceCalcParams (false);
    suspendProcessing (false);

    return properties->getAttributeValue (2).getDoubleValue() > 1.0 ? presetFromNewerVersion : presetApplied;
}

// Programs and channels beyond the table are ignored; attributes are read by position.
void LumikerWhirlaneAudioProcessor::readStateProperties (const juce::XmlElement& properties, int& selectedProgram, int& selectedChannel)
{
    const int activePreset = properties.getAttributeValue (3).getIntValue();
    int p = 0;
    for (auto* preset = properties.getFirstChildElement(); preset != nullptr && p < numPrograms; preset = preset->getNextElement(), ++p)
    {
        auto& program = programs[(size_t) p];
        const int presetChannel = preset->getAttributeValue (1).getIntValue();
        program.activeChannel = juce::jlimit (0, ProgramSlot::numChannels - 1, presetChannel);

        int n = 0;
        for (auto* channel = preset->getFirstChildElement(); channel != nullptr && n < ProgramSlot::numChannels;
             channel = channel->getNextElement(), ++n)
        {
            program.presetPath[n] = channel->getAttributeValue (1);
            if (p == activePreset && n == presetChannel)
            {
                selectedProgram = p;
                selectedChannel = n;
            }
            storePresetElement (channel->getFirstChildElement(), p, n);
        }
    }
}

void LumikerWhirlaneAudioProcessor::readViewSettings (const juce::XmlElement& document)
{
    if (auto* view = document.getChildByAttribute (Tavori::ID::id, Tavori::ID::view))
        viewState = view->getBoolAttribute (Tavori::ID::value);

    if (auto* scale = document.getChildByAttribute (Tavori::ID::id, Tavori::ID::scale))
    {
        // Below 0.5 the editor opens at its default size; above the largest window it is
        // limited anyway, so the stored scale never leaves that range.
        const auto value = (float) scale->getDoubleAttribute (Tavori::ID::value);
        if (std::isfinite (value))
            uiScale = juce::jlimit (0.0f, maxUiScale, value);
    }
}

bool LumikerWhirlaneAudioProcessor::readCurrentProgram (juce::XmlElement* document)
{
    if (! PresetDocument::isDocument (document))
        return false;

    auto& program = activeProgram();
    int n = 0;
    for (auto* properties : document->getChildWithTagNameIterator (PresetDocument::propertiesName))
    {
        program.activeChannel = juce::jlimit (0, ProgramSlot::numChannels - 1, properties->getAttributeValue (3).getIntValue());
        for (auto* channel : properties->getChildIterator())
        {
            if (n < ProgramSlot::numChannels)
            {
                program.presetPath[n] = channel->getAttributeValue (1);
                storePresetElement (channel->getFirstChildElement(), currentProgram, n);
            }
            ++n;
        }
    }

    setCurrentProgram (currentProgram);
    return true;
}

//==============================================================================
void LumikerWhirlaneAudioProcessor::comparePresetElement (juce::XmlElement* value, int& maxValue, float& current)
{
    if (value == nullptr)
        return;

    for (const auto& map : parameterMaps)
    {
        if (value->getAttributeValue (0) == map.name)
        {
            maxValue = map.maxValue;
            current = getParameterFromIndex (map.parameterIndex);
            return;
        }
    }
}

bool LumikerWhirlaneAudioProcessor::comparePreset (juce::XmlElement* document)
{
    if (! PresetDocument::isDocument (document) || document->getNumChildElements() == 0)
        return false;

    constexpr float tolerance = 0.00001f;
    for (auto* properties : document->getChildWithTagNameIterator (PresetDocument::propertiesName))
    {
        for (auto* element : properties->getChildIterator())
        {
            int maxValue = -1;
            float current = -1.0f;
            comparePresetElement (element, maxValue, current);

            if (maxValue == 0)
            {
                const float stored = PresetDocument::storedBoolean (*element);
                const float live = current > 0.0f ? 1.0f : (current == 0.0f ? 0.0f : current);
                if (std::abs (live - stored) >= tolerance)
                    return true;
            }
            else if (maxValue > 0)
            {
                const float stored = element->getAllSubText().getFloatValue() / (float) maxValue;
                if (std::abs (current - stored) >= tolerance)
                    return true;
            }
        }
    }
    return false;
}

//==============================================================================
void LumikerWhirlaneAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (*writePreset (false), destData);
}

void LumikerWhirlaneAudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destData)
{
    copyXmlToBinary (*writeCurrentProgram(), destData);
}

void LumikerWhirlaneAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    lastStateXml = SafeXml::fromBinary (data, sizeInBytes);
    if (lastStateXml != nullptr)
        readPreset (lastStateXml.get(), false);
}

void LumikerWhirlaneAudioProcessor::setCurrentProgramStateInformation (const void* data, int sizeInBytes)
{
    lastStateXml = SafeXml::fromBinary (data, sizeInBytes);
    if (lastStateXml != nullptr)
        readCurrentProgram (lastStateXml.get());
}

//==============================================================================
int LumikerWhirlaneAudioProcessor::loadPresetFile (const juce::File& file)
{
    markSetReplaced();

    const auto document = SafeXml::parseFile (file);
    const int result = readPreset (document.get(), true);
    activeProgram().livePresetPath() = file.getFullPathName();
    return result;
}

bool LumikerWhirlaneAudioProcessor::comparePresetFile (const juce::File& file)
{
    const auto document = SafeXml::parseFile (file);
    return document != nullptr && comparePreset (document.get());
}

bool LumikerWhirlaneAudioProcessor::savePresetFile (const juce::File& file)
{
    const bool saved = SafeXml::writeFile (*writePreset (true), file);
    if (saved)
        activeProgram().livePresetPath() = file.getFullPathName();
    needsCompare = true;
    return saved;
}
