#include "platform/x11/X11ErrorTrap.h"

namespace platform {

X11ErrorTrap* X11ErrorTrap::current_ = nullptr;

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display), outerTrap_(current_) {
    // Errors of requests made before the trap belong to whoever made them.
    XSync(display_, False);
    current_ = this;
    previousHandler_ = XSetErrorHandler(&X11ErrorTrap::handle);
}

X11ErrorTrap::~X11ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previousHandler_);
    current_ = outerTrap_;
}

bool X11ErrorTrap::failed() { return errorCode() != Success; }

unsigned char X11ErrorTrap::errorCode() {
    XSync(display_, False);
    return errorCode_;
}

int X11ErrorTrap::handle(Display* display, XErrorEvent* event) {
    for (X11ErrorTrap* trap = current_; trap; trap = trap->outerTrap_) {
        if (trap->display_ == display) {
            if (trap->errorCode_ == Success) trap->errorCode_ = event->error_code;
            return 0;
        }
    }
    // The outermost trap's previous handler is the program's own.
    XErrorHandler previous = nullptr;
    for (X11ErrorTrap* trap = current_; trap; trap = trap->outerTrap_) previous = trap->previousHandler_;
    return previous ? previous(display, event) : 0;
}

}  // namespace platform
