#include "platform/x11/HotKeyBinding.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// The hot key control's modifier bits, as the settings store them.
constexpr std::uint8_t kHotKeyShift = 0x01;
constexpr std::uint8_t kHotKeyControl = 0x02;
constexpr std::uint8_t kHotKeyAlt = 0x04;
constexpr std::uint8_t kHotKeyExtended = 0x08;

struct BindingCase {
    std::uint8_t virtualKey;
    std::uint8_t modifiers;
    std::optional<HotKeyBinding> expected;
};

TEST(HotKeyBinding, StoredKeyAndFlagToKeysymAndMask) {
    const BindingCase cases[] = {
        {'A', kHotKeyControl, HotKeyBinding{'a', kXControlMask}},
        {'Z', kHotKeyShift | kHotKeyAlt, HotKeyBinding{'z', kXShiftMask | kXMod1Mask}},
        {'0', kHotKeyControl | kHotKeyAlt, HotKeyBinding{'0', kXControlMask | kXMod1Mask}},
        {'9', kHotKeyShift | kHotKeyControl | kHotKeyAlt, HotKeyBinding{'9', kXShiftMask | kXControlMask | kXMod1Mask}},
        {'Q', 3, HotKeyBinding{'q', kXControlMask | kXShiftMask}},  // Flag 3: Ctrl+Shift
        {'Q', 4, HotKeyBinding{'q', kXMod1Mask}},                   // Flag 4: Alt
        {'Q', kHotKeyControl | kHotKeyExtended, HotKeyBinding{'q', kXControlMask}},
        {'Q', 0, std::nullopt},
        {'Q', kHotKeyExtended, std::nullopt},
        {0, kHotKeyControl, std::nullopt},
        {'a', kHotKeyControl, std::nullopt},   // not a virtual key of a letter
        {0x70, kHotKeyControl, std::nullopt},  // F1
        {'@', kHotKeyControl, std::nullopt},
        {'[', kHotKeyControl, std::nullopt},
    };
    for (const BindingCase& c : cases)
        EXPECT_EQ(hotKeyBinding(c.virtualKey, c.modifiers), c.expected) << int(c.virtualKey) << '/' << int(c.modifiers);
}

}  // namespace
}  // namespace platform
