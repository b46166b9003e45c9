namespace Tavori::Button
{
Hamburger::Hamburger() : juce::DrawableButton ({}, ImageFitted)
{
    const juce::String bars = R"(<rect x="0.005" y="0" width="19.99" height="3.448" rx="0.69"/>)"
                              R"(<rect x="0.005" y="8.276" width="19.99" height="3.448" rx="0.69"/>)"
                              R"(<rect x="0.005" y="16.552" width="19.99" height="3.448" rx="0.69"/>)";
    const auto images = Svg::tinted (20, 20, bars);
    Svg::setImages (*this, images, images);
}
} // namespace Tavori::Button
