#pragma once

namespace Tavori
{
// The knob look for centre-balanced values: the ring's halves brighten separately,
// the left one below the centre value and the right one above it.
class Knob::LookAndFeelLR : public Knob::LookAndFeel
{
public:
    LookAndFeelLR() = default;
    ~LookAndFeelLR() override = default;

protected:
    void drawRing (juce::Graphics&, juce::Point<float> centre, float radius, float value) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LookAndFeelLR)
};
} // namespace Tavori
