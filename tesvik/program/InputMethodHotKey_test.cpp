#include "tesvik/program/InputMethodHotKey.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

TEST(InputMethodKeyString, ModifiersInFixedOrderThenTheKey) {
    struct Case {
        std::uint32_t vk, flag;
        const char* expected;
    };
    for (const Case& c : {
             Case{'Z', 0x06, "Control+Alt+Z"},
             Case{'A', 0x03, "Control+Shift+A"},
             Case{'7', 0x04, "Alt+7"},
             Case{'Q', 0x07, "Control+Alt+Shift+Q"},
             Case{0x15A, 0x02, "Control+Z"},  // only the low byte is the key
             Case{'Z', 0x00, ""},             // no modifier: no hot key
             Case{0x70, 0x02, ""},            // F1 is not a key the settings offer
             Case{0, 0x02, ""},
         }) {
        EXPECT_EQ(inputMethodKeyString(c.vk, c.flag), c.expected) << c.vk << ' ' << c.flag;
    }
}

}  // namespace
}  // namespace tesvik::program
