#pragma once

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

private:
    double lowPass (double x, double& state) const
    {
        state = gain * x - feedback * state;
        return state;
    }

    double highPass (double x, double& state) const { return x - lowPass (x, state); }

    float frequency = 0.0f;
    double gain = 0.0;
    double feedback = 0.0;
    double stateLeft = 0.0;
    double stateRight = 0.0;
};
