#pragma once

namespace Tavori::Lumiker::Panel
{
// The 530 x 30 bar across the top of the editor: logo (about box), hamburger menu, preset
// browser, A/B page and gear. Its updateUI, run by the editor's timer, carries out the
// refreshes the processor asks for through its flags.
template <typename Processor, typename Editor>
class Top : public juce::Component
{
public:
    Top (Processor& p, Editor& e, PanelConfig panelConfig) : processor (p), editor (e), config (panelConfig)
    {
        setComponentID ("TOP");

        logoButton = std::make_unique<Tavori::Button::Logo>();
        logoButton->onClick = [this] { Tavori::Lumiker::About::Box<Editor> (editor, config.showFftCredit); };
        addAndMakeVisible (*logoButton);

        presetMenu = std::make_unique<Menu::Preset<Processor, Editor>> (processor, editor, config.width, config.height);
        addAndMakeVisible (*presetMenu);

        presetList = std::make_unique<List::Preset<Processor, Editor>> (processor, editor);
        addAndMakeVisible (*presetList);

        page = std::make_unique<Tavori::Page<Processor>> (processor);
        addAndMakeVisible (*page);
        for (int channel = 0; channel < 2; ++channel)
        {
            auto& button = *page->buttons[channel];
            // The radio group also "clicks" the button it turns off; only the one turned on switches.
            button.onClick = [this, channel, &button]
            {
                if (button.getToggleState())
                    setPage (channel, true);
            };
        }

        gearButton = std::make_unique<Tavori::Button::Gear>();
        addChildComponent (*gearButton);
        gearButton->setVisible (config.showGear);
    }

    ~Top() override
    {
        gearButton.reset();
        page.reset();
        presetList.reset();
        presetMenu.reset();
        logoButton.reset();
    }

    void paint (juce::Graphics& g) override { g.fillAll (Tavori::Colours::panel); }

    void resized() override
    {
        auto area = getLocalBounds();
        logoButton->setBounds (area.removeFromLeft (30));
        area.removeFromLeft (5 + 60 + 5);
        const auto menuSlot = area.removeFromLeft (30);
        presetMenu->setBounds (menuSlot.reduced (4));

        gearButton->setBounds (getLocalBounds().removeFromRight (30));
        page->setBounds (getLocalBounds().removeFromRight (127));

        const int width = juce::jmin (area.getWidth(), page->getX() - presetMenu->getRight());
        presetList->setBounds (area.withWidth (juce::jmax (0, width)));
    }

    void updateUI()
    {
        // Each flag is cleared before its work, so a request that lands meanwhile is kept.
        if (processor.programChanged.exchange (false))
        {
            const auto& program = processor.activeProgram();
            presetList->setSelectedPreset (program.livePresetPath());
            page->copyButton->setToggleState (program.activeChannel != 0, juce::dontSendNotification);
        }

        if (processor.needsCompare.exchange (false))
            presetList->comparePreset();
    }

    // Makes a channel of the current program live (when notify) and shows its preset; the
    // copy arrow then points from the live channel to the other one.
    void setPage (int channel, bool notify)
    {
        if (notify)
            processor.switchChannel (channel);

        const auto& program = processor.activeProgram();
        presetList->setSelectedPreset (program.presetPath[juce::jlimit (0, 1, channel)]);
        page->copyButton->setToggleState (channel != 0, juce::dontSendNotification);
    }

    Processor& processor;
    Editor& editor;
    PanelConfig config;
    std::unique_ptr<Tavori::Button::Logo> logoButton;
    std::unique_ptr<Menu::Preset<Processor, Editor>> presetMenu;
    std::unique_ptr<List::Preset<Processor, Editor>> presetList;
    std::unique_ptr<Tavori::Page<Processor>> page;
    std::unique_ptr<Tavori::Button::Gear> gearButton;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Top)
};
} // namespace Tavori::Lumiker::Panel
