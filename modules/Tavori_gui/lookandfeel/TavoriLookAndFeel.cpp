namespace Tavori
{
LookAndFeel::LookAndFeel()
{
    setColours();
}

void LookAndFeel::setColours()
{
    using juce::Colours::black, juce::Colours::white, juce::Colours::transparentBlack;
    const auto& grey = Colours::graniteGray;

    setColour (juce::ComboBox::backgroundColourId, black.brighter (0.2f));
    setColour (juce::ComboBox::textColourId, grey.brighter (1.0f));
    setColour (juce::PopupMenu::backgroundColourId, Colours::menu);
    setColour (juce::PopupMenu::textColourId, grey);
    setColour (juce::PopupMenu::highlightedTextColourId, white);
    setColour (juce::PopupMenu::highlightedBackgroundColourId, Colours::dimText);
    setColour (juce::TextButton::textColourOffId, grey);
    // Toggled icon buttons get no background fill: only their image changes.
    setColour (juce::DrawableButton::backgroundOnColourId, transparentBlack);
    setColour (juce::Label::textColourId, grey);
    setColour (juce::Label::backgroundWhenEditingColourId, Colours::dimText);
    setColour (juce::TextEditor::highlightedTextColourId, white);
    setColour (juce::TextEditor::focusedOutlineColourId, transparentBlack);
    setColour (juce::TextEditor::highlightColourId, grey.withAlpha (0.5f));
    setColour (juce::Slider::textBoxBackgroundColourId, transparentBlack);
    setColour (juce::Slider::textBoxHighlightColourId, grey.withAlpha (0.5f));
    setColour (juce::Slider::textBoxOutlineColourId, transparentBlack);
    setColour (juce::Slider::textBoxTextColourId, grey);
    setColour (juce::Slider::thumbColourId, grey);
    setColour (juce::Slider::backgroundColourId, grey.withAlpha (0.15f));
    setColour (juce::Slider::trackColourId, grey.withAlpha (0.5f));
    setColour (juce::BubbleComponent::backgroundColourId, Colours::panel);
    setColour (juce::BubbleComponent::outlineColourId, Colours::popUpOutline);
    setColour (juce::TooltipWindow::textColourId, grey.brighter (0.5f));
    setColour (juce::CaretComponent::caretColourId, white);
    setColour (juce::ListBox::backgroundColourId, black.brighter (0.15f).withAlpha (0.666f));
    setColour (juce::ListBox::outlineColourId, black);
}

juce::Font LookAndFeel::getCommonFont() const
{
    return juce::Font (Fonts::OpenSansSemiBold).withHeight (14.0f).withExtraKerningFactor (0.05f);
}

std::unique_ptr<juce::DropShadower> LookAndFeel::createDropShadowerForComponent (juce::Component&)
{
    return nullptr;
}

void LookAndFeel::drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour&, bool, bool)
{
}

juce::Font LookAndFeel::getTextButtonFont (juce::TextButton&, int)
{
    return juce::Font (Fonts::OpenSansBold).withHeight (17.0f);
}

void LookAndFeel::drawButtonText (juce::Graphics& g, juce::TextButton& button, bool, bool)
{
    const auto font = getTextButtonFont (button, button.getHeight());
    g.setFont (font);

    const auto colourId = button.getToggleState() ? juce::TextButton::textColourOnId : juce::TextButton::textColourOffId;
    const auto colour = button.isMouseOver (false) ? juce::Colours::white : button.findColour (colourId);
    g.setColour (colour.withMultipliedAlpha (button.isEnabled() ? 1.0f : 0.5f));

    const int yIndent = juce::jmin (4, button.proportionOfHeight (0.3f));
    const int cornerSize = juce::jmin (button.getHeight(), button.getWidth()) / 2;
    const int fontHeight = juce::roundToInt (font.getHeight() * 0.6f);
    const int leftIndent = juce::jmin (fontHeight, 2 + cornerSize / (button.isConnectedOnLeft() ? 4 : 2));
    const int rightIndent = juce::jmin (fontHeight, 2 + cornerSize / (button.isConnectedOnRight() ? 4 : 2));
    const int textWidth = button.getWidth() - leftIndent - rightIndent;

    if (textWidth > 0)
        g.drawFittedText (button.getButtonText(), leftIndent, yIndent, textWidth,
                          button.getHeight() - yIndent * 2, juce::Justification::centred, 2);
}

void LookAndFeel::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    g.setColour (findColour (juce::PopupMenu::backgroundColourId));
    g.fillRect (0, 0, width, height);
}

