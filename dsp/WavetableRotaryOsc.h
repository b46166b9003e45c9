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
        auto k = kernel();
        const float value = k.next();
        storeKernel (k);
        return value;
    }

    // The moving state copied out, so that a loop keeps it in registers rather than in
    // members its output stores might alias. Write back with storeKernel.
    struct Kernel
    {
        const float* table;
        float increment, glideTarget, glideStep, currentIncrement, glideLengthInverse, readPosition;
        int glideCount, glideLength;

        float next()
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

            float following = p + currentIncrement;
            if (following >= (float) tableSize)
                following -= (float) tableSize;
            readPosition = following;

            return (1.0f - frac) * table[i] + frac * table[j];
        }
    };

    Kernel kernel() const
    {
        return { table, increment, glideTarget, glideStep, currentIncrement, glideLengthInverse,
                 readPosition, glideCount, glideLength };
    }

    void storeKernel (const Kernel& k)
    {
        glideTarget = k.glideTarget;
        glideStep = k.glideStep;
        currentIncrement = k.currentIncrement;
        readPosition = k.readPosition;
        glideCount = k.glideCount;
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
