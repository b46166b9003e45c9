namespace Tavori::Button::Svg
{
namespace
{
    juce::String fillOf (juce::Colour colour)
    {
        return "fill=\"#" + colour.toDisplayString (false) + "\"";
    }
} // namespace

juce::String normalFill()
{
    return fillOf (Colours::graniteGray);
}

juce::String overFill()
{
    return fillOf (juce::Colours::white);
}

juce::String downFill()
{
    return fillOf (Colours::graniteGray) + " fill-opacity=\"0.4\"";
}

juce::String document (int width, int height, const juce::String& elements)
{
    const auto w = juce::String (width);
    const auto h = juce::String (height);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h
           + "\" viewBox=\"0 0 " + w + " " + h + "\">" + elements + "</svg>";
}

juce::String group (const juce::String& attributes, const juce::String& elements)
{
    return "<g " + attributes + ">" + elements + "</g>";
}

juce::String background (int width, int height)
{
    return "<rect width=\"" + juce::String (width) + "\" height=\"" + juce::String (height) + "\" fill=\"none\"/>";
}

Images tinted (int width, int height, const juce::String& shapes)
{
    return { document (width, height, group (normalFill(), shapes)),
             document (width, height, group (overFill(), shapes)),
             document (width, height, group (downFill(), shapes)) };
}

Images leftArrow()
{
    return tinted (12, 14, R"(<polygon points="0.971,7 11.029,14 11.029,0"/>)");
}

Images rightArrow()
{
    auto images = tinted (12, 14, R"(<polygon points="11.029,7 0.971,14 0.971,0"/>)");
    // Pressed, the arrow sits flush with the left edge of a narrower image.
    images.down = document (11, 14, group (downFill(), R"(<polygon points="10.058,7 0,14 0,0"/>)"));
    return images;
}

std::unique_ptr<juce::Drawable> createDrawable (const juce::String& svgText)
{
    if (const auto xml = juce::parseXML (svgText))
        return juce::Drawable::createFromSVG (*xml);

    return nullptr;
}

void setImages (juce::DrawableButton& button, const Images& off, const Images& on)
{
    const auto normal = createDrawable (off.normal);
    const auto over = createDrawable (off.over);
    const auto down = createDrawable (off.down);
    const auto normalOn = createDrawable (on.normal);
    const auto overOn = createDrawable (on.over);
    const auto downOn = createDrawable (on.down);

    button.setImages (normal.get(), over.get(), down.get(), nullptr, normalOn.get(), overOn.get(), downOn.get(), nullptr);
}
} // namespace Tavori::Button::Svg
