// Outlines of a real CJK font (read with fontTools) packed into a library,
// read back and converted: every glyph must come back point for point.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/testing/ScratchDirectory.h"
#include "pelorin/pfi/GlyphConverter.h"
#include "pelorin/pfi/LibraryBytes_testing.h"
#include "pelorin/pfi/PfiDoc.h"
#include "pelorin/pfi/PfiWriter.h"
#include "pelorin/pfi/SimpleGlyphReader_testing.h"

namespace pelorin {
namespace {

constexpr char kFont[] = "/usr/share/fonts/truetype/arphic/ukai.ttc";

// Writes "em E", then per glyph "glyph CODE ADVANCE", "contour", "X Y ON".
constexpr char kDumpScript[] = R"(
import sys
from fontTools.ttLib import TTCollection
font = TTCollection(sys.argv[1]).fonts[0]
glyf, hmtx, cmap = font['glyf'], font['hmtx'], font.getBestCmap()
with open(sys.argv[2], 'w') as out:
    out.write('em %d\n' % font['head'].unitsPerEm)
    done = 0
    for code in range(0x4E00, 0x9FA6):
        name = cmap.get(code)
        if name is None or glyf[name].isComposite():
            continue
        g = glyf[name]
        out.write('glyph %d %d\n' % (code, hmtx[name][0]))
        if g.numberOfContours > 0:
            coords, ends, flags = g.getCoordinates(glyf)
            start = 0
            for end in ends:
                out.write('contour\n')
                for i in range(start, end + 1):
                    out.write('%d %d %d\n' % (coords[i][0], coords[i][1], flags[i] & 1))
                start = end + 1
        done += 1
        if done == 600:
            break
)";

struct Dump {
    std::uint16_t em = 0;
    std::vector<SourceGlyph> glyphs;
};

Dump ReadDump(const std::filesystem::path& path) {
    Dump dump;
    std::ifstream in(path);
    std::string line, word;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        if (line.rfind("em ", 0) == 0) {
            fields >> word >> dump.em;
        } else if (line.rfind("glyph ", 0) == 0) {
            SourceGlyph g;
            fields >> word >> g.code >> g.advance;
            dump.glyphs.push_back(g);
        } else if (line == "contour") {
            dump.glyphs.back().contours.emplace_back();
        } else {
            SourcePoint p;
            int on = 0;
            fields >> p.x >> p.y >> on;
            p.onCurve = on != 0;
            dump.glyphs.back().contours.back().push_back(p);
        }
    }
    return dump;
}

// The contour as a TrueType reader sees it: implied on-points between two
// off-points made explicit, starting at the first on-point.
SourceContour Explicit(const SourceContour& c) {
    SourceContour out;
    for (std::size_t i = 0; i < c.size(); ++i) {
        out.push_back(c[i]);
        const SourcePoint& next = c[(i + 1) % c.size()];
        if (!c[i].onCurve && !next.onCurve) out.push_back({(c[i].x + next.x) >> 1, (c[i].y + next.y) >> 1, true});
    }
    const auto firstOn = std::find_if(out.begin(), out.end(), [](const SourcePoint& p) { return p.onCurve; });
    std::rotate(out.begin(), firstOn, out.end());
    return out;
}

TEST(PfiRealFontTest, PackedGlyphsConvertBackToTheFontsPoints) {
    if (!std::filesystem::exists(kFont)) GTEST_SKIP() << kFont << " is not installed";
    const lumenar::testing::ScratchDirectory scratch;
    const std::filesystem::path& dir = scratch.path();
    const auto dumpPath = dir / "outlines.txt";
    const auto scriptPath = dir / "dump.py";
    std::ofstream(scriptPath) << kDumpScript;
    const std::string command = "/usr/bin/python3 " + scriptPath.string() + " " + kFont + " " + dumpPath.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const Dump dump = ReadDump(dumpPath);
    ASSERT_EQ(dump.glyphs.size(), 600u);

    const auto packed = PackPfiLibrary({0, dump.em, dump.em}, dump.glyphs);
    ASSERT_TRUE(packed.ok());
    EXPECT_TRUE(packed->skipped.empty());
    ASSERT_TRUE(WritePfiFile(dir / "ukai.pfi", packed->bytes));
    CPfiDoc doc;
    ASSERT_TRUE(doc.Open(dir / "ukai.pfi", {0, {}}));
    ASSERT_EQ(doc.GlyphCount(), 600);

    GlyphConverter converter;
    std::vector<std::uint8_t> out(kGlyphDataRoom);
    for (const SourceGlyph& g : dump.glyphs) {
        const auto glyph = converter.Convert(doc, g.code, {dump.em, 880}, false, out);
        ASSERT_TRUE(glyph.ok()) << glyph.error().detail;
        EXPECT_EQ(glyph->advanceWidth, g.advance);
        const auto read = testing::ReadSimpleGlyph(glyph->data);
        ASSERT_TRUE(read.has_value());
        ASSERT_EQ(read->contours.size(), g.contours.size()) << g.code;
        for (std::size_t c = 0; c < g.contours.size(); ++c) {
            SourceContour back;
            for (const auto& p : read->contours[c]) back.push_back({p.x, p.y, p.on});
            ASSERT_EQ(back, Explicit(g.contours[c])) << "code " << g.code << " contour " << c;
        }
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pelorin
