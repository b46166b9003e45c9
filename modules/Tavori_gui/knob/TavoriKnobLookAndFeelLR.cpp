namespace Tavori
{
void Knob::LookAndFeelLR::drawRing (juce::Graphics& g, juce::Point<float> centre, float radius, float value)
{
    const auto below = value < 0.5f ? 1.0f - 2.0f * value : 0.0f;
    const auto above = value > 0.5f ? 2.0f * (value - 0.5f) : 0.0f;

    strokeRing (g, createRingPath (centre, radius, 0, 4), below);
    strokeRing (g, createRingPath (centre, radius, 5, 9), above);
}
} // namespace Tavori
