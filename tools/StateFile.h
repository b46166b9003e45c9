#pragma once

#include <juce_core/juce_core.h>

// A saved host state: the raw bytes of the plug-in's getStateInformation block. Writing
// goes to a temporary file beside the target, which replaces it only in commit(), so a
// failed run leaves no partial file behind.
class StateFile
{
public:
    // Throws RenderError when the file is missing, unreadable, empty or implausibly large.
    static juce::MemoryBlock load (const juce::File& file);

    // Throws RenderError when the temporary file cannot be written.
    explicit StateFile (const juce::File& target);

    void write (const juce::MemoryBlock& state);
    void commit();

    // Far above any real state; keeps a wrong file from being read into memory whole.
    static constexpr juce::int64 maxSize = 64 * 1024 * 1024;

private:
    juce::String cannotWrite() const;

    juce::File target;
    juce::TemporaryFile temporary;
    std::unique_ptr<juce::FileOutputStream> stream;
};
