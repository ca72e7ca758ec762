#pragma once

#include "pelorin/fonts/FontMessages.h"

namespace pelorin::fonts {

// The system's EUDC switch, turned off before and on after every change of
// an EUDC link so that the change takes effect.
class EudcSwitch {
public:
    virtual ~EudcSwitch() = default;
    // False when the switch cannot be found; links are then not changed.
    virtual bool available() const = 0;
    virtual void turnOff() = 0;
    // What goes wrong in making the links take effect is shown on the
    // messages of the change's caller.
    virtual void turnOn(MessageSink& messages) = 0;
};

}  // namespace pelorin::fonts
