#pragma once

namespace Tavori::Button
{
// A left-pointing arrow: the previous preset.
class Prev : public juce::DrawableButton
{
public:
    Prev();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Prev)
};
} // namespace Tavori::Button
