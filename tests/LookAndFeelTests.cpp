#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"

using ToolkitTest::render;

namespace
{
const juce::String openSans { "Open Sans" };
} // namespace

TEST (TavoriFonts, TypefacesAreTheEmbeddedFaces)
{
    struct Case
    {
        juce::Typeface::Ptr typeface;
        const char* data;
        int size;
        const char* style;
        int fileBytes;
    };
    const Case cases[] = {
        { Tavori::Fonts::OpenSansMedium, Tavori::Fonts::OpenSansMedium_ttf, Tavori::Fonts::OpenSansMedium_ttfSize, "Medium", 129948 },
        { Tavori::Fonts::OpenSansRegular, Tavori::Fonts::OpenSansRegular_ttf, Tavori::Fonts::OpenSansRegular_ttfSize, "Regular", 129796 },
        { Tavori::Fonts::OpenSansSemiBold, Tavori::Fonts::OpenSansSemiBold_ttf, Tavori::Fonts::OpenSansSemiBold_ttfSize, "SemiBold", 129716 },
        { Tavori::Fonts::OpenSansBold, Tavori::Fonts::OpenSansBold_ttf, Tavori::Fonts::OpenSansBold_ttfSize, "Bold", 129784 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.style);
        ASSERT_NE (c.typeface, nullptr);
        EXPECT_EQ (c.typeface->getName(), openSans);
        EXPECT_EQ (c.typeface->getStyle(), juce::String (c.style));
        EXPECT_EQ (c.size, c.fileBytes);
        // TrueType data starts with the sfnt version 1.0.
        EXPECT_EQ (juce::ByteOrder::bigEndianInt (c.data), 0x00010000u);
        EXPECT_GT (c.typeface->getStringWidth ("Whirlane"), 0.0f);
    }
}

TEST (TavoriLookAndFeel, TextHooksUseTheEmbeddedFaces)
{
    Tavori::LookAndFeel lf;
    juce::ComboBox box;
    juce::Label label;
    juce::Slider slider;
    juce::TextButton tall, flat;
    tall.setSize (80, 40);
    flat.setSize (80, 10);

    struct Case
    {
        const char* hook;
        juce::Font font;
        const char* style;
        float height;
        float kerning;
    };
    const Case cases[] = {
        { "common", lf.getCommonFont(), "SemiBold", 14.0f, 0.05f },
        { "combo box", lf.getComboBoxFont (box), "SemiBold", 14.0f, 0.05f },
        { "popup menu", lf.getPopupMenuFont(), "SemiBold", 14.0f, 0.05f },
        { "label", lf.getLabelFont (label), "SemiBold", 14.0f, 0.05f },
        { "slider popup", lf.getSliderPopupFont (slider), "SemiBold", 14.0f, 0.05f },
        // The caption does not follow the button's height.
        { "tall text button", lf.getTextButtonFont (tall, tall.getHeight()), "Bold", 17.0f, 0.0f },
        { "flat text button", lf.getTextButtonFont (flat, flat.getHeight()), "Bold", 17.0f, 0.0f },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.hook);
        EXPECT_EQ (c.font.getTypefaceName(), openSans);
        EXPECT_EQ (c.font.getTypefaceStyle(), juce::String (c.style));
        EXPECT_FLOAT_EQ (c.font.getHeight(), c.height);
        EXPECT_FLOAT_EQ (c.font.getExtraKerningFactor(), c.kerning);
    }
}

