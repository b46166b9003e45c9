#include "Tavori_lumiker.h"

#include "about/TavoriAboutLogoStrip.cpp"
#include "about/TavoriAboutDialogWindow.cpp"

#include "list/TavoriListFileSorter.cpp"
#include "list/TavoriListCreateNewSubMenu.cpp"
#include "menu/TavoriLumikerMenuActions.cpp"
