#include "plugin/PluginEditor.h"

#include <LumikerWhirlaneImages.h>

#include "plugin/EditorLayout.h"

namespace
{
// Decoded for each editor, not through JUCE's image cache: the cache runs a timer that would
// still be going when the host unloads the plug-in from a thread of its own.
juce::Image decodeImage (const char* data, int size)
{
    return juce::ImageFileFormat::loadFrom (data, (size_t) size);
}

bool isOn (const juce::AudioParameterBool& parameter)
{
    return parameter.get();
}

constexpr double defaultFaderValue = 0.5;
// Index 3 ("1/1") of the 19 divisions, the parameter's default, in single precision.
constexpr double defaultSyncFaderValue = (double) (1.0f / 6.0f);
constexpr int bubbleHoverTimeoutMs = 2000;
constexpr int refreshRateHz = 24;
} // namespace

int LumikerWhirlaneAudioProcessorEditor::LNFTopPopup::getSliderPopupPlacement (juce::Slider&)
{
    return juce::BubbleComponent::above;
}

juce::Font LumikerWhirlaneAudioProcessorEditor::PopupDisplayFont2xLaf::getSliderPopupFont (juce::Slider&)
{
    return juce::Font (Tavori::Fonts::OpenSansSemiBold).withHeight (28.0f).withExtraKerningFactor (0.05f);
}

int LumikerWhirlaneAudioProcessorEditor::PopupDisplayFont2xLaf::getSliderPopupPlacement (juce::Slider&)
{
    return juce::BubbleComponent::above;
}

LumikerWhirlaneAudioProcessorEditor::LumikerWhirlaneAudioProcessorEditor (LumikerWhirlaneAudioProcessor& owner)
    : juce::AudioProcessorEditor (owner), processor (owner)
{
    juce::LookAndFeel::setDefaultLookAndFeel (&lnfTopPopup);
    setLookAndFeel (&lnfTopPopup);

    readInternalSetting();
    restoreDefaultPreset (false);

    effectContainer_ = std::make_unique<EffectContainer> ("effectContainer_",
        decodeImage (LumikerWhirlaneImages::background_png, LumikerWhirlaneImages::background_pngSize));
    addAndMakeVisible (*effectContainer_);
    createSwitch();
    createFaders();
    createTopPanel();
    createSettingsStrip();

    // The first tick refreshes everything.
    processor.programChanged = true;
    processor.needsCompare = true;
    processor.parametersChanged = true;

    setResizable (true, true);
    getConstrainer()->setFixedAspectRatio (EditorSize::aspectRatio);
    firstLayout = true;
    const auto size = initialSize();
    setSize (size.getWidth(), size.getHeight());
    setResizeLimits (EditorSize::minWidth, EditorSize::minHeight, EditorSize::maxWidth, EditorSize::maxHeight);

    timerCallback();
    startTimerHz (refreshRateHz);
}

