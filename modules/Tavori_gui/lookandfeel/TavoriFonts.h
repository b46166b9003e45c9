#pragma once

#include <TavoriFontData.h>

// The embedded Open Sans faces. A font takes its height (and kerning) from whoever
// builds it: juce::Font (Tavori::Fonts::OpenSansRegular).withHeight (14.0f).
namespace Tavori::Fonts
{
inline const char* const& OpenSansMedium_ttf = TavoriFontData::OpenSansMedium_ttf;
inline const char* const& OpenSansRegular_ttf = TavoriFontData::OpenSansRegular_ttf;
inline const char* const& OpenSansSemiBold_ttf = TavoriFontData::OpenSansSemiBold_ttf;
inline const char* const& OpenSansBold_ttf = TavoriFontData::OpenSansBold_ttf;

inline constexpr int OpenSansMedium_ttfSize = TavoriFontData::OpenSansMedium_ttfSize;
inline constexpr int OpenSansRegular_ttfSize = TavoriFontData::OpenSansRegular_ttfSize;
inline constexpr int OpenSansSemiBold_ttfSize = TavoriFontData::OpenSansSemiBold_ttfSize;
inline constexpr int OpenSansBold_ttfSize = TavoriFontData::OpenSansBold_ttfSize;

inline constexpr EmbeddedTypeface OpenSansMedium {
    EmbeddedTypeface::fromData<TavoriFontData::OpenSansMedium_ttf, TavoriFontData::OpenSansMedium_ttfSize>
};
inline constexpr EmbeddedTypeface OpenSansRegular {
    EmbeddedTypeface::fromData<TavoriFontData::OpenSansRegular_ttf, TavoriFontData::OpenSansRegular_ttfSize>
};
inline constexpr EmbeddedTypeface OpenSansSemiBold {
    EmbeddedTypeface::fromData<TavoriFontData::OpenSansSemiBold_ttf, TavoriFontData::OpenSansSemiBold_ttfSize>
};
inline constexpr EmbeddedTypeface OpenSansBold {
    EmbeddedTypeface::fromData<TavoriFontData::OpenSansBold_ttf, TavoriFontData::OpenSansBold_ttfSize>
};
} // namespace Tavori::Fonts
