// whirlane-render run as a user runs it: a child process, its exit code, its output
// and the files it leaves behind.

#include <cmath>
#include <regex>

#include <gtest/gtest.h>
#include <juce_audio_formats/juce_audio_formats.h>

namespace
{
const char* const errorPrefix = "whirlane-render: ";

struct ToolRun
{
    int exitCode = -1;
    juce::String text;
};

class RenderToolTest : public testing::Test
{
protected:
    void SetUp() override
    {
        directory = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("whirlane-render-test", {}, false);
        ASSERT_TRUE (directory.createDirectory());
        output = directory.getChildFile ("out.wav");
    }

    void TearDown() override { directory.deleteRecursively(); }

    // stdout or stderr alone, so each can be checked for exactly what it should hold.
    static ToolRun runTool (const juce::StringArray& arguments, int stream)
    {
        juce::StringArray command { WHIRLANE_RENDER_TOOL };
        command.addArray (arguments);
        juce::ChildProcess process;
        ToolRun run;
        if (! process.start (command, stream))
            return run;
        run.text = process.readAllProcessOutput();
        if (process.waitForProcessToFinish (60000))
            run.exitCode = (int) process.getExitCode();
        return run;
    }

    ToolRun render (const juce::StringArray& extra) const
    {
        juce::StringArray arguments { "--output", output.getFullPathName() };
        arguments.addArray (extra);
        return runTool (arguments, juce::ChildProcess::wantStdOut);
    }

    juce::File writeAudio (juce::AudioFormat& format, const juce::String& name, const juce::AudioBuffer<float>& samples,
                           double sampleRate, int bitsPerSample) const
    {
        const auto file = directory.getChildFile (name);
        std::unique_ptr<juce::AudioFormatWriter> writer (format.createWriterFor (file.createOutputStream().release(), sampleRate,
                                                                                 (unsigned int) samples.getNumChannels(),
                                                                                 bitsPerSample, {}, 0));
        if (writer != nullptr)
            writer->writeFromAudioSampleBuffer (samples, 0, samples.getNumSamples());
        return file;
    }

    juce::File writeWav (const juce::String& name, const juce::AudioBuffer<float>& samples, double sampleRate) const
    {
        juce::WavAudioFormat wav;
        return writeAudio (wav, name, samples, sampleRate, 32);
    }

    juce::File directory;
    juce::File output;
};

struct WavContents
{
    double sampleRate = 0.0;
    int numChannels = 0;
    int bitsPerSample = 0;
    bool isFloat = false;
    juce::AudioBuffer<float> samples;
};

WavContents readWav (const juce::File& file)
{
    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (file.createInputStream().release(), true));
    WavContents contents;
    if (reader == nullptr)
        return contents;
    contents.sampleRate = reader->sampleRate;
    contents.numChannels = (int) reader->numChannels;
    contents.bitsPerSample = (int) reader->bitsPerSample;
    contents.isFloat = reader->usesFloatingPointData;
    contents.samples.setSize (contents.numChannels, (int) reader->lengthInSamples);
    reader->read (&contents.samples, 0, contents.samples.getNumSamples(), 0, true, true);
    return contents;
}

bool sameSamples (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    if (a.getNumChannels() != b.getNumChannels() || a.getNumSamples() != b.getNumSamples())
        return false;
    for (int channel = 0; channel < a.getNumChannels(); ++channel)
        for (int n = 0; n < a.getNumSamples(); ++n)
            if (a.getSample (channel, n) != b.getSample (channel, n))
                return false;
    return true;
}

juce::AudioBuffer<float> sine (int numChannels, int numSamples, double frequency, double sampleRate)
{
    juce::AudioBuffer<float> buffer (numChannels, numSamples);
    for (int channel = 0; channel < numChannels; ++channel)
        for (int n = 0; n < numSamples; ++n)
            buffer.setSample (channel, n, 0.5f * (float) std::sin (2.0 * juce::MathConstants<double>::pi * frequency * n / sampleRate));
    return buffer;
}

juce::StringArray fileNames (const juce::File& directory)
{
    juce::StringArray names;
    for (const auto& file : directory.findChildFiles (juce::File::findFilesAndDirectories, false))
        names.add (file.getFileName());
    names.sort (false);
    return names;
}

const juce::StringArray shortChord { "--signal", "chord", "--seconds", "0.5" };

const char* const productId = "example.tavori.LumikerWhirlane";

