namespace Tavori::Button
{
Next::Next() : juce::DrawableButton ({}, ImageFitted)
{
    const auto images = Svg::rightArrow();
    Svg::setImages (*this, images, images);
}
} // namespace Tavori::Button
