/*******************************************************************************
 BEGIN_JUCE_MODULE_DECLARATION

  ID:                 Tavori_core
  vendor:             Tavori
  version:            1.0.0
  name:               Tavori core
  description:        Product constants and the folder table of Tavori plug-ins.
  license:            Proprietary
  minimumCppStandard: 17

  dependencies:       juce_core

 END_JUCE_MODULE_DECLARATION
*******************************************************************************/

#pragma once

#include <juce_core/juce_core.h>

#include "core/TavoriConstants.h"
#include "core/TavoriCredits.h"
#include "core/TavoriNoteDivisions.h"
#include "core/TavoriDirectory.h"
