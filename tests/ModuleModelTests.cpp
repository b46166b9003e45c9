#include <gtest/gtest.h>

#include "dsp/ModuleModel.h"

namespace
{
// A module that marks what it was asked to do: mono adds 1, stereo adds 10 and 20.
class MarkingModule final : public ModuleModel
{
public:
    void process (float* buffer, int n) override
    {
        for (int i = 0; i < n; ++i)
            buffer[i] += 1.0f;
    }
    void process (float* left, float* right, int n) override
    {
        for (int i = 0; i < n; ++i)
        {
            left[i] += 10.0f;
            right[i] += 20.0f;
        }
    }
    void setParameter (int, float) override {}
    void calcParameter (int) override {}
    float getDefaultParameter (int) const override { return 0.0f; }
    const char* getParameterName (int) const override { return ""; }
    void setExpectedSampleFrame (int, bool) override {}
    void changeBufferSize (int, bool) override {}
    void forceCalcParams() override {}
    void clearName() { name = nullptr; }
};
} // namespace

TEST (ModuleModel, FreshModuleHasNeutralPlacementAndRouting)
{
    MarkingModule module;
    EXPECT_EQ (module.getInputsUsed(), 1);
    EXPECT_EQ (module.getOutputsUsed(), 1);
    EXPECT_EQ (module.getFloorId(), 0);
    EXPECT_EQ (module.getColumn(), 0);
    EXPECT_FALSE (module.isUiNeedsUpdate());
    EXPECT_FALSE (module.isContainer());
    EXPECT_EQ (module.getBpm(), 120.0f);
    EXPECT_EQ (module.getExpectedSampleFrame(), 0);
    EXPECT_EQ (module.getParameter (3), 0.0f); // no parameter array
    EXPECT_STREQ (module.getName(), "ModuleModel");
    module.clearName();
    EXPECT_STREQ (module.getName(), "");
}

TEST (ModuleModel, ProcessBlockRoutesByInputsUsed)
{
    struct Case
    {
        int inputs;
        float left, right;
    };
    const Case cases[] = { { 1, 1.0f, 1.0f }, { 2, 10.0f, 20.0f }, { 0, 0.0f, 0.0f }, { 3, 0.0f, 0.0f } };

    for (const auto& c : cases)
    {
        MarkingModule module;
        module.setInputsUsed (c.inputs);
        float left[4] {}, right[4] {};
        module.processBlock (left, right, 4);
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_EQ (left[i], c.left) << "inputs " << c.inputs;
            EXPECT_EQ (right[i], c.right) << "inputs " << c.inputs;
        }
    }
}

TEST (ModuleModel, UiFlagAndPlacementRoundTrip)
{
    MarkingModule module;
    module.requestUiNeedsUpdate();
    EXPECT_TRUE (module.isUiNeedsUpdate());
    module.clearUiNeedsUpdate();
    EXPECT_FALSE (module.isUiNeedsUpdate());
    module.setFloorId (3);
    module.setColumn (7);
    module.setOutputsUsed (2);
    EXPECT_EQ (module.getFloorId(), 3);
    EXPECT_EQ (module.getColumn(), 7);
    EXPECT_EQ (module.getOutputsUsed(), 2);
}
