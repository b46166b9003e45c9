#pragma once

namespace Tavori::Button
{
// The maker's logo mark: outlined, in warm facets under the mouse, shrunk in grey while pressed.
class Logo : public juce::DrawableButton
{
public:
    Logo();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Logo)
};
} // namespace Tavori::Button
