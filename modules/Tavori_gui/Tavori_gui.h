/*******************************************************************************
 BEGIN_JUCE_MODULE_DECLARATION

  ID:                 Tavori_gui
  vendor:             Tavori
  version:            1.0.0
  name:               Tavori GUI toolkit
  description:        Look-and-feel, colours, fonts, knob, icon buttons and message boxes of Tavori plug-ins.
  license:            Proprietary
  minimumCppStandard: 17

  dependencies:       juce_gui_basics Tavori_core

 END_JUCE_MODULE_DECLARATION
*******************************************************************************/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>
#include <Tavori_core/Tavori_core.h>

#include "lookandfeel/TavoriColours.h"
#include "lookandfeel/TavoriEmbeddedTypefaceStore.h"
#include "lookandfeel/TavoriEmbeddedTypeface.h"
#include "lookandfeel/TavoriFonts.h"
#include "lookandfeel/TavoriSize.h"
#include "lookandfeel/TavoriKeyboardInputFilter.h"
#include "lookandfeel/TavoriLookAndFeel.h"

#include "knob/TavoriKnob.h"
#include "knob/TavoriKnobLookAndFeelLR.h"

#include "buttons/TavoriButtonSvg.h"
#include "buttons/TavoriButtonLogo.h"
#include "buttons/TavoriButtonHamburger.h"
#include "buttons/TavoriButtonPrev.h"
#include "buttons/TavoriButtonNext.h"
#include "buttons/TavoriButtonCopy.h"
#include "buttons/TavoriButtonGear.h"

#include "messagebox/TavoriMessageBox.h"
