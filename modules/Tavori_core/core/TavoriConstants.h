#pragma once

namespace Tavori
{
inline constexpr const char* projectName = "LumikerWhirlane";
inline constexpr const char* companyName = "Tavori";
inline constexpr const char* versionString = "1.0.0";

namespace Lumiker::Whirlane
{
    inline constexpr const char* extension = "lwhlp";
}

// Names used in the preset and state documents.
namespace ID
{
    inline constexpr const char* miscellaneous = "MISCELLANEOUS";
    inline constexpr const char* id = "id";
    inline constexpr const char* value = "value";
    inline constexpr const char* view = "VIEW";
    inline constexpr const char* scale = "SCALE";
} // namespace ID
} // namespace Tavori
