#include "pelorin/fonts/GlyphImport.h"

#include "common/testing/ScratchDirectory.h"

#include "pelorin/fonts/EudcDrawnCodes.h"
#include "pelorin/fonts/FakeFrontEnd_testing.h"
#include "pelorin/pfi/LibraryBytes_testing.h"
#include "pelorin/truetype/CTTFMan.h"
#include "pelorin/truetype/SourceFont.h"
#include "pelorin/truetype/TestFonts_testing.h"
#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

namespace pelorin::fonts {
namespace {

using fakes::CollectedMessages;
using fakes::NoSwitch;

namespace tt = pelorin::truetype;

class CountingSwitch final : public EudcSwitch {
public:
    bool available() const override { return true; }
    void turnOff() override {}
    void turnOn(MessageSink&) override { ++turnedOn; }
    int turnedOn = 0;
};

class CountedProgress final : public ImportProgress {
public:
    void setRange(int steps) override { range = steps; }
    void step() override { ++steps; }
    int range = 0;
    int steps = 0;
};

// A square of four lines, `size` library units wide, with its corner at (100, 100).
std::vector<std::uint8_t> squareRecord(std::int8_t size) {
    const auto s = static_cast<std::uint8_t>(size);
    const auto minus = static_cast<std::uint8_t>(-size);
    return {0x81, 0x84, 0x48, 100, 100, 0x4B, 0, s, s, 0, 0, minus, minus, 0, 0xEF};
}

// The bytes of a glyph slot of an EUDC font file.
std::vector<std::uint8_t> slotBytes(const std::filesystem::path& file, std::uint32_t code) {
    auto font = tt::CTTFMan::OpenExisting(file);
    if (!font) return {};
    const auto loca = font->Table(tt::tags::kLoca);
    const auto glyf = font->Table(tt::tags::kGlyf);
    const std::size_t g = code - 0xE000 + 2;
    const auto at = [&](std::size_t i) {
        return static_cast<std::uint32_t>(loca[4 * i] << 24 | loca[4 * i + 1] << 16 | loca[4 * i + 2] << 8 |
                                          loca[4 * i + 3]);
    };
    return {glyf.begin() + at(g), glyf.begin() + at(g + 1)};
}

class GlyphImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        entry.faceName = "LMSong";
        entry.codePage = 0;
        entry.fontFilePath = (dir / "LMSong.ttf").string();
    }

    std::string library(const std::string& name, const std::vector<pelorin::testing::LibraryEntry>& entries,
                        std::uint16_t emWord = 1000) {
        const auto path = dir / name;
        pelorin::testing::WriteFile(path, pelorin::testing::LibraryBytes(emWord, entries));
        return path.string();
    }
    ImportSettings settings(const std::string& libraryPath, ImportMode mode, Precedence precedence,
                            const std::string& eudcName) {
        ImportSettings s = defaultImportSettings(entry, dir.string());
        s.libraryPath = libraryPath;
        s.mode = mode;
        s.precedence = precedence;
        s.newEudcPath = (dir / eudcName).string();
        return s;
    }
    bool run(const ImportSettings& s) { return runImport(entry, s, context); }
    std::string linked() const { return links.eudcPathOf(entry.codePage, "LMSong"); }

    lumenar::testing::ScratchDirectory scratch;
    std::filesystem::path dir = scratch.path();
    FontEntry entry;
    platform::MemoryRegistryStore store;
    NoSwitch eudcSwitch;
    EudcLinks links{store, eudcSwitch};
    CollectedMessages messages;
    CountedProgress progress;
    ImportContext context{links, messages, progress, PfiOpenOptions{0, {}}, nullptr};
};

TEST_F(GlyphImportTest, DefaultsFollowTheFontFileName) {
    const ImportSettings s = defaultImportSettings(entry, "/work");
    EXPECT_EQ(s.newFontPath, "/work/LMSong.ttf");
    EXPECT_EQ(s.newEudcPath, "/work/LMSong.tte");
    entry.eudcFilePath = "/fonts/LMCivic.TTE";
    EXPECT_EQ(defaultImportSettings(entry, "/work").newEudcPath, "/fonts/LMCivic.TTE");
}

