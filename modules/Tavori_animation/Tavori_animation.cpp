#include "Tavori_animation.h"
