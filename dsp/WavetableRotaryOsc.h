#pragma once

#include "dsp/OscBaseClass.h"

// A rotor oscillator reading a 1024-point table of a raised sinusoid (values 0 to 1) with
// linear interpolation. The cosine and sine rotors differ only in their table.
class WavetableRotaryOsc : public OscBaseClass
{
public:
    static constexpr int tableSize = 1024;

    void calc() override;
    void resetCoeffs() override;
    void resetBuffer() override;

    float getOscSignal() override
    {
        if (! (increment == glideTarget))
        {
            glideStep = (increment - currentIncrement) * glideLengthInverse;
            glideCount = 0;
            glideTarget = increment;
        }
        if (glideCount < glideLength)
        {
            ++glideCount;
            currentIncrement += glideStep;
        }

        const float p = readPosition;
        const int i = (int) p; // p is never negative, so truncation is floor
        const int j = i < tableSize - 1 ? i + 1 : 0;
        const float frac = p - (float) i;

        float next = p + currentIncrement;
        if (next >= (float) tableSize)
            next -= (float) tableSize;
        readPosition = next;

        return (1.0f - frac) * table[i] + frac * table[j];
    }

    float getReadPosition() const { return readPosition; }
    void setReadPosition (float p) { readPosition = p; }
    float tableValue (int i) const { return table[i]; }

protected:
    // x runs over one cycle in single precision; fill receives it for every entry.
    template <typename Function>
    void fillTable (Function&& fill)
    {
        for (int i = 0; i < tableSize; ++i)
        {
            const float x = (float) i * (1.0f / 1024.0f) * 6.2831855f;
            table[i] = fill (x);
        }
    }

private:
    float table[tableSize] {};
    float readPosition = 0.0f;
};
