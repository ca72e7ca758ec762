#pragma once
// A key combination that reaches the program whichever window has the focus.
#include <cstdint>

namespace platform {

class GlobalHotKey {
public:
    virtual ~GlobalHotKey() = default;
    // Windows virtual key (A-Z, 0-9) and hot key control modifier bits
    // (Shift 1, Ctrl 2, Alt 4). Replaces the combination held so far; false
    // when the combination is refused (then none is held).
    virtual bool grab(std::uint8_t virtualKey, std::uint8_t hotKeyModifiers) = 0;
    virtual void ungrab() = 0;
    // A descriptor that becomes readable when events arrive (watch it with a
    // socket notifier) ...
    virtual int eventDescriptor() const = 0;
    // ... then read how many presses of the combination arrived since the
    // last call. Holding the keys counts as one press. Events that other
    // calls have already read from the descriptor are counted too, so call
    // it also once after grab().
    virtual int takePresses() = 0;
};

}  // namespace platform