TEST (TavoriLookAndFeel, PaletteReachesJuceColourIds)
{
    const Tavori::LookAndFeel lf;

    struct Case
    {
        const char* name;
        int colourId;
        juce::uint32 argb;
    };
    const Case written[] = {
        { "combo box background", juce::ComboBox::backgroundColourId, 0xff2a2a2a },
        { "combo box text", juce::ComboBox::textColourId, 0xffd2d1d1 },
        { "menu background", juce::PopupMenu::backgroundColourId, 0xff171717 },
        { "menu text", juce::PopupMenu::textColourId, 0xffa5a4a4 },
        { "menu highlight", juce::PopupMenu::highlightedBackgroundColourId, 0x1aa5a4a4 },
        { "toggled icon background", juce::DrawableButton::backgroundOnColourId, 0x00000000 },
        { "label text", juce::Label::textColourId, 0xffa5a4a4 },
        { "editing label", juce::Label::backgroundWhenEditingColourId, 0x1aa5a4a4 },
        { "editor focus outline", juce::TextEditor::focusedOutlineColourId, 0x00000000 },
        { "slider background", juce::Slider::backgroundColourId, 0x26a5a4a4 },
        { "slider track", juce::Slider::trackColourId, 0x80a5a4a4 },
        { "bubble background", juce::BubbleComponent::backgroundColourId, 0xff000000 },
        { "bubble outline", juce::BubbleComponent::outlineColourId, 0xff000000 },
        { "tooltip text", juce::TooltipWindow::textColourId, 0xffc3c2c2 },
        { "list background", juce::ListBox::backgroundColourId, 0xaa212121 },
    };
    for (const auto& c : written)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (lf.findColour (c.colourId).getARGB(), c.argb);
    }

    // Everything else keeps the dark scheme of JUCE's own look.
    const juce::LookAndFeel_V4 plain;
    for (const int untouched : { (int) juce::TextButton::textColourOnId, (int) juce::TextButton::buttonColourId,
                                 (int) juce::ComboBox::outlineColourId, (int) juce::PopupMenu::headerTextColourId,
                                 (int) juce::DrawableButton::backgroundColourId, (int) juce::ResizableWindow::backgroundColourId })
        EXPECT_EQ (lf.findColour (untouched), plain.findColour (untouched)) << std::hex << untouched;
}

TEST (TavoriLookAndFeel, NoDropShadowsAndValueBubblesAboveOrBelow)
{
    Tavori::LookAndFeel lf;
    juce::Component window;
    juce::Slider slider;

    EXPECT_EQ (lf.createDropShadowerForComponent (window), nullptr);
    EXPECT_EQ (lf.getSliderPopupPlacement (slider), juce::BubbleComponent::above | juce::BubbleComponent::below);
}

TEST (TavoriLookAndFeel, FlatFills)
{
    Tavori::LookAndFeel lf;
    juce::ComboBox plainBox, redBox;
    const ToolkitTest::ScopedLookAndFeel plainUses (plainBox, lf), redUses (redBox, lf);
    redBox.setColour (juce::ComboBox::backgroundColourId, juce::Colours::red);
    juce::TextButton button;

    struct Case
    {
        const char* name;
        std::function<void (juce::Graphics&)> paint;
        juce::Colour expected;
    };
    const Case cases[] = {
        // Square corners, no outline and no arrow: one colour from edge to edge.
        { "combo box", [&] (juce::Graphics& g) { lf.drawComboBox (g, 40, 20, false, 20, 0, 20, 20, plainBox); },
          juce::Colour (0xff2a2a2a) },
        { "combo box with its own colour", [&] (juce::Graphics& g) { lf.drawComboBox (g, 40, 20, true, 20, 0, 20, 20, redBox); },
          juce::Colours::red },
        { "menu background", [&] (juce::Graphics& g) { lf.drawPopupMenuBackground (g, 40, 20); },
          Tavori::Colours::menu },
        { "button background", [&] (juce::Graphics& g) { lf.drawButtonBackground (g, button, juce::Colours::red, true, true); },
          juce::Colours::transparentBlack },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto image = render (40, 20, c.paint);
        int wrong = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                wrong += image.getPixelAt (x, y).getARGB() != c.expected.getARGB() ? 1 : 0;
        EXPECT_EQ (wrong, 0);
    }
}

namespace
{
// A 10 x 10 blue square: a menu icon with a known footprint.
std::unique_ptr<juce::Drawable> squareIcon()
{
    auto icon = std::make_unique<juce::DrawablePath>();
    juce::Path square;
    square.addRectangle (0.0f, 0.0f, 10.0f, 10.0f);
    icon->setPath (square);
    icon->setFill (juce::Colours::blue);
    return icon;
}

struct MenuItem
{
    MenuItem& size (int w, int h) { width = w; height = h; return *this; }
    MenuItem& separator() { isSeparator = true; return *this; }
    MenuItem& inactive() { isActive = false; return *this; }
    MenuItem& highlighted (bool h = true) { isHighlighted = h; return *this; }
    MenuItem& ticked() { isTicked = true; return *this; }
    MenuItem& withText (const juce::String& t) { text = t; return *this; }
    MenuItem& withIcon (const juce::Drawable* d) { icon = d; return *this; }
    MenuItem& scaled (float s) { scale = s; return *this; }

