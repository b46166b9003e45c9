#include "tools/ProgressBar.h"

#include <cstdio>
#include <unistd.h>

namespace
{
constexpr int barWidth = 40;
constexpr double longRenderSeconds = 5.0;
} // namespace

ProgressBar::ProgressBar (bool shouldShow) : visible (shouldShow)
{
}

ProgressBar::~ProgressBar()
{
    if (shownPercent >= 0)
        std::fputs ("\n", stderr);
}

void ProgressBar::show (double fraction)
{
    const int percent = juce::jlimit (0, 100, (int) (fraction * 100.0));
    if (! visible || percent == shownPercent)
        return;

    shownPercent = percent;
    const int filled = percent * barWidth / 100;
    const std::string bar = std::string ((size_t) filled, '#') + std::string ((size_t) (barWidth - filled), '.');
    std::fprintf (stderr, "\r[%s] %3d%%", bar.c_str(), percent);
    std::fflush (stderr);
}

bool ProgressBar::wanted (double renderSeconds)
{
    return isatty (STDERR_FILENO) != 0 || renderSeconds > longRenderSeconds;
}
