#include <gtest/gtest.h>

#include "tests/WhirlaneTestSupport.h"

TEST (WhirlaneParameters, NamesDefaultsAndOutOfRangeIndices)
{
    Whirlane module;
    const char* names[] = { "OnBypass", "ReverseOn", "Rate", "RateSync", "Depth", "Distance", "Intensity",
                            "CrossoverShiftOn", "CrossoverFreq", "Mix", "DryLevel", "Width", "StereoOn", "SyncOn" };
    const float defaults[] = { 1.0f, 0.0f, 0.5f, 0.16666667f, 0.5f, 0.5f, 0.5f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f };

    EXPECT_STREQ (module.getName(), "Whirlane");
    ASSERT_EQ (module.getParameterNum(), 14);
    for (int i = 0; i < 14; ++i)
    {
        EXPECT_STREQ (module.getParameterName (i), names[i]);
        EXPECT_EQ (module.getDefaultParameter (i), defaults[i]);
        EXPECT_EQ (module.getParameter (i), defaults[i]);
    }
    EXPECT_STREQ (module.getParameterName (14), "");
    EXPECT_EQ (module.getDefaultParameter (-1), 0.0f);
    module.setParameter (14, 0.3f); // ignored, must not write past the array
    module.setParameter (-1, 0.3f);
    EXPECT_EQ (module.getBypassState(), Whirlane::bypassed);
}

TEST (WhirlaneParameters, ConversionsKeepTheRawValue)
{
    Whirlane module;
    module.setParameter (Whirlane::depthIndex, 0.0f);
    EXPECT_EQ (module.getParameter (Whirlane::depthIndex), 0.0f);
    EXPECT_EQ (module.getDepth(), 0.5f);

    module.setParameter (Whirlane::dryLevelIndex, 0.5f);
    EXPECT_EQ (module.getLevelGain(), 1.0f);

    struct Case
    {
        float value;
        float hz;
        float tolerance;
    };
    for (const auto& c : { Case { 0.0f, 10.0f, 0.0f }, Case { 0.5f, 500.0f, 1.0f }, Case { 1.0f, 1000.0f, 0.001f } })
    {
        module.setParameter (Whirlane::crossoverFreqIndex, c.value);
        EXPECT_NEAR (module.getCrossoverFreq(), c.hz, c.tolerance) << c.value;
    }
}

TEST (WhirlaneParameters, SwitchesTurnOnAboveOneHalf)
{
    Whirlane module;
    module.setParameter (Whirlane::onBypassIndex, 0.5f);
    EXPECT_FALSE (module.isOn());
    module.setParameter (Whirlane::onBypassIndex, 0.51f);
    EXPECT_TRUE (module.isOn());
}

TEST (WhirlaneParameters, RotorRateFreeAndSynced)
{
    struct Case
    {
        const char* what;
        float syncOn, rate, rateSync, bpm, hz, tolerance;
    };
    const Case cases[] = {
        { "free 0 stops at the minimum", 0, 0.0f, 0, 120, 0.01f, 0 },
        { "free 0.5", 0, 0.5f, 0, 120, 5.0f, 1e-5f },
        { "free 1", 0, 1.0f, 0, 120, 20.0f, 1e-5f },
        { "1/4T at 100 BPM", 1, 0.5f, 9.0f / 18.0f, 100, 2.5006f, 1e-4f },
        { "1/4 at 120 BPM", 1, 0.5f, 8.0f / 18.0f, 120, 2.0f, 1e-6f },
        { "default 1/1 at 120 BPM", 1, 0.5f, 3.0f / 18.000001f, 120, 0.5f, 1e-6f },
        { "tempo 0", 1, 0.5f, 8.0f / 18.0f, 0, 0.01f, 0 },
        { "8/1 at 120 BPM", 1, 0.5f, 0.0f, 120, 1.0f / 16.0f, 1e-6f },
        { "1/32T at 120 BPM", 1, 0.5f, 1.0f, 120, 1.0f / (0.5f * 0.083f), 1e-3f },
    };

    for (const auto& c : cases)
    {
        Whirlane module;
        prepareModule (module, 44100.0f, { { Whirlane::syncOnIndex, c.syncOn }, { Whirlane::rateIndex, c.rate }, { Whirlane::rateSyncIndex, c.rateSync } },
                       512, c.bpm);
        EXPECT_NEAR (module.getRotorRate(), c.hz, c.tolerance) << c.what;
        EXPECT_EQ (module.getSineOsc().getFreq(), module.getRotorRate()) << c.what;
    }
}

TEST (WhirlaneParameters, AbsurdTempoKeepsTheRotorInsideItsTable)
{
    for (float bpm : { std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(), -50.0f, 1e30f })
    {
        Whirlane module;
        prepareModule (module, 44100.0f, { { Whirlane::syncOnIndex, 1.0f } }, 512, bpm);
        EXPECT_GE (module.getRotorRate(), 0.01f) << bpm;
        EXPECT_LE (module.getRotorRate(), 44100.0f * 0.25f) << bpm;
    }
}

