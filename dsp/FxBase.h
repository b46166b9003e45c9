#pragma once

#include "dsp/FxModuleBase.h"

// A complete effect: parameters addressed by index, a tempo and an expected block length.
class FxBase : public FxModuleBase
{
public:
    virtual void process (float* buffer, int numSamples) = 0;
    virtual void process (float* left, float* right, int numSamples) = 0;
    virtual void setParameter (int index, float value) = 0;
    virtual void calcParameter (int index) = 0;
    virtual float getDefaultParameter (int index) const = 0;
    virtual float getParameter (int index) const { return parameters != nullptr ? parameters[index] : 0.0f; }
    virtual float* getAllParameters() { return parameters; }
    virtual const char* getParameterName (int index) const = 0;
    virtual int getParameterNum() const { return parameterNum; }
    virtual void setExpectedSampleFrame (int numSamples, bool reallocate) = 0;
    virtual int getExpectedSampleFrame() const { return expectedSampleFrame; }
    virtual void changeBufferSize (int numSamples, bool reallocate) = 0;
    virtual void setBpm (float newBpm) { bpm = newBpm; }
    virtual float getBpm() const { return bpm; }
    virtual void forceCalcParams() = 0;

protected:
    float* parameters = nullptr;
    int parameterNum = 0;
    int expectedSampleFrame = 0;
    float bpm = 120.0f;
    float lastBpm = -1.0f;
};
