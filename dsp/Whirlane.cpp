#include "dsp/Whirlane.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
const char* const parameterNames[Whirlane::numParameters] = {
    "OnBypass", "ReverseOn", "Rate", "RateSync", "Depth", "Distance", "Intensity",
    "CrossoverShiftOn", "CrossoverFreq", "Mix", "DryLevel", "Width", "StereoOn", "SyncOn"
};

const float parameterDefaults[Whirlane::numParameters] = {
    1.0f, 0.0f, 0.5f, 0.16666667f, 0.5f, 0.5f, 0.5f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f
};

constexpr double sqrtTwo = 1.414213562373095;

// Capacitances of the three phase stages and their fixed corners 1 / (24000 C) in rad/s.
constexpr double stageCapacitance[3] = { 1.5e-08, 2.2e-07, 4.7e-09 };
constexpr double stageFixedCorner[3] = { 2777.777777777778, 189.3939393939394, 8865.248226950354 };

bool isSwitchOn (float value)
{
    return value > 0.5f;
}

// Above Nyquist the pre-warped corner folds back and the pole leaves the unit circle (at
// low sample rates and high Depth): keep every corner below 0.95 of Nyquist. From 44.1 kHz
// up no setting comes near it.
double maxAllpassCorner (double period)
{
    return 0.95 * M_PI / period;
}

double allpassPole (double omega, double period)
{
    const double t = std::tan (omega * period * 0.5);
    return (1.0 - t) / (1.0 + t);
}

// Mix compensation: full dry plus full wet at the centre, unity at either end.
double mixCompensation (float mix)
{
    const double m = mix;
    return m <= 0.5 ? 2.0 * m + 1.0 : 3.0 - 2.0 * m;
}

bool isFiniteBlock (const float* samples, int numSamples)
{
    unsigned int nonFinite = 0;
    for (int i = 0; i < numSamples; ++i)
    {
        unsigned int bits;
        std::memcpy (&bits, samples + i, sizeof (bits));
        nonFinite |= (bits & 0x7f800000u) == 0x7f800000u;
    }
    return nonFinite == 0;
}
} // namespace

const double Whirlane::wTaperConst2Inv[14] = { 0.0, 0.1, 0.3, 0.35, 0.4, 0.475, 0.5, 0.525, 0.6, 0.65, 0.7, 0.9, 1.0, 1.0 };

const float Whirlane::syncBeats[numSyncValues] = { 32.0f, 16.0f, 8.0f, 4.0f, 3.0f, 2.0f, 1.333f, 1.5f, 1.0f, 0.6665f,
                                                   0.75f, 0.5f, 0.333f, 0.375f, 0.25f, 0.1665f, 0.1875f, 0.125f, 0.083f };

Whirlane::Whirlane()
{
    parameters = new float[numParameters] {};
    name = "Whirlane";
    parameterNum = numParameters;
    bypassState = bypassed;
    lastOnBypass = false;
    stereoArranged = false;
    stereoAnnounced = true;

    for (int i = 0; i < numParameters; ++i)
        setParameter (i, getDefaultParameter (i));

    deliverArrangementNotice();
    reset();
}

Whirlane::~Whirlane()
{
    delete[] parameters;
}

//==============================================================================
float Whirlane::getDefaultParameter (int index) const
{
    return index >= 0 && index < numParameters ? parameterDefaults[index] : 0.0f;
}

const char* Whirlane::getParameterName (int index) const
{
    return index >= 0 && index < numParameters ? parameterNames[index] : "";
}

