// The population-register font as a user gets it: built by the build, copied
// to a fresh home's fonts folder (the portable layout), linked by the start-up
// set-up of the built pelorin; then every code of the register set is matched
// through fontconfig's own API and rendered with FreeType.
#include "common/testing/ScratchDirectory.h"
#include "pelorin/truetype/GlyphInk_testing.h"
#include "pelorin/truetype/OutsideTools_testing.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kBuiltFont = LUMENAR_REGISTER_FONT;
const fs::path kPelorin = LUMENAR_PELORIN;
const fs::path kHanazono = LUMENAR_HANAZONO_DIR;
const fs::path kPuaSet = fs::path(LUMENAR_DATA_DIR) / "pua-set.tsv";
// The size glyphs are compared at. The EUDC layout's 256-unit em rounds every
// outline point by up to 1/512 em, which thins or thickens the Hanazono faces'
// hairlines: the mean agreement is 0.961 at 48 px and 0.960 at 96 px, but
// 0.946 at 64 px and 0.948 at 128 px, where the rounding lands on pixel edges.
constexpr int kPixels = 48;

using pelorin::truetype::testing::Quoted;
using pelorin::truetype::testing::RunCommand;

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct RegisterCode {
    unsigned code = 0;      // the Private Use Area code
    unsigned standard = 0;  // the standard character it stands for
};

std::vector<RegisterCode> registerSet() {
    std::vector<RegisterCode> set;
    std::istringstream lines(readText(kPuaSet));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        RegisterCode row;
        if (std::sscanf(line.c_str(), "%x %x", &row.code, &row.standard) == 2) set.push_back(row);
    }
    return set;
}

// The face lines of pfiFonts.ini (its section line names the font).
std::vector<std::string> iniFaces(const fs::path& ini) {
    std::vector<std::string> faces;
    std::istringstream lines(readText(ini));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] != '[') faces.push_back(line);
    }
    return faces;
}

// ---- rendering ----

using pelorin::truetype::testing::Face;
using pelorin::truetype::testing::FreeType;
using pelorin::truetype::testing::intersectionOverUnion;

// ---- matching ----

// The file fontconfig picks for one character of a family, as
// fc-match 'FAMILY:charset=XXXX' would.
std::string matchedFile(FcConfig* config, const std::string& family, unsigned code) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcCharSet* charset = FcCharSetCreate();
    FcCharSetAddChar(charset, code);
    FcPatternAddCharSet(pattern, FC_CHARSET, charset);
    FcCharSetDestroy(charset);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    std::string file;
    FcChar8* value = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch)
        file = reinterpret_cast<const char*>(value);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return file;
}

// The file of the first font, in fontconfig's sorted list for the family,
// that has the code: the font a program walking the list (as Qt does) draws
// the code with.
std::map<unsigned, std::string> firstFileWalkingTheList(FcConfig* config, const std::string& family,
                                                        const std::vector<RegisterCode>& codes) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = FcFontSort(config, pattern, FcFalse, nullptr, &result);
    std::map<unsigned, std::string> first;
    for (int i = 0; sorted && i < sorted->nfont; ++i) {
        FcCharSet* charset = nullptr;
        FcChar8* file = nullptr;
        if (FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch ||
            FcPatternGetString(sorted->fonts[i], FC_FILE, 0, &file) != FcResultMatch)
            continue;
        for (const RegisterCode& row : codes)
            if (!first.contains(row.code) && FcCharSetHasChar(charset, row.code))
                first[row.code] = reinterpret_cast<const char*>(file);
    }
    if (sorted) FcFontSetDestroy(sorted);
    FcPatternDestroy(pattern);
    return first;
}

// A fresh home whose fonts folder holds a copy of the built font, set up by a
// bare pelorin (which reads the pfiFonts.ini beside it).
class FreshHome {
public:
    FreshHome() {
        const fs::path home = scratch_.path();
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
        setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
        setenv("LC_ALL", "C.UTF-8", 1);
        unsetenv("LUMENAR_REGISTRY_FILE");
        unsetenv("FONTCONFIG_FILE");
        fonts_ = home / ".local/share/fonts";
        fs::create_directories(fonts_);
        fs::copy_file(kBuiltFont, font());
    }
    fs::path font() const { return fonts_ / "LMCivic.TTE"; }
    const fs::path& root() const { return scratch_.path(); }

private:
    lumenar::testing::ScratchDirectory scratch_;
    fs::path fonts_;
};

