#pragma once

namespace Tavori::Lumiker::About
{
// The about box's window: borderless, without a title bar, always on top, modal. It goes
// away as soon as it loses focus, on Escape, on a click on another window of the plug-in,
// and at once when the component it was centred around is deleted (the editor closing
// first), so the content never outlives the editor it reads.
class DialogWindow : public juce::DialogWindow, private juce::ComponentListener
{
public:
    // Uses juce::DialogWindow::LaunchOptions; the content is sized before it comes here.
    explicit DialogWindow (LaunchOptions& options);
    ~DialogWindow() override;

    void focusLost (FocusChangeType cause) override;
    void closeButtonPressed() override;
    void inputAttemptWhenModal() override;
    juce::BorderSize<int> getBorderThickness() override;

private:
    void close();
    void centreKeepingSize (juce::Component* around);
    void componentBeingDeleted (juce::Component& component) override;

    juce::Component::SafePointer<juce::Component> owner;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DialogWindow)
};
} // namespace Tavori::Lumiker::About
