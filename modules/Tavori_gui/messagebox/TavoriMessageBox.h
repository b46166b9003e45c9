#pragma once

// The plug-in's dialogs, shown as the system's own message boxes. Every call returns at
// once; the callback, if any, runs later on the message thread with the index of the
// pressed button, counted from 0 in the order the buttons are listed.
namespace Tavori::MessageBox
{
using Callback = std::function<void (int)>;

// "YES" (0) and "NO" (1), with a question icon.
void showYesNoBox (const juce::String& title, const juce::String& message, juce::Component* associated,
                   Callback callback);
// A single "OK" (0).
void showAlert (const juce::String& title, const juce::String& message, juce::Component* associated,
                Callback callback, juce::MessageBoxIconType icon);

// Asks before a preset file is overwritten: 0 means go ahead.
void askReplacePreset (const juce::String& presetName, juce::Component* associated, Callback callback);
// The title is the preset's file name; the message points to the download page.
void newerVersionPreset (const juce::String& title, juce::Component* associated, Callback callback);
void manualNotFound (juce::Component* associated);
} // namespace Tavori::MessageBox
