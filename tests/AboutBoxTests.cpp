#include <gtest/gtest.h>

#include <Tavori_lumiker/Tavori_lumiker.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "plugin/PluginEditor.h"
#include "tests/GuiTestSupport.h"

namespace
{
using Editor = LumikerWhirlaneAudioProcessorEditor;
using AboutContent = Tavori::Lumiker::About::Content<Editor>;
using AboutBox = Tavori::Lumiker::About::Box<Editor>;

// One glyph as the content drew it.
struct DrawnGlyph
{
    int glyph;
    float height;
    juce::Typeface* typeface;
};

// A software renderer that also notes every glyph drawn, so a test can ask whether a text
// was drawn whole (not cut with an ellipsis) in a given face and size.
class GlyphRecorder : public juce::LowLevelGraphicsSoftwareRenderer
{
public:
    GlyphRecorder (const juce::Image& image, std::vector<DrawnGlyph>& drawn)
        : LowLevelGraphicsSoftwareRenderer (image), glyphs (drawn) {}

    void drawGlyph (int glyphNumber, const juce::AffineTransform& transform) override
    {
        const auto font = getFont();
        glyphs.push_back ({ glyphNumber, font.getHeight(), font.getTypefacePtr().get() });
        LowLevelGraphicsSoftwareRenderer::drawGlyph (glyphNumber, transform);
    }

private:
    std::vector<DrawnGlyph>& glyphs;
};

std::vector<DrawnGlyph> glyphsDrawnBy (juce::Component& component)
{
    std::vector<DrawnGlyph> drawn;
    juce::Image image (juce::Image::ARGB, component.getWidth(), component.getHeight(), true);
    GlyphRecorder recorder (image, drawn);
    juce::Graphics g (recorder);
    component.paintEntireComponent (g, true);
    return drawn;
}

// Whitespace draws no glyph.
bool wasDrawn (const std::vector<DrawnGlyph>& drawn, const juce::String& text,
               const Tavori::Fonts::EmbeddedTypeface& face, float height)
{
    const juce::Font font = juce::Font (face).withHeight (height);
    juce::Array<int> expected;
    juce::Array<float> offsets;
    font.getGlyphPositions (text.removeCharacters (" "), expected, offsets);

    for (size_t start = 0; start + (size_t) expected.size() <= drawn.size(); ++start)
    {
        bool match = true;
        for (int i = 0; i < expected.size() && match; ++i)
        {
            const auto& glyph = drawn[start + (size_t) i];
            match = glyph.glyph == expected[i] && std::abs (glyph.height - height) < 0.01f
                    && glyph.typeface == font.getTypefacePtr().get();
        }
        if (match)
            return true;
    }
    return false;
}

class AboutBoxTest : public testing::Test
{
public:
    void SetUp() override
    {
        PluginSettings::settingsFile().deleteFile();
        editor = std::make_unique<Editor> (processor);
        editor->setTopLeftPosition (40, 40);
        editor->addToDesktop (0);
        editor->setVisible (true);
    }

    void TearDown() override
    {
        if (window != nullptr)
            window->exitModalState (0);
        pumpMessages();
        editor.reset();
    }

    // The editor sets the processor's UI scale from its width (530 at scale 1).
    void open (float scale)
    {
        editor->setSize (juce::roundToInt (530.0f * scale), juce::roundToInt (650.0f * scale));
        ASSERT_FLOAT_EQ (processor.uiScale, scale);
        AboutBox box (*editor, false);
        window = box.getWindow();
        ASSERT_NE (window, nullptr);
        content = dynamic_cast<AboutContent*> (window->getContentComponent());
        ASSERT_NE (content, nullptr);
        content->getLogo().launcher = [this] (const juce::URL& address) { launched.add (address.toString (false)); };
    }

    bool isOpen() const { return window != nullptr; }

    // A press and release through the window's peer, so the click reaches whatever child
    // is under the point, as a real one would.
    void clickAt (juce::Point<int> pointInContent)
    {
        const auto position = window->getLocalPoint (content, pointInContent).toFloat();
        const auto time = juce::Time::currentTimeMillis();
        window->getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position,
                                             juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
                                             juce::MouseInputSource::defaultPressure, 0.0f, time);
        if (window != nullptr && window->getPeer() != nullptr)
            window->getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position, juce::ModifierKeys(),
                                                 juce::MouseInputSource::defaultPressure, 0.0f, time + 20);
        pumpMessages();
    }

    LumikerWhirlaneAudioProcessor processor;
    std::unique_ptr<Editor> editor;
    juce::Component::SafePointer<juce::DialogWindow> window;
    AboutContent* content = nullptr;
    juce::StringArray launched;
};

