#include "plugin/PresetDocument.h"

std::unique_ptr<juce::XmlElement> PresetDocument::createRoot()
{
    auto root = std::make_unique<juce::XmlElement> (rootName);
    root->setAttribute ("version", "1.0");
    root->createNewChildElement ("DeviceName")->addTextElement ("Lumiker Whirlane");
    return root;
}

std::unique_ptr<juce::XmlElement> PresetDocument::createProperties()
{
    auto properties = std::make_unique<juce::XmlElement> (propertiesName);
    properties->setAttribute ("deviceProductID", productId);
    properties->setAttribute ("deviceVersion", deviceVersion);
    properties->setAttribute ("presetVersion", presetVersion);
    return properties;
}

std::unique_ptr<juce::XmlElement> PresetDocument::createValue (const juce::String& name, int maxValue, bool isChoice, float value)
{
    if (maxValue < 0)
        return {};

    auto element = std::make_unique<juce::XmlElement> ("Value");
    element->setAttribute ("property", name);

    if (maxValue == 0)
    {
        element->setAttribute ("type", "boolean");
        element->addTextElement (value > 0.0f ? "true" : "false");
    }
    else if (isChoice)
    {
        element->setAttribute ("type", "number");
        element->addTextElement (juce::String (juce::roundToInt ((float) maxValue * value)));
    }
    else
    {
        element->setAttribute ("type", "number");
        element->addTextElement (juce::String (value, 5));
    }
    return element;
}

float PresetDocument::storedBoolean (const juce::XmlElement& element)
{
    return element.getAllSubText().trim() == "true" ? 1.0f : 0.0f;
}

std::optional<float> PresetDocument::decodeValue (const TavoriParameterMap& map, const juce::XmlElement& element)
{
    if (map.maxValue < 0 || element.getAttributeValue (0) != map.name)
        return std::nullopt;

    if (map.maxValue == 0)
        return storedBoolean (element);

    const float number = element.getAllSubText().getFloatValue();
    return map.isChoice ? number / ((float) map.maxValue + 0.000001f) : number / (float) map.maxValue;
}

bool PresetDocument::isDocument (const juce::XmlElement* document)
{
    return document != nullptr && document->hasTagName (rootName);
}

juce::XmlElement* PresetDocument::findProperties (const juce::XmlElement& document)
{
    return document.getChildByName (propertiesName);
}
