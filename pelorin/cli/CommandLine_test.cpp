#include "pelorin/cli/CommandLine.h"

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

}  // namespace
}  // namespace pelorin::cli
