#pragma once
// The desktop around the program: which window of another program is active,
// and typing a character into it. The X11 side implements it; tests use fakes.
#include <cstdint>

namespace platform {

using WindowId = std::uint64_t;  // 0: none

class TargetDesktop {
public:
    virtual ~TargetDesktop() = default;
    // The active window; 0 when there is none or when its id no longer exists.
    virtual WindowId activeWindow() = 0;
    // The id names an existing window.
    virtual bool isWindow(WindowId window) = 0;
    // Activates the window and waits (bounded) until it is active and has
    // the input focus; false when it did not get there.
    virtual bool activate(WindowId window) = 0;
    // Types one Unicode scalar into the window that has the focus; false when
    // it could not be typed. Modifier keys still held are released first and
    // a held Enter or Space (the key that picked the character) is waited for
    // (bounded), so that neither reaches the target.
    virtual bool typeCharacter(char32_t codePoint) = 0;
    // Work left for later by typeCharacter (restoring temporary key
    // bindings once typing has paused). Never blocks; call it regularly
    // (OutputService::trackForeground does, every 250 ms).
    virtual void processPendingWork() {}
    // Undoes everything left for later now (at exit).
    virtual void shutdown() {}
};

}  // namespace platform
