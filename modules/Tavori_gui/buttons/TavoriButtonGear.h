#pragma once

namespace Tavori::Button
{
// An eight-tooth cog that turns by half a tooth under the mouse.
class Gear : public juce::DrawableButton
{
public:
    Gear();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Gear)
};
} // namespace Tavori::Button
