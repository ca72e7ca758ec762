#pragma once

#include "common/Result.h"
#include "tesvik/messages/Messages.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tesvik::program {

// Modifier bits as the hot key control reports them.
inline constexpr std::uint8_t kHotKeyShift = 0x01;
inline constexpr std::uint8_t kHotKeyControl = 0x02;
inline constexpr std::uint8_t kHotKeyAlt = 0x04;
inline constexpr std::uint8_t kHotKeyExtended = 0x08;

struct HotKey {
    std::uint8_t virtualKey = 0;  // 0: no hot key
    std::uint8_t modifiers = 0;

    bool operator==(const HotKey&) const = default;
};

// The hot key control's rules: no modifier, Shift, Alt, Shift+Ctrl and
// Ctrl+Alt are replaced by Ctrl, so only Ctrl, Shift+Alt and Shift+Ctrl+Alt
// remain. The extended-key bit is kept.
std::uint8_t hotKeyControlModifiers(std::uint8_t modifiers);

// The control's packed value: virtual key in the low byte, modifiers in the high byte.
constexpr std::uint16_t packHotKey(HotKey k) { return static_cast<std::uint16_t>(k.virtualKey | (k.modifiers << 8)); }
constexpr HotKey unpackHotKey(std::uint16_t v) {
    return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
}

// Where a refused stroke-keys text goes wrong: the offending character is
// selected in the edit.
struct StrokeKeysRefusal {
    Message message;
    std::size_t characterIndex = 0;  // in characters (code points) from the start
    std::size_t byteOffset = 0;      // the same place in the UTF-8 text
    std::size_t byteLength = 0;      // the character's length in bytes

    bool operator==(const StrokeKeysRefusal&) const = default;
};

// The check made on every change of the stroke-keys edit: the first
// character that, lower-cased, is neither a to z nor 0 to 9 is refused.
std::optional<StrokeKeysRefusal> checkStrokeKeyCharacters(std::string_view text);

// The settings dialog's field that takes the focus after a refusal.
enum class SettingsField { HotKey, StrokeKeys };

struct SettingsRefusal {
    Message message;
    std::optional<SettingsField> focus;          // none: no field takes the focus
    std::optional<StrokeKeysRefusal> selection;  // for a refused character

    bool operator==(const SettingsRefusal&) const = default;
};

struct ConfirmedInput {
    HotKey hotKey;
    std::string strokeKeys;  // lower case

    bool operator==(const ConfirmedInput&) const = default;
};

// The checks of the dialog's confirmation, in order: the hot key's key
// (A to Z, 0 to 9 or none), the stroke keys' characters, and at least five
// stroke keys.
lumenar::Result<ConfirmedInput, SettingsRefusal> checkSettingsConfirmation(HotKey hotKey, std::string_view strokeKeys);

}  // namespace tesvik::program
