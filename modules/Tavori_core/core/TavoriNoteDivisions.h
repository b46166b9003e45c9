#pragma once

#include <array>

namespace Tavori
{
// Tempo divisions of a synced rate, longest first (D dotted, T triplet). A host parameter's
// choice index and a fader's step both index this table.
inline constexpr std::array<const char*, 19> noteDivisions { "8/1", "4/1", "2/1", "1/1", "1/2D", "1/2", "1/2T",
                                                             "1/4D", "1/4", "1/4T", "1/8D", "1/8", "1/8T", "1/16D",
                                                             "1/16", "1/16T", "1/32D", "1/32", "1/32T" };
} // namespace Tavori
