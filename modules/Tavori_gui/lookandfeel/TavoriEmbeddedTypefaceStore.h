#pragma once

namespace Tavori::Fonts
{
// Keeps the typefaces made from embedded data until JUCE shuts down (the plug-in's last
// instance goes, or the application ends), so their glyph caches are released with JUCE's
// other shared objects and not left to static destruction.
class EmbeddedTypefaceStore : private juce::DeletedAtShutdown
{
public:
    // The typeface for this data, made on first use. Message thread only.
    static juce::Typeface::Ptr get (const char* data, int size);

private:
    EmbeddedTypefaceStore() = default;
    ~EmbeddedTypefaceStore() override;

    std::map<const char*, juce::Typeface::Ptr> typefaces;
    static EmbeddedTypefaceStore* instance;
};
} // namespace Tavori::Fonts
