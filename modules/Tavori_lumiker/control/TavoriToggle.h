#pragma once

namespace Tavori::Control
{
// A text switch with an underline that lights up while it is on. The owner sets the
// text, installs onClick and reads or sets the toggle state, all through `button`.
template <typename Processor>
class Toggle : public juce::Component
{
public:
    // The text sits in a band 8 pixels below the top; the underline is the band's last
    // 2 pixels. The inherited button background draws nothing.
    class LookAndFeel : public Tavori::LookAndFeel
    {
    public:
        static constexpr int verticalInset = 8;
        static constexpr int underlineHeight = 2;

        juce::Font getTextButtonFont (juce::TextButton&, int) override
        {
            return juce::Font (Fonts::OpenSansSemiBold).withHeight (15.0f).withExtraKerningFactor (0.01f);
        }

        void drawButtonText (juce::Graphics& g, juce::TextButton& button, bool isHighlighted, bool isDown) override
        {
            auto area = button.getLocalBounds().reduced (0, verticalInset);

            g.setColour (underlineColour (button.getToggleState()));
            const auto underline = area.removeFromBottom (underlineHeight).reduced (1, 0);
            g.fillRoundedRectangle (underline.toFloat(), 0.1f);

            g.setFont (getTextButtonFont (button, button.getHeight()));
            g.setColour (textColour (isHighlighted, isDown));
            g.drawText (button.getButtonText(), area, juce::Justification::centred, true);
        }

        static juce::Colour underlineColour (bool isOn)
        {
            return isOn ? Colours::fuego : Colours::graniteGray.darker (1.0f);
        }

        static juce::Colour textColour (bool isHighlighted, bool isDown)
        {
            if (! isHighlighted)
                return Colours::graniteGray;
            return isDown ? Colours::graniteGray.darker (0.5f) : juce::Colours::white;
        }
    };

    explicit Toggle (Processor& owner) : processor (owner)
    {
        button = std::make_unique<juce::TextButton>();
        button->setClickingTogglesState (true);
        button->setLookAndFeel (&lookAndFeel);
        addAndMakeVisible (*button);
    }

    ~Toggle() override
    {
        button->setLookAndFeel (nullptr);
    }

    void resized() override
    {
        button->setBounds (getLocalBounds());
    }

    Processor& processor;
    LookAndFeel lookAndFeel;
    std::unique_ptr<juce::TextButton> button;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Toggle)
};
} // namespace Tavori::Control
