// The pelorin command end to end, on real fonts, checked by tools nobody
// here wrote: FreeType renders, ots-sanitize and fontTools read, fontconfig
// matches. Every test runs with HOME and the XDG directories in a temporary
// folder, so the user's own fonts and settings are never touched.

#include "common/testing/ScratchDirectory.h"
#include "pelorin/truetype/GlyphInk_testing.h"
#include "pelorin/truetype/OutsideTools_testing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kUkai = "/usr/share/fonts/truetype/arphic/ukai.ttc";
const fs::path kZenHei = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";
constexpr int kUkaiHongKong = 1;  // the face of ukai.ttc with Private Use Area glyphs
const char* const kFace = "AR PL UKai CN";

using pelorin::truetype::testing::Quoted;

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// ---- the shared scene: a temporary home, the libraries and fonts made once ----

struct Scene {
    fs::path root;
    fs::path pelorin;
    fs::path fontsFolder;
    fs::path eudcLibrary;    // ukai HK, U+E000..U+E5FF, code page 0
    fs::path otherLibrary;   // ukai HK, U+E600..U+E6FF
    fs::path zenHeiLibrary;  // Zen Hei, Ext-A U+3400..U+34FF and U+4E00..U+4E3F
    fs::path eudcFont;       // make-eudc of eudcLibrary
    fs::path otherFont;      // make-eudc of otherLibrary
};

Scene* scene = nullptr;

Outcome run(const std::string& arguments, const fs::path& program = {}) {
    const fs::path out = scene->root / "run.out";
    const fs::path err = scene->root / "run.err";
    const fs::path binary = program.empty() ? scene->pelorin : program;
    const std::string command =
        Quoted(binary.string()) + " " + arguments + " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(out), readText(err)};
}

Outcome shell(const std::string& command) {
    const fs::path out = scene->root / "shell.out";
    const fs::path err = scene->root / "shell.err";
    const int raw = std::system((command + " >" + Quoted(out.string()) + " 2>" + Quoted(err.string())).c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(out), readText(err)};
}

// ots-sanitize and fontTools (Debian's python3, not whatever python3 is first on PATH).
void expectToolsAccept(const fs::path& font) {
    const Outcome ots = shell("ots-sanitize " + Quoted(font.string()));
    EXPECT_EQ(ots.status, 0) << font << "\n" << ots.out << ots.err;
    const Outcome fontTools = shell(
        "/usr/bin/python3 -c " +
        Quoted("import sys\nfrom fontTools.ttLib import TTFont\nf = TTFont(sys.argv[1])\n"
               "for tag in f.keys():\n    f[tag]\nf['glyf'].glyphs and [f['glyf'][g] for g in f.getGlyphOrder()]\n") +
        " " + Quoted(font.string()));
    EXPECT_EQ(fontTools.status, 0) << font << "\n" << fontTools.err;
}

class PelorinEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        static Scene s;
        static const lumenar::testing::ScratchDirectory scratch;
        scene = &s;
        s.root = scratch.path();
        const fs::path home = s.root / "home";
        fs::create_directories(home);
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
        setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
        setenv("LC_ALL", "C.UTF-8", 1);
        unsetenv("LUMENAR_REGISTRY_FILE");
        unsetenv("FONTCONFIG_FILE");
        s.fontsFolder = home / ".local/share/fonts";
        fs::create_directories(s.fontsFolder);
        s.pelorin = fs::path(LUMENAR_BINARY_DIR) / "pelorin/cli/pelorin";

        s.eudcLibrary = s.root / "eudc.pfi";
        s.otherLibrary = s.root / "other.pfi";
        s.zenHeiLibrary = s.root / "zenhei.pfi";
        s.eudcFont = s.root / "eudc.tte";
        s.otherFont = s.root / "other.tte";
        const std::string ukai = Quoted(kUkai.string()) + " --face-index " + std::to_string(kUkaiHongKong);
        pack(ukai + " --codes E000-E5FF --em 1024 --out " + Quoted(s.eudcLibrary.string()));
        pack(ukai + " --codes E600-E6FF --em 1024 --out " + Quoted(s.otherLibrary.string()));
        pack(Quoted(kZenHei.string()) + " --codes 3400-34FF,4E00-4E3F --em 1024 --out " +
             Quoted(s.zenHeiLibrary.string()));
        makeEudc(s.eudcLibrary, s.eudcFont);
        makeEudc(s.otherLibrary, s.otherFont);
    }

