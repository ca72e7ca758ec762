#include "pelorin/pfi/PfiDoc.h"
#include "common/testing/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <fstream>

#include "pelorin/pfi/CodeSpace.h"
#include "pelorin/pfi/LibraryBytes_testing.h"
#include "pelorin/pfi/OldVersionEmSize.h"
#include "pelorin/pfi/PfiMessages.h"

namespace pelorin {
namespace {

using testing::LibraryBytes;
using testing::LibraryEntry;
using Bytes = std::vector<std::uint8_t>;

const Bytes kEmptyGlyph = {0x00};

struct EmWordCase {
    std::uint16_t emWord;
    std::uint16_t systemCodePage;
    std::uint16_t codePage;
    std::uint16_t emSize;
    bool warnsCodeSpace;
};

class EmWordTest : public ::testing::TestWithParam<EmWordCase> {};

TEST_P(EmWordTest, SettlesCodePageAndEmSize) {
    const EmWordCase& c = GetParam();
    CPfiDoc doc;
    ASSERT_TRUE(doc.OpenBytes(LibraryBytes(c.emWord, {}), "lib/A.pfi", {c.systemCodePage, {}}));
    EXPECT_EQ(doc.CodePage(), c.codePage);
    EXPECT_EQ(doc.EmSize(), c.emSize);
    if (c.warnsCodeSpace) {
        EXPECT_EQ(doc.Warnings(), std::vector<std::string>{pfi_messages::CodeSpaceMismatch("lib/A.pfi")});
        EXPECT_EQ(doc.Warnings()[0], "后端补字字库：lib/A.pfi与当前字库编码不同，有可能引起字符编码混乱。");
    } else {
        EXPECT_TRUE(doc.Warnings().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Tags, EmWordTest,
                         ::testing::Values(EmWordCase{0x83E8, 932, 936, 1000, false},
                                           EmWordCase{0xC400, 0, 950, 1024, false},
                                           EmWordCase{0x03E8, 932, 932, 1000, true},
                                           EmWordCase{0x43E8, 0, 0, 1000, true},
                                           EmWordCase{0x7FFF, 1361, 1361, 0x3FFF, true}));

TEST(PfiDocTest, ZeroEmSizeIsRejected) {
    CPfiDoc doc;
    const auto status = doc.OpenBytes(LibraryBytes(0x8000, {}), "Z.pfi", {});
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().code, PfiErrorCode::BadLibrary);
}

TEST(PfiDocTest, OldVersionTakesEmSizeFromIniBesideTheProgram) {
    const lumenar::testing::ScratchDirectory scratch;
    const std::filesystem::path& dir = scratch.path();
    const auto library = dir / "SSFL.pfi";
    testing::WriteFile(library, LibraryBytes(0, {}));
    const PfiOpenOptions options{936, dir};

    CPfiDoc doc;
    ASSERT_TRUE(doc.Open(library, options));
    EXPECT_EQ(doc.EmSize(), 1000);  // no ini file yet
    EXPECT_EQ(doc.CodePage(), 936);
    EXPECT_EQ(doc.Warnings(),
              std::vector<std::string>{"后端补字字库：" + library.string() + "是较旧的版本，请确认编码的正确性。"});

    std::ofstream(dir / "DIRore.INI") << "[Other]\r\nSSF=2000\r\n[FONTBASE]\r\nXXL=900\r\nSSF=1024\r\n";
    ASSERT_TRUE(doc.Open(library, options));
    EXPECT_EQ(doc.EmSize(), 1024);

    std::ofstream(dir / "DIRore.INI") << "[FONTBASE]\nSSF=0\n";
    ASSERT_TRUE(doc.Open(library, options));
    EXPECT_EQ(doc.EmSize(), 1000);
    std::filesystem::remove_all(dir);
}

TEST(PfiDocTest, OldVersionIniKeys) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"SSFL.pfi", "SSF"},  {"dir/SSFLN.pfi", "SSF"}, {"XXLL.pfi", "XXL"}, {"HTFN.pfi", "HTF"},
        {"KTFN.pfi", "KTF"},  {"XH1FN.pfi", "XH1F"},    {"FSFN.pfi", "FSF"}, {"Y4FN.pfi", "Y4F"},
        {"ssfl.pfi", "ssfl"}, {"ABCN.pfi", "ABCN"},     {"noext", "noext"}};
    for (const auto& [file, key] : cases) EXPECT_EQ(OldVersionIniKey(file), key) << file;
}

