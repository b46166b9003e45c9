#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A mouse event on a component at a local position, for driving controls directly.
inline juce::MouseEvent mouseEventOn (juce::Component& component, juce::Point<float> position,
                                      juce::ModifierKeys modifiers = {}, int clicks = 1)
{
    const auto now = juce::Time::getCurrentTime();
    return { juce::Desktop::getInstance().getMainMouseSource(),
             position,
             modifiers,
             juce::MouseInputSource::defaultPressure,
             juce::MouseInputSource::defaultOrientation,
             juce::MouseInputSource::defaultRotation,
             juce::MouseInputSource::defaultTiltX,
             juce::MouseInputSource::defaultTiltY,
             &component,
             &component,
             now,
             position,
             now,
             clicks,
             false };
}

// Runs the message loop so asynchronous callbacks (action messages, async clicks) arrive.
inline void pumpMessages (int milliseconds = 30)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

// The colour at a pixel after painting a component into an image of its size.
inline juce::Image snapshot (juce::Component& component)
{
    juce::Image image (juce::Image::ARGB, juce::jmax (1, component.getWidth()), juce::jmax (1, component.getHeight()), true);
    juce::Graphics g (image);
    component.paintEntireComponent (g, true);
    return image;
}
