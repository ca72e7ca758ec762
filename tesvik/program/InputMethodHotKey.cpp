#include "tesvik/program/InputMethodHotKey.h"

#include "tesvik/program/SettingsChecks.h"

namespace tesvik::program {

std::string inputMethodKeyString(std::uint32_t virtualKey, std::uint32_t hotKeyModifiers) {
    const std::uint32_t key = virtualKey & 0xFF;
    const bool letter = key >= 'A' && key <= 'Z';
    const bool digit = key >= '0' && key <= '9';
    if (!letter && !digit) return {};
    std::string text;
    if (hotKeyModifiers & kHotKeyControl) text += "Control+";
    if (hotKeyModifiers & kHotKeyAlt) text += "Alt+";
    if (hotKeyModifiers & kHotKeyShift) text += "Shift+";
    if (text.empty()) return {};
    return text + static_cast<char>(key);
}

}  // namespace tesvik::program
