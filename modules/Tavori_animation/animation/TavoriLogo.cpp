#include <TavoriLogoData.h>

namespace Tavori::Animation::Logo
{
const char* const png = TavoriLogoData::logo_png;
const int pngSize = TavoriLogoData::logo_pngSize;
} // namespace Tavori::Animation::Logo
