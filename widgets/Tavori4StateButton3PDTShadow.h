#pragma once

#include "widgets/Tavori4StateButton3PDT.h"

// The on/bypass switch: a toggle whose strip frame shows state and press, and whose
// clickable area is only the switch itself, not the shadow drawn around it.
class Tavori4StateButton3PDTShadow : public Tavori4StateButton3PDT
{
public:
    explicit Tavori4StateButton3PDTShadow (const juce::String& name);
    ~Tavori4StateButton3PDTShadow() override;

    void setHitAreaRect (int width, int height);
    bool hitTest (int x, int y) override;

    static int frameIndex (bool isOn, bool isDown) { return (isDown ? 1 : 0) + (isOn ? 2 : 0); }

protected:
    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;

private:
    int hitAreaWidth = 0;
    int hitAreaHeight = 0;
};
