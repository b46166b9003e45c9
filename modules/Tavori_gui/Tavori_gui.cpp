#include "Tavori_gui.h"

#include "lookandfeel/TavoriColours.cpp"
#include "lookandfeel/TavoriLookAndFeel.cpp"

#include "knob/TavoriKnob.cpp"
#include "knob/TavoriKnobLookAndFeelLR.cpp"
