namespace Tavori::MessageBox
{
namespace
{
// Where there are no native boxes (Linux), JUCE shows its own alert window, whose
// two-button form reports the first button as 1 and the second as 0. Callers get the
// button's index on every system.
int buttonIndex (int result, int numButtons)
{
   #if JUCE_LINUX || JUCE_BSD
    if (numButtons == 2)
        return result == 1 ? 0 : 1;
   #else
    juce::ignoreUnused (numButtons);
   #endif
    return result;
}

void show (const juce::MessageBoxOptions& options, Callback callback)
{
    if (callback == nullptr)
    {
        juce::NativeMessageBox::showAsync (options, static_cast<juce::ModalComponentManager::Callback*> (nullptr));
        return;
    }

    juce::NativeMessageBox::showAsync (options, [callback = std::move (callback), numButtons = options.getNumButtons()] (int result)
                                       { callback (buttonIndex (result, numButtons)); });
}
} // namespace

void showYesNoBox (const juce::String& title, const juce::String& message, juce::Component* associated,
                   Callback callback)
{
    show (juce::MessageBoxOptions()
              .withTitle (title)
              .withIconType (juce::MessageBoxIconType::QuestionIcon)
              .withMessage (message)
              .withButton ("YES")
              .withButton ("NO")
              .withAssociatedComponent (associated),
          std::move (callback));
}

void showAlert (const juce::String& title, const juce::String& message, juce::Component* associated,
                Callback callback, juce::MessageBoxIconType icon)
{
    show (juce::MessageBoxOptions()
              .withTitle (title)
              .withIconType (icon)
              .withMessage (message)
              .withButton ("OK")
              .withAssociatedComponent (associated),
          std::move (callback));
}

void askReplacePreset (const juce::String& presetName, juce::Component* associated, Callback callback)
{
    showYesNoBox (presetName + " is already exist.", "Are you sure you want to overwrite this preset?", associated,
                  std::move (callback));
}

void newerVersionPreset (const juce::String& title, juce::Component* associated, Callback callback)
{
    const auto message = juce::String ("was made using a newer version of ") + pluginName
                         + "\nTo use this preset correctly, please install the newest version from: \n" + URL::download;
    showAlert (title, message, associated, std::move (callback), juce::MessageBoxIconType::WarningIcon);
}

void manualNotFound (juce::Component* associated)
{
    showAlert (pluginName, "User Manual not found", associated, nullptr, juce::MessageBoxIconType::WarningIcon);
}
} // namespace Tavori::MessageBox
