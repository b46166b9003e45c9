#include "plugin/SafeXml.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

namespace
{
constexpr juce::uint32 binaryMagic = 0x21324356;

// Nesting depth as a parser would see it, counted generously: every start tag opens a
// level, every end tag and self-closing tag closes one; comments, CDATA sections and
// processing instructions are skipped whole, so nothing inside them counts either way.
int nestingDepth (const std::string& text)
{
    const auto skipPast = [&text] (size_t from, const char* terminator)
    {
        const auto end = text.find (terminator, from);
        return end == std::string::npos ? text.size() : end + std::strlen (terminator);
    };
    const auto startsAt = [&text] (size_t i, const char* prefix) { return text.compare (i, std::strlen (prefix), prefix) == 0; };

    int depth = 0, deepest = 0;
    for (auto i = text.find ('<'); i != std::string::npos && i < text.size(); i = text.find ('<', i))
    {
        const char next = i + 1 < text.size() ? text[i + 1] : 0;

        if (startsAt (i, "<!--"))
        {
            i = skipPast (i + 4, "-->");
        }
        else if (startsAt (i, "<![CDATA["))
        {
            i = skipPast (i + 9, "]]>");
        }
        else if (next == '?' || next == '!')
        {
            i = skipPast (i + 2, ">");
        }
        else if (next == '/')
        {
            depth = std::max (0, depth - 1);
            i = skipPast (i + 2, ">");
        }
        else
        {
            const auto close = text.find ('>', i);
            if (close == std::string::npos || text[close - 1] != '/')
                deepest = std::max (deepest, ++depth);
            i = close == std::string::npos ? text.size() : close + 1;
        }
    }
    return deepest;
}
} // namespace

bool SafeXml::isAcceptable (const juce::String& text)
{
    return ! text.containsIgnoreCase ("<!DOCTYPE") && ! text.containsIgnoreCase ("<!ENTITY") && nestingDepth (text.toStdString()) <= maxDepth;
}

bool SafeXml::isValidUtf8 (const void* data, size_t size)
{
    return juce::CharPointer_UTF8::isValidString (static_cast<const char*> (data), (int) juce::jmin (size, (size_t) INT_MAX));
}

// JUCE's parser walks characters past the end of a string that ends inside a multi-byte
// sequence, so text must be valid UTF-8 before it gets there.
std::unique_ptr<juce::XmlElement> SafeXml::parseBytes (const void* data, size_t size)
{
    if (data == nullptr || size == 0 || ! isValidUtf8 (data, size))
        return {};
    return parse (juce::String::fromUTF8 (static_cast<const char*> (data), (int) juce::jmin (size, (size_t) INT_MAX)));
}

std::unique_ptr<juce::XmlElement> SafeXml::parse (const juce::String& text)
{
    const auto* raw = text.toRawUTF8();
    if (text.isEmpty() || ! isValidUtf8 (raw, std::strlen (raw)) || ! isAcceptable (text))
        return {};
    return juce::parseXML (text);
}

std::unique_ptr<juce::XmlElement> SafeXml::parseFile (const juce::File& file)
{
    juce::MemoryBlock bytes;
    if (! file.existsAsFile() || file.getSize() > maxFileSize || ! file.loadFileAsData (bytes))
        return {};
    return parseBytes (bytes.getData(), bytes.getSize());
}

std::unique_ptr<juce::XmlElement> SafeXml::fromBinary (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 8 || juce::ByteOrder::littleEndianInt (data) != binaryMagic)
        return {};

    const auto length = (int) juce::ByteOrder::littleEndianInt (juce::addBytesToPointer (data, 4));
    if (length <= 0)
        return {};

    return parseBytes (static_cast<const char*> (data) + 8, (size_t) juce::jmin (sizeInBytes - 8, length));
}

bool SafeXml::writeFile (const juce::XmlElement& document, const juce::File& file)
{
    const auto text = document.toString();
    const auto bytes = text.toUTF8();
    const auto size = (juce::int64) bytes.sizeInBytes() - 1;

    juce::TemporaryFile temporary (file);
    {
        juce::FileOutputStream out (temporary.getFile());
        if (! out.openedOk() || ! out.write (bytes.getAddress(), (size_t) size))
            return false;
        out.flush();
        if (out.getStatus().failed())
            return false;
    }

    // A short write is not always reported as an error: check what actually landed.
    if (temporary.getFile().getSize() != size)
        return false;
    return temporary.overwriteTargetFileWithTemporary();
}
