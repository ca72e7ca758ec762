#pragma once
// The show/hide hot key as the input method's addon takes it: the stored
// virtual key (A-Z, 0-9) and hot key control modifiers (Shift 1, Ctrl 2,
// Alt 4) as a key string such as "Control+Alt+Z".
#include <cstdint>
#include <string>

namespace tesvik::program {

// Empty (no hot key) for another key or when no modifier is given.
std::string inputMethodKeyString(std::uint32_t virtualKey, std::uint32_t hotKeyModifiers);

}  // namespace tesvik::program
