#include "tools/ArtworkFonts.h"

ArtworkFonts::ArtworkFonts (const juce::File& folder)
    : regularFace (load (folder.getChildFile ("OpenSans-Regular.ttf"))),
      semiBoldFace (load (folder.getChildFile ("OpenSans-SemiBold.ttf"))),
      boldFace (load (folder.getChildFile ("OpenSans-Bold.ttf")))
{
}

juce::Font ArtworkFonts::regular (float height, float kerning) const
{
    return make (regularFace, height, kerning);
}

juce::Font ArtworkFonts::semiBold (float height, float kerning) const
{
    return make (semiBoldFace, height, kerning);
}

juce::Font ArtworkFonts::bold (float height, float kerning) const
{
    return make (boldFace, height, kerning);
}

juce::Typeface::Ptr ArtworkFonts::load (const juce::File& file)
{
    juce::MemoryBlock data;
    if (! file.loadFileAsData (data) || data.isEmpty())
    {
        missing.add (file.getFullPathName());
        return {};
    }
    return juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());
}

juce::Font ArtworkFonts::make (const juce::Typeface::Ptr& face, float height, float kerning)
{
    juce::Font font (face);
    font.setHeight (height);
    font.setExtraKerningFactor (kerning);
    return font;
}
