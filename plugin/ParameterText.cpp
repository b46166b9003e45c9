#include "plugin/ParameterText.h"

#include "dsp/Whirlane.h"

namespace ParameterText
{
juce::String cut (const juce::String& text, int maxLength)
{
    return maxLength > 0 ? text.substring (0, maxLength) : text;
}

juce::String rate (float value, int maxLength)
{
    return cut (juce::String (Whirlane::freeRateHz (value), 2), maxLength);
}

juce::String tenfold (float value, int maxLength)
{
    return cut (juce::String (value * 10.0f, 2), maxLength);
}

juce::String crossover (float value, int maxLength)
{
    return cut (juce::String (juce::roundToInt (Whirlane::crossoverHz (value))), maxLength);
}

juce::String mix (float value, int maxLength)
{
    const auto dry = juce::String (juce::roundToInt ((1.0f - value) * 100.0f));
    const auto wet = juce::String (juce::roundToInt (value * 100.0f));
    return "Dry: " + cut (dry, maxLength) + "%, Wet: " + cut (wet, maxLength) + "%";
}

juce::String percent (float value, int maxLength)
{
    return cut (juce::String (juce::roundToInt (value * 100.0f)), maxLength);
}
} // namespace ParameterText
