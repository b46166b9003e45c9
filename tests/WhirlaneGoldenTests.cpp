// Golden outputs of the engine: each case renders a deterministic signal through the module
// and compares a hash of the exact output bits with committed values. Any change in the
// arithmetic that reaches the output (a different rounding, a block-boundary slip) shows up
// here. The engine works in double and rounds to float at the end, so a change that moves
// an inner double by an ulp or so usually rounds to the same float and goes unseen.
//
// Regenerate the committed file (only when an output change is intended):
//   WHIRLANE_WRITE_GOLDEN=1 ./whirlane_golden_tests

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <juce_audio_basics/juce_audio_basics.h>

#include "tests/WhirlaneTestSupport.h"

namespace
{
// Positions, as fractions of the render, of the samples kept for readable diffs.
constexpr double samplePositions[] = { 0.1, 0.3, 0.5, 0.7, 0.9, 1.0 };
constexpr int numSampled = (int) (sizeof (samplePositions) / sizeof (samplePositions[0]));

// A parameter set between blocks (setParameter then calcParameter, as the processor does),
// at the first block boundary at or after the given time.
struct Change
{
    double seconds;
    int index;
    float value;
};

struct GoldenCase
{
    GoldenCase (std::string caseName, float sampleRate, std::map<int, float> parameterValues, int block, float tempo,
                bool monoPath, double length, double silentFrom = -1.0, std::vector<Change> blockChanges = {})
        : name (std::move (caseName)), rate (sampleRate), values (std::move (parameterValues)), blockLength (block),
          bpm (tempo), mono (monoPath), seconds (length), silenceFrom (silentFrom), changes (std::move (blockChanges))
    {
    }

