#pragma once

#include "dsp/ModuleBase.h"

// Second-order filter in direct form I with seven response types; the engine's crossover.
class BiquadFilter final : public ModuleBase
{
public:
    enum Type
    {
        lowPass = 0,
        highPass,
        bandPass,
        notch,
        peaking,
        lowShelf,
        highShelf
    };

    BiquadFilter() { name = "Biquad Filter"; }

    void setType (int t) { type = t; }
    void setFrequency (float f) { frequency = f; }
    void setQ (float newQ) { q = newQ; }
    float getFrequency() const { return frequency; }

    void calc() override;
    void resetCoeffs() override;
    void resetBuffer() override;

    void process (double& sample) override { sample = tick (sample, left); }
    void process (double& l, double& r) override
    {
        l = tick (l, left);
        r = tick (r, right);
    }

private:
    struct State
    {
        double y1 = 0.0, y2 = 0.0, x1 = 0.0, x2 = 0.0;
    };

    double tick (double x, State& s) const
    {
        const double y = ((b0 * x + b1 * s.x1) + b2 * s.x2) - a1 * s.y1 - a2 * s.y2;
        s.x2 = s.x1;
        s.x1 = x;
        s.y2 = s.y1;
        s.y1 = y;
        return y;
    }

    int type = lowPass;
    float frequency = 1000.0f;
    float q = 0.707f;
    float gainDb = 0.0f;
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    State left, right;
};
