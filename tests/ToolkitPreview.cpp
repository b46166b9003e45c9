#include <gtest/gtest.h>

#include "ToolkitTestSupport.h"

// Not a check: with WHIRLANE_TOOLKIT_PREVIEW=<file.png> set, draws the toolkit's pieces
// on one dark sheet for a human to look at.
namespace
{
constexpr int cell = 72;

void drawKnobs (juce::Graphics& g)
{
    Tavori::Knob knob;
    knob.setSize (60, 60);
    Tavori::Knob::LookAndFeelLR lr;
    const auto rotary = knob.getRotaryParameters();

    int column = 0;
    for (const double value : { 0.0, 0.25, 0.5, 0.75, 1.0 })
    {
        knob.setValue (value, juce::dontSendNotification);
        juce::Graphics::ScopedSaveState state (g);
        g.setOrigin (column++ * cell + 6, 6);
        knob.paintEntireComponent (g, false);
    }
    for (const double value : { 0.1, 0.5, 0.9 })
    {
        knob.setValue (value, juce::dontSendNotification);
        juce::Graphics::ScopedSaveState state (g);
        g.setOrigin (column++ * cell + 6, 6);
        lr.isDragging = value > 0.8;
        lr.drawRotarySlider (g, 0, 0, 60, 60, (float) value, rotary.startAngleRadians, rotary.endAngleRadians, knob);
    }
}

void drawButtons (juce::Graphics& g)
{
    std::vector<std::unique_ptr<juce::DrawableButton>> buttons;
    buttons.push_back (std::make_unique<Tavori::Button::Logo>());
    buttons.push_back (std::make_unique<Tavori::Button::Hamburger>());
    buttons.push_back (std::make_unique<Tavori::Button::Prev>());
    buttons.push_back (std::make_unique<Tavori::Button::Next>());
    buttons.push_back (std::make_unique<Tavori::Button::Copy>());
    buttons.push_back (std::make_unique<Tavori::Button::Gear>());

    for (size_t row = 0; row < buttons.size(); ++row)
    {
        auto& button = *buttons[row];
        int column = 0;
        for (const bool on : { false, true })
        {
            button.setToggleState (on, juce::dontSendNotification);
            for (auto* image : { button.getNormalImage(), button.getOverImage(), button.getDownImage() })
            {
                const juce::Rectangle<float> area ((float) (column++ * 40 + 8), (float) (cell + (int) row * 40 + 8), 28.0f, 28.0f);
                image->drawWithin (g, area, juce::RectanglePlacement::centred, 1.0f);
            }
        }
    }
}

void drawMenu (juce::Graphics& g, Tavori::LookAndFeel& lf)
{
    juce::Graphics::ScopedSaveState state (g);
    g.setOrigin (260, cell + 8);
    lf.drawPopupMenuBackground (g, 200, 8 * 24);

    const struct
    {
        const char* text;
        bool separator, active, highlighted, ticked, subMenu;
        const char* shortcut;
    } items[] = {
        { "Slow Chorale", false, true, false, true, false, "" },
        { "Fast Tremolo", false, true, true, false, false, "" },
        { "Gentle Sweep", false, true, false, false, false, "" },
        { "", true, true, false, false, false, "" },
        { "Save Preset...", false, true, false, false, false, "Ctrl+S" },
        { "Window Size", false, true, false, false, true, "" },
        { "Not Available", false, false, false, false, false, "" },
    };

    int y = 0;
    for (const auto& item : items)
    {
        const auto height = item.separator ? 9 : 24;
        juce::Graphics::ScopedSaveState rowState (g);
        g.setOrigin (0, y);
        lf.drawPopupMenuItem (g, { 200, height }, item.separator, item.active, item.highlighted, item.ticked,
                              item.subMenu, item.text, item.shortcut, nullptr, nullptr);
        y += height;
    }
}

void drawResizers (juce::Graphics& g, Tavori::LookAndFeel& lf)
{
    int column = 0;
    for (const auto& [over, dragging] : { std::pair (false, false), std::pair (true, false), std::pair (true, true) })
    {
        juce::Graphics::ScopedSaveState state (g);
        g.setOrigin (480 + column++ * 24, cell + 8);
        lf.drawCornerResizer (g, 16, 16, over, dragging);
    }

    // The two drawn marks, large enough to judge their shapes.
    Tavori::Button::Logo logo;
    Tavori::Button::Gear gear;
    int index = 0;
    for (auto* image : { logo.getNormalImage(), logo.getOverImage(), logo.getDownImage(),
                         gear.getNormalImage(), gear.getOverImage(), gear.getDownImage() })
    {
        const juce::Rectangle<float> area ((float) (470 + (index % 3) * 42), (float) (cell + 80 + (index / 3) * 42), 40.0f, 40.0f);
        image->drawWithin (g, area, juce::RectanglePlacement::centred, 1.0f);
        ++index;
    }

    juce::ComboBox box;
    const ToolkitTest::ScopedLookAndFeel uses (box, lf);
    juce::Graphics::ScopedSaveState state (g);
    g.setOrigin (480, cell + 40);
    lf.drawComboBox (g, 100, 24, false, 0, 0, 0, 0, box);
    g.setColour (box.findColour (juce::ComboBox::textColourId));
    g.setFont (lf.getComboBoxFont (box));
    g.drawText ("Slow Chorale", juce::Rectangle<int> (100, 24).reduced (6, 0), juce::Justification::centredLeft);
}
} // namespace

TEST (ToolkitPreview, WritesTheSheetWhenAsked)
{
    const auto target = juce::SystemStats::getEnvironmentVariable ("WHIRLANE_TOOLKIT_PREVIEW", {});
    if (target.isEmpty())
        GTEST_SKIP() << "set WHIRLANE_TOOLKIT_PREVIEW to a PNG path to draw the sheet";

    Tavori::LookAndFeel lf;
    const auto sheet = ToolkitTest::render (600, cell + 6 * 40 + 16, [&] (juce::Graphics& g) {
        g.fillAll (juce::Colour (0xff101010));
        drawKnobs (g);
        drawButtons (g);
        drawMenu (g, lf);
        drawResizers (g, lf);
    }, 2.0f);

    const juce::File file (target);
    file.deleteFile();
    juce::FileOutputStream out (file);
    ASSERT_TRUE (out.openedOk());
    ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (sheet, out));
}
