#pragma once

#include "dsp/DspBase.h"

// A filter element: processes double samples in place, one or two channels.
class ModuleBase : public DspBase
{
public:
    ModuleBase() { name = "ModuleBase"; }

    virtual void process (double& sample) = 0;
    virtual void process (double& left, double& right) = 0;
};
