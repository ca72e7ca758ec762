#pragma once
// The hot key as the X server knows it: the stored Windows virtual key and
// hot key control modifiers turned into a keysym and a modifier mask. Plain
// numbers, so that it stays free of X11 headers (the X11 side includes it).
#include <cstdint>
#include <optional>

namespace platform {

// X11 modifier mask bits.
inline constexpr std::uint32_t kXShiftMask = 1u << 0;
inline constexpr std::uint32_t kXControlMask = 1u << 2;
inline constexpr std::uint32_t kXMod1Mask = 1u << 3;  // Alt

struct HotKeyBinding {
    std::uint32_t keysym = 0;
    std::uint32_t modifierMask = 0;

    bool operator==(const HotKeyBinding&) const = default;
};

// A (A-Z) to the lower-case letter's keysym, 0-9 to the digit's; Shift,
// Ctrl and Alt to their masks (the extended-key bit has no meaning here).
// Nothing for another key or when no modifier is given.
constexpr std::optional<HotKeyBinding> hotKeyBinding(std::uint8_t virtualKey, std::uint8_t hotKeyModifiers) {
    std::uint32_t keysym = 0;
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        keysym = virtualKey - 'A' + 'a';
    } else if (virtualKey >= '0' && virtualKey <= '9') {
        keysym = virtualKey;
    } else {
        return std::nullopt;
    }
    std::uint32_t mask = 0;
    if (hotKeyModifiers & 0x01) mask |= kXShiftMask;
    if (hotKeyModifiers & 0x02) mask |= kXControlMask;
    if (hotKeyModifiers & 0x04) mask |= kXMod1Mask;
    if (mask == 0) return std::nullopt;
    return HotKeyBinding{keysym, mask};
}

}  // namespace platform