void Whirlane::setParameter (int index, float value)
{
    if (index < 0 || index >= numParameters)
        return;

    parameters[index] = value;

    switch (index)
    {
        case onBypassIndex: onBypass = isSwitchOn (value); break;
        case reverseOnIndex: reverseOn = isSwitchOn (value); break;
        case rateIndex: rate = value; break;
        case rateSyncIndex: rateSync = value; break;
        case depthIndex: depth = 0.5f * value + 0.5f; break;
        case distanceIndex: distance = value; break;
        case intensityIndex:
            intensity = value;
            lowDelay.setSweepWidth (value);
            highDelay.setSweepWidth (value);
            break;
        case crossoverShiftOnIndex: crossoverShiftOn = isSwitchOn (value); break;
        case crossoverFreqIndex:
            crossoverFreq = crossoverHz (value);
            lowSplit.setFrequency (crossoverFreq);
            highSplit.setFrequency (crossoverFreq);
            break;
        case mixIndex:
            mix = value;
            wetVolume.setValue (value);
            dryVolume.setValue (1.0f - value);
            break;
        case dryLevelIndex:
            levelGain = 2.0f * value;
            outputVolume.setValue (levelGain);
            break;
        case widthIndex: width = value; break;
        case stereoOnIndex:
            stereoOn = isSwitchOn (value);
            arrangeStereo();
            break;
        case syncOnIndex: syncOn = isSwitchOn (value); break;
        default: break;
    }
}

void Whirlane::calcParameter (int index)
{
    switch (index)
    {
        case onBypassIndex: setUpBypassFade(); break;
        case rateIndex:
        case rateSyncIndex:
        case syncOnIndex: calcOscPan(); break;
        case depthIndex: calcPhaseMultiGain(); break;
        case intensityIndex:
            lowDelay.calcSweepWidth();
            highDelay.calcSweepWidth();
            break;
        case crossoverFreqIndex:
            lowSplit.calc();
            highSplit.calc();
            break;
        case mixIndex:
            wetVolume.calc();
            dryVolume.calc();
            break;
        case dryLevelIndex: outputVolume.calc(); break;
        default: break;
    }
}

//==============================================================================
void Whirlane::calcOscPan()
{
    float rotorRate;

    if (syncOn)
    {
        const long index = std::lrint (rateSync * 18.0f);
        const float beats = index >= 0 && index < numSyncValues ? syncBeats[index] : 1.0f;
        rotorRate = 1.0f / ((60.0f / bpm) * beats);
    }
    else
    {
        rotorRate = freeRateHz (rate);
    }

    // The rotor never stops completely; a tempo that is not a number counts as none.
    if (! (rotorRate > 0.01f))
        rotorRate = 0.01f;

    // Keeps the table read inside the table at absurd host tempos.
    rotorRate = std::min (rotorRate, 0.25f * sampleRate);

    sineOsc.setFrequency (rotorRate);
    cosOsc.setFrequency (rotorRate);
    sineOsc.calc();
    cosOsc.calc();
}

void Whirlane::calcPhaseMultiGain()
{
    constexpr double twoPi = 2.0 * M_PI;
    const double R = (double) depth * -22000.0 + 24000.0;
    const double T = (double) (1.0f / sampleRate);

    for (int stage = 0; stage < 3; ++stage)
    {
        const double C = stageCapacitance[stage];
        const double omegaR = (1.0 / (C * (R * twoPi))) * twoPi;
        const double kF = allpassPole (stageFixedCorner[stage], T);
        const double kR = allpassPole (std::min (omegaR, maxAllpassCorner (T)), T);

        allpassOffset[stage] = (float) std::min (kF, kR);
        allpassDepth[stage] = (float) std::max (kF, kR) - allpassOffset[stage];
    }

    allpassOffset[3] = allpassOffset[2];
    allpassDepth[3] = allpassDepth[2];
}

void Whirlane::setUpBypassFade()
{
    if (onBypass == lastOnBypass)
        return;

    fadeLength = (int) (sampleRate * 0.0045f);
    fadeStep = 1.0f / (float) fadeLength;
    bypassState = onBypass ? fadingIn : fadingOut;
    lastOnBypass = onBypass;
}

