#pragma once

// The shared palette. Built once at load time and never changed; do not read it
// from another translation unit's static initialisers.
namespace Tavori::Colours
{
extern const juce::Colour graniteGray;   // main text, line and control colour
extern const juce::Colour quickSilver;
extern const juce::Colour nastyGreen;
extern const juce::Colour incaYellow;
extern const juce::Colour starAndCrescentRed;
extern const juce::Colour desire;
extern const juce::Colour blueMana;
extern const juce::Colour akeBlood;
extern const juce::Colour fuego;         // accent for active and dragging states
extern const juce::Colour panel;
extern const juce::Colour menu;
extern const juce::Colour dimText;
extern const juce::Colour popUpOutline;
} // namespace Tavori::Colours
