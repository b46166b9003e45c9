#include <cmath>

#include <gtest/gtest.h>

#include "tests/ExpectedParameters.h"
#include "tests/ProcessorTestSupport.h"
#include "tests/WhirlaneTestSupport.h"

namespace
{
juce::RangedAudioParameter& hostParameter (LumikerWhirlaneAudioProcessor& processor, int index)
{
    return *dynamic_cast<juce::RangedAudioParameter*> (processor.getParameters()[index]);
}

// The host parameters' values, keyed by engine parameter index.
std::map<int, float> hostValues (LumikerWhirlaneAudioProcessor& processor)
{
    std::map<int, float> values;
    for (int i = 0; i < Whirlane::numParameters; ++i)
        values[i] = processor.getParameters()[i]->getValue();
    return values;
}

void process (LumikerWhirlaneAudioProcessor& processor, juce::AudioBuffer<float>& buffer)
{
    juce::MidiBuffer midi;
    processor.processBlock (buffer, midi);
}
} // namespace

TEST (Processor, PublishesTheFourteenParametersWithTheirTexts)
{
    LumikerWhirlaneAudioProcessor processor;
    ASSERT_EQ (processor.getParameters().size(), numExpectedParameters);
    for (int i = 0; i < numExpectedParameters; ++i)
    {
        auto& parameter = hostParameter (processor, i);
        const auto& e = expectedParameters[i];
        EXPECT_EQ (parameter.getParameterID(), e.id);
        EXPECT_EQ (parameter.getName (100), e.name);
        EXPECT_NEAR (parameter.getValue(), e.defaultValue, 1e-6f) << e.name;
        EXPECT_NEAR (parameter.getDefaultValue(), e.defaultValue, 1e-6f) << e.name;
        EXPECT_EQ (parameter.getCurrentValueAsText(), e.defaultText) << e.name;
        EXPECT_EQ (parameter.getLabel(), e.label) << e.name;
        EXPECT_TRUE (parameter.isAutomatable());
    }
}

