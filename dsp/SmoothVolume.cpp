#include "dsp/SmoothVolume.h"

#include "dsp/BandLength.h"

void SmoothVolume::setSampleRate (float rate)
{
    sampleRate = rate;
    rampLength = bandLength (rate);
    rampLengthValue = (double) rampLength;
}

void SmoothVolume::resetCoeffs()
{
    snapOnCalc = true;
    count = 0;
    current = 0.0;
    step = 0.0;
}

void SmoothVolume::calc()
{
    if (snapOnCalc)
    {
        current = target;
        snapOnCalc = false;
    }
    step = (target - current) * (1.0 / rampLengthValue);
    count = 0;
}