TEST(PfiDocTest, IndexGivesRecordsAdvancesAndCodeLists) {
    const Bytes squareA = {0x81, 0x01, 0x00, 0x41, 0x00, 0x11, 0xEF};
    const Bytes squareB = {0x81, 0x01, 0x00, 0x41, 0x00, 0x22, 0xEF};
    const Bytes bytes = LibraryBytes(
        0x83E8, {{0xA1A1, 500, kEmptyGlyph}, {0xAAA1, 0, squareA}, {0xF8A1, -3, kEmptyGlyph}, {0xAAA1, 700, squareB}});
    CPfiDoc doc;
    ASSERT_TRUE(doc.OpenBytes(bytes, "x.pfi", {}));
    EXPECT_EQ(doc.GlyphCount(), 4);
    EXPECT_EQ(std::vector<std::uint16_t>(doc.EudcCodes().begin(), doc.EudcCodes().end()),
              (std::vector<std::uint16_t>{0xAAA1, 0xF8A1, 0xAAA1}));
    EXPECT_EQ(std::vector<std::uint16_t>(doc.OtherCodes().begin(), doc.OtherCodes().end()),
              std::vector<std::uint16_t>{0xA1A1});

    const auto first = doc.FindGlyph(0xAAA1);  // the first of the two entries wins
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(Bytes(first->bytes.begin(), first->bytes.end()), squareA);
    EXPECT_EQ(first->advance, 1000);  // 0 stands for the em size
    EXPECT_EQ(doc.FindGlyph(0xA1A1)->advance, 500);
    EXPECT_EQ(doc.FindGlyph(0xF8A1)->advance, -3);

    const auto missing = doc.FindGlyph(0xB0A1);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().code, PfiErrorCode::NotFound);
}

TEST(PfiDocTest, RecordPastTheEndOfTheFileIsMalformedOthersStillRead) {
    Bytes bytes = LibraryBytes(0x83E8, {{0xAAA1, 0, kEmptyGlyph}, {0xAAA2, 0, {0x81, 0x01, 0x00}}});
    bytes.pop_back();
    CPfiDoc doc;
    ASSERT_TRUE(doc.OpenBytes(bytes, "x.pfi", {}));
    EXPECT_TRUE(doc.FindGlyph(0xAAA1).ok());
    const auto cut = doc.FindGlyph(0xAAA2);
    ASSERT_FALSE(cut.ok());
    EXPECT_EQ(cut.error().code, PfiErrorCode::Malformed);
}

TEST(PfiDocTest, HeaderAndIndexMustFitTheFile) {
    Bytes shortFile(11, 0);
    Bytes indexPastEnd = LibraryBytes(0x83E8, {{0xAAA1, 0, kEmptyGlyph}});
    indexPastEnd[8] = 2;  // two entries, one present
    Bytes hugeIndexOffset = LibraryBytes(0x83E8, {{0xAAA1, 0, kEmptyGlyph}});
    hugeIndexOffset[0] = hugeIndexOffset[1] = hugeIndexOffset[2] = hugeIndexOffset[3] = 0xFF;
    for (const Bytes& bytes : {shortFile, indexPastEnd, hugeIndexOffset}) {
        CPfiDoc doc;
        const auto status = doc.OpenBytes(bytes, "x.pfi", {});
        ASSERT_FALSE(status);
        EXPECT_EQ(status.error().code, PfiErrorCode::BadLibrary);
        EXPECT_EQ(doc.GlyphCount(), 0);
        EXPECT_FALSE(doc.FindGlyph(0xAAA1).ok());
    }
}

TEST(PfiDocTest, MissingFileCannotBeOpened) {
    CPfiDoc doc;
    const auto status = doc.Open("/nonexistent/dir/x.pfi", {});
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().code, PfiErrorCode::CannotOpen);
    EXPECT_EQ(pfi_messages::CannotOpenLibrary("/nonexistent/dir/x.pfi"),
              "无法打开后端补字库文件：/nonexistent/dir/x.pfi");
}

struct EudcCase {
    std::uint16_t codePage;
    std::uint16_t code;
    bool eudc;
};

TEST(CodeSpaceTest, EudcAreas) {
    const std::vector<EudcCase> cases = {
        {936, 0xAAA1, true},  {936, 0xA1A1, false}, {936, 0xFEFE, true},  {936, 0xF8A0, false}, {0, 0xE3A0, true},
        {0, 0xF8FF, true},    {0, 0xF900, false},   {0, 0xDFFF, false},   {950, 0xFA40, true},  {950, 0xFA7F, false},
        {950, 0xFAA1, true},  {950, 0x8140, true},  {950, 0xC6A1, true},  {950, 0xC640, false}, {932, 0xF040, true},
        {932, 0xF07F, false}, {932, 0xF9FC, true},  {1361, 0xC9A1, true}, {949, 0xFEFE, true},  {949, 0xC8A1, false},
        {1252, 0xE000, true}, {1252, 0xAAA1, false}};
    for (const EudcCase& c : cases) {
        EXPECT_EQ(IsEudcCode(c.codePage, c.code), c.eudc) << c.codePage << " " << std::hex << c.code;
    }
}

TEST(CodeSpaceTest, CodePageFromLanguage) {
    EXPECT_EQ(CodePageFromLanguage(1028), 950);
    EXPECT_EQ(CodePageFromLanguage(1041), 932);
    EXPECT_EQ(CodePageFromLanguage(1042), 1361);
    EXPECT_EQ(CodePageFromLanguage(2052), 936);
    EXPECT_EQ(CodePageFromLanguage(1033), 0);
}

}  // namespace
}  // namespace pelorin
