#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"

namespace
{
using juce::MathConstants;

// Distance of a pixel centre from the knob's centre.
struct Polar
{
    juce::Point<float> centre;

    float distance (float x, float y) const { return centre.getDistanceFrom ({ x, y }); }

    // Clockwise from twelve o'clock, in 0 ... 2 pi.
    float angle (float x, float y) const
    {
        const auto a = std::atan2 (x - centre.x, centre.y - y);
        return a < 0.0f ? a + MathConstants<float>::twoPi : a;
    }

    juce::Point<int> pixelAt (float radius, float angle) const
    {
        return { (int) std::floor (centre.x + radius * std::sin (angle)), (int) std::floor (centre.y - radius * std::cos (angle)) };
    }
};

// A knob of the given size at the given value, as it paints with the mouse away.
juce::Image knobSnapshot (double value, int width = 60, int height = 60)
{
    Tavori::Knob knob;
    knob.setSize (width, height);
    knob.setValue (value, juce::dontSendNotification);
    return ToolkitTest::snapshot (knob);
}

const Polar knobCentre { { 30.0f, 30.0f } };

float pointerAngle (Tavori::Knob& knob)
{
    const auto rotary = knob.getRotaryParameters();
    const auto proportion = (float) knob.valueToProportionOfLength (knob.getValue());
    return std::fmod (rotary.startAngleRadians + proportion * (rotary.endAngleRadians - rotary.startAngleRadians),
                      MathConstants<float>::twoPi);
}

// The disc's colour half-way out, on the side away from the pointer.
juce::Colour discColour (Tavori::Knob& knob)
{
    const auto image = ToolkitTest::snapshot (knob);
    const Polar polar { knob.getLocalBounds().toFloat().getCentre() };
    const auto p = polar.pixelAt (12.0f, pointerAngle (knob) + MathConstants<float>::pi);
    return image.getPixelAt (p.x, p.y);
}

juce::MouseEvent mouseEvent (juce::Component& component, juce::Point<float> position, bool dragged)
{
    const auto now = juce::Time::getCurrentTime();
    const auto downAt = component.getLocalBounds().toFloat().getCentre();
    return { juce::Desktop::getInstance().getMainMouseSource(), position, juce::ModifierKeys::leftButtonModifier,
             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
             juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
             juce::MouseInputSource::defaultTiltY, &component, &component, now, downAt, now, 1, dragged };
}

void press (Tavori::Knob& knob)
{
    knob.mouseDown (mouseEvent (knob, knob.getLocalBounds().toFloat().getCentre(), false));
}

void dragBy (Tavori::Knob& knob, float dx, float dy)
{
    knob.mouseDrag (mouseEvent (knob, knob.getLocalBounds().toFloat().getCentre().translated (dx, dy), true));
}

void release (Tavori::Knob& knob)
{
    knob.mouseUp (mouseEvent (knob, knob.getLocalBounds().toFloat().getCentre(), true));
}
} // namespace

TEST (TavoriKnob, BodyAndRingRadiiFromTheIntegerHalfSize)
{
    const struct
    {
        int width, height;
        juce::Point<float> centre;
        float body, ring;
    } cases[] = {
        { 60, 60, { 30.0f, 30.0f }, 24.0f, 28.0f },
        { 61, 60, { 30.5f, 30.0f }, 24.0f, 28.0f },
        { 61, 61, { 30.5f, 30.5f }, 24.0f, 28.0f },
        { 80, 60, { 40.0f, 30.0f }, 24.0f, 28.0f },
        { 60, 101, { 30.0f, 50.5f }, 24.0f, 28.0f },
        { 100, 100, { 50.0f, 50.0f }, 44.0f, 48.0f },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.width) + " x " + juce::String (c.height));
        // At the top of the range the ring is opaque, so coverage is area.
        const auto image = knobSnapshot (1.0, c.width, c.height);
        const Polar polar { c.centre };
        const auto between = 0.5f * (c.body + c.ring - 1.25f);

        const auto disc = ToolkitTest::coveredArea (image, [&] (float x, float y) { return polar.distance (x, y) < between; });
        // Curves are flattened slightly inside the true circle: allow 0.5 %, far less than
        // the 4 % a radius half a pixel off would make.
        const auto discArea = MathConstants<double>::pi * c.body * c.body;
        EXPECT_NEAR (disc, discArea, 0.005 * discArea);

        // Ten arcs of 22.8 degrees, 2.5 pixels wide.
        const auto ring = ToolkitTest::coveredArea (image, [&] (float x, float y) { return polar.distance (x, y) >= between; });
        EXPECT_NEAR (ring, 10.0 * 2.0 * 0.19896755 * c.ring * 2.5, 3.0);

        const auto outer = ToolkitTest::coveredArea (image, [&] (float x, float y) { return polar.distance (x, y) > c.ring + 2.0f; });
        EXPECT_EQ (outer, 0.0);
    }
}