juce::String valueElement (const char* name, const char* type, const char* text)
{
    return juce::String ("    <Value property=\"") + name + "\" type=\"" + type + "\">" + text + "</Value>\n";
}

// A preset laid out as the plug-in writes one, with the parts a test varies.
juce::String presetDocument (const juce::String& values, const juce::String& product = productId,
                             const juce::String& version = "1.0", const juce::String& root = "tavoriPatch")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n\n<" + root + " version=\"1.0\">\n"
           + "  <DeviceName>Lumiker Whirlane</DeviceName>\n"
           + "  <Properties deviceProductID=\"" + product + "\" deviceVersion=\"1.0.0\" presetVersion=\"" + version + "\">\n"
           + values + "  </Properties>\n</" + root + ">\n";
}

// Every parameter away from its default, the choice by index.
const juce::String tunedValues = valueElement ("onBypass", "boolean", "true") + valueElement ("reverseOn", "boolean", "true")
                                 + valueElement ("rate", "number", "0.25000") + valueElement ("rateSync", "number", "9")
                                 + valueElement ("depth", "number", "0.30000") + valueElement ("distance", "number", "0.95000")
                                 + valueElement ("intensity", "number", "0.40000")
                                 + valueElement ("crossoverShiftOn", "boolean", "true")
                                 + valueElement ("crossoverFreq", "number", "0.60000") + valueElement ("mix", "number", "0.90000")
                                 + valueElement ("level", "number", "0.55000") + valueElement ("width", "number", "0.80000")
                                 + valueElement ("stereoOn", "boolean", "true") + valueElement ("syncOn", "boolean", "true");

//==============================================================================
// Each bad invocation: non-zero exit, one line on stderr, nothing written.
struct BadInvocation
{
    const char* name;
    std::vector<const char*> arguments; // {dir} and {out} stand for the test's directory and output
};

