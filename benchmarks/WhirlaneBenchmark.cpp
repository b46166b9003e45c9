// Cost of the engine per frame: the module's stereo and mono process at the common rates and
// block lengths, and the silence that follows a signal (where filter memories decay into
// denormals unless the processor's flush-to-zero is on).
//
// Run through scripts/bench.sh, which builds in Release and pins the run to one core.

#include <algorithm>
#include <vector>

#include <benchmark/benchmark.h>
#include <juce_audio_basics/juce_audio_basics.h>

#include "tests/WhirlaneTestSupport.h"

namespace
{
enum class Path
{
    stereo,
    mono
};

// The source signal: one second, read block after block so the input keeps moving.
class BlockFeed
{
public:
    BlockFeed (float rate, int blockLength)
        : left (testSignal ((int) rate, rate, 1)),
          right (testSignal ((int) rate, rate, 2)),
          workLeft ((size_t) blockLength),
          workRight ((size_t) blockLength),
          length (blockLength)
    {
    }

    void process (Whirlane& module, Path path)
    {
        if (position + (size_t) length > left.size())
            position = 0;
        std::copy_n (left.begin() + (long) position, length, workLeft.begin());
        std::copy_n (right.begin() + (long) position, length, workRight.begin());
        position += (size_t) length;
        run (module, path);
    }

    void processSilence (Whirlane& module, Path path)
    {
        std::fill (workLeft.begin(), workLeft.end(), 0.0f);
        std::fill (workRight.begin(), workRight.end(), 0.0f);
        run (module, path);
    }

private:
    void run (Whirlane& module, Path path)
    {
        if (path == Path::stereo)
            module.process (workLeft.data(), workRight.data(), length);
        else
            module.process (workLeft.data(), length);
        benchmark::DoNotOptimize (workLeft.data());
        benchmark::DoNotOptimize (workRight.data());
        benchmark::ClobberMemory();
    }

    std::vector<float> left, right, workLeft, workRight;
    int length;
    size_t position = 0;
};

// Nanoseconds per frame and audio seconds processed per CPU second.
void reportPerFrame (benchmark::State& state, float rate, int blockLength)
{
    // Shown with a unit prefix: "frame_time=25.1ns". x_realtime shows as "/s" (audio seconds per second).
    state.counters["frame_time"] = benchmark::Counter (blockLength, benchmark::Counter::kIsIterationInvariantRate
                                                                        | benchmark::Counter::kInvert);
    state.counters["x_realtime"] = benchmark::Counter (blockLength / (double) rate,
                                                       benchmark::Counter::kIsIterationInvariantRate);
}

// Arguments: sample rate, block length, stereo rotor motion on.
void runSignal (benchmark::State& state, Path path)
{
    const auto rate = (float) state.range (0);
    const auto blockLength = (int) state.range (1);
    juce::ScopedNoDenormals noDenormals;

    Whirlane module;
    prepareModule (module, rate, { { Whirlane::stereoOnIndex, (float) state.range (2) } }, blockLength);
    BlockFeed feed (rate, blockLength);

    for (auto _ : state)
        feed.process (module, path);

    reportPerFrame (state, rate, blockLength);
}

void Stereo (benchmark::State& state) { runSignal (state, Path::stereo); }
void Mono (benchmark::State& state) { runSignal (state, Path::mono); }

// Two seconds of signal, then twelve of silence before the timing starts, so the filter
// and delay memories hold only what decays from the signal (the slowest, the 10 Hz DC
// blockers, reach the denormal range after about eleven seconds).
// Arguments: sample rate, block length, flush-to-zero on.
void SilenceAfterSignal (benchmark::State& state)
{
    const auto rate = (float) state.range (0);
    const auto blockLength = (int) state.range (1);
    const bool flushToZero = state.range (2) != 0;

    juce::ScopedNoDenormals noDenormals;
    if (! flushToZero)
        juce::FloatVectorOperations::disableDenormalisedNumberSupport (false);

    Whirlane module;
    prepareModule (module, rate, { { Whirlane::stereoOnIndex, 1.0f } }, blockLength);
    BlockFeed feed (rate, blockLength);
    for (int frames = 0; frames < (int) (2.0f * rate); frames += blockLength)
        feed.process (module, Path::stereo);
    for (int frames = 0; frames < (int) (12.0f * rate); frames += blockLength)
        feed.processSilence (module, Path::stereo);

    for (auto _ : state)
        feed.processSilence (module, Path::stereo);

    reportPerFrame (state, rate, blockLength);
}

void signalArguments (benchmark::internal::Benchmark* b, bool withStereoMotion)
{
    b->ArgNames ({ "rate", "block", "stereoOn" });
    for (const int rate : { 44100, 48000, 96000 })
        for (const int block : { 32, 512 })
        {
            b->Args ({ rate, block, 0 });
            if (withStereoMotion)
                b->Args ({ rate, block, 1 });
        }
}
} // namespace

BENCHMARK (Stereo)->Apply ([] (auto* b) { signalArguments (b, true); });
BENCHMARK (Mono)->Apply ([] (auto* b) { signalArguments (b, false); });
BENCHMARK (SilenceAfterSignal)
    ->ArgNames ({ "rate", "block", "ftz" })
    ->Args ({ 48000, 512, 1 })
    ->Args ({ 48000, 512, 0 });

BENCHMARK_MAIN();
