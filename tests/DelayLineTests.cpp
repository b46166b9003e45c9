#include <cmath>

#include <gtest/gtest.h>

#include "dsp/ModulatingDelayLine.h"

namespace
{
ModulatingDelayLine makeLine (float rate, float delayMs, float sweepMs)
{
    ModulatingDelayLine line;
    line.setSampleRate (rate);
    line.setDelay (delayMs);
    line.setSweepWidth (sweepMs);
    line.forceCalcParams();
    return line;
}
} // namespace

TEST (DelayLine, BufferLengthFollowsTheSampleRate)
{
    struct Case
    {
        float rate;
        int length;
    };
    for (const auto& c : { Case { 44100.0f, 93051 }, Case { 48000.0f, 101280 }, Case { 8000.0f, 16880 } })
    {
        ModulatingDelayLine line;
        line.setSampleRate (c.rate);
        EXPECT_EQ (line.getBufferLength(), c.length) << c.rate;
    }
}

TEST (DelayLine, ZeroDelayPassesTheInputUnchanged)
{
    auto line = makeLine (44100.0f, 0.0f, 0.0f);
    for (int i = 0; i < 1000; ++i)
    {
        const double x = std::sin (i * 0.1);
        double left = x, right = -x, outLeft = 0.0, outRight = 0.0;
        line.process (left, right, outLeft, outRight, 0.7f, 0.3f);
        ASSERT_EQ (left, x);
        ASSERT_EQ (outLeft, x);
        ASSERT_EQ (right, -x);
    }
}

TEST (DelayLine, FullSweepReadsFortyFourSamplesBackAtFortyFourKilohertz)
{
    auto line = makeLine (44100.0f, 0.0f, 1.0f);
    double out = 0.0;
    // An impulse, read back 44.1 samples later: weight about 0.9 at 44 and 0.1 at 45.
    for (int i = 0; i < 50; ++i)
    {
        double x = i == 0 ? 1.0 : 0.0, o = 0.0;
        line.process (x, o, 1.0f);
        if (i == 44)
            out = o;
        if (i == 45)
        {
            EXPECT_NEAR (o, 0.1, 0.01);
        }
    }
    EXPECT_NEAR (out, 0.9, 0.01);
}

TEST (DelayLine, SweepWidthGlideEndsExactlyAfterOneBand)
{
    auto line = makeLine (48000.0f, 0.0f, 0.0f);
    line.setSweepWidth (0.8f);
    line.calcSweepWidth();

    double x = 0.0, o = 0.0;
    for (int i = 0; i < 2047; ++i)
        line.process (x, o, 0.5f);
    EXPECT_LT (line.getCurrentSweepWidth(), 0.8f);
    line.process (x, o, 0.5f);
    EXPECT_EQ (line.getCurrentSweepWidth(), 0.8f);
    for (int i = 0; i < 100; ++i)
        line.process (x, o, 0.5f);
    EXPECT_EQ (line.getCurrentSweepWidth(), 0.8f);
}

TEST (DelayLine, SettingsAreClampedToTheirLimits)
{
    ModulatingDelayLine line;
    line.setDelay (5000.0f);
    line.setSweepWidth (250.0f);
    EXPECT_EQ (line.getDelay(), 2000.0f);
    EXPECT_EQ (line.getSweepWidth(), 100.0f);
}

TEST (DelayLine, CalcRestartsWritingWithoutClearingButForceClears)
{
    // A negative modulation reads ahead of the write point, into what was written before
    // the restart: still there after calc, gone after forceCalcParams.
    const auto readAheadAfter = [] (bool force)
    {
        auto line = makeLine (44100.0f, 0.0f, 1.0f);
        for (int i = 0; i < 10; ++i)
        {
            double x = 1.0, o = 0.0;
            line.process (x, o, 0.0f);
        }
        force ? line.forceCalcParams() : line.calc();
        EXPECT_EQ (line.getWriteIndex(), 0);

        double x = 0.0, o = 0.0;
        line.process (x, o, -0.1f);
        return o;
    };

    EXPECT_NEAR (readAheadAfter (false), 1.0, 1e-6);
    EXPECT_EQ (readAheadAfter (true), 0.0);
}
