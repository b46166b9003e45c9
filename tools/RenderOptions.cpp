#include "tools/RenderOptions.h"

#include <cmath>
#include <limits>

#include "tools/NumberText.h"
#include "tools/RenderError.h"
#include "tools/TestSignal.h"

namespace
{
double parseNumber (const juce::String& option, const juce::String& text)
{
    if (const auto value = NumberText::parse (text))
        return *value;
    throw RenderError (option + ": not a number: \"" + text + "\"");
}

juce::String plain (double value)
{
    return juce::String (value, value == std::floor (value) ? 0 : 3);
}

double parseInRange (const juce::String& option, const juce::String& text, double low, double high)
{
    const double value = parseNumber (option, text);
    if (value < low || value > high)
        throw RenderError (option + ": " + text + " is out of range (" + plain (low) + " to " + plain (high) + ")");
    return value;
}

int parseInteger (const juce::String& option, const juce::String& text, int low, int high)
{
    const double value = parseInRange (option, text, low, high);
    if (value != std::floor (value))
        throw RenderError (option + ": not a whole number: \"" + text + "\"");
    return (int) value;
}

// Only the plug-in knows how many programs it has; the host checks the upper end.
int parseProgram (const juce::String& text)
{
    const double value = parseNumber ("--program", text);
    if (value < 0.0 || value > std::numeric_limits<int>::max() || value != std::floor (value))
        throw RenderError ("--program: not a program number (0, 1, 2 ...): \"" + text + "\"");
    return (int) value;
}

juce::File parseFile (const juce::String& text)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (text);
}

template <typename Value>
Value parseWord (const juce::String& option, const juce::String& text, std::initializer_list<std::pair<const char*, Value>> words)
{
    juce::StringArray known;
    for (const auto& [word, value] : words)
    {
        if (text == word)
            return value;
        known.add (word);
    }
    throw RenderError (option + ": unknown value \"" + text + "\" (one of " + known.joinIntoString ("|") + ")");
}

std::pair<juce::String, juce::String> parseSetting (const juce::String& text)
{
    const auto name = text.upToFirstOccurrenceOf ("=", false, false).trim();
    if (! text.contains ("=") || name.isEmpty())
        throw RenderError ("--set: expected NAME=VALUE, got \"" + text + "\"");
    return { name, text.fromFirstOccurrenceOf ("=", false, false).trim() };
}

using Layout = RenderOptions::Layout;
using Format = RenderOptions::Format;

// One row per option: adding an option is adding a row.
struct Option
{
    const char* name;
    const char* argument; // nullptr for a plain switch
    const char* help;
    void (*apply) (RenderOptions&, const juce::String&);
};

