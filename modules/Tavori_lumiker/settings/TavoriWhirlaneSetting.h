#pragma once

namespace Tavori::Lumiker::Panel::Settings
{
// The effect settings strip under the top bar: SYNC, STEREO, REVERSE and CROSSOVER SHIFT
// switches and a small WIDTH knob over the darkened artwork. It only builds and draws
// them: the editor binds them to their parameters and shows or hides the strip.
template <typename Processor, typename Editor>
class WhirlaneSetting : public juce::Component
{
public:
    // Base-size pixels inside the 530 x 31 strip.
    struct Layout
    {
        static inline const juce::Rectangle<int> syncToggle { 10, 2, 60, 30 };
        static inline const juce::Rectangle<int> crossoverShiftToggle { 70, 2, 120, 30 };
        static inline const juce::Rectangle<int> reverseToggle { 235, 2, 60, 30 };
        static inline const juce::Rectangle<int> widthLabel { 375, 5, 50, 20 };
        static inline const juce::Rectangle<int> widthKnob { 425, 1, 30, 30 };
        static inline const juce::Rectangle<int> stereoToggle { 460, 2, 60, 30 };
    };

    static constexpr double defaultWidth = 0.5;
    static constexpr int bubbleHoverTimeoutMs = 2000;

    WhirlaneSetting (Processor& owner, Editor& parentEditor) : processor (owner), editor (parentEditor)
    {
        setComponentID ("FXSETTINGS");

        widthLabel = std::make_unique<juce::Label>();
        // The look-and-feel's label font wins when drawing; this is only the fallback.
        widthLabel->setFont (juce::Font (Fonts::OpenSansRegular));
        widthLabel->setText ("WIDTH", juce::dontSendNotification);
        widthLabel->setJustificationType (juce::Justification::centred);
        addAndMakeVisible (*widthLabel);

        widthKnob = std::make_unique<Knob>();
        widthKnob->setDoubleClickReturnValue (true, defaultWidth, juce::ModifierKeys::altModifier);
        // On the desktop, so the bubble is not clipped by the thin strip.
        widthKnob->setPopupDisplayEnabled (true, true, nullptr, bubbleHoverTimeoutMs);
        widthKnob->textFromValueFunction = [] (double value) { return percentText (value); };
        addAndMakeVisible (*widthKnob);

        syncToggle = makeToggle ("SYNC");
        stereoToggle = makeToggle ("STEREO");
        reverseToggle = makeToggle ("REVERSE");
        crossoverShiftToggle = makeToggle ("CROSSOVER SHIFT");
    }

    static juce::String percentText (double value)
    {
        return juce::String (juce::roundToInt ((float) value * 100.0f)) + "%";
    }

    void paint (juce::Graphics& g) override
    {
        // Half-transparent, so the artwork shows through darkened.
        g.fillAll (Colours::panel.withAlpha (0.5f));
    }

    void resized() override
    {
        syncToggle->setBounds (Layout::syncToggle);
        crossoverShiftToggle->setBounds (Layout::crossoverShiftToggle);
        reverseToggle->setBounds (Layout::reverseToggle);
        widthLabel->setBounds (Layout::widthLabel);
        widthKnob->setBounds (Layout::widthKnob);
        stereoToggle->setBounds (Layout::stereoToggle);
    }

    using Toggle = Control::Toggle<Processor>;

    Knob::LookAndFeelLR lookAndFeelLR;
    Processor& processor;
    Editor& editor;
    std::unique_ptr<juce::Label> widthLabel;
    std::unique_ptr<Knob> widthKnob;
    std::unique_ptr<Toggle> syncToggle;
    std::unique_ptr<Toggle> stereoToggle;
    std::unique_ptr<Toggle> reverseToggle;
    std::unique_ptr<Toggle> crossoverShiftToggle;

private:
    std::unique_ptr<Toggle> makeToggle (const juce::String& text)
    {
        auto toggle = std::make_unique<Toggle> (processor);
        toggle->button->setButtonText (text);
        addAndMakeVisible (*toggle);
        return toggle;
    }

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WhirlaneSetting)
};
} // namespace Tavori::Lumiker::Panel::Settings
