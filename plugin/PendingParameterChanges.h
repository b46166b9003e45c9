#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "dsp/Whirlane.h"

// Hands single parameter changes from any thread to the audio thread without a lock.
// The newest value of each parameter wins; the audio thread applies them at the start of
// its next block, so the engine is never written while it is processing.
class PendingParameterChanges
{
public:
    void push (int index, float value);
    void clear();

    template <typename Apply>
    void drain (Apply&& apply)
    {
        auto mask = dirty.exchange (0, std::memory_order_acquire);
        for (int index = 0; mask != 0; ++index, mask >>= 1)
            if ((mask & 1u) != 0)
                apply (index, values[(size_t) index].load (std::memory_order_relaxed));
    }

private:
    std::array<std::atomic<float>, Whirlane::numParameters> values {};
    std::atomic<std::uint32_t> dirty { 0 };
};
