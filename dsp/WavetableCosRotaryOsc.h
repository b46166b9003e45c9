#pragma once

#include "dsp/WavetableRotaryOsc.h"

// Rotor phase for the Doppler sweep, the phase modulation and the amplitude modulation.
class WavetableCosRotaryOsc final : public WavetableRotaryOsc
{
public:
    WavetableCosRotaryOsc();
};