void LookAndFeel::drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area,
                                     bool isSeparator, bool isActive, bool isHighlighted, bool isTicked,
                                     bool hasSubMenu, const juce::String& text, const juce::String& shortcutKeyText,
                                     const juce::Drawable* icon, const juce::Colour* textColourToUse)
{
    if (isSeparator)
    {
        drawPopupMenuSeparator (g, area);
        return;
    }

    const auto textColour = textColourToUse != nullptr ? *textColourToUse : findColour (juce::PopupMenu::textColourId);
    auto r = area.reduced (1);

    if (isHighlighted && isActive)
    {
        g.setColour (findColour (juce::PopupMenu::highlightedBackgroundColourId));
        g.fillRect (r);
        g.setColour (findColour (juce::PopupMenu::highlightedTextColourId));
    }
    else
    {
        g.setColour (textColour.withMultipliedAlpha (isActive ? 1.0f : 0.5f));
    }

    r.reduce (juce::jmin (5, area.getWidth() / 20), 0);

    // The row height does not limit the font: the menus are laid out for it.
    const auto font = getPopupMenuFont();
    g.setFont (font);

    const auto iconArea = r.removeFromLeft (juce::roundToInt (font.getHeight())).toFloat();

    if (icon != nullptr)
    {
        icon->drawWithin (g, iconArea, juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize, 1.0f);
        r.removeFromLeft (juce::roundToInt (font.getHeight() * 0.5f));
    }
    else if (isTicked)
    {
        // The chosen entry is marked with a small play-symbol triangle, not a check mark.
        juce::Path triangle;
        triangle.addPolygon ({ 0.75f * iconArea.getWidth(), 0.55f * iconArea.getHeight() }, 3,
                             0.2f * iconArea.getHeight(), -0.5f);
        g.fillPath (triangle);
    }

    if (hasSubMenu)
        drawSubMenuArrow (g, r, 0.6f * getPopupMenuFont().getAscent());

    r.removeFromRight (3);
    g.drawFittedText (text, r, juce::Justification::centredLeft, 1);

    if (shortcutKeyText.isNotEmpty())
    {
        auto shortcutFont = font;
        shortcutFont.setHeight (shortcutFont.getHeight() * 0.75f);
        shortcutFont.setHorizontalScale (0.95f);
        g.setFont (shortcutFont);
        g.drawText (shortcutKeyText, r, juce::Justification::centredRight, true);
    }
}

void LookAndFeel::drawPopupMenuSeparator (juce::Graphics& g, const juce::Rectangle<int>& area)
{
    auto r = area.reduced (5, 0);
    r.removeFromTop (juce::roundToInt ((float) r.getHeight() * 0.5f - 0.5f));

    g.setColour (findColour (juce::PopupMenu::textColourId).withAlpha (0.3f));
    g.fillRect (r.removeFromTop (1));
}

void LookAndFeel::drawSubMenuArrow (juce::Graphics& g, juce::Rectangle<int>& r, float arrowHeight)
{
    const auto x = (float) r.removeFromRight ((int) arrowHeight).getX();
    const auto halfHeight = (float) (r.getY() + r.getHeight() / 2);

    juce::Path chevron;
    chevron.startNewSubPath (x, halfHeight - arrowHeight * 0.5f);
    chevron.lineTo (x + arrowHeight * 0.6f, halfHeight);
    chevron.lineTo (x, halfHeight + arrowHeight * 0.5f);
    g.strokePath (chevron, juce::PathStrokeType (2.0f));
}

juce::Font LookAndFeel::getPopupMenuFont()
{
    return getCommonFont();
}

void LookAndFeel::drawComboBox (juce::Graphics& g, int width, int height, bool, int, int, int, int, juce::ComboBox& box)
{
    g.setColour (box.findColour (juce::ComboBox::backgroundColourId));
    g.fillRect (0, 0, width, height);
}

juce::Font LookAndFeel::getComboBoxFont (juce::ComboBox&)
{
    return getCommonFont();
}

juce::Font LookAndFeel::getLabelFont (juce::Label&)
{
    return getCommonFont();
}

juce::Font LookAndFeel::getSliderPopupFont (juce::Slider&)
{
    return getCommonFont();
}

int LookAndFeel::getSliderPopupPlacement (juce::Slider&)
{
    // Above the control, or below it when there is no room: never to its side.
    return juce::BubbleComponent::above | juce::BubbleComponent::below;
}

void LookAndFeel::drawCornerResizer (juce::Graphics& g, int w, int h, bool isMouseOver, bool isMouseDragging)
{
    // A staircase of six rounded squares, 1, 2 and 3 from the top, right-aligned.
    const auto gap = phi<float>;
    const auto width = (float) w;
    const auto height = (float) h;
    const auto s = (height - 2.0f * gap) / 3.0f;
    const juce::Point<float> corners[] = {
        { width - s, 0.0f },
        { width - s, s + gap },
        { width - s, 2.0f * s + 2.0f * gap },
        { s + gap, height - s },
        { width - 2.0f * s - gap, height - 2.0f * s - gap },
        { 0.0f, height - s },
    };

    juce::Path grip;
    for (const auto& corner : corners)
        grip.addRoundedRectangle (corner.x, corner.y, s, s, 1.0f);

    // Shrunk towards the top-left so the grip keeps clear of the window's edges.
    grip.applyTransform (juce::AffineTransform::scale (0.8f));

    if (isMouseDragging)
        g.setColour (Colours::fuego);
    else
        g.setColour (isMouseOver ? Colours::graniteGray : Colours::graniteGray.withAlpha (0.3f));

    g.fillPath (grip);
}
} // namespace Tavori
