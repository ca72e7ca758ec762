"""Builds the EUDC font of an outline file with fontTools and prints the
seconds the build took (reading the outline file not counted).

Usage: fonttools_eudc.py OUTLINES OUT.tte

OUTLINES has one glyph per line: the code in hex, a space, then contours
separated by '|', each a ';'-separated list of x,y,on points.
The font matches ours: em 256, glyph order .notdef, .null, U+E000..U+F8FF,
full horizontal and vertical metrics. Glyphs are built directly from their
points (the fastest way fontTools offers), so the comparison favours it.
"""
import sys
import time
from array import array

from fontTools.fontBuilder import FontBuilder
from fontTools.ttLib.tables import ttProgram
from fontTools.ttLib.tables._g_l_y_f import Glyph, GlyphCoordinates

EM = 256
FIRST, LAST = 0xE000, 0xF8FF


def read_outlines(path):
    outlines = []
    with open(path) as f:
        for line in f:
            code, rest = line.split(" ", 1)
            contours = []
            for contour in rest.strip().split("|"):
                points = []
                for point in contour.split(";"):
                    x, y, on = point.split(",")
                    points.append((int(x), int(y), on == "1"))
                contours.append(points)
            outlines.append((int(code, 16), contours))
    return outlines


def make_glyph(contours):
    glyph = Glyph()
    coordinates, flags, ends = [], [], []
    for contour in contours:
        for x, y, on in contour:
            coordinates.append((x, y))
            flags.append(1 if on else 0)
        ends.append(len(coordinates) - 1)
    glyph.numberOfContours = len(contours)
    glyph.coordinates = GlyphCoordinates(coordinates)
    glyph.flags = array("B", flags)
    glyph.endPtsOfContours = ends
    glyph.program = ttProgram.Program()
    glyph.program.fromBytecode(b"")
    return glyph


def build(outlines, out_path):
    names = [".notdef", ".null"] + ["uni%04X" % c for c in range(FIRST, LAST + 1)]
    builder = FontBuilder(EM, isTTF=True)
    builder.setupGlyphOrder(names)
    builder.setupCharacterMap({c: "uni%04X" % c for c in range(FIRST, LAST + 1)})
    glyphs = {name: Glyph() for name in names}
    glyphs[".notdef"] = make_glyph([[(116, 80, True), (116, 104, True), (140, 104, True), (140, 80, True)]])
    advances = {name: (EM, 0) for name in names}
    vertical = {name: (EM, 0) for name in names}
    for code, contours in outlines:
        name = "uni%04X" % code
        glyphs[name] = make_glyph(contours)
        advances[name] = (EM, min(x for c in contours for x, _, _ in c))
        vertical[name] = (EM, 220 - max(y for c in contours for _, y, _ in c))
    builder.setupGlyf(glyphs)
    builder.setupHorizontalMetrics(advances)
    builder.setupHorizontalHeader(ascent=220, descent=-35)
    builder.setupVerticalMetrics(vertical)
    builder.setupVerticalHeader(ascent=128, descent=-128)
    builder.setupNameTable({"familyName": "EUDC", "styleName": "Regular"})
    builder.setupOS2(sTypoAscender=220, sTypoDescender=-35, usWinAscent=220, usWinDescent=35)
    builder.setupPost()
    builder.save(out_path)


def main():
    outlines = read_outlines(sys.argv[1])
    start = time.perf_counter()
    build(outlines, sys.argv[2])
    print("%.6f" % (time.perf_counter() - start))


if __name__ == "__main__":
    main()