TEST (TavoriKnob, RingBrightnessFollowsTheValue)
{
    const struct
    {
        double value;
        float alpha;
    } cases[] = { { 0.0, 0.333f }, { 0.25, 0.49975f }, { 0.5, 0.6665f }, { 1.0, 1.0f } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.value);
        const auto image = knobSnapshot (c.value);
        const auto ring = ToolkitTest::mostOpaquePixel (image, [] (float x, float y) { return knobCentre.distance (x, y) > 26.0f; });
        EXPECT_TRUE (ToolkitTest::coloursMatch (ring, Tavori::Colours::graniteGray.withAlpha (c.alpha)));
    }
}

TEST (TavoriKnob, PointerSweepsTheDefaultRotaryRange)
{
    // From 144 degrees left of twelve o'clock to 144 degrees right of it.
    const struct
    {
        double value;
        float degrees;
    } cases[] = { { 0.0, 216.0f }, { 0.25, 288.0f }, { 0.5, 0.0f }, { 0.75, 72.0f }, { 1.0, 144.0f } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.value);
        const auto image = knobSnapshot (c.value);

        // Centre of the dark pixels inside the disc.
        juce::Point<double> sum;
        double weight = 0.0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                if (knobCentre.distance ((float) x + 0.5f, (float) y + 0.5f) < 23.0f)
                {
                    const auto darkness = 1.0 - image.getPixelAt (x, y).getFloatRed() / Tavori::Colours::graniteGray.getFloatRed();
                    sum += juce::Point<double> (x + 0.5, y + 0.5) * darkness;
                    weight += darkness;
                }

        ASSERT_GT (weight, 20.0);
        const auto pointer = (sum / weight).toFloat();
        EXPECT_NEAR (knobCentre.distance (pointer.x, pointer.y), 11.5f, 1.0f);
        const auto error = std::remainder (knobCentre.angle (pointer.x, pointer.y) - juce::degreesToRadians (c.degrees),
                                           MathConstants<float>::twoPi);
        EXPECT_NEAR (error, 0.0f, 0.02f);
    }
}

TEST (TavoriKnob, DiscIsWhiteOnlyWhileDragging)
{
    const struct
    {
        const char* name;
        std::function<void (Tavori::Knob&)> gesture;
        juce::Colour disc;
    } cases[] = {
        { "untouched", [] (Tavori::Knob&) {}, Tavori::Colours::graniteGray },
        { "pressed", [] (Tavori::Knob& k) { press (k); }, Tavori::Colours::graniteGray },
        { "clicked without moving", [] (Tavori::Knob& k) { press (k); release (k); }, Tavori::Colours::graniteGray },
        { "dragging", [] (Tavori::Knob& k) { press (k); dragBy (k, 0.0f, -10.0f); }, juce::Colours::white },
        { "dragging outside the knob", [] (Tavori::Knob& k) { press (k); dragBy (k, 80.0f, -40.0f); }, juce::Colours::white },
        { "dragged and released", [] (Tavori::Knob& k) { press (k); dragBy (k, 0.0f, -10.0f); release (k); }, Tavori::Colours::graniteGray },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        Tavori::Knob knob;
        knob.setSize (60, 60);
        knob.setValue (0.5, juce::dontSendNotification);
        c.gesture (knob);
        EXPECT_EQ (discColour (knob), c.disc);
    }
}

