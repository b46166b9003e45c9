#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "tests/WhirlaneTestSupport.h"

namespace
{
constexpr float rate44 = 44100.0f;

void processStereo (Whirlane& module, std::vector<float>& left, std::vector<float>& right, int blockLength = 512)
{
    for (size_t start = 0; start < left.size(); start += (size_t) blockLength)
    {
        const int n = (int) std::min ((size_t) blockLength, left.size() - start);
        module.process (left.data() + start, right.data() + start, n);
    }
}

bool allFinite (const std::vector<float>& samples)
{
    return std::all_of (samples.begin(), samples.end(), [] (float x) { return std::isfinite (x); });
}
} // namespace

TEST (WhirlaneSignal, BypassedOutputIsBitIdenticalAndTheRotorWaits)
{
    Whirlane module;
    prepareModule (module, rate44, { { Whirlane::onBypassIndex, 0.0f } });
    auto left = testSignal (4096, rate44, 1), right = testSignal (4096, rate44, 2);
    const auto inLeft = left, inRight = right;
    processStereo (module, left, right);
    EXPECT_EQ (left, inLeft);
    EXPECT_EQ (right, inRight);
    EXPECT_EQ (module.getCosOsc().getReadPosition(), 0.0f);
}

TEST (WhirlaneSignal, NoMixAtUnityLevelGivesTheInputBack)
{
    Whirlane module;
    prepareModule (module, rate44, { { Whirlane::mixIndex, 0.0f }, { Whirlane::dryLevelIndex, 0.5f } });
    auto left = testSignal (8192, rate44, 3), right = testSignal (8192, rate44, 4);
    const auto inLeft = left, inRight = right;
    processStereo (module, left, right);
    EXPECT_EQ (left, inLeft);
    EXPECT_EQ (right, inRight);
}

TEST (WhirlaneSignal, FadeInFromBypassUsesTheOvershootingLastStep)
{
    // With the output level at 0 the effect path is silent, so the output shows the dry gain.
    Whirlane module;
    prepareModule (module, rate44, { { Whirlane::onBypassIndex, 0.0f }, { Whirlane::dryLevelIndex, 0.0f } });
    module.setParameter (Whirlane::onBypassIndex, 1.0f);
    module.calcParameter (Whirlane::onBypassIndex);

    std::vector<float> left (512, 1.0f), right (512, 1.0f);
    module.process (left.data(), right.data(), 512);

    float dryGain = 1.0f;
    const float step = 1.0f / 198.0f;
    for (int k = 0; k <= 198; ++k)
    {
        ASSERT_EQ (left[(size_t) k], dryGain) << k;
        dryGain -= step;
    }
    EXPECT_NEAR (left[199], -0.005048f, 1e-6f);
    for (size_t k = 200; k < 512; ++k)
        ASSERT_EQ (left[k], 0.0f) << k;
    EXPECT_EQ (module.getBypassState(), Whirlane::active);
    EXPECT_EQ (module.getWetGain(), 1.0f);
}

TEST (WhirlaneSignal, FadeInWetGainReachesItsOvershootAtSample199)
{
    Whirlane module;
    prepareModule (module, rate44, { { Whirlane::onBypassIndex, 0.0f } });
    module.setParameter (Whirlane::onBypassIndex, 1.0f);
    module.calcParameter (Whirlane::onBypassIndex);

    float left = 0.0f, right = 0.0f;
    for (int k = 0; k < 199; ++k)
    {
        if (k == 198)
        {
            EXPECT_NEAR (module.getWetGain(), 0.9999979f, 1e-7f);
        }
        module.process (&left, &right, 1);
    }
    EXPECT_NEAR (module.getWetGain(), 1.005048f, 1e-6f);
    module.process (&left, &right, 1);
    EXPECT_EQ (module.getWetGain(), 1.0f);
    EXPECT_EQ (module.getDryGain(), 0.0f);
}