TEST (Processor, ValueTextsAtTheEndsAndCutToLength)
{
    LumikerWhirlaneAudioProcessor processor;
    struct Case
    {
        int index;
        float value;
        int maxLength;
        const char* text;
    };
    const Case cases[] = {
        { 9, 0.0f, 1024, "Dry: 100%, Wet: 0%" },
        { 9, 1.0f, 1024, "Dry: 0%, Wet: 100%" },
        { 9, 0.58013f, 1, "Dry: 4%, Wet: 5%" },
        { 9, 0.005f, 2, "Dry: 10%, Wet: 0%" },
        { 2, 0.0f, 1024, "0.00" },
        { 2, 1.0f, 1024, "20.00" },
        { 2, 0.59454f, 3, "6.7" },
        { 8, 0.0f, 1024, "10" },
        { 8, 1.0f, 1024, "1000" },
        { 8, 1.0f, 2, "10" },
        { 4, 0.0f, 1024, "0.00" },
        { 6, 1.0f, 2, "10" },
        { 11, 0.125f, 1024, "12" }, // 12.5 rounds to the even neighbour
        { 11, 1.0f, 1024, "100" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (hostParameter (processor, c.index).getText (c.value, c.maxLength), c.text)
            << c.index << " at " << c.value << " cut " << c.maxLength;
}

TEST (Processor, ParameterMapsDescribeEveryParameter)
{
    LumikerWhirlaneAudioProcessor processor;
    const float defaults[] = { 1, 0, 0.59454f, 3.0f / 18.000001f, 0.7933f, 0.68994f, 1, 0, 0.37727f, 0.58013f, 0.76244f, 0.5f, 0, 0 };
    ASSERT_EQ (processor.getNumParameterMaps(), 14);
    for (int i = 0; i < 14; ++i)
    {
        const auto& map = processor.getParameterMap (i);
        EXPECT_EQ (map.parameterIndex, i);
        EXPECT_EQ (map.name, processor.getParameters()[i]->getName (100));
        EXPECT_EQ (map.normalisedDefault(), defaults[i]) << map.name;
    }
    const auto& choice = processor.getParameterMap (3);
    EXPECT_TRUE (choice.isChoice);
    EXPECT_EQ (choice.maxValue, 18);
    EXPECT_EQ (choice.defaultValue, 3.0f);
    EXPECT_EQ (juce::roundToInt (choice.normalisedDefault() * 18.0f), 3);
    EXPECT_EQ (processor.getParameterMap (0).maxValue, 0);
    EXPECT_EQ (processor.getParameterMap (2).maxValue, 1);
}

TEST (Processor, StartsWithTwelveFactoryPrograms)
{
    LumikerWhirlaneAudioProcessor processor;
    EXPECT_EQ (processor.currentProgram.load(), 0);
    for (auto& program : processor.programs)
    {
        EXPECT_EQ (program.activeChannel.load(), 0);
        for (int channel = 0; channel < 2; ++channel)
        {
            EXPECT_EQ (program.presetPath[channel], "Black Hole.lwhlp");
            for (int k = 0; k < 14; ++k)
                EXPECT_EQ (program.values[channel][(size_t) k].load(), processor.getParameterMap (k).normalisedDefault());
        }
    }
    EXPECT_EQ (processor.getName(), "Lumiker Whirlane");
    EXPECT_FALSE (processor.acceptsMidi() || processor.producesMidi() || processor.isMidiEffect());
    EXPECT_EQ (processor.getTailLengthSeconds(), 0.0);
}

TEST (Processor, AcceptsExactlyThreeLayouts)
{
    using Set = juce::AudioChannelSet;
    struct Case
    {
        Set in, out;
        bool accepted;
    };
    const Case cases[] = {
        { Set::mono(), Set::mono(), true },       { Set::mono(), Set::stereo(), true },
        { Set::stereo(), Set::stereo(), true },   { Set::stereo(), Set::mono(), false },
        { Set::disabled(), Set::stereo(), false }, { Set::stereo(), Set::create5point1(), false },
        { Set::quadraphonic(), Set::quadraphonic(), false },
    };
    for (const auto& c : cases)
    {
        LumikerWhirlaneAudioProcessor processor;
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (c.in);
        layout.outputBuses.add (c.out);
        EXPECT_EQ (processor.checkBusesLayoutSupported (layout), c.accepted) << c.in.getDescription() << " -> " << c.out.getDescription();
    }
}

TEST (Processor, PassesAudioUntouchedBeforeTheFirstPrepare)
{
    LumikerWhirlaneAudioProcessor processor;
    auto buffer = noiseBuffer (2, 256);
    const auto input = buffer;
    process (processor, buffer);
    EXPECT_TRUE (buffersEqual (buffer, input));
}

TEST (Processor, MonoInputFeedsTheStereoPathOfAStereoOutput)
{
    LumikerWhirlaneAudioProcessor processor;
    ASSERT_TRUE (setLayout (processor, juce::AudioChannelSet::mono(), juce::AudioChannelSet::stereo()));
    processor.prepareToPlay (44100.0, 512);

    Whirlane reference;
    prepareModule (reference, 44100.0f, hostValues (processor));

    auto buffer = noiseBuffer (2, 512);
    std::vector<float> left (buffer.getReadPointer (0), buffer.getReadPointer (0) + 512), right = left;
    process (processor, buffer);
    reference.process (left.data(), right.data(), 512);

    EXPECT_TRUE (std::equal (left.begin(), left.end(), buffer.getReadPointer (0)));
    EXPECT_TRUE (std::equal (right.begin(), right.end(), buffer.getReadPointer (1)));
}

TEST (Processor, MonoLayoutUsesTheMonoPath)
{
    LumikerWhirlaneAudioProcessor processor;
    ASSERT_TRUE (setLayout (processor, juce::AudioChannelSet::mono(), juce::AudioChannelSet::mono()));
    processor.prepareToPlay (48000.0, 256);

    Whirlane reference;
    prepareModule (reference, 48000.0f, hostValues (processor), 256);

    auto buffer = noiseBuffer (1, 256);
    std::vector<float> mono (buffer.getReadPointer (0), buffer.getReadPointer (0) + 256);
    process (processor, buffer);
    reference.process (mono.data(), 256);
    EXPECT_TRUE (std::equal (mono.begin(), mono.end(), buffer.getReadPointer (0)));
}

TEST (Processor, SuspendedProcessingOutputsSilence)
{
    LumikerWhirlaneAudioProcessor processor;
    processor.prepareToPlay (44100.0, 128);
    processor.suspendProcessing (true);
    auto buffer = noiseBuffer (2, 128);
    process (processor, buffer);
    EXPECT_EQ (buffer.getMagnitude (0, 128), 0.0f);
    processor.suspendProcessing (false);
}

TEST (Processor, ReadsTheTempoFromThePlayHead)
{
    LumikerWhirlaneAudioProcessor processor;
    processor.prepareToPlay (44100.0, 64);
    FixedTempoPlayHead playHead (98.5);
    processor.setPlayHead (&playHead);

    auto buffer = noiseBuffer (2, 64);
    process (processor, buffer);
    EXPECT_EQ (processor.bpm.load(), 98.5f);
    EXPECT_EQ (processor.getRotaryModule().getBpm(), 98.5f);
    EXPECT_EQ (processor.playHead, nullptr);

    // No tempo, or one that is not a number, leaves it as it was; absurd tempi are limited.
    playHead.hasTempo = false;
    process (processor, buffer);
    EXPECT_EQ (processor.bpm.load(), 98.5f);
    playHead.hasTempo = true;
    playHead.bpm = std::nan ("");
    process (processor, buffer);
    EXPECT_EQ (processor.bpm.load(), 98.5f);
    playHead.bpm = 1e9;
    process (processor, buffer);
    EXPECT_EQ (processor.bpm.load(), LumikerWhirlaneAudioProcessor::maxTempo);

    processor.setPlayHead (nullptr);
    process (processor, buffer);
    EXPECT_EQ (processor.bpm.load(), LumikerWhirlaneAudioProcessor::maxTempo);
}

TEST (Processor, ParameterChangesReachTheTableAndTheEngine)
{
    LumikerWhirlaneAudioProcessor processor;
    auto& depth = hostParameter (processor, 4);

    // Before the first prepare: stored and passed on, but nothing is recalculated yet.
    depth.setValueNotifyingHost (0.25f);
    EXPECT_EQ (processor.getParameterFromIndex (4), 0.25f);
    EXPECT_EQ (processor.getRotaryModule().getParameter (4), 0.25f);
    EXPECT_EQ (processor.getRotaryModule().getAllpassOffset (0), 0.0f);
    EXPECT_TRUE (processor.needsCompare.load());
    EXPECT_TRUE (processor.parametersChanged.load());

    processor.prepareToPlay (44100.0, 64);
    const float offsetAtQuarter = processor.getRotaryModule().getAllpassOffset (0);
    EXPECT_GT (offsetAtQuarter, 0.0f);

    // Once prepared, a change is heard from the next block on.
    depth.setValueNotifyingHost (0.9f);
    EXPECT_EQ (processor.getParameterFromIndex (4), 0.9f);
    auto buffer = noiseBuffer (2, 64);
    process (processor, buffer);
    EXPECT_EQ (processor.getRotaryModule().getParameter (4), 0.9f);
    EXPECT_NE (processor.getRotaryModule().getAllpassOffset (0), offsetAtQuarter);
}

TEST (Processor, OutOfRangeIndicesAndValuesAreRefused)
{
    LumikerWhirlaneAudioProcessor processor;
    EXPECT_EQ (processor.getParameterFromIndex (14), 0.0f);
    EXPECT_EQ (processor.getParameterFromIndex (-1), 0.0f);
    processor.setParameterFromIndex (14, 0.5f);
    processor.setParameterFromIndex (-1, 0.5f);
    processor.setParameterNotifyingHostFromIndex (99, 0.5f);
    processor.parameterValueChanged (20, 0.5f);

    struct Case
    {
        float value, stored;
    };
    for (const auto& c : { Case { std::nanf (""), 0.0f }, Case { 7.0f, 1.0f }, Case { -3.0f, 0.0f }, Case { 0.3f, 0.3f } })
    {
        processor.setParameterFromIndex (5, c.value);
        EXPECT_EQ (processor.getParameterFromIndex (5), c.stored) << c.value;
    }

    processor.setParameterNotifyingHostFromIndex (5, 0.75f);
    EXPECT_EQ (processor.getParameters()[5]->getValue(), 0.75f);
    EXPECT_EQ (processor.getParameterFromIndex (5), 0.75f);
}

TEST (Processor, OddRatesAndBlockSizesAreSafe)
{
    struct Case
    {
        double rate;
        int block;
        bool effectRuns;
    };
    const Case cases[] = {
        { 0.0, 512, false }, { -44100.0, 512, false }, { std::nan (""), 512, false }, { 1.0e9, 512, false },
        { 8000.0, 0, true }, { 384000.0, -5, true }, { 44100.0, 8192, true },
    };
    for (const auto& c : cases)
    {
        LumikerWhirlaneAudioProcessor processor;
        processor.prepareToPlay (c.rate, c.block);
        for (int samples : { 0, 1, 700, 8192 })
        {
            auto buffer = noiseBuffer (2, samples, samples);
            const auto input = buffer;
            process (processor, buffer);
            for (int ch = 0; ch < 2; ++ch)
            {
                for (int i = 0; i < samples; ++i)
                {
                    ASSERT_TRUE (std::isfinite (buffer.getSample (ch, i))) << c.rate;
                }
            }
            if (! c.effectRuns)
            {
                EXPECT_TRUE (buffersEqual (buffer, input)) << c.rate;
            }
        }
    }
}
