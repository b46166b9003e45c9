#pragma once

// Length in samples of every ramp and glide in the engine, chosen by sample rate so a
// glide lasts roughly the same time at every rate. A rate that compares with nothing
// (NaN) gets the longest band.
inline int bandLength (float sampleRate)
{
    if (sampleRate < 34050.0f)
        return 1024;
    if (sampleRate < 68000.0f)
        return 2048;
    if (sampleRate < 136000.0f)
        return 4096;
    return 8192;
}
