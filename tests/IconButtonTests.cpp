#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"

namespace
{
using Images = std::array<juce::Drawable*, 3>;

// The normal, over and down images the button shows in its current toggle state.
Images imagesOf (const juce::DrawableButton& button)
{
    return { button.getNormalImage(), button.getOverImage(), button.getDownImage() };
}

struct IconCase
{
    const char* name;
    std::function<std::unique_ptr<juce::DrawableButton>()> make;
    juce::Rectangle<float> bounds; // of the normal image's artwork; every state has its size
};

template <typename ButtonType>
std::unique_ptr<juce::DrawableButton> make()
{
    return std::make_unique<ButtonType>();
}

const IconCase iconCases[] = {
    { "Logo", make<Tavori::Button::Logo>, { 0.0f, 0.0f, 30.0f, 30.0f } },
    { "Hamburger", make<Tavori::Button::Hamburger>, { 0.005f, 0.0f, 19.99f, 20.0f } },
    { "Prev", make<Tavori::Button::Prev>, { 0.971f, 0.0f, 10.058f, 14.0f } },
    { "Next", make<Tavori::Button::Next>, { 0.971f, 0.0f, 10.058f, 14.0f } },
    { "Copy", make<Tavori::Button::Copy>, { 0.971f, 0.0f, 10.058f, 14.0f } },
    { "Gear", make<Tavori::Button::Gear>, { 0.0f, 0.0f, 30.0f, 30.0f } },
};

const IconCase& iconCase (const char* name)
{
    for (const auto& c : iconCases)
        if (juce::String (c.name) == name)
            return c;
    jassertfalse;
    return iconCases[0];
}

// Alpha mass of the left and right halves of an image.
std::pair<double, double> leftAndRightArea (const juce::Image& image)
{
    const auto middle = (float) image.getWidth() / 2.0f;
    return { ToolkitTest::coveredArea (image, [=] (float x, float) { return x < middle; }),
             ToolkitTest::coveredArea (image, [=] (float x, float) { return x > middle; }) };
}
} // namespace

TEST (TavoriIconButtons, EveryStateHasItsOwnImage)
{
    for (const auto& c : iconCases)
    {
        SCOPED_TRACE (c.name);
        const auto button = c.make();
        EXPECT_EQ (button->getStyle(), juce::DrawableButton::ImageFitted);

        const auto off = imagesOf (*button);
        button->setToggleState (true, juce::dontSendNotification);
        const auto on = imagesOf (*button);

        for (size_t i = 0; i < off.size(); ++i)
        {
            ASSERT_NE (off[i], nullptr);
            ASSERT_NE (on[i], nullptr);
            // Not a fallback to the normal image, nor the off image reused.
            EXPECT_TRUE (i == 0 || off[i] != off[0]);
            EXPECT_TRUE (i == 0 || on[i] != on[0]);
            EXPECT_NE (on[i], off[i]);
        }

        const auto normal = off[0]->getDrawableBounds();
        EXPECT_NEAR (normal.getX(), c.bounds.getX(), 0.01f);
        EXPECT_NEAR (normal.getY(), c.bounds.getY(), 0.01f);

        // The button fits each image's bounds into itself: a state with other bounds would jump.
        for (auto* image : { off[0], off[1], off[2], on[0], on[1], on[2] })
        {
            EXPECT_NEAR (image->getDrawableBounds().getWidth(), c.bounds.getWidth(), 0.01f);
            EXPECT_NEAR (image->getDrawableBounds().getHeight(), c.bounds.getHeight(), 0.01f);
        }
    }
}

TEST (TavoriIconButtons, GreyWhiteAndFaintGreyByMouseState)
{
    const auto grey = Tavori::Colours::graniteGray;
    const juce::Colour expected[] = { grey, juce::Colours::white, grey.withAlpha (0.4f) };

    for (const auto& c : iconCases)
    {
        if (juce::String (c.name) == "Logo")
            continue;

        SCOPED_TRACE (c.name);
        const auto button = c.make();
        for (const bool toggled : { false, true })
        {
            button->setToggleState (toggled, juce::dontSendNotification);
            const auto images = imagesOf (*button);
            for (size_t i = 0; i < images.size(); ++i)
            {
                SCOPED_TRACE (juce::String ("image ") + juce::String ((int) i) + (toggled ? " on" : " off"));
                const auto image = ToolkitTest::renderDrawable (*images[i], 60);
                EXPECT_TRUE (ToolkitTest::coloursMatch (ToolkitTest::mostOpaquePixel (image), expected[i]));
            }
        }
    }
}

