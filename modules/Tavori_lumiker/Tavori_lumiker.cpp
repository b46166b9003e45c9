#include "Tavori_lumiker.h"