const BadInvocation badInvocations[] = {
    { "noOutput", { "--signal", "chord" } },
    { "unknownOption", { "--colour", "red", "--output", "{out}" } },
    { "optionWithoutValue", { "--signal", "chord", "--output" } },
    { "missingInput", { "--input", "{dir}/missing.wav", "--output", "{out}" } },
    { "unreadableInput", { "--input", "{dir}/text.wav", "--output", "{out}" } },
    { "inputAndSignal", { "--input", "{dir}/text.wav", "--signal", "sine", "--output", "{out}" } },
    { "secondsWithInput", { "--input", "{dir}/text.wav", "--seconds", "1", "--output", "{out}" } },
    { "unknownSignal", { "--signal", "square", "--output", "{out}" } },
    { "unknownParameter", { "--set", "colour=0.5", "--seconds", "0.5", "--output", "{out}" } },
    { "valueAboveRange", { "--set", "rate=1.5", "--seconds", "0.5", "--output", "{out}" } },
    { "valueBelowRange", { "--set", "depth=-0.1", "--seconds", "0.5", "--output", "{out}" } },
    { "unparsableValue", { "--set", "rate=fast", "--seconds", "0.5", "--output", "{out}" } },
    { "unknownChoice", { "--set", "rateSync=1/7", "--seconds", "0.5", "--output", "{out}" } },
    { "badSwitch", { "--set", "syncOn=maybe", "--seconds", "0.5", "--output", "{out}" } },
    { "setWithoutEquals", { "--set", "rate", "--seconds", "0.5", "--output", "{out}" } },
    { "outputInMissingDirectory", { "--seconds", "0.5", "--output", "{dir}/nowhere/out.wav" } },
    { "outputIsDirectory", { "--seconds", "0.5", "--output", "{dir}" } },
    { "sampleRateNotNumber", { "--sample-rate", "fast", "--output", "{out}" } },
    { "sampleRateZero", { "--sample-rate", "0", "--output", "{out}" } },
    { "sampleRateFraction", { "--sample-rate", "44100.5", "--output", "{out}" } },
    { "blockSizeZero", { "--block-size", "0", "--output", "{out}" } },
    { "blockSizeTrailingText", { "--block-size", "512x", "--output", "{out}" } },
    { "secondsNegative", { "--seconds", "-1", "--output", "{out}" } },
    { "secondsInfinite", { "--seconds", "inf", "--output", "{out}" } },
    { "tempoZero", { "--tempo", "0", "--output", "{out}" } },
    { "unknownFormat", { "--format", "int16", "--output", "{out}" } },
    { "unknownLayout", { "--layout", "surround", "--output", "{out}" } },
    { "pluginMissing", { "--plugin", "{dir}/none.vst3", "--seconds", "0.5", "--output", "{out}" } },
    { "pluginNotLoadable", { "--plugin", "{dir}/fake.vst3", "--seconds", "0.5", "--output", "{out}" } },
    { "stateMissing", { "--state", "{dir}/missing.state", "--seconds", "0.5", "--output", "{out}" } },
    { "stateIsDirectory", { "--state", "{dir}", "--seconds", "0.5", "--output", "{out}" } },
    { "stateEmpty", { "--state", "{dir}/empty.state", "--seconds", "0.5", "--output", "{out}" } },
    { "presetMissing", { "--preset", "{dir}/missing.lwhlp", "--seconds", "0.5", "--output", "{out}" } },
    { "presetIsDirectory", { "--preset", "{dir}", "--seconds", "0.5", "--output", "{out}" } },
    { "presetEmpty", { "--preset", "{dir}/empty.state", "--seconds", "0.5", "--output", "{out}" } },
    { "presetNotXml", { "--preset", "{dir}/text.wav", "--seconds", "0.5", "--output", "{out}" } },
    { "presetCutShort", { "--preset", "{dir}/cut.lwhlp", "--seconds", "0.5", "--output", "{out}" } },
    { "presetOfAnotherProduct", { "--preset", "{dir}/foreign.lwhlp", "--seconds", "0.5", "--output", "{out}" } },
    { "presetWithWrongRoot", { "--preset", "{dir}/root.lwhlp", "--seconds", "0.5", "--output", "{out}" } },
    { "presetWithoutProperties", { "--preset", "{dir}/bare.lwhlp", "--seconds", "0.5", "--output", "{out}" } },
    { "presetWithDtd", { "--preset", "{dir}/dtd.lwhlp", "--seconds", "0.5", "--output", "{out}" } },
    { "presetNestedTooDeep", { "--preset", "{dir}/deep.lwhlp", "--seconds", "0.5", "--output", "{out}" } },
    { "presetTooLarge", { "--preset", "{dir}/huge.lwhlp", "--seconds", "0.5", "--output", "{out}" } },
    { "presetValueNotANumber", { "--preset", "{dir}/word.lwhlp", "--seconds", "0.5", "--output", "{out}" } },
    { "programOutOfRange", { "--program", "12", "--seconds", "0.5", "--output", "{out}" } },
    { "programNegative", { "--program", "-1", "--seconds", "0.5", "--output", "{out}" } },
    { "programFraction", { "--program", "2.5", "--seconds", "0.5", "--output", "{out}" } },
    { "programNotNumber", { "--program", "first", "--seconds", "0.5", "--output", "{out}" } },
    { "saveStateInMissingDirectory", { "--save-state", "{dir}/nowhere/s.state" } },
    { "saveStateIsDirectory", { "--save-state", "{dir}" } },
    { "saveStateSameAsOutput", { "--save-state", "{out}", "--seconds", "0.5", "--output", "{out}" } },
    { "saveStateWithSignalButNoOutput", { "--save-state", "{dir}/s.state", "--signal", "sine" } },
    { "saveStateWithBadSetting", { "--save-state", "{dir}/s.state", "--set", "rate=2" } },
    { "saveStateWithOutputInMissingDirectory", { "--save-state", "{dir}/s.state", "--seconds", "0.5", "--output", "{dir}/nowhere/out.wav" } },
};

void PrintTo (const BadInvocation& invocation, std::ostream* stream)
{
    *stream << invocation.name;
}