TEST_F(GlyphImportTest, ModeZeroMakesAndLinksANewEudcFontFromTheLibraryOnly) {
    const auto lib =
        library("a.pfi", {{0xE000, 0, squareRecord(50)}, {0x4E00, 0, squareRecord(50)}, {0xE005, 0, squareRecord(50)}});
    entry.eudcFilePath = (dir / "old.tte").string();  // named, but never read in mode 0
    ASSERT_TRUE(run(settings(lib, ImportMode::EudcOnly, Precedence::CurrentFont, "new.tte")));

    EXPECT_EQ(entry.eudcFilePath, (dir / "new.tte").string());
    EXPECT_EQ(linked(), entry.eudcFilePath);
    EXPECT_EQ(entry.libraryFilePath, lib);
    EXPECT_EQ(drawnCodesOf(entry.eudcFilePath),
              (std::vector<platform::CodePointRange>{{0xE000, 0xE000}, {0xE005, 0xE005}}));
    EXPECT_EQ(progress.range, 3);
    EXPECT_EQ(progress.steps, 2);
    // A library tagged with neither 936 nor 950 is only warned about.
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(GlyphImportTest, ModeOnePrecedenceDecidesAnOccupiedSlot) {
    const auto first = library("first.pfi", {{0xE000, 0, squareRecord(50)}});
    const auto second = library("second.pfi", {{0xE000, 0, squareRecord(90)}, {0xE001, 0, squareRecord(90)}});
    ASSERT_TRUE(run(settings(first, ImportMode::EudcOnly, Precedence::CurrentFont, "font.tte")));
    const auto original = slotBytes(entry.eudcFilePath, 0xE000);

    // Current font first, and the same path: edited in place.
    ASSERT_TRUE(run(settings(second, ImportMode::EudcIntoFont, Precedence::CurrentFont, "font.tte")));
    EXPECT_EQ(slotBytes(dir / "font.tte", 0xE000), original);
    EXPECT_FALSE(slotBytes(dir / "font.tte", 0xE001).empty());

    // Library first, into a copy: the copy's slot is replaced, the old file stays.
    ASSERT_TRUE(run(settings(second, ImportMode::EudcIntoFont, Precedence::Library, "copy.tte")));
    EXPECT_NE(slotBytes(dir / "copy.tte", 0xE000), original);
    EXPECT_EQ(slotBytes(dir / "font.tte", 0xE000), original);
    EXPECT_EQ(linked(), (dir / "copy.tte").string());
}

TEST_F(GlyphImportTest, AnUnconvertibleCodeIsNamedAndSkipped) {
    entry.codePage = 936;
    // Under code page 936, F8FF has no character, F8A1 is the EUDC code of
    // U+E234, and E3A0 is an ordinary character with no EUDC slot.
    const auto lib =
        library("a.pfi", {{0xF8FF, 0, squareRecord(50)}, {0xF8A1, 0, squareRecord(50)}, {0xE3A0, 0, squareRecord(50)}});
    ASSERT_TRUE(run(settings(lib, ImportMode::EudcOnly, Precedence::CurrentFont, "new.tte")));
    // The unconvertible character is named by its two bytes; the one that
    // converts outside the Private Use Area is left out silently.
    ASSERT_GE(messages.shown.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(messages.shown.end() - 2, messages.shown.end()),
              (std::vector<std::string>{"Zorvan补字库的编码空间与系统不一致。", "\\xF8\\xFF不是正确的编码。将被忽略。"}));
    EXPECT_EQ(drawnCodesOf(entry.eudcFilePath), (std::vector<platform::CodePointRange>{{0xE234, 0xE234}}));
}

TEST_F(GlyphImportTest, AnImportTurnsTheEudcSwitchOnce) {
    CountingSwitch counting;
    EudcLinks countedLinks{store, counting};
    ImportContext counted{countedLinks, messages, progress, PfiOpenOptions{0, {}}, nullptr};
    const auto lib = library("a.pfi", {{0xE000, 0, squareRecord(50)}});
    ASSERT_TRUE(runImport(entry, settings(lib, ImportMode::EudcOnly, Precedence::CurrentFont, "a.tte"), counted));
    ASSERT_TRUE(runImport(entry, settings(lib, ImportMode::EudcIntoFont, Precedence::Library, "b.tte"), counted));
    EXPECT_EQ(counting.turnedOn, 2);
    EXPECT_EQ(countedLinks.eudcPathOf(entry.codePage, "LMSong"), (dir / "b.tte").string());
}

TEST_F(GlyphImportTest, LinkFailuresAreShown) {
    const auto lib = library("a.pfi", {{0xE000, 0, squareRecord(50)}});
    ASSERT_TRUE(run(settings(lib, ImportMode::EudcOnly, Precedence::CurrentFont, "a.tte")));
    store.failWrites = true;
    run(settings(lib, ImportMode::EudcOnly, Precedence::CurrentFont, "b.tte"));
    const std::vector<std::string> expected = {"字体：LMSong无法取消EUDC文件链接。",
                                               "无法创建注册表键：HKEY_CURRENT_USER\\EUDC\\0"};
    ASSERT_GE(messages.shown.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(messages.shown.end() - 2, messages.shown.end()), expected);
}

TEST_F(GlyphImportTest, ModeTwoWithOnlyEudcCodesWritesNoFont) {
    const auto lib = library("a.pfi", {{0xE000, 0, squareRecord(50)}});
    ASSERT_TRUE(run(settings(lib, ImportMode::EverythingIntoFont, Precedence::CurrentFont, "new.tte")));
    EXPECT_EQ(entry.newFontFilePath, entry.fontFilePath);
    EXPECT_FALSE(std::filesystem::exists(dir / "LMSong.ttf"));
}

TEST_F(GlyphImportTest, FailuresKeepThePreviousLinkAndSayWhy) {
    const auto good = library("a.pfi", {{0xE000, 0, squareRecord(50)}});
    ASSERT_TRUE(run(settings(good, ImportMode::EudcOnly, Precedence::CurrentFont, "old.tte")));
    const std::string previous = entry.eudcFilePath;

    const std::string unwritable = (dir / "no-such-dir" / "new.tte").string();
    ImportSettings s = settings(good, ImportMode::EudcOnly, Precedence::CurrentFont, "x.tte");
    s.newEudcPath = unwritable;
    EXPECT_FALSE(run(s));
    EXPECT_EQ(messages.shown.back(), "无法创建字体新EUDC文件:" + unwritable + "，请检查硬盘空间是否太小。");
    EXPECT_EQ(linked(), previous);
    EXPECT_EQ(entry.libraryFilePath, "");

    EXPECT_FALSE(run(settings((dir / "missing.pfi").string(), ImportMode::EudcOnly, Precedence::CurrentFont, "y.tte")));
    EXPECT_EQ(messages.shown.back(), "无法打开后端补字库文件：" + (dir / "missing.pfi").string());

    // A damaged EUDC file to merge into is reported, and nothing replaces it.
    pelorin::testing::WriteFile(previous, {1, 2, 3});
    EXPECT_FALSE(run(settings(good, ImportMode::EudcIntoFont, Precedence::Library, "old.tte")));
    EXPECT_EQ(messages.shown.back(), "无法打开字体EUDC文件：" + previous + "，可能已被破坏。");
    EXPECT_EQ(std::filesystem::file_size(previous), 3u);
    EXPECT_EQ(linked(), previous);
}

// A small font file holding glyphs 0 and 1, U+4E00 mapped to glyph 1.
void writeSmallFont(const std::filesystem::path& file, std::vector<tt::EncodingRecord> records) {
    tt::testing::TinyFontRecipe recipe;
    recipe.glyphs = {tt::testing::SquareGlyph(0, 0, 100), tt::testing::SquareGlyph(100, 100, 300)};
    recipe.codes = {{0x4E00, 1}};
    recipe.records = std::move(records);
    pelorin::testing::WriteFile(file, tt::testing::BuildTinyFont(recipe));
}

TEST_F(GlyphImportTest, ModeTwoPrecedenceDecidesTheFontsOwnCodes) {
    writeSmallFont(entry.fontFilePath, {{0, 3}, {3, 1}});  // a Unicode-platform map first counts as Unicode
    const auto lib = library("a.pfi", {{0x4E00, 0, squareRecord(50)}, {0x4E01, 0, squareRecord(50)}});
    const auto original = tt::SourceFont::Open(entry.fontFilePath);
    ASSERT_TRUE(original.ok());

    for (const Precedence precedence : {Precedence::CurrentFont, Precedence::Library}) {
        SCOPED_TRACE(static_cast<int>(precedence));
        ImportSettings s = settings(lib, ImportMode::EverythingIntoFont, precedence, "new.tte");
        s.newFontPath = (dir / "merged.ttf").string();
        ASSERT_TRUE(run(s));
        EXPECT_EQ(entry.newFontFilePath, s.newFontPath);
        const auto merged = tt::SourceFont::Open(s.newFontPath);
        ASSERT_TRUE(merged.ok());
        EXPECT_EQ(merged->EnumerateCodes(), (std::vector<tt::CodeGlyph>{{0x4E00, 1}, {0x4E01, 2}}));
        EXPECT_EQ(merged->NumGlyphs(), 3);
        const auto kept = merged->GetGlyph(1);
        const auto before = original->GetGlyph(1);
        const bool same = std::equal(kept.begin(), kept.end(), before.begin(), before.end());
        EXPECT_EQ(same, precedence == Precedence::CurrentFont);
    }
}

TEST_F(GlyphImportTest, ModeTwoStopsOnAFontOfAnotherRegion) {
    writeSmallFont(entry.fontFilePath, {{3, 3}});  // a PRC map
    entry.codePage = 950;
    const auto lib = library("a.pfi", {{0xA440, 0, squareRecord(50)}}, 0xC3E8);  // a 950 library
    ImportSettings s = settings(lib, ImportMode::EverythingIntoFont, Precedence::CurrentFont, "new.tte");
    s.newFontPath = (dir / "merged.ttf").string();
    EXPECT_FALSE(run(s));
    EXPECT_EQ(messages.shown.back(), "字体：LMSong与系统的地区设置不对应。");
    EXPECT_EQ(entry.libraryFilePath, "");
    EXPECT_EQ(entry.newFontFilePath, "");
    EXPECT_FALSE(std::filesystem::exists(s.newFontPath));
}

// Asks to cancel once `cancelAfter` characters are done.
class CancellingProgress final : public ImportProgress {
public:
    explicit CancellingProgress(int after) : cancelAfter(after) {}
    void setRange(int) override {}
    void step() override { ++steps; }
    bool cancelRequested() const override { return steps >= cancelAfter; }
    int cancelAfter;
    int steps = 0;
};

// Every file below the folder with its bytes.
std::map<std::string, std::vector<std::uint8_t>> filesBelow(const std::filesystem::path& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& item : std::filesystem::recursive_directory_iterator(dir)) {
        if (!item.is_regular_file()) continue;
        std::ifstream in(item.path(), std::ios::binary);
        files[item.path().string()].assign(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

TEST_F(GlyphImportTest, ACancelledImportLeavesEveryFileAndTheLinkAsTheyWere) {
    writeSmallFont(entry.fontFilePath, {{3, 1}});
    std::vector<pelorin::testing::LibraryEntry> glyphs;
    for (std::uint16_t code = 0xE000; code < 0xE006; ++code) glyphs.push_back({code, 0, squareRecord(60)});
    for (std::uint16_t code = 0x4E00; code < 0x4E06; ++code) glyphs.push_back({code, 0, squareRecord(60)});
    const auto lib = library("a.pfi", glyphs);
    ASSERT_TRUE(run(settings(library("old.pfi", {{0xE001, 0, squareRecord(30)}}), ImportMode::EudcOnly,
                             Precedence::CurrentFont, "font.tte")));

    const struct {
        const char* name;
        ImportMode mode;
        const char* eudcName;
        int cancelAfter;
    } kCases[] = {
        {"a new EUDC file over the linked one", ImportMode::EudcOnly, "font.tte", 3},
        {"a merge in place", ImportMode::EudcIntoFont, "font.tte", 3},
        {"a merge into a copy", ImportMode::EudcIntoFont, "copy.tte", 5},
        {"a new font, cancelled in its own step", ImportMode::EverythingIntoFont, "copy.tte", 8},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const auto filesBefore = filesBelow(dir);
        const FontEntry entryBefore = entry;
        const std::string linkBefore = linked();
        CancellingProgress cancelling(c.cancelAfter);
        ImportContext cancellable{links, messages, cancelling, PfiOpenOptions{0, {}}, nullptr};
        ImportSettings s = settings(lib, c.mode, Precedence::Library, c.eudcName);
        s.newFontPath = (dir / "merged.ttf").string();

        EXPECT_FALSE(runImport(entry, s, cancellable));
        EXPECT_EQ(cancelling.steps, c.cancelAfter);
        EXPECT_EQ(messages.shown.back(), "已取消引入Zorvan补字库，所有文件和链接保持原样。");
        EXPECT_TRUE(filesBelow(dir) == filesBefore);
        EXPECT_EQ(linked(), linkBefore);
        EXPECT_EQ(entry.eudcFilePath, entryBefore.eudcFilePath);
        EXPECT_EQ(entry.libraryFilePath, entryBefore.libraryFilePath);
    }
}

}  // namespace
}  // namespace pelorin::fonts
