// whirlane-snapshot: renders the editor to PNG files, as a user sees it.
//
//   whirlane-snapshot --out <folder> [--scales 1.0,1.5] [--presets <folder of .lwhlp files>]
//
// For each scale it writes editor-<scale>.png (the window), settings-<scale>.png (with the
// settings strip open), menu-<scale>.png (the hamburger menu open), presets-<scale>.png (the
// preset list open) and about-<scale>.png (the about box over the window). Menus and the
// about box are windows of their own, so the editor goes on the desktop: run it with a
// display (xvfb-run -a). The editor runs against a scratch home folder whose preset folder
// gets a copy of --presets, so the user's settings and presets are never touched.

#include <cstdlib>
#include <iostream>

#include "plugin/PluginEditor.h"
#include "tools/BareDisplay.h"
#include "tools/PngFile.h"

namespace
{
juce::String optionValue (const juce::StringArray& arguments, const juce::String& name, const juce::String& fallback)
{
    const int index = arguments.indexOf (name);
    return index >= 0 && index + 1 < arguments.size() ? arguments[index + 1] : fallback;
}

void pump (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

juce::Image snapshot (juce::Component& component)
{
    return component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f);
}

// The window with another window (a menu, the about box) drawn where it lies on screen.
juce::Image composite (juce::Component& editor, juce::Component* over)
{
    auto image = snapshot (editor).convertedToFormat (juce::Image::ARGB);
    if (over != nullptr)
    {
        juce::Graphics g (image);
        const auto at = over->getScreenPosition() - editor.getScreenPosition();
        g.drawImageAt (snapshot (*over), at.x, at.y);
    }
    return image;
}

juce::Component* waitForModal()
{
    for (int round = 0; round < 50; ++round)
    {
        if (auto* modal = juce::Component::getCurrentlyModalComponent())
            return modal;
        pump (10);
    }
    return nullptr;
}

void closeModal (juce::Component* modal)
{
    if (modal != nullptr)
        modal->exitModalState (0);
    pump (50);
}

using Editor = LumikerWhirlaneAudioProcessorEditor;

bool renderAll (float scale, const juce::File& folder)
{
    LumikerWhirlaneAudioProcessor processor;
    processor.uiScale = scale;
    auto editor = std::make_unique<Editor> (processor);
    editor->setTopLeftPosition (0, 0);
    editor->addToDesktop (0);
    editor->setVisible (true);
    pump (200);

    const auto name = [&] (const char* view) { return folder.getChildFile (view + juce::String ("-") + juce::String (scale, 1) + ".png"); };
    bool ok = writePng (snapshot (*editor), name ("editor"));

    editor->toggleSettingsStrip();
    pump (50);
    ok = writePng (snapshot (*editor), name ("settings")) && ok;
    editor->toggleSettingsStrip();

    editor->topPanel->presetMenu->buildMenu();
    auto* menu = waitForModal();
    ok = writePng (composite (*editor, menu), name ("menu")) && ok;
    closeModal (menu);

    editor->topPanel->presetList->comboBox->showPopup();
    auto* list = waitForModal();
    ok = writePng (composite (*editor, list), name ("presets")) && ok;
    closeModal (list);

    const Tavori::Lumiker::About::Box<Editor> about (*editor, false);
    pump (400); // the logo animation a little way in
    ok = writePng (composite (*editor, about.getWindow()), name ("about")) && ok;
    closeModal (about.getWindow());

    editor.reset();
    pump (50);
    return ok;
}

void useScratchHome()
{
    const auto home = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("whirlane-snapshot-home");
    home.deleteRecursively();
    home.createDirectory();
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
    setenv ("XDG_CONFIG_HOME", home.getChildFile (".config").getFullPathName().toRawUTF8(), 1);
}

void installPresets (const juce::String& from)
{
    const juce::File source (juce::File::getCurrentWorkingDirectory().getChildFile (from));
    if (from.isNotEmpty() && source.isDirectory())
        source.copyDirectoryTo (PluginSettings::presetFolder());
}
} // namespace

int main (int argc, char* argv[])
{
    useScratchHome();
    ignoreBareDisplayErrors();
    juce::ScopedJuceInitialiser_GUI juce;

    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto out = optionValue (arguments, "--out", {});
    if (out.isEmpty())
    {
        std::cerr << "Usage: whirlane-snapshot --out <folder> [--scales 1.0,1.5] [--presets <folder>]\n";
        return 2;
    }
    installPresets (optionValue (arguments, "--presets", {}));

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
        ok = renderAll (scale, folder) && ok;
    }
    return ok ? 0 : 1;
}
