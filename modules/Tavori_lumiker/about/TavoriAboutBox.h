#pragma once

namespace Tavori::Lumiker::About
{
// Opens the about box over the editor, modal and sized by the processor's UI scale. The
// caller keeps nothing: the top bar's logo button does
//     Tavori::Lumiker::About::Box<LumikerWhirlaneAudioProcessorEditor> (editor, false);
// The window deletes itself when dismissed (a click outside the logo, Escape, focus moving
// away) or when the editor is deleted first.
template <typename Editor>
class Box
{
public:
    Box (Editor& editor, bool showFftCredit)
    {
        DialogWindow::LaunchOptions options;
        options.dialogTitle = {};
        options.dialogBackgroundColour = juce::Colours::black;
        options.content.setOwned (new Content<Editor> (editor, showFftCredit));
        options.componentToCentreAround = &editor;
        options.escapeKeyTriggersCloseButton = true;
        options.useNativeTitleBar = false;
        options.resizable = false;
        options.useBottomRightCornerResizer = false;

        window = new DialogWindow (options);
        window->enterModalState (true, nullptr, true);
    }

    // The window just opened, for whoever wants to watch it; null once it has gone.
    juce::DialogWindow* getWindow() const noexcept { return window.getComponent(); }

private:
    juce::Component::SafePointer<juce::DialogWindow> window;
};
} // namespace Tavori::Lumiker::About
