#include <thread>

#include <gtest/gtest.h>

#include "tests/ProcessorTestSupport.h"
#include "tests/RealtimeGuard.h"

namespace
{
// Drives a prepared processor from its own thread, as a host's audio thread would, with
// parameter changes, bypass fades, tempo changes and block lengths up to the announced one.
RealtimeGuard::Counts runAudioThread (LumikerWhirlaneAudioProcessor& processor, int channels, int blocks)
{
    RealtimeGuard::Counts counts;
    std::thread audio ([&] {
        FixedTempoPlayHead playHead (120.0);
        processor.setPlayHead (&playHead);
        auto buffer = noiseBuffer (channels, 512);
        juce::MidiBuffer midi;
        juce::Random random (7);
        auto& parameters = processor.getParameters();

        RealtimeGuard::resetCounts();
        for (int block = 0; block < blocks; ++block)
        {
            // Host automation arrives on the audio thread, before the block.
            const int index = block % parameters.size();
            parameters[index]->setValueNotifyingHost (index == 0 ? (block / 14) % 3 != 0 : random.nextFloat());
            playHead.bpm = 60.0 + (block % 50);

            const int length = (block % 7 == 0) ? 0 : 1 + random.nextInt (512);
            juce::AudioBuffer<float> view (buffer.getArrayOfWritePointers(), channels, length);
            RealtimeGuard::Scope scope;
            processor.processBlock (view, midi);
        }
        counts = RealtimeGuard::counts();
        processor.setPlayHead (nullptr);
    });
    audio.join();
    return counts;
}
} // namespace

TEST (Realtime, ProcessBlockNeitherAllocatesNorLocks)
{
    using Set = juce::AudioChannelSet;
    struct Case
    {
        Set in, out;
    };
    for (const auto& c : { Case { Set::stereo(), Set::stereo() }, Case { Set::mono(), Set::stereo() }, Case { Set::mono(), Set::mono() } })
    {
        LumikerWhirlaneAudioProcessor processor;
        ASSERT_TRUE (setLayout (processor, c.in, c.out));
        processor.getParameters()[13]->setValueNotifyingHost (1.0f); // synced, so tempo changes recalculate
        processor.prepareToPlay (48000.0, 512);

        const auto counts = runAudioThread (processor, c.out.size(), 5000);
        EXPECT_EQ (counts.allocations, 0) << c.out.getDescription();
        EXPECT_EQ (counts.locks, 0) << c.out.getDescription();
    }
}

TEST (Realtime, TheGuardSeesAllocationsAndLocks)
{
    RealtimeGuard::resetCounts();
    {
        RealtimeGuard::Scope scope;
        auto* volatile p = new int (3);
        delete p;
        juce::CriticalSection lock;
        const juce::ScopedLock sl (lock);
    }
    EXPECT_GE (RealtimeGuard::counts().allocations, 1);
    EXPECT_GE (RealtimeGuard::counts().locks, 1);
}