TEST (TavoriIconButtons, LogoOutlinedThenWarmThenShrunkInGrey)
{
    const auto button = iconCase ("Logo").make();
    const auto images = imagesOf (*button);
    const auto normal = ToolkitTest::renderDrawable (*images[0], 60);
    const auto over = ToolkitTest::renderDrawable (*images[1], 60);
    const auto down = ToolkitTest::renderDrawable (*images[2], 60);

    const auto isWarm = [] (juce::Colour c) { return c.getRed() > 160 && c.getGreen() < 90 && c.getBlue() < 50; };
    const auto isGrey = [] (juce::Colour c) { return c.getRed() == c.getGreen() && c.getGreen() == c.getBlue(); };

    // Inside each blade: empty in the outline, filled in the other two.
    for (const auto blade : { juce::Point<float> (16.5f, 7.6f), { 20.6f, 19.9f }, { 7.9f, 17.3f } })
    {
        SCOPED_TRACE (blade.toString());
        const auto p = (blade * 2.0f).toInt();
        EXPECT_EQ (normal.getPixelAt (p.x, p.y).getAlpha(), 0);
        EXPECT_EQ (over.getPixelAt (p.x, p.y).getAlpha(), 255);
        EXPECT_EQ (down.getPixelAt (p.x, p.y).getAlpha(), 255);
    }
    EXPECT_TRUE (ToolkitTest::coloursMatch (ToolkitTest::mostOpaquePixel (normal), Tavori::Colours::graniteGray));

    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
        {
            const auto o = over.getPixelAt (x, y);
            const auto d = down.getPixelAt (x, y);
            if (o.getAlpha() == 255)
            {
                EXPECT_TRUE (isWarm (o)) << o.toString();
            }
            if (d.getAlpha() == 255)
            {
                EXPECT_TRUE (isGrey (d)) << d.toString();
            }
        }

    // Pressed, the facets shrink by 12 % towards the centre: 77 % of the area.
    EXPECT_NEAR (ToolkitTest::coveredArea (down) / ToolkitTest::coveredArea (over), 0.88 * 0.88, 0.02);
    const auto overBounds = ToolkitTest::paintedBounds (over).toFloat();
    const auto downBounds = ToolkitTest::paintedBounds (down).toFloat();
    EXPECT_NEAR (downBounds.getCentreX(), overBounds.getCentreX(), 1.5f);
    EXPECT_NEAR (downBounds.getCentreY(), overBounds.getCentreY(), 1.5f);
}

TEST (TavoriIconButtons, ArrowDirections)
{
    const struct
    {
        const char* name;
        bool toggled;
        bool pointsLeft;
    } cases[] = {
        { "Prev", false, true },
        { "Prev", true, true },
        { "Next", false, false },
        { "Next", true, false },
        { "Copy", false, false },
        // Toggled on, the copy button shows the other direction.
        { "Copy", true, true },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (juce::String (c.name) + (c.toggled ? " on" : " off"));
        const auto button = iconCase (c.name).make();
        button->setToggleState (c.toggled, juce::dontSendNotification);
        for (auto* drawable : imagesOf (*button))
        {
            const auto [left, right] = leftAndRightArea (ToolkitTest::renderDrawable (*drawable, 28));
            // The tip is the lighter half.
            EXPECT_EQ (left > right, ! c.pointsLeft);
        }
    }
}

TEST (TavoriIconButtons, GearHasEightTeethAndTurnsHalfAToothUnderTheMouse)
{
    const auto button = iconCase ("Gear").make();
    const auto images = imagesOf (*button);

    // The artwork is 30 x 30, so drawn at 120 pixels one unit is four pixels.
    const auto covered = [] (const juce::Image& image, float radius, float degrees) {
        const auto angle = juce::degreesToRadians (degrees);
        return image.getPixelAt ((int) (4.0f * (15.0f + radius * std::sin (angle))),
                                 (int) (4.0f * (15.0f - radius * std::cos (angle)))).getAlpha() > 0;
    };

    const struct
    {
        const char* state;
        juce::Drawable* drawable;
        float firstTooth;
    } cases[] = { { "normal", images[0], 0.0f }, { "over", images[1], 22.5f }, { "down", images[2], 0.0f } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.state);
        const auto image = ToolkitTest::renderDrawable (*c.drawable, 120);
        for (int k = 0; k < 8; ++k)
        {
            SCOPED_TRACE (k);
            const auto tooth = c.firstTooth + 45.0f * (float) k;
            EXPECT_TRUE (covered (image, 10.0f, tooth));
            EXPECT_FALSE (covered (image, 10.0f, tooth + 22.5f));
            EXPECT_TRUE (covered (image, 6.0f, tooth));
            EXPECT_FALSE (covered (image, 2.0f, tooth));
        }
    }
}

TEST (TavoriIconButtons, ToggledButtonPaintsNoBackground)
{
    Tavori::LookAndFeel lf;
    Tavori::Button::Copy button;
    const ToolkitTest::ScopedLookAndFeel uses (button, lf);
    button.setBounds (0, 0, 40, 40);
    button.setToggleState (true, juce::dontSendNotification);

    const auto image = ToolkitTest::snapshot (button);
    EXPECT_EQ (image.getPixelAt (1, 1).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (38, 38).getAlpha(), 0);
    EXPECT_GT (ToolkitTest::coveredArea (image), 100.0);
}
