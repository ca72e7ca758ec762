#pragma once
// The show/hide hot key's toggle: clear at start; a press shows the main
// window when it is clear and hides it when it is set, then inverts it. It
// does not follow the window's real visibility: on a window that is already
// visible the first press shows it (no change) and the second hides it.
namespace tesvik::program {

enum class HotKeyAction { Show, Hide };

class HotKeyToggle {
public:
    HotKeyAction press() {
        const HotKeyAction action = set_ ? HotKeyAction::Hide : HotKeyAction::Show;
        set_ = !set_;
        return action;
    }
    bool isSet() const { return set_; }

private:
    bool set_ = false;
};

}  // namespace tesvik::program