    std::string name;
    float rate;
    std::map<int, float> values;
    int blockLength;
    float bpm;
    bool mono;
    double seconds;
    double silenceFrom; // the input is silent from here on when not negative
    std::vector<Change> changes;
};

// Beat-fraction choices as the host parameter stores them (index / 18).
constexpr float quarterNote = 8.0f / 18.0f;
constexpr float eighthTriplet = 12.0f / 18.0f;

std::vector<GoldenCase> goldenCases()
{
    using W = Whirlane;
    const std::vector<Change> moves = {
        { 0.7, W::rateIndex, 0.9f },          { 0.7, W::depthIndex, 0.2f },    { 0.7, W::distanceIndex, 0.3f },
        { 0.7, W::intensityIndex, 0.2f },     { 0.7, W::crossoverFreqIndex, 0.6f }, { 0.7, W::mixIndex, 0.8f },
        { 0.7, W::dryLevelIndex, 0.4f },      { 0.7, W::widthIndex, 0.9f },
    };

    // The delay buffer holds 2.11 s: the long cases run past its wrap.
    return {
        { "defaults-44k", 44100.0f, {}, 512, 120.0f, false, 2.5 },
        { "defaults-48k", 48000.0f, {}, 512, 120.0f, false, 1.0 },
        { "defaults-96k", 96000.0f, {}, 512, 120.0f, false, 2.3 },
        { "stereo-on-44k", 44100.0f, { { W::stereoOnIndex, 1.0f } }, 512, 120.0f, false, 2.5 },
        { "stereo-on-96k", 96000.0f, { { W::stereoOnIndex, 1.0f } }, 512, 120.0f, false, 1.0 },
        { "sync-quarter-120", 44100.0f, { { W::syncOnIndex, 1.0f }, { W::rateSyncIndex, quarterNote } }, 512, 120.0f, false, 2.0 },
        { "sync-eighth-triplet-93", 44100.0f, { { W::syncOnIndex, 1.0f }, { W::rateSyncIndex, eighthTriplet } }, 512, 93.0f, false, 2.0 },
        { "sync-quarter-120-96k", 96000.0f, { { W::syncOnIndex, 1.0f }, { W::rateSyncIndex, quarterNote }, { W::stereoOnIndex, 1.0f } }, 512, 120.0f, false, 1.0 },
        { "crossover-shift", 44100.0f, { { W::crossoverShiftOnIndex, 1.0f } }, 512, 120.0f, false, 2.0 },
        { "crossover-shift-stereo", 44100.0f, { { W::crossoverShiftOnIndex, 1.0f }, { W::stereoOnIndex, 1.0f } }, 512, 120.0f, false, 2.0 },
        { "reverse-stereo-wide", 44100.0f, { { W::reverseOnIndex, 1.0f }, { W::stereoOnIndex, 1.0f }, { W::widthIndex, 1.0f } }, 512, 120.0f, false, 2.0 },
        { "reverse-stereo-wide-96k", 96000.0f, { { W::reverseOnIndex, 1.0f }, { W::stereoOnIndex, 1.0f }, { W::widthIndex, 1.0f } }, 512, 120.0f, false, 1.0 },
        { "mono-44k", 44100.0f, {}, 512, 120.0f, true, 2.5 },
        { "mono-96k", 96000.0f, {}, 512, 120.0f, true, 1.0 },
        { "mono-crossover-shift", 44100.0f, { { W::crossoverShiftOnIndex, 1.0f } }, 512, 120.0f, true, 1.0 },
        { "mono-reverse-wide", 44100.0f, { { W::reverseOnIndex, 1.0f }, { W::widthIndex, 1.0f } }, 512, 120.0f, true, 1.0 },
        { "mono-sync-eighth-triplet-93", 44100.0f, { { W::syncOnIndex, 1.0f }, { W::rateSyncIndex, eighthTriplet } }, 37, 93.0f, true, 1.0 },
        { "blocks-1", 44100.0f, { { W::stereoOnIndex, 1.0f } }, 1, 120.0f, false, 2.3 },
        { "blocks-37", 44100.0f, { { W::stereoOnIndex, 1.0f } }, 37, 120.0f, false, 2.3 },
        { "blocks-512", 44100.0f, { { W::stereoOnIndex, 1.0f } }, 512, 120.0f, false, 2.3 },
        { "mono-blocks-1", 44100.0f, {}, 1, 120.0f, true, 1.0 },
        { "bypass-fade-out", 44100.0f, { { W::stereoOnIndex, 1.0f } }, 512, 120.0f, false, 1.0, -1.0, { { 0.5, W::onBypassIndex, 0.0f } } },
        { "bypass-fade-in", 44100.0f, { { W::onBypassIndex, 0.0f }, { W::stereoOnIndex, 1.0f } }, 512, 120.0f, false, 1.0, -1.0, { { 0.3, W::onBypassIndex, 1.0f } } },
        { "bypass-out-and-in-blocks-37-96k", 96000.0f, { { W::stereoOnIndex, 1.0f } }, 37, 120.0f, false, 1.2, -1.0,
          { { 0.4, W::onBypassIndex, 0.0f }, { 0.6, W::onBypassIndex, 1.0f } } },
        { "mono-bypass-fade-out", 44100.0f, {}, 512, 120.0f, true, 1.0, -1.0, { { 0.5, W::onBypassIndex, 0.0f } } },
        { "mono-bypass-fade-in", 44100.0f, { { W::onBypassIndex, 0.0f } }, 37, 120.0f, true, 1.0, -1.0, { { 0.3, W::onBypassIndex, 1.0f } } },
        { "signal-then-silence", 44100.0f, { { W::stereoOnIndex, 1.0f } }, 512, 120.0f, false, 3.0, 0.5 },
        { "mono-signal-then-silence", 48000.0f, {}, 512, 120.0f, true, 3.0, 0.5 },
        { "parameter-moves-blocks-37", 44100.0f, { { W::stereoOnIndex, 1.0f } }, 37, 120.0f, false, 1.5, -1.0, moves },
        { "mono-parameter-moves", 48000.0f, {}, 512, 120.0f, true, 1.5, -1.0, moves },
    };
}

// Failures name the case rather than dump its bytes.
void PrintTo (const GoldenCase& c, std::ostream* os)
{
    *os << c.name;
}

struct Rendered
{
    std::vector<float> left, right; // right is empty for the mono path
};

Rendered render (const GoldenCase& c)
{
    const int length = (int) (c.seconds * c.rate);
    Rendered out { testSignal (length, c.rate, 1), c.mono ? std::vector<float>() : testSignal (length, c.rate, 2) };

    if (c.silenceFrom >= 0.0)
    {
        const auto from = (size_t) (c.silenceFrom * c.rate);
        std::fill (out.left.begin() + (long) from, out.left.end(), 0.0f);
        if (! c.mono)
            std::fill (out.right.begin() + (long) from, out.right.end(), 0.0f);
    }

    juce::ScopedNoDenormals noDenormals;
    Whirlane module;
    prepareModule (module, c.rate, c.values, c.blockLength, c.bpm);

    std::vector<bool> applied (c.changes.size(), false);
    for (int start = 0; start < length; start += c.blockLength)
    {
        for (size_t k = 0; k < c.changes.size(); ++k)
        {
            if (! applied[k] && (double) start >= c.changes[k].seconds * c.rate)
            {
                module.setParameter (c.changes[k].index, c.changes[k].value);
                module.calcParameter (c.changes[k].index);
                applied[k] = true;
            }
        }

        const int n = std::min (c.blockLength, length - start);
        if (c.mono)
            module.process (out.left.data() + start, n);
        else
            module.process (out.left.data() + start, out.right.data() + start, n);
    }
    return out;
}

// 64-bit FNV-1a over the little-endian bytes of every float's bit pattern.
uint64_t hashBits (const std::vector<float>& samples)
{
    uint64_t hash = 14695981039346656037ull;
    for (const float x : samples)
    {
        uint32_t bits;
        std::memcpy (&bits, &x, sizeof (bits));
        for (int byte = 0; byte < 4; ++byte)
        {
            hash ^= (bits >> (8 * byte)) & 0xffu;
            hash *= 1099511628211ull;
        }
    }
    return hash;
}

// One channel of one case as the golden file keeps it.
struct ChannelGolden
{
    uint64_t hash = 0;
    std::vector<float> sampled;
};

ChannelGolden summarise (const std::vector<float>& samples)
{
    ChannelGolden g { hashBits (samples), {} };
    for (const double position : samplePositions)
    {
        const auto index = std::min (samples.size() - 1, (size_t) (position * (double) samples.size()));
        g.sampled.push_back (samples[index]);
    }
    return g;
}

using GoldenTable = std::map<std::string, ChannelGolden>; // key: "case channel"

std::string key (const std::string& name, const char* channel)
{
    return name + " " + channel;
}

GoldenTable renderTable()
{
    GoldenTable table;
    for (const auto& c : goldenCases())
    {
        const auto out = render (c);
        table[key (c.name, "left")] = summarise (out.left);
        if (! c.mono)
            table[key (c.name, "right")] = summarise (out.right);
    }
    return table;
}

// %.9g gives every float back exactly when read.
std::string formatLine (const std::string& k, const ChannelGolden& g)
{
    char text[64];
    std::snprintf (text, sizeof (text), "%016" PRIx64, g.hash);
    std::string line = k + " " + text;
    for (const float x : g.sampled)
    {
        std::snprintf (text, sizeof (text), " %.9g", (double) x);
        line += text;
    }
    return line;
}

void writeTable (const GoldenTable& table)
{
    std::ofstream file (WHIRLANE_GOLDEN_FILE);
    file << "# Golden outputs of the Whirlane engine (tests/WhirlaneGoldenTests.cpp).\n"
         << "# case channel fnv1a64-of-float-bits sampled-values...\n";
    for (const auto& [k, g] : table)
        file << formatLine (k, g) << "\n";
}

GoldenTable readTable()
{
    GoldenTable table;
    std::ifstream file (WHIRLANE_GOLDEN_FILE);
    std::string line;
    while (std::getline (file, line))
    {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields (line);
        std::string name, channel, hash;
        fields >> name >> channel >> hash;
        ChannelGolden g { std::strtoull (hash.c_str(), nullptr, 16), {} };
        float x;
        while (fields >> x)
            g.sampled.push_back (x);
        table[key (name, channel.c_str())] = g;
    }
    return table;
}

bool writeMode()
{
    const char* value = std::getenv ("WHIRLANE_WRITE_GOLDEN");
    return value != nullptr && std::strcmp (value, "1") == 0;
}

// Read once; in write mode rendered afresh and written first.
const GoldenTable& goldenTable()
{
    static const GoldenTable table = [] {
        if (! writeMode())
            return readTable();
        auto fresh = renderTable();
        writeTable (fresh);
        return fresh;
    }();
    return table;
}

class WhirlaneGolden : public testing::TestWithParam<GoldenCase>
{
};

void expectChannel (const std::string& k, const std::vector<float>& samples)
{
    const auto found = goldenTable().find (k);
    ASSERT_NE (found, goldenTable().end()) << "no golden entry for " << k << " in " << WHIRLANE_GOLDEN_FILE;
    const auto actual = summarise (samples);
    EXPECT_EQ (actual.hash, found->second.hash) << k << "\n  expected " << formatLine (k, found->second)
                                                << "\n  actual   " << formatLine (k, actual);
    EXPECT_EQ (actual.sampled, found->second.sampled) << k;
}
} // namespace

TEST_P (WhirlaneGolden, OutputBitsMatchTheCommittedOnes)
{
    const auto& c = GetParam();
    const auto out = render (c);
    expectChannel (key (c.name, "left"), out.left);
    if (! c.mono)
        expectChannel (key (c.name, "right"), out.right);
}

INSTANTIATE_TEST_SUITE_P (Settings, WhirlaneGolden, testing::ValuesIn (goldenCases()), [] (const auto& info) {
    std::string name = info.param.name;
    for (auto& ch : name)
        if (ch == '-')
            ch = '_';
    return name;
});