class BadInvocationTest : public RenderToolTest, public testing::WithParamInterface<BadInvocation>
{
protected:
    void SetUp() override
    {
        RenderToolTest::SetUp();
        ASSERT_TRUE (directory.getChildFile ("text.wav").replaceWithText ("not audio"));
        const auto fakeLibrary = directory.getChildFile ("fake.vst3/Contents/x86_64-linux/fake.so");
        ASSERT_TRUE (fakeLibrary.getParentDirectory().createDirectory());
        ASSERT_TRUE (fakeLibrary.replaceWithText ("not a library"));

        const auto good = presetDocument (tunedValues);
        const std::pair<const char*, juce::String> files[] = {
            { "empty.state", {} },
            { "cut.lwhlp", good.substring (0, good.length() / 2) },
            { "foreign.lwhlp", presetDocument (tunedValues, "example.other.Product") },
            { "root.lwhlp", presetDocument (tunedValues, productId, "1.0", "otherPatch") },
            { "bare.lwhlp", "<tavoriPatch version=\"1.0\"><DeviceName>Lumiker Whirlane</DeviceName></tavoriPatch>" },
            { "dtd.lwhlp", "<!DOCTYPE tavoriPatch [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n"
                           + presetDocument (valueElement ("rate", "number", "&b;")).fromFirstOccurrenceOf ("?>", false, false) },
            { "deep.lwhlp", "<tavoriPatch>" + juce::String::repeatedString ("<a>", 1000) + juce::String::repeatedString ("</a>", 1000)
                                + "</tavoriPatch>" },
            { "huge.lwhlp", good + "<!-- " + juce::String::repeatedString ("padding ", 150000) + "-->\n" },
            { "word.lwhlp", presetDocument (valueElement ("rate", "number", "fast")) },
        };
        for (const auto& [name, text] : files)
            ASSERT_TRUE (directory.getChildFile (name).replaceWithText (text));
    }

    juce::StringArray arguments() const
    {
        juce::StringArray result;
        for (const char* argument : GetParam().arguments)
            result.add (juce::String (argument)
                            .replace ("{dir}", directory.getFullPathName())
                            .replace ("{out}", output.getFullPathName()));
        return result;
    }
};

TEST_P (BadInvocationTest, FailsWithOneLineAndWritesNothing)
{
    const auto before = fileNames (directory);
    const auto run = runTool (arguments(), juce::ChildProcess::wantStdErr);

    EXPECT_NE (run.exitCode, 0);
    EXPECT_TRUE (run.text.startsWith (errorPrefix)) << run.text;
    EXPECT_TRUE (run.text.endsWith ("\n")) << run.text;
    EXPECT_FALSE (run.text.trimEnd().containsAnyOf ("\r\n")) << run.text;
    EXPECT_EQ (fileNames (directory), before);
}

INSTANTIATE_TEST_SUITE_P (RenderTool, BadInvocationTest, testing::ValuesIn (badInvocations),
                          [] (const testing::TestParamInfo<BadInvocation>& info) { return std::string (info.param.name); });

// Failures at different stages: in the plug-in's parameters, its programs, and the files to read.
TEST_F (RenderToolTest, FailedRenderKeepsTheFilesItWouldHaveReplaced)
{
    const auto state = directory.getChildFile ("s.state");
    const juce::StringArray failures[] = {
        { "--set", "rate=2" },
        { "--program", "12" },
        { "--preset", directory.getChildFile ("missing.lwhlp").getFullPathName() },
    };

    for (const auto& failure : failures)
    {
        SCOPED_TRACE (failure.joinIntoString (" "));
        ASSERT_TRUE (output.replaceWithText ("earlier render"));
        ASSERT_TRUE (state.replaceWithText ("earlier state"));
        auto arguments = shortChord;
        arguments.addArray ({ "--save-state", state.getFullPathName() });
        arguments.addArray (failure);

        EXPECT_NE (render (arguments).exitCode, 0);
        EXPECT_EQ (output.loadFileAsString(), "earlier render");
        EXPECT_EQ (state.loadFileAsString(), "earlier state");
        EXPECT_EQ (fileNames (directory), (juce::StringArray { "out.wav", "s.state" }));
    }
}

//==============================================================================
TEST_F (RenderToolTest, ChordRenderPrintsASummaryThatMatchesTheFile)
{
    auto arguments = shortChord;
    arguments.addArray ({ "--set", "rateSync=1/4T", "--set", "syncOn=on", "--set", "mix=0.25" });
    const auto run = render (arguments);
    ASSERT_EQ (run.exitCode, 0) << run.text;

    const std::regex line (R"(rendered 0\.50 s at 48000 Hz: ch1 peak (-?[0-9.]+) dBFS rms -?[0-9.]+ dBFS, )"
                           R"(ch2 peak (-?[0-9.]+) dBFS rms -?[0-9.]+ dBFS -> (.*)\n)");
    std::smatch match;
    const auto text = run.text.toStdString();
    ASSERT_TRUE (std::regex_match (text, match, line)) << text;
    EXPECT_EQ (juce::String (match[3].str()), output.getFullPathName());

    const auto wav = readWav (output);
    EXPECT_EQ (wav.sampleRate, 48000.0);
    ASSERT_EQ (wav.numChannels, 2);
    EXPECT_EQ (wav.samples.getNumSamples(), 24000);
    EXPECT_EQ (wav.bitsPerSample, 32);
    EXPECT_TRUE (wav.isFloat);
    for (int channel = 0; channel < 2; ++channel)
    {
        const float peak = wav.samples.getMagnitude (channel, 0, wav.samples.getNumSamples());
        ASSERT_GT (peak, 0.0f);
        EXPECT_NEAR (20.0 * std::log10 (peak), std::stod (match[(size_t) channel + 1].str()), 0.006) << "channel " << channel + 1;
    }
    EXPECT_EQ (fileNames (directory), juce::StringArray { "out.wav" });
}

