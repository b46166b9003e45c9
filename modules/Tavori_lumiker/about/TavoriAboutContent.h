#pragma once

namespace Tavori::Lumiker::About
{
// What the about box shows: a frame, the animated logo, the product name, the version, the
// scrolling team list, the format credits and the legal notices. Sized by the processor's
// UI scale at construction (460 x 350 at scale 1). Editor needs a public `processor` with
// a float `uiScale`.
template <typename Editor>
class Content : public juce::Component
{
public:
    // The areas resized() computes, in content pixels.
    struct Layout
    {
        juce::Rectangle<int> logo, name, versionForm, developer, credits, creditRows, noticeRows;
    };

    Content (Editor& editorToRead, bool drawFftCredit)
        : editor (editorToRead),
          sizes ({ Tavori::pi<float>, 4.0f, 2.0f, 10.0f, 24.0f, 10.0f, Tavori::Size::pluginName, Tavori::Size::aboutBoxFont,
                   Tavori::Size::aboutBoxSmallFont, (float) Tavori::Size::spacer, Tavori::Size::aboutBoxFormInfo, 1.5f }),
          showFftCredit (drawFftCredit)
    {
        logo = std::make_unique<LogoStrip>();
        addAndMakeVisible (*logo);
        credits = std::make_unique<Tavori::Animation::ScrollingString> (Tavori::crew);
        credits->setFont (juce::Font (Tavori::Fonts::OpenSansRegular));
        addAndMakeVisible (*credits);
        scaledSizes = sizes;

        const float s = scale();
        setSize ((int) (460.0f * s), (int) (350.0f * s));
    }

    const Layout& getLayout() const noexcept { return layout; }
    LogoStrip& getLogo() noexcept { return *logo; }
    Tavori::Animation::ScrollingString& getCredits() noexcept { return *credits; }

    void resized() override
    {
        const float s = scale();
        for (int i = 0; i < sizes.size(); ++i)
            scaledSizes.set (i, sizes[i] * s);

        const int margin = (int) S (4);
        auto inner = getLocalBounds().reduced (margin);
        const int leftWidth = juce::jmin (inner.getWidth(), (int) (inner.getWidth() * 0.444));
        const int topHeight = inner.getHeight() / 2;
        auto top = inner.removeFromTop (topHeight);
        auto left = top.removeFromLeft (leftWidth);

        const int side = juce::jmax (topHeight - 2 * (int) S (5), 0);
        layout.logo = { left.getX() + (leftWidth - side) / 2, left.getY() + (topHeight - side) / 2, side, side };
        layOutRightColumn (top);
        layOutBottomHalf (inner);

        logo->setBounds (layout.logo);
        credits->setBounds (layout.credits);
        credits->setScale (s);
    }

    void paint (juce::Graphics& g) override
    {
        paintFrame (g);
        paintName (g);
        paintVersion (g);
        paintFormatCredits (g);
        paintNotices (g);
        paintDeveloperLabel (g);
    }

    // Clicks on the logo and the team list go to them; any other click closes the box.
    void mouseDown (const juce::MouseEvent&) override
    {
        if (auto* window = findParentComponentOfClass<juce::DialogWindow>())
            window->exitModalState (0);
    }

private:
    float scale() const { return editor.processor.uiScale; }
    float S (int index) const { return scaledSizes[index]; }

    juce::Font font (const Tavori::Fonts::EmbeddedTypeface& face, float height) const
    {
        return juce::Font (face).withHeight (height);
    }

    void layOutRightColumn (juce::Rectangle<int> column)
    {
        layout.name = column.removeFromTop (juce::jmin (column.getHeight(), (int) S (6)));
        column.removeFromTop ((int) S (7));
        layout.versionForm = column.removeFromTop ((int) (S (7) + S (9) + S (10)));
    }

    void layOutBottomHalf (juce::Rectangle<int> bottom)
    {
        layout.noticeRows = bottom.removeFromBottom ((int) (S (8) * 2));
        bottom.removeFromBottom ((int) S (9));
        layout.creditRows = bottom.removeFromBottom ((int) (S (8) * 4));
        layout.developer = bottom.removeFromTop ((int) S (7));
        const int shrink = (int) (S (9) * 2);
        bottom.removeFromTop (shrink);
        bottom.removeFromBottom (shrink);
        layout.credits = bottom;
    }

    void paintFrame (juce::Graphics& g)
    {
        g.setColour (Tavori::Colours::fuego);
        g.drawRect (getLocalBounds().toFloat().reduced (S (3)), S (1));
    }

    void paintName (juce::Graphics& g)
    {
        g.setFont (font (Tavori::Fonts::OpenSansBold, S (6)));
        g.setColour (Tavori::Colours::fuego);
        g.drawFittedText (juce::String (Tavori::pluginName).toUpperCase(), layout.name, juce::Justification::centred, 1, 1.0f);
    }

    void paintVersion (juce::Graphics& g)
    {
        auto area = layout.versionForm;
        g.setFont (font (Tavori::Fonts::OpenSansRegular, S (7)));
        g.setColour (Tavori::Colours::graniteGray);
        g.drawText (Tavori::Text::version, area.removeFromTop (juce::jmin (area.getHeight(), (int) S (7))),
                    juce::Justification::centredLeft, true);
        area.removeFromTop (juce::jmin (area.getHeight(), (int) S (9)));

        const auto valueBox = area.removeFromTop (juce::jmin (area.getHeight(), (int) S (10)));
        g.setColour (Tavori::Colours::graniteGray.withAlpha (0.15f));
        g.fillRoundedRectangle (valueBox.toFloat(), S (11));
        g.setFont (font (Tavori::Fonts::OpenSansSemiBold, S (7)));
        g.setColour (juce::Colours::white);
        g.drawText (Tavori::versionString, valueBox, juce::Justification::centred, true);
    }

    // The same three lines whatever format is running.
    void paintFormatCredits (juce::Graphics& g)
    {
        juce::StringArray lines { Tavori::Text::wrapperCompany[1], Tavori::Text::wrapperCompany[3], Tavori::Text::wrapperCompany[6] };
        if (showFftCredit)
            lines.add (Tavori::Text::fft);
        g.setColour (Tavori::Colours::graniteGray.brighter (0.2f));
        paintRows (g, lines, layout.creditRows);
    }

    void paintNotices (juce::Graphics& g)
    {
        g.setColour (Tavori::Colours::graniteGray.darker (0.4f));
        paintRows (g, { Tavori::Text::copyrightNotice, Tavori::Text::trademarkNotice }, layout.noticeRows);
    }

    void paintRows (juce::Graphics& g, const juce::StringArray& lines, juce::Rectangle<int> area)
    {
        g.setFont (font (Tavori::Fonts::OpenSansRegular, S (8)));
        for (const auto& line : lines)
            g.drawText (line, area.removeFromTop ((int) S (8)), juce::Justification::centred, true);
    }

    void paintDeveloperLabel (juce::Graphics& g)
    {
        g.setFont (font (Tavori::Fonts::OpenSansRegular, S (7)));
        g.setColour (Tavori::Colours::graniteGray);
        g.drawText (Tavori::dev, layout.developer, juce::Justification::centred, true);
    }

    Editor& editor;
    Layout layout;
    std::unique_ptr<LogoStrip> logo;
    std::unique_ptr<Tavori::Animation::ScrollingString> credits;
    juce::Array<float> sizes;
    juce::Array<float> scaledSizes;
    bool showFftCredit;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Content)
};
} // namespace Tavori::Lumiker::About
