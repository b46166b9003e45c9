#include "dsp/WavetableCosRotaryOsc.h"

#include <cmath>

WavetableCosRotaryOsc::WavetableCosRotaryOsc()
{
    fillTable ([] (float x) { return 0.5f * std::cos (x) + 0.5f; });
}