TEST_F (RenderToolTest, LayoutAndFormatShapeTheFile)
{
    struct Case
    {
        const char* layout;
        const char* format;
        int channels;
        int bits;
        bool isFloat;
    };
    const Case cases[] = {
        { "mono", "float32", 1, 32, true },
        { "mono-to-stereo", "int24", 2, 24, false },
        { "stereo", "int24", 2, 24, false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.layout) + " " + c.format);
        auto arguments = shortChord;
        arguments.addArray ({ "--layout", c.layout, "--format", c.format });
        ASSERT_EQ (render (arguments).exitCode, 0);

        const auto wav = readWav (output);
        EXPECT_EQ (wav.numChannels, c.channels);
        EXPECT_EQ (wav.bitsPerSample, c.bits);
        EXPECT_EQ (wav.isFloat, c.isFloat);
        EXPECT_EQ (wav.samples.getNumSamples(), 24000);
        EXPECT_GT (wav.samples.getMagnitude (0, wav.samples.getNumSamples()), 0.0f);
    }
}

//==============================================================================
// With the effect switched off the plug-in passes audio unchanged, which shows the
// tool's own part: settings in force from the first sample, blocks stitched without
// a gap or shift, files read and channels fitted.
TEST_F (RenderToolTest, SwitchedOffPluginGivesTheImpulseBackAtSampleZero)
{
    ASSERT_EQ (render ({ "--signal", "impulse", "--seconds", "0.05", "--block-size", "100", "--set", "onBypass=off" }).exitCode, 0);

    const auto wav = readWav (output);
    ASSERT_EQ (wav.samples.getNumSamples(), 2400);
    for (int channel = 0; channel < 2; ++channel)
    {
        EXPECT_EQ (wav.samples.getSample (channel, 0), 1.0f);
        EXPECT_EQ (wav.samples.getMagnitude (channel, 1, 2399), 0.0f);
    }
}

TEST_F (RenderToolTest, InputFileComesBackUnchangedAtItsOwnRate)
{
    juce::WavAudioFormat wav;
    juce::AiffAudioFormat aiff;
    juce::FlacAudioFormat flac;
    struct Case
    {
        juce::AudioFormat& format;
        const char* name;
        int bits;
        float tolerance; // a 24-bit file holds the sine to within its last bit
    };
    const Case cases[] = { { wav, "in.wav", 32, 0.0f }, { aiff, "in.aiff", 24, 1.0e-6f }, { flac, "in.flac", 24, 1.0e-6f } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto input = writeAudio (c.format, c.name, sine (1, 22050, 440.0, 44100.0), 44100.0, c.bits);
        const auto run = render ({ "--input", input.getFullPathName(), "--set", "onBypass=off", "--block-size", "300" });
        ASSERT_EQ (run.exitCode, 0);
        EXPECT_TRUE (run.text.startsWith ("rendered 0.50 s at 44100 Hz: ")) << run.text;

        const auto rendered = readWav (output);
        EXPECT_EQ (rendered.sampleRate, 44100.0);
        ASSERT_EQ (rendered.numChannels, 2);
        ASSERT_EQ (rendered.samples.getNumSamples(), 22050);
        const auto expected = sine (1, 22050, 440.0, 44100.0);
        float worst = 0.0f;
        for (int channel = 0; channel < 2; ++channel)
            for (int n = 0; n < 22050; ++n)
                worst = juce::jmax (worst, std::abs (rendered.samples.getSample (channel, n) - expected.getSample (0, n)));
        EXPECT_LE (worst, c.tolerance);
    }
}

