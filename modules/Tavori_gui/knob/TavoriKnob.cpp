namespace Tavori
{
namespace
{
    constexpr int numRingArcs = 10;
    constexpr float ringArcHalfSpan = 0.19896755f;
} // namespace

// The value box, for sliders that show one: no mouse-wheel, short decimal input.
class Knob::LookAndFeel::SliderLabelComp : public juce::Label
{
public:
    SliderLabelComp() : juce::Label ({}, {}) {}

    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override {}

    std::unique_ptr<juce::AccessibilityHandler> createAccessibilityHandler() override
    {
        return createIgnoredAccessibilityHandler (*this);
    }

protected:
    void editorShown (juce::TextEditor* editor) override
    {
        juce::Label::editorShown (editor);
        editor->setJustification (getJustificationType());
        editor->setInputRestrictions (6, KeyboardInputFilter::decimal);
    }
};

void Knob::LookAndFeel::drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                                          float rotaryStartAngle, float rotaryEndAngle, juce::Slider& slider)
{
    const juce::Point<float> centre ((float) x + 0.5f * (float) width, (float) y + 0.5f * (float) height);
    const auto radius = (float) juce::jmax (0, juce::jmin (width / 2, height / 2) - 6);

    drawRing (g, centre, radius + 4.0f, (float) slider.getValue());

    g.setColour (isDragging || slider.isMouseOver (false) ? juce::Colours::white : Colours::graniteGray);
    g.fillEllipse (juce::Rectangle<float> (2.0f * radius, 2.0f * radius).withCentre (centre));

    juce::Path pointer;
    pointer.addRectangle (-1.25f, -radius, 2.5f, radius);
    const auto angle = rotaryStartAngle + sliderPos * (rotaryEndAngle - rotaryStartAngle);
    g.setColour (juce::Colours::black);
    g.fillPath (pointer, juce::AffineTransform::rotation (angle).translated (centre));
}

void Knob::LookAndFeel::drawRing (juce::Graphics& g, juce::Point<float> centre, float radius, float value)
{
    strokeRing (g, createRingPath (centre, radius, 0, numRingArcs - 1), value);
}

juce::Path Knob::LookAndFeel::createRingPath (juce::Point<float> centre, float radius, int firstArc, int lastArc)
{
    juce::Path ring;
    for (int arc = firstArc; arc <= lastArc; ++arc)
    {
        // Angles clockwise from twelve o'clock: -135, -105 ... 135 degrees.
        const auto middle = juce::degreesToRadians (-135.0f + 30.0f * (float) arc);
        ring.addCentredArc (centre.x, centre.y, radius, radius, 0.0f,
                            middle - ringArcHalfSpan, middle + ringArcHalfSpan, true);
    }
    return ring;
}

void Knob::LookAndFeel::strokeRing (juce::Graphics& g, const juce::Path& ring, float brightness)
{
    // From one third opacity at 0 to fully opaque at 1.
    g.setColour (Colours::graniteGray.withAlpha (0.333f + 0.667f * brightness));
    g.strokePath (ring, juce::PathStrokeType (2.5f));
}

juce::Label* Knob::LookAndFeel::createSliderTextBox (juce::Slider& slider)
{
    auto* label = new SliderLabelComp();
    label->setJustificationType (juce::Justification::centred);
    label->setKeyboardType (juce::TextInputTarget::decimalKeyboard);

    const auto text = slider.findColour (juce::Slider::textBoxTextColourId);
    const auto background = slider.findColour (juce::Slider::textBoxBackgroundColourId);
    const auto outline = slider.findColour (juce::Slider::textBoxOutlineColourId);
    label->setColour (juce::Label::textColourId, text);
    label->setColour (juce::Label::backgroundColourId, background);
    label->setColour (juce::Label::outlineColourId, outline);
    label->setColour (juce::TextEditor::textColourId, text);
    label->setColour (juce::TextEditor::backgroundColourId, background);
    label->setColour (juce::TextEditor::outlineColourId, outline);
    label->setColour (juce::TextEditor::highlightColourId, slider.findColour (juce::Slider::textBoxHighlightColourId));
    return label;
}

Knob::Knob()
{
    setSliderStyle (RotaryVerticalDrag);
    setTextBoxStyle (NoTextBox, true, 0, 0);
    setRange (0.0, 1.0, 0.001);
    setLookAndFeel (&lookAndFeel);
    onDragEnd = [this] { setDragging (false); };
}

Knob::~Knob()
{
    setLookAndFeel (nullptr);
}

void Knob::mouseDrag (const juce::MouseEvent& e)
{
    juce::Slider::mouseDrag (e);
    setDragging (true);
}

void Knob::setDragging (bool dragging)
{
    if (lookAndFeel.isDragging == dragging)
        return;

    lookAndFeel.isDragging = dragging;
    repaint();
}
} // namespace Tavori
