#pragma once

#include "dsp/LanePair.h"
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

    void process (double& sample) override
    {
        auto k = kernel<double>();
        sample = k.tick (sample);
        storeKernel (k);
    }

    void process (double& l, double& r) override
    {
        auto k = kernel<LanePair>();
        const LanePair y = k.tick (LanePair (l, r));
        l = y.left();
        r = y.right();
        storeKernel (k);
    }

    // Coefficients and memory copied out, so that a loop keeps them in registers rather than
    // in members its output stores might alias. Lanes: double for the left channel alone,
    // LanePair for both. Write back with storeKernel.
    template <typename Lanes>
    struct Kernel
    {
        Lanes b0, b1, b2, a1, a2;
        Lanes y1, y2, x1, x2;

        Lanes tick (Lanes x)
        {
            const Lanes y = ((b0 * x + b1 * x1) + b2 * x2) - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            return y;
        }
    };

    template <typename Lanes>
    Kernel<Lanes> kernel() const
    {
        return { Lanes (b0), Lanes (b1), Lanes (b2), Lanes (a1), Lanes (a2),
                 fromChannels<Lanes> (left.y1, right.y1), fromChannels<Lanes> (left.y2, right.y2),
                 fromChannels<Lanes> (left.x1, right.x1), fromChannels<Lanes> (left.x2, right.x2) };
    }

    template <typename Lanes>
    void storeKernel (const Kernel<Lanes>& k)
    {
        toChannels (k.y1, left.y1, right.y1);
        toChannels (k.y2, left.y2, right.y2);
        toChannels (k.x1, left.x1, right.x1);
        toChannels (k.x2, left.x2, right.x2);
    }

private:
    struct State
    {
        double y1 = 0.0, y2 = 0.0, x1 = 0.0, x2 = 0.0;
    };

    int type = lowPass;
    float frequency = 1000.0f;
    float q = 0.707f;
    float gainDb = 0.0f;
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    State left, right;
};
