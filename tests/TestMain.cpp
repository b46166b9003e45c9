#include <cstdlib>
#include <iostream>

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include "tools/BareDisplay.h"

#if JUCE_LOG_ASSERTIONS
namespace
{
// In the sanitizer build JUCE reports failed assertions (a look-and-feel destroyed while in
// use, leaked objects at exit) through the logger: each one fails the run.
class AssertionsFail : public juce::Logger
{
    void logMessage (const juce::String& message) override
    {
        std::cerr << message << std::endl;
        if (! message.startsWith ("JUCE Assertion failure"))
            return;
        if (testing::UnitTest::GetInstance()->current_test_info() != nullptr)
            ADD_FAILURE() << message;
        else
            std::_Exit (3); // after the tests: the leak detector at exit
    }
};
} // namespace
#endif

int main (int argc, char** argv)
{
#if JUCE_LOG_ASSERTIONS
    // Never deleted: the leak detector reports after main returns.
    juce::Logger::setCurrentLogger (new AssertionsFail());
#endif
    ignoreBareDisplayErrors();
    juce::ScopedJuceInitialiser_GUI juce;
    testing::InitGoogleTest (&argc, argv);
    return RUN_ALL_TESTS();
}