TEST_F (AboutBoxTest, OpensModalBorderlessAtTheEditorsScale)
{
    struct Case
    {
        float scale;
        int width, height, logoSide;
    };
    for (const auto& c : { Case { 1.0f, 460, 350, 131 }, Case { 1.5f, 690, 525, 196 } })
    {
        SCOPED_TRACE (c.scale);
        open (c.scale);
        EXPECT_EQ (window->getWidth(), c.width);
        EXPECT_EQ (window->getHeight(), c.height);
        EXPECT_EQ (content->getBounds(), juce::Rectangle<int> (0, 0, c.width, c.height)) << "no border, no title bar";
        EXPECT_EQ (content->getLogo().getWidth(), c.logoSide);
        EXPECT_EQ (content->getLogo().getHeight(), c.logoSide);
        EXPECT_TRUE (window->isOnDesktop());
        EXPECT_TRUE (window->isAlwaysOnTop());
        EXPECT_TRUE (window->isCurrentlyModal());

        window->exitModalState (0);
        pumpMessages();
        EXPECT_FALSE (isOpen()) << "a dismissed box is deleted";
    }
}

TEST_F (AboutBoxTest, OpensCentredOverTheEditor)
{
    // Centred on the monitor, so even a small virtual screen leaves JUCE nothing to move.
    const auto monitor = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    editor->setCentrePosition (monitor.getCentre());
    open (1.0f);
    EXPECT_EQ (window->getScreenBounds().getCentre(), editor->getScreenBounds().getCentre());
}

TEST_F (AboutBoxTest, AreasAtScaleOne)
{
    open (1.0f);
    const auto& layout = content->getLayout();
    using R = juce::Rectangle<int>;
    EXPECT_EQ (layout.logo, R (49, 34, 131, 131));
    EXPECT_EQ (layout.name, R (206, 24, 230, 24));
    EXPECT_EQ (layout.versionForm, R (206, 64, 230, 41));
    EXPECT_EQ (layout.developer, R (24, 175, 412, 16));
    EXPECT_EQ (layout.credits, R (24, 201, 412, 38));
    EXPECT_EQ (layout.creditRows, R (24, 249, 412, 48));
    EXPECT_EQ (layout.noticeRows, R (24, 302, 412, 24));
    EXPECT_EQ (content->getCredits().getBounds(), layout.credits);
}

TEST_F (AboutBoxTest, ClicksCloseTheBoxExceptOnTheLogoAndTheTeamList)
{
    struct Case
    {
        const char* where;
        juce::Point<int> point;
        bool closes;
        bool opensWebSite;
    };
    // At scale 1.0; see AreasAtScaleOne.
    const Case cases[] = {
        { "product name", { 320, 36 }, true, false },
        { "version value", { 320, 95 }, true, false },
        { "notices", { 230, 314 }, true, false },
        { "frame", { 12, 12 }, true, false },
        { "team list", { 230, 220 }, false, false },
        { "logo", { 114, 100 }, false, true },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.where);
        launched.clear();
        open (1.0f);
        pumpMessages();
        // A click that took the focus from the box would close it too.
        ASSERT_TRUE (window->hasKeyboardFocus (true));
        clickAt (c.point);
        EXPECT_EQ (isOpen(), ! c.closes);
        EXPECT_EQ (launched, c.opensWebSite ? juce::StringArray { Tavori::URL::website } : juce::StringArray());
        if (window != nullptr)
            window->exitModalState (0);
        pumpMessages();
    }
}

TEST_F (AboutBoxTest, EscapeLosingFocusAndClicksOnTheEditorClose)
{
    struct Case
    {
        const char* what;
        std::function<void (AboutBoxTest&)> act;
    };
    const Case cases[] = {
        { "Escape", [] (AboutBoxTest& t) { t.window->getPeer()->handleKeyPress (juce::KeyPress (juce::KeyPress::escapeKey)); } },
        { "focus lost", [] (AboutBoxTest& t) { t.window->focusLost (juce::Component::focusChangedDirectly); } },
        { "click on the editor",
          [] (AboutBoxTest& t)
          {
              // On the artwork, clear of the top bar and the controls.
              auto& peer = *t.editor->getPeer();
              const auto time = juce::Time::currentTimeMillis();
              peer.handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, { 100.0f, 600.0f },
                                     juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
                                     juce::MouseInputSource::defaultPressure, 0.0f, time);
              peer.handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, { 100.0f, 600.0f }, juce::ModifierKeys(),
                                     juce::MouseInputSource::defaultPressure, 0.0f, time + 20);
          } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        open (1.0f);
        c.act (*this);
        pumpMessages();
        EXPECT_FALSE (isOpen());
        EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
    }
}

TEST_F (AboutBoxTest, DrawsNameVersionCreditsAndNoticesWholeAtTheScaledSizes)
{
    using namespace Tavori::Fonts;
    struct Text
    {
        juce::String text;
        const EmbeddedTypeface& face;
        float height;
    };
    const Text texts[] = {
        { "LUMIKER WHIRLANE", OpenSansBold, 24.0f },
        { "Version :", OpenSansRegular, 16.0f },
        { "1.0.0", OpenSansSemiBold, 16.0f },
        { "Developed by :", OpenSansRegular, 16.0f },
        { "VST by Steinberg Media Technologies, GmbH.", OpenSansRegular, 12.0f },
        { "AU by Apple Computer, Inc.", OpenSansRegular, 12.0f },
        { "AAX by Avid Technology, Inc.", OpenSansRegular, 12.0f },
        { Tavori::Text::copyrightNotice, OpenSansRegular, 12.0f },
        { Tavori::Text::trademarkNotice, OpenSansRegular, 12.0f },
    };
    for (const float scale : { 1.0f, 1.5f })
    {
        SCOPED_TRACE (scale);
        open (scale);
        const auto drawn = glyphsDrawnBy (*content);
        for (const auto& t : texts)
            EXPECT_TRUE (wasDrawn (drawn, t.text, t.face, t.height * scale)) << t.text;
        EXPECT_FALSE (wasDrawn (drawn, Tavori::Text::fft, OpenSansRegular, 12.0f * scale)) << "this plug-in shows no FFT credit";
        window->exitModalState (0);
        pumpMessages();
    }
}

