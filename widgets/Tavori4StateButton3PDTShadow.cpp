#include "widgets/Tavori4StateButton3PDTShadow.h"

Tavori4StateButton3PDTShadow::Tavori4StateButton3PDTShadow (const juce::String& name) : Tavori4StateButton3PDT (name)
{
    setClickingTogglesState (true);
}

Tavori4StateButton3PDTShadow::~Tavori4StateButton3PDTShadow() = default;

void Tavori4StateButton3PDTShadow::setHitAreaRect (int width, int height)
{
    hitAreaWidth = width;
    hitAreaHeight = height;
}

bool Tavori4StateButton3PDTShadow::hitTest (int x, int y)
{
    return x <= hitAreaWidth && y <= hitAreaHeight;
}

void Tavori4StateButton3PDTShadow::paintButton (juce::Graphics& g, bool, bool isDown)
{
    drawFrame (g, frameIndex (getToggleState(), isDown));
}
