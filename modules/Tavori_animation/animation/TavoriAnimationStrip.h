#pragma once

namespace Tavori::Animation
{
// Plays a vertical film strip for as long as it exists: forward from frame 1 to the last
// frame, a rest there, back to frame 1, and forward again at once. Frame 0 is never shown.
// A click opens the web address given with setURL, if any.
class Strip : public juce::Component, public juce::Timer
{
public:
    // The image holds the frames stacked from the top, each frameHeight pixels high and as
    // wide as the image; frame 0 is a spare, so it takes two frames to show anything.
    Strip (const juce::Image& image, const int& frameHeight);
    ~Strip() override;

    void setURL (const juce::String& address);

    int getCurrentFrame() const noexcept { return currentFrame; }
    int getNumFrames() const noexcept { return numFrames; }

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& event) override;
    void timerCallback() override;

protected:
    // Opens the address in the system's browser.
    virtual void launch (const juce::URL& address);

private:
    void stepForward();
    void stepBackAfterHold();

    juce::Image image;
    int frameWidth;
    int frameHeight;
    int numFrames;
    int framesPerSecond = 24;
    int currentFrame = 1;
    int holdCounter = 0;
    bool isHolding = false;
    int holdSeconds = 9;
    juce::String url;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Strip)
};
} // namespace Tavori::Animation
