#pragma once

namespace Tavori::Lumiker::Menu
{
// The hamburger menu: saving presets, the preset folder, the manual, the web site and the
// window sizes. The menu and the save dialog are asynchronous; their answers arrive later
// on the message thread.
template <typename Processor, typename Editor>
class Preset : public juce::Component
{
public:
    using FileCallback = std::function<void (const juce::File&)>;
    // Asks for the file to save to, starting in `folder`, and calls back with it (an empty
    // file when cancelled). Tests answer it themselves.
    using SaveDialog = std::function<void (const juce::File& folder, const juce::String& pattern, FileCallback)>;

    Preset (Processor& p, Editor& e, int width, int height)
        : processor (p), editor (e), baseWidth (width), baseHeight (height)
    {
        hamburgerButton = std::make_unique<Tavori::Button::Hamburger>();
        hamburgerButton->onClick = [this] { buildMenu(); };
        addAndMakeVisible (*hamburgerButton);
    }

    void paint (juce::Graphics&) override {}

    void resized() override { hamburgerButton->setBounds (getLocalBounds()); }

    juce::PopupMenu createMenu()
    {
        juce::PopupMenu menu;
        addItems (menu, { Actions::savePreset, Actions::savePresetAs });
        menu.addSeparator();
        addItems (menu, { Actions::goToPresetFolder });
        menu.addSeparator();
        addItems (menu, { Actions::userManual });
        menu.addSeparator();
        addItems (menu, { Actions::visitWebsite });
        menu.addSeparator();

        juce::PopupMenu sizes;
        addItems (sizes, { Actions::resizeSmall, Actions::resizeMedium, Actions::resizeLarge, Actions::resizeXLarge });
        sizes.addSeparator();
        addItems (sizes, { Actions::setCurrentAsDefault });
        menu.addSubMenu (actions[Actions::interfaceSizeTitle], sizes, true);
        menu.addSeparator();

        menu.setLookAndFeel (&lookAndFeel);
        return menu;
    }

    void buildMenu()
    {
        createMenu().showMenuAsync (juce::PopupMenu::Options().withTargetComponent (hamburgerButton.get()),
                                    [safeThis = SafePointer<Preset> (this)] (int itemId)
                                    {
                                        if (safeThis != nullptr)
                                            safeThis->fileMenuResult (itemId);
                                    });
    }

    void fileMenuResult (int itemId)
    {
        switch (itemId)
        {
            case Actions::savePreset:          savePreset(); break;
            case Actions::savePresetAs:        savePresetAs(); break;
            case Actions::goToPresetFolder:    editor.createPresetFolder(); openFile (presetFolder()); break;
            case Actions::resizeSmall:         resizeEditor (0.7071); break;
            case Actions::resizeMedium:        resizeEditor (1.0); break;
            case Actions::resizeLarge:         resizeEditor (1.4142); break;
            case Actions::resizeXLarge:        resizeEditor (2.0); break;
            case Actions::setCurrentAsDefault: setCurrentSizeAsDefault(); break;
            case Actions::userManual:          openManual(); break;
            case Actions::visitWebsite:        openUrl (juce::URL (Tavori::URL::website)); break;
            default: break;
        }
    }

    // Writes the live channel to the file, makes it the channel's preset and shows it
    // selected. A failed write keeps the previous preset and tells the user.
    void writeTo (const juce::String& path)
    {
        if (! processor.savePresetFile (juce::File (path)))
            Tavori::MessageBox::showAlert (Tavori::pluginName, "The preset could not be saved:\n" + path, this, nullptr,
                                           juce::MessageBoxIconType::WarningIcon);

        if (editor.topPanel == nullptr)
            return;
        auto& list = *editor.topPanel->presetList;
        list.populateList();
        list.setSelectedPreset (livePresetPath());
    }

    Processor& processor;
    Editor& editor;
    int baseWidth;
    int baseHeight;
    LookAndFeel lookAndFeel;
    std::unique_ptr<Tavori::Button::Hamburger> hamburgerButton;
    std::unique_ptr<juce::FileChooser> fileChooser;
    Actions actions;

