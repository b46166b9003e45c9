#pragma once

namespace Tavori::Button
{
// Three bars: opens the preset menu.
class Hamburger : public juce::DrawableButton
{
public:
    Hamburger();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Hamburger)
};
} // namespace Tavori::Button
