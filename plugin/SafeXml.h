#pragma once

#include <juce_core/juce_core.h>

// Reads and writes the XML of presets, state and settings. Parses XML that comes from hosts and disks, which may be anything. Our documents are a
// few levels deep and never declare a DTD, so deeper nesting (which would exhaust the
// stack of a recursive parser) and DTD entities (which can expand without bound) are
// refused before parsing.
class SafeXml
{
public:
    static constexpr int maxDepth = 32;
    static constexpr juce::int64 maxFileSize = 16 * 1024 * 1024;

    static std::unique_ptr<juce::XmlElement> parse (const juce::String& text);
    static std::unique_ptr<juce::XmlElement> parseBytes (const void* data, size_t size);
    static std::unique_ptr<juce::XmlElement> parseFile (const juce::File& file);
    // Unpacks JUCE's binary state envelope (as written by AudioProcessor::copyXmlToBinary).
    static std::unique_ptr<juce::XmlElement> fromBinary (const void* data, int sizeInBytes);

    // Writes the document (JUCE's default text format) to a temporary file beside the target
    // and replaces the target only when every byte reached the disk, so a failed or short
    // write leaves the previous file as it was.
    static bool writeFile (const juce::XmlElement& document, const juce::File& file);

    static bool isAcceptable (const juce::String& text);
    static bool isValidUtf8 (const void* data, size_t size);
};