    int width = 200;
    int height = 24;
    bool isSeparator = false;
    bool isActive = true;
    bool isHighlighted = false;
    bool isTicked = false;
    juce::String text;
    const juce::Drawable* icon = nullptr;
    float scale = 1.0f;
};

juce::Image renderItem (Tavori::LookAndFeel& lf, const MenuItem& item)
{
    return render (item.width, item.height, [&] (juce::Graphics& g) {
        lf.drawPopupMenuItem (g, { item.width, item.height }, item.isSeparator, item.isActive, item.isHighlighted,
                              item.isTicked, false, item.text, {}, item.icon, nullptr);
    }, item.scale);
}
} // namespace

TEST (TavoriPopupMenuItem, AnIconReplacesTheTick)
{
    Tavori::LookAndFeel lf;
    const auto icon = squareIcon();

    const auto iconAndTick = renderItem (lf, MenuItem().ticked().withIcon (icon.get()));
    const auto iconOnly = renderItem (lf, MenuItem().withIcon (icon.get()));
    const auto tickOnly = renderItem (lf, MenuItem().ticked());

    EXPECT_TRUE (ToolkitTest::sameImage (iconAndTick, iconOnly));
    EXPECT_GT (ToolkitTest::coveredArea (tickOnly), 5.0);
    EXPECT_EQ (iconAndTick.getPixelAt (10, 12), juce::Colours::blue);
}

TEST (TavoriPopupMenuItem, SideInsetIsAtMostFivePixels)
{
    Tavori::LookAndFeel lf;
    const auto icon = squareIcon();

    // The icon column starts after the 1-pixel border and the side inset; the
    // 10-pixel icon sits centred in a column as wide as the 14-pixel font.
    const struct
    {
        int width;
        int inset;
    } cases[] = { { 40, 2 }, { 60, 3 }, { 99, 4 }, { 100, 5 }, { 300, 5 } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.width);
        const auto image = renderItem (lf, MenuItem().size (c.width, 24).withIcon (icon.get()));
        EXPECT_EQ (ToolkitTest::paintedBounds (image), juce::Rectangle<int> (1 + c.inset + 2, 7, 10, 10));
    }
}

TEST (TavoriPopupMenuItem, TheChosenEntryGetsAPlaySymbol)
{
    Tavori::LookAndFeel lf;
    const auto image = renderItem (lf, MenuItem().ticked());
    const auto bounds = ToolkitTest::paintedBounds (image);

    // Centred at (0.75 x 14, 0.55 x 22) from the item's origin, radius 0.2 x 22.
    EXPECT_NEAR (bounds.toFloat().getCentreY(), 12.1f, 1.0f);
    EXPECT_NEAR ((float) bounds.getX(), 10.5f - 2.3f, 1.0f);
    EXPECT_NEAR ((float) bounds.getRight(), 10.5f + 4.4f, 1.0f);

    // Pointing right: the left edge is tall, the tip is a point.
    const auto columnArea = [&] (int x) { return ToolkitTest::coveredArea (image, [x] (float px, float) { return (int) px == x; }); };
    EXPECT_GT (columnArea (bounds.getX() + 1), 5.0);
    EXPECT_LT (columnArea (bounds.getRight() - 1), 1.5);
}

