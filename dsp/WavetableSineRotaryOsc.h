#pragma once

#include "dsp/WavetableRotaryOsc.h"

// Rotor phase for the stereo position, a quarter cycle from the cosine rotor.
class WavetableSineRotaryOsc final : public WavetableRotaryOsc
{
public:
    WavetableSineRotaryOsc();
};
