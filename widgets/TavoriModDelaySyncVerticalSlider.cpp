#include "widgets/TavoriModDelaySyncVerticalSlider.h"

#include <Tavori_core/Tavori_core.h>

TavoriModDelaySyncVerticalSlider::TavoriModDelaySyncVerticalSlider (const juce::String& name)
    : TavoriVerticalSlider (name)
{
    // The float just below 1/18: 19 positions from 0 to 1.
    setRange (0.0, 1.0, 0.055555526);
}

juce::String TavoriModDelaySyncVerticalSlider::getTextFromValue (double value)
{
    const auto index = juce::roundToInt (value * 18.0);
    if (index < 0 || index >= (int) Tavori::noteDivisions.size())
        return {};
    return Tavori::noteDivisions[(size_t) index];
}