private:
    static void pack(const std::string& arguments) {
        const Outcome packed = run("pfi-pack " + arguments);
        ASSERT_EQ(packed.status, 0) << packed.err;
    }
    static void makeEudc(const fs::path& library, const fs::path& font) {
        const Outcome made = run("make-eudc " + Quoted(library.string()) + " " + Quoted(font.string()));
        ASSERT_EQ(made.status, 0) << made.err;
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new PelorinEnvironment);

// ---- rendering with FreeType ----

using pelorin::truetype::testing::Face;
using pelorin::truetype::testing::FreeType;
using pelorin::truetype::testing::intersectionOverUnion;

struct Agreement {
    std::size_t glyphs = 0;
    double sum = 0;
    double mean() const { return glyphs == 0 ? 0 : sum / static_cast<double>(glyphs); }
    void add(double iou) {
        ++glyphs;
        sum += iou;
    }
};

// ---- the tests ----

TEST(PelorinCommand, PfiInfoCountsARealLibrary) {
    const Outcome info = run("pfi-info " + Quoted(scene->eudcLibrary.string()));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("code-page\t0\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("em-size\t1024\n"), std::string::npos) << info.out;
    const auto at = info.out.find("eudc-codes\t");
    ASSERT_NE(at, std::string::npos);
    EXPECT_GE(std::stoi(info.out.substr(at + 11)), 500);
}

TEST(PelorinCommand, EudcFontDrawsTheSourceGlyphs) {
    expectToolsAccept(scene->eudcFont);
    expectToolsAccept(scene->otherFont);
    FreeType freeType;
    const Face source(freeType, kUkai, kUkaiHongKong, 64);
    const Face eudc(freeType, scene->eudcFont, 0, 64);
    ASSERT_TRUE(source.ok() && eudc.ok());
    Agreement agreement;
    for (FT_ULong code = 0xE000; code <= 0xE5FF; ++code)
        if (source.maps(code)) agreement.add(intersectionOverUnion(source.ink(code), eudc.ink(code)));
    EXPECT_GE(agreement.glyphs, 500u);
    // An EUDC font has 256 units per em: rounding this brush face's 1024-unit
    // outlines to that grid alone keeps the agreement near 0.965 at any size.
    // (Glyphs converted at the source's own em agree fully; see mode 2.)
    EXPECT_GE(agreement.mean(), 0.95);
    std::printf("EUDC font: %zu glyphs, mean IoU %.4f\n", agreement.glyphs, agreement.mean());
}

TEST(PelorinCommand, ModeTwoKeepsEveryGlyphOfTheFontAndAddsTheLibrarys) {
    // A copy of ukai under its own folder, whose Hong Kong face fontconfig
    // names "LMKai", one of the maker's families.
    const fs::path folder = scene->root / "source-fonts";
    fs::create_directories(folder);
    const fs::path copy = folder / "ukai.ttc";
    fs::copy_file(kUkai, copy, fs::copy_options::overwrite_existing);
    fs::create_directories(scene->root / "home/.config/fontconfig/conf.d");
    std::ofstream(scene->root / "home/.config/fontconfig/conf.d/10-test-lmkai.conf")
        << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n"
        << "  <dir>" << folder.string() << "</dir>\n"
        << "  <match target=\"scan\">\n    <test name=\"file\"><string>" << copy.string() << "</string></test>\n"
        << "    <test name=\"index\"><int>1</int></test>\n"
        << "    <edit name=\"family\" mode=\"assign_replace\"><string>LMKai</string></edit>\n  </match>\n"
        << "</fontconfig>\n";
    const Outcome list = run("list");
    ASSERT_EQ(list.status, 0) << list.err;
    ASSERT_NE(list.out.find("LMKai\t" + copy.string() + "\t"), std::string::npos) << list.out;

    const fs::path merged = scene->root / "merged.ttf";
    const Outcome imported = run("import --face LMKai --library " + Quoted(scene->zenHeiLibrary.string()) +
                                 " --mode 2 --precedence 0 --eudc " + Quoted((scene->root / "merged.tte").string()) +
                                 " --font-out " + Quoted(merged.string()));
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.out.find("new-font-file\t" + merged.string()), std::string::npos) << imported.out;
    expectToolsAccept(merged);

    FreeType freeType;
    const Face original(freeType, kUkai, kUkaiHongKong, 24);
    const Face zenHei(freeType, kZenHei, 0, 24);
    const Face result(freeType, merged, 0, 24);
    ASSERT_TRUE(original.ok() && zenHei.ok() && result.ok());

    // Every code of the original draws as it did (library codes it had
    // included), those beyond the Basic Multilingual Plane too.
    Agreement kept;
    std::size_t beyondBmp = 0;
    FT_UInt index = 0;
    for (FT_ULong code = FT_Get_First_Char(original.get(), &index); index != 0;
         code = FT_Get_Next_Char(original.get(), code, &index)) {
        if (code > 0xFFFF) ++beyondBmp;
        kept.add(intersectionOverUnion(original.ink(code), result.ink(code)));
    }
    EXPECT_GE(kept.glyphs, 20000u);
    EXPECT_GE(beyondBmp, 1000u);
    EXPECT_EQ(kept.mean(), 1.0);

    // The library's codes the font lacked are there now, drawn as the library draws them.
    Agreement added;
    for (FT_ULong code = 0x3400; code <= 0x34FF; ++code)
        if (!original.maps(code) && zenHei.maps(code)) {
            EXPECT_TRUE(result.maps(code)) << std::hex << code;
            added.add(intersectionOverUnion(zenHei.ink(code), result.ink(code)));
        }
    EXPECT_GE(added.glyphs, 50u);
    EXPECT_GE(added.mean(), 0.98);
    std::printf(
        "merged font: %zu original codes kept (mean IoU %.4f), %zu added (mean IoU %.4f), "
        "%zu of them beyond the BMP\n",
        kept.glyphs, kept.mean(), added.glyphs, added.mean(), beyondBmp);
}