TEST (WhirlaneParameters, AllpassCoefficientsAtHalfDepth)
{
    Whirlane module;
    prepareModule (module, 44100.0f, { { Whirlane::depthIndex, 0.5f } });
    const float offsets[] = { 0.8163f, 0.9864f, 0.5001f, 0.5001f };
    const float ranges[] = { 0.1226f, 0.0094f, 0.3166f, 0.3166f };
    for (int stage = 0; stage < 4; ++stage)
    {
        EXPECT_NEAR (module.getAllpassOffset (stage), offsets[stage], 1e-4f) << stage;
        EXPECT_NEAR (module.getAllpassDepth (stage), ranges[stage], 1e-4f) << stage;
    }
    EXPECT_EQ (module.getAllpassOffset (3), module.getAllpassOffset (2));
    EXPECT_EQ (module.getAllpassDepth (3), module.getAllpassDepth (2));
}

TEST (WhirlaneParameters, DistanceSmootherAndBypassFadeFollowTheRate)
{
    struct Case
    {
        float rate;
        int fadeLength;
    };
    for (const auto& c : { Case { 44100.0f, 198 }, Case { 48000.0f, 215 }, Case { 96000.0f, 431 } })
    {
        Whirlane module;
        prepareModule (module, c.rate, { { Whirlane::onBypassIndex, 0.0f } });
        module.setParameter (Whirlane::onBypassIndex, 1.0f);
        module.calcParameter (Whirlane::onBypassIndex);
        EXPECT_EQ (module.getFadeLength(), c.fadeLength) << c.rate;
        EXPECT_EQ (module.getFadeStep(), 1.0f / (float) c.fadeLength) << c.rate;
        EXPECT_EQ (module.getBypassState(), Whirlane::fadingIn);
    }

    Whirlane module;
    prepareModule (module, 44100.0f);
    EXPECT_NEAR (module.getDistanceCoeff(), 0.98585f, 1e-5f);
}

TEST (WhirlaneParameters, RepeatedBypassCalcChangesNothing)
{
    Whirlane module;
    prepareModule (module, 44100.0f);
    ASSERT_EQ (module.getBypassState(), Whirlane::active);
    module.calcParameter (Whirlane::onBypassIndex);
    module.calcParameter (Whirlane::onBypassIndex);
    EXPECT_EQ (module.getBypassState(), Whirlane::active);
    EXPECT_EQ (module.getWetGain(), 1.0f);
}

TEST (WhirlaneParameters, PanGainsFollowTheTaper)
{
    Whirlane module;
    prepareModule (module, 44100.0f, { { Whirlane::widthIndex, 1.0f } });
    const auto gains = module.panGains (0.25f);
    EXPECT_NEAR (gains.a, std::sqrt (0.35) * 1.414213562373095, 1e-12);
    EXPECT_NEAR (gains.a, 0.83666, 1e-5);
    EXPECT_NEAR (gains.b, 1.14018, 1e-5);

    const auto top = module.panGains (1.0f);
    EXPECT_NEAR (top.a, 1.414213562373095, 1e-15);
    EXPECT_EQ (top.b, 0.0);

    prepareModule (module, 44100.0f, { { Whirlane::widthIndex, 1.0f }, { Whirlane::reverseOnIndex, 1.0f } });
    const auto reversed = module.panGains (0.25f);
    EXPECT_NEAR (reversed.a, gains.b, 1e-12);
    EXPECT_NEAR (reversed.b, gains.a, 1e-12);

    prepareModule (module, 44100.0f, { { Whirlane::widthIndex, 0.0f } });
    for (float sv : { 0.0f, 0.3f, 0.77f, 1.0f })
    {
        const auto centred = module.panGains (sv);
        EXPECT_EQ (centred.a, 1.0) << sv;
        EXPECT_EQ (centred.b, 1.0) << sv;
    }
}

TEST (WhirlaneParameters, StereoArrangementNoticeWaitsForTheMessageThread)
{
    struct Listener final : juce::ActionListener
    {
        void actionListenerCallback (const juce::String& message) override { messages.add (message); }
        juce::StringArray messages;
    };

    Whirlane module;
    EXPECT_FALSE (module.isArrangementNoticePending()); // the construction notice went out at once
    Listener listener;
    module.addActionListener (&listener);

    module.setParameter (Whirlane::stereoOnIndex, 1.0f);
    EXPECT_TRUE (module.isArrangementNoticePending());
    module.setParameter (Whirlane::stereoOnIndex, 1.0f); // no change, nothing new to announce
    module.deliverArrangementNotice();
    module.deliverArrangementNotice();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);

    ASSERT_EQ (listener.messages.size(), 1);
    EXPECT_EQ (listener.messages[0], "ModuleViewController arrangeModelInputsOutputs");
    module.removeActionListener (&listener);
}

TEST (WhirlaneParameters, AllpassPolesStayInsideTheUnitCircleAtEveryRate)
{
    for (float rate : { 8000.0f, 11025.0f, 16000.0f, 22050.0f, 32000.0f, 44100.0f, 96000.0f, 384000.0f })
        for (float depthValue : { 0.0f, 0.5f, 0.7933f, 1.0f })
        {
            Whirlane module;
            prepareModule (module, rate, { { Whirlane::depthIndex, depthValue } });
            for (int stage = 0; stage < 4; ++stage)
            {
                const float lowest = module.getAllpassOffset (stage);
                const float highest = lowest + module.getAllpassDepth (stage);
                EXPECT_GT (lowest, -1.0f) << rate << " Hz, depth " << depthValue << ", stage " << stage;
                EXPECT_LT (highest, 1.0f) << rate << " Hz, depth " << depthValue << ", stage " << stage;
            }
        }
}
