#pragma once

#include <juce_core/juce_core.h>

// The texts hosts show for the float parameters. maxLength < 1 means no limit.
namespace ParameterText
{
juce::String cut (const juce::String& text, int maxLength);
juce::String rate (float value, int maxLength);
juce::String tenfold (float value, int maxLength);
juce::String crossover (float value, int maxLength);
juce::String mix (float value, int maxLength);
juce::String percent (float value, int maxLength);
} // namespace ParameterText
