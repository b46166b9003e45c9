#include "Tavori_gui.h"

#include "lookandfeel/TavoriColours.cpp"
#include "lookandfeel/TavoriEmbeddedTypefaceStore.cpp"
#include "lookandfeel/TavoriLookAndFeel.cpp"

#include "knob/TavoriKnob.cpp"
#include "knob/TavoriKnobLookAndFeelLR.cpp"

#include "buttons/TavoriButtonSvg.cpp"
#include "buttons/TavoriButtonLogo.cpp"
#include "buttons/TavoriButtonHamburger.cpp"
#include "buttons/TavoriButtonPrev.cpp"
#include "buttons/TavoriButtonNext.cpp"
#include "buttons/TavoriButtonCopy.cpp"
#include "buttons/TavoriButtonGear.cpp"

#include "messagebox/TavoriMessageBox.cpp"