void Whirlane::arrangeStereo()
{
    if (getInputsUsed() == 1)
    {
        stereoArranged = stereoOn;
        if (stereoArranged != stereoAnnounced)
        {
            arrangementNoticePending = true;
            stereoAnnounced = stereoArranged;
        }
    }
    else
    {
        stereoAnnounced = ! stereoArranged;
    }
}

void Whirlane::deliverArrangementNotice()
{
    if (arrangementNoticePending.exchange (false))
        sendActionMessage (arrangementNotice);
}

//==============================================================================
void Whirlane::setSampleRate (float newRate)
{
    sampleRate = newRate;
    sineOsc.setSampleRate (newRate);
    cosOsc.setSampleRate (newRate);
    distanceCoeff = std::exp (-6.2831855f / (0.010000001f * sampleRate));
    inputDcBlock.setSampleRate (newRate);
    lowDelay.setSampleRate (newRate);
    highDelay.setSampleRate (newRate);
    lowSplit.setSampleRate (newRate);
    highSplit.setSampleRate (newRate);
    outputDcBlock.setSampleRate (newRate);
    wetVolume.setSampleRate (newRate);
    dryVolume.setSampleRate (newRate);
    outputVolume.setSampleRate (newRate);
}

void Whirlane::calc()
{
    setUpBypassFade();
    calcOscPan();
    calcPhaseMultiGain();
    inputDcBlock.setFrequency (10.0f);
    inputDcBlock.calc();
    lowDelay.calc();
    highDelay.calc();
    lowSplit.calc();
    highSplit.calc();
    outputDcBlock.setFrequency (10.0f);
    outputDcBlock.calc();
    wetVolume.calc();
    dryVolume.calc();
    outputVolume.calc();
}

void Whirlane::forceCalcParams()
{
    lastOnBypass = onBypass;
    bypassState = onBypass ? active : bypassed;
    wetGain = onBypass ? 1.0f : 0.0f;
    dryGain = onBypass ? 0.0f : 1.0f;

    lowSplit.setType (BiquadFilter::lowPass);
    lowSplit.setQ (1.0f);
    highSplit.setType (BiquadFilter::highPass);
    highSplit.setQ (1.0f);

    for (auto* line : { &lowDelay, &highDelay })
    {
        line->setDelay (0.0f);
        line->setSweepWidth (intensity);
    }

    lowSplit.setFrequency (crossoverFreq);
    highSplit.setFrequency (crossoverFreq);
    wetVolume.setValue (mix);
    dryVolume.setValue (1.0f - mix);
    outputVolume.setValue (levelGain);

    arrangeStereo();
    calc();

    sineOsc.forceCalcParams();
    cosOsc.forceCalcParams();
    distanceSmoothed = distance + 1e-20f;
    lowDelay.forceCalcParams();
    highDelay.forceCalcParams();
}

void Whirlane::resetBuffer()
{
    sineOsc.resetBuffer();
    cosOsc.resetBuffer();
    distanceSmoothed = 1e-20f;
    inputDcBlock.resetBuffer();
    for (auto& section : allpass)
        section.resetBuffer();
    lowDelay.resetBuffer();
    highDelay.resetBuffer();
    lowSplit.resetBuffer();
    highSplit.resetBuffer();
    outputDcBlock.resetBuffer();
    wetVolume.resetBuffer();
    dryVolume.resetBuffer();
    outputVolume.resetBuffer();
}

void Whirlane::resetCoeffs()
{
    sineOsc.resetCoeffs();
    cosOsc.resetCoeffs();
    inputDcBlock.resetCoeffs();
    lowDelay.resetCoeffs();
    highDelay.resetCoeffs();
    lowSplit.resetCoeffs();
    highSplit.resetCoeffs();
    outputDcBlock.resetCoeffs();
    dryVolume.resetCoeffs();
    wetVolume.resetCoeffs();
    outputVolume.resetCoeffs();
}

//==============================================================================
void Whirlane::setExpectedSampleFrame (int numSamples, bool reallocate)
{
    expectedSampleFrame = numSamples;
    changeBufferSize (numSamples, reallocate);
}

