#pragma once

#include <cmath>
#include <memory>

#include "dsp/DspBase.h"
#include "dsp/LanePair.h"

// Two-channel delay whose read point follows a per-sample modulation value: base delay plus
// sweep width times the modulation, in ms, read with linear interpolation. Both settings glide.
class ModulatingDelayLine final : public DspBase
{
public:
    void setSampleRate (float rate) override;
    void resetBuffer() override;
    void resetCoeffs() override;
    void calc() override;

    void setDelay (float ms);
    void setSweepWidth (float ms);
    void calcSweepWidth();
    void forceCalcParams();

    float getDelay() const { return delayGlide.target; }
    float getSweepWidth() const { return sweepGlide.target; }
    float getCurrentSweepWidth() const { return sweepGlide.current; }
    int getBufferLength() const { return bufferLength; }
    int getWriteIndex() const { return writeIndex; }

    void process (double& x, double& out, float mod)
    {
        auto k = kernel<double>();
        x = out = k.process (x, mod);
        storeKernel (k);
    }

    void process (double& left, double& right, double& outLeft, double& outRight, float modLeft, float modRight)
    {
        auto k = kernel<LanePair>();
        k.advanceGlides();
        k.write (LanePair (left, right));
        left = outLeft = k.readChannel (0, modLeft);
        right = outRight = k.readChannel (1, modRight);
        k.advanceWrite();
        storeKernel (k);
    }

    // A setting that moves linearly to its target over a fixed number of samples.
    struct Glide
    {
        float target = 0.0f;
        float current = 0.0f;
        float step = 0.0f;
        int count = 0;
        int length = 0;

        void advance()
        {
            if (count < length)
            {
                ++count;
                current += step;
                if (count == length)
                    current = target;
            }
        }
    };

    // The glides and write point copied out, so that a loop keeps them in registers rather
    // than in members its buffer stores might alias. Lanes: double for the left channel
    // alone, LanePair for both read at one point. Write back with storeKernel.
    template <typename Lanes>
    struct Kernel
    {
        Glide delay, sweep;
        double* frames;
        int length;
        int writeIndex;
        float sampleRate;

        Lanes process (Lanes x, float mod)
        {
            advanceGlides();
            write (x);
            const Lanes y = read (mod);
            advanceWrite();
            return y;
        }

        void advanceGlides()
        {
            delay.advance();
            sweep.advance();
        }

        void write (Lanes x) { storeLanes (frames + 2 * writeIndex, x); }

        Lanes read (float mod) const
        {
            const Tap t = tap (mod);
            return Lanes (t.frac) * loadLanes<Lanes> (frames + 2 * t.j)
                   + Lanes (1.0 - t.frac) * loadLanes<Lanes> (frames + 2 * t.i);
        }

        double readChannel (int channel, float mod) const
        {
            const Tap t = tap (mod);
            return t.frac * frames[2 * t.j + channel] + (1.0 - t.frac) * frames[2 * t.i + channel];
        }

        void advanceWrite()
        {
            if (++writeIndex >= length)
                writeIndex = 0;
        }

    private:
        struct Tap
        {
            int i, j;
            double frac;
        };

        Tap tap (float mod) const
        {
            const float bufferEnd = (float) length;
            float p = (sweep.current * mod + delay.current) * (-0.001f) * sampleRate + (float) writeIndex;
            if (p < 0.0f)
                p += bufferEnd;

            // Inside the buffer, as it always is in use, fmod changes nothing and floor is
            // truncation: one test for both.
            int i;
            if (p >= 0.0f && p < bufferEnd)
            {
                i = (int) p;
            }
            else
            {
                p = wrapToBuffer (p, bufferEnd);
                i = floorToInt (p);
            }
            const int j = i + 1 < length ? i + 1 : 0;
            return { i, j, (double) (p - (float) i) };
        }
    };

    template <typename Lanes>
    Kernel<Lanes> kernel() const
    {
        return { delayGlide, sweepGlide, frames.get(), bufferLength, writeIndex, sampleRate };
    }

    template <typename Lanes>
    void storeKernel (const Kernel<Lanes>& k)
    {
        delayGlide = k.delay;
        sweepGlide = k.sweep;
        writeIndex = k.writeIndex;
    }

private:
    // fmod (p, length) without the library call in the cases that occur: a read point at
    // most one buffer behind the write point lands in [0, 2 length) after the wrap, and for
    // p in [length, 2 length) the difference p - length is exact (Sterbenz), as fmod's is.
    static float wrapToBuffer (float p, float length)
    {
        if (p >= 0.0f && p < length)
            return p;
        if (p >= length && p < 2.0f * length)
            return p - length;
        return std::fmod (p, length);
    }

    // Truncation is floor for the non-negative positions that occur, and much cheaper.
    static int floorToInt (float p) { return p >= 0.0f ? (int) p : (int) std::floor (p); }

    void clearBuffers();

    float maxDelay = 2000.0f;
    float bufferTime = 2110.0f;
    float maxSweepWidth = 100.0f;
    Glide delayGlide, sweepGlide;
    std::unique_ptr<double[]> frames; // left and right interleaved, one pair per sample
    int bufferLength = 0;
    int writeIndex = 0;
};
