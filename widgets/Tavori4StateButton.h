#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A button drawn from a vertical strip of four equal frames.
class Tavori4StateButton : public juce::Button
{
public:
    explicit Tavori4StateButton (const juce::String& name);
    ~Tavori4StateButton() override;

    void setImage (juce::Image strip);

    virtual int getImageHeight();
    virtual int getImageWidth();

protected:
    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;
    void drawFrame (juce::Graphics& g, int index);

    juce::Image image;
    int frameWidth = 0;
    int frameHeight = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Tavori4StateButton)
};
