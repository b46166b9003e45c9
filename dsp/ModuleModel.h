#pragma once

#include <juce_events/juce_events.h>

#include "dsp/FxBase.h"

// An effect as a host of several modules sees it: channel routing, placement and a UI flag.
class ModuleModel : public FxBase,
                    public juce::ActionBroadcaster
{
public:
    ModuleModel() { name = "ModuleModel"; }

    void process (float*, int) override {}
    void process (float*, float*, int) override {}

    virtual void setInputsUsed (int n) { inputsUsed = n; }
    virtual int getInputsUsed() const { return inputsUsed; }
    virtual void setOutputsUsed (int n) { outputsUsed = n; }
    virtual int getOutputsUsed() const { return outputsUsed; }
    virtual bool isContainer() const { return false; }
    virtual void setFloorId (int id) { floorId = id; }
    virtual int getFloorId() const { return floorId; }
    virtual void setColumn (int c) { column = c; }
    virtual int getColumn() const { return column; }
    virtual bool isUiNeedsUpdate() const { return uiNeedsUpdate; }
    virtual void requestUiNeedsUpdate() { uiNeedsUpdate = true; }
    virtual void clearUiNeedsUpdate() { uiNeedsUpdate = false; }
    virtual void processBlock (float* channel0, float* channel1, int numSamples);

protected:
    bool uiNeedsUpdate = false;
    int floorId = 0;
    int column = 0;
    int inputsUsed = 1;
    int outputsUsed = 1;
};