void Whirlane::changeBufferSize (int numSamples, bool reallocate)
{
    const auto length = (size_t) std::max (0, numSamples);

    if (reallocate)
    {
        dryLeft.reset();
        dryRight.reset();
        dryLeft = std::make_unique<float[]> (length);
        dryRight = std::make_unique<float[]> (length);
    }

    if (dryLeft != nullptr)
        std::fill (dryLeft.get(), dryLeft.get() + length, 0.0f);
    if (dryRight != nullptr)
        std::fill (dryRight.get(), dryRight.get() + length, 0.0f);
}

//==============================================================================
void Whirlane::processBlock (float* channel0, float* channel1, int numSamples)
{
    const int inputs = getInputsUsed();
    const auto count = (size_t) std::max (0, numSamples);

    if (inputs == 2)
    {
        process (channel0, channel1, numSamples);
    }
    else if (inputs == 1)
    {
        if (stereoOn)
        {
            std::copy (channel0, channel0 + count, channel1);
            process (channel0, channel1, numSamples);
        }
        else
        {
            process (channel0, numSamples);
            std::copy (channel0, channel0 + count, channel1);
        }
    }
}

void Whirlane::process (float* buffer, int numSamples)
{
    process (buffer, nullptr, numSamples);
}

// The mono entry shares this path with a null right channel.
void Whirlane::process (float* left, float* right, int numSamples)
{
    if (expectedSampleFrame < numSamples)
        setExpectedSampleFrame (numSamples, true);

    if (syncOn && ! (bpm == lastBpm))
    {
        lastBpm = bpm;
        calcOscPan();
    }

    if (numSamples < 1 || bypassState == bypassed)
        return;

    if (bypassState != active && bypassState != fadingIn && bypassState != fadingOut)
        return;

    const bool fading = bypassState != active;
    if (fading)
        copyDry (left, right, numSamples);

    if (right != nullptr)
        processWhirlane (left, right, numSamples);
    else
        processWhirlane (left, numSamples);

    if (fading)
        crossFade (left, right, numSamples);

    if (recoverFromNonFinite (left, right, numSamples))
        return;

    if (bypassState == bypassed)
        resetBuffer();
}

void Whirlane::copyDry (const float* left, const float* right, int numSamples)
{
    std::copy (left, left + numSamples, dryLeft.get());
    if (right != nullptr)
        std::copy (right, right + numSamples, dryRight.get());
}

void Whirlane::crossFade (float* left, float* right, int numSamples)
{
    for (int i = 0; i < numSamples; ++i)
    {
        left[i] = dryGain * dryLeft[i] + wetGain * left[i];
        if (right != nullptr)
            right[i] = dryGain * dryRight[i] + wetGain * right[i];

        if (bypassState == fadingIn)
        {
            if (wetGain < 1.0f)
            {
                wetGain += fadeStep;
                dryGain -= fadeStep;
            }
            else
            {
                wetGain = 1.0f;
                dryGain = 0.0f;
                bypassState = active;
            }
        }
        else if (bypassState == fadingOut)
        {
            if (dryGain < 1.0f)
            {
                dryGain += fadeStep;
                wetGain -= fadeStep;
            }
            else
            {
                dryGain = 1.0f;
                wetGain = 0.0f;
                bypassState = bypassed;
            }
        }
    }
}

// A non-finite sample (from the input, or from finite input driven past the float range)
// would stay in the filter and delay memory for seconds. Drop the block and start the
// signal memory afresh, so the next block is clean.
bool Whirlane::recoverFromNonFinite (float* left, float* right, int numSamples)
{
    if (isFiniteBlock (left, numSamples) && (right == nullptr || isFiniteBlock (right, numSamples)))
        return false;

    std::fill (left, left + numSamples, 0.0f);
    if (right != nullptr)
        std::fill (right, right + numSamples, 0.0f);
    resetBuffer();
    return true;
}

