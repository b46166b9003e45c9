#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include <gtest/gtest.h>

#include "tests/ProcessorTestSupport.h"

namespace
{
using Clock = std::chrono::steady_clock;

// Runs body repeatedly on its own thread until the deadline.
template <typename Body>
std::thread loopUntil (Clock::time_point deadline, Body body)
{
    return std::thread ([deadline, body]() mutable {
        for (int round = 0; Clock::now() < deadline; ++round)
            body (round);
    });
}
} // namespace

// Host automation, editor-style reads and writes, bulk reloads, state saves and audio at
// once, as hosts do them.
// Built with ThreadSanitizer: any data race fails the run.
TEST (ProcessorStress, ParameterChangesRaceFreeAgainstRunningBlocks)
{
    LumikerWhirlaneAudioProcessor processor;
    processor.prepareToPlay (48000.0, 256);
    auto& parameters = processor.getParameters();
    FixedTempoPlayHead playHead (120.0);
    processor.setPlayHead (&playHead);

    const auto deadline = Clock::now() + std::chrono::seconds (3);
    std::atomic<long> blocks { 0 }, nonFinite { 0 };

    auto audio = loopUntil (deadline, [&] (int round) {
        auto buffer = noiseBuffer (2, 1 + round % 256, round);
        juce::MidiBuffer midi;
        {
            // The plug-in wrappers hold the callback lock around every block.
            const juce::ScopedLock lock (processor.getCallbackLock());
            processor.processBlock (buffer, midi);
        }
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                if (! std::isfinite (buffer.getSample (ch, i)))
                    ++nonFinite;
        ++blocks;
    });

    auto automation = loopUntil (deadline, [&] (int round) {
        juce::Random random (round);
        for (auto* parameter : parameters)
            parameter->setValueNotifyingHost (random.nextFloat());
    });

    auto bulk = loopUntil (deadline, [&] (int round) {
        processor.suspendProcessing (true);
        processor.paramsCalculated = false;
        for (int i = 0; i < parameters.size(); ++i)
            processor.setParameterNotifyingHostFromIndex (i, (float) ((round + i) % 10) / 9.0f);
        processor.calc();
        processor.suspendProcessing (false);
        processor.setParameterNotifyingHostFromIndex (0, (float) (round % 2));
        std::this_thread::sleep_for (std::chrono::milliseconds (2));
    });

    auto editor = loopUntil (deadline, [&] (int round) {
        // A resize and the gear, as the window does them.
        processor.uiScale = 1.0f + (float) (round % 3) * 0.5f;
        processor.viewState = round % 2 == 0;
        float sum = 0.0f;
        for (int i = 0; i < parameters.size(); ++i)
            sum += processor.getParameterFromIndex (i);
        if (processor.parametersChanged.exchange (false) || processor.needsCompare.exchange (false))
            sum += 1.0f;
        EXPECT_TRUE (std::isfinite (sum));
        std::this_thread::sleep_for (std::chrono::milliseconds (1));
    });

    // Some hosts save their session from a thread of their own while all this goes on.
    auto saving = loopUntil (deadline, [&] (int) {
        juce::MemoryBlock state;
        processor.getStateInformation (state);
        EXPECT_GT (state.getSize(), 0u);
        std::this_thread::sleep_for (std::chrono::milliseconds (5));
    });

    for (auto* thread : { &audio, &automation, &bulk, &editor, &saving })
        thread->join();

    processor.setPlayHead (nullptr);
    EXPECT_GT (blocks.load(), 100);
    EXPECT_EQ (nonFinite.load(), 0);
}
