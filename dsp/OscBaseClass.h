#pragma once

#include "dsp/BandLength.h"
#include "dsp/DspBase.h"

// A rotor oscillator whose table increment glides to each new speed over one band length.
class OscBaseClass : public DspBase
{
public:
    void setSampleRate (float rate) override
    {
        sampleRate = rate;
        glideLength = bandLength (rate);
        glideLengthInverse = 1.0f / (float) glideLength;
    }

    virtual void setFrequency (float f) { frequency = f; }
    virtual float getFreq() const { return frequency; }
    virtual void setPhase (float p) { phase = p; }
    virtual float getPhase() const { return phase; }
    virtual void setAmplitude (float a) { amplitude = a; }
    virtual float getAmplitude() const { return amplitude; }

    virtual void forceCalcParams()
    {
        currentIncrement = increment;
        glideTarget = increment;
        glideStep = 0.0f;
        glideCount = glideLength;
    }

    virtual float getOscSignal() = 0;

    float getIncrement() const { return increment; }
    float getCurrentIncrement() const { return currentIncrement; }

protected:
    float frequency = 0.0f;
    float amplitude = 1.0f;
    float phase = 0.0f;
    float increment = 0.0f;
    int glideCount = 0;
    int glideLength = 0;
    float glideStep = 0.0f;
    float currentIncrement = 0.0f;
    float glideTarget = 0.0f;
    float glideLengthInverse = 0.0f;
};