//==============================================================================
namespace
{
// The stereo position law at one width and direction, worked out once per block.
struct PanLaw
{
    double width;
    double centre;
    bool reverse;

    PanLaw (float widthValue, bool reverseOn)
        : width ((double) widthValue), centre ((1.0 - (double) widthValue) * 0.5), reverse (reverseOn)
    {
    }

    // The gains (a, b) as lanes: one SSE2 square root for both.
    LanePair gains (float sv) const
    {
        const double p = reverse ? 1.0 - (double) sv : (double) sv;
        const double pos = p * 12.0;
        const int k = pos >= 0.0 ? (int) pos : (int) std::floor (pos); // truncation is floor for pos >= 0
        const double f = pos - (double) k;
        const double pan = ((1.0 - f) * Whirlane::wTaperConst2Inv[k] + f * Whirlane::wTaperConst2Inv[k + 1]) * width
                           + centre;
        return sqrt (LanePair (pan, 1.0 - pan)) * LanePair (sqrtTwo);
    }
};

// The low band takes the direct gains, the high band the crossed ones: left (a, b) and
// right (b, a); one channel alone is the left.
void setBandGains (LanePair gains, LanePair& direct, LanePair& crossed)
{
    direct = gains;
    crossed = gains.swapped();
}

void setBandGains (LanePair gains, double& direct, double& crossed)
{
    direct = gains.left();
    crossed = gains.right();
}

// Both channels run in the two lanes of LanePair; the stereo gains go without the rotor's
// stereo motion unless it is on.
struct StereoChannels
{
    using Lanes = LanePair;
    static constexpr bool alwaysPanned = false;

    float* left;
    float* right;

    LanePair read (int i) const { return LanePair ((double) left[i], (double) right[i]); }
    void write (int i, LanePair out) const
    {
        left[i] = (float) out.left();
        right[i] = (float) out.right();
    }
};

// The mono path is the stereo left channel with the rotor's stereo motion always on.
struct MonoChannels
{
    using Lanes = double;
    static constexpr bool alwaysPanned = true;

    float* buffer;

    double read (int i) const { return (double) buffer[i]; }
    void write (int i, double out) const { buffer[i] = (float) out; }
};
} // namespace

Whirlane::PanGains Whirlane::panGains (float sv) const
{
    const LanePair gains = PanLaw (width, reverseOn).gains (sv);
    return { gains.left(), gains.right() };
}

void Whirlane::processWhirlane (float* left, float* right, int numSamples)
{
    if (numSamples >= 1)
        run (StereoChannels { left, right }, numSamples);
}

void Whirlane::processWhirlane (float* buffer, int numSamples)
{
    if (numSamples >= 1)
        run (MonoChannels { buffer }, numSamples);
}

// The engine for one channel (Lanes = double) or two (LanePair), run over chunks of frames
// in stages: rotor and modulation, pan, band split, each band's Doppler delay, each band's
// phase shifters, mix. Each stage is a short loop whose memory stays in registers; one long
// loop with all of it could not overlap consecutive frames, as one frame's chain of
// dependent operations is long. Each value is computed by the same operations, in the
// same order, as frame by frame.
//
// Every element's coefficients and memory are copied into a kernel here and written back
// after the block: through the members, every output store might have overwritten them.
template <typename Lanes>
class Whirlane::SignalPath
{
public:
    static constexpr int chunkLength = 32;

    // What one stage hands to the next for each frame of a chunk.
    struct Chunk
    {
        float sv[chunkLength];
        float lowMod[chunkLength], highMod[chunkLength];
        Lanes phaseCoeff[4][chunkLength];
        Lanes am[chunkLength], direct[chunkLength], crossed[chunkLength];
        Lanes dry[chunkLength], low[chunkLength], high[chunkLength];
    };

