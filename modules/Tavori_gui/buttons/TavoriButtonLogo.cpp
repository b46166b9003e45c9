namespace Tavori::Button
{
namespace
{
    // Three slanted parallelogram blades turning about (15, 15). Each is cut along a
    // diagonal into a lit and a shaded facet; the lit one is drawn over the whole
    // blade, so no seam shows between the two.
    struct Blade
    {
        const char* outline;
        const char* litFacet;
    };

    constexpr Blade logoBlades[] = {
        { "12.49,12.58 15.37,2.72 20.49,2.72 17.6,12.58", "12.49,12.58 15.37,2.72 20.49,2.72" },
        { "18.35,14.03 25.44,21.46 22.89,25.89 15.79,18.46", "18.35,14.03 25.44,21.46 22.89,25.89" },
        { "14.16,18.39 4.18,20.81 1.63,16.39 11.61,13.96", "14.16,18.39 4.18,20.81 1.63,16.39" },
    };

    juce::String polygon (const char* points, const juce::String& fill)
    {
        return "<polygon points=\"" + juce::String (points) + "\" fill=\"" + fill + "\"/>";
    }

    // Fills of the lit and shaded facets, blade by blade.
    juce::String facets (const std::array<const char*, 6>& fills)
    {
        juce::String shapes;
        for (size_t i = 0; i < std::size (logoBlades); ++i)
            shapes << polygon (logoBlades[i].outline, fills[2 * i + 1]) << polygon (logoBlades[i].litFacet, fills[2 * i]);
        return shapes;
    }

    juce::String outlines()
    {
        juce::String shapes;
        for (const auto& blade : logoBlades)
            shapes << polygon (blade.outline, "none");
        return shapes;
    }
} // namespace

Logo::Logo() : juce::DrawableButton ({}, ImageFitted)
{
    const auto frame = Svg::background (30, 30);
    const auto stroke = "stroke=\"#" + Colours::graniteGray.toDisplayString (false) + "\" stroke-width=\"1\"";
    const auto warm = facets ({ "rgb(240,85,43)", "rgb(208,60,40)", "rgb(223,72,42)",
                                "rgb(175,41,36)", "rgb(208,60,40)", "rgb(168,38,35)" });
    const auto grey = facets ({ "rgb(204,204,204)", "rgb(148,148,148)", "rgb(184,184,184)",
                                "rgb(117,117,117)", "rgb(161,161,161)", "rgb(102,102,102)" });
    // Pressed: 12 % smaller towards the centre.
    const juce::String shrunk = R"svg(transform="matrix(0.88 0 0 0.88 1.8 1.8)")svg";

    const Svg::Images images {
        Svg::document (30, 30, frame + Svg::group (stroke, outlines())),
        Svg::document (30, 30, frame + warm),
        Svg::document (30, 30, frame + Svg::group (shrunk, grey)),
    };
    Svg::setImages (*this, images, images);
}
} // namespace Tavori::Button
