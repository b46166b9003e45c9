namespace Tavori::Animation
{
namespace
{
constexpr float lineHeight = 16.0f;
constexpr int ticksPerSecond = 12;
} // namespace

ScrollingString::ScrollingString (const juce::StringArray& textLines) : lines (textLines)
{
    startTimerHz (ticksPerSecond);
}

ScrollingString::~ScrollingString()
{
    stopTimer();
}

void ScrollingString::setFont (const juce::Font& newFont)
{
    font = newFont;
}

void ScrollingString::setScale (float newScale)
{
    scale = newScale;
    font.setHeight (lineHeight * scale);
    totalHeight = juce::roundToInt (font.getHeight() * (float) lines.size());
}

// Each line gets the font's whole-pixel height; the last ones are cut to what is left of
// the block.
void ScrollingString::paint (juce::Graphics& g)
{
    g.setFont (font);
    g.setColour (juce::Colours::white.darker (0.1f));

    int y = offset;
    int remaining = totalHeight;
    for (const auto& line : lines)
    {
        const int height = juce::jmin (remaining, (int) font.getHeight());
        g.drawText (line, 0, y, getWidth(), height, juce::Justification::centred, true);
        y += height;
        remaining -= height;
    }
}

void ScrollingString::resized()
{
}

void ScrollingString::timerCallback()
{
    if (offset > -totalHeight)
        --offset;
    else
        offset = getHeight();
    repaint();
}
} // namespace Tavori::Animation
