/*******************************************************************************
 BEGIN_JUCE_MODULE_DECLARATION

  ID:                 Tavori_animation
  vendor:             Tavori
  version:            1.0.0
  name:               Tavori animation
  description:        Film-strip and scrolling-text components of Tavori plug-ins.
  license:            Proprietary
  minimumCppStandard: 17

  dependencies:       juce_gui_basics

 END_JUCE_MODULE_DECLARATION
*******************************************************************************/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "animation/TavoriAnimationStrip.h"
#include "animation/TavoriScrollingString.h"
#include "animation/TavoriLogo.h"
