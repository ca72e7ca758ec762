#include "tesvik/program/SettingsChecks.h"

#include "common/AsciiCase.h"

namespace tesvik::program {

namespace {

bool isStrokeKeyCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    return end - at;
}

bool isAllowedHotKeyKey(std::uint8_t vk) { return vk == 0 || (vk >= 0x41 && vk <= 0x5A) || (vk >= 0x30 && vk <= 0x39); }

}  // namespace

std::uint8_t hotKeyControlModifiers(std::uint8_t modifiers) {
    const std::uint8_t combination = modifiers & (kHotKeyShift | kHotKeyControl | kHotKeyAlt);
    const bool valid = combination == kHotKeyControl || combination == (kHotKeyShift | kHotKeyAlt) ||
                       combination == (kHotKeyShift | kHotKeyControl | kHotKeyAlt);
    if (valid) return modifiers;
    return static_cast<std::uint8_t>((modifiers & kHotKeyExtended) | kHotKeyControl);
}

std::optional<StrokeKeysRefusal> checkStrokeKeyCharacters(std::string_view text) {
    std::size_t characterIndex = 0;
    for (std::size_t at = 0; at < text.size(); ++characterIndex) {
        const std::size_t length = utf8SequenceLength(text, at);
        if (length != 1 || !isStrokeKeyCharacter(lumenar::asciiLower(text[at]))) {
            return StrokeKeysRefusal{message(MessageId::StrokeKeyCharacterInvalid), characterIndex, at, length};
        }
        at += length;
    }
    return std::nullopt;
}

lumenar::Result<ConfirmedInput, SettingsRefusal> checkSettingsConfirmation(HotKey hotKey, std::string_view strokeKeys) {
    using CheckResult = lumenar::Result<ConfirmedInput, SettingsRefusal>;
    if (!isAllowedHotKeyKey(hotKey.virtualKey)) {
        return CheckResult::failure({message(MessageId::HotKeyNotAllowed), SettingsField::HotKey, std::nullopt});
    }
    if (auto refused = checkStrokeKeyCharacters(strokeKeys)) {
        return CheckResult::failure({refused->message, SettingsField::StrokeKeys, refused});
    }
    if (strokeKeys.size() < 5) {
        return CheckResult::failure({message(MessageId::StrokeKeysNeedFive), SettingsField::StrokeKeys, std::nullopt});
    }
    std::string lower(strokeKeys);
    for (char& c : lower) c = lumenar::asciiLower(c);
    return ConfirmedInput{hotKey, std::move(lower)};
}

}  // namespace tesvik::program
