#pragma once

#include <optional>

#include <juce_core/juce_core.h>

#include "plugin/TavoriParameterMap.h"

// The one XML vocabulary of presets, host state and program state: a "tavoriPatch" root,
// a "DeviceName", a "Properties" element whose attributes are read by position, and one
// "Value" element per parameter, keyed by the parameter's name.
class PresetDocument
{
public:
    static constexpr const char* rootName = "tavoriPatch";
    static constexpr const char* propertiesName = "Properties";
    static constexpr const char* productId = WHIRLANE_BUNDLE_ID;
    static constexpr const char* deviceVersion = "1.0.0";
    static constexpr const char* presetVersion = "1.0";

    // A new root with its "DeviceName"; the caller appends "Properties" after filling it.
    static std::unique_ptr<juce::XmlElement> createRoot();
    static std::unique_ptr<juce::XmlElement> createProperties();

    static std::unique_ptr<juce::XmlElement> createValue (const juce::String& name, int maxValue, bool isChoice, float value);
    // The normalised value a Value element holds for the parameter it names, if it names this one.
    static std::optional<float> decodeValue (const TavoriParameterMap& map, const juce::XmlElement& element);
    static float storedBoolean (const juce::XmlElement& element);

    static bool isDocument (const juce::XmlElement* document);
    static juce::XmlElement* findProperties (const juce::XmlElement& document);
};
