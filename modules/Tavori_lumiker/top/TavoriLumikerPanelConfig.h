#pragma once

namespace Tavori::Lumiker::Panel
{
// What differs between products using the top bar.
struct PanelConfig
{
    bool showGear = true;
    bool showFftCredit = false; // one more credit line in the about box
    int width = 530;            // the editor's base size, for the size menu
    int height = 650;
};
} // namespace Tavori::Lumiker::Panel