TEST (WhirlaneSignal, CompletedFadeOutRestartsTheRotorFromItsStart)
{
    Whirlane module;
    prepareModule (module, rate44);
    auto left = testSignal (2048, rate44), right = left;
    processStereo (module, left, right);
    ASSERT_GT (module.getCosOsc().getReadPosition(), 0.0f);

    module.setParameter (Whirlane::onBypassIndex, 0.0f);
    module.calcParameter (Whirlane::onBypassIndex);
    processStereo (module, left, right);
    EXPECT_EQ (module.getBypassState(), Whirlane::bypassed);
    EXPECT_EQ (module.getCosOsc().getReadPosition(), 0.0f);

    // A switch during a fade reverses it from where it stands.
    module.setParameter (Whirlane::onBypassIndex, 1.0f);
    module.calcParameter (Whirlane::onBypassIndex);
    module.process (left.data(), right.data(), 50);
    const float wet = module.getWetGain();
    module.setParameter (Whirlane::onBypassIndex, 0.0f);
    module.calcParameter (Whirlane::onBypassIndex);
    EXPECT_EQ (module.getWetGain(), wet);
    EXPECT_EQ (module.getBypassState(), Whirlane::fadingOut);
}

TEST (WhirlaneSignal, MonoLoopEqualsTheLeftOfTheStereoLoop)
{
    const std::map<int, float> settings = { { Whirlane::stereoOnIndex, 1.0f }, { Whirlane::widthIndex, 0.8f }, { Whirlane::distanceIndex, 0.7f } };
    Whirlane mono, stereo;
    prepareModule (mono, rate44, settings);
    prepareModule (stereo, rate44, settings);

    auto monoBuffer = testSignal (6000, rate44);
    auto left = monoBuffer, right = monoBuffer;
    for (size_t start = 0; start < monoBuffer.size(); start += 500)
    {
        mono.process (monoBuffer.data() + start, 500);
        stereo.process (left.data() + start, right.data() + start, 500);
    }
    EXPECT_EQ (monoBuffer, left);
    EXPECT_NE (left, right);
}

TEST (WhirlaneSignal, StereoOffOrZeroWidthLeavesTheBandsCentred)
{
    const auto render = [] (float stereoOn, float width)
    {
        Whirlane module;
        prepareModule (module, rate44, { { Whirlane::stereoOnIndex, stereoOn }, { Whirlane::widthIndex, width } });
        auto left = testSignal (4096, rate44), right = left;
        processStereo (module, left, right);
        return left;
    };

    const auto off = render (0.0f, 1.0f);
    EXPECT_EQ (off, render (0.0f, 0.3f));
    EXPECT_EQ (off, render (1.0f, 0.0f));
    EXPECT_NE (off, render (1.0f, 1.0f));
}

TEST (WhirlaneSignal, ProcessBlockRoutesAMonoFeedByTheStereoSwitch)
{
    for (float stereoOn : { 0.0f, 1.0f })
    {
        Whirlane routed, direct;
        prepareModule (routed, rate44, { { Whirlane::stereoOnIndex, stereoOn } });
        prepareModule (direct, rate44, { { Whirlane::stereoOnIndex, stereoOn } });

        auto channel0 = testSignal (1024, rate44);
        std::vector<float> channel1 (1024, 0.0f);
        auto expectLeft = channel0, expectRight = channel0;
        routed.processBlock (channel0.data(), channel1.data(), 1024);

        if (stereoOn > 0.5f)
        {
            direct.process (expectLeft.data(), expectRight.data(), 1024);
        }
        else
        {
            direct.process (expectLeft.data(), 1024);
            expectRight = expectLeft;
        }
        EXPECT_EQ (channel0, expectLeft) << stereoOn;
        EXPECT_EQ (channel1, expectRight) << stereoOn;
    }
}

TEST (WhirlaneSignal, LongerBlocksThanAnnouncedAndEmptyBlocksWork)
{
    Whirlane module;
    prepareModule (module, rate44, {}, 64);
    module.setParameter (Whirlane::onBypassIndex, 0.0f);
    module.calcParameter (Whirlane::onBypassIndex);

    std::vector<float> left (8192, 0.25f), right (8192, -0.25f);
    module.process (left.data(), right.data(), 0);
    EXPECT_EQ (module.getBypassState(), Whirlane::fadingOut);
    module.process (left.data(), right.data(), 8192);
    EXPECT_EQ (module.getExpectedSampleFrame(), 8192);
    EXPECT_EQ (module.getBypassState(), Whirlane::bypassed);
    EXPECT_TRUE (allFinite (left) && allFinite (right));
}

