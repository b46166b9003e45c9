#pragma once

namespace Tavori::Fonts
{
// One of the embedded faces, usable wherever a juce::Typeface::Ptr is wanted. The
// typeface is made from the embedded data on first use, not while static initialisers
// run: on Linux JUCE's font list reads XML through a string pool that may not exist yet.
class EmbeddedTypeface
{
public:
    using Maker = juce::Typeface::Ptr (*)();

    constexpr explicit EmbeddedTypeface (Maker makeTypeface) noexcept : maker (makeTypeface) {}

    juce::Typeface::Ptr get() const { return maker(); }
    operator juce::Typeface::Ptr() const { return get(); }
    juce::Typeface* operator->() const { return get().get(); }

    // Made once, then shared by every font built from it until JUCE shuts down.
    template <const char* const& data, int size>
    static juce::Typeface::Ptr fromData()
    {
        return EmbeddedTypefaceStore::get (data, size);
    }

private:
    Maker maker;
};
} // namespace Tavori::Fonts
