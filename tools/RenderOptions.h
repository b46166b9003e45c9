#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <juce_core/juce_core.h>

// Everything the command line can say about one render.
class RenderOptions
{
public:
    enum class Layout { mono, stereo, monoToStereo };
    enum class Format { float32, int24 };

    // Throws RenderError for anything it cannot make sense of.
    static RenderOptions parse (const juce::StringArray& arguments);
    static juce::String helpText (const juce::File& defaultPlugin);

    int inputChannels() const { return layout == Layout::stereo ? 2 : 1; }
    int outputChannels() const { return layout == Layout::mono ? 1 : 2; }
    int bitsPerSample() const { return format == Format::float32 ? 32 : 24; }
    bool hasInputFile() const { return input != juce::File(); }
    // Without --output only the state is saved, and nothing is rendered.
    bool renders() const { return output != juce::File(); }
    bool savesState() const { return saveState != juce::File(); }

    bool showHelp = false;
    juce::File plugin;
    juce::File input;
    juce::String signal;
    std::optional<double> seconds;
    juce::File output;
    Format format = Format::float32;
    std::vector<std::pair<juce::String, juce::String>> settings;
    // Applied in this order: state, program, preset, then the settings.
    juce::File state;
    std::optional<int> program;
    juce::File preset;
    juce::File saveState;
    std::optional<int> sampleRate;
    int blockSize = 512;
    Layout layout = Layout::stereo;
    double tempo = 120.0;

    static constexpr const char* defaultSignal = "chord";
    static constexpr double defaultSeconds = 4.0;
    static constexpr int defaultSampleRate = 48000;

private:
    void complete();
    void completeRender();
};
