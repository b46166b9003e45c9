#pragma once

#include <gtest/gtest.h>
#include <Tavori_gui/Tavori_gui.h>

#include <functional>

// Pixel helpers for the toolkit tests: everything is drawn into a transparent image
// and judged by its coverage (alpha) and colours.
namespace ToolkitTest
{
// A look-and-feel installed on a component and taken off again before either goes.
class ScopedLookAndFeel
{
public:
    ScopedLookAndFeel (juce::Component& c, juce::LookAndFeel& lookAndFeel) : component (c) { component.setLookAndFeel (&lookAndFeel); }
    ~ScopedLookAndFeel() { component.setLookAndFeel (nullptr); }

private:
    juce::Component& component;
};

inline juce::Image render (int width, int height, const std::function<void (juce::Graphics&)>& paint, float scale = 1.0f)
{
    juce::Image image (juce::Image::ARGB, juce::roundToInt ((float) width * scale),
                       juce::roundToInt ((float) height * scale), true, juce::SoftwareImageType());
    juce::Graphics g (image);
    g.addTransform (juce::AffineTransform::scale (scale));
    paint (g);
    return image;
}

inline juce::Image snapshot (juce::Component& component)
{
    return render (component.getWidth(), component.getHeight(),
                   [&] (juce::Graphics& g) { component.paintEntireComponent (g, false); });
}

// A drawable placed like a DrawableButton image, scaled to fit a size x size square.
inline juce::Image renderDrawable (const juce::Drawable& drawable, int size)
{
    return render (size, size, [&] (juce::Graphics& g) {
        drawable.drawWithin (g, { (float) size, (float) size }, juce::RectanglePlacement::centred, 1.0f);
    });
}

inline float alphaAt (const juce::Image& image, int x, int y)
{
    return image.getPixelAt (x, y).getFloatAlpha();
}

// Sum of the alpha of the pixels whose centre passes the filter: the covered area in pixels.
inline double coveredArea (const juce::Image& image, const std::function<bool (float, float)>& where = {})
{
    double area = 0.0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (! where || where ((float) x + 0.5f, (float) y + 0.5f))
                area += alphaAt (image, x, y);
    return area;
}

// The smallest rectangle holding every pixel that is not fully transparent.
inline juce::Rectangle<int> paintedBounds (const juce::Image& image)
{
    juce::Rectangle<int> bounds;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt (x, y).getAlpha() > 0)
                bounds = bounds.isEmpty() ? juce::Rectangle<int> (x, y, 1, 1) : bounds.getUnion ({ x, y, 1, 1 });
    return bounds;
}

// The most opaque pixel among those whose centre passes the filter.
inline juce::Colour mostOpaquePixel (const juce::Image& image, const std::function<bool (float, float)>& where = {})
{
    juce::Colour best = juce::Colours::transparentBlack;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (! where || where ((float) x + 0.5f, (float) y + 0.5f))
                if (image.getPixelAt (x, y).getAlpha() > best.getAlpha())
                    best = image.getPixelAt (x, y);
    return best;
}

inline bool sameImage (const juce::Image& a, const juce::Image& b)
{
    if (a.getBounds() != b.getBounds())
        return false;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                return false;
    return true;
}

// Pixels are stored premultiplied, so a translucent colour reads back within a step or two.
inline testing::AssertionResult coloursMatch (juce::Colour actual, juce::Colour expected, int tolerance = 2)
{
    const auto near = [tolerance] (int a, int b) { return std::abs (a - b) <= tolerance; };
    if (near (actual.getAlpha(), expected.getAlpha()) && near (actual.getRed(), expected.getRed())
        && near (actual.getGreen(), expected.getGreen()) && near (actual.getBlue(), expected.getBlue()))
        return testing::AssertionSuccess();

    return testing::AssertionFailure() << "colour " << actual.toString() << " is not " << expected.toString();
}
} // namespace ToolkitTest
