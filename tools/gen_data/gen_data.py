#!/usr/bin/env python3
"""Generates every shipped data file and built-in table from public Unicode data.

    gen_data.py [--root DIR]          write data/ and tesvik/display/generated/ under DIR
    gen_data.py --choose-pua-set      (re)choose the Private Use Area set into data/pua-set.tsv

The root defaults to the repository.  Every data rule of data/README.md is
asserted on the way; a broken rule stops the run with exit status 1 and
writes nothing.
"""

import argparse
import os
import sys

import characters
import radical_files
import radical_table
import sources
import stroke_files

REPO_ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


class Sources:
    """Everything read from the installed packages."""

    def __init__(self):
        self.versions = sources.source_versions()
        self.unihan = sources.load_unihan()
        self.cjk_radicals = sources.load_cjk_radicals()
        self.equivalents = sources.load_equivalent_ideographs()
        self.taiwan, self.mainland = sources.load_rime_strokes()


def generate(src, pua_rows):
    """{relative path: bytes} of every generated file."""
    chars = characters.all_characters(src, pua_rows)
    index, records = stroke_files.stroke_files(chars)
    radicals = radical_table.radical_table(src)
    filings = radical_files.file_characters(chars, radicals, src)
    radical_index, radical_records = radical_files.radical_files(chars, radicals, filings)
    return {
        "data/newmb.dat": radical_table.radical_table_file(radicals),
        "data/bs64-gb18030.idx": radical_index,
        "data/charmb614-gb18030.dat": radical_records,
        "data/bihuashu-gb18030.idx": index,
        "data/nanjianzi-gb18030.dat": records,
        "data/FontUnicodeOfSurrogate.cdt": stroke_files.surrogate_list(chars),
        "data/SOURCES": sources_note(src.versions),
    }


def sources_note(versions):
    lines = ["# The Debian packages the generated data was made from (tools/gen_data).\n"]
    lines += [f"{name} {version}\n" for name, version in sorted(versions.items())]
    return "".join(lines).encode()


def write_files(root, files):
    for path, content in sorted(files.items()):
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(content)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=REPO_ROOT)
    args = parser.parse_args(argv)
    if not sources.sources_present():
        print("gen_data: the packages unicode-data and rime-data-stroke are not installed", file=sys.stderr)
        return 2
    try:
        src = Sources()
        files = generate(src, [])
    except (characters.RuleError, sources.SourceError) as error:
        print(f"gen_data: {error}", file=sys.stderr)
        return 1
    write_files(args.root, files)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
