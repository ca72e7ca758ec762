#include "tools/tesvik-query/TypedText.h"

#include <gtest/gtest.h>

namespace tesvik::query {
namespace {

CommandLine words(std::vector<std::string> positional, bool codes) {
    CommandLine line;
    line.positional = std::move(positional);
    if (codes) line.flags.insert("code");
    return line;
}

TEST(TextToType, CharactersAndCodeValuesGiveTheSameText) {
    std::string error;
    EXPECT_EQ(textToType(words({"a一\xEE\x99\x90\xF0\xA0\x80\x80"}, false), error),
              U"a\u4E00\uE650\U00020000");
    // Code values as `code` reads them: a scalar, a packed surrogate pair, a 0x prefix.
    EXPECT_EQ(textToType(words({"4E00", "0xE650", "20000", "D840DC00"}, true), error),
              U"\u4E00\uE650\U00020000\U00020000");
}

TEST(TextToType, RefusesWhatNamesNoCharacter) {
    struct Case {
        CommandLine line;
        const char* reason;
    };
    for (const Case& c : {
             Case{words({}, false), "no text"},
             Case{words({""}, false), "empty text"},
             Case{words({"a", "b"}, false), "two words"},
             Case{words({"\xFF"}, false), "not UTF-8"},
             Case{words({"\xC0\x80"}, false), "overlong"},
             Case{words({"\xED\xA0\x80"}, false), "encoded surrogate"},
             Case{words({"\xE4\xB8"}, false), "cut short"},
             Case{words({"D800"}, true), "lone surrogate"},
             Case{words({"4E00", "xyz"}, true), "no hexadecimal digit"},
             Case{words({"110000"}, true), "beyond Unicode"},
         }) {
        std::string error;
        EXPECT_EQ(textToType(c.line, error), std::nullopt) << c.reason;
        EXPECT_FALSE(error.empty()) << c.reason;
    }
}

}  // namespace
}  // namespace tesvik::query
