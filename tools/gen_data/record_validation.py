"""What the validators of the shipped index and record files share: the data
folder, the index of (key, first record) entries that a terminator entry
ends, and the command line."""

import os
import struct
import sys

DATA_DIR = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", "data"))
FIRST_RECORD_SIZE = 4  # little-endian 32-bit record number after each key


def index_entries(index, names, key_size, terminator, record_count):
    """([(key, first record)], the terminator's record count, problems) of an index; `names` is
    (index file, record file). On a problem of the layout the entries are None."""
    index_file, record_file = names
    entry_size = key_size + FIRST_RECORD_SIZE
    if len(index) % entry_size:
        return None, 0, [f"{index_file}: length {len(index)} is not a multiple of {entry_size}"]
    entries = [(index[at:at + key_size], struct.unpack("<I", index[at + key_size:at + entry_size])[0])
               for at in range(0, len(index), entry_size)]
    if not entries or entries[-1][0] != terminator:
        return None, 0, [f"{index_file}: the last entry is not the terminator \"{terminator.decode()}\""]
    total = entries[-1][1]
    problems = []
    if total != record_count:
        problems.append(f"{index_file}: the terminator counts {total} records, {record_file} holds {record_count}")
    return entries[:-1], total, problems


def validate_files(argv, name, kind, names, record_size, file_problems):
    """main() of a validator: reads the index and record files (`names`) from the folder argv[0]
    (the repository's data/ by default), prints file_problems(index, records); the exit status."""
    data_dir = argv[0] if argv else DATA_DIR
    try:
        index, records = (read_file(os.path.join(data_dir, file)) for file in names)
    except OSError as error:
        print(f"{name}: {error}", file=sys.stderr)
        return 1
    problems = file_problems(index, records)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{name}: {len(problems)} problem(s) in the {kind} files of {data_dir}")
        return 1
    print(f"{name}: {len(records) // record_size} {kind} records valid in {data_dir}")
    return 0


def read_file(path):
    with open(path, "rb") as f:
        return f.read()
