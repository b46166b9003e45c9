// JUCE installs its own X error handler only in applications; a test program keeps Xlib's
// default one, which ends the process on the first error. On a bare virtual display there is
// no window manager, and JUCE reads window-manager properties that then do not exist, so the
// first window a test opens would end the run. Such errors are harmless here: ignore them.
#include <X11/Xlib.h>

namespace
{
int ignoreXError (Display*, XErrorEvent*)
{
    return 0;
}

const auto previousHandler = XSetErrorHandler (ignoreXError);
} // namespace
