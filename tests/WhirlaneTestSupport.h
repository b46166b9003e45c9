#pragma once

#include <map>
#include <vector>

#include "dsp/Whirlane.h"

// Prepares a module the way the processor does: rate, block length, resets, tempo, every
// parameter (defaults of the module unless overridden), then a full recalculation.
inline void prepareModule (Whirlane& module, float sampleRate, const std::map<int, float>& values = {},
                           int blockLength = 512, float bpm = 120.0f)
{
    module.setSampleRate (sampleRate);
    module.setExpectedSampleFrame (blockLength, true);
    module.resetBuffer();
    module.resetCoeffs();
    module.setBpm (bpm);
    for (int i = 0; i < Whirlane::numParameters; ++i)
    {
        const auto found = values.find (i);
        module.setParameter (i, found != values.end() ? found->second : module.getDefaultParameter (i));
    }
    module.forceCalcParams();
}

// A deterministic test signal: a few partials with a little noise-like wobble.
inline std::vector<float> testSignal (int numSamples, float sampleRate, unsigned seed = 1)
{
    std::vector<float> samples ((size_t) numSamples);
    unsigned state = seed * 2654435761u;
    for (int i = 0; i < numSamples; ++i)
    {
        state = state * 1664525u + 1013904223u;
        const double t = i / (double) sampleRate;
        const double noise = ((state >> 8) / 16777216.0 - 0.5) * 0.05;
        samples[(size_t) i] = (float) (0.3 * std::sin (2 * M_PI * 220.0 * t) + 0.2 * std::sin (2 * M_PI * 1330.0 * t)
                                       + 0.1 * std::sin (2 * M_PI * 5100.0 * t) + noise);
    }
    return samples;
}
