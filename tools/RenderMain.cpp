// whirlane-render: renders audio offline through a VST3 plug-in, hosted as a DAW would.

#include <iostream>
#include <optional>

#include <juce_events/juce_events.h>

#include "tools/InputAudio.h"
#include "tools/LevelMeter.h"
#include "tools/OutputFile.h"
#include "tools/PresetFile.h"
#include "tools/ProgressBar.h"
#include "tools/RenderError.h"
#include "tools/RenderHost.h"
#include "tools/RenderOptions.h"
#include "tools/StateFile.h"

namespace
{
juce::File defaultPlugin()
{
    return juce::File (juce::String::fromUTF8 (WHIRLANE_DEFAULT_PLUGIN));
}

juce::StringArray argumentsOf (int argc, char* argv[])
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));
    return arguments;
}

// The input is fed in blocks; the plug-in's reported latency is rendered too and cut
// off the front, so the output lines up with the input.
void renderBlocks (RenderHost& host, const InputAudio& input, int blockSize, OutputFile& output, LevelMeter& meter)
{
    const auto& source = input.samples();
    const int length = source.getNumSamples();
    const int latency = juce::jmax (0, host.latencySamples());
    const int total = length + latency;
    juce::AudioBuffer<float> block (host.numChannels(), blockSize);
    ProgressBar progress (ProgressBar::wanted (length / input.sampleRate()));

    for (int start = 0; start < total; start += blockSize)
    {
        const int count = juce::jmin (blockSize, total - start);
        const int fromSource = juce::jlimit (0, count, length - start);
        block.setSize (block.getNumChannels(), count, false, false, true);
        block.clear();
        for (int channel = 0; channel < source.getNumChannels(); ++channel)
            block.copyFrom (channel, 0, source, channel, start, fromSource);

        host.process (block);

        const int skip = juce::jlimit (0, count, latency - start);
        output.write (block, skip, count - skip);
        meter.add (block, skip, count - skip);
        progress.show ((double) (start + count) / total);
    }
}

juce::String summary (const InputAudio& input, const LevelMeter& meter, const juce::File& output)
{
    const double seconds = input.samples().getNumSamples() / input.sampleRate();
    return "rendered " + juce::String (seconds, 2) + " s at " + juce::String (juce::roundToInt (input.sampleRate())) + " Hz: "
           + meter.describe() + " -> " + output.getFullPathName();
}

void warn (const juce::String& message)
{
    std::cerr << "whirlane-render: warning: " << message << std::endl;
}

void applyPreset (RenderHost& host, const PresetFile& preset)
{
    if (preset.isFromNewerVersion())
        warn (preset.filePath() + " is from a newer preset version (" + preset.versionText() + "); applying the values this version knows");
    for (const auto& name : host.applyPreset (preset))
        warn (preset.filePath() + ": the plug-in has no parameter \"" + name + "\"; ignored");
}

// In the order a host restores a session: state, program, preset, then single parameters.
void applySettings (RenderHost& host, const RenderOptions& options, const juce::MemoryBlock& state,
                    const std::optional<PresetFile>& preset)
{
    if (! state.isEmpty())
        host.loadState (state);
    if (options.program)
        host.selectProgram (*options.program);
    if (preset)
        applyPreset (host, *preset);
    for (const auto& [name, value] : options.settings)
        host.set (name, value);
}

// The output stays a temporary file until the caller commits it; returns the summary line.
juce::String render (RenderHost& host, const InputAudio& input, const RenderOptions& options, std::optional<OutputFile>& output)
{
    host.prepare (options.layout, input.sampleRate(), options.blockSize, options.tempo);
    output.emplace (options.output, input.sampleRate(), options.outputChannels(), options.bitsPerSample());
    LevelMeter meter (options.outputChannels());
    renderBlocks (host, input, options.blockSize, *output, meter);
    host.release();
    return summary (input, meter, options.output);
}

int run (const juce::StringArray& arguments)
{
    auto options = RenderOptions::parse (arguments);
    if (options.showHelp)
    {
        std::cout << RenderOptions::helpText (defaultPlugin());
        return 0;
    }
    if (options.plugin == juce::File())
        options.plugin = defaultPlugin();

    // Every file is read, and every file to write opened, before the plug-in loads: a wrong
    // one fails fast.
    std::optional<InputAudio> input;
    if (options.renders())
        input.emplace (options);
    const auto state = options.state != juce::File() ? StateFile::load (options.state) : juce::MemoryBlock();
    std::optional<PresetFile> preset;
    if (options.preset != juce::File())
        preset.emplace (options.preset);
    std::optional<StateFile> savedState;
    if (options.savesState())
        savedState.emplace (options.saveState);

    RenderHost host (options.plugin);
    applySettings (host, options, state, preset);
    juce::MemoryBlock stateToSave;
    if (savedState)
    {
        stateToSave = host.state();
        savedState->write (stateToSave);
    }

    std::optional<OutputFile> output;
    const auto rendered = input ? render (host, *input, options, output) : juce::String();

    // Both files take their places only once everything has succeeded.
    if (savedState)
        savedState->commit();
    if (output)
        output->commit();

    if (rendered.isNotEmpty())
        std::cout << rendered << std::endl;
    if (savedState)
        std::cout << "saved state (" << stateToSave.getSize() << " bytes) -> " << options.saveState.getFullPathName() << std::endl;
    return 0;
}
} // namespace

int main (int argc, char* argv[])
{
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    try
    {
        return run (argumentsOf (argc, argv));
    }
    catch (const std::exception& error)
    {
        const auto message = juce::String::fromUTF8 (error.what()).replaceCharacters ("\r\n", "  ").trim();
        std::cerr << "whirlane-render: " << message << std::endl;
        return 1;
    }
}
