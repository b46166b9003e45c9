#pragma once

namespace Tavori::Button
{
// A right-pointing arrow: the next preset.
class Next : public juce::DrawableButton
{
public:
    Next();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Next)
};
} // namespace Tavori::Button
