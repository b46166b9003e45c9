#pragma once

namespace Tavori::List
{
// The preset browser: a combo box listing every preset file under the product preset
// folder (sub-folders as sub-menus), with previous and next buttons over its right end.
// Entry i of presetFiles is the combo-box item with id i + 1 and item index i.
template <typename Processor, typename Editor>
class Preset : public juce::Component
{
public:
    // Re-reads the folder on every press, so the list shown is always what is on disk.
    class ComboBox : public juce::ComboBox
    {
    public:
        explicit ComboBox (Preset& ownerList) : juce::ComboBox (juce::String()), owner (ownerList) {}

        void mouseDown (const juce::MouseEvent& e) override
        {
            owner.populateList();
            juce::ComboBox::mouseDown (e);
        }

    private:
        Preset& owner;
        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ComboBox)
    };

    Preset (Processor& p, Editor& e) : processor (p), editor (e)
    {
        navigationButtons.add (new Tavori::Button::Prev());
        navigationButtons.add (new Tavori::Button::Next());
        for (auto* button : navigationButtons)
            addAndMakeVisible (button);

        comboBox = std::make_unique<ComboBox> (*this);
        comboBox->setJustificationType (juce::Justification::centred);
        comboBox->setBufferedToImage (true);
        addAndMakeVisible (*comboBox);
        // The arrows lie over the box's right end and must stay clickable.
        for (auto* button : navigationButtons)
            button->toFront (false);

        comboBox->onChange = [this]
        {
            const int index = comboBox->getSelectedItemIndex();
            loadPreset (index);
            toggleEnableNavigationButtons (index);
        };
        navigationButtons[0]->onClick = [this] { selectNeighbour (-1); };
        navigationButtons[1]->onClick = [this] { selectNeighbour (1); };

        populateList();
    }

    ~Preset() override
    {
        comboBox.reset();
        presetFiles.clear();
        while (! navigationButtons.isEmpty())
            navigationButtons.removeLast();
    }

    void resized() override
    {
        auto area = getLocalBounds();
        comboBox->setBounds (area.reduced (0, 3));
        auto strip = area.reduced (0, 3).withTrimmedRight (6);
        strip = strip.removeFromRight (24);
        navigationButtons[0]->setBounds (strip.removeFromLeft (12));
        navigationButtons[1]->setBounds (strip.removeFromLeft (12));
    }

    void populateList()
    {
        const auto root = Tavori::Directory::presets (false);
        const auto wildcard = "*." + processor.presetExtension;

        presetFiles.clear();
        comboBox->clear (juce::dontSendNotification);

        int counter = 0;
        createNewSubMenu (comboBox->getRootMenu(), root.getFullPathName(), counter, wildcard, presetFiles);

        selectIndex (getIndexOf (livePresetPath()));
        toggleEnableNavigationButtons (comboBox->getSelectedItemIndex());
        comparePreset();
    }

    // The listed file a stored preset path stands for; falls back to the default preset,
    // -1 when neither is listed.
    int getIndexOf (const juce::String& presetPath) const
    {
        const auto file = Tavori::Directory::presets (false).getChildFile (presetPath);
        const int index = presetFiles.indexOf (file);
        if (index >= 0)
            return index;
        return presetFiles.indexOf (Tavori::Directory::defaultPreset (processor.presetExtension, false));
    }

    void loadPreset (int index)
    {
        const auto file = fileAt (index);
        if (! file.existsAsFile())
        {
            processor.needsCompare = true;
            return;
        }

        if (processor.loadPresetFile (file) == Processor::presetFromNewerVersion)
            Tavori::MessageBox::newerVersionPreset (file.getFileName(), nullptr, nullptr);
    }

    // Marks the shown preset with a trailing "*" while the live values differ from its file.
    void comparePreset()
    {
        const int index = getIndexOf (livePresetPath());
        const auto file = fileAt (index);
        if (! file.existsAsFile())
            return;

        auto text = file.getFileNameWithoutExtension();
        if (processor.comparePresetFile (file))
            text << "*";

        if (comboBox->getText() != text || comboBox->getSelectedItemIndex() != index)
        {
            comboBox->changeItemText (index + 1, text);
            comboBox->setSelectedId (index + 1, juce::dontSendNotification);
        }
    }

    void setSelectedPreset (const juce::String& presetPath)
    {
        selectIndex (getIndexOf (presetPath));
    }

    // No wrap-around: Prev is off at the first item, Next at the last.
    void toggleEnableNavigationButtons (int index)
    {
        const int count = comboBox->getNumItems();
        const bool atLast = index != 0 && count == index + 1;
        navigationButtons[0]->setEnabled (atLast || index != 0);
        navigationButtons[1]->setEnabled (! atLast);
    }

    Processor& processor;
    Editor& editor;
    juce::OwnedArray<juce::DrawableButton> navigationButtons;
    juce::Array<juce::File> presetFiles;
    std::unique_ptr<ComboBox> comboBox;

private:
    juce::String livePresetPath() const { return processor.activeProgram().livePresetPath(); }

    juce::File fileAt (int index) const
    {
        return juce::isPositiveAndBelow (index, presetFiles.size()) ? presetFiles.getReference (index) : juce::File();
    }

    // By index rather than by text: two folders may hold presets of the same name.
    void selectIndex (int index)
    {
        comboBox->setSelectedId (juce::isPositiveAndBelow (index, presetFiles.size()) ? index + 1 : 0,
                                 juce::dontSendNotification);
    }

    void selectNeighbour (int step)
    {
        comboBox->setSelectedItemIndex (getIndexOf (livePresetPath()) + step, juce::sendNotificationAsync);
    }

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Preset)
};
} // namespace Tavori::List
