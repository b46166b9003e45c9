#include "tools/TempoPlayHead.h"

#include <cmath>

TempoPlayHead::TempoPlayHead (double bpmToReport, double rate)
    : bpm (bpmToReport), sampleRate (rate)
{
}

juce::Optional<juce::AudioPlayHead::PositionInfo> TempoPlayHead::getPosition() const
{
    const double seconds = (double) samplePosition / sampleRate;
    const double ppq = seconds * bpm / 60.0;

    PositionInfo info;
    info.setBpm (bpm);
    info.setTimeSignature (TimeSignature { 4, 4 });
    info.setTimeInSamples (samplePosition);
    info.setTimeInSeconds (seconds);
    info.setPpqPosition (ppq);
    info.setPpqPositionOfLastBarStart (4.0 * std::floor (ppq / 4.0));
    info.setBarCount ((juce::int64) std::floor (ppq / 4.0));
    info.setIsPlaying (true);
    info.setIsRecording (false);
    info.setIsLooping (false);
    return info;
}

void TempoPlayHead::advance (int numSamples)
{
    samplePosition += numSamples;
}
