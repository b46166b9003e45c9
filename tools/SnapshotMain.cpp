// whirlane-snapshot: renders the editor to PNG files without opening a window.
//
//   whirlane-snapshot --out <folder> [--scales 1.0,1.5]
//
// Writes editor-<scale>.png for each scale (the window at that size, as a host shows it).
// The editor runs against a scratch home folder, so the user's settings and presets are
// never touched.

#include <cstdlib>
#include <iostream>

#include "plugin/PluginEditor.h"
#include "tools/PngFile.h"

namespace
{
juce::String optionValue (const juce::StringArray& arguments, const juce::String& name, const juce::String& fallback)
{
    const int index = arguments.indexOf (name);
    return index >= 0 && index + 1 < arguments.size() ? arguments[index + 1] : fallback;
}

juce::Image renderEditor (float scale)
{
    LumikerWhirlaneAudioProcessor processor;
    processor.uiScale = scale;
    LumikerWhirlaneAudioProcessorEditor editor (processor);
    return editor.createComponentSnapshot (editor.getLocalBounds(), true, 1.0f);
}

void useScratchHome()
{
    const auto home = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("whirlane-snapshot-home");
    home.createDirectory();
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
    setenv ("XDG_CONFIG_HOME", home.getChildFile (".config").getFullPathName().toRawUTF8(), 1);
}
} // namespace

int main (int argc, char* argv[])
{
    useScratchHome();
    juce::ScopedJuceInitialiser_GUI juce;

    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto out = optionValue (arguments, "--out", {});
    if (out.isEmpty())
    {
        std::cerr << "Usage: whirlane-snapshot --out <folder> [--scales 1.0,1.5]\n";
        return 2;
    }

    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (out));
    folder.createDirectory();
    bool ok = true;
    for (const auto& text : juce::StringArray::fromTokens (optionValue (arguments, "--scales", "1.0,1.5"), ",", {}))
    {
        const auto scale = text.getFloatValue();
        if (scale < 0.5f || scale > 2.0f)
        {
            std::cerr << "Scale " << text << " is outside 0.5 to 2\n";
            ok = false;
            continue;
        }
        ok = writePng (renderEditor (scale), folder.getChildFile ("editor-" + juce::String (scale, 1) + ".png")) && ok;
    }
    return ok ? 0 : 1;
}
