#include "tools/tesvik-query/QueryTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/files/IndexFixtures_testing.h"
#include "tesvik/lookup/radical/RadicalFixtures_testing.h"

namespace tesvik::query {
namespace {

using namespace tesvik::lookup::fixtures;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// A small data set: two stroke groups, two radicals, a few characters under
// the first radical; the user directory starts empty.
class QueryToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        const StrokeLine strokes[] = {
            {0x4E00, "01", "1", '0'},
            {0x4E01, "02", "12", '0'},
            {0x3400, "02", "25", '1'},
            {chars::packCodePoint(0x20000), "02", "21", '3'},
        };
        writeShippedStrokePair(data_.path(), strokes);
        const RadicalLine radicals[] = {
            {0x6C35, "03", "441", "shui", "D0"},
            {0x2EA1, "04", "2534", "shui", "B5"},
        };
        writeRadicalTable(data_.path(), radicals);
        const RadicalCharLine chars[] = {
            {"03D0", 0x6C5F, "03", "121", '0'},
            {"03D0", 0x6C60, "03", "525", '0'},
            {"03D0", 0x3CD8, "01", "2", '1'},
        };
        writeRadicalPair(lookup::shippedRadicalPair(data_.path()), chars);
    }

    ToolRun run(std::vector<std::string> args, bool answer = false) {
        args.insert(args.begin(), {"--data-dir", data_.path().string(), "--user-dir", user_.path().string()});
        std::ostringstream out, err;
        Terminal terminal{out, err, [answer](const std::string&) { return answer; }};
        const int status = runQueryTool(args, terminal);
        return {status, out.str(), err.str()};
    }

    lumenar::testing::ScratchDirectory data_;
    lumenar::testing::ScratchDirectory user_;
};

struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;  // expected standard output
    std::string err;  // expected standard error (empty: nothing)
};

