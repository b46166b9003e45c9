#pragma once

#include <juce_core/juce_core.h>

// How one host parameter is written into state and preset documents.
struct TavoriParameterMap
{
    int parameterIndex = 0;
    juce::String name;
    int maxValue = 0;
    bool isChoice = false;
    float defaultValue = 0.0f;

    // The same divisor is used for storing and reading, so a stored choice rounds back to its index.
    float normalisedDefault() const
    {
        if (maxValue == 0)
            return defaultValue;
        if (maxValue < 0)
            return 0.0f;
        return isChoice ? defaultValue / ((float) maxValue + 0.000001f) : defaultValue / (float) maxValue;
    }
};
