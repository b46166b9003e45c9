#pragma once

#include "widgets/Tavori4StateButton.h"

// A four-frame button that stands for a three-pole switch; the frames mean off, off pressed,
// on and on pressed.
class Tavori4StateButton3PDT : public Tavori4StateButton
{
public:
    using Tavori4StateButton::Tavori4StateButton;
};
