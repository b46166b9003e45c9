#pragma once

// Allowed-character sets for juce::TextEditor::setInputRestrictions.
namespace Tavori::KeyboardInputFilter
{
inline const juce::String numeric { "01234567890" };
inline const juce::String decimal { numeric + "-." };
inline const juce::String decimalPositive { decimal.removeCharacters ("-") };
} // namespace Tavori::KeyboardInputFilter
