#include "dsp/ModulatingDelayLine.h"

#include <algorithm>

#include "dsp/BandLength.h"

void ModulatingDelayLine::setSampleRate (float rate)
{
    sampleRate = rate;
    sweepGlide.length = bandLength (rate);
    delayGlide.length = 16 * sweepGlide.length;
    bufferLength = (int) ((double) rate * ((double) bufferTime * 0.001));

    frames.reset();
    frames = std::make_unique<double[]> (2 * (size_t) bufferLength);
}

void ModulatingDelayLine::clearBuffers()
{
    if (frames != nullptr)
        std::fill (frames.get(), frames.get() + 2 * (size_t) bufferLength, 0.0);
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
    delayGlide.target = std::min (maxDelay, ms);
}

void ModulatingDelayLine::setSweepWidth (float ms)
{
    sweepGlide.target = std::min (maxSweepWidth, ms);
}

void ModulatingDelayLine::calc()
{
    writeIndex = 0;
    delayGlide.count = 0;
    delayGlide.step = (delayGlide.target - delayGlide.current) / (float) delayGlide.length;
    calcSweepWidth();
}

void ModulatingDelayLine::calcSweepWidth()
{
    sweepGlide.count = 0;
    sweepGlide.step = (sweepGlide.target - sweepGlide.current) / (float) sweepGlide.length;
}

void ModulatingDelayLine::forceCalcParams()
{
    for (auto* glide : { &delayGlide, &sweepGlide })
    {
        glide->current = glide->target;
        glide->step = 0.0f;
        glide->count = glide->length;
    }
    writeIndex = 0;
    clearBuffers();
}