TEST(RegisterFont, EveryCodeResolvesToTheRegisterFontAndDrawsItsStandardCharacter) {
    const std::vector<RegisterCode> codes = registerSet();
    ASSERT_EQ(codes.size(), 4802u);
    FreshHome home;
    ASSERT_EQ(RunCommand(Quoted(kPelorin.string())).exitCode, 0);

    std::vector<std::string> families{"sans-serif", "serif", "monospace"};
    const std::vector<std::string> faces = iniFaces(kPelorin.parent_path() / "pfiFonts.ini");
    ASSERT_FALSE(faces.empty());
    families.insert(families.end(), faces.begin(), faces.end());

    FcConfig* config = FcInitLoadConfigAndFonts();
    ASSERT_NE(config, nullptr);
    std::map<std::string, std::size_t> elsewhere;  // family: codes resolved to another file
    std::map<std::string, std::string> example;
    for (const std::string& family : families)
        for (const RegisterCode& row : codes) {
            const std::string file = matchedFile(config, family, row.code);
            if (file == home.font().string()) continue;
            if (elsewhere[family]++ == 0) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "%04X", row.code);
                example[family] = std::string(hex) + " -> " + file;
            }
        }
    // Tesvik's default display face, walked as Qt walks it: the register font
    // comes before any face with glyphs of its own at the register's codes.
    std::size_t walkedElsewhere = 0;
    for (const auto& [code, file] : firstFileWalkingTheList(config, "Lumenar楷体T", codes))
        if (file != home.font().string()) ++walkedElsewhere;
    EXPECT_EQ(walkedElsewhere, 0u);
    FcConfigDestroy(config);
    for (const auto& [family, count] : elsewhere)
        ADD_FAILURE() << family << ": " << count << " codes resolve elsewhere, e.g. " << example[family];

    FreeType freeType;
    const Face registerFont(freeType, home.font(), 0, kPixels);
    const Face hanaA(freeType, kHanazono / "HanaMinA.ttf", 0, kPixels);
    const Face hanaB(freeType, kHanazono / "HanaMinB.ttf", 0, kPixels);
    ASSERT_TRUE(registerFont.ok() && hanaA.ok() && hanaB.ok());
    double sum = 0;
    double lowest = 1;
    std::size_t blank = 0;
    for (const RegisterCode& row : codes) {
        const auto drawn = registerFont.ink(row.code);
        if (!registerFont.maps(row.code) || drawn.empty()) {
            ++blank;
            continue;
        }
        const Face& source = hanaA.maps(row.standard) ? hanaA : hanaB;
        const double iou = intersectionOverUnion(drawn, source.ink(row.standard));
        sum += iou;
        lowest = std::min(lowest, iou);
    }
    EXPECT_EQ(blank, 0u);
    const double mean = sum / static_cast<double>(codes.size());
    EXPECT_GE(mean, 0.95);
    std::printf("register font: %zu codes x %zu families matched; mean IoU %.4f, lowest %.4f (%d px)\n", codes.size(),
                families.size(), mean, lowest, kPixels);
}

TEST(RegisterFont, TheBuildIsReproducible) {
    FreshHome home;
    const fs::path library = home.root() / "again.pfi";
    const fs::path font = home.root() / "again.TTE";
    const std::string pelorin = Quoted(kPelorin.string());
    ASSERT_EQ(RunCommand(pelorin + " pfi-pack " + Quoted((kHanazono / "HanaMinA.ttf").string()) + " " +
                         Quoted((kHanazono / "HanaMinB.ttf").string()) + " --map " + Quoted(kPuaSet.string()) +
                         " --code-page 0 --em 1024 --out " + Quoted(library.string()))
                  .exitCode,
              0);
    ASSERT_EQ(RunCommand(pelorin + " make-eudc " + Quoted(library.string()) + " " + Quoted(font.string())).exitCode, 0);
    EXPECT_TRUE(readText(font) == readText(kBuiltFont)) << "a second build of LMCivic.TTE differs";
}

}  // namespace