TEST (TavoriPopupMenuItem, HighlightAndDimming)
{
    Tavori::LookAndFeel lf;
    const auto grey = Tavori::Colours::graniteGray;

    struct Case
    {
        const char* name;
        bool isHighlighted;
        bool isActive;
        int backgroundAlpha;
        juce::Colour text;
    };
    const Case cases[] = {
        { "plain", false, true, 0, grey },
        { "highlighted", true, true, 26, juce::Colours::white },
        { "inactive", false, false, 0, grey.withMultipliedAlpha (0.5f) },
        { "inactive under the mouse", true, false, 0, grey.withMultipliedAlpha (0.5f) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        // Drawn four times larger, so the letter's stems cover whole pixels.
        MenuItem item;
        if (! c.isActive)
            item.inactive();
        const auto image = renderItem (lf, item.highlighted (c.isHighlighted).withText ("HH").scaled (4.0f));

        EXPECT_EQ (image.getPixelAt (2, 2).getAlpha(), 0) << "outside the 1-pixel border";
        EXPECT_NEAR (image.getPixelAt (8, 8).getAlpha(), c.backgroundAlpha, 1);

        EXPECT_TRUE (ToolkitTest::coloursMatch (ToolkitTest::mostOpaquePixel (image), c.text));
    }
}

TEST (TavoriPopupMenuItem, SeparatorIsOneFaintLine)
{
    Tavori::LookAndFeel lf;
    const auto image = renderItem (lf, MenuItem().size (100, 9).separator());

    EXPECT_EQ (ToolkitTest::paintedBounds (image), juce::Rectangle<int> (5, 4, 90, 1));
    EXPECT_TRUE (ToolkitTest::coloursMatch (image.getPixelAt (50, 4), Tavori::Colours::graniteGray.withAlpha (0.3f)));
}

TEST (TavoriCornerResizer, StaircaseOfSixSquaresAt16Pixels)
{
    Tavori::LookAndFeel lf;
    const auto image = render (16, 16, [&] (juce::Graphics& g) { lf.drawCornerResizer (g, 16, 16, false, true); });

    // Squares of (16 - 2 phi) / 3 = 4.25 with gaps of phi, all scaled by 0.8.
    const auto side = 0.8f * (16.0f - 2.0f * Tavori::phi<float>) / 3.0f;
    const auto step = side + 0.8f * Tavori::phi<float>;
    const auto roundedCornerLoss = (4.0f - juce::MathConstants<float>::pi) * 0.8f * 0.8f;
    const bool filled[3][3] = { { false, false, true }, { false, true, true }, { true, true, true } };

    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
        {
            SCOPED_TRACE (juce::String (row) + "," + juce::String (column));
            const auto cell = juce::Rectangle<float> ((float) column * step, (float) row * step, side, side);
            const auto area = ToolkitTest::coveredArea (image, [&] (float x, float y) {
                return cell.expanded (0.5f).contains (x, y);
            });
            EXPECT_NEAR (area, filled[row][column] ? side * side - roundedCornerLoss : 0.0, 0.3);
        }

    // The scaling leaves the right and bottom edges clear.
    EXPECT_EQ (ToolkitTest::paintedBounds (image), juce::Rectangle<int> (0, 0, 13, 13));
}

TEST (TavoriCornerResizer, ColourFollowsTheMouse)
{
    Tavori::LookAndFeel lf;
    const auto grey = Tavori::Colours::graniteGray;

    const struct
    {
        const char* name;
        bool isMouseOver;
        bool isMouseDragging;
        juce::Colour expected;
    } cases[] = {
        { "idle", false, false, grey.withAlpha (0.3f) },
        { "under the mouse", true, false, grey },
        { "dragged", true, true, Tavori::Colours::fuego },
        { "dragged from outside", false, true, Tavori::Colours::fuego },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto image = render (16, 16, [&] (juce::Graphics& g) { lf.drawCornerResizer (g, 16, 16, c.isMouseOver, c.isMouseDragging); });
        // A pixel well inside the top square.
        EXPECT_TRUE (ToolkitTest::coloursMatch (image.getPixelAt (11, 1), c.expected));
    }
}

TEST (TavoriLookAndFeel, TextButtonCaptionColours)
{
    Tavori::LookAndFeel lf;
    juce::TextButton button ("AB");
    const ToolkitTest::ScopedLookAndFeel uses (button, lf);
    button.setBounds (0, 0, 60, 30);
    button.setColour (juce::TextButton::textColourOnId, juce::Colours::red);
    const auto grey = Tavori::Colours::graniteGray;

    const struct
    {
        const char* name;
        bool isOn;
        bool isEnabled;
        juce::Colour expected;
    } cases[] = {
        { "off", false, true, grey },
        { "on", true, true, juce::Colours::red },
        { "off, disabled", false, false, grey.withMultipliedAlpha (0.5f) },
        { "on, disabled", true, false, juce::Colours::red.withMultipliedAlpha (0.5f) },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        button.setToggleState (c.isOn, juce::dontSendNotification);
        button.setEnabled (c.isEnabled);
        const auto image = render (60, 30, [&] (juce::Graphics& g) { lf.drawButtonText (g, button, false, false); }, 4.0f);

        EXPECT_TRUE (ToolkitTest::coloursMatch (ToolkitTest::mostOpaquePixel (image), c.expected));
    }
}