TEST_F(QueryToolTest, AnswersEveryLookupCommand) {
    const Case cases[] = {
        {{"strokes", "--count", "2"}, 0, "4E01\t丁\t0\n3400\t㐀\t1\n20000\t𠀀\t3\n", ""},
        {{"strokes", "--count", "2", "--strokes", "2"}, 0, "3400\t㐀\t1\n20000\t𠀀\t3\n", ""},
        {{"strokes", "--count", "2", "--outside-gbk"}, 0, "3400\t㐀\t1\n20000\t𠀀\t3\n", ""},
        {{"strokes", "--strokes", "1"}, 0, "4E00\t一\t0\n4E01\t丁\t0\n", ""},
        {{"strokes", "--count", "1", "--tolerance"}, 0, "4E00\t一\t0\n4E01\t丁\t0\n3400\t㐀\t1\n20000\t𠀀\t3\n", ""},
        {{"strokes"}, 0, "", ""},
        {{"strokes", "--strokes", "6"}, 1, "", "输入有误，请输入代表笔画信息的快捷键：12345\n"},
        {{"strokes", "--strokes", "12345123451"}, 1, "", "仅限于输入十个笔画信息\n"},
        {{"strokes", "--count", "1a"}, 1, "", "“1a”不是合法的笔画数，请输入合法的笔画0-9！\n"},
        {{"radicals", "--pinyin", "Shui"}, 0, "6C35\t氵\t03D0\n2EA1\t⺡\t04B5\n", ""},
        {{"radicals", "--pinyin", "shui", "--count", "4"}, 0, "2EA1\t⺡\t04B5\n", ""},
        {{"radicals", "--strokes", "44"}, 0, "6C35\t氵\t03D0\n", ""},
        {{"radicals", "--count", "030"}, 1, "", "总笔画数仅限输入1-99。\n"},
        {{"radicals", "--pinyin", "sh1"}, 1, "", "“sh1”不是合法的拼音，请输入合法的拼音字母a-z！\n"},
        {{"by-radical", "--key", "03D0", "--remaining", "3"}, 0, "6C5F\t江\t0\n6C60\t池\t0\n", ""},
        {{"by-radical", "--key", "03D0", "--strokes", "5"}, 0, "6C60\t池\t0\n", ""},
        {{"by-radical", "--key", "03D0"}, 0, "6C35\t氵\t\n", ""},
        {{"by-radical", "--key", "03D0", "--alias"}, 0, "6C35\t氵\t\n", ""},
        {{"by-radical", "--key", "03D0", "--strokes", "12345"}, 1, "", "仅限于输入四个笔画信息。\n"},
        {{"by-radical", "--key", "abc"}, 2, "", "tesvik-query: --key needs a radical key of four characters\n"},
        {{"code", "4E00"}, 0, "4E00\tCJK统一汉字区\tGBKColor\n", ""},
        {{"code", "D840DC00", "--format", "gb18030"}, 0, "95328236\tCJK统一汉字扩展B区\tCJKKZBCOLOR\n", ""},
        // A register character also shows the standard character it stands for.
        {{"code", "E650"}, 0, "E650\tCJK补字区\tGBKEUDCColor\t2A9D4\t𪧔\n", ""},
        {{"code", "E000", "--format", "gb18030"}, 0, "AAA1\tCJK补字区\tGBKEUDCColor\t8139EF34\t㐅\n", ""},
        {{"code", "E00F"}, 0, "E00F\tCJK补字区\tGBKEUDCColor\n", ""},  // a gap of the register
        {{"convert", "D2BB", "--to", "unicode"}, 0, "4E00\n", ""},
        {{"convert", "4E00", "--to", "gb18030"}, 0, "D2BB\n", ""},
        {{"code"}, 2, "", "tesvik-query: code needs one hexadecimal VALUE\n"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        std::string shown;
        for (const auto& a : c.args) shown += a + ' ';
        EXPECT_EQ(r.status, c.status) << shown << r.err;
        EXPECT_EQ(r.out, c.out) << shown;
        EXPECT_EQ(r.err, c.err) << shown;
    }
}

TEST_F(QueryToolTest, UserStrokeCharactersAreFoundAfterTheShippedOnes) {
    EXPECT_EQ(run({"add-stroke", "--code", "E234", "--total", "2", "--strokes", "2"}).out, "添加成功！\n");
    EXPECT_EQ(run({"strokes", "--count", "2", "--strokes", "2"}).out,
              "3400\t㐀\t1\n20000\t𠀀\t3\nE234\t\xEE\x88\xB4\t2\n");

    const ToolRun again = run({"add-stroke", "--code", "e234", "--total", "2", "--strokes", "2"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "UNICODE:e234已经存在无法添加,若要修改，请进行修改操作！\n");

    // Answering no leaves the table as it was; --yes deletes.
    EXPECT_EQ(run({"delete-stroke", "--code", "E234", "--total", "2", "--strokes", "2"}).status, 0);
    EXPECT_EQ(run({"strokes", "--count", "2", "--strokes", "2"}).out.find("E234") == std::string::npos, false);
    EXPECT_EQ(run({"delete-stroke", "--code", "E234", "--total", "2", "--strokes", "2", "--yes"}).out,
              "删除该字成功，你将无法用笔顺输入该字！\n");
    EXPECT_EQ(run({"strokes", "--count", "2", "--strokes", "2"}).out, "3400\t㐀\t1\n20000\t𠀀\t3\n");
}

TEST_F(QueryToolTest, UserRadicalCharactersAreFiledUnderTheirRadical) {
    EXPECT_EQ(run({"add-radical", "--code", "E235", "--key", "03D0", "--remaining", "3", "--strokes", "1"}).out,
              "补字按部首管理添加成功！\n");
    EXPECT_EQ(run({"by-radical", "--key", "03D0", "--remaining", "3", "--strokes", "1"}).out,
              "6C5F\t江\t0\nE235\t\xEE\x88\xB5\t0\n");
    EXPECT_EQ(run({"add-radical", "--code", "E236", "--remaining", "3"}).err, "请先选择部首信息！\n");
    EXPECT_EQ(run({"modify-radical", "--code", "E235", "--key", "03D0", "--remaining", "4"}, true).status, 0);
    EXPECT_EQ(run({"by-radical", "--key", "03D0", "--remaining", "4"}).out, "E235\t\xEE\x88\xB5\t0\n");
    EXPECT_EQ(run({"delete-radical", "--code", "E235", "--yes"}).status, 0);
    EXPECT_EQ(run({"by-radical", "--key", "03D0", "--remaining", "4"}).out, "");
}

// A shipped file of the radical lookup that is missing is reported, and the
// grid still shows what the page shows in that state: the radical itself.
TEST_F(QueryToolTest, MissingShippedRadicalFilesAreReportedWithTheRadical) {
    for (const char* missing : {lookup::ShippedRadicalIndexFileName, lookup::ShippedRadicalRecordFileName}) {
        SetUp();
        std::filesystem::remove(data_.path() / missing);
        const Case cases[] = {
            {{"by-radical", "--key", "03D0"}, 1, "6C35\t氵\t\n", "内部文件丢失，请重新安装本软件。\n"},
            {{"by-radical", "--key", "03D0", "--remaining", "3"}, 1, "", "内部文件丢失，请重新安装本软件。\n"},
        };
        for (const Case& c : cases) {
            const ToolRun r = run(c.args);
            EXPECT_EQ(r.status, c.status) << missing;
            EXPECT_EQ(r.out, c.out) << missing;
            EXPECT_EQ(r.err, c.err) << missing;
        }
    }
}

// The pinyin and symbol commands read the shipped data.
TEST(QueryTool, PinyinAndSymbolCommandsOnTheShippedData) {
    const std::vector<std::string> data = {"--data-dir", LUMENAR_DATA_DIR};
    const Case cases[] = {
        {{"readings", "5F20"}, 0, "zhang1\n2F38\t⼸\n", ""},
        {{"symbol-row", "E815"}, 0, "33\t专用区\n", ""},
        {{"symbols", "38"}, 2, "", "tesvik-query: symbols needs a subset INDEX from 0 to 37\n"},
        {{"pinyin", "sh1"}, 1, "", "“sh1”不是合法的拼音，请输入合法的拼音字母a-z！\n"},
        {{"pinyin", "zhang", "--tone", "6"}, 2, "", "tesvik-query: --tone is 1 to 4, 5 or 0 (轻声), or any\n"},
        {{"pinyin", "zhang", "--tone", "10"}, 2, "", "tesvik-query: --tone is 1 to 4, 5 or 0 (轻声), or any\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = data;
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::ostringstream out, err;
        Terminal terminal{out, err, [](const std::string&) { return false; }};
        EXPECT_EQ(runQueryTool(args, terminal), c.status) << c.args.front();
        EXPECT_EQ(out.str(), c.out) << c.args.front();
        EXPECT_EQ(err.str(), c.err) << c.args.front();
    }

    auto lines = [&](std::vector<std::string> args) {
        args.insert(args.begin(), data.begin(), data.end());
        std::ostringstream out, err;
        Terminal terminal{out, err, [](const std::string&) { return false; }};
        runQueryTool(args, terminal);
        const std::string text = out.str();
        return std::count(text.begin(), text.end(), '\n');
    };
    // Tones are numbered as pinyin writes them: 1 is 阴平, the page's default.
    auto output = [&](std::vector<std::string> args) {
        args.insert(args.begin(), data.begin(), data.end());
        std::ostringstream out, err;
        Terminal terminal{out, err, [](const std::string&) { return false; }};
        EXPECT_EQ(runQueryTool(args, terminal), kExitSuccess) << err.str();
        return out.str();
    };
    const std::string firstTone = output({"pinyin", "zhang"});
    EXPECT_NE(firstTone.find("5F20\t张"), std::string::npos);
    EXPECT_EQ(output({"pinyin", "zhang", "--tone", "1"}), firstTone);
    const std::string fourthTone = output({"pinyin", "zhang", "--tone", "4"});
    EXPECT_NE(fourthTone.find("4E08\t丈"), std::string::npos);
    EXPECT_EQ(fourthTone.find("5F20\t张"), std::string::npos);
    EXPECT_EQ(output({"pinyin", "de", "--tone", "5"}), output({"pinyin", "de", "--tone", "0"}));
    EXPECT_NE(output({"pinyin", "de", "--tone", "5"}).find("7684\t的"), std::string::npos);
    const std::string anyTone = output({"pinyin", "zhang", "--tone", "any"});
    EXPECT_NE(anyTone.find("5F20\t张"), std::string::npos);
    EXPECT_NE(anyTone.find("4E08\t丈"), std::string::npos);
    EXPECT_EQ(lines({"symbols", "34"}), 21);
    // The special query lists its 855 characters; the grid adds the
    // compatibility twin behind the one unified character that has one.
    EXPECT_EQ(lines({"pinyin", "zzzz", "--tone", "3"}), 856);
}

TEST(QueryTool, UsageErrorsExitWithTwo) {
    std::ostringstream out, err;
    Terminal terminal{out, err, [](const std::string&) { return false; }};
    EXPECT_EQ(runQueryTool({}, terminal), kExitUsage);
    EXPECT_EQ(runQueryTool({"no-such-command"}, terminal), kExitUsage);
    EXPECT_EQ(runQueryTool({"strokes", "--bogus"}, terminal), kExitUsage);
    EXPECT_EQ(runQueryTool({"--data-dir"}, terminal), kExitUsage);
}

}  // namespace
}  // namespace tesvik::query

namespace tesvik::query {
namespace {

TEST_F(QueryToolTest, InfoGathersWhatEveryIndexKnowsOfACharacter) {
    const ToolRun jiang = run({"info", "江"});
    EXPECT_EQ(jiang.status, kExitSuccess) << jiang.err;
    EXPECT_EQ(jiang.out,
              "字符\t江\nUnicode\tU+6C5F\nGB18030\tBD AD\n区块\tCJK统一汉字区\n代码空间\tGBK汉字\n"
              "笔画\t无\n部首\t氵 U+6C35 余3画\n读音\t无\n对应字\t无\n");
    const ToolRun ding = run({"info", "U+4E01"});
    EXPECT_NE(ding.out.find("笔画\t2画，笔顺 12\n"), std::string::npos) << ding.out;
    EXPECT_EQ(run({"info", "丁"}).out, ding.out);
    EXPECT_EQ(run({"info", "U+D800"}).status, kExitUsage);
    EXPECT_EQ(run({"info"}).status, kExitUsage);
}

}  // namespace
}  // namespace tesvik::query
