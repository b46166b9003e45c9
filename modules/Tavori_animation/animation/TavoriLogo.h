#pragma once

// The maker's animated logo: a film strip of 37 frames of 240 x 240 pixels stacked from the
// top, as PNG data, for a Strip.
namespace Tavori::Animation::Logo
{
extern const char* const png;
extern const int pngSize;
inline constexpr int height = 240;
} // namespace Tavori::Animation::Logo
