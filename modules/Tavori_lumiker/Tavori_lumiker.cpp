#include "Tavori_lumiker.h"

#include "list/TavoriListFileSorter.cpp"
#include "list/TavoriListCreateNewSubMenu.cpp"
#include "menu/TavoriLumikerMenuActions.cpp"
