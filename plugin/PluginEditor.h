#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <Tavori_gui/Tavori_gui.h>
#include <Tavori_lumiker/Tavori_lumiker.h>

#include "plugin/EffectContainer.h"
#include "plugin/PluginProcessor.h"
#include "plugin/PluginSettings.h"
#include "widgets/Tavori4StateButton3PDTShadow.h"
#include "widgets/TavoriModDelaySyncVerticalSlider.h"
#include "widgets/TavoriVerticalSlider.h"

// The plug-in window: the artwork with its eight faders and the on/bypass switch. Controls
// write host parameters; a 24 Hz timer copies the parameters back whenever the processor
// says they changed. Everything scales by transforms from the 530 x 650 base size.
class LumikerWhirlaneAudioProcessorEditor : public juce::AudioProcessorEditor,
                                            public juce::Timer,
                                            public juce::ActionListener
{
public:
    // Value bubbles open above their fader.
    class LNFTopPopup : public Tavori::LookAndFeel
    {
    public:
        int getSliderPopupPlacement (juce::Slider&) override;
    };

    // The faders live on the half-scale artwork, so their bubble text is twice the size.
    class PopupDisplayFont2xLaf : public Tavori::LookAndFeel
    {
    public:
        juce::Font getSliderPopupFont (juce::Slider&) override;
        int getSliderPopupPlacement (juce::Slider&) override;
    };

    using SettingsStrip = Tavori::Lumiker::Panel::Settings::WhirlaneSetting<LumikerWhirlaneAudioProcessor,
                                                                            LumikerWhirlaneAudioProcessorEditor>;

    explicit LumikerWhirlaneAudioProcessorEditor (LumikerWhirlaneAudioProcessor& owner);
    ~LumikerWhirlaneAudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void timerCallback() override;
    void actionListenerCallback (const juce::String&) override {}

    // The settings file: default window size and whether the factory presets were installed.
    void readInternalSetting();
    void writeInternalSetting();
    void restoreDefaultPreset (bool force);
    void createPresetFolder();

    // The gear button: flips the processor's viewState and shows or hides the settings strip.
    void toggleSettingsStrip();

    LNFTopPopup lnfTopPopup;
    PopupDisplayFont2xLaf popupDisplayFont2xLaf;
    LumikerWhirlaneAudioProcessor& processor;
    PluginSettings settings;
    bool firstLayout = true;

    std::unique_ptr<EffectContainer> effectContainer_;
    std::unique_ptr<Tavori4StateButton3PDTShadow> onSwitch_;
    std::unique_ptr<TavoriVerticalSlider> rateKnob_;
    std::unique_ptr<TavoriModDelaySyncVerticalSlider> rateSyncKnob_;
    std::unique_ptr<TavoriVerticalSlider> depthKnob_;
    std::unique_ptr<TavoriVerticalSlider> distanceKnob_;
    std::unique_ptr<TavoriVerticalSlider> intensityKnob_;
    std::unique_ptr<TavoriVerticalSlider> crossoverFreqKnob_;
    std::unique_ptr<TavoriVerticalSlider> mixKnob_;
    std::unique_ptr<TavoriVerticalSlider> levelKnob_;
    std::unique_ptr<Tavori::Lumiker::Panel::Top<LumikerWhirlaneAudioProcessor, LumikerWhirlaneAudioProcessorEditor>> topPanel;
    std::unique_ptr<SettingsStrip> settingsPanel;

private:
    void createSwitch();
    void createFaders();
    void createTopPanel();
    void setUpFader (TavoriVerticalSlider& fader, const juce::Image& handle, double value, double doubleClickValue);
    void bindFloatFader (TavoriVerticalSlider& fader, juce::AudioParameterFloat& parameter);
    void createSettingsStrip();
    void bindSettingsStrip();
    void refreshSettingsStrip();
    void layOutControls();
    void refreshControls();
    void showRateFader();
    double syncFaderValue() const;
    juce::Rectangle<int> initialSize() const;
    static void dismissModalComponent();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LumikerWhirlaneAudioProcessorEditor)
};
