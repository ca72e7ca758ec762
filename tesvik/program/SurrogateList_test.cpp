#include "tesvik/program/SurrogateList.h"

#include "common/testing/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <random>

namespace tesvik::program {
namespace {

TEST(SurrogateList, GroupsParseAsTheProgramParsesThem) {
    struct Case {
        const char* group;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"d840", 0xD840},
        {"null", 0xFFFF},
        {"0041", 0x0041},
        {"12g4", 1 * 4096 + 2 * 256 + 'g' * 16 + '4'},  // every position from the first non-digit counts as its code
        {"g840", 'g' * 4096u + '8' * 256 + '4' * 16 + '0'},
    };
    for (const Case& c : cases) EXPECT_EQ(parseSurrogateGroup(c.group), c.value) << c.group;
}

TEST(SurrogateList, LoadsAndRefusesRecords) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<chars::PackedChar> table;
        bool warned;
    };
    const Case cases[] = {
        {"two records", "D840DC00\r\nD869DED6\r\n", {0xD840DC00, 0xD869DED6}, false},
        {"last line without line end", "D840DC00\r\nD869DED6", {0xD840DC00, 0xD869DED6}, false},
        {"lower and upper case", "d840dC01\r\n", {0xD840DC01}, false},
        {"low half outside the surrogates but in range", "D8410041\r\n", {0xD8410041}, false},
        {"just below the range", "D8400041\r\n", {}, true},
        {"below the range", "D840DC00\r\n00004E00\r\nD840DC02\r\n", {0xD840DC00}, true},
        {"above the range", "D869DED7\r\n", {}, true},
        {"letter g", "g840DC00\r\n", {}, true},
        {"punctuation", "D840DC0-\r\n", {}, true},
        {"null group", "NULLDC00\r\n", {}, true},
        {"empty file", "", {}, true},
        {"short record", "D840DC00\r\nD840", {0xD840DC00}, true},
        {"stray bytes after the records", "D840DC00\r\nD8", {0xD840DC00}, true},
        {"single byte", "x", {}, true},
    };
    for (const Case& c : cases) {
        const SurrogateListLoad load = parseSurrogateList(c.bytes);
        EXPECT_EQ(load.table, c.table) << c.name;
        EXPECT_EQ(load.warnings.size(), c.warned ? 1u : 0u) << c.name;
        for (const Message& m : load.warnings) {
            EXPECT_EQ(m.id, MessageId::SurrogateListDamaged);
            EXPECT_EQ(m.text, "警告：内部文件丢失或者被损坏，二平面字体显示可能会有问题\n建议重新安装本软件。");
        }
    }
}

TEST(SurrogateList, FilesAreLoadedAndCounted) {
    lumenar::testing::ScratchDirectory dir;
    dir.write("with.cdt", "D840DC00\r\nD840DC01\r\nD840DC02\r\n");
    dir.write("without.cdt", "D840DC00\r\nD840DC01\r\nD840DC02");
    EXPECT_EQ(countSurrogateList(dir / "with.cdt").records, 3u);
    EXPECT_EQ(countSurrogateList(dir / "without.cdt").records, 3u);
    EXPECT_EQ(loadSurrogateList(dir / "without.cdt").table.size(), 3u);

    for (const std::filesystem::path& missing : {dir / "absent.cdt", dir.path()}) {
        EXPECT_EQ(countSurrogateList(missing).warnings.size(), 1u) << missing;
        EXPECT_EQ(loadSurrogateList(missing).warnings.size(), 1u) << missing;
    }
}

TEST(SurrogateList, ShippedListLoadsWithoutWarning) {
    const auto shipped = std::filesystem::path(LUMENAR_DATA_DIR) / kSurrogateListFile;
    if (!std::filesystem::exists(shipped)) GTEST_SKIP() << "no shipped list at " << shipped;
    const SurrogateListLoad load = loadSurrogateList(shipped);
    EXPECT_TRUE(load.warnings.empty());
    EXPECT_EQ(load.table.size(), countSurrogateList(shipped).records);
}

// Random and mutated lists: never more than the count of records, at most one
// warning, and every entry inside the range.
TEST(SurrogateList, RandomBytesAreHandledSafely) {
    std::mt19937 random(7);
    const std::string alphabet = "0123456789abcdefABCDEFgzNUL\r\n \xFF";
    for (int i = 0; i < 5000; ++i) {
        std::string bytes = i % 2 ? "D840DC00\r\nD840DC01\r\nD869DED6\r\n" : "";
        const int edits = static_cast<int>(random() % 40);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % (bytes.size() + 1);
            if (random() % 2 && at < bytes.size()) {
                bytes[at] = alphabet[random() % alphabet.size()];
            } else {
                bytes.insert(at, 1, alphabet[random() % alphabet.size()]);
            }
        }
        const SurrogateListLoad load = parseSurrogateList(bytes);
        ASSERT_LE(load.table.size(), surrogateRecordCount(bytes));
        ASSERT_LE(load.warnings.size(), 1u);
        for (chars::PackedChar entry : load.table) {
            ASSERT_GE(entry, kFirstListedPair);
            ASSERT_LE(entry, kLastListedPair);
        }
    }
}

}  // namespace
}  // namespace tesvik::program
