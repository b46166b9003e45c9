#pragma once

#include "dsp/CommonBase.h"
#include "dsp/LanePair.h"

// A gain that moves linearly to each new value over one band length.
class SmoothVolume final : public CommonBase
{
public:
    void setSampleRate (float rate) override;
    void reset() override { resetCoeffs(); }
    void resetCoeffs();
    void resetBuffer() {}

    void setValue (float v) { target = (double) v; }
    void calc();

    double getCurrent() const { return current; }
    double getTarget() const { return target; }

    void process (double& x) override
    {
        auto k = kernel();
        x = k.apply (x);
        storeKernel (k);
    }

    void process (double& left, double& right) override
    {
        auto k = kernel();
        const LanePair y = k.apply (LanePair (left, right));
        left = y.left();
        right = y.right();
        storeKernel (k);
    }

    // The ramp copied out, so that a loop keeps it in registers rather than in members its
    // output stores might alias. Write back with storeKernel.
    struct Kernel
    {
        double current, target, step;
        int count, rampLength;

        // One sample: advance the ramp, then scale one channel (double) or two (LanePair).
        template <typename Lanes>
        Lanes apply (Lanes x)
        {
            if (count < rampLength)
            {
                ++count;
                current += step;
                if (count == rampLength)
                    current = target;
            }
            return Lanes (current) * x;
        }
    };

    Kernel kernel() const { return { current, target, step, count, rampLength }; }

    void storeKernel (const Kernel& k)
    {
        current = k.current;
        count = k.count;
    }

private:
    double current = 0.0;
    double target = 0.0;
    double step = 0.0;
    int count = 0;
    bool snapOnCalc = true;
    int rampLength = 2048;
    double rampLengthValue = 2048.0;
};
