#!/usr/bin/env python3
"""Checks that the shipped lookups hold Extensions C to H exactly once.

    validate_extensions.py [DATA_DIR]    DATA_DIR defaults to the repository's data/

Every character of Extensions C to H is in the stroke and the radical records,
except the standard characters of the Private Use Area set (pua-set.tsv),
which the lookups list under their Private Use Area codes only and which
pinyin.data must not list either.  A character lies once in the radical
records and at most twice in the stroke records (under its count and the
length of its sequence).  Prints the counts per extension (characters, those
with a stroke sequence, those with readings) and exits with status 1 on a
problem.  Needs only the data files.
"""

import collections
import os
import sys

from binary import unpacked_code_point, unscramble
from characters import LATER_EXTENSIONS, later_extension_of
from pua_set import read_table
from record_validation import DATA_DIR, read_file
from validate_radical_files import RECORD_FILE as RADICAL_RECORDS, RECORD_SIZE as RADICAL_RECORD_SIZE
from validate_stroke_files import COUNT_ONLY_FIELD, STROKE_SEQUENCE
from validate_stroke_files import RECORD_FILE as STROKE_RECORDS, RECORD_SIZE as STROKE_RECORD_SIZE

PINYIN_DATA, PUA_SET = "pinyin.data", "pua-set.tsv"
PINYIN_ENTRY = 8


def record_fields(data, size, fields):
    """[(code point, bytes of fields)] of every scrambled record."""
    plain = unscramble(data)
    records = (plain[at:at + size] for at in range(0, len(plain) - size + 1, size))
    return [(unpacked_code_point(record[0:4]), record[fields]) for record in records]


def pinyin_codes(data):
    return [int(data[at:at + 5], 16) for at in range(0, len(data) - PINYIN_ENTRY + 1, PINYIN_ENTRY)]


class Listing:
    """Where the characters of Extensions C to H are listed."""

    def __init__(self, stroke_records, radical_records, pinyin_data):
        strokes = record_fields(stroke_records, STROKE_RECORD_SIZE, STROKE_SEQUENCE)
        self.stroke_count = collections.Counter(c for c, _ in strokes)
        self.with_sequence = {c for c, field in strokes if field != COUNT_ONLY_FIELD}
        self.radical_count = collections.Counter(c for c, _ in record_fields(radical_records, RADICAL_RECORD_SIZE, slice(0, 0)))
        self.with_readings = set(pinyin_codes(pinyin_data))


def extension_problems(listing, set_standards):
    """(problems, {extension: (characters, with sequence, with readings)})."""
    problems, counts = [], {}
    for name, block in LATER_EXTENSIONS.items():
        expected = [c for c in block if c not in set_standards]
        for c in expected:
            if listing.radical_count[c] != 1:
                problems.append(f"U+{c:04X}: listed {listing.radical_count[c]} times in {RADICAL_RECORDS}")
            if not 1 <= listing.stroke_count[c] <= 2:
                problems.append(f"U+{c:04X}: listed {listing.stroke_count[c]} times in {STROKE_RECORDS}")
        counts[name] = (len(expected), sum(c in listing.with_sequence for c in expected),
                        sum(c in listing.with_readings for c in expected))
    for c in sorted(set_standards):
        if not later_extension_of(c):
            continue
        for file_name, listed in ((STROKE_RECORDS, listing.stroke_count[c]),
                                  (RADICAL_RECORDS, listing.radical_count[c]),
                                  (PINYIN_DATA, c in listing.with_readings)):
            if listed:
                problems.append(f"U+{c:04X}: a set character's standard side is listed in {file_name}")
    return problems, counts


def main(argv):
    data_dir = argv[0] if argv else DATA_DIR
    try:
        files = {name: read_file(os.path.join(data_dir, name))
                 for name in (STROKE_RECORDS, RADICAL_RECORDS, PINYIN_DATA)}
        set_standards = {standard for _, standard, _ in read_table(os.path.join(data_dir, PUA_SET))}
    except OSError as error:
        print(f"validate_extensions: {error}", file=sys.stderr)
        return 1
    listing = Listing(files[STROKE_RECORDS], files[RADICAL_RECORDS], files[PINYIN_DATA])
    problems, counts = extension_problems(listing, set_standards)
    for problem in problems:
        print(problem)
    if problems:
        print(f"validate_extensions: {len(problems)} problem(s) in {data_dir}")
        return 1
    for name, (total, sequenced, read) in counts.items():
        print(f"validate_extensions: Extension {name}: {total} characters, "
              f"{sequenced} with stroke sequences, {read} with readings")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
