#pragma once

namespace Tavori
{
// A rotary control drawn as a flat disc with a black pointer inside a ring of ten
// short arcs whose brightness follows the value. It carries its own look-and-feel.
class Knob : public juce::Slider
{
public:
    class LookAndFeel : public Tavori::LookAndFeel
    {
    public:
        LookAndFeel() = default;
        ~LookAndFeel() override = default;

        void drawRotarySlider (juce::Graphics&, int x, int y, int width, int height, float sliderPos,
                               float rotaryStartAngle, float rotaryEndAngle, juce::Slider&) override;
        juce::Label* createSliderTextBox (juce::Slider&) override;

        // True while the user drags the knob: the disc stays bright until the drag ends.
        bool isDragging = false;

    protected:
        // Strokes the ring for the given slider value; centre-balanced looks split it.
        virtual void drawRing (juce::Graphics&, juce::Point<float> centre, float radius, float value);

        // Arcs first ... last of the ten, each one a sub-path of its own.
        static juce::Path createRingPath (juce::Point<float> centre, float radius, int firstArc, int lastArc);
        static void strokeRing (juce::Graphics&, const juce::Path& ring, float brightness);

    private:
        class SliderLabelComp;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LookAndFeel)
    };

    class LookAndFeelLR;

    Knob();
    ~Knob() override;

    void mouseDrag (const juce::MouseEvent&) override;

private:
    void setDragging (bool dragging);

    LookAndFeel lookAndFeel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Knob)
};
} // namespace Tavori
