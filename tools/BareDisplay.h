#pragma once

#include <X11/Xlib.h>

// JUCE installs its own X error handler only in applications; other programs keep Xlib's
// default one, which ends the process on the first error. A bare virtual display has no
// window manager, and JUCE reads window-manager properties that then do not exist. Those
// errors are harmless: ignore them.
inline void ignoreBareDisplayErrors()
{
    XSetErrorHandler ([] (Display*, XErrorEvent*) { return 0; });
}
