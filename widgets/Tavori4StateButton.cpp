#include "widgets/Tavori4StateButton.h"

Tavori4StateButton::Tavori4StateButton (const juce::String& name) : juce::Button (name) {}

Tavori4StateButton::~Tavori4StateButton() = default;

void Tavori4StateButton::setImage (juce::Image strip)
{
    image = strip;
    if (image.isValid())
    {
        frameHeight = image.getHeight() / 4;
        frameWidth = image.getWidth();
    }
    repaint();
}

int Tavori4StateButton::getImageHeight()
{
    return image.isValid() ? image.getHeight() / 4 : 0;
}

int Tavori4StateButton::getImageWidth()
{
    return image.isValid() ? image.getWidth() : 0;
}

void Tavori4StateButton::paintButton (juce::Graphics& g, bool isHighlighted, bool isDown)
{
    int index = 0;
    if (getClickingTogglesState())
        index = getToggleState() ? (isHighlighted ? 2 : 3) : (isHighlighted ? 1 : 0);
    else
        index = isDown ? 2 : (isHighlighted ? 1 : 0);
    drawFrame (g, index);
}

void Tavori4StateButton::drawFrame (juce::Graphics& g, int index)
{
    if (! image.isValid())
        return;
    g.setOpacity (isEnabled() ? 1.0f : 0.4f);
    g.drawImage (image, 0, 0, getWidth(), getHeight(), 0, index * frameHeight, frameWidth, frameHeight);
}
