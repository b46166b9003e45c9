#include "tests/fuzz/StateFuzzTarget.h"

#include <cmath>

#include "plugin/PluginProcessor.h"
#include "plugin/PluginSettings.h"
#include "plugin/SafeXml.h"

namespace
{
bool tableInRange (LumikerWhirlaneAudioProcessor& processor)
{
    if (processor.getCurrentProgram() < 0 || processor.getCurrentProgram() >= LumikerWhirlaneAudioProcessor::numPrograms)
        return false;
    if (! std::isfinite (processor.uiScale) || processor.uiScale < 0.0f || processor.uiScale > LumikerWhirlaneAudioProcessor::maxUiScale)
        return false;

    for (auto& program : processor.programs)
    {
        if (program.activeChannel < 0 || program.activeChannel >= ProgramSlot::numChannels)
            return false;
        for (auto& channel : program.values)
            for (auto& value : channel)
                if (! (value >= 0.0f && value <= 1.0f))
                    return false;
    }

    for (auto* parameter : processor.getParameters())
        if (! (parameter->getValue() >= 0.0f && parameter->getValue() <= 1.0f))
            return false;
    return true;
}

void wrapInEnvelope (const void* data, std::size_t size, juce::MemoryBlock& block)
{
    const juce::String text = juce::String::fromUTF8 (static_cast<const char*> (data), (int) size);
    juce::MemoryOutputStream out (block, false);
    out.writeInt (0x21324356);
    out.writeInt ((int) text.getNumBytesAsUTF8() + 1);
    out << text;
    out.writeByte (0);
}
} // namespace

bool runStateFuzzInput (const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return true;

    const std::uint8_t which = data[0] % 6;
    const auto* rest = data + 1;
    const auto restSize = size - 1;
    const auto text = juce::String::fromUTF8 (reinterpret_cast<const char*> (rest), (int) restSize);

    if (which == 5)
    {
        PluginSettings settings;
        settings.read (SafeXml::parse (text).get());
        return settings.defaultWidth >= PluginSettings::minWidth && settings.defaultWidth <= PluginSettings::maxWidth
               && settings.defaultHeight >= PluginSettings::minHeight && settings.defaultHeight <= PluginSettings::maxHeight;
    }

    LumikerWhirlaneAudioProcessor processor;
    juce::MemoryBlock block;

    switch (which)
    {
        case 0: processor.setStateInformation (rest, (int) restSize); break;
        case 1: processor.setCurrentProgramStateInformation (rest, (int) restSize); break;
        case 2:
            wrapInEnvelope (rest, restSize, block);
            processor.setStateInformation (block.getData(), (int) block.getSize());
            break;
        case 3:
            wrapInEnvelope (rest, restSize, block);
            processor.setCurrentProgramStateInformation (block.getData(), (int) block.getSize());
            break;
        default:
        {
            const auto document = SafeXml::parse (text);
            processor.readPreset (document.get(), true);
            break;
        }
    }

    if (! tableInRange (processor))
        return false;

    // Whatever was read must write out again as a well-formed document.
    return processor.writePreset (false) != nullptr && processor.writeCurrentProgram() != nullptr;
}
