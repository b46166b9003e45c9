#include "tools/PresetFile.h"

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
    if (! isPlainXml (text))
        throw problem ("not a Lumiker Whirlane preset (a DTD or nesting too deep)");
    return text;
}

// JUCE's parser expands DTD entities without bound and recurses once per level, so a
// hostile file could hang or crash it; presets have neither.
bool PresetFile::isPlainXml (const juce::String& text)
{
    if (text.containsIgnoreCase ("<!DOCTYPE") || text.containsIgnoreCase ("<!ENTITY"))
        return false;

    int depth = 0;
    juce::juce_wchar previous = 0;
    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
    {
        const auto c = *p;
        if (c == '<')
        {
            const auto next = *(p + 1);
            depth += next == '/' ? -1 : (next == '!' || next == '?' ? 0 : 1);
            if (depth > maxDepth)
                return false;
        }
        else if (c == '>' && previous == '/')
        {
            --depth;
        }
        previous = c;
    }
    return true;
}

RenderError PresetFile::problem (const juce::String& what) const
{
    return RenderError ("--preset " + path + ": " + what);
}
