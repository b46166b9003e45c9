#pragma once

#include "dsp/LanePair.h"
#include "dsp/ModuleBase.h"

// One-pole low-pass; its high-pass form (input minus low-pass) blocks DC in the engine.
class OnePole final : public ModuleBase
{
public:
    void setFrequency (float f) { frequency = f; }
    float getFrequency() const { return frequency; }

    void calc() override;
    void resetCoeffs() override;
    void resetBuffer() override;

    void process (double& sample) override { sample = lowPass (sample, stateLeft); }
    void process (double& left, double& right) override
    {
        left = lowPass (left, stateLeft);
        right = lowPass (right, stateRight);
    }

    void processHP (double& sample) { sample = highPass (sample, stateLeft); }
    void processHP (double& left, double& right)
    {
        left = highPass (left, stateLeft);
        right = highPass (right, stateRight);
    }

    // Coefficients and memory copied out, so that a loop keeps them in registers rather than
    // in members its output stores might alias. Lanes: double for the left channel alone,
    // LanePair for both. Write back with storeKernel.
    template <typename Lanes>
    struct Kernel
    {
        Lanes gain, feedback, state;

        Lanes lowPass (Lanes x) { return lowPassStep (x, state, gain, feedback); }
        Lanes highPass (Lanes x) { return x - lowPass (x); }
    };

    template <typename Lanes>
    Kernel<Lanes> kernel() const
    {
        return { Lanes (gain), Lanes (feedback), fromChannels<Lanes> (stateLeft, stateRight) };
    }

    template <typename Lanes>
    void storeKernel (const Kernel<Lanes>& k)
    {
        toChannels (k.state, stateLeft, stateRight);
    }

private:
    template <typename Lanes>
    static Lanes lowPassStep (Lanes x, Lanes& state, Lanes gain, Lanes feedback)
    {
        state = gain * x - feedback * state;
        return state;
    }

    double lowPass (double x, double& state) const { return lowPassStep (x, state, gain, feedback); }
    double highPass (double x, double& state) const { return x - lowPass (x, state); }

    float frequency = 0.0f;
    double gain = 0.0;
    double feedback = 0.0;
    double stateLeft = 0.0;
    double stateRight = 0.0;
};
