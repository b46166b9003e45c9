#pragma once

namespace Tavori
{
inline constexpr const char* projectName = "LumikerWhirlane";
inline constexpr const char* companyName = "Tavori";
inline constexpr const char* versionString = "1.0.0";
// The name users see in dialogs and the about box.
inline constexpr const char* pluginName = "Lumiker Whirlane";

// The maker's web site, and its download page as the newer-version message spells it out.
namespace URL
{
    inline constexpr const char* website = "https://tavori.example";
    inline constexpr const char* download = "tavori.example/download";
} // namespace URL

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
