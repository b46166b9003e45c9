namespace Tavori::Lumiker::About
{
namespace
{
    float desktopScaleOf (const juce::Component* component)
    {
        return component != nullptr ? juce::Component::getApproximateScaleFactorForComponent (component) : 1.0f;
    }
} // namespace

DialogWindow::DialogWindow (LaunchOptions& options)
    : juce::DialogWindow (options.dialogTitle, options.dialogBackgroundColour, options.escapeKeyTriggersCloseButton, true,
                          desktopScaleOf (options.componentToCentreAround)),
      owner (options.componentToCentreAround)
{
    setUsingNativeTitleBar (options.useNativeTitleBar);
    setAlwaysOnTop (true);
    // Before the content arrives, so the window takes exactly the content's size.
    setTitleBarHeight (0);

    if (options.content.willDeleteObject())
        setContentOwned (options.content.release(), true);
    else
        setContentNonOwned (options.content.release(), true);

    centreKeepingSize (options.componentToCentreAround);
    setResizable (options.resizable, options.useBottomRightCornerResizer);

    if (owner != nullptr)
        owner->addComponentListener (this);
}

DialogWindow::~DialogWindow()
{
    if (owner != nullptr)
        owner->removeComponentListener (this);
}

void DialogWindow::focusLost (FocusChangeType)
{
    close();
}

void DialogWindow::closeButtonPressed()
{
    close();
}

void DialogWindow::inputAttemptWhenModal()
{
    close();
}

juce::BorderSize<int> DialogWindow::getBorderThickness()
{
    return {};
}

// Only this window: another dialog that happens to be modal is left alone. Once dismissed,
// the modal manager deletes the window.
void DialogWindow::close()
{
    if (isCurrentlyModal (false))
        exitModalState (0);
    else
        setVisible (false);
}

// JUCE shrinks a window that would leave the screen; the content is laid out for exactly
// its size, so the box keeps it and stays centred.
void DialogWindow::centreKeepingSize (juce::Component* around)
{
    const auto size = getBounds();
    centreAroundComponent (around, size.getWidth(), size.getHeight());
    if (getWidth() != size.getWidth() || getHeight() != size.getHeight())
        setBounds (getBounds().withSizeKeepingCentre (size.getWidth(), size.getHeight()));
}

void DialogWindow::componentBeingDeleted (juce::Component& component)
{
    component.removeComponentListener (this);
    owner = nullptr;
    delete this;
}
} // namespace Tavori::Lumiker::About
