#pragma once

namespace Tavori::Button
{
// An arrow that points right, and left while the button is toggled on.
class Copy : public juce::DrawableButton
{
public:
    Copy();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Copy)
};
} // namespace Tavori::Button
