// whirlane-editor-idle: how much CPU an open, idle editor costs in a host.
//
//   whirlane-editor-idle [--plugin <bundle.vst3>] [--seconds 10] [--no-editor]
//
// Loads the bundle through JUCE's VST3 hosting, opens its editor in a desktop window, lets
// the message loop run for the given time with nothing changing, and prints the process's
// CPU time over that period as a share of one core; --no-editor measures the same without
// the window, for comparison. Needs a display (xvfb-run -a).

#include <sys/resource.h>

#include <iostream>

#include <juce_audio_processors/juce_audio_processors.h>

#include "tools/BareDisplay.h"

namespace
{
juce::String optionValue (const juce::StringArray& arguments, const juce::String& name, const juce::String& fallback)
{
    const int index = arguments.indexOf (name);
    return index >= 0 && index + 1 < arguments.size() ? arguments[index + 1] : fallback;
}

double cpuSeconds()
{
    rusage usage {};
    getrusage (RUSAGE_SELF, &usage);
    const auto seconds = [] (const timeval& t) { return (double) t.tv_sec + (double) t.tv_usec / 1.0e6; };
    return seconds (usage.ru_utime) + seconds (usage.ru_stime);
}

struct Usage
{
    double cpu = 0.0, wall = 0.0;
};

// Runs the blocking loop an application runs (it waits for events instead of polling):
// first a second to let the window settle (first paint, first timer ticks), then the
// measured period. The loop can be stopped only once, so both happen in one run.
Usage measureMessageLoop (int milliseconds)
{
    Usage start, end;
    const auto now = [] { return Usage { cpuSeconds(), juce::Time::getMillisecondCounterHiRes() / 1000.0 }; };
    juce::Timer::callAfterDelay (1000, [&] { start = now(); });
    juce::Timer::callAfterDelay (1000 + milliseconds, [&]
    {
        end = now();
        juce::MessageManager::getInstance()->stopDispatchLoop();
    });
    juce::MessageManager::getInstance()->runDispatchLoop();
    return { end.cpu - start.cpu, end.wall - start.wall };
}

std::unique_ptr<juce::AudioPluginInstance> loadPlugin (const juce::String& bundle, juce::String& error)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile (found, bundle);
    if (found.isEmpty())
    {
        error = "no plug-in found in " + bundle;
        return nullptr;
    }
    return format.createInstanceFromDescription (*found.getFirst(), 48000.0, 512, error);
}
} // namespace

int main (int argc, char* argv[])
{
    ignoreBareDisplayErrors();
    juce::ScopedJuceInitialiser_GUI juce;
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto bundle = optionValue (arguments, "--plugin", WHIRLANE_DEFAULT_PLUGIN);
    const auto seconds = optionValue (arguments, "--seconds", "10").getIntValue();
    if (seconds < 1 || seconds > 600)
    {
        std::cerr << "--seconds must be 1 to 600\n";
        return 2;
    }

    juce::String error;
    auto plugin = loadPlugin (bundle, error);
    if (plugin == nullptr)
    {
        std::cerr << error << "\n";
        return 1;
    }
    plugin->prepareToPlay (48000.0, 512);

    std::unique_ptr<juce::AudioProcessorEditor> editor;
    if (! arguments.contains ("--no-editor"))
    {
        editor.reset (plugin->createEditor());
        editor->addToDesktop (juce::ComponentPeer::windowHasTitleBar);
        editor->setVisible (true);
    }
    const auto usage = measureMessageLoop (seconds * 1000);
    const auto cpu = usage.cpu;
    const auto wall = usage.wall;

    const auto what = editor != nullptr ? "idle editor " + juce::String (editor->getWidth()) + " x " + juce::String (editor->getHeight())
                                        : juce::String ("no editor");
    std::cout << what << ": " << cpu << " s CPU in "
              << wall << " s (" << juce::String (100.0 * cpu / wall, 2) << " % of one core)\n";

    editor.reset();
    plugin->releaseResources();
    return 0;
}
