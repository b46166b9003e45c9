#pragma once

#include <iterator>

// The 14 host parameters as every host must see them, in host index order: the processor
// itself and the built bundle are checked against the same table.
struct ExpectedParameter
{
    const char* id;
    const char* name;
    float defaultValue;
    const char* defaultText;
    const char* label;
    int steps; // 0: continuous
};

inline constexpr ExpectedParameter expectedParameters[] = {
    { "LWhl_000000", "onBypass", 1.0f, "On", "", 2 },
    { "LWhl_000100", "reverseOn", 0.0f, "Off", "", 2 },
    { "LWhl_000200", "rate", 0.59454f, "6.73", "Hz", 0 },
    { "LWhl_000201", "rateSync", 3.0f / 18.0f, "1/1", "", 19 },
    { "LWhl_000300", "depth", 0.7933f, "7.93", "", 0 },
    { "LWhl_000400", "distance", 0.68994f, "6.90", "", 0 },
    { "LWhl_000500", "intensity", 1.0f, "10.00", "", 0 },
    { "LWhl_000600", "crossoverShiftOn", 0.0f, "Off", "", 2 },
    { "LWhl_000700", "crossoverFreq", 0.37727f, "379", "Hz", 0 },
    { "LWhl_000800", "mix", 0.58013f, "Dry: 42%, Wet: 58%", "", 0 },
    { "LWhl_000900", "level", 0.76244f, "7.62", "", 0 },
    { "LWhl_001000", "width", 0.5f, "50", "%", 0 },
    { "LWhl_001100", "stereoOn", 0.0f, "Off", "", 2 },
    { "LWhl_001200", "syncOn", 0.0f, "Off", "", 2 },
};

inline constexpr int numExpectedParameters = (int) std::size (expectedParameters);
