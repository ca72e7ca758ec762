#pragma once

namespace pelorin::fonts {

// The system's EUDC switch, turned off before and on after every change of
// an EUDC link so that the change takes effect.
class EudcSwitch {
public:
    virtual ~EudcSwitch() = default;
    // False when the switch cannot be found; links are then not changed.
    virtual bool available() const = 0;
    virtual void turnOff() = 0;
    virtual void turnOn() = 0;
};

}  // namespace pelorin::fonts
