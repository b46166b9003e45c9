#include "dsp/WavetableRotaryOsc.h"

void WavetableRotaryOsc::calc()
{
    increment = frequency * 1024.0f / sampleRate;
}

void WavetableRotaryOsc::resetCoeffs()
{
    frequency = 0.0f;
    amplitude = 1.0f;
    increment = 0.0f;
    glideCount = 0;
    glideStep = 0.0f;
    currentIncrement = 0.0f;
    glideTarget = 0.0f;
    readPosition = 0.0f;
}

void WavetableRotaryOsc::resetBuffer()
{
    phase = 0.0f;
    readPosition = 0.0f;
}
