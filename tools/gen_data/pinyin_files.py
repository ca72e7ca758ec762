"""pinyin.idx, pinyin.data and pinyindataorderbycode.data."""

from binary import pad
from characters import EXTENSION_A, EXTENSION_B, LATER_EXTENSIONS, UNIFIED, marker_of, require
from pinyin_text import readings_of

INDEX_RECORD = 15
ENTRY_LINE_END = "\r\n"
BY_CODE_RECORD = 124
# The blocks of pinyindataorderbycode.data, in file order: the first three as
# the pinyin page reads them, then Extensions C to H.
BY_CODE_BLOCKS = (EXTENSION_A, UNIFIED, EXTENSION_B) + tuple(LATER_EXTENSIONS.values())
READINGS_CHARS = 50
HAS_READINGS, NO_READINGS, END = "@", "#", "#"


def _list_order(code_point):
    """Within one key: unified ideographs, then Extension A, then B, then C to H."""
    order = (UNIFIED, EXTENSION_A, EXTENSION_B)
    block = next((i for i, b in enumerate(order) if code_point in b), len(order))
    return (block, code_point)


def character_readings(src):
    """{code point: [readings]} of every standard character that has any."""
    result = {}
    for block in BY_CODE_BLOCKS:
        for c in block:
            readings = readings_of(src.unihan.get(c, {}))
            if readings:
                result[c] = readings
    return result


def pinyin_index_and_data(readings, listed_as=None):
    """(pinyin.idx bytes, pinyin.data bytes) of every character with readings;
    a character in listed_as ({standard: Private Use Area code}) is listed under
    its Private Use Area code instead."""
    listed_as = listed_as or {}
    by_key = {}
    for c, keys in readings.items():
        for key in keys:
            by_key.setdefault(key, []).append(listed_as.get(c, c))
    keys = sorted(by_key, key=lambda k: k.encode())
    require(keys and keys[0] == "a0", f"the first pinyin key must be a0, not {keys[:1]}")
    index = [pad(f"Lumenar{len(keys)}#", INDEX_RECORD, " ")]
    data = []
    end = 0
    for key in keys:
        for c in sorted(by_key[key], key=_list_order):
            data.append(f"{c:05X}{marker_of(c)}{ENTRY_LINE_END}")
        end += len(by_key[key])
        index.append(pad(f"{key}@{end}#", INDEX_RECORD, " "))
    index.append(pad("$", INDEX_RECORD, " "))
    return "".join(index).encode("ascii"), "".join(data).encode("ascii")


def readings_field(readings):
    """The readings that fit whole into the 50-character field, ended by "#"."""
    text = ""
    for reading in readings:
        candidate = f"{text};{reading}" if text else reading
        if len(candidate) + len(END) > READINGS_CHARS:
            break
        text = candidate
    return text + END


def by_code_record(code_point, radical, readings):
    head = f"{code_point:05X}#{radical:05X}"
    if readings:
        tail = HAS_READINGS + readings_field(readings)
    else:
        tail = NO_READINGS + END
    record = (head + tail).encode("utf-16-le")
    require(len(record) <= BY_CODE_RECORD, f"U+{code_point:04X}: record too long")
    return record + bytes(BY_CODE_RECORD - len(record))


def by_code_file(readings, radical_of):
    """pinyindataorderbycode.data: Extension A, unified, Extension B, then
    Extensions C to H records."""
    out = bytearray()
    for block in BY_CODE_BLOCKS:
        for c in block:
            out += by_code_record(c, radical_of(c), readings.get(c, []))
    require(len(out) == BY_CODE_RECORD * sum(len(block) for block in BY_CODE_BLOCKS),
            "pinyindataorderbycode.data must hold one record per character")
    return bytes(out)
