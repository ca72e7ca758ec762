// Characters of Extensions C to H in the shipped data, looked up the way a
// user finds them: by strokes, by radical and by pinyin. The expected values
// come from the sources (Unihan's kTotalStrokes, kRSUnicode and readings,
// the stroke dictionary's sequences), not from the generated files.

#include "tools/tesvik-query/QueryTool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "common/testing/ScratchDirectory.h"

namespace tesvik::query {
namespace {

class ShippedExtensionsTest : public ::testing::Test {
protected:
    // The tool's standard output; a failing command fails the test.
    std::string run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", LUMENAR_DATA_DIR, "--user-dir", user_.path().string()});
        std::ostringstream out, err;
        Terminal terminal{out, err, [](const std::string&) { return false; }};
        EXPECT_EQ(runQueryTool(args, terminal), 0) << err.str();
        return out.str();
    }

    // Whether the output lists the code point (its line begins with the code).
    static bool lists(const std::string& output, const std::string& code) {
        return output.rfind(code + "\t", 0) == 0 || output.find("\n" + code + "\t") != std::string::npos;
    }

    lumenar::testing::ScratchDirectory user_;
};

struct Sample {
    const char* code;
    const char* total;
    const char* firstStrokes;  // empty: known by its stroke count only
    const char* radicalKey;
    const char* remaining;
    const char* pinyin;  // empty: no reading in the sources
    const char* tone;
};

TEST_F(ShippedExtensionsTest, SamplesAreFoundByStrokesRadicalAndPinyin) {
    const Sample samples[] = {
        {"2AEB9", "12", "3535", "03C5", "5", "nu", "3"},   // 𪺹 C, 犭 (⺨)
        {"2B099", "17", "3143", "06C1", "11", "su", "4"},  // 𫂙 C, 竹 (⺮)
        {"2A755", "11", "", "02C0", "9", "", ""},          // 𪝕 C without a sequence, 人
        {"2B741", "6", "1251", "01A0", "5", "", ""},       // 𫝁 D, 一
        {"2B740", "3", "", "01A0", "2", "", ""},           // 𫝀 D without a sequence
        {"2CB2D", "9", "", "05C6", "4", "lun", "2"},       // 𬬭 E, 钅 (⻐)
        {"2C6A9", "53", "", "06A3", "47", "", ""},         // 𬚩 E, 53 strokes: a new group
        {"2D016", "4", "", "02C2", "2", "li", "2"},        // 𭀖 F, 儿
        {"2EBE0", "25", "", "17C2", "8", "", ""},          // 𮯠 F, the last of F, 龠
        {"30000", "2", "", "01A0", "1", "", ""},           // 𰀀 G, the first of G
        {"30EDD", "43", "", "07C4", "39", "biang", "2"},   // 𰻝 G, 辵
        {"30EDE", "58", "", "07C4", "54", "biang", "2"},   // 𰻞 G, 58 strokes: a new group
        {"30F54", "76", "", "08C1", "68", "", ""},         // 𰽔 G, 76 strokes: a new group, 金
        {"3106C", "84", "", "08A2", "76", "", ""},         // 𱁬 G, 84 strokes: the last group, 雨
        {"31350", "5", "", "01A0", "4", "", ""},           // 𱍐 H, the first of H
        {"317DB", "64", "", "04D2", "60", "", ""},         // 𱟛 H, 64 strokes, 心
        {"323AF", "23", "", "17C2", "9", "", ""},          // 𲎯 H, the last of H
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.code);
        std::vector<std::string> strokes = {"strokes", "--count", s.total};
        if (*s.firstStrokes) strokes.insert(strokes.end(), {"--strokes", s.firstStrokes});
        EXPECT_TRUE(lists(run(strokes), s.code));
        EXPECT_TRUE(lists(run({"by-radical", "--key", s.radicalKey, "--remaining", s.remaining}), s.code));
        if (*s.pinyin) {
            EXPECT_TRUE(lists(run({"pinyin", s.pinyin, "--tone", s.tone}), s.code));
        }
    }
}

