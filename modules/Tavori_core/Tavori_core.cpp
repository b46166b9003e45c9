#include "Tavori_core.h"

#include "core/TavoriDirectory.cpp"