TEST (TavoriKnob, FollowsVerticalMouseMovementOnly)
{
    // JUCE's default drag extent: 250 pixels for the whole range.
    const struct
    {
        float dx, dy;
        double value;
    } cases[] = { { 0.0f, -25.0f, 0.6 }, { 0.0f, 25.0f, 0.4 }, { 40.0f, 0.0f, 0.5 }, { -40.0f, -25.0f, 0.6 } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.dx) + ", " + juce::String (c.dy));
        Tavori::Knob knob;
        knob.setSize (60, 60);
        knob.setValue (0.5, juce::dontSendNotification);
        press (knob);
        dragBy (knob, c.dx, c.dy);
        release (knob);
        EXPECT_NEAR (knob.getValue(), c.value, 0.0015);
    }
}

TEST (TavoriKnobLookAndFeelLR, RingHalvesBrightenAwayFromTheCentre)
{
    const struct
    {
        double value;
        float left, right;
    } cases[] = {
        { 0.0, 1.0f, 0.333f },
        { 0.25, 0.6665f, 0.333f },
        { 0.5, 0.333f, 0.333f },
        { 0.75, 0.333f, 0.6665f },
        { 1.0, 0.333f, 1.0f },
    };

    Tavori::Knob::LookAndFeelLR lf;
    juce::Slider slider (juce::Slider::RotaryVerticalDrag, juce::Slider::NoTextBox);
    slider.setRange (0.0, 1.0);
    const auto rotary = slider.getRotaryParameters();

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.value);
        slider.setValue (c.value, juce::dontSendNotification);
        const auto image = ToolkitTest::render (60, 60, [&] (juce::Graphics& g) {
            lf.drawRotarySlider (g, 0, 0, 60, 60, (float) c.value, rotary.startAngleRadians, rotary.endAngleRadians, slider);
        });

        const auto ringSide = [&] (bool left) {
            return ToolkitTest::mostOpaquePixel (image, [&] (float x, float y) {
                return knobCentre.distance (x, y) > 26.0f && (left ? x < 30.0f : x > 30.0f);
            });
        };
        EXPECT_TRUE (ToolkitTest::coloursMatch (ringSide (true), Tavori::Colours::graniteGray.withAlpha (c.left)));
        EXPECT_TRUE (ToolkitTest::coloursMatch (ringSide (false), Tavori::Colours::graniteGray.withAlpha (c.right)));

        // Same disc as the standard look.
        EXPECT_EQ (image.getPixelAt (30, 30).getAlpha(), 255);
    }
}

TEST (TavoriKnobLookAndFeel, TextBoxTakesShortDecimalInput)
{
    Tavori::Knob::LookAndFeel lf;
    juce::Slider slider (juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxBelow);
    slider.setTextBoxStyle (juce::Slider::TextBoxBelow, false, 60, 20);
    slider.setBounds (0, 0, 60, 80);
    slider.setLookAndFeel (&lf);
    // The editor takes keyboard focus, which only a component on screen can have.
    slider.addToDesktop (0);
    slider.setVisible (true);

    juce::Label* box = nullptr;
    for (auto* child : slider.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            box = label;
    ASSERT_NE (box, nullptr);
    EXPECT_EQ (box->getJustificationType(), juce::Justification::centred);

    box->showEditor();
    auto* editor = box->getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->insertTextAtCaret ("12a34.-5678");
    EXPECT_EQ (editor->getText(), juce::String ("1234.-"));
    EXPECT_EQ (editor->getJustificationType(), juce::Justification::centred);

    box->hideEditor (true);
    slider.setLookAndFeel (nullptr);
}
