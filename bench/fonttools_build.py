#!/usr/bin/python3
"""Builds an EUDC font with fontTools from glyph outlines, for comparison
with Pelorin's import (pelorin/fonts/Import_bench.cpp).

usage: /usr/bin/python3 bench/fonttools_build.py OUTLINES.json OUT.tte

OUTLINES.json: {"em": 1024, "glyphs": [{"code": 57344, "advance": 1024,
"contours": [[[x, y, on], ...], ...]}, ...]}. The font has the EUDC shape:
256 units per em, glyphs for U+E000..U+F8FF after .notdef and an empty
glyph, horizontal and vertical metrics. Prints the seconds spent building
and saving (reading the JSON is not counted).
"""
import json
import sys
import time

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib.tables._g_l_y_f import Glyph

EUDC_EM = 256
FIRST, LAST = 0xE000, 0xF8FF


def scaled(value, factor):
    return int(value * factor + 0.5)


def glyph_of(contours, factor, baseline_lift):
    pen = TTGlyphPen(None)
    for contour in contours:
        points = [(scaled(x, factor), scaled(y - baseline_lift, factor), on) for x, y, on in contour]
        start = next(i for i, p in enumerate(points) if p[2])
        points = points[start:] + points[:start]
        pen.moveTo(points[0][:2])
        pending = []
        for x, y, on in points[1:] + [points[0]]:
            if on:
                if pending:
                    pen.qCurveTo(*pending, (x, y))
                    pending = []
                else:
                    pen.lineTo((x, y))
            else:
                pending.append((x, y))
        pen.closePath()
    return pen.glyph()


def build(data, out_path):
    factor = EUDC_EM / data["em"]
    lift = 0  # outlines are given on the font's own baseline
    names = [".notdef", "space"] + ["uni%04X" % code for code in range(FIRST, LAST + 1)]
    glyphs = {name: Glyph() for name in names}
    notdef = TTGlyphPen(None)
    notdef.moveTo((116, 80)); notdef.lineTo((116, 104)); notdef.lineTo((140, 104)); notdef.lineTo((140, 80))
    notdef.closePath()
    glyphs[".notdef"] = notdef.glyph()
    metrics = {name: (EUDC_EM, 0) for name in names}
    for entry in data["glyphs"]:
        name = "uni%04X" % entry["code"]
        glyphs[name] = glyph_of(entry["contours"], factor, lift)
        metrics[name] = (scaled(entry["advance"], factor), 0)

    fb = FontBuilder(EUDC_EM, isTTF=True)
    fb.setupGlyphOrder(names)
    fb.setupCharacterMap({code: "uni%04X" % code for code in range(FIRST, LAST + 1)})
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=220, descent=-36)
    fb.setupVerticalMetrics({name: (EUDC_EM, 0) for name in names})
    fb.setupVerticalHeader(ascent=128, descent=-128)
    fb.setupNameTable({"familyName": "EUDC", "styleName": "Regular"})
    fb.setupOS2(sTypoAscender=220, sTypoDescender=-36, usWinAscent=220, usWinDescent=36)
    fb.setupPost()
    fb.save(out_path)


def main():
    with open(sys.argv[1]) as f:
        data = json.load(f)
    started = time.perf_counter()
    build(data, sys.argv[2])
    print("%.6f" % (time.perf_counter() - started))


if __name__ == "__main__":
    main()
