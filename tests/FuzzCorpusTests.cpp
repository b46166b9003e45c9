#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

#include "tests/fuzz/StateFuzzTarget.h"

// Replays the committed nasty cases of the state fuzzer in the normal suite.
TEST (FuzzCorpus, EveryCaseReadsSafely)
{
    const juce::File corpus (WHIRLANE_FUZZ_CORPUS);
    const auto files = corpus.findChildFiles (juce::File::findFiles, false);
    ASSERT_FALSE (files.isEmpty());

    for (const auto& file : files)
    {
        juce::MemoryBlock data;
        ASSERT_TRUE (file.loadFileAsData (data));
        EXPECT_TRUE (runStateFuzzInput (static_cast<const std::uint8_t*> (data.getData()), data.getSize())) << file.getFileName();
    }
}
