#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ostream>
#include <vector>

#include "tests/ExpectedParameters.h"
#include "tests/HostedWhirlane.h"

// What a DAW sees when it loads the built bundle: its description, its parameters,
// its bus layouts and its audio.

namespace
{
// The VST3 wrapper publishes each parameter under a hash of its string ID, top bit
// cleared so no host sees a negative number.
juce::String vst3ParameterId (const char* id)
{
    return juce::String ((juce::uint32) juce::String (id).hashCode() & 0x7fffffffu);
}

juce::String hostedId (juce::AudioProcessorParameter& parameter)
{
    auto* hosted = dynamic_cast<juce::HostedAudioProcessorParameter*> (&parameter);
    return hosted != nullptr ? hosted->getParameterID() : juce::String();
}

constexpr double pi = 3.14159265358979323846;
constexpr float syncStep = 1.0f / 18.0f;
constexpr int rateSyncQuarter = 8;
constexpr int rateSyncEighth = 11;

// Equal partials of 500 Hz: a 2 ms window holds whole periods of all of them, so a steady
// chord alone gives a flat level envelope. A single tone is a poor probe here: the dry and
// the Doppler-shifted wet signal interfere, and at some pitches that ripple, at harmonics of
// the rotor rate, outweighs the rotation itself.
juce::AudioBuffer<float> chord (int channels, double seconds)
{
    const int length = (int) (seconds * HostedWhirlane::sampleRate);
    juce::AudioBuffer<float> buffer (channels, length);
    for (int i = 0; i < length; ++i)
    {
        double sample = 0.0;
        for (int partial = 1; partial <= 5; ++partial)
            sample += 0.1 * std::sin (2.0 * pi * 500.0 * partial * i / HostedWhirlane::sampleRate);
        for (int channel = 0; channel < channels; ++channel)
            buffer.setSample (channel, i, (float) sample);
    }
    return buffer;
}

juce::AudioBuffer<float> noise (int channels, int length, juce::int64 seed)
{
    juce::Random random (seed);
    juce::AudioBuffer<float> buffer (channels, length);
    for (int channel = 0; channel < channels; ++channel)
        for (int i = 0; i < length; ++i)
            buffer.setSample (channel, i, random.nextFloat() * 2.0f - 1.0f);
    return buffer;
}

// RMS of the channel in consecutive windows, from sample `start` on.
std::vector<double> levelEnvelope (const juce::AudioBuffer<float>& buffer, int channel, int start, int window)
{
    std::vector<double> envelope;
    const float* data = buffer.getReadPointer (channel);
    for (int begin = start; begin + window <= buffer.getNumSamples(); begin += window)
    {
        double sum = 0.0;
        for (int i = begin; i < begin + window; ++i)
            sum += (double) data[i] * data[i];
        envelope.push_back (std::sqrt (sum / window));
    }
    return envelope;
}

// The strongest frequency between 1 and 20 Hz in a Hann-windowed, mean-free envelope.
double dominantFrequency (const std::vector<double>& envelope, double envelopeRate)
{
    double mean = 0.0;
    for (auto value : envelope)
        mean += value;
    mean /= (double) envelope.size();

    const auto n = envelope.size();
    std::vector<double> windowed (n);
    for (size_t i = 0; i < n; ++i)
        windowed[i] = (envelope[i] - mean) * (0.5 - 0.5 * std::cos (2.0 * pi * (double) i / (double) (n - 1)));

    double bestHz = 0.0, bestPower = -1.0;
    for (double hz = 1.0; hz <= 20.0; hz += 0.01)
    {
        double re = 0.0, im = 0.0;
        for (size_t i = 0; i < n; ++i)
        {
            const double phase = 2.0 * pi * hz * (double) i / envelopeRate;
            re += windowed[i] * std::cos (phase);
            im += windowed[i] * std::sin (phase);
        }
        const double power = re * re + im * im;
        if (power > bestPower)
        {
            bestPower = power;
            bestHz = hz;
        }
    }
    return bestHz;
}

bool allFinite (const juce::AudioBuffer<float>& buffer)
{
    for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
        for (int i = 0; i < buffer.getNumSamples(); ++i)
            if (! std::isfinite (buffer.getSample (channel, i)))
                return false;
    return true;
}

class Vst3Host : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (host.isLoaded()) << host.getLoadError().toStdString();
    }

    HostedWhirlane host;
};
} // namespace

//==============================================================================
TEST (Vst3Description, IdentifiesAStereoModulationEffect)
{
    const auto description = HostedWhirlane::describeBundle();

    EXPECT_EQ (description.pluginFormatName, "VST3");
    EXPECT_EQ (description.name, "Lumiker Whirlane");
    EXPECT_EQ (description.manufacturerName, "Tavori");
    EXPECT_TRUE (description.category.contains ("Fx")) << description.category;
    EXPECT_TRUE (description.category.contains ("Modulation")) << description.category;
    EXPECT_EQ (description.version, "1.0.0");
    EXPECT_FALSE (description.isInstrument);
    EXPECT_EQ (description.numInputChannels, 2);
    EXPECT_EQ (description.numOutputChannels, 2);
}

