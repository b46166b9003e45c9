#pragma once

namespace Tavori::Lumiker::About
{
// The about box's animated logo. A click opens the maker's web site through launcher,
// which tests replace so that no browser starts.
class LogoStrip : public Tavori::Animation::Strip
{
public:
    LogoStrip();

    std::function<void (const juce::URL&)> launcher;

protected:
    void launch (const juce::URL& address) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LogoStrip)
};
} // namespace Tavori::Lumiker::About
