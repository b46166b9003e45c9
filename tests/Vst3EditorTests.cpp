#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "tests/GuiTestSupport.h"
#include "tests/HostedWhirlane.h"

namespace
{
// The plug-in's window as a host shows it: the hosted editor on a desktop window.
std::unique_ptr<juce::AudioProcessorEditor> openEditor (juce::AudioPluginInstance& plugin)
{
    std::unique_ptr<juce::AudioProcessorEditor> editor (plugin.createEditor());
    if (editor != nullptr)
    {
        editor->addToDesktop (0);
        editor->setVisible (true);
        pumpMessages (50);
    }
    return editor;
}

// JUCE's hosting window answers an X resize event with an asynchronous call on itself;
// closing it before that call ran would leave the call pointing at a deleted window (in
// the host, not the plug-in). A host's event loop runs between a resize and a close; so
// does this.
void closeEditor (std::unique_ptr<juce::AudioProcessorEditor>& editor)
{
    pumpMessages (100);
    editor.reset();
}

// Processes blocks on its own thread for as long as it lives, like a host's audio thread.
class AudioThread
{
public:
    explicit AudioThread (HostedWhirlane& hostToRun) : host (hostToRun), thread ([this] { run(); }) {}

    ~AudioThread()
    {
        running = false;
        thread.join();
    }

    bool allFinite() const { return finite; }
    int blocks() const { return processed; }

private:
    void run()
    {
        juce::AudioBuffer<float> buffer (2, HostedWhirlane::blockSize);
        juce::Random random (7);
        while (running)
        {
            for (int c = 0; c < 2; ++c)
                for (int i = 0; i < buffer.getNumSamples(); ++i)
                    buffer.setSample (c, i, random.nextFloat() - 0.5f);
            host.process (buffer);
            for (int c = 0; c < 2; ++c)
                for (int i = 0; i < buffer.getNumSamples(); ++i)
                    if (! std::isfinite (buffer.getSample (c, i)))
                        finite = false;
            ++processed;
            std::this_thread::sleep_for (std::chrono::milliseconds (2));
        }
    }

    HostedWhirlane& host;
    std::atomic<bool> running { true };
    std::atomic<bool> finite { true };
    std::atomic<int> processed { 0 };
    std::thread thread;
};

class Vst3Editor : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (host->isLoaded()) << host->getLoadError().toStdString();
        ASSERT_TRUE (host->plugin().hasEditor());
        host->prepare();
    }

    std::unique_ptr<HostedWhirlane> host = std::make_unique<HostedWhirlane>();
};
} // namespace

TEST_F (Vst3Editor, OpensAndClosesRepeatedlyWhileAudioRuns)
{
    AudioThread audio (*host);
    for (int i = 0; i < 20; ++i)
    {
        auto editor = openEditor (host->plugin());
        ASSERT_NE (editor, nullptr) << "opening " << i;
        EXPECT_EQ (editor->getWidth(), 530) << "opening " << i;
        EXPECT_EQ (editor->getHeight(), 650) << "opening " << i;
        // Automation while the window is open.
        host->setParameter ("LWhl_000300", (float) i / 20.0f);
        closeEditor (editor);
    }
    EXPECT_GT (audio.blocks(), 20);
    EXPECT_TRUE (audio.allFinite());
}

TEST_F (Vst3Editor, HostResizesWithinTheLimitsAndTheSizeIsKept)
{
    auto editor = openEditor (host->plugin());
    ASSERT_NE (editor, nullptr);

    // The smallest height gives a width of 375.08 at the fixed ratio, which JUCE rounds up.
    const struct { int width, height, expectedWidth, expectedHeight; } cases[] = {
        { 795, 975, 795, 975 }, { 2000, 2000, 1060, 1300 }, { 300, 300, 376, 460 }, { 795, 975, 795, 975 }
    };
    for (const auto& c : cases)
    {
        editor->setSize (c.width, c.height);
        pumpMessages (30);
        EXPECT_EQ (editor->getWidth(), c.expectedWidth) << c.width << " x " << c.height;
        EXPECT_EQ (editor->getHeight(), c.expectedHeight) << c.width << " x " << c.height;
    }

    closeEditor (editor);
    editor = openEditor (host->plugin());
    EXPECT_EQ (editor->getWidth(), 795) << "reopens at the size it was left";
    EXPECT_EQ (editor->getHeight(), 975);

    // The scale travels with the host's saved state.
    juce::MemoryBlock state;
    host->plugin().getStateInformation (state);
    closeEditor (editor);
    HostedWhirlane other;
    ASSERT_TRUE (other.isLoaded());
    other.plugin().setStateInformation (state.getData(), (int) state.getSize());
    auto restored = openEditor (other.plugin());
    EXPECT_EQ (restored->getWidth(), 795);
    closeEditor (restored);
}

TEST_F (Vst3Editor, HostClosesWithTheWindowOpenAndAudioRunning)
{
    auto editor = openEditor (host->plugin());
    ASSERT_NE (editor, nullptr);
    {
        AudioThread audio (*host);
        host->setParameter ("LWhl_000800", 0.2f);
        pumpMessages (50);
    }
    // No time for the editor's timers or pending messages to run before everything goes.
    editor.reset();
    host.reset();
    pumpMessages (50);
    SUCCEED();
}
