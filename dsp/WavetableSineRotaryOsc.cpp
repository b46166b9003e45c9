#include "dsp/WavetableSineRotaryOsc.h"

#include <cmath>

WavetableSineRotaryOsc::WavetableSineRotaryOsc()
{
    fillTable ([] (float x) { return 0.5f * std::sin (x) + 0.5f; });
}
