#include "platform/RegistryFileFormat.h"

#include <gtest/gtest.h>

#include <random>

namespace platform {
namespace {

TEST(RegistryFileFormat, AnyByteStringRoundTrips) {
    RegistryTree tree;
    const std::string awkward = std::string("line1\nline2\r\n%41 = [x]\t\x7F", 25) + std::string(1, '\0') + "汉字 ";
    tree.createKey("HKEY_CURRENT_USER\\Empty");
    tree.setValue("HKEY_CURRENT_USER\\Software\\Lumenar CIVIC GB13000 V1.7 Unicode\\Tesvik\\Settings", "Hide",
                  std::uint32_t{1});
    tree.setValue("HKEY_CURRENT_USER\\Weird]\n%Key", "a=b\n%", awkward);
    tree.setValue("HKEY_CURRENT_USER\\Weird]\n%Key", "", std::string());
    tree.setValue("HKEY_CURRENT_USER\\Weird]\n%Key", " spaced ", std::uint32_t{4294967295u});

    const std::string text = formatRegistryFile(tree);
    auto parsed = parseRegistryFile(text);
    ASSERT_TRUE(parsed) << parsed.error().reason;
    EXPECT_EQ(parsed.value(), tree);
    EXPECT_EQ(formatRegistryFile(parsed.value()), text);
}

TEST(RegistryFileFormat, ReadsHandWrittenText) {
    auto parsed = parseRegistryFile(
        "# comment\r\n\r\n[HKEY_CURRENT_USER\\EUDC\\936]\r\nsz SystemDefaultEUDCFont=C:\\EUDC.TTE\r\n"
        "dword n=0\n[hkey_current_user\\eudc\\936]\nsz Later=x");
    ASSERT_TRUE(parsed) << parsed.error().reason;
    const RegistryTree& tree = parsed.value();
    ASSERT_NE(tree.value("HKEY_CURRENT_USER\\EUDC\\936", "systemdefaulteudcfont"), nullptr);
    EXPECT_EQ(std::get<std::string>(*tree.value("HKEY_CURRENT_USER\\EUDC\\936", "SystemDefaultEUDCFont")),
              "C:\\EUDC.TTE");
    EXPECT_EQ(tree.valueNames("HKEY_CURRENT_USER\\EUDC\\936").size(), 3u);
}

TEST(RegistryFileFormat, DamagedTextIsReportedWithItsLine) {
    struct Case {
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"sz a=b\n", 1},                   // value before any key
        {"[K]\nsz a\n", 2},                // no '='
        {"[K]\nqword a=1\n", 2},           // unknown type
        {"[K]\ndword a=4294967296\n", 2},  // out of range
        {"[K]\ndword a=-1\n", 2},
        {"[K]\ndword a= 1\n", 2},
        {"[K]\ndword a=\n", 2},
        {"[K]\nsz a=%4\n", 2},  // cut escape
        {"[K]\nsz a=%zz\n", 2},
        {"[K]\nsz a%=b\n", 2},
        {"[K\n", 1},            // unclosed key
        {"[]\n", 1},            // empty key
        {"\n\n[A\\\\B]\n", 3},  // empty component
        {"[K]\nnonsense\n", 2},
    };
    for (const Case& c : cases) {
        auto parsed = parseRegistryFile(c.text);
        ASSERT_FALSE(parsed) << c.text;
        EXPECT_EQ(parsed.error().line, c.line) << c.text;
        EXPECT_FALSE(parsed.error().reason.empty());
    }
}

// Random and mutated input: the parser either fails cleanly or gives a tree
// that formats to text it reads back identically.
TEST(RegistryFileFormat, RandomInputNeverBreaksTheParser) {
    std::mt19937 random(20261210);
    const std::string seed = "[HKEY_CURRENT_USER\\EUDC\\936]\nsz Name=va%25lue\ndword D=12\n; c\n";
    const std::string alphabet = "[]\\%=\n\r ;#szdwor0123456789AFaf\x7F\x01\xE6\xB1\x89";
    for (int i = 0; i < 4000; ++i) {
        std::string text = seed;
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = text.empty() ? 0 : random() % (text.size() + 1);
            switch (random() % 3) {
                case 0:
                    text.insert(at, 1, alphabet[random() % alphabet.size()]);
                    break;
                case 1:
                    if (at < text.size()) text.erase(at, 1);
                    break;
                default:
                    if (at < text.size()) text[at] = static_cast<char>(random() % 256);
                    break;
            }
        }
        auto parsed = parseRegistryFile(text);
        if (!parsed) continue;
        const std::string again = formatRegistryFile(parsed.value());
        auto reparsed = parseRegistryFile(again);
        ASSERT_TRUE(reparsed) << again;
        ASSERT_EQ(reparsed.value(), parsed.value());
    }
}

}  // namespace
}  // namespace platform
