#pragma once

#include <juce_core/juce_core.h>

// A one-line bar on stderr, redrawn in place, ended with a newline when it goes.
class ProgressBar
{
public:
    explicit ProgressBar (bool visible);
    ~ProgressBar();

    void show (double fraction);

    // On a terminal, or for renders long enough to wait for.
    static bool wanted (double renderSeconds);

private:
    bool visible;
    int shownPercent = -1;

    JUCE_DECLARE_NON_COPYABLE (ProgressBar)
};
