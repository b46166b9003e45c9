#include "tools/PresetFile.h"

#include "plugin/SafeXml.h"

PresetFile::PresetFile (const juce::File& file) : path (file.getFullPathName())
{
    const auto document = juce::parseXML (readText (file));
    if (document == nullptr)
        throw problem ("not an XML file");
    if (! document->hasTagName ("tavoriPatch"))
        throw problem ("not a Lumiker Whirlane preset (the root element is \"" + document->getTagName() + "\")");

    const auto* properties = document->getChildByName ("Properties");
    if (properties == nullptr)
        throw problem ("not a Lumiker Whirlane preset (no Properties element)");
    // The product is named by position, so a renamed attribute still identifies it.
    if (properties->getAttributeValue (0) != productId)
        throw problem ("not a Lumiker Whirlane preset (it is for \"" + properties->getAttributeValue (0) + "\")");

    version = properties->getStringAttribute ("presetVersion");
    for (const auto* value : properties->getChildWithTagNameIterator ("Value"))
        entries.push_back ({ value->getStringAttribute ("property"), value->getAllSubText().trim() });
}

juce::String PresetFile::readText (const juce::File& file) const
{
    if (! file.exists())
        throw problem ("no such file");
    if (! file.existsAsFile())
        throw problem ("not a file");
    if (file.getSize() > maxSize)
        throw problem ("too large to be a preset");

    juce::FileInputStream stream (file);
    if (! stream.openedOk())
        throw problem ("cannot read the file");
    const auto text = stream.readEntireStreamAsString();
    if (! SafeXml::isAcceptable (text))
        throw problem ("not a Lumiker Whirlane preset (a DTD or nesting too deep)");
    return text;
}

RenderError PresetFile::problem (const juce::String& what) const
{
    return RenderError ("--preset " + path + ": " + what);
}
