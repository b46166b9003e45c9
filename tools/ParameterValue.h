#pragma once

#include <optional>

#include <juce_audio_processors/juce_audio_processors.h>

// Turns the VALUE of --set NAME=VALUE, or the text of a preset file's Value element, into
// the normalised value a host sends.
class ParameterValue
{
public:
    // Throws RenderError when the text fits the parameter in no way.
    static float parse (const juce::AudioProcessorParameter& parameter, const juce::String& text);
    // A preset holds "true"/"false" for a switch, a choice's index, and a normalised number
    // otherwise; numbers beyond the range are limited to it. Throws RenderError for text
    // that is no number where one belongs.
    static float fromPreset (const juce::AudioProcessorParameter& parameter, const juce::String& text);

private:
    static bool isSwitch (const juce::AudioProcessorParameter& parameter);
    static bool isChoice (const juce::AudioProcessorParameter& parameter);
    static std::optional<float> parseSwitch (const juce::String& text);
    static std::optional<float> parseChoice (const juce::AudioProcessorParameter& parameter, const juce::String& text);
    static juce::StringArray choiceTexts (const juce::AudioProcessorParameter& parameter);
};