    // How the folder, the manual and the web site are opened; tests replace them so that
    // nothing is launched.
    std::function<void (const juce::File&)> openFile = [] (const juce::File& file) { file.startAsProcess(); };
    std::function<void (const juce::URL&)> openUrl = [] (const juce::URL& url) { url.launchInDefaultBrowser(); };
    // Where "User Manual" looks; tests point it into their own folder.
    juce::File manualFile = Tavori::Directory::userManual.getChildFile (juce::String (Tavori::projectName) + " Manual.pdf");
    SaveDialog chooseSaveFile = [this] (const juce::File& folder, const juce::String& pattern, FileCallback done)
    { showSaveDialog (folder, pattern, std::move (done)); };

private:
    void addItems (juce::PopupMenu& menu, std::initializer_list<int> ids)
    {
        for (int id : ids)
            menu.addItem (id, actions[id], true, false);
    }

    juce::String livePresetPath() const { return processor.activeProgram().livePresetPath(); }

    static juce::File presetFolder() { return Tavori::Directory::userPresets.getChildFile (Tavori::projectName); }

    juce::String extension() const { return "." + processor.presetExtension; }

    // Overwrites the live preset's file after a YES; a preset that has no file yet is
    // simply written, and one without a name goes through the save dialog.
    void savePreset()
    {
        const auto path = livePresetPath();
        if (path.isEmpty())
        {
            savePresetAs();
            return;
        }
        confirmAndWrite (Tavori::Directory::presets (false).getChildFile (path));
    }

    void confirmAndWrite (const juce::File& file)
    {
        if (! file.existsAsFile())
        {
            writeTo (file.getFullPathName());
            return;
        }
        Tavori::MessageBox::askReplacePreset (file.getFileNameWithoutExtension(), this,
                                              [safeThis = SafePointer<Preset> (this), path = file.getFullPathName()] (int result)
                                              {
                                                  if (safeThis != nullptr && result == 0)
                                                      safeThis->writeTo (path);
                                              });
    }

    void savePresetAs()
    {
        editor.createPresetFolder();
        chooseSaveFile (presetFolder(), "*" + extension(),
                        [safeThis = SafePointer<Preset> (this)] (const juce::File& chosen)
                        {
                            if (safeThis != nullptr)
                                safeThis->saveChosenFile (chosen);
                        });
    }

    // A name typed without the extension would never be listed: it gets the extension,
    // and if that names an existing preset the user is asked first.
    void saveChosenFile (const juce::File& chosen)
    {
        if (chosen.getFileName().isEmpty())
            return;
        if (chosen.hasFileExtension (extension()))
            writeTo (chosen.getFullPathName());
        else
            confirmAndWrite (chosen.getSiblingFile (chosen.getFileName() + extension()));
    }

    void showSaveDialog (const juce::File& folder, const juce::String& pattern, FileCallback done)
    {
        // Without a native dialog (a bare Linux desktop) JUCE's own browser is used.
        fileChooser = std::make_unique<juce::FileChooser> ("Save", folder, pattern,
                                                           juce::FileChooser::isPlatformDialogAvailable(), false, nullptr);
        fileChooser->launchAsync (juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::warnAboutOverwriting,
                                  [done = std::move (done)] (const juce::FileChooser& chooser) { done (chooser.getResult()); });
    }

    void resizeEditor (double factor)
    {
        editor.setSize (juce::roundToInt (baseWidth * factor), juce::roundToInt (baseHeight * factor));
    }

    // The editor's own size: in the standalone app its top-level window also holds a title bar.
    void setCurrentSizeAsDefault()
    {
        editor.settings.defaultWidth = editor.getWidth();
        editor.settings.defaultHeight = editor.getHeight();
        editor.writeInternalSetting();
    }

    void openManual()
    {
        if (manualFile.existsAsFile())
            openFile (manualFile);
        else
            Tavori::MessageBox::manualNotFound (nullptr);
    }

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Preset)
};
} // namespace Tavori::Lumiker::Menu
