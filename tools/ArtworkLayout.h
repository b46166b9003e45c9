#pragma once

#include <array>

#include <juce_graphics/juce_graphics.h>

// Where the editor puts its controls on the artwork, in artwork pixels (twice the window's
// base size of 530 x 650).
namespace ArtworkLayout
{
constexpr int width = 1060;
constexpr int height = 1300;

// The top bar and the settings strip cover this band, so the artwork keeps it plain.
constexpr int quietTop = 120;

constexpr int handleWidth = 72;
constexpr int handleHeight = 96;

constexpr int faderTop = 270;
constexpr int faderWidth = 72;
constexpr int faderHeight = 394;

struct FaderSlot
{
    const char* legend;
    int x;
};

// The rate slot holds both the free and the synced rate fader.
constexpr std::array<FaderSlot, 7> faderSlots { { { "RATE", 231 },
                                                  { "DEPTH", 319 },
                                                  { "DISTANCE", 405 },
                                                  { "INTENSITY", 493 },
                                                  { "CROSSOVER", 580 },
                                                  { "MIX", 667 },
                                                  { "LEVEL", 755 } } };

inline juce::Rectangle<int> faderBounds (const FaderSlot& slot)
{
    return { slot.x, faderTop, faderWidth, faderHeight };
}

// The handle's centre line travels between these rows (value 1 at the top).
constexpr float travelTop = (float) faderTop + handleHeight / 2.0f;
constexpr float travelBottom = (float) (faderTop + faderHeight) - handleHeight / 2.0f;

const juce::Rectangle<int> switchBounds { 476, 944, 226, 246 };
constexpr int switchFrames = 4;
// Only this top-left part of a switch frame takes clicks; the rest is the shadow.
constexpr int switchHitWidth = 110;
constexpr int switchHitHeight = 178;
} // namespace ArtworkLayout
