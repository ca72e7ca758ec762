#include "pelorin/cli/CommandLine.h"

#include "pelorin/cli/LanguageScope_testing.h"

#include <gtest/gtest.h>

namespace pelorin::cli {
namespace {

Command parsed(const std::vector<std::string>& args) {
    auto command = parseCommandLine(args);
    EXPECT_TRUE(command.ok()) << (command.ok() ? "" : command.error().reason);
    return command.ok() ? command.value() : Command(StartupCommand{});
}

TEST(CommandLine, NoArgumentsIsTheStartupSetup) { EXPECT_TRUE(std::holds_alternative<StartupCommand>(parsed({}))); }

TEST(CommandLine, HelpAndVersionAreCommandsOfTheirOwn) {
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parsed({"--help"})));
    EXPECT_TRUE(std::holds_alternative<HelpCommand>(parsed({"-h"})));
    EXPECT_TRUE(std::holds_alternative<VersionCommand>(parsed({"--version"})));
}

TEST(CommandLine, ManagerOpensTheWindowAndTakesNoArguments) {
    EXPECT_TRUE(std::holds_alternative<ManagerCommand>(parsed({"manager"})));
    EXPECT_FALSE(parseCommandLine({"manager", "--all"}).ok());
}

TEST(CommandLine, ImportTakesTheDialogsDefaultsForWhatIsNotGiven) {
    const auto plain = std::get<ImportCommand>(parsed({"import", "--face", "LMSong", "--library", "a.pfi"}));
    EXPECT_EQ(plain.mode, 0);
    EXPECT_FALSE(plain.precedence);
    EXPECT_FALSE(plain.eudcOut);
    EXPECT_FALSE(plain.smooth);

    const auto full = std::get<ImportCommand>(
        parsed({"import", "--face", "LMSong", "--library", "a.pfi", "--mode", "2", "--precedence", "1", "--font-out",
                "n.ttf", "--eudc", "n.tte", "--smooth", "--code-page", "950"}));
    EXPECT_EQ(full.mode, 2);
    EXPECT_EQ(full.precedence, 1);
    EXPECT_EQ(full.fontOut, "n.ttf");
    EXPECT_EQ(full.eudcOut, "n.tte");
    EXPECT_TRUE(full.smooth);
    EXPECT_EQ(full.codePage, 950);
}

TEST(CommandLine, ListTakesAllForEveryCjkFace) {
    EXPECT_FALSE(std::get<ListCommand>(parsed({"list"})).allFaces);
    EXPECT_TRUE(std::get<ListCommand>(parsed({"list", "--all"})).allFaces);
}

TEST(CommandLine, PfiPackReadsHexadecimalRanges) {
    const auto pack = std::get<PfiPackCommand>(
        parsed({"pfi-pack", "font.ttc", "--codes", "4E00-4E0F,0xE000,AAA1-AAFE", "--out", "x.pfi", "--em", "2048"}));
    EXPECT_EQ(pack.codes, (std::vector<CodeRange>{{0x4E00, 0x4E0F}, {0xE000, 0xE000}, {0xAAA1, 0xAAFE}}));
    EXPECT_EQ(pack.em, 2048);
    EXPECT_EQ(pack.codePage, 0);
    EXPECT_EQ(pack.fonts, std::vector<std::string>{"font.ttc"});
    EXPECT_FALSE(pack.map);
}

TEST(CommandLine, PfiPackTakesSeveralFontsAndACodeMap) {
    const auto pack =
        std::get<PfiPackCommand>(parsed({"pfi-pack", "a.ttf", "b.ttf", "--map", "pua-set.tsv", "--out", "x.pfi"}));
    EXPECT_EQ(pack.fonts, (std::vector<std::string>{"a.ttf", "b.ttf"}));
    EXPECT_EQ(pack.map, "pua-set.tsv");
    EXPECT_TRUE(pack.codes.empty());
}

TEST(CommandLine, UsageErrors) {
    const std::vector<std::vector<std::string>> kBad = {
        {"frobnicate"},
        {"list", "extra"},
        {"list", "--all", "extra"},
        {"--version", "list"},
        {"pfi-info"},
        {"make-eudc", "a.pfi"},
        {"import", "--library", "a.pfi"},
        {"import", "--face", "F", "--library", "a.pfi", "--mode", "3"},
        {"import", "--face", "F", "--library", "a.pfi", "--precedence", "1"},
        {"import", "--face", "F", "--library", "a.pfi", "--font-out", "x.ttf"},
        {"import", "--face", "F", "--library", "a.pfi", "--mode"},
        {"link", "--face", "F"},
        {"unlink", "--face", "F", "--code-page", "x"},
        {"backup", "--face", "F", "--out", "a", "--out", "b"},
        {"pfi-pack", "f.ttf", "--codes", "4E10-4E00", "--out", "x.pfi"},
        {"pfi-pack", "f.ttf", "--codes", "10000", "--out", "x.pfi"},
        {"pfi-pack", "f.ttf", "--codes", "4E00,", "--out", "x.pfi"},
        {"pfi-pack", "f.ttf", "--codes", "4E00", "--out", "x.pfi", "--code-page", "932"},
        {"pfi-pack", "--codes", "4E00", "--out", "x.pfi"},
        {"pfi-pack", "f.ttf", "--out", "x.pfi"},
        {"pfi-pack", "f.ttf", "--codes", "4E00", "--map", "m.tsv", "--out", "x.pfi"},
        {"link", "--face", "F", "--eudc", "e.tte", "--bogus"},
    };
    for (const auto& args : kBad) {
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_FALSE(parseCommandLine(args).ok()) << joined;
    }
}

