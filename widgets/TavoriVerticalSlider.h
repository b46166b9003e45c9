#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A vertical fader drawn as a handle bitmap only (the track is part of the artwork).
// Each finished gesture that changed the value is broadcast as a text message naming
// the fader, its old and its new value.
class TavoriVerticalSlider : public juce::Slider,
                             public juce::ActionBroadcaster
{
public:
    explicit TavoriVerticalSlider (const juce::String& name);
    ~TavoriVerticalSlider() override;

    void setHandleImage (juce::Image image);

    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void paint (juce::Graphics& g) override;

    virtual void setCurrentHistoryValue();
    virtual void setNewHistoryValue (float value);
    virtual float getHistoryValue();

    // The top edge of the handle for the current value, in component pixels.
    int handleY() const;

private:
    void reportChange (float newValue);

    juce::Image handleImage;
    int handleHeight = 0;
    int handleWidth = 0;
    float historyValue = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TavoriVerticalSlider)
};