const Option optionTable[] = {
    { "--plugin", "PATH", "VST3 bundle to host (default: the one built with this tool)",
      [] (RenderOptions& o, const juce::String& v) { o.plugin = parseFile (v); } },
    { "--input", "FILE", "audio file to process: WAV, AIFF or FLAC",
      [] (RenderOptions& o, const juce::String& v) { o.input = parseFile (v); } },
    { "--signal", "NAME", "built-in test signal instead of a file: chord (default), sine, noise, impulse, silence",
      [] (RenderOptions& o, const juce::String& v) {
          if (! TestSignal::isKnown (v))
              throw RenderError ("--signal: unknown signal \"" + v + "\" (one of " + TestSignal::names().joinIntoString ("|") + ")");
          o.signal = v;
      } },
    { "--seconds", "S", "length of a built-in signal in seconds (default 4)",
      [] (RenderOptions& o, const juce::String& v) { o.seconds = parseInRange ("--seconds", v, 0.001, 3600.0); } },
    { "--output", "FILE", "WAV file to write (required unless --save-state); replaced only when the render succeeds",
      [] (RenderOptions& o, const juce::String& v) { o.output = parseFile (v); } },
    { "--format", "float32|int24", "sample format of the output file (default float32)",
      [] (RenderOptions& o, const juce::String& v) {
          o.format = parseWord<Format> ("--format", v, { { "float32", Format::float32 }, { "int24", Format::int24 } });
      } },
    { "--set", "NAME=VALUE", "set a plug-in parameter by the name the plug-in reports; VALUE is a normalised "
                             "0..1 number, on/off (true/false) for switches, or a choice's text; repeatable",
      [] (RenderOptions& o, const juce::String& v) { o.settings.push_back (parseSetting (v)); } },
    { "--state", "FILE", "host state to load first, as --save-state writes it (the plug-in's own state block)",
      [] (RenderOptions& o, const juce::String& v) { o.state = parseFile (v); } },
    { "--program", "N", "program to select after --state, before --preset and --set (0 to 11 for Lumiker Whirlane)",
      [] (RenderOptions& o, const juce::String& v) { o.program = parseProgram (v); } },
    { "--preset", "FILE", "Lumiker Whirlane preset (.lwhlp) to apply before --set",
      [] (RenderOptions& o, const juce::String& v) { o.preset = parseFile (v); } },
    { "--save-state", "FILE", "write the plug-in's state, once --state, --program, --preset and --set are applied; "
                              "without --output nothing is rendered",
      [] (RenderOptions& o, const juce::String& v) { o.saveState = parseFile (v); } },
    { "--sample-rate", "HZ", "sample rate (default 48000, or the input file's rate); a file at another rate is resampled",
      [] (RenderOptions& o, const juce::String& v) { o.sampleRate = parseInteger ("--sample-rate", v, 8000, 768000); } },
    { "--block-size", "N", "samples per processBlock call (default 512)",
      [] (RenderOptions& o, const juce::String& v) { o.blockSize = parseInteger ("--block-size", v, 1, 65536); } },
    { "--layout", "mono|stereo|mono-to-stereo", "bus layout (default stereo); a file's channels are mixed down or copied to fit",
      [] (RenderOptions& o, const juce::String& v) {
          o.layout = parseWord<Layout> ("--layout", v, { { "mono", Layout::mono }, { "stereo", Layout::stereo },
                                                         { "mono-to-stereo", Layout::monoToStereo } });
      } },
    { "--tempo", "BPM", "tempo the host reports while playing (default 120)",
      [] (RenderOptions& o, const juce::String& v) { o.tempo = parseInRange ("--tempo", v, 1.0, 1000.0); } },
    { "--help", nullptr, "show this help",
      [] (RenderOptions& o, const juce::String&) { o.showHelp = true; } },
};

const Option& findOption (const juce::String& name)
{
    for (const auto& option : optionTable)
        if (name == option.name || (name == "-h" && juce::String (option.name) == "--help"))
            return option;
    throw RenderError ("unknown option \"" + name + "\" (see --help)");
}
} // namespace

RenderOptions RenderOptions::parse (const juce::StringArray& arguments)
{
    RenderOptions options;

    for (int i = 0; i < arguments.size(); ++i)
    {
        const auto& option = findOption (arguments[i]);
        juce::String value;
        if (option.argument != nullptr)
        {
            if (++i >= arguments.size())
                throw RenderError (juce::String (option.name) + " needs a value: " + option.argument);
            value = arguments[i];
        }
        option.apply (options, value);
    }

    if (! options.showHelp)
        options.complete();
    return options;
}

void RenderOptions::complete()
{
    if (savesState())
    {
        if (saveState.isDirectory())
            throw RenderError ("state file is a directory: " + saveState.getFullPathName());
        if (saveState == output)
            throw RenderError ("--save-state and --output name the same file");
    }

    if (renders())
        completeRender();
    else if (! savesState())
        throw RenderError ("no --output FILE given (see --help)");
    else if (hasInputFile() || signal.isNotEmpty() || seconds)
        throw RenderError ("--input, --signal and --seconds need --output (without it only the state is saved)");
}

void RenderOptions::completeRender()
{
    if (output.isDirectory())
        throw RenderError ("output is a directory: " + output.getFullPathName());

    if (hasInputFile())
    {
        if (signal.isNotEmpty())
            throw RenderError ("give either --input or --signal, not both");
        if (seconds)
            throw RenderError ("--seconds applies to built-in signals only, not to --input");
    }
    else if (signal.isEmpty())
    {
        signal = defaultSignal;
    }
}

juce::String RenderOptions::helpText (const juce::File& defaultPlugin)
{
    juce::String text;
    text << "usage: whirlane-render [options] --output FILE\n"
         << "       whirlane-render [options] --save-state FILE\n"
         << "Renders audio through a VST3 plug-in the way a host does, offline, and writes a WAV file.\n\n";

    for (const auto& option : optionTable)
    {
        const juce::String head = juce::String ("  ") + option.name + (option.argument != nullptr ? juce::String (" ") + option.argument : juce::String());
        text << head.paddedRight (' ', 40) << option.help << "\n";
    }

    text << "\nDefault plug-in: " << defaultPlugin.getFullPathName() << "\n"
         << "Errors print one line starting with \"whirlane-render: \" and exit with status 1.\n";
    return text;
}
