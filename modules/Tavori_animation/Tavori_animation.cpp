#include "Tavori_animation.h"

#include "animation/TavoriAnimationStrip.cpp"
#include "animation/TavoriScrollingString.cpp"
#include "animation/TavoriLogo.cpp"
