#pragma once

#include "dsp/LanePair.h"

// First-order allpass whose coefficient arrives with every sample: H(z) = (a - z^-1) / (1 - a z^-1).
class ModulatingAllpassFilter
{
public:
    void process (double& x, float a)
    {
        auto k = kernel<double>();
        x = k.tick (x, a);
        storeKernel (k);
    }

    void process (double& left, double& right, float aLeft, float aRight)
    {
        auto k = kernel<LanePair>();
        const LanePair y = k.tick (LanePair (left, right), LanePair (aLeft, aRight));
        left = y.left();
        right = y.right();
        storeKernel (k);
    }

    void resetBuffer()
    {
        x1Left = x1Right = 0.0;
        y1Left = y1Right = 0.0;
    }

    // The memory copied out, so that a loop keeps it in registers rather than in members its
    // output stores might alias. Lanes: double for the left channel alone, LanePair for both.
    template <typename Lanes>
    struct Kernel
    {
        Lanes x1, y1;

        // The coefficient as the double it is widened to from its float.
        Lanes tick (Lanes x, Lanes a)
        {
            const Lanes y = (a * x - x1) + a * y1;
            y1 = y;
            x1 = x;
            return y;
        }
    };

    template <typename Lanes>
    Kernel<Lanes> kernel() const
    {
        return { fromChannels<Lanes> (x1Left, x1Right), fromChannels<Lanes> (y1Left, y1Right) };
    }

    template <typename Lanes>
    void storeKernel (const Kernel<Lanes>& k)
    {
        toChannels (k.x1, x1Left, x1Right);
        toChannels (k.y1, y1Left, y1Right);
    }

private:
    double x1Left = 0.0;
    double x1Right = 0.0;
    double y1Left = 0.0;
    double y1Right = 0.0;
};
