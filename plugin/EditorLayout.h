#pragma once

#include <array>

#include <juce_graphics/juce_graphics.h>

// Where the controls sit on the artwork, in artwork pixels. The artwork is drawn at half
// size, so these are twice the window's base-size pixels.
namespace Bitmap
{
inline const juce::Rectangle<int> bounds { 0, 0, 1060, 1300 };

namespace Switch
{
    inline const juce::Rectangle<int> bounds { 476, 944, 226, 246 };
    // The part of a switch frame that takes clicks; the rest is its shadow.
    inline constexpr int hitWidth = 110;
    inline constexpr int hitHeight = 178;
} // namespace Switch

namespace Knob
{
    // Rate (free and synced share it), depth, distance, intensity, crossover, mix, level.
    inline const std::array<juce::Rectangle<int>, 7> bounds { { { 231, 270, 72, 394 },
                                                               { 319, 270, 72, 394 },
                                                               { 405, 270, 72, 394 },
                                                               { 493, 270, 72, 394 },
                                                               { 580, 270, 72, 394 },
                                                               { 667, 270, 72, 394 },
                                                               { 755, 270, 72, 394 } } };
} // namespace Knob
} // namespace Bitmap

// The window: base size, host resize limits and the fixed aspect ratio.
namespace EditorSize
{
inline constexpr int baseWidth = 530;
inline constexpr int baseHeight = 650;
inline constexpr int minWidth = 375, minHeight = 460, maxWidth = 1060, maxHeight = 1300;
// Computed in single precision on purpose: hosts see exactly this ratio.
inline constexpr double aspectRatio = (double) (530.0f / 650.0f);
inline const juce::Rectangle<int> topBar { 0, 0, 530, 30 };
inline const juce::Rectangle<int> settingsStrip { 0, 29, 530, 31 };
} // namespace EditorSize
