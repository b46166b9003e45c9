#include "widgets/TavoriVerticalSlider.h"

TavoriVerticalSlider::TavoriVerticalSlider (const juce::String& name) : juce::Slider (name)
{
    setTextBoxStyle (NoTextBox, true, 0, 0);
    setRange (0.0, 1.0, 0.00001);
    setSliderStyle (LinearVertical);
    setWantsKeyboardFocus (false);
}

TavoriVerticalSlider::~TavoriVerticalSlider() = default;

void TavoriVerticalSlider::setHandleImage (juce::Image image)
{
    handleImage = image;
    if (handleImage.isValid())
    {
        handleHeight = handleImage.getHeight();
        handleWidth = handleImage.getWidth();
    }
    repaint();
}

void TavoriVerticalSlider::mouseDown (const juce::MouseEvent& e)
{
    setCurrentHistoryValue();
    juce::Slider::mouseDown (e);
}

void TavoriVerticalSlider::mouseUp (const juce::MouseEvent& e)
{
    const auto current = (float) getValue();
    if (historyValue != current)
        reportChange (current);
    juce::Slider::mouseUp (e);
}

void TavoriVerticalSlider::mouseDoubleClick (const juce::MouseEvent& e)
{
    const auto returnValue = (float) getDoubleClickReturnValue();
    if (historyValue != returnValue)
        reportChange (returnValue);
    juce::Slider::mouseDoubleClick (e);
}

void TavoriVerticalSlider::reportChange (float newValue)
{
    const auto message = "TavoriVerticalSlider paramName:" + getName() + " oldValue:" + juce::String (historyValue, 5)
                         + " curValue:" + juce::String (newValue, 5);
    historyValue = newValue;
    sendActionMessage (message);
}

int TavoriVerticalSlider::handleY() const
{
    return juce::roundToInt ((getHeight() - handleImage.getHeight()) * (1.0 - getValue()));
}

void TavoriVerticalSlider::paint (juce::Graphics& g)
{
    if (! handleImage.isValid())
        return;
    g.drawImage (handleImage, 0, handleY(), handleWidth, handleHeight, 0, 0, handleWidth, handleHeight);
}

void TavoriVerticalSlider::setCurrentHistoryValue()
{
    historyValue = (float) getValue();
}

void TavoriVerticalSlider::setNewHistoryValue (float value)
{
    historyValue = value;
}

float TavoriVerticalSlider::getHistoryValue()
{
    return historyValue;
}