    SignalPath (const Whirlane& w, bool alwaysPanned)
        : g (mixCompensation (w.mix)),
          target (w.distance + 1e-20f),
          smoothing (w.distanceCoeff),
          panned (alwaysPanned || w.stereoOn),
          shifted (w.crossoverShiftOn),
          panLaw (w.width, w.reverseOn),
          cosine (w.cosOsc.kernel()),
          sine (w.sineOsc.kernel()),
          smoothed (w.distanceSmoothed),
          dcIn (w.inputDcBlock.kernel<Lanes>()),
          lowBand (w.lowSplit.kernel<Lanes>()),
          highBand (w.highSplit.kernel<Lanes>()),
          lowLine (w.lowDelay.kernel<Lanes>()),
          highLine (w.highDelay.kernel<Lanes>()),
          dcOut (w.outputDcBlock.kernel<Lanes>()),
          wet (w.wetVolume.kernel()),
          dry (w.dryVolume.kernel()),
          output (w.outputVolume.kernel())
    {
        std::copy (w.allpassDepth, w.allpassDepth + 4, depths);
        std::copy (w.allpassOffset, w.allpassOffset + 4, offsets);
        for (int k = 0; k < 8; ++k)
            phase[k] = w.allpass[k].kernel<Lanes>();
    }

    void storeInto (Whirlane& w) const
    {
        w.cosOsc.storeKernel (cosine);
        w.sineOsc.storeKernel (sine);
        w.distanceSmoothed = smoothed;
        w.inputDcBlock.storeKernel (dcIn);
        w.lowSplit.storeKernel (lowBand);
        w.highSplit.storeKernel (highBand);
        w.lowDelay.storeKernel (lowLine);
        w.highDelay.storeKernel (highLine);
        for (int k = 0; k < 8; ++k)
            w.allpass[k].storeKernel (phase[k]);
        w.outputDcBlock.storeKernel (dcOut);
        w.wetVolume.storeKernel (wet);
        w.dryVolume.storeKernel (dry);
        w.outputVolume.storeKernel (output);
    }

    template <typename Channels>
    void process (Channels channels, int numSamples)
    {
        Chunk chunk;
        for (int start = 0; start < numSamples; start += chunkLength)
        {
            const int n = std::min (chunkLength, numSamples - start);
            turnRotor (chunk, n);
            if (panned)
                pan (chunk, n);
            splitBands (chunk, channels, start, n);
            delay (lowLine, chunk.low, chunk.lowMod, n);
            delay (highLine, chunk.high, chunk.highMod, n);
            shiftPhase (phase, chunk.low, chunk.phaseCoeff, n);
            shiftPhase (phase + 4, chunk.high, chunk.phaseCoeff, n);
            mix (chunk, channels, start, n);
        }
    }

private:
    // Rotor positions, the amplitude modulation and the modulation of the delays and phase
    // shifters. Each stage works on local copies of the state it carries from frame to
    // frame, so that the compiler keeps it in registers.
    void turnRotor (Chunk& c, int n)
    {
        auto cos = cosine, sin = sine;
        float s = smoothed;
        for (int i = 0; i < n; ++i)
        {
            const float cv = cos.next();
            c.sv[i] = sin.next();

            s = (s - target) * smoothing + target;
            const double m = s;
            c.am[i] = ((1.0 - m) + ((double) cv * m - 1.0)) + 1.0;

            const float r = 1.0f - cv;
            for (int k = 0; k < 4; ++k)
                c.phaseCoeff[k][i] = (double) (depths[k] * r + offsets[k]);
            c.lowMod[i] = shifted ? 1.0f - r : r;
            c.highMod[i] = r;
        }
        cosine = cos;
        sine = sin;
        smoothed = s;
    }

    // The stereo gains from the sine rotor; without stereo motion they stay at one.
    void pan (Chunk& c, int n) const
    {
        for (int i = 0; i < n; ++i)
            setBandGains (panned ? panLaw.gains (c.sv[i]) : LanePair (1.0), c.direct[i], c.crossed[i]);
    }

