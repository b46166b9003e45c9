#pragma once

namespace Tavori
{
template <typename T>
inline constexpr T phi = static_cast<T> (1.61803398874989484820L);

template <typename T>
inline constexpr T pi = static_cast<T> (3.14159265358979323846L);

namespace Size
{
    inline constexpr float pluginName = 24.0f;
    inline constexpr float aboutBoxFont = 16.0f;
    inline constexpr float aboutBoxSmallFont = 12.0f;
    inline constexpr float aboutBoxFormInfo = 20.0f;
    inline constexpr int spacer = 5;
} // namespace Size
} // namespace Tavori
