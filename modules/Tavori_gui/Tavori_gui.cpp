#include "Tavori_gui.h"
