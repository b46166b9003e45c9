#pragma once

#include <memory>

#include "dsp/DspBase.h"

// Two-channel delay whose read point follows a per-sample modulation value: base delay plus
// sweep width times the modulation, in ms, read with linear interpolation. Both settings glide.
class ModulatingDelayLine final : public DspBase
{
public:
    void setSampleRate (float rate) override;
    void resetBuffer() override;
    void resetCoeffs() override;
    void calc() override;

    void setDelay (float ms);
    void setSweepWidth (float ms);
    void calcSweepWidth();
    void forceCalcParams();

    float getDelay() const { return delay; }
    float getSweepWidth() const { return sweepWidth; }
    float getCurrentSweepWidth() const { return currentSweepWidth; }
    int getBufferLength() const { return bufferLength; }
    int getWriteIndex() const { return writeIndex; }

    void process (double& x, double& out, float mod)
    {
        advanceGlides();
        bufferLeft[writeIndex] = x;
        x = out = read (bufferLeft.get(), mod);
        advanceWrite();
    }

    void process (double& left, double& right, double& outLeft, double& outRight, float modLeft, float modRight)
    {
        advanceGlides();
        bufferLeft[writeIndex] = left;
        left = outLeft = read (bufferLeft.get(), modLeft);
        bufferRight[writeIndex] = right;
        right = outRight = read (bufferRight.get(), modRight);
        advanceWrite();
    }

private:
    void advanceGlides()
    {
        glide (delayCount, delayGlideLength, delayStep, currentDelay, delay);
        glide (sweepCount, sweepGlideLength, sweepStep, currentSweepWidth, sweepWidth);
    }

    static void glide (int& count, int length, float step, float& current, float target)
    {
        if (count < length)
        {
            ++count;
            current += step;
            if (count == length)
                current = target;
        }
    }

    double read (const double* buffer, float mod) const;

    void advanceWrite()
    {
        if (++writeIndex >= bufferLength)
            writeIndex = 0;
    }

    void clearBuffers();

    float maxDelay = 2000.0f;
    float bufferTime = 2110.0f;
    float maxSweepWidth = 100.0f;
    float delay = 0.0f;
    float currentDelay = 0.0f;
    float delayStep = 0.0f;
    int delayCount = 0;
    int delayGlideLength = 0;
    float sweepWidth = 0.0f;
    float currentSweepWidth = 0.0f;
    float sweepStep = 0.0f;
    int sweepCount = 0;
    int sweepGlideLength = 0;
    std::unique_ptr<double[]> bufferLeft;
    std::unique_ptr<double[]> bufferRight;
    int bufferLength = 0;
    int writeIndex = 0;
};
