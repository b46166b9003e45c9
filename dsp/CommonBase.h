#pragma once

// Lighter root for elements that need only a sample rate.
class CommonBase
{
public:
    virtual ~CommonBase() = default;

    virtual void setSampleRate (float rate) { sampleRate = rate; }
    virtual void reset() {}
    virtual void process (double& sample) = 0;
    virtual void process (double& left, double& right) = 0;

protected:
    float sampleRate = 44100.0f;
};
