#pragma once

#include <optional>

#include <juce_core/juce_core.h>

// Strict reading of a number typed on the command line: all of the text, finite.
class NumberText
{
public:
    static std::optional<double> parse (const juce::String& text);
};
