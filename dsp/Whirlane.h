#pragma once

#include <atomic>
#include <cmath>
#include <memory>

#include "dsp/BiquadFilter.h"
#include "dsp/ModulatingAllpassFilter.h"
#include "dsp/ModulatingDelayLine.h"
#include "dsp/ModuleModel.h"
#include "dsp/OnePole.h"
#include "dsp/SmoothVolume.h"
#include "dsp/WavetableCosRotaryOsc.h"
#include "dsp/WavetableSineRotaryOsc.h"

// The rotary loudspeaker: a crossover into drum and horn bands, each with a rotor-driven
// Doppler delay and allpass chain, amplitude modulation, mirrored stereo motion and a dry mix.
class Whirlane final : public ModuleModel
{
public:
    enum Parameter
    {
        onBypassIndex = 0,
        reverseOnIndex,
        rateIndex,
        rateSyncIndex,
        depthIndex,
        distanceIndex,
        intensityIndex,
        crossoverShiftOnIndex,
        crossoverFreqIndex,
        mixIndex,
        dryLevelIndex,
        widthIndex,
        stereoOnIndex,
        syncOnIndex,
        numParameters
    };

    enum BypassState
    {
        bypassed = 0,
        fadingIn = 1,
        active = 2,
        fadingOut = 3
    };

    static constexpr int numSyncValues = 19;
    static constexpr const char* arrangementNotice = "ModuleViewController arrangeModelInputsOutputs";

    Whirlane();
    ~Whirlane() override;
    Whirlane (const Whirlane&) = delete;
    Whirlane& operator= (const Whirlane&) = delete;

    void setSampleRate (float rate) override;
    void calc() override;
    void forceCalcParams() override;
    void resetBuffer() override;
    void resetCoeffs() override;

    void setParameter (int index, float value) override;
    void calcParameter (int index) override;
    float getDefaultParameter (int index) const override;
    const char* getParameterName (int index) const override;

    void setExpectedSampleFrame (int numSamples, bool reallocate) override;
    void changeBufferSize (int numSamples, bool reallocate) override;

    void process (float* buffer, int numSamples) override;
    void process (float* left, float* right, int numSamples) override;
    void processBlock (float* channel0, float* channel1, int numSamples) override;

    // The free rotor rate in Hz and the crossover in Hz for normalised parameter values.
    static float freeRateHz (float value) { return (std::pow (9.0f, value) - 1.0f) * 0.125f * 20.0f; }
    static float crossoverHz (float value) { return (std::pow (1.0412199f, value) - 1.0f) * 24.2600975f * 990.0f + 10.0f; }

    // Sends a pending stereo-arrangement notice to the module's listeners. Message thread
    // only: the notice is raised while parameters change, possibly on the audio thread,
    // where sending (which allocates and locks) is not allowed.
    void deliverArrangementNotice();
    bool isArrangementNoticePending() const { return arrangementNoticePending; }

    void calcOscPan();
    void calcPhaseMultiGain();

    void processWhirlane (float* buffer, int numSamples);
    void processWhirlane (float* left, float* right, int numSamples);

    // Read-only views for the processor and for tests.
    int getBypassState() const { return bypassState; }
    float getWetGain() const { return wetGain; }
    float getDryGain() const { return dryGain; }
    int getFadeLength() const { return fadeLength; }
    float getFadeStep() const { return fadeStep; }
    float getAllpassOffset (int stage) const { return allpassOffset[stage]; }
    float getAllpassDepth (int stage) const { return allpassDepth[stage]; }
    float getCrossoverFreq() const { return crossoverFreq; }
    float getDepth() const { return depth; }
    float getLevelGain() const { return levelGain; }
    float getDistanceCoeff() const { return distanceCoeff; }
    float getRotorRate() const { return cosOsc.getFreq(); }
    const WavetableCosRotaryOsc& getCosOsc() const { return cosOsc; }
    const WavetableSineRotaryOsc& getSineOsc() const { return sineOsc; }
    bool isStereoOn() const { return stereoOn; }
    bool isOn() const { return onBypass; }

    static const double wTaperConst2Inv[14];
    static const float syncBeats[numSyncValues];

    // The two stereo gains for a sine-rotor value at the present width and direction.
    struct PanGains
    {
        double a, b;
    };
    PanGains panGains (float sv) const;

private:
    void setUpBypassFade();
    void arrangeStereo();
    void copyDry (const float* left, const float* right, int numSamples);
    void crossFade (float* left, float* right, int numSamples);
    bool recoverFromNonFinite (float* left, float* right, int numSamples);

    template <typename Lanes>
    class SignalPath;
    template <typename Channels>
    void run (Channels channels, int numSamples);

    WavetableCosRotaryOsc cosOsc;
    WavetableSineRotaryOsc sineOsc;
    float distanceCoeff = 0.0f;
    float distanceSmoothed = 1e-20f;
    ModulatingDelayLine lowDelay, highDelay;
    ModulatingAllpassFilter allpass[8];
    BiquadFilter lowSplit, highSplit;
    OnePole inputDcBlock, outputDcBlock;
    SmoothVolume wetVolume, dryVolume, outputVolume;
    bool onBypass = true;
    bool lastOnBypass = false;
    float allpassOffset[4] {};
    float allpassDepth[4] {};
    bool syncOn = false;
    bool reverseOn = false;
    float rate = 0.0f;
    float rateSync = 0.0f;
    float depth = 0.0f;
    float distance = 0.0f;
    float intensity = 0.0f;
    bool crossoverShiftOn = false;
    float crossoverFreq = 0.0f;
    float mix = 0.0f;
    float levelGain = 0.0f;
    bool stereoOn = false;
    bool stereoArranged = false;
    bool stereoAnnounced = true;
    float width = 0.0f;
    std::unique_ptr<float[]> dryLeft, dryRight;
    int bypassState = bypassed;
    int fadeLength = 0;
    float fadeStep = 0.0f;
    float wetGain = 0.0f;
    float dryGain = 0.0f;

    std::atomic<bool> arrangementNoticePending { false };
};
