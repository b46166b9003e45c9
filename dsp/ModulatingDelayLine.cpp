#include "dsp/ModulatingDelayLine.h"

#include <algorithm>
#include <cmath>

#include "dsp/BandLength.h"

void ModulatingDelayLine::setSampleRate (float rate)
{
    sampleRate = rate;
    sweepGlideLength = bandLength (rate);
    delayGlideLength = 16 * sweepGlideLength;
    bufferLength = (int) ((double) rate * ((double) bufferTime * 0.001));

    bufferLeft.reset();
    bufferRight.reset();
    bufferLeft = std::make_unique<double[]> ((size_t) bufferLength);
    bufferRight = std::make_unique<double[]> ((size_t) bufferLength);
}

void ModulatingDelayLine::clearBuffers()
{
    if (bufferLeft != nullptr)
        std::fill (bufferLeft.get(), bufferLeft.get() + bufferLength, 0.0);
    if (bufferRight != nullptr)
        std::fill (bufferRight.get(), bufferRight.get() + bufferLength, 0.0);
}

void ModulatingDelayLine::resetBuffer()
{
    writeIndex = 0;
    clearBuffers();
}

void ModulatingDelayLine::resetCoeffs()
{
    writeIndex = 0;
}

void ModulatingDelayLine::setDelay (float ms)
{
    delay = std::min (maxDelay, ms);
}

void ModulatingDelayLine::setSweepWidth (float ms)
{
    sweepWidth = std::min (maxSweepWidth, ms);
}

void ModulatingDelayLine::calc()
{
    writeIndex = 0;
    delayCount = 0;
    delayStep = (delay - currentDelay) / (float) delayGlideLength;
    calcSweepWidth();
}

void ModulatingDelayLine::calcSweepWidth()
{
    sweepCount = 0;
    sweepStep = (sweepWidth - currentSweepWidth) / (float) sweepGlideLength;
}

void ModulatingDelayLine::forceCalcParams()
{
    currentDelay = delay;
    delayStep = 0.0f;
    delayCount = delayGlideLength;
    currentSweepWidth = sweepWidth;
    sweepStep = 0.0f;
    sweepCount = sweepGlideLength;
    writeIndex = 0;
    clearBuffers();
}

namespace
{
// fmod (p, length) without the library call in the cases that occur: a read point at most
// one buffer behind the write point lands in [0, 2 length) after the wrap below, and for p
// in [length, 2 length) the difference p - length is exact (Sterbenz), as fmod's result is.
float wrapToBuffer (float p, float length)
{
    if (p >= 0.0f && p < length)
        return p;
    if (p >= length && p < 2.0f * length)
        return p - length;
    return std::fmod (p, length);
}

// Truncation is floor for the non-negative positions that occur, and much cheaper.
int floorToInt (float p)
{
    return p >= 0.0f ? (int) p : (int) std::floor (p);
}
} // namespace

double ModulatingDelayLine::read (const double* buffer, float mod) const
{
    const float length = (float) bufferLength;
    float p = (currentSweepWidth * mod + currentDelay) * (-0.001f) * sampleRate + (float) writeIndex;
    if (p < 0.0f)
        p += length;
    p = wrapToBuffer (p, length);

    const int i = floorToInt (p);
    const int j = i + 1 < bufferLength ? i + 1 : 0;
    const double frac = (double) (p - (float) i);
    return frac * buffer[j] + (1.0 - frac) * buffer[i];
}
