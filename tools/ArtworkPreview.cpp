#include "tools/ArtworkPreview.h"

#include "tools/ArtworkLayout.h"

namespace
{
constexpr double previewValue = 0.5;
constexpr int switchOnFrame = 2;
} // namespace

ArtworkPreview::ArtworkPreview (const juce::Image& b, const juce::Image& s, const juce::Image& h)
    : background (b), switchStrip (s), handle (h)
{
}

juce::Image ArtworkPreview::render() const
{
    return halve (renderFullSize());
}

// The handle goes where the fader puts it for the value; the switch frame is copied 1:1.
juce::Image ArtworkPreview::renderFullSize() const
{
    juce::Image image (juce::Image::RGB, background.getWidth(), background.getHeight(), true);
    juce::Graphics g (image);
    g.drawImageAt (background, 0, 0);

    const int handleY = juce::roundToInt ((ArtworkLayout::faderHeight - handle.getHeight()) * (1.0 - previewValue));
    for (const auto& slot : ArtworkLayout::faderSlots)
        g.drawImageAt (handle, slot.x, ArtworkLayout::faderTop + handleY);

    const auto frame = ArtworkLayout::switchBounds;
    g.drawImage (switchStrip, frame.getX(), frame.getY(), frame.getWidth(), frame.getHeight(), 0,
                 switchOnFrame * frame.getHeight(), frame.getWidth(), frame.getHeight());
    return image;
}

juce::Image ArtworkPreview::renderSwitchStates() const
{
    const auto frame = ArtworkLayout::switchBounds;
    juce::Image image (juce::Image::RGB, frame.getWidth() * ArtworkLayout::switchFrames, frame.getHeight(), true);
    juce::Graphics g (image);
    for (int index = 0; index < ArtworkLayout::switchFrames; ++index)
    {
        const int x = index * frame.getWidth();
        g.drawImage (background, x, 0, frame.getWidth(), frame.getHeight(), frame.getX(), frame.getY(),
                     frame.getWidth(), frame.getHeight());
        g.drawImage (switchStrip, x, 0, frame.getWidth(), frame.getHeight(), 0, index * frame.getHeight(),
                     frame.getWidth(), frame.getHeight());
    }
    return image;
}

// Averages each 2 x 2 block, which is what a good half-size scaling comes to.
juce::Image ArtworkPreview::halve (const juce::Image& image)
{
    juce::Image half (juce::Image::RGB, image.getWidth() / 2, image.getHeight() / 2, false);
    const juce::Image::BitmapData source (image, juce::Image::BitmapData::readOnly);
    juce::Image::BitmapData target (half, juce::Image::BitmapData::writeOnly);

    for (int y = 0; y < half.getHeight(); ++y)
    {
        for (int x = 0; x < half.getWidth(); ++x)
        {
            int red = 0, green = 0, blue = 0;
            for (int dy = 0; dy < 2; ++dy)
            {
                for (int dx = 0; dx < 2; ++dx)
                {
                    const auto colour = source.getPixelColour (2 * x + dx, 2 * y + dy);
                    red += colour.getRed();
                    green += colour.getGreen();
                    blue += colour.getBlue();
                }
            }
            target.setPixelColour (x, y, juce::Colour ((juce::uint8) ((red + 2) / 4), (juce::uint8) ((green + 2) / 4),
                                                       (juce::uint8) ((blue + 2) / 4)));
        }
    }
    return half;
}
