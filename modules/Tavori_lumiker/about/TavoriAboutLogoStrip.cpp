namespace Tavori::Lumiker::About
{
namespace
{
    juce::Image logoImage()
    {
        return juce::ImageCache::getFromMemory (Tavori::Animation::Logo::png, Tavori::Animation::Logo::pngSize);
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