TEST_F(ShippedExtensionsTest, CharactersKnownByTheirCountOnlyAreNotFoundByStrokes) {
    EXPECT_FALSE(lists(run({"strokes", "--count", "9", "--strokes", "3"}), "2CB2D"));             // 𬬭
    EXPECT_FALSE(lists(run({"by-radical", "--key", "05C6", "--strokes", "1"}), "2CB2D"));
    EXPECT_TRUE(lists(run({"by-radical", "--key", "05C6", "--remaining", "4"}), "2CB2D"));
}

// 𪜧 (U+2A727) is a register character, carried as U+E002: it is listed under
// that code only. 𪞝 (U+2A79D, duo2, carried as U+E152) likewise: its
// reading finds the register code.
TEST_F(ShippedExtensionsTest, RegisterCharactersAreListedUnderTheirPrivateUseCodeOnly) {
    const std::string strokes = run({"strokes", "--count", "4", "--strokes", "3234"});
    EXPECT_TRUE(lists(strokes, "E002"));
    EXPECT_FALSE(lists(strokes, "2A727"));
    EXPECT_FALSE(lists(run({"by-radical", "--key", "02C1", "--remaining", "2"}), "2A727"));
    const std::string duo2 = run({"pinyin", "duo", "--tone", "2"});
    EXPECT_TRUE(lists(duo2, "E152"));
    EXPECT_FALSE(lists(duo2, "2A79D"));
}

// The groups at the top of the stroke index: 49, 52, 53, 58, 64, 76, 84 and
// the terminator. Tolerance widens to a neighbouring group only when it is
// one stroke away; a 64-stroke query does not read on into 76.
TEST_F(ShippedExtensionsTest, ToleranceAndTheSixtyFourGroupAtTheNewEndsOfTheIndex) {
    const std::string fiftyTwo = "4A3B";  // 䨻, 52 strokes
    const std::string fiftyThree = "2C6A9", fiftyEight = "30EDE", sixtyFour = "317DB";
    const std::string seventySix = "30F54", eightyFour = "3106C";

    const std::string tolerant53 = run({"strokes", "--count", "53", "--tolerance"});
    EXPECT_TRUE(lists(tolerant53, fiftyTwo));
    EXPECT_TRUE(lists(tolerant53, fiftyThree));
    EXPECT_FALSE(lists(tolerant53, fiftyEight));
    EXPECT_TRUE(lists(run({"strokes", "--count", "52", "--tolerance"}), fiftyThree));
    EXPECT_FALSE(lists(run({"strokes", "--count", "53"}), fiftyTwo));

    const std::string tolerant58 = run({"strokes", "--count", "58", "--tolerance"});
    EXPECT_TRUE(lists(tolerant58, fiftyEight));
    EXPECT_FALSE(lists(tolerant58, fiftyThree));
    EXPECT_FALSE(lists(tolerant58, sixtyFour));

    for (const char* count : {"63", "64", "65"}) {
        const std::string found = run({"strokes", "--count", count});
        EXPECT_TRUE(lists(found, sixtyFour)) << count;
        EXPECT_FALSE(lists(found, seventySix)) << count;
    }
    EXPECT_FALSE(lists(run({"strokes", "--count", "64", "--tolerance"}), seventySix));

    const std::string tolerant76 = run({"strokes", "--count", "76", "--tolerance"});
    EXPECT_TRUE(lists(tolerant76, seventySix));
    EXPECT_FALSE(lists(tolerant76, eightyFour));
    EXPECT_EQ(run({"strokes", "--count", "84", "--tolerance"}), run({"strokes", "--count", "84"}));
    EXPECT_TRUE(lists(run({"strokes", "--count", "84"}), eightyFour));
    EXPECT_EQ(run({"strokes", "--count", "85", "--tolerance"}), "");  // no group, no neighbours
}

}  // namespace
}  // namespace tesvik::query
