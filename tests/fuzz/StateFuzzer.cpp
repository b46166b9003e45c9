#include <cstdlib>

#include <juce_events/juce_events.h>

#include "tests/fuzz/StateFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    static juce::ScopedJuceInitialiser_GUI juce;
    if (! runStateFuzzInput (data, size))
        std::abort();
    return 0;
}
