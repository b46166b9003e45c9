#include <cmath>

#include <gtest/gtest.h>

#include "dsp/BiquadFilter.h"
#include "dsp/ModulatingAllpassFilter.h"
#include "dsp/OnePole.h"

namespace
{
// Steady-state gain of a filter for a constant (DC) or alternating (Nyquist) input.
double settledGain (BiquadFilter& filter, bool nyquist)
{
    double y = 0.0;
    for (int i = 0; i < 20000; ++i)
    {
        y = (nyquist && (i % 2) != 0) ? -1.0 : 1.0;
        filter.process (y);
    }
    return std::abs (y);
}

BiquadFilter makeBiquad (int type, float frequency, float q)
{
    BiquadFilter filter;
    filter.setSampleRate (44100.0f);
    filter.setType (type);
    filter.setFrequency (frequency);
    filter.setQ (q);
    filter.calc();
    return filter;
}
} // namespace

TEST (OnePole, TenHertzHighPassRemovesDcWithItsTimeConstant)
{
    OnePole dcBlock;
    dcBlock.setSampleRate (44100.0f);
    dcBlock.setFrequency (10.0f);
    dcBlock.calc();

    const double e = std::exp (-2.0 * M_PI * 10.0 / 44100.0);
    EXPECT_NEAR (e, 0.998576, 1e-6);

    double first = 1.0;
    dcBlock.processHP (first);
    EXPECT_DOUBLE_EQ (first, e); // a step first passes almost unchanged

    double x = 1.0;
    for (int i = 1; i < 44100; ++i)
    {
        x = 1.0;
        dcBlock.processHP (x);
    }
    EXPECT_NEAR (x, std::pow (e, 44100.0), 1e-9);
    EXPECT_LT (std::abs (x), 1e-6);
}

TEST (OnePole, NeutralCoefficientsPassHighAndBlockLow)
{
    OnePole filter;
    filter.setFrequency (10.0f);
    filter.calc();
    filter.resetCoeffs();

    double high = 0.75, low = 0.75;
    filter.processHP (high);
    filter.process (low);
    EXPECT_EQ (high, 0.75);
    EXPECT_EQ (low, 0.0);
}

TEST (Biquad, LowAndHighPassAreComplementaryAtDcAndNyquist)
{
    auto lowPass = makeBiquad (BiquadFilter::lowPass, 1000.0f, 1.0f);
    auto highPass = makeBiquad (BiquadFilter::highPass, 1000.0f, 1.0f);
    EXPECT_NEAR (settledGain (lowPass, false), 1.0, 1e-9);
    EXPECT_NEAR (settledGain (highPass, false), 0.0, 1e-9);

    lowPass.resetBuffer();
    highPass.resetBuffer();
    EXPECT_NEAR (settledGain (lowPass, true), 0.0, 1e-9);
    EXPECT_NEAR (settledGain (highPass, true), 1.0, 1e-9);
}

TEST (Biquad, UnknownTypesAndFlatGainTypesPassTheSignal)
{
    struct Case
    {
        int type;
        double tolerance;
    };
    const Case cases[] = { { 7, 0.0 }, { -1, 0.0 }, { BiquadFilter::peaking, 1e-12 },
                           { BiquadFilter::lowShelf, 1e-12 }, { BiquadFilter::highShelf, 1e-12 } };

    for (const auto& c : cases)
    {
        auto filter = makeBiquad (c.type, 800.0f, 0.707f);
        for (int i = 0; i < 200; ++i)
        {
            const double x = std::sin (0.37 * i) + 0.25;
            double y = x;
            filter.process (y);
            ASSERT_NEAR (y, x, c.tolerance) << "type " << c.type << " sample " << i;
        }
    }
}

TEST (Biquad, StereoChannelsKeepSeparateState)
{
    auto stereo = makeBiquad (BiquadFilter::lowPass, 500.0f, 1.0f);
    auto mono = makeBiquad (BiquadFilter::lowPass, 500.0f, 1.0f);
    for (int i = 0; i < 64; ++i)
    {
        double l = (i == 0) ? 1.0 : 0.0, r = 0.5, m = l;
        stereo.process (l, r);
        mono.process (m);
        ASSERT_EQ (l, m);
    }
}

TEST (ModulatingAllpass, ZeroCoefficientDelaysAndNegates)
{
    ModulatingAllpassFilter section;
    const double input[] = { 1.0, -0.5, 0.25, 2.0 };
    double previous = 0.0;
    for (double x : input)
    {
        double y = x;
        section.process (y, 0.0f);
        EXPECT_EQ (y, -previous);
        previous = x;
    }
}

TEST (ModulatingAllpass, HasUnitGainForSteadyTones)
{
    ModulatingAllpassFilter section;
    double peak = 0.0;
    for (int i = 0; i < 48000; ++i)
    {
        double y = std::sin (2.0 * M_PI * 440.0 * i / 48000.0);
        section.process (y, 0.6f);
        if (i > 1000)
            peak = std::max (peak, std::abs (y));
    }
    EXPECT_NEAR (peak, 1.0, 1e-3);
}
