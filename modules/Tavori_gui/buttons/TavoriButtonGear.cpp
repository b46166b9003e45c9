namespace Tavori::Button
{
Gear::Gear() : juce::DrawableButton ({}, ImageFitted)
{
    // Eight teeth reaching radius 11 about (15, 15), with a hole of radius 4.
    const juce::String cog = R"(<path fill-rule="evenodd" d="M12.99,6.95 L13.37,4.12 L16.63,4.12 L17.01,6.95)"
                             R"( L19.27,7.89 L21.54,6.16 L23.84,8.46 L22.11,10.73 L23.05,12.99 L25.88,13.37)"
                             R"( L25.88,16.63 L23.05,17.01 L22.11,19.27 L23.84,21.54 L21.54,23.84 L19.27,22.11)"
                             R"( L17.01,23.05 L16.63,25.88 L13.37,25.88 L12.99,23.05 L10.73,22.11 L8.46,23.84)"
                             R"( L6.16,21.54 L7.89,19.27 L6.95,17.01 L4.12,16.63 L4.12,13.37 L6.95,12.99)"
                             R"( L7.89,10.73 L6.16,8.46 L8.46,6.16 L10.73,7.89 Z)"
                             R"( M19,15 A4,4 0 1,0 11,15 A4,4 0 1,0 19,15 Z"/>)";
    const auto frame = Svg::background (30, 30);
    const Svg::Images images {
        Svg::document (30, 30, frame + Svg::group (Svg::normalFill(), cog)),
        Svg::document (30, 30, frame + Svg::group (Svg::overFill() + R"svg( transform="rotate(22.5 15 15)")svg", cog)),
        Svg::document (30, 30, frame + Svg::group (Svg::downFill(), cog)),
    };
    Svg::setImages (*this, images, images);
}
} // namespace Tavori::Button
