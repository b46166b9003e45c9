#pragma once

namespace Tavori
{
// The A/B page of the top bar: radio buttons "A" and "B" for the current program's two
// parameter sets, and between them a copy button whose arrow points from the live set to
// the other one. The top bar wires the buttons to the A/B switch and sets the arrow.
template <typename Processor>
class Page : public juce::Component
{
public:
    // Text only: the inherited button background draws nothing.
    class LookAndFeel : public Tavori::LookAndFeel
    {
    public:
        void drawButtonText (juce::Graphics& g, juce::TextButton& button, bool isHighlighted, bool) override
        {
            g.setFont (getTextButtonFont (button, button.getHeight()));
            g.setColour (textColour (button.getToggleState(), isHighlighted));
            g.drawText (button.getButtonText(), 0, 0, button.getWidth(), button.getHeight(),
                        juce::Justification::centred, true);
        }

        static juce::Colour textColour (bool isOn, bool isHighlighted)
        {
            if (isHighlighted)
                return Colours::graniteGray;
            return isOn ? juce::Colours::white : Colours::graniteGray.darker (0.5f);
        }
    };

    static constexpr int radioGroup = 99999;
    static constexpr int buttonWidth = 30;
    static constexpr int copyWidth = 12;

    explicit Page (Processor& owner) : processor (owner)
    {
        labels = { "A", "B" };

        copyButton = std::make_unique<Button::Copy>();
        copyButton->setBufferedToImage (true);
        addAndMakeVisible (*copyButton);

        for (int i = 0; i < 2; ++i)
        {
            auto& button = buttons[(size_t) i];
            button = std::make_unique<juce::TextButton> (labels[i]);
            button->setRadioGroupId (radioGroup, juce::sendNotification);
            button->setClickingTogglesState (true);
            button->setLookAndFeel (&lookAndFeel);
            addAndMakeVisible (*button);
        }

        copyButton->onClick = [this] { copyLiveChannel(); };

        // No onClick is installed yet, so this only shows the live channel.
        const int live = juce::jlimit (0, 1, activeChannel());
        buttons[(size_t) live]->setToggleState (true, juce::sendNotification);
    }

    ~Page() override
    {
        for (auto& button : buttons)
            button->setLookAndFeel (nullptr);
    }

    void resized() override
    {
        auto area = getLocalBounds();
        buttons[0]->setBounds (area.removeFromLeft (buttonWidth));
        copyButton->setBounds (area.removeFromLeft (copyWidth));
        buttons[1]->setBounds (area.removeFromLeft (buttonWidth));
    }

    // The live set is copied onto the other one, in the program table only: the host
    // parameters, the preset paths and the flags stay as they are. The copy shows up
    // when the user switches to the other set.
    void copyLiveChannel()
    {
        if (buttons[0]->getToggleState() || buttons[1]->getToggleState())
            processor.copyChannel();
    }

    std::array<std::unique_ptr<juce::TextButton>, 2> buttons;
    std::unique_ptr<Button::Copy> copyButton;
    juce::StringArray labels;
    LookAndFeel lookAndFeel;

private:
    int activeChannel() const
    {
        return processor.activeProgram().activeChannel.load();
    }

    Processor& processor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Page)
};
} // namespace Tavori
