namespace Tavori::Lumiker::About
{
namespace
{
    // Decoded each time, not through JUCE's image cache: the cache's timer could still be
    // going when a host unloads the plug-in.
    juce::Image logoImage()
    {
        return juce::ImageFileFormat::loadFrom (Tavori::Animation::Logo::png, (size_t) Tavori::Animation::Logo::pngSize);
    }
} // namespace

LogoStrip::LogoStrip()
    : Strip (logoImage(), Tavori::Animation::Logo::height),
      launcher ([] (const juce::URL& address) { address.launchInDefaultBrowser(); })
{
    setURL (Tavori::URL::website);
}

void LogoStrip::launch (const juce::URL& address)
{
    if (launcher != nullptr)
        launcher (address);
}
} // namespace Tavori::Lumiker::About
