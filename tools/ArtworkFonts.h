#pragma once

#include <juce_graphics/juce_graphics.h>

// The vendored Open Sans faces, loaded from their TTF files so that the artwork uses the
// same type as the editor.
class ArtworkFonts
{
public:
    explicit ArtworkFonts (const juce::File& folder);

    // Names of the files that could not be loaded; empty when all are there.
    juce::StringArray missingFiles() const { return missing; }

    juce::Font regular (float height, float kerning) const;
    juce::Font semiBold (float height, float kerning) const;
    juce::Font bold (float height, float kerning) const;

private:
    juce::Typeface::Ptr load (const juce::File& file);
    static juce::Font make (const juce::Typeface::Ptr& face, float height, float kerning);

    juce::StringArray missing;
    juce::Typeface::Ptr regularFace;
    juce::Typeface::Ptr semiBoldFace;
    juce::Typeface::Ptr boldFace;
};
