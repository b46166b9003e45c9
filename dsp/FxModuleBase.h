#pragma once

#include "dsp/DspBase.h"

// Root of complete effects, below which the parameter interface is declared.
class FxModuleBase : public DspBase
{
public:
    FxModuleBase() { name = "FxModuleBase"; }
};
