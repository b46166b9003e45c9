#pragma once

#include <juce_graphics/juce_graphics.h>

// The maker's palette, the same values the editor's look-and-feel draws with, plus the
// shades of black the artwork builds its surfaces from.
namespace ArtworkPalette
{
// Text, lines and scale marks.
const juce::Colour graniteGray { 0xffa5a4a4 };
// The one accent: lamps and anything that shows "active".
const juce::Colour fuego { 0xffed562b };

const juce::Colour panel = juce::Colours::black;
const juce::Colour menu = juce::Colours::black.brighter (0.1f);
const juce::Colour comboBox = juce::Colours::black.brighter (0.2f);

// Faceplate shades, between the bar's black and the menu grey.
const juce::Colour faceplateTop = menu;
const juce::Colour faceplateBottom = juce::Colours::black.brighter (0.06f);
const juce::Colour recess = juce::Colours::black.brighter (0.025f);
} // namespace ArtworkPalette