LumikerWhirlaneAudioProcessorEditor::~LumikerWhirlaneAudioProcessorEditor()
{
    writeInternalSetting();
    stopTimer();
    setLookAndFeel (nullptr);
    dismissModalComponent();

    settingsPanel.reset();

    for (TavoriVerticalSlider* fader : { rateKnob_.get(), static_cast<TavoriVerticalSlider*> (rateSyncKnob_.get()),
                                         depthKnob_.get(), distanceKnob_.get(), intensityKnob_.get(),
                                         crossoverFreqKnob_.get(), mixKnob_.get(), levelKnob_.get() })
        fader->setLookAndFeel (nullptr);

    topPanel.reset();
    levelKnob_.reset();
    mixKnob_.reset();
    crossoverFreqKnob_.reset();
    intensityKnob_.reset();
    distanceKnob_.reset();
    depthKnob_.reset();
    rateSyncKnob_.reset();
    rateKnob_.reset();
    onSwitch_.reset();
    effectContainer_.reset();

    // Another instance's editor may have installed its own default since.
    if (&juce::LookAndFeel::getDefaultLookAndFeel() == &lnfTopPopup)
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

void LumikerWhirlaneAudioProcessorEditor::createSwitch()
{
    onSwitch_ = std::make_unique<Tavori4StateButton3PDTShadow> ("onSwitch_");
    effectContainer_->addAndMakeVisible (*onSwitch_);
    onSwitch_->setImage (decodeImage (LumikerWhirlaneImages::bypass_png, LumikerWhirlaneImages::bypass_pngSize));
    onSwitch_->setToggleState (isOn (*processor.onBypass), juce::dontSendNotification);
    onSwitch_->setHitAreaRect (Bitmap::Switch::hitWidth, Bitmap::Switch::hitHeight);
    onSwitch_->onClick = [this] { *processor.onBypass = onSwitch_->getToggleState(); };
}

void LumikerWhirlaneAudioProcessorEditor::createFaders()
{
    const auto handle = decodeImage (LumikerWhirlaneImages::slider_png, LumikerWhirlaneImages::slider_pngSize);

    const auto addFader = [&] (std::unique_ptr<TavoriVerticalSlider>& fader, const char* name,
                               juce::AudioParameterFloat& parameter)
    {
        fader = std::make_unique<TavoriVerticalSlider> (name);
        effectContainer_->addAndMakeVisible (*fader);
        setUpFader (*fader, handle, parameter.get(), defaultFaderValue);
        bindFloatFader (*fader, parameter);
    };
    addFader (rateKnob_, "rateKnob_", *processor.rate);

    rateSyncKnob_ = std::make_unique<TavoriModDelaySyncVerticalSlider> ("rateSyncKnob_");
    effectContainer_->addChildComponent (*rateSyncKnob_);
    setUpFader (*rateSyncKnob_, handle, syncFaderValue(), defaultSyncFaderValue);
    rateSyncKnob_->onValueChange = [this] { *processor.rateSync = juce::roundToInt (rateSyncKnob_->getValue() * 18.0); };
    showRateFader();

    addFader (depthKnob_, "depthKnob_", *processor.depth);
    addFader (distanceKnob_, "distanceKnob_", *processor.distance);
    addFader (intensityKnob_, "intensityKnob_", *processor.intensity);
    addFader (crossoverFreqKnob_, "crossoverFreqKnob_", *processor.crossoverFreq);
    addFader (mixKnob_, "mixKnob_", *processor.mix);
    addFader (levelKnob_, "levelKnob_", *processor.level);
}

void LumikerWhirlaneAudioProcessorEditor::createTopPanel()
{
    const Tavori::Lumiker::Panel::PanelConfig config { true, false, EditorSize::baseWidth, EditorSize::baseHeight };
    topPanel = std::make_unique<Tavori::Lumiker::Panel::Top<LumikerWhirlaneAudioProcessor, LumikerWhirlaneAudioProcessorEditor>> (
        processor, *this, config);
    addAndMakeVisible (*topPanel);
    topPanel->gearButton->onClick = [this] { toggleSettingsStrip(); };
}

void LumikerWhirlaneAudioProcessorEditor::setUpFader (TavoriVerticalSlider& fader, const juce::Image& handle, double value,
                                                      double doubleClickValue)
{
    fader.setHandleImage (handle);
    fader.setValue (value, juce::dontSendNotification);
    fader.setDoubleClickReturnValue (true, doubleClickValue, juce::ModifierKeys::altModifier);
    fader.setLookAndFeel (&popupDisplayFont2xLaf);
    fader.setPopupDisplayEnabled (true, true, effectContainer_.get(), bubbleHoverTimeoutMs);
    fader.setScrollWheelEnabled (true);
}

void LumikerWhirlaneAudioProcessorEditor::bindFloatFader (TavoriVerticalSlider& fader, juce::AudioParameterFloat& parameter)
{
    // The bubble reads as the host shows the parameter: its text, then its unit.
    juce::AudioProcessorParameter& shown = parameter;
    fader.textFromValueFunction = [&shown] (double v) { return shown.getText ((float) v, 0) + shown.getLabel(); };
    fader.onValueChange = [&fader, &parameter] { parameter = (float) fader.getValue(); };
}

void LumikerWhirlaneAudioProcessorEditor::createSettingsStrip()
{
    settingsPanel = std::make_unique<SettingsStrip> (processor, *this);
    addChildComponent (*settingsPanel);
    settingsPanel->setVisible (processor.viewState);
    refreshSettingsStrip();
    bindSettingsStrip();
}

void LumikerWhirlaneAudioProcessorEditor::bindSettingsStrip()
{
    const auto bindToggle = [] (SettingsStrip::Toggle& toggle, juce::AudioParameterBool& parameter)
    {
        auto& button = *toggle.button;
        button.onClick = [&button, &parameter] { parameter = button.getToggleState(); };
    };
    bindToggle (*settingsPanel->syncToggle, *processor.syncOn);
    bindToggle (*settingsPanel->stereoToggle, *processor.stereoOn);
    bindToggle (*settingsPanel->reverseToggle, *processor.reverseOn);
    bindToggle (*settingsPanel->crossoverShiftToggle, *processor.crossoverShiftOn);

    auto& knob = *settingsPanel->widthKnob;
    knob.onValueChange = [&knob, this] { *processor.width = (float) knob.getValue(); };
}

void LumikerWhirlaneAudioProcessorEditor::refreshSettingsStrip()
{
    const auto quietly = juce::dontSendNotification;
    settingsPanel->syncToggle->button->setToggleState (isOn (*processor.syncOn), quietly);
    settingsPanel->stereoToggle->button->setToggleState (isOn (*processor.stereoOn), quietly);
    settingsPanel->reverseToggle->button->setToggleState (isOn (*processor.reverseOn), quietly);
    settingsPanel->crossoverShiftToggle->button->setToggleState (isOn (*processor.crossoverShiftOn), quietly);
    settingsPanel->widthKnob->setValue (processor.width->get(), quietly);
}

void LumikerWhirlaneAudioProcessorEditor::toggleSettingsStrip()
{
    processor.viewState = ! processor.viewState;
    settingsPanel->setVisible (processor.viewState);
}

double LumikerWhirlaneAudioProcessorEditor::syncFaderValue() const
{
    return juce::roundToInt ((float) processor.rateSync->getIndex()) / 18.0;
}

void LumikerWhirlaneAudioProcessorEditor::showRateFader()
{
    const auto synced = isOn (*processor.syncOn);
    rateKnob_->setVisible (! synced);
    rateSyncKnob_->setVisible (synced);
}

juce::Rectangle<int> LumikerWhirlaneAudioProcessorEditor::initialSize() const
{
    const float scale = processor.uiScale;
    if (scale >= 0.5f)
        return { (int) ((float) settings.defaultWidth * scale), (int) ((float) settings.defaultHeight * scale) };
    return { settings.defaultWidth, settings.defaultHeight };
}

void LumikerWhirlaneAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
}