TEST_F (RenderToolTest, StereoFileIsMixedDownForMono)
{
    juce::AudioBuffer<float> stereo (2, 1000);
    stereo.clear();
    stereo.setSample (0, 10, 0.5f);
    stereo.setSample (1, 10, 0.25f);
    const auto input = writeWav ("in.wav", stereo, 48000.0);
    ASSERT_EQ (render ({ "--input", input.getFullPathName(), "--layout", "mono", "--set", "onBypass=off" }).exitCode, 0);

    const auto wav = readWav (output);
    ASSERT_EQ (wav.numChannels, 1);
    EXPECT_EQ (wav.samples.getSample (0, 10), 0.375f);
}

TEST_F (RenderToolTest, InputFileAtAnotherRateIsResampledInPlace)
{
    const auto input = writeWav ("in.wav", sine (1, 22050, 1000.0, 44100.0), 44100.0);
    ASSERT_EQ (render ({ "--input", input.getFullPathName(), "--sample-rate", "48000", "--set", "onBypass=off" }).exitCode, 0);

    const auto wav = readWav (output);
    EXPECT_EQ (wav.sampleRate, 48000.0);
    ASSERT_EQ (wav.samples.getNumSamples(), 24000);
    // Away from the edges the same sine, not shifted in time.
    const auto expected = sine (1, 24000, 1000.0, 48000.0);
    float worst = 0.0f;
    for (int n = 1000; n < 23000; ++n)
        worst = juce::jmax (worst, std::abs (wav.samples.getSample (0, n) - expected.getSample (0, n)));
    EXPECT_LT (worst, 0.01f);
}

//==============================================================================
TEST_F (RenderToolTest, SettingsAndTempoReachThePlugin)
{
    const auto renderSamples = [this] (const juce::StringArray& extra) {
        auto arguments = shortChord;
        arguments.addArray ({ "--set", "syncOn=on", "--set", "rateSync=1/4" });
        arguments.addArray (extra);
        EXPECT_EQ (render (arguments).exitCode, 0);
        return readWav (output).samples;
    };

    const auto reference = renderSamples ({ "--tempo", "60" });
    EXPECT_TRUE (sameSamples (renderSamples ({ "--tempo", "60" }), reference)) << "renders differ from run to run";
    EXPECT_FALSE (sameSamples (renderSamples ({ "--tempo", "240" }), reference)) << "tempo ignored";
    EXPECT_FALSE (sameSamples (renderSamples ({ "--tempo", "60", "--set", "depth=0" }), reference)) << "--set ignored";
    EXPECT_FALSE (sameSamples (renderSamples ({ "--tempo", "60", "--set", "syncOn=false" }), reference)) << "switch text ignored";
}

//==============================================================================
// Presets, programs and saved states, set through the hosted instance as a host sets them.
class HostSettingsTest : public RenderToolTest
{
protected:
    void SetUp() override
    {
        RenderToolTest::SetUp();
        const std::pair<const char*, juce::String> files[] = {
            { "tuned.lwhlp", presetDocument (tunedValues) },
            { "newer.lwhlp", presetDocument (tunedValues + valueElement ("futureKnob", "number", "0.5"), productId, "2.0") },
            { "limited.lwhlp", presetDocument (valueElement ("rate", "number", "1.7") + valueElement ("level", "number", "3")
                                               + valueElement ("width", "number", "-0.5") + valueElement ("stereoOn", "boolean", "true")) },
            { "lastChoice.lwhlp", presetDocument (valueElement ("rateSync", "number", "25") + valueElement ("syncOn", "boolean", "true")) },
            { "yes.lwhlp", presetDocument (valueElement ("onBypass", "boolean", "yes")) },
            { "partial.lwhlp", presetDocument (valueElement ("mix", "number", "0.20000")) },
            { "garbage.state", "\x01\x02 this is no state at all" },
        };
        for (const auto& [name, text] : files)
            ASSERT_TRUE (directory.getChildFile (name).replaceWithText (text));
    }

    juce::StringArray expand (const std::vector<const char*>& arguments) const
    {
        juce::StringArray result;
        for (const char* argument : arguments)
            result.add (juce::String (argument)
                            .replace ("{dir}", directory.getFullPathName())
                            .replace ("{presets}", WHIRLANE_FACTORY_PRESETS));
        return result;
    }

