#include "dsp/ModuleModel.h"

#include <algorithm>

void ModuleModel::processBlock (float* channel0, float* channel1, int numSamples)
{
    const int inputs = getInputsUsed();

    if (inputs == 2)
    {
        process (channel0, channel1, numSamples);
    }
    else if (inputs == 1)
    {
        process (channel0, numSamples);
        std::copy (channel0, channel0 + std::max (0, numSamples), channel1);
    }
}