TEST_F (Vst3Host, NeitherTakesNorMakesMidi)
{
    EXPECT_FALSE (host.plugin().acceptsMidi());
    EXPECT_FALSE (host.plugin().producesMidi());
    EXPECT_FALSE (host.plugin().isMidiEffect());
}

//==============================================================================
TEST_F (Vst3Host, ParametersAppearInHostOrderWithTheirDefaults)
{
    const auto& parameters = host.plugin().getParameters();
    ASSERT_GE (parameters.size(), numExpectedParameters);

    for (int index = 0; index < numExpectedParameters; ++index)
    {
        const auto& row = expectedParameters[index];
        auto& parameter = *parameters[index];
        SCOPED_TRACE (row.name);

        EXPECT_EQ (hostedId (parameter), vst3ParameterId (row.id));
        EXPECT_EQ (parameter.getName (1024), row.name);
        EXPECT_NEAR (parameter.getDefaultValue(), row.defaultValue, 1.0e-5f);
        EXPECT_NEAR (parameter.getValue(), row.defaultValue, 1.0e-5f);
        EXPECT_EQ (parameter.getText (parameter.getDefaultValue(), 1024), row.defaultText);
        EXPECT_EQ (parameter.getLabel(), row.label);
        EXPECT_EQ (parameter.getNumSteps(), row.steps == 0 ? juce::AudioProcessor::getDefaultNumParameterSteps() : row.steps);
    }
}

TEST_F (Vst3Host, OnlyTheWrapperAddsParametersAfterOurs)
{
    const auto& parameters = host.plugin().getParameters();
    for (int index = numExpectedParameters; index < parameters.size(); ++index)
    {
        const auto name = parameters[index]->getName (1024);
        EXPECT_TRUE (name == "Bypass" || name == "Program") << "unexpected parameter " << name;
    }
}

TEST_F (Vst3Host, ParameterTextsAcrossTheirRanges)
{
    struct TextRow
    {
        const char* id;
        float value;
        const char* text;
    };
    const TextRow rows[] = {
        { "LWhl_000800", 0.0f, "Dry: 100%, Wet: 0%" },
        { "LWhl_000800", 1.0f, "Dry: 0%, Wet: 100%" },
        { "LWhl_000800", 0.5f, "Dry: 50%, Wet: 50%" },
        { "LWhl_000200", 0.0f, "0.00" },
        { "LWhl_000200", 0.5f, "5.00" },
        { "LWhl_000200", 1.0f, "20.00" },
        { "LWhl_000700", 0.0f, "10" },
        { "LWhl_000700", 1.0f, "1000" },
        { "LWhl_000201", 0.0f, "8/1" },
        { "LWhl_000201", 4.0f * syncStep, "1/2D" },
        { "LWhl_000201", rateSyncQuarter * syncStep, "1/4" },
        { "LWhl_000201", 12.0f * syncStep, "1/8T" },
        { "LWhl_000201", 1.0f, "1/32T" },
        { "LWhl_001000", 0.0f, "0" },
        { "LWhl_001000", 1.0f, "100" },
        { "LWhl_000300", 0.0f, "0.00" },
        { "LWhl_000300", 1.0f, "10.00" },
        { "LWhl_000000", 0.0f, "Off" },
    };

    for (const auto& row : rows)
    {
        auto* parameter = host.findParameter (vst3ParameterId (row.id));
        ASSERT_NE (parameter, nullptr) << row.id;
        EXPECT_EQ (parameter->getText (row.value, 1024), row.text) << row.id << " at " << row.value;
    }
}

//==============================================================================
TEST_F (Vst3Host, AcceptsMonoAndStereoLayoutsOnly)
{
    const auto mono = juce::AudioChannelSet::mono();
    const auto stereo = juce::AudioChannelSet::stereo();
    const auto surround = juce::AudioChannelSet::create5point1();

    struct LayoutRow
    {
        juce::AudioChannelSet in, out;
        bool accepted;
    };
    const LayoutRow rows[] = {
        { mono, mono, true },
        { mono, stereo, true },
        { stereo, stereo, true },
        { stereo, mono, false },
        { surround, surround, false },
        { stereo, surround, false },
        { surround, stereo, false },
    };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.in.getDescription() + " -> " + row.out.getDescription());
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (row.in);
        layout.outputBuses.add (row.out);

        EXPECT_EQ (host.plugin().checkBusesLayoutSupported (layout), row.accepted);
        EXPECT_EQ (host.setLayout (row.in, row.out), row.accepted);
        if (row.accepted)
        {
            EXPECT_TRUE (host.plugin().getBusesLayout() == layout);
        }
    }
}