    juce::AudioBuffer<float> renderSamples (const std::vector<const char*>& extra) const
    {
        auto arguments = shortChord;
        arguments.addArray (expand (extra));
        const auto run = render (arguments);
        EXPECT_EQ (run.exitCode, 0) << arguments.joinIntoString (" ");
        return readWav (output).samples;
    }

    juce::File state() const { return directory.getChildFile ("saved.state"); }
};

struct AlikeRenders
{
    const char* name;
    std::vector<const char*> first;
    std::vector<const char*> second;
    bool differsFromDefaults;
};

const AlikeRenders alikeRenders[] = {
    { "presetIsItsValuesGivenWithSet",
      { "--preset", "{dir}/tuned.lwhlp" },
      { "--set", "onBypass=on", "--set", "reverseOn=on", "--set", "rate=0.25", "--set", "rateSync=1/4T", "--set", "depth=0.3",
        "--set", "distance=0.95", "--set", "intensity=0.4", "--set", "crossoverShiftOn=on", "--set", "crossoverFreq=0.6",
        "--set", "mix=0.9", "--set", "level=0.55", "--set", "width=0.8", "--set", "stereoOn=on", "--set", "syncOn=on" },
      true },
    { "factoryPresetIsItsValuesGivenWithSet",
      { "--preset", "{presets}/Quarter Note Sync.lwhlp" },
      { "--set", "onBypass=on", "--set", "reverseOn=off", "--set", "rate=0.59454", "--set", "rateSync=1/4", "--set", "depth=0.7933",
        "--set", "distance=0.6", "--set", "intensity=1", "--set", "crossoverShiftOn=off", "--set", "crossoverFreq=0.37727",
        "--set", "mix=0.58013", "--set", "level=0.76244", "--set", "width=0.7", "--set", "stereoOn=on", "--set", "syncOn=on" },
      true },
    { "numbersBeyondTheRangeAreLimited",
      { "--preset", "{dir}/limited.lwhlp" },
      { "--set", "rate=1", "--set", "level=1", "--set", "width=0", "--set", "stereoOn=on" },
      true },
    { "choiceIndexBeyondTheListIsTheLast",
      { "--preset", "{dir}/lastChoice.lwhlp" },
      { "--set", "rateSync=1/32T", "--set", "syncOn=on" },
      true },
    { "switchIsOnOnlyForTrue", { "--preset", "{dir}/yes.lwhlp" }, { "--set", "onBypass=off" }, true },
    { "parametersThePresetLeavesOutKeepTheirValues", { "--preset", "{dir}/partial.lwhlp" }, { "--set", "mix=0.2" }, true },
    { "settingsComeAfterThePreset", { "--preset", "{dir}/partial.lwhlp", "--set", "mix=0.7" }, { "--set", "mix=0.7" }, true },
    // A program chosen after the preset would bring back the program's own values.
    { "programComesBeforeThePreset", { "--program", "4", "--preset", "{dir}/tuned.lwhlp" }, { "--preset", "{dir}/tuned.lwhlp" }, true },
    { "newerPresetIsApplied", { "--preset", "{dir}/newer.lwhlp" }, { "--preset", "{dir}/tuned.lwhlp" }, true },
    { "stateThePluginCannotReadChangesNothing", { "--state", "{dir}/garbage.state" }, {}, false },
};

void PrintTo (const AlikeRenders& renders, std::ostream* stream)
{
    *stream << renders.name;
}

class AlikeRendersTest : public HostSettingsTest, public testing::WithParamInterface<AlikeRenders>
{
};

TEST_P (AlikeRendersTest, GiveTheSameAudio)
{
    const auto first = renderSamples (GetParam().first);
    EXPECT_TRUE (sameSamples (first, renderSamples (GetParam().second)));
    EXPECT_EQ (! sameSamples (first, renderSamples ({})), GetParam().differsFromDefaults) << "the settings made no difference";
}

INSTANTIATE_TEST_SUITE_P (RenderTool, AlikeRendersTest, testing::ValuesIn (alikeRenders),
                          [] (const testing::TestParamInfo<AlikeRenders>& info) { return std::string (info.param.name); });

