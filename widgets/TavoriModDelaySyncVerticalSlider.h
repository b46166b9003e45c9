#pragma once

#include "widgets/TavoriVerticalSlider.h"

// The fader of the tempo-synced rate: 19 steps, shown as note divisions.
class TavoriModDelaySyncVerticalSlider : public TavoriVerticalSlider
{
public:
    explicit TavoriModDelaySyncVerticalSlider (const juce::String& name);

    juce::String getTextFromValue (double value) override;
};
