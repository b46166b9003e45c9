#pragma once

#include <stdexcept>

#include <juce_core/juce_core.h>

// Anything the user can get wrong ends the render with this; main prints it as one line.
class RenderError : public std::runtime_error
{
public:
    explicit RenderError (const juce::String& message) : std::runtime_error (message.toStdString()) {}
};