std::string matchFile(const std::string& pattern) { return shell("fc-match -f '%{file}' " + Quoted(pattern)).out; }

std::string secondFamily(const std::string& face) {
    std::istringstream lines(shell("fc-match -s -f '%{family}\\n' " + Quoted(face)).out);
    std::string line;
    std::getline(lines, line);
    std::getline(lines, line);
    return line;
}

// The first Private Use Area code the first font draws and the second does not.
FT_ULong codeOnlyIn(const fs::path& has, const fs::path& lacks) {
    FreeType freeType;
    const Face a(freeType, has, 0, 16);
    const Face b(freeType, lacks, 0, 16);
    for (FT_ULong code = 0xE000; code <= 0xF8FF; ++code)
        if (!a.ink(code).empty() && b.ink(code).empty()) return code;
    return 0;
}

std::string charsetPattern(const std::string& face, FT_ULong code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%lx", code);
    return face + ":charset=" + hex;
}

TEST(PelorinCommand, LinkedEudcFontBecomesTheFacesFallback) {
    const fs::path linked = scene->fontsFolder / "LMLinked.tte";
    const fs::path fallback = scene->fontsFolder / "LMDefault.tte";
    fs::copy_file(scene->eudcFont, linked, fs::copy_options::overwrite_existing);
    fs::copy_file(scene->otherFont, fallback, fs::copy_options::overwrite_existing);

    ASSERT_EQ(run("link --face " + Quoted(kFace) + " --eudc " + Quoted(linked.string())).status, 0);
    EXPECT_EQ(secondFamily(kFace), "EUDC LMLinked.tte");
    const FT_ULong drawn = codeOnlyIn(linked, fallback);
    ASSERT_NE(drawn, 0u);
    EXPECT_EQ(matchFile(charsetPattern(kFace, drawn)), linked.string());

    // A code whose slot in the linked font is empty falls through to the
    // system default EUDC font, which draws it.
    ASSERT_EQ(run("link --face SystemDefaultEUDCFont --eudc " + Quoted(fallback.string())).status, 0);
    const FT_ULong empty = codeOnlyIn(fallback, linked);
    ASSERT_NE(empty, 0u);
    EXPECT_EQ(matchFile(charsetPattern(kFace, empty)), fallback.string());
    EXPECT_EQ(matchFile(charsetPattern(kFace, drawn)), linked.string());

    ASSERT_EQ(run("unlink --face " + Quoted(kFace)).status, 0);
    EXPECT_NE(secondFamily(kFace), "EUDC LMLinked.tte");
    EXPECT_EQ(matchFile(charsetPattern(kFace, drawn)), matchFile(charsetPattern("sans-serif", drawn)));
    EXPECT_EQ(run("unlink --face " + Quoted(kFace)).status, 1);
    ASSERT_EQ(run("unlink --face SystemDefaultEUDCFont").status, 0);
}

