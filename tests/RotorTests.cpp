#include <cmath>

#include <gtest/gtest.h>

#include "dsp/SmoothVolume.h"
#include "dsp/WavetableCosRotaryOsc.h"
#include "dsp/WavetableSineRotaryOsc.h"

namespace
{
template <typename Osc>
Osc makeOsc (float rate)
{
    Osc osc;
    osc.setSampleRate (rate);
    osc.reset();
    return osc;
}
} // namespace

TEST (RotorOsc, StoppedOscillatorsHoldTheirTableStart)
{
    auto cosine = makeOsc<WavetableCosRotaryOsc> (44100.0f);
    auto sine = makeOsc<WavetableSineRotaryOsc> (44100.0f);
    for (int i = 0; i < 100; ++i)
    {
        ASSERT_EQ (cosine.getOscSignal(), 1.0f);
        ASSERT_EQ (sine.getOscSignal(), 0.5f);
    }
}

TEST (RotorOsc, TablesAreRaisedSinusoidsAQuarterCycleApart)
{
    WavetableCosRotaryOsc cosine;
    WavetableSineRotaryOsc sine;
    for (int i = 0; i < 1024; ++i)
    {
        ASSERT_NEAR (cosine.tableValue (i), 0.5 + 0.5 * std::cos (2.0 * M_PI * i / 1024.0), 1e-6);
        ASSERT_NEAR (sine.tableValue ((i + 256) % 1024), cosine.tableValue (i), 1e-6);
    }
}

TEST (RotorOsc, SpeedGlidesLinearlyOverOneBand)
{
    auto osc = makeOsc<WavetableCosRotaryOsc> (44100.0f);
    osc.setFrequency (5.0f);
    osc.calc();
    EXPECT_NEAR (osc.getIncrement(), 0.1161, 1e-4);

    float previous = 0.0f;
    float firstStep = 0.0f;
    for (int i = 0; i < 2048; ++i)
    {
        osc.getOscSignal();
        const float step = osc.getCurrentIncrement() - previous;
        if (i == 0)
            firstStep = step;
        ASSERT_NEAR (step, firstStep, 1e-8f) << i;
        previous = osc.getCurrentIncrement();
    }
    EXPECT_NEAR (osc.getCurrentIncrement(), osc.getIncrement(), 1e-5f); // accumulated float steps, no snap

    osc.getOscSignal();
    EXPECT_EQ (osc.getCurrentIncrement(), previous); // settled: no further steps
}

TEST (RotorOsc, ANewTargetMidGlideRestartsAFullGlide)
{
    auto osc = makeOsc<WavetableSineRotaryOsc> (44100.0f);
    osc.setFrequency (5.0f);
    osc.calc();
    for (int i = 0; i < 1000; ++i)
        osc.getOscSignal();

    const float from = osc.getCurrentIncrement();
    osc.setFrequency (10.0f);
    osc.calc();
    for (int i = 0; i < 2047; ++i)
        osc.getOscSignal();
    EXPECT_LT (osc.getCurrentIncrement(), osc.getIncrement() * 0.9999f);
    osc.getOscSignal();
    EXPECT_NEAR (osc.getCurrentIncrement(), osc.getIncrement(), 1e-5f); // accumulated float steps, no snap
    EXPECT_GT (osc.getIncrement(), from);
}

TEST (RotorOsc, InterpolatesAcrossTheTableEnd)
{
    auto osc = makeOsc<WavetableCosRotaryOsc> (44100.0f);
    osc.setReadPosition (1023.5f);
    EXPECT_FLOAT_EQ (osc.getOscSignal(), 0.5f * (osc.tableValue (1023) + osc.tableValue (0)));
}

TEST (RotorOsc, ForceCalcJumpsToFullSpeed)
{
    auto osc = makeOsc<WavetableCosRotaryOsc> (48000.0f);
    osc.setFrequency (2.0f);
    osc.calc();
    osc.forceCalcParams();
    osc.getOscSignal();
    EXPECT_EQ (osc.getCurrentIncrement(), osc.getIncrement());
}

TEST (SmoothVolume, FirstCalcSnapsThenRampsExactlyToTarget)
{
    SmoothVolume gain;
    gain.setSampleRate (48000.0f);
    gain.setValue (1.0f);
    gain.calc();

    double x = 0.5;
    gain.process (x);
    EXPECT_EQ (x, 0.5);

    gain.setValue (0.0f);
    gain.calc();
    double previous = 1.0;
    for (int i = 1; i <= 2048; ++i)
    {
        double y = 1.0;
        gain.process (y);
        if (i < 2048)
        {
            ASSERT_NEAR (previous - y, 1.0 / 2048.0, 1e-12) << i;
        }
        previous = y;
    }
    EXPECT_EQ (previous, 0.0);
}

TEST (SmoothVolume, SetValueAloneChangesNothing)
{
    SmoothVolume gain;
    gain.setSampleRate (44100.0f);
    gain.setValue (0.25f);
    gain.calc();
    gain.setValue (0.75f);

    double left = 1.0, right = 2.0;
    gain.process (left, right);
    EXPECT_EQ (left, 0.25);
    EXPECT_EQ (right, 0.5);
}
