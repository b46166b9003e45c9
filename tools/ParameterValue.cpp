#include "tools/ParameterValue.h"

#include <cmath>

#include "tools/NumberText.h"
#include "tools/RenderError.h"

float ParameterValue::parse (const juce::AudioProcessorParameter& parameter, const juce::String& text)
{
    if (isSwitch (parameter))
        if (const auto value = parseSwitch (text))
            return *value;

    if (isChoice (parameter))
        if (const auto value = parseChoice (parameter, text))
            return *value;

    if (const auto number = NumberText::parse (text))
    {
        if (*number < 0.0 || *number > 1.0)
            throw RenderError ("value out of range (0 to 1)");
        return (float) *number;
    }

    if (isSwitch (parameter))
        throw RenderError ("not a switch value (on/off, true/false or 0..1)");
    if (isChoice (parameter))
        throw RenderError ("not a choice (" + choiceTexts (parameter).joinIntoString ("|") + ") nor a number 0..1");
    throw RenderError ("not a number 0..1");
}

float ParameterValue::fromPreset (const juce::AudioProcessorParameter& parameter, const juce::String& text)
{
    if (isSwitch (parameter))
        return text == "true" ? 1.0f : 0.0f;

    const auto number = NumberText::parse (text);
    if (! number)
        throw RenderError ("not a number: \"" + text + "\"");

    if (isChoice (parameter))
    {
        const int last = parameter.getNumSteps() - 1;
        return (float) std::lround (juce::jlimit (0.0, (double) last, *number)) / (float) last;
    }
    return (float) juce::jlimit (0.0, 1.0, *number);
}

bool ParameterValue::isSwitch (const juce::AudioProcessorParameter& parameter)
{
    return parameter.isBoolean() || (parameter.isDiscrete() && parameter.getNumSteps() == 2);
}

bool ParameterValue::isChoice (const juce::AudioProcessorParameter& parameter)
{
    return ! isSwitch (parameter) && parameter.isDiscrete() && parameter.getNumSteps() > 2;
}

std::optional<float> ParameterValue::parseSwitch (const juce::String& text)
{
    if (text.equalsIgnoreCase ("on") || text.equalsIgnoreCase ("true"))
        return 1.0f;
    if (text.equalsIgnoreCase ("off") || text.equalsIgnoreCase ("false"))
        return 0.0f;
    return std::nullopt;
}

std::optional<float> ParameterValue::parseChoice (const juce::AudioProcessorParameter& parameter, const juce::String& text)
{
    const auto texts = choiceTexts (parameter);
    for (int index = 0; index < texts.size(); ++index)
        if (texts[index].equalsIgnoreCase (text))
            return (float) index / (float) (texts.size() - 1);
    return std::nullopt;
}

// A choice's texts are what the plug-in shows for each of its steps.
juce::StringArray ParameterValue::choiceTexts (const juce::AudioProcessorParameter& parameter)
{
    const int steps = parameter.getNumSteps();
    juce::StringArray texts;
    for (int index = 0; index < steps; ++index)
        texts.add (parameter.getText ((float) index / (float) (steps - 1), 1024));
    return texts;
}
