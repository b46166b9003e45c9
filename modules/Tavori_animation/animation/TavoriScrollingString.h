#pragma once

namespace Tavori::Animation
{
// Scrolls a list of lines upward, one pixel a tick at 12 ticks a second; once the whole
// block has left the top, it comes back in from below the bottom edge.
class ScrollingString : public juce::Component, public juce::Timer
{
public:
    // Keeps a reference to the lines, not a copy: they must outlive the component.
    explicit ScrollingString (const juce::StringArray& lines);
    ~ScrollingString() override;

    // The font's height is replaced by the next setScale.
    void setFont (const juce::Font& newFont);
    // Lines are 16 pixels high at scale 1.
    void setScale (float newScale);

    int getOffset() const noexcept { return offset; }
    int getTotalHeight() const noexcept { return totalHeight; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void timerCallback() override;

private:
    const juce::StringArray& lines;
    juce::Font font;
    float scale = 1.0f;
    int offset = 0;
    int totalHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ScrollingString)
};
} // namespace Tavori::Animation
