"""bihuashu-gb18030.idx, nanjianzi-gb18030.dat and FontUnicodeOfSurrogate.cdt."""

from binary import pad, packed_bytes, scramble, u32
from characters import EXTENSION_B, require

EXPECTED_STROKE_KEYS = [f"{n:02d}" for n in list(range(1, 47)) + [48, 49, 52, 53, 58, 64, 76, 84]]


def stroke_groups(characters):
    """{count: [characters]}: each character under its total stroke count and,
    when its sequence is longer or shorter, under the sequence's length too
    (a character known by its count only: under its count)."""
    groups = {}
    for ch in characters:
        counts = {ch.total, len(ch.strokes)} if ch.strokes else {ch.total}
        for count in counts:
            groups.setdefault(count, []).append(ch)
    for members in groups.values():
        members.sort(key=lambda ch: ch.code)
    return groups


def stroke_files(characters):
    """(index bytes, record bytes)."""
    groups = stroke_groups(characters)
    keys = sorted(groups)
    require(all(1 <= k <= 99 for k in keys), f"stroke counts outside 01-99: {keys}")
    key_texts = [f"{k:02d}" for k in keys]
    require(key_texts == EXPECTED_STROKE_KEYS,
            f"the stroke-count groups are {key_texts}, expected {EXPECTED_STROKE_KEYS}")
    index, records = bytearray(), bytearray()
    first = 0
    for key in keys:
        index += f"{key:02d}".encode() + u32(first)
        for ch in groups[key]:
            plain = (packed_bytes(ch.code) + f"{key:02d}".encode() + ch.marker.encode()
                     + pad(ch.strokes[:10], 10).encode())
            records += scramble(plain)
        first += len(groups[key])
    index += b"fe" + u32(first)
    require(len(index) // 6 == len(EXPECTED_STROKE_KEYS) + 1,
            f"the stroke-count index must hold {len(EXPECTED_STROKE_KEYS)} groups and a terminator")
    return bytes(index), bytes(records)


def surrogate_list(characters):
    """Every Extension B character, as its surrogate pair, CR LF line ends."""
    lines = []
    for code in sorted(ch.code for ch in characters if ch.code in EXTENSION_B):
        high = 0xD800 + ((code - 0x10000) >> 10)
        low = 0xDC00 + (code & 0x3FF)
        lines.append(f"{high:04X}{low:04X}\r\n")
    require(len(lines) == len(EXTENSION_B), "every Extension B character must be listed")
    return "".join(lines).encode("ascii")