TEST_F (HostSettingsTest, NewerPresetAndUnknownNamesAreWarnedAbout)
{
    auto arguments = shortChord;
    arguments.addArray ({ "--output", output.getFullPathName(), "--preset", directory.getChildFile ("newer.lwhlp").getFullPathName() });
    const auto run = runTool (arguments, juce::ChildProcess::wantStdErr);

    EXPECT_EQ (run.exitCode, 0);
    const auto lines = juce::StringArray::fromLines (run.text.trimEnd());
    ASSERT_EQ (lines.size(), 2) << run.text;
    EXPECT_TRUE (lines[0].startsWith ("whirlane-render: warning: ") && lines[0].contains ("newer preset version (2.0)")) << lines[0];
    EXPECT_TRUE (lines[1].startsWith ("whirlane-render: warning: ") && lines[1].contains ("\"futureKnob\"")) << lines[1];
}

// The settings go into program 3; the state holds every program and which one is chosen.
TEST_F (HostSettingsTest, SavedStateRendersLikeTheSettingsItWasSavedWith)
{
    auto arguments = shortChord;
    arguments.addArray (expand ({ "--program", "3", "--preset", "{dir}/tuned.lwhlp", "--set", "mix=0.3" }));
    arguments.addArray ({ "--save-state", state().getFullPathName() });
    const auto run = render (arguments);
    ASSERT_EQ (run.exitCode, 0);
    const auto original = readWav (output).samples;

    const auto lines = juce::StringArray::fromLines (run.text.trimEnd());
    ASSERT_EQ (lines.size(), 2) << run.text;
    EXPECT_TRUE (lines[0].startsWith ("rendered 0.50 s at 48000 Hz: ch1 peak ")) << lines[0];
    EXPECT_TRUE (lines[0].endsWith (" -> " + output.getFullPathName())) << lines[0];
    EXPECT_EQ (lines[1], "saved state (" + juce::String (state().getSize()) + " bytes) -> " + state().getFullPathName());
    EXPECT_GT (state().getSize(), 0);

    const auto defaults = renderSamples ({});
    ASSERT_FALSE (sameSamples (original, defaults));

    const auto statePath = state().getFullPathName();
    const char* const path = statePath.toRawUTF8();
    struct Case
    {
        std::vector<const char*> arguments;
        bool likeOriginal;
    };
    const Case cases[] = {
        { { "--state", path }, true },
        { { "--state", path, "--program", "3" }, true },
        { { "--state", path, "--program", "0" }, false }, // untouched, so at its defaults
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::StringArray (c.arguments.data(), (int) c.arguments.size()).joinIntoString (" "));
        EXPECT_TRUE (sameSamples (renderSamples (c.arguments), c.likeOriginal ? original : defaults));
    }
}

TEST_F (HostSettingsTest, SaveStateWithoutOutputWritesTheStateAlone)
{
    const auto settings = expand ({ "--program", "3", "--preset", "{dir}/tuned.lwhlp", "--set", "mix=0.3" });
    const auto before = fileNames (directory);
    auto arguments = settings;
    arguments.addArray ({ "--save-state", state().getFullPathName() });
    const auto run = runTool (arguments, juce::ChildProcess::wantStdOut);

    ASSERT_EQ (run.exitCode, 0);
    EXPECT_EQ (run.text, "saved state (" + juce::String (state().getSize()) + " bytes) -> " + state().getFullPathName() + "\n");
    auto expectedFiles = before;
    expectedFiles.add (state().getFileName());
    expectedFiles.sort (false);
    EXPECT_EQ (fileNames (directory), expectedFiles);

    // The same state as a render with these settings saves.
    juce::MemoryBlock alone;
    ASSERT_TRUE (state().loadFileAsData (alone));
    auto withRender = shortChord;
    withRender.addArray (settings);
    withRender.addArray ({ "--save-state", state().getFullPathName() });
    ASSERT_EQ (render (withRender).exitCode, 0);
    juce::MemoryBlock rendered;
    ASSERT_TRUE (state().loadFileAsData (rendered));
    EXPECT_EQ (alone, rendered);
}

TEST_F (RenderToolTest, HelpListsEveryOption)
{
    const auto run = runTool ({ "--help" }, juce::ChildProcess::wantStdOut);
    EXPECT_EQ (run.exitCode, 0);
    for (const char* option : { "--plugin", "--input", "--signal", "--seconds", "--output", "--format", "--set", "--state",
                                "--program", "--preset", "--save-state", "--sample-rate", "--block-size", "--layout", "--tempo" })
        EXPECT_TRUE (run.text.contains (option)) << option;
}
} // namespace
