#!/usr/bin/env python3
"""Validates the shipped radical files record by record.

    validate_radical_files.py [DATA_DIR]    DATA_DIR defaults to the repository's data/

Reads bs64-gb18030.idx and charmb614-gb18030.dat, unscrambles every record
and checks it against the file format: the index keys are four characters
with first-record numbers rising from 0 to the terminator "fend", which
counts the records; each record holds a shipped character with its source
marker, two digits of remaining strokes and up to four strokes 1 to 5 padded
with "0"; no character is listed twice.  Needs only the data files.  Prints
every problem and exits with status 1 when there is one.
"""

import re
import sys

from binary import unpacked_code_point, unscramble
from characters import marker_of
from record_validation import index_entries, validate_files
from validate_stroke_files import SHIPPED_BLOCKS

INDEX_FILE, RECORD_FILE = "bs64-gb18030.idx", "charmb614-gb18030.dat"
RECORD_SIZE = 11
TERMINATOR_KEY = b"fend"
KEY = re.compile(rb"[0-9]{2}[0-9A-Z]{2}")
REMAINING = re.compile(rb"[0-9]{2}")
STROKE_INFO = re.compile(rb"[1-5]{0,4}0*")


def index_problems(index, record_count):
    """([(key, first record)], problems) of the radical-key index."""
    groups, total, problems = index_entries(index, (INDEX_FILE, RECORD_FILE), 4, TERMINATOR_KEY, record_count)
    if groups is None:
        return [], problems
    problems += [f"{INDEX_FILE}: key {key!r} is not a radical key" for key, _ in groups if not KEY.fullmatch(key)]
    keys = [key for key, _ in groups]
    if len(set(keys)) != len(keys):
        problems.append(f"{INDEX_FILE}: a radical key has two entries")
    firsts = [first for _, first in groups] + [total]
    if firsts[0] != 0 or any(a >= b for a, b in zip(firsts, firsts[1:])):
        problems.append(f"{INDEX_FILE}: first-record numbers do not rise from 0")
    return groups, problems


def record_problem(record):
    """What is wrong with one unscrambled record, or None."""
    code = unpacked_code_point(record[0:4])
    if code is None or not any(code in block for block in SHIPPED_BLOCKS):
        return f"packed character {record[0:4].hex(' ')} is not a shipped character"
    if not REMAINING.fullmatch(record[4:6]):
        return f"U+{code:04X}: remaining strokes {record[4:6]!r} are not two digits"
    if not STROKE_INFO.fullmatch(record[6:10]):
        return f"U+{code:04X}: stroke information {record[6:10]!r} is not strokes 1-5 padded with 0"
    if record[10:11] != marker_of(code).encode():
        return f"U+{code:04X}: source marker {record[10:11]!r}, expected {marker_of(code)!r}"
    return None


def radical_file_problems(index, records):
    """Every problem of the radical-key index and its records, as messages."""
    if len(records) % RECORD_SIZE:
        return [f"{RECORD_FILE}: length {len(records)} is not a multiple of {RECORD_SIZE}"]
    _, problems = index_problems(index, len(records) // RECORD_SIZE)
    seen = set()
    plain = unscramble(records)
    for n in range(len(records) // RECORD_SIZE):
        record = plain[n * RECORD_SIZE:(n + 1) * RECORD_SIZE]
        problem = record_problem(record)
        if problem:
            problems.append(f"{RECORD_FILE} record {n}: {problem}")
            continue
        code = unpacked_code_point(record[0:4])
        if code in seen:
            problems.append(f"{RECORD_FILE} record {n}: U+{code:04X} is listed twice")
        seen.add(code)
    return problems


def main(argv):
    return validate_files(argv, "validate_radical_files", "radical", (INDEX_FILE, RECORD_FILE), RECORD_SIZE,
                          radical_file_problems)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
