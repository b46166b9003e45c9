#pragma once

#include "dsp/CommonBase.h"

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
        advance();
        x = current * x;
    }

    void process (double& left, double& right) override
    {
        advance();
        left = current * left;
        right = current * right;
    }

private:
    void advance()
    {
        if (count < rampLength)
        {
            ++count;
            current += step;
            if (count == rampLength)
                current = target;
        }
    }

    double current = 0.0;
    double target = 0.0;
    double step = 0.0;
    int count = 0;
    bool snapOnCalc = true;
    int rampLength = 2048;
    double rampLengthValue = 2048.0;
};
