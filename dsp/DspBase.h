#pragma once

// Root of the small signal-processing elements: a sample rate, a name and the
// reset/calc protocol every element follows.
class DspBase
{
public:
    virtual ~DspBase() = default;

    virtual void setSampleRate (float rate) { sampleRate = rate; }
    virtual float getSampleRate() const { return sampleRate; }
    virtual const char* getName() const { return name != nullptr ? name : ""; }
    virtual void reset()
    {
        resetBuffer();
        resetCoeffs();
    }
    virtual void resetBuffer() {}
    virtual void resetBufferASync() { resetBuffer(); }
    virtual void resetCoeffs() {}
    virtual void calc() {}

protected:
    float sampleRate = 44100.0f;
    const char* name = "DspBase";
};
