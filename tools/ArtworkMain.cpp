// whirlane-artwork: draws the editor's background, switch strip and fader handle and the
// about box's logo film strip, and writes them as PNG files.
//
//   whirlane-artwork --fonts <folder with the Open Sans TTFs> --images <output folder>
//                    [--preview <folder>]
//
// The preview folder gets the artwork as the editor shows it at base size (preview.png),
// at full size (preview-full.png), the four switch states (preview-switch.png) and every
// sixth frame of the logo strip with its last one (preview-logo.png).

#include <iostream>

#include <juce_graphics/juce_graphics.h>

#include "tools/ArtworkFonts.h"
#include "tools/ArtworkPreview.h"
#include "tools/BackgroundArtwork.h"
#include "tools/FaderArtwork.h"
#include "tools/LogoArtwork.h"
#include "tools/PngFile.h"
#include "tools/SwitchArtwork.h"

namespace
{
juce::String optionValue (const juce::StringArray& arguments, const juce::String& name)
{
    const int index = arguments.indexOf (name);
    return index >= 0 && index + 1 < arguments.size() ? arguments[index + 1] : juce::String();
}

int usage()
{
    std::cerr << "Usage: whirlane-artwork --fonts <folder> --images <folder> [--preview <folder>]\n";
    return 2;
}
} // namespace

int main (int argc, char* argv[])
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto fontFolder = optionValue (arguments, "--fonts");
    const auto imageFolder = optionValue (arguments, "--images");
    const auto previewFolder = optionValue (arguments, "--preview");
    if (fontFolder.isEmpty() || imageFolder.isEmpty())
        return usage();

    const ArtworkFonts fonts (juce::File::getCurrentWorkingDirectory().getChildFile (fontFolder));
    if (! fonts.missingFiles().isEmpty())
    {
        std::cerr << "Cannot load " << fonts.missingFiles().joinIntoString (", ") << "\n";
        return 1;
    }

    const auto background = BackgroundArtwork (fonts).render();
    const auto switchStrip = SwitchArtwork().render();
    const auto handle = FaderArtwork().render();
    const auto logo = LogoArtwork().render();

    const auto images = juce::File::getCurrentWorkingDirectory().getChildFile (imageFolder);
    images.createDirectory();
    bool ok = writePng (background, images.getChildFile ("background.png"))
              && writePng (switchStrip, images.getChildFile ("bypass.png"))
              && writePng (handle, images.getChildFile ("slider.png"))
              && writePng (logo, images.getChildFile ("logo.png"));

    if (ok && previewFolder.isNotEmpty())
    {
        const auto previews = juce::File::getCurrentWorkingDirectory().getChildFile (previewFolder);
        previews.createDirectory();
        const ArtworkPreview preview (background, switchStrip, handle);
        ok = writePng (preview.render(), previews.getChildFile ("preview.png"))
             && writePng (preview.renderFullSize(), previews.getChildFile ("preview-full.png"))
             && writePng (preview.renderSwitchStates(), previews.getChildFile ("preview-switch.png"))
             && writePng (LogoArtwork::contactSheet (logo, { 1, 6, 12, 18, 24, 30, 36 }),
                          previews.getChildFile ("preview-logo.png"));
    }
    return ok ? 0 : 1;
}
