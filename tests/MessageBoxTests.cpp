#include <gtest/gtest.h>

#include <Tavori_gui/Tavori_gui.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "tests/GuiTestSupport.h"

namespace
{
// What JUCE was asked to show, recorded where it builds the alert window.
struct AlertRequest
{
    juce::String title;
    juce::String message;
    juce::StringArray buttons;
    juce::MessageBoxIconType icon;
    juce::Component* associated;
};

class RecordingLookAndFeel : public juce::LookAndFeel_V4
{
public:
    juce::AlertWindow* createAlertWindow (const juce::String& title, const juce::String& message, const juce::String& button1,
                                          const juce::String& button2, const juce::String& button3,
                                          juce::MessageBoxIconType icon, int numButtons,
                                          juce::Component* associated) override
    {
        juce::StringArray buttons { button1, button2, button3 };
        buttons.removeRange (numButtons, buttons.size());
        requests.push_back ({ title, message, buttons, icon, associated });
        return LookAndFeel_V4::createAlertWindow (title, message, button1, button2, button3, icon, numButtons, associated);
    }

    std::vector<AlertRequest> requests;
};

juce::AlertWindow* modalAlert()
{
    auto* modal = juce::ModalComponentManager::getInstance()->getModalComponent (0);
    return dynamic_cast<juce::AlertWindow*> (modal);
}

// The alert's buttons from left to right.
std::vector<juce::TextButton*> buttonsOf (juce::AlertWindow& alert)
{
    std::vector<juce::TextButton*> buttons;
    for (auto* child : alert.getChildren())
        if (auto* button = dynamic_cast<juce::TextButton*> (child))
            buttons.push_back (button);
    std::sort (buttons.begin(), buttons.end(), [] (auto* a, auto* b) { return a->getX() < b->getX(); });
    return buttons;
}

juce::StringArray textsOf (const std::vector<juce::TextButton*>& buttons)
{
    juce::StringArray texts;
    for (auto* button : buttons)
        texts.add (button->getButtonText());
    return texts;
}

template <typename Condition>
bool pumpUntil (Condition done)
{
    for (int round = 0; round < 200 && ! done(); ++round)
        pumpMessages (10);
    return done();
}

using Opener = std::function<void (juce::Component* associated, Tavori::MessageBox::Callback callback)>;

struct Case
{
    const char* name;
    Opener open;
    juce::String title;
    juce::String message;
    juce::MessageBoxIconType icon;
    juce::StringArray buttons;
    const char* press;
    std::optional<int> result;
    bool associated;
};

const juce::String newerVersionMessage = "was made using a newer version of Lumiker Whirlane\n"
                                         "To use this preset correctly, please install the newest version from: \n"
                                         "tavori.example/download";

const std::vector<Case>& cases()
{
    using Icon = juce::MessageBoxIconType;
    using namespace Tavori::MessageBox;
    const Opener yesNo = [] (auto* associated, auto callback) { showYesNoBox ("Title", "Message\nsecond line", associated, callback); };
    const Opener replace = [] (auto* associated, auto callback) { askReplacePreset ("Black Hole", associated, callback); };
    const juce::String replaceTitle = "Black Hole is already exist.";
    const juce::String replaceMessage = "Are you sure you want to overwrite this preset?";

    static const std::vector<Case> all {
        { "yes/no, YES", yesNo, "Title", "Message\nsecond line", Icon::QuestionIcon, { "YES", "NO" }, "YES", 0, false },
        { "yes/no, NO", yesNo, "Title", "Message\nsecond line", Icon::QuestionIcon, { "YES", "NO" }, "NO", 1, true },
        { "alert", [] (auto* associated, auto callback) { showAlert ("Heads up", "Something", associated, callback, Icon::InfoIcon); },
          "Heads up", "Something", Icon::InfoIcon, { "OK" }, "OK", 0, false },
        { "replace, YES", replace, replaceTitle, replaceMessage, Icon::QuestionIcon, { "YES", "NO" }, "YES", 0, true },
        { "replace, NO", replace, replaceTitle, replaceMessage, Icon::QuestionIcon, { "YES", "NO" }, "NO", 1, false },
        { "newer version", [] (auto* associated, auto callback) { newerVersionPreset ("Future.lwhlp", associated, callback); },
          "Future.lwhlp", newerVersionMessage, Icon::WarningIcon, { "OK" }, "OK", 0, true },
        { "manual", [] (auto* associated, auto) { manualNotFound (associated); }, "Lumiker Whirlane", "User Manual not found",
          Icon::WarningIcon, { "OK" }, "OK", std::nullopt, false },
    };
    return all;
}

class MessageBoxTest : public ::testing::Test
{
protected:
    void SetUp() override { juce::LookAndFeel::setDefaultLookAndFeel (&defaultLookAndFeel); }

