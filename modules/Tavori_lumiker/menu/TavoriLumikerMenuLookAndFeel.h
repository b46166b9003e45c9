#pragma once

namespace Tavori::Lumiker::Menu
{
// The hamburger menu's own look-and-feel; everything it draws comes from the shared base.
class LookAndFeel : public Tavori::LookAndFeel
{
public:
    LookAndFeel() = default;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LookAndFeel)
};
} // namespace Tavori::Lumiker::Menu
