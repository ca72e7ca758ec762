#pragma once
// Catches the X errors of one connection for the length of a scope. Xlib's
// default handler ends the process on any error, and an error is the normal
// answer about a window that another program has just destroyed. The
// previous handler keeps the errors of other connections.
#include <X11/Xlib.h>

namespace platform {

class X11ErrorTrap {
public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits for the server to answer every request so far; true when one of
    // them failed since the trap was set.
    bool failed();
    // The code of the first error caught (Success when none).
    unsigned char errorCode();

private:
    Display* display_;
    XErrorHandler previousHandler_;
    X11ErrorTrap* outerTrap_;
    unsigned char errorCode_ = Success;

    static int handle(Display* display, XErrorEvent* event);
    static X11ErrorTrap* current_;
};

}  // namespace platform
