/*******************************************************************************
 BEGIN_JUCE_MODULE_DECLARATION

  ID:                 Tavori_lumiker
  vendor:             Tavori
  version:            1.0.0
  name:               Tavori Lumiker panels
  description:        Top bar, preset browser and menus, A/B page, settings strip, toggles and about box.
  license:            Proprietary
  minimumCppStandard: 17

  dependencies:       juce_gui_basics juce_audio_processors Tavori_core Tavori_gui Tavori_animation

 END_JUCE_MODULE_DECLARATION
*******************************************************************************/

#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>
#include <Tavori_core/Tavori_core.h>
#include <Tavori_gui/Tavori_gui.h>
#include <Tavori_animation/Tavori_animation.h>

#include "about/TavoriAboutLogoStrip.h"
#include "about/TavoriAboutDialogWindow.h"
#include "about/TavoriAboutContent.h"
#include "about/TavoriAboutBox.h"

#include "list/TavoriListFileSorter.h"
#include "list/TavoriListCreateNewSubMenu.h"
#include "list/TavoriListPreset.h"
#include "menu/TavoriLumikerMenuActions.h"
#include "menu/TavoriLumikerMenuLookAndFeel.h"
#include "menu/TavoriLumikerMenuPreset.h"
#include "page/TavoriPage.h"
#include "control/TavoriToggle.h"
#include "settings/TavoriWhirlaneSetting.h"
#include "top/TavoriLumikerPanelConfig.h"
#include "top/TavoriLumikerPanelTop.h"
