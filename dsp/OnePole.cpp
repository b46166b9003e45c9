#include "dsp/OnePole.h"

#include <cmath>

void OnePole::calc()
{
    const double e = std::exp ((double) frequency * (-2.0 * M_PI) / (double) sampleRate);
    feedback = -e;
    gain = 1.0 - e;
}

void OnePole::resetCoeffs()
{
    gain = 0.0;
    feedback = 0.0;
}

void OnePole::resetBuffer()
{
    stateLeft = 0.0;
    stateRight = 0.0;
}
