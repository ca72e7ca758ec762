#!/usr/bin/env python3
"""Generates every shipped data file and built-in table from public Unicode data.

    gen_data.py [--root DIR]          write data/ and the generated/ folders of tesvik/ under DIR
    gen_data.py --choose-pua-set      (re)choose the Private Use Area set into data/pua-set.tsv

The root defaults to the repository.  Every data rule of data/README.md is
asserted on the way; a broken rule stops the run with exit status 1 and
writes nothing.
"""

import argparse
import os
import sys

import characters
import cpp_tables
import pinyin_files
import pua_set
import radical_files
import radical_table
import sources
import special_query
import stroke_files
import symbols

REPO_ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
PUA_SET_TABLE = "data/pua-set.tsv"


class Sources:
    """Everything read from the installed packages."""

    def __init__(self):
        self.versions = sources.source_versions()
        self.unihan = sources.load_unihan()
        self.cjk_radicals = sources.load_cjk_radicals()
        self.equivalents = sources.load_equivalent_ideographs()
        strokes = sources.load_rime_strokes()
        self.taiwan, self.mainland = strokes.taiwan, strokes.mainland
        self.rejected_strokes = strokes.rejected



def generate(src, pua_rows):
    """{relative path: bytes} of every generated file."""
    radicals = radical_table.radical_table(src)
    filer = radical_files.Filer(radicals, src)
    pua_set.check_set(pua_rows, filer.file_standard)
    chars = characters.all_characters(src, [(pua, std) for pua, std, _ in pua_rows])
    index, records = stroke_files.stroke_files(chars)
    filings = filer.file_all(chars)
    radical_index, radical_records = radical_files.radical_files(chars, radicals, filings)
    files = {
        "data/newmb.dat": radical_table.radical_table_file(radicals),
        "data/bs64-gb18030.idx": radical_index,
        "data/charmb614-gb18030.dat": radical_records,
        "data/bihuashu-gb18030.idx": index,
        "data/nanjianzi-gb18030.dat": records,
        "data/FontUnicodeOfSurrogate.cdt": stroke_files.surrogate_list(chars),
        "data/SOURCES": sources_note(src.versions),
    }
    files.update(pua_tables(src.versions, pua_rows))
    later_in_set = {std: pua for pua, std, _ in pua_rows if characters.later_extension_of(std)}
    files.update(pinyin_data(src, filer, later_in_set))
    files.update(cpp_tables.code_list(
        src.versions, "SymbolCodeList", symbols.symbol_code_list(),
        "// The symbols of the GB18030 two-byte set (and the eight trigrams), ascending."))
    equivalents = {src.equivalents[c] for c in radical_table.KANGXI}
    files.update(cpp_tables.code_list(
        src.versions, "SpecialQueryList", special_query.special_query_list(src, equivalents, pua_rows),
        "// Components and rare characters, in the order the query \"zzzz\" lists them."))
    return files


def pinyin_data(src, filer, later_in_set):
    """later_in_set: {standard: Private Use Area code} of the set's characters of
    Extensions C to H, listed under their Private Use Area codes only."""
    readings = pinyin_files.character_readings(src)
    index, data = pinyin_files.pinyin_index_and_data(readings, later_in_set)
    by_code = pinyin_files.by_code_file(readings, lambda c: filer.file_standard(c).form.code)
    return {"data/pinyin.idx": index, "data/pinyin.data": data, "data/pinyindataorderbycode.data": by_code}


# The compatibility ideographs of GBK with their radicals, in the program's order.
COMPAT_RADICAL_ROWS = [
    (0xF92C, 0x2ECF), (0xF979, 0x2F0E), (0xF995, 0x2F72), (0xF9E7, 0x2F07),
    (0xF9F1, 0x2ED6), (0xFA0C, 0x2F00), (0xFA0D, 0x2F4E), (0xFA0E, 0x2F1C),
    (0xFA0F, 0x2F20), (0xFA11, 0x2F2D), (0xFA13, 0x2F4A), (0xFA14, 0x2F4A),
    (0xFA18, 0x2EAC), (0xFA1F, 0x2EBE), (0xFA20, 0x2EBE), (0xFA21, 0x2F8D),
    (0xFA23, 0x2F9B), (0xFA24, 0x2ECC), (0xFA27, 0x2FA6), (0xFA28, 0x2FA6),
    (0xFA29, 0x2ED6),
]


def pua_tables(versions, pua_rows):
    standard = pua_set.standard_map(pua_rows)
    characters.require(len(standard) == 2346, "PuaStandardMap must hold 2,346 rows")
    radical_rows = [(pua, radical) for pua, _, radical in pua_rows] + COMPAT_RADICAL_ROWS
    characters.require(len(radical_rows) == 4823, "PuaRadicalMap must hold 4,823 rows")
    files = cpp_tables.pair_table(
        versions, "PuaStandardMap", "PuaStandardPair", ("pua", "standard"), 32, standard,
        "// Private Use Area code point -> the Extension A or B character it stands for,\n"
        "// ascending by the Private Use Area code point, no duplicates on either side.")
    files.update(cpp_tables.pair_table(
        versions, "PuaRadicalMap", "PuaRadicalPair", ("code", "radical"), 16, radical_rows,
        "// Character -> its radical: the Private Use Area set in code point order,\n"
        "// then the compatibility ideographs of GBK."))
    files.update(cpp_tables.pair_table(
        versions, "RegisterStandardMap", "PuaStandardPair", ("pua", "standard"), 32,
        [(pua, std) for pua, std, _ in pua_rows],
        "// Every Private Use Area character of the population register -> the standard\n"
        "// character it stands for (Extensions A to D), ascending by the Private Use Area code point.",
        struct_of="PuaStandardMap"))
    return files


def sources_note(versions):
    lines = ["# The Debian packages the generated data was made from (tools/gen_data).\n"]
    lines += [f"{name} {version}\n" for name, version in sorted(versions.items())]
    return "".join(lines).encode()


def report(root, files, rejected_strokes):
    """The run's summary: what was written and which source entries were left out."""
    lines = [f"gen_data: wrote {len(files)} files under {root}"]
    if rejected_strokes:
        lines.append(f"gen_data: rejected {len(rejected_strokes)} stroke sequence(s) of stroke.dict.yaml"
                     " (a stroke other than h s p n z); the characters keep their other entries:")
        lines += [f"    {entry}" for entry in rejected_strokes]
    return "\n".join(lines)


def write_files(root, files):
    for path, content in sorted(files.items()):
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(content)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=REPO_ROOT)
    parser.add_argument("--choose-pua-set", action="store_true",
                        help=f"choose the Private Use Area set anew into {PUA_SET_TABLE}")
    args = parser.parse_args(argv)
    if not sources.sources_present():
        print("gen_data: the packages unicode-data and rime-data-stroke are not installed", file=sys.stderr)
        return 2
    try:
        src = Sources()
        if args.choose_pua_set:
            filer = radical_files.Filer(radical_table.radical_table(src), src)
            rows = pua_set.choose_set(src, filer.file_standard)
            pua_set.check_set(rows, filer.file_standard)
            files = {PUA_SET_TABLE: pua_set.write_table(rows)}
        else:
            rows = pua_set.read_table(os.path.join(REPO_ROOT, PUA_SET_TABLE))
            files = generate(src, rows)
    except (characters.RuleError, sources.SourceError, ValueError, OSError) as error:
        print(f"gen_data: {error}", file=sys.stderr)
        return 1
    write_files(args.root, files)
    print(report(args.root, files, src.rejected_strokes))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