TEST_F (AboutBoxTest, FftCreditIsTheFourthCreditLineWhenAsked)
{
    AboutContent withFft (*editor, true);
    EXPECT_TRUE (wasDrawn (glyphsDrawnBy (withFft), Tavori::Text::fft, Tavori::Fonts::OpenSansRegular, 12.0f));
}

TEST_F (AboutBoxTest, CreditsNameRolesAndTheTeam)
{
    ASSERT_FALSE (Tavori::crew.isEmpty());
    EXPECT_TRUE (Tavori::crew.contains ("DSP design"));
    EXPECT_TRUE (Tavori::crew.contains ("Interface design"));
    EXPECT_TRUE (Tavori::Text::copyrightNotice.contains (Tavori::Text::legalCompanyName));
    EXPECT_TRUE (Tavori::Text::trademarkNotice.startsWith (Tavori::pluginName));
}

TEST_F (AboutBoxTest, LogoPlaysTheEmbeddedStripAndTheTeamListScrollsAtTheBoxScale)
{
    open (1.5f);
    auto& logo = content->getLogo();
    auto& credits = content->getCredits();
    EXPECT_TRUE (logo.isTimerRunning());
    EXPECT_TRUE (credits.isTimerRunning());

    // 37 frames: forward to frame 36 in 35 ticks, 216 ticks there, back to 1 in 35 ticks.
    ASSERT_EQ (logo.getNumFrames(), 37);
    std::vector<int> frames;
    for (int tick = 0; tick < 35 + 216 + 35; ++tick)
    {
        logo.timerCallback();
        frames.push_back (logo.getCurrentFrame());
    }
    EXPECT_EQ (frames[33], 35);
    EXPECT_EQ (frames[34], 36);
    EXPECT_EQ (frames[34 + 215], 36) << "still resting at the end of the hold";
    EXPECT_EQ (frames[34 + 216], 35);
    EXPECT_EQ (frames[34 + 216 + 34], 1);
    EXPECT_EQ (frames.back(), 2) << "forward again at once";

    // Lines 24 pixels high at scale 1.5; one pixel up a tick until the block has left,
    // then back in from below.
    const int total = juce::roundToInt (24.0f * (float) Tavori::crew.size());
    ASSERT_EQ (credits.getTotalHeight(), total);
    for (int tick = 0; tick < total; ++tick)
        credits.timerCallback();
    EXPECT_EQ (credits.getOffset(), -total);
    credits.timerCallback();
    EXPECT_EQ (credits.getOffset(), credits.getHeight());
}

TEST_F (AboutBoxTest, EditorDeletedFirstTakesTheBoxWithIt)
{
    open (1.0f);
    editor.reset();
    EXPECT_FALSE (isOpen()) << "gone at once, before it could read a deleted editor";
    pumpMessages();
    EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
}

// JUCE's image cache runs a timer that can outlive the plug-in when a host unloads it.
TEST_F (AboutBoxTest, LogoStaysOutOfJucesImageCache)
{
    open (1.0f);
    const auto hash = (juce::int64) (juce::pointer_sized_int) Tavori::Animation::Logo::png;
    EXPECT_FALSE (juce::ImageCache::getFromHashCode (hash).isValid());
    EXPECT_EQ (content->getLogo().getNumFrames(), 37) << "decoded all the same";
}

// Not a check: with WHIRLANE_ABOUT_PREVIEW=<prefix> set, writes <prefix>-1.0.png and
// <prefix>-1.5.png of the open box for a human to look at.
TEST_F (AboutBoxTest, Preview)
{
    const auto prefix = juce::SystemStats::getEnvironmentVariable ("WHIRLANE_ABOUT_PREVIEW", {});
    if (prefix.isEmpty())
        GTEST_SKIP();
    for (const float scale : { 1.0f, 1.5f })
    {
        open (scale);
        for (int tick = 0; tick < 20; ++tick)
            content->getLogo().timerCallback();
        for (int tick = 0; tick < 10; ++tick)
            content->getCredits().timerCallback();
        juce::File file (prefix + "-" + juce::String (scale, 1) + ".png");
        juce::FileOutputStream stream (file);
        stream.setPosition (0);
        stream.truncate();
        juce::PNGImageFormat().writeImageToStream (snapshot (*window), stream);
        window->exitModalState (0);
        pumpMessages();
    }
}
} // namespace
