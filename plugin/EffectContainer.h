#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The artwork the faders and the switch sit on, drawn at its own pixel size; the editor
// scales it with a transform.
class EffectContainer : public juce::Component
{
public:
    EffectContainer (const juce::String& name, juce::Image artwork);

    void paint (juce::Graphics& g) override;

private:
    juce::Image image;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EffectContainer)
};
