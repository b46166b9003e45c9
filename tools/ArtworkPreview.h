#pragma once

#include <juce_graphics/juce_graphics.h>

// The artwork put together as the editor shows it at its base size: every handle at mid
// travel and the switch on, drawn at full size and then halved.
class ArtworkPreview
{
public:
    ArtworkPreview (const juce::Image& background, const juce::Image& switchStrip, const juce::Image& handle);

    juce::Image render() const;
    juce::Image renderFullSize() const;
    // The four switch frames side by side, each over its patch of background.
    juce::Image renderSwitchStates() const;

private:
    static juce::Image halve (const juce::Image& image);

    juce::Image background;
    juce::Image switchStrip;
    juce::Image handle;
};