    // A failed case must not leave its box open for the next one.
    void TearDown() override
    {
        while (auto* modal = juce::ModalComponentManager::getInstance()->getModalComponent (0))
        {
            modal->exitModalState (0);
            pumpMessages (10);
        }
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    }

    RecordingLookAndFeel defaultLookAndFeel;
};
} // namespace

// Each box asks JUCE for its exact texts, icon and buttons, belongs to the given component,
// returns before it is answered, and reports the pressed button's index, if anyone listens.
TEST_F (MessageBoxTest, ShowsItsTextsAndReportsThePressedButton)
{
    for (const auto& c : cases())
    {
        SCOPED_TRACE (c.name);
        RecordingLookAndFeel ownerLookAndFeel;
        juce::Component owner;
        owner.setLookAndFeel (&ownerLookAndFeel);

        std::vector<int> results;
        c.open (c.associated ? &owner : nullptr, [&results] (int result) { results.push_back (result); });

        auto& recorder = c.associated ? ownerLookAndFeel : defaultLookAndFeel;
        ASSERT_EQ (recorder.requests.size(), 1u);
        ASSERT_EQ ((c.associated ? defaultLookAndFeel : ownerLookAndFeel).requests.size(), 0u);
        const auto& request = recorder.requests.front();
        EXPECT_EQ (request.title, c.title);
        EXPECT_EQ (request.message, c.message);
        EXPECT_EQ (request.icon, c.icon);
        EXPECT_EQ (request.buttons, c.buttons);
        EXPECT_EQ (request.associated, c.associated ? &owner : nullptr);

        auto* alert = modalAlert();
        ASSERT_NE (alert, nullptr);
        EXPECT_EQ (alert->getName(), c.title);
        EXPECT_EQ (alert->getAlertType(), c.icon);
        const auto buttons = buttonsOf (*alert);
        EXPECT_EQ (textsOf (buttons), c.buttons);
        EXPECT_TRUE (results.empty());

        const auto pressed = std::find_if (buttons.begin(), buttons.end(),
                                           [&c] (auto* button) { return button->getButtonText() == c.press; });
        ASSERT_NE (pressed, buttons.end());
        (*pressed)->triggerClick();

        EXPECT_TRUE (pumpUntil ([] { return juce::ModalComponentManager::getInstance()->getNumModalComponents() == 0; }));
        pumpMessages (20);
        EXPECT_EQ (results, c.result ? std::vector<int> { *c.result } : std::vector<int> {});

        defaultLookAndFeel.requests.clear();
        owner.setLookAndFeel (nullptr);
    }
}

// Closing a yes/no box by its Escape key or the window's close request must read as NO.
TEST_F (MessageBoxTest, DismissingAYesNoBoxIsNo)
{
    struct Dismissal
    {
        const char* name;
        std::function<void (juce::Component&)> dismiss;
    };
    for (const auto& d : { Dismissal { "escape", [] (auto& alert) { alert.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey)); } },
                           Dismissal { "close", [] (auto& alert) { alert.userTriedToCloseWindow(); } } })
    {
        SCOPED_TRACE (d.name);
        std::vector<int> results;
        Tavori::MessageBox::askReplacePreset ("Init", nullptr, [&results] (int result) { results.push_back (result); });
        auto* alert = modalAlert();
        ASSERT_NE (alert, nullptr);

        d.dismiss (*alert);
        EXPECT_TRUE (pumpUntil ([&results] { return ! results.empty(); }));
        EXPECT_EQ (results, std::vector<int> { 1 });
        EXPECT_TRUE (pumpUntil ([] { return juce::ModalComponentManager::getInstance()->getNumModalComponents() == 0; }));
    }
}
