#pragma once

// Building blocks of the icon buttons' SVG artwork.
namespace Tavori::Button::Svg
{
// The SVG texts of an icon's normal, mouse-over and pressed images.
struct Images
{
    juce::String normal, over, down;
};

// Fill attributes of the three states: grey, white, and grey at 0.4 while pressed.
juce::String normalFill();
juce::String overFill();
juce::String downFill();

// A width x height SVG document holding the given elements.
juce::String document (int width, int height, const juce::String& elements);

// The elements inside a group with the given attributes.
juce::String group (const juce::String& attributes, const juce::String& elements);

// A transparent rectangle over the whole document, so every state has the same bounds.
juce::String background (int width, int height);

// The same shapes in the three state fills.
Images tinted (int width, int height, const juce::String& shapes);

// The arrows of the preset browser, also used by the copy button.
Images leftArrow();
Images rightArrow();

// Null when the text is not SVG that JUCE can read.
std::unique_ptr<juce::Drawable> createDrawable (const juce::String& svgText);

// Installs the images; the toggled-on state shows the `on` images.
void setImages (juce::DrawableButton&, const Images& off, const Images& on);
} // namespace Tavori::Button::Svg