TEST (WhirlaneSignal, NonFiniteInputSpoilsOnlyItsOwnBlock)
{
    const std::map<int, float> settled = { { Whirlane::distanceIndex, 0.0f } };
    for (float bad : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity() })
    {
        Whirlane hit, fresh;
        prepareModule (hit, rate44, settled);
        prepareModule (fresh, rate44, settled);

        // Let the gain ramps settle so the two engines differ only in their signal memory.
        auto warmLeft = testSignal (8192, rate44), warmRight = warmLeft;
        processStereo (hit, warmLeft, warmRight);
        warmLeft = testSignal (8192, rate44);
        warmRight = warmLeft;
        processStereo (fresh, warmLeft, warmRight);

        auto left = testSignal (512, rate44, 7), right = left;
        left[100] = bad;
        hit.process (left.data(), right.data(), 512);
        EXPECT_TRUE (allFinite (left) && allFinite (right)) << bad;

        fresh.resetBuffer();
        auto after = testSignal (4096, rate44, 8), afterRight = after;
        auto expected = after, expectedRight = after;
        processStereo (hit, after, afterRight);
        processStereo (fresh, expected, expectedRight);
        EXPECT_EQ (after, expected) << bad;
        EXPECT_EQ (afterRight, expectedRight) << bad;
    }
}

TEST (WhirlaneSignal, HugeFiniteInputNeverGivesNonFiniteOutput)
{
    Whirlane module;
    prepareModule (module, rate44, { { Whirlane::dryLevelIndex, 1.0f } });
    std::vector<float> left (2048), right (2048);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] = right[i] = (i % 2 == 0 ? 1.0f : -1.0f) * std::numeric_limits<float>::max();
    processStereo (module, left, right);
    EXPECT_TRUE (allFinite (left) && allFinite (right));
}

TEST (WhirlaneSignal, SampleRatesAndBlockLengthsGiveFiniteOutput)
{
    for (float rate : { 8000.0f, 22050.0f, 44100.0f, 96000.0f, 192000.0f, 384000.0f })
        for (int blockLength : { 1, 17, 512, 8192 })
        {
            Whirlane module;
            prepareModule (module, rate, { { Whirlane::stereoOnIndex, 1.0f } }, blockLength);
            auto left = testSignal (blockLength * 3 + 5, rate), right = left;
            processStereo (module, left, right, blockLength);
            ASSERT_TRUE (allFinite (left) && allFinite (right)) << rate << " / " << blockLength;
        }
}

TEST (WhirlaneSignal, LowSampleRatesSoundLikeTheEffectNotSilenceOrNoise)
{
    for (float rate : { 8000.0f, 11025.0f, 12000.0f, 22050.0f, 32000.0f })
        for (float depthValue : { 0.7933f, 1.0f })
        {
            Whirlane module;
            prepareModule (module, rate, { { Whirlane::depthIndex, depthValue }, { Whirlane::stereoOnIndex, 1.0f } });
            auto left = testSignal ((int) rate * 2, rate), right = left;
            processStereo (module, left, right);

            double inputSquares = 0.0, outputSquares = 0.0;
            float peak = 0.0f;
            const auto input = testSignal ((int) rate * 2, rate);
            for (size_t i = (size_t) rate / 2; i < left.size(); ++i)
            {
                inputSquares += (double) input[i] * input[i];
                outputSquares += (double) left[i] * left[i];
                peak = std::max (peak, std::abs (left[i]));
            }
            const double gain = std::sqrt (outputSquares / inputSquares);
            EXPECT_GT (gain, 0.5) << rate << " Hz, depth " << depthValue;
            EXPECT_LT (gain, 3.0) << rate << " Hz, depth " << depthValue;
            EXPECT_LT (peak, 3.0f) << rate << " Hz, depth " << depthValue;
        }
}