void LumikerWhirlaneAudioProcessorEditor::resized()
{
    if (firstLayout)
    {
        layOutControls();
        firstLayout = false;
    }

    const auto scale = (float) getWidth() / (float) EditorSize::baseWidth;
    processor.uiScale = scale;
    effectContainer_->setTransform (juce::AffineTransform::scale (0.5f * scale));
    topPanel->setBounds (EditorSize::topBar);
    topPanel->setTransform (juce::AffineTransform::scale (scale));
    settingsPanel->setBounds (EditorSize::settingsStrip);
    settingsPanel->setTransform (juce::AffineTransform::scale (scale));

    topPanel->toFront (true);

    // A menu left open would stay at the old size.
    dismissModalComponent();
}

void LumikerWhirlaneAudioProcessorEditor::layOutControls()
{
    effectContainer_->setBounds (Bitmap::bounds);
    onSwitch_->setBounds (Bitmap::Switch::bounds);
    rateKnob_->setBounds (Bitmap::Knob::bounds[0]);
    rateSyncKnob_->setBounds (Bitmap::Knob::bounds[0]);
    depthKnob_->setBounds (Bitmap::Knob::bounds[1]);
    distanceKnob_->setBounds (Bitmap::Knob::bounds[2]);
    intensityKnob_->setBounds (Bitmap::Knob::bounds[3]);
    crossoverFreqKnob_->setBounds (Bitmap::Knob::bounds[4]);
    mixKnob_->setBounds (Bitmap::Knob::bounds[5]);
    levelKnob_->setBounds (Bitmap::Knob::bounds[6]);
}

void LumikerWhirlaneAudioProcessorEditor::timerCallback()
{
    // Cleared before reading, so a change that lands meanwhile is shown on the next tick.
    if (processor.parametersChanged.exchange (false))
        refreshControls();
    topPanel->updateUI();
}

void LumikerWhirlaneAudioProcessorEditor::refreshControls()
{
    const auto quietly = juce::dontSendNotification;
    onSwitch_->setToggleState (isOn (*processor.onBypass), quietly);
    rateKnob_->setValue (processor.rate->get(), quietly);
    rateSyncKnob_->setValue (syncFaderValue(), quietly);
    showRateFader();
    depthKnob_->setValue (processor.depth->get(), quietly);
    distanceKnob_->setValue (processor.distance->get(), quietly);
    intensityKnob_->setValue (processor.intensity->get(), quietly);
    crossoverFreqKnob_->setValue (processor.crossoverFreq->get(), quietly);
    mixKnob_->setValue (processor.mix->get(), quietly);
    levelKnob_->setValue (processor.level->get(), quietly);
    refreshSettingsStrip();
}

void LumikerWhirlaneAudioProcessorEditor::dismissModalComponent()
{
    if (auto* modal = juce::Component::getCurrentlyModalComponent())
        modal->exitModalState (0);
}

void LumikerWhirlaneAudioProcessorEditor::readInternalSetting()
{
    settings.read();
}

void LumikerWhirlaneAudioProcessorEditor::writeInternalSetting()
{
    settings.write();
}

void LumikerWhirlaneAudioProcessorEditor::restoreDefaultPreset (bool force)
{
    settings.restoreDefaultPreset (force);
}

void LumikerWhirlaneAudioProcessorEditor::createPresetFolder()
{
    PluginSettings::createPresetFolder();
}
