#!/usr/bin/env python3
"""Validates the shipped stroke files record by record.

    validate_stroke_files.py [DATA_DIR]     DATA_DIR defaults to the repository's data/

Reads bihuashu-gb18030.idx and nanjianzi-gb18030.dat, unscrambles every
record and checks it against the file format: the stroke field holds the
strokes 1 to 5 padded with 0, the stroke count is the record's group key,
the character and its source marker agree.  A character of Extensions C to
H may be known by its stroke count only: its stroke field is all "0".  Needs only the data files, not
the source packages.  Prints every problem and exits with status 1 when there
is one.
"""

import re
import sys

from binary import unpacked_code_point, unscramble
from characters import EXTENSION_A, EXTENSION_B, LATER_EXTENSIONS, UNIFIED, later_extension_of, marker_of
from pua_set import FIRST_CODE, LAST_CODE
from record_validation import index_entries, validate_files
from stroke_files import EXPECTED_STROKE_KEYS

INDEX_FILE, RECORD_FILE = "bihuashu-gb18030.idx", "nanjianzi-gb18030.dat"
RECORD_SIZE = 17
TERMINATOR_KEY = b"fe"
STROKE_FIELD = re.compile(rb"[1-5]+0*")
COUNT_ONLY_FIELD = b"0" * 10
STROKE_SEQUENCE = slice(7, 17)  # the stroke field of a record
SHIPPED_BLOCKS = ((UNIFIED, EXTENSION_A, EXTENSION_B, range(FIRST_CODE, LAST_CODE + 1))
                  + tuple(LATER_EXTENSIONS.values()))


def index_problems(index, record_count):
    """([(key, first record)], problems) of the stroke-count index."""
    groups, total, problems = index_entries(index, (INDEX_FILE, RECORD_FILE), 2, TERMINATOR_KEY, record_count)
    if groups is None:
        return [], problems
    keys = [key.decode("ascii", "replace") for key, _ in groups]
    if keys != EXPECTED_STROKE_KEYS:
        problems.append(f"{INDEX_FILE}: the group keys are {keys}, expected {EXPECTED_STROKE_KEYS}")
    firsts = [first for _, first in groups] + [total]
    if firsts[0] != 0 or firsts != sorted(firsts):
        problems.append(f"{INDEX_FILE}: first-record numbers do not rise from 0: {firsts}")
    return groups, problems


def record_problem(record, key):
    """What is wrong with one unscrambled record of the group key, or None."""
    code = unpacked_code_point(record[0:4])
    if code is None or not any(code in block for block in SHIPPED_BLOCKS):
        return f"packed character {record[0:4].hex(' ')} is not a shipped character"
    if record[4:6] != key:
        return f"U+{code:04X}: stroke count {record[4:6]!r} is not the group key {key!r}"
    if record[6:7] != marker_of(code).encode():
        return f"U+{code:04X}: source marker {record[6:7]!r}, expected {marker_of(code)!r}"
    sequence = record[STROKE_SEQUENCE]
    count_only = later_extension_of(code) and sequence == COUNT_ONLY_FIELD
    if not count_only and not STROKE_FIELD.fullmatch(sequence):
        return f"U+{code:04X}: stroke field {sequence!r} is not strokes 1-5 padded with 0"
    return None


def group_problems(records, key, first, end):
    problems, previous = [], None
    for n in range(first, end):
        record = unscramble(records[n * RECORD_SIZE:(n + 1) * RECORD_SIZE])
        problem = record_problem(record, key)
        if problem:
            problems.append(f"{RECORD_FILE} record {n}: {problem}")
            continue
        code = unpacked_code_point(record[0:4])
        if previous is not None and code <= previous:
            problems.append(f"{RECORD_FILE} record {n}: U+{code:04X} is out of code point order")
        previous = code
    return problems


def stroke_file_problems(index, records):
    """Every problem of the stroke-count index and its records, as messages."""
    if len(records) % RECORD_SIZE:
        return [f"{RECORD_FILE}: length {len(records)} is not a multiple of {RECORD_SIZE}"]
    record_count = len(records) // RECORD_SIZE
    groups, problems = index_problems(index, record_count)
    if problems:
        return problems
    ends = [first for _, first in groups[1:]] + [record_count]
    for (key, first), end in zip(groups, ends):
        problems += group_problems(records, key, first, end)
    return problems


def main(argv):
    return validate_files(argv, "validate_stroke_files", "stroke", (INDEX_FILE, RECORD_FILE), RECORD_SIZE,
                          stroke_file_problems)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
