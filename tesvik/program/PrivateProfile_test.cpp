#include "tesvik/program/PrivateProfile.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tesvik::program {
namespace {

TEST(PrivateProfile, ReadsByTheProfileRules) {
    struct Case {
        const char* name;
        std::string text;
        std::optional<std::string> expected;  // the value of Config/Key
    };
    const Case cases[] = {
        {"plain", "[Config]\nKey=v\n", "v"},
        {"cases differ", "[config]\nKEY=v\n", "v"},
        {"first key wins", "[Config]\nKey=first\nKey=second\n", "first"},
        {"first section only", "[Config]\nA=1\n[Config]\nKey=v\n", std::nullopt},
        {"blanks trimmed", "  [ Config ]  \r\n\t Key \t=  two words \t\r\n", "two words"},
        {"quotes removed", "[Config]\nKey=\"quoted \"\n", "quoted "},
        {"single quotes", "[Config]\nKey='x'\n", "x"},
        {"unmatched quote kept", "[Config]\nKey=\"x'\n", "\"x'"},
        {"empty value", "[Config]\nKey=\n", ""},
        {"no '=' is an empty key", "[Config]\nKey\nKey=v\n", ""},
        {"comment", "[Config]\n;Key=c\nKey=v\n", "v"},
        {"other section", "[Other]\nKey=x\n[Config]\nKey=v", "v"},
        {"byte-order mark", "\xEF\xBB\xBF[Config]\nKey=v\n", "v"},
        {"before any section", "Key=x\n", std::nullopt},
        {"value keeps '='", "[Config]\nKey=a=b\n", "a=b"},
        {"UTF-8", "[Config]\nKey=Lumenar楷体T\n", "Lumenar楷体T"},
        {"empty text", "", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(profileString(c.text, "Config", "Key"), c.expected) << c.name;
}

TEST(PrivateProfile, ReadsIntegersAsTheProfileIntegerReader) {
    struct Case {
        std::string text;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {"[Config]\nN=5350912\n", 5350912},
        {"[Config]\nN=12abc\n", 12},
        {"[Config]\nN=abc\n", 0},
        {"[Config]\nN=\n", 77},  // empty: the default
        {"[Config]\n", 77},      // absent: the default
        {"[Config]\nN=-1\n", 0xFFFFFFFFu},
        {"[Config]\nN=+8\n", 8},
        {"[Config]\nN=4294967297\n", 1},  // wraps
    };
    for (const Case& c : cases) EXPECT_EQ(profileInt(c.text, "Config", "N", 77), c.expected) << c.text;
}

TEST(PrivateProfile, UpdatesOneKeyInPlaceKeepingEverythingElse) {
    struct Case {
        const char* name;
        std::string before;
        ProfileAssignments assignments;
        std::string after;
    };
    const Case cases[] = {
        {"new file", "", {{"Hide", "1"}}, "[Config]\nHide=1\n"},
        {"replace first match in place",
         "; mine\n[config]\n  hide = 0 ; x\nHide=9\n[Other]\nHide=3\n",
         {{"Hide", "1"}},
         "; mine\n[config]\nHide=1\nHide=9\n[Other]\nHide=3\n"},
        {"add after the section's last key",
         "[Config]\nA=1\n\n[Other]\nB=2\n",
         {{"Vk", "65"}},
         "[Config]\nA=1\nVk=65\n\n[Other]\nB=2\n"},
        {"section added at the end", "[Other]\nB=2", {{"Vk", "65"}}, "[Other]\nB=2\n[Config]\nVk=65\n"},
        {"CR LF kept", "[Config]\r\nA=1\r\n", {{"B", "2"}, {"A", "3"}}, "[Config]\r\nA=3\r\nB=2\r\n"},
        {"last line without line end", "[Config]\nA=1", {{"B", "2"}}, "[Config]\nA=1\nB=2\n"},
        {"byte-order mark kept", "\xEF\xBB\xBF[Config]\nA=1\n", {{"A", "2"}}, "\xEF\xBB\xBF[Config]\nA=2\n"},
        {"section header only", "[Config]", {{"A", "1"}}, "[Config]\nA=1\n"},
    };
    for (const Case& c : cases) {
        auto updated = withProfileStrings(c.before, "Config", c.assignments);
        ASSERT_TRUE(updated) << c.name;
        EXPECT_EQ(*updated, c.after) << c.name;
    }
}

TEST(PrivateProfile, RefusesWhatCannotBeStoredOnOneLine) {
    const ProfileAssignments refused[] = {
        {{"Key", "two\nlines"}}, {{"Key", "cr\r"}}, {{"a=b", "1"}},  {{"", "1"}},
        {{" Key", "1"}},         {{"[Key", "1"}},   {{";Key", "1"}},
    };
    for (const auto& assignments : refused) {
        EXPECT_FALSE(withProfileStrings("[Config]\n", "Config", assignments)) << assignments[0].first;
    }
}

TEST(PrivateProfile, TruncatesByCharacters) {
    EXPECT_EQ(truncateCharacters("abc", 2), "ab");
    EXPECT_EQ(truncateCharacters("楷体T", 2), "楷体");
    EXPECT_EQ(truncateCharacters("楷体", 5), "楷体");
}

// Random and mutated text: reading never fails, and a value written is
// read back exactly while every other section reads as before.
TEST(PrivateProfile, RandomTextKeepsReadWriteConsistent) {
    std::mt19937 random(4242);
    const std::vector<std::string> tokens = {
        "[Config]", "[Other]", " [config ] ", "Key", "key", "=",  "\n",           "\r\n", "\r", " ",
        "\t",       ";",       "\"",          "'",   "1",   "楷", "\xEF\xBB\xBF", "]",    "["};
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 30);
        for (int k = 0; k < length; ++k) text += tokens[random() % tokens.size()];
        const auto otherBefore = profileString(text, "Other", "Key");
        profileInt(text, "Config", "Key", 3);
        auto updated = withProfileStrings(text, "Config", {{"Key", "value 1"}});
        ASSERT_TRUE(updated);
        ASSERT_EQ(profileString(*updated, "Config", "Key"), "value 1") << text;
        ASSERT_EQ(profileString(*updated, "Other", "Key"), otherBefore) << text;
    }
}

}  // namespace
}  // namespace tesvik::program
