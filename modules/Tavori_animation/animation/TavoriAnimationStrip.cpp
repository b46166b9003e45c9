namespace Tavori::Animation
{
Strip::Strip (const juce::Image& sourceImage, const int& height)
    : image (sourceImage),
      frameWidth (sourceImage.getWidth()),
      frameHeight (height),
      numFrames (height > 0 ? sourceImage.getHeight() / height : 0)
{
    startTimerHz (framesPerSecond);
}

Strip::~Strip()
{
    stopTimer();
}

void Strip::setURL (const juce::String& address)
{
    url = address;
}

void Strip::paint (juce::Graphics& g)
{
    // A strip with a single frame has nothing to play.
    if (currentFrame < 1 || currentFrame >= numFrames)
        return;
    g.drawImage (image, 0, 0, getWidth(), getHeight(), 0, currentFrame * frameHeight, frameWidth, frameHeight);
}

void Strip::mouseDown (const juce::MouseEvent&)
{
    if (url.isNotEmpty())
        launch (juce::URL (url));
}

void Strip::launch (const juce::URL& address)
{
    address.launchInDefaultBrowser();
}

void Strip::timerCallback()
{
    if (isHolding)
        stepBackAfterHold();
    else
        stepForward();
    repaint();
}

// Holding starts with the tick that reaches the last frame.
void Strip::stepForward()
{
    holdCounter = 0;
    currentFrame = juce::jmin (currentFrame + 1, numFrames - 1);
    if (currentFrame + 1 >= numFrames)
        isHolding = true;
}

// The last frame stays for holdSeconds; then the strip runs back one frame a tick, and
// playing forward starts again from frame 1.
void Strip::stepBackAfterHold()
{
    const int holdTicks = holdSeconds * framesPerSecond;
    holdCounter = juce::jmin (holdCounter + 1, holdTicks);
    if (holdCounter < holdTicks)
        return;

    --currentFrame;
    if (currentFrame <= 1)
    {
        currentFrame = 1;
        isHolding = false;
    }
}
} // namespace Tavori::Animation