std::string reasonOf(const std::vector<std::string>& args) {
    const auto command = parseCommandLine(args);
    return command.ok() ? "(accepted)" : command.error().reason;
}

TEST(CommandLine, UsageErrorsSpeakTheCurrentLanguage) {
    const struct {
        std::vector<std::string> args;
        const char* simplified;
        const char* traditional;
        const char* english;
    } kCases[] = {
        {{"frobnicate"}, "未知命令“frobnicate”", "未知命令「frobnicate」", "unknown command \"frobnicate\""},
        {{"import", "--face", "F", "--library", "a.pfi", "--mode"},
         "--mode 需要一个值",
         "--mode 需要一個值",
         "--mode needs a value"},
        {{"backup", "--face", "F", "--out", "a", "--out", "b"},
         "--out 指定了两次",
         "--out 指定了兩次",
         "--out given twice"},
        {{"link", "--face", "F", "--eudc", "e.tte", "--bogus"},
         "未知选项 --bogus（用于 link）",
         "未知選項 --bogus（用於 link）",
         "unknown option --bogus for link"},
        {{"import", "--face", "F", "--library", "a.pfi", "--mode", "3"},
         "--mode 需要 0 到 2 之间的数",
         "--mode 需要 0 到 2 之間的數",
         "--mode wants a number from 0 to 2"},
        {{"make-eudc", "a.pfi"},
         "make-eudc 需要 2 个文件参数",
         "make-eudc 需要 2 個檔案參數",
         "make-eudc takes 2 file arguments"},
        {{"pfi-info"}, "pfi-info 需要 1 个文件参数", "pfi-info 需要 1 個檔案參數", "pfi-info takes 1 file argument"},
        {{"import", "--library", "a.pfi"}, "import 需要 --face", "import 需要 --face", "import needs --face"},
        {{"import", "--face", "F", "--library", "a.pfi", "--precedence", "1"},
         "--precedence 只适用于模式 1 和 2",
         "--precedence 只適用於模式 1 和 2",
         "--precedence applies to modes 1 and 2 only"},
        {{"--version", "list"}, "--version 不接受参数", "--version 不接受參數", "--version takes no arguments"},
        {{"pfi-pack", "f.ttf", "--codes", "4E10-4E00", "--out", "x.pfi"},
         "错误的编码范围“4E10-4E00”（十六进制编码，FIRST-LAST）",
         "錯誤的編碼範圍「4E10-4E00」（十六進位編碼，FIRST-LAST）",
         "bad code range \"4E10-4E00\" (hexadecimal codes, FIRST-LAST)"},
    };
    for (const auto& c : kCases) {
        for (const auto& [language, expected] :
             {std::pair{Language::SimplifiedChinese, c.simplified},
              std::pair{Language::TraditionalChinese, c.traditional}, std::pair{Language::English, c.english}}) {
            const LanguageScope scope(language);
            EXPECT_EQ(reasonOf(c.args), expected);
        }
    }
}

TEST(CommandLine, UsageTextProseTranslatesAndNamesStay) {
    const struct {
        Language language;
        const char* heading;
        const char* managerLine;
    } kCases[] = {
        {Language::SimplifiedChinese, "用法：\n", "  pelorin manager                          打开字体管理表窗口\n"},
        {Language::TraditionalChinese, "用法：\n", "  pelorin manager                          開啟字型管理表視窗\n"},
        {Language::English, "usage:\n", "  pelorin manager                          open the font manager window\n"},
    };
    const std::string kPackLine = "  pelorin pfi-pack FONT... (--codes RANGE[,RANGE...] | --map FILE) --out LIB.pfi\n";
    for (const auto& c : kCases) {
        const LanguageScope scope(c.language);
        const std::string usageText(kUsage);
        EXPECT_TRUE(usageText.starts_with(c.heading)) << usageText;
        EXPECT_NE(usageText.find(c.managerLine), std::string::npos) << usageText;
        EXPECT_NE(usageText.find(kPackLine), std::string::npos) << usageText;
    }
    const LanguageScope traditional(Language::TraditionalChinese);
    EXPECT_NE(std::string(kHelp).find("結束狀態：0 成功"), std::string::npos);
}

}  // namespace
}  // namespace pelorin::cli
