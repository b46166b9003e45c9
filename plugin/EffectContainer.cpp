#include "plugin/EffectContainer.h"

EffectContainer::EffectContainer (const juce::String& name, juce::Image artwork)
    : juce::Component (name), image (std::move (artwork))
{
    setOpaque (true);
}

void EffectContainer::paint (juce::Graphics& g)
{
    g.drawImage (image, 0, 0, image.getWidth(), image.getHeight(), 0, 0, image.getWidth(), image.getHeight());
}
