namespace Tavori::Button
{
Copy::Copy() : juce::DrawableButton ({}, ImageFitted)
{
    // The arrow shows the copy direction between the A and B channels.
    Svg::setImages (*this, Svg::rightArrow(), Svg::leftArrow());
}
} // namespace Tavori::Button
