namespace Tavori::Button
{
Prev::Prev() : juce::DrawableButton ({}, ImageFitted)
{
    const auto images = Svg::leftArrow();
    Svg::setImages (*this, images, images);
}
} // namespace Tavori::Button