TEST(PelorinCommand, StartupLinksTheFacesOfTheIniBesideTheProgram) {
    const fs::path bin = scene->root / "bin";
    fs::create_directories(bin);
    fs::copy_file(scene->pelorin, bin / "pelorin", fs::copy_options::overwrite_existing);
    fs::copy_file(scene->eudcFont, scene->fontsFolder / "LMCivic.TTE", fs::copy_options::overwrite_existing);
    std::ofstream(bin / "pfiFonts.ini", std::ios::binary) << "[Civic(LMCivic.TTE)\r\n" << kFace << "\r\n";

    const Outcome startup = run("", bin / "pelorin");
    ASSERT_EQ(startup.status, 0) << startup.err;
    EXPECT_EQ(secondFamily(kFace), "EUDC LMCivic.TTE");
    const std::string registry = readText(scene->root / "home/.config/lumenar/registry");
    EXPECT_NE(registry.find(std::string(kFace) + "=" + (scene->fontsFolder / "LMCivic.TTE").string()),
              std::string::npos)
        << registry;

    // Without the ini file the set-up removes the civic links again.
    fs::remove(bin / "pfiFonts.ini");
    ASSERT_EQ(run("", bin / "pelorin").status, 0);
    EXPECT_NE(secondFamily(kFace), "EUDC LMCivic.TTE");
}

TEST(PelorinCommand, ListAllShowsEveryInstalledFaceWithCjkIdeographs) {
    const Outcome all = run("list --all");
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_NE(all.out.find("WenQuanYi Zen Hei\t" + kZenHei.string() + "\t"), std::string::npos) << all.out;
    EXPECT_EQ(all.out.find("DejaVu Sans"), std::string::npos) << all.out;
    // A face of that list can be backed up by its name.
    const fs::path copy = scene->root / "zenhei-backup.ttc";
    ASSERT_EQ(run("backup --face " + Quoted("WenQuanYi Zen Hei") + " --out " + Quoted(copy.string())).status, 0);
    EXPECT_EQ(fs::file_size(copy), fs::file_size(kZenHei));
}

TEST(PelorinCommand, ExitStatusesTellUsageFromFailure) {
    const struct {
        const char* arguments;
        int status;
    } kCases[] = {
        {"frobnicate", 2},
        {"import --library x.pfi", 2},
        {"import --face F --library x.pfi --mode 3", 2},
        {"pfi-pack font.ttf --codes 4E00-4DFF --out x.pfi", 2},
        {"pfi-info /no/such/library.pfi", 1},
        {"backup --face NoSuchFace --out x.ttf", 1},
    };
    for (const auto& c : kCases) EXPECT_EQ(run(c.arguments).status, c.status) << c.arguments;
    // The messages speak the locale's language: English in C.UTF-8.
    EXPECT_EQ(run("pfi-info /no/such/library.pfi").err,
              "Cannot open the supplementary library file: /no/such/library.pfi\n");
}

TEST(PelorinCommand, HelpSpeaksTheLanguageOfLang) {
    const auto helpUnder = [](const std::string& lang) {
        return shell("env -u LC_ALL -u LC_MESSAGES LANG=" + lang + " " + Quoted(scene->pelorin.string()) + " --help");
    };
    const Outcome traditional = helpUnder("zh_TW.UTF-8");
    EXPECT_EQ(traditional.status, 0);
    EXPECT_NE(traditional.out.find("結束狀態："), std::string::npos) << traditional.out;
    EXPECT_NE(traditional.out.find("用法：\n"), std::string::npos) << traditional.out;
    const Outcome english = helpUnder("C");
    EXPECT_EQ(english.status, 0);
    EXPECT_NE(english.out.find("exit status: "), std::string::npos) << english.out;
    EXPECT_NE(english.out.find("usage:\n"), std::string::npos) << english.out;
}

}  // namespace
