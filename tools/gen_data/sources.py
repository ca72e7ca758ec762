"""Readers for the public sources the shipped data is made from.

unicode-data: the Unihan database, CJKRadicals.txt and
EquivalentUnifiedIdeograph.txt.  rime-data-stroke: stroke.dict.yaml, whose
stroke letters h s p n z are the strokes 1 2 3 4 5.
"""

import bz2
import collections
import gzip
import os
import re

UNICODE_DIR = "/usr/share/unicode"
RIME_STROKE_DICT = "/usr/share/rime-data/stroke.dict.yaml"
UNICODE_CHANGELOG = "/usr/share/doc/unicode-data/changelog.Debian.gz"
RIME_CHANGELOG = "/usr/share/doc/rime-data-stroke/changelog.Debian.gz"

UNIHAN_FILES = ("Unihan_IRGSources.txt", "Unihan_Readings.txt", "Unihan_DictionaryLikeData.txt")
UNIHAN_FIELDS = {
    "kTotalStrokes", "kRSUnicode", "kMandarin", "kHanyuPinyin", "kXHC1983",
    "kDefinition", "kIRG_GSource", "kIRG_HSource", "kIRG_MSource",
}
STROKE_DIGITS = str.maketrans("hspnz", "12345")
STROKE_CODE = re.compile(r"[hspnz]+")
MAINLAND_SECTION_MARK = "#The following entries inherited"


class SourceError(Exception):
    """A source file is missing or does not say what the data relies on."""


def sources_present():
    needed = [os.path.join(UNICODE_DIR, "CJKRadicals.txt"),
              os.path.join(UNICODE_DIR, "EquivalentUnifiedIdeograph.txt"),
              RIME_STROKE_DICT]
    unihan = [os.path.join(UNICODE_DIR, n) for n in UNIHAN_FILES]
    return all(os.path.exists(p) for p in needed) and all(
        os.path.exists(p) or os.path.exists(p + ".bz2") for p in unihan)


def _open_text(path):
    if os.path.exists(path):
        return open(path, encoding="utf-8")
    if os.path.exists(path + ".bz2"):
        return bz2.open(path + ".bz2", "rt", encoding="utf-8")
    raise SourceError(f"missing source file {path}")


def _debian_version(changelog):
    with gzip.open(changelog, "rt", encoding="utf-8") as f:
        first = f.readline()
    match = re.match(r"(\S+) \((\S+)\)", first)
    if not match:
        raise SourceError(f"cannot read the package version from {changelog}")
    return match.group(2)


def source_versions():
    """The versions named in every generated file's header."""
    return {
        "unicode-data": _debian_version(UNICODE_CHANGELOG),
        "rime-data-stroke": _debian_version(RIME_CHANGELOG),
    }


def load_unihan():
    """{code point: {field: value}} for the fields the generator reads."""
    unihan = collections.defaultdict(dict)
    for name in UNIHAN_FILES:
        with _open_text(os.path.join(UNICODE_DIR, name)) as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in UNIHAN_FIELDS:
                    unihan[int(code[2:], 16)][field] = value
    return unihan


def load_cjk_radicals():
    """{radical number text ("120" or "120'"): (radical char, unified char)}."""
    table = {}
    with _open_text(os.path.join(UNICODE_DIR, "CJKRadicals.txt")) as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            number, radical, unified = (p.strip() for p in line.split(";"))
            table[number] = (int(radical, 16) if radical else None, int(unified, 16))
    return table


def load_equivalent_ideographs():
    """{radical code point: equivalent unified ideograph}."""
    table = {}
    with _open_text(os.path.join(UNICODE_DIR, "EquivalentUnifiedIdeograph.txt")) as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            codes, unified = (p.strip() for p in line.split(";"))
            first, _, last = codes.partition("..")
            for c in range(int(first, 16), int(last or first, 16) + 1):
                table[c] = int(unified, 16)
    return table


class RejectedStrokes:
    """A stroke-dictionary entry left out because its code holds something
    other than the five stroke letters."""

    __slots__ = ("line", "code_point", "code")

    def __init__(self, line, code_point, code):
        self.line, self.code_point, self.code = line, code_point, code

    def __str__(self):
        return f"line {self.line}: U+{self.code_point:04X} {self.code!r}"


class StrokeDictionary:
    """taiwan, mainland: {code point: [stroke digit strings in file order]};
    rejected: [RejectedStrokes] in file order."""

    def __init__(self):
        self.taiwan = collections.defaultdict(list)
        self.mainland = collections.defaultdict(list)
        self.rejected = []


def parse_rime_strokes(lines):
    """The StrokeDictionary of stroke.dict.yaml's lines.

    The file lists the Taiwan forms first and then, after a comment line, the
    mainland entries that differ.  An entry whose code is not made of the
    letters h s p n z alone is left out, so that the character keeps its
    other entries, and is listed in rejected."""
    result = StrokeDictionary()
    current = None
    seen_mark = False
    for number, line in enumerate(lines, start=1):
        if line.startswith(MAINLAND_SECTION_MARK):
            seen_mark = True
            current = result.mainland
            continue
        if "\t" not in line or line.startswith("#"):
            continue
        text, code = line.rstrip("\n").split("\t")[:2]
        if len(text) != 1:
            continue
        if current is None:
            current = result.taiwan
        if not STROKE_CODE.fullmatch(code):
            result.rejected.append(RejectedStrokes(number, ord(text), code))
            continue
        current[ord(text)].append(code.translate(STROKE_DIGITS))
    if not seen_mark:
        raise SourceError("stroke.dict.yaml has no mainland section")
    return result


def load_rime_strokes():
    with _open_text(RIME_STROKE_DICT) as f:
        return parse_rime_strokes(f)