//==============================================================================
namespace
{
struct LayoutCase
{
    const char* name;
    juce::AudioChannelSet in, out;
};

const LayoutCase layoutCases[] = {
    { "MonoToMono", juce::AudioChannelSet::mono(), juce::AudioChannelSet::mono() },
    { "MonoToStereo", juce::AudioChannelSet::mono(), juce::AudioChannelSet::stereo() },
    { "StereoToStereo", juce::AudioChannelSet::stereo(), juce::AudioChannelSet::stereo() },
};

void PrintTo (const LayoutCase& layoutCase, std::ostream* out)
{
    *out << layoutCase.name;
}

class Vst3HostLayout : public testing::TestWithParam<LayoutCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (host.isLoaded()) << host.getLoadError().toStdString();
        ASSERT_TRUE (host.setLayout (GetParam().in, GetParam().out));
        channels = juce::jmax (GetParam().in.size(), GetParam().out.size());
    }

    // The input as the host hands it over: only the input bus carries signal.
    juce::AudioBuffer<float> hostInput (juce::AudioBuffer<float> signal)
    {
        for (int channel = GetParam().in.size(); channel < signal.getNumChannels(); ++channel)
            signal.clear (channel, 0, signal.getNumSamples());
        return signal;
    }

    HostedWhirlane host;
    int channels = 0;
};
} // namespace

TEST_P (Vst3HostLayout, BypassedPassesAudioThroughBitForBit)
{
    host.prepare();
    host.setParameter (vst3ParameterId ("LWhl_000000"), 0.0f);

    // Well past the bypass fade before anything is compared.
    auto settle = hostInput (noise (channels, 24 * HostedWhirlane::blockSize, 1));
    host.process (settle);

    const auto input = hostInput (noise (channels, 16 * HostedWhirlane::blockSize, 2));
    auto output = input;
    host.process (output);

    for (int channel = 0; channel < GetParam().out.size(); ++channel)
    {
        const int source = juce::jmin (channel, GetParam().in.size() - 1);
        int mismatches = 0, first = -1;
        for (int i = 0; i < output.getNumSamples(); ++i)
            if (std::memcmp (output.getReadPointer (channel) + i, input.getReadPointer (source) + i, sizeof (float)) != 0)
                if (mismatches++ == 0)
                    first = i;
        EXPECT_EQ (mismatches, 0) << "channel " << channel << ", first difference at sample " << first;
    }
}

TEST_P (Vst3HostLayout, DefaultsGiveFiniteAudibleOutput)
{
    host.prepare();
    auto buffer = hostInput (noise (channels, (int) HostedWhirlane::sampleRate / 2, 3));
    host.process (buffer);

    EXPECT_TRUE (allFinite (buffer));
    for (int channel = 0; channel < GetParam().out.size(); ++channel)
        EXPECT_GT (buffer.getRMSLevel (channel, buffer.getNumSamples() / 2, buffer.getNumSamples() / 2), 0.05f)
            << "channel " << channel;
}

INSTANTIATE_TEST_SUITE_P (Layouts, Vst3HostLayout, testing::ValuesIn (layoutCases),
                          [] (const testing::TestParamInfo<LayoutCase>& info) { return std::string (info.param.name); });

//==============================================================================
namespace
{
struct RotationCase
{
    const char* name;
    std::vector<std::pair<const char*, float>> settings;
    double bpm;
    double expectedHz;
};

const RotationCase rotationCases[] = {
    { "Defaults", {}, 120.0, 6.73 },
    { "RateHalf", { { "LWhl_000200", 0.5f } }, 120.0, 5.0 },
    { "RateLow", { { "LWhl_000200", 0.3f } }, 120.0, 2.333 },
    { "RateHigh", { { "LWhl_000200", 0.8f } }, 120.0, 12.0 },
    { "SyncQuarterAt120", { { "LWhl_001200", 1.0f }, { "LWhl_000201", rateSyncQuarter * syncStep } }, 120.0, 2.0 },
    { "SyncEighthAt120", { { "LWhl_001200", 1.0f }, { "LWhl_000201", rateSyncEighth * syncStep } }, 120.0, 4.0 },
    { "SyncQuarterAt150", { { "LWhl_001200", 1.0f }, { "LWhl_000201", rateSyncQuarter * syncStep } }, 150.0, 2.5 },
};

void PrintTo (const RotationCase& rotationCase, std::ostream* out)
{
    *out << rotationCase.name;
}

class Vst3HostRotation : public testing::TestWithParam<RotationCase>
{
protected:
    HostedWhirlane host;
};
} // namespace

TEST_P (Vst3HostRotation, LevelEnvelopeTurnsAtTheRotorRate)
{
    ASSERT_TRUE (host.isLoaded()) << host.getLoadError().toStdString();
    host.setTempo (GetParam().bpm);
    for (const auto& [id, value] : GetParam().settings)
        host.setParameter (vst3ParameterId (id), value);
    host.prepare();

    auto buffer = chord (2, 2.5);
    host.process (buffer);
    const int window = (int) (0.002 * HostedWhirlane::sampleRate);
    const auto envelope = levelEnvelope (buffer, 0, (int) (0.5 * HostedWhirlane::sampleRate), window);

    EXPECT_NEAR (dominantFrequency (envelope, HostedWhirlane::sampleRate / window), GetParam().expectedHz, 0.1);
}

INSTANTIATE_TEST_SUITE_P (Settings, Vst3HostRotation, testing::ValuesIn (rotationCases),
                          [] (const testing::TestParamInfo<RotationCase>& info) { return std::string (info.param.name); });