    template <typename Channels>
    void splitBands (Chunk& c, Channels channels, int start, int n)
    {
        auto dc = dcIn;
        auto lowFilter = lowBand, highFilter = highBand;
        for (int i = 0; i < n; ++i)
        {
            const Lanes in = channels.read (start + i);
            c.dry[i] = in;
            const Lanes x = dc.highPass (in);
            c.low[i] = lowFilter.tick (x);
            c.high[i] = highFilter.tick (x);
        }
        dcIn = dc;
        lowBand = lowFilter;
        highBand = highFilter;
    }

    // The Doppler delay of one band, in place.
    static void delay (ModulatingDelayLine::Kernel<Lanes>& line, Lanes* band, const float* mod, int n)
    {
        auto k = line;
        for (int i = 0; i < n; ++i)
            band[i] = k.process (band[i], mod[i]);
        line = k;
    }

    // Four phase shifters on one band, in place. One band per loop keeps the loop short
    // enough for consecutive frames to overlap, and its eight memories in registers.
    static void shiftPhase (ModulatingAllpassFilter::Kernel<Lanes>* stages, Lanes* band,
                            const Lanes (&coefficients)[4][chunkLength], int n)
    {
        auto s0 = stages[0], s1 = stages[1], s2 = stages[2], s3 = stages[3];
        for (int i = 0; i < n; ++i)
        {
            Lanes x = band[i];
            x = s0.tick (x, coefficients[0][i]);
            x = s1.tick (x, coefficients[1][i]);
            x = s2.tick (x, coefficients[2][i]);
            band[i] = s3.tick (x, coefficients[3][i]);
        }
        stages[0] = s0;
        stages[1] = s1;
        stages[2] = s2;
        stages[3] = s3;
    }

    template <typename Channels>
    void mix (Chunk& c, Channels channels, int start, int n)
    {
        if (panned)
            mixBands<true> (c, channels, start, n);
        else
            mixBands<false> (c, channels, start, n);
    }

    // Without stereo motion both band gains are one, and a product with one is the value
    // itself, so those products are left out.
    template <bool withGains, typename Channels>
    void mixBands (const Chunk& c, Channels channels, int start, int n)
    {
        auto dc = dcOut;
        auto wetGain = wet, dryGain = dry, outputGain = output;
        for (int i = 0; i < n; ++i)
        {
            const Lanes am = c.am[i];
            Lanes low = c.low[i], high = c.high[i];
            if constexpr (withGains)
            {
                high = high * c.crossed[i];
                low = low * (shifted ? c.crossed[i] : c.direct[i]);
            }
            Lanes out = shifted ? low * (Lanes (1.0) - am) + high * am : low * am + high * am;

            out = dc.highPass (out);
            out = wetGain.apply (out);
            const Lanes dryOut = dryGain.apply (c.dry[i]);
            out = (dryOut + out) * g;
            out = outputGain.apply (out);

            channels.write (start + i, out);
        }
        dcOut = dc;
        wet = wetGain;
        dry = dryGain;
        output = outputGain;
    }

    const double g;
    const float target;
    const float smoothing;
    const bool panned;
    const bool shifted;
    const PanLaw panLaw;
    float depths[4], offsets[4];

    WavetableRotaryOsc::Kernel cosine, sine;
    float smoothed;
    OnePole::Kernel<Lanes> dcIn;
    BiquadFilter::Kernel<Lanes> lowBand, highBand;
    ModulatingDelayLine::Kernel<Lanes> lowLine, highLine;
    ModulatingAllpassFilter::Kernel<Lanes> phase[8];
    OnePole::Kernel<Lanes> dcOut;
    SmoothVolume::Kernel wet, dry, output;
};

template <typename Channels>
void Whirlane::run (Channels channels, int numSamples)
{
    SignalPath<typename Channels::Lanes> path (*this, Channels::alwaysPanned);
    path.process (channels, numSamples);
    path.storeInto (*this);
}
