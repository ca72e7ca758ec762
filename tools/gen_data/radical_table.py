"""The radical table newmb.dat: Kangxi radicals and CJK Radicals Supplement forms."""

from binary import pad, packed_bytes, scramble
from characters import require, stroke_data
from pinyin_text import plain_syllable

KANGXI = range(0x2F00, 0x2FD5 + 1)
SUPPLEMENT = [c for c in range(0x2E81, 0x2EF3 + 1) if c != 0x2E9A]
SHAPE_OVERRIDES = {0x2EBC: 0x6708, 0x2ECF: 0x961D, 0x2EAB: 0x7F52, 0x2EA7: 0x725C, 0x2E97: 0x38FA}
FIRST_STROKE_LETTERS = {"1": "A", "2": "B", "3": "C", "4": "D", "5": "E"}
ORDINALS = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"

# Keys reserved so that each alias key names a variant form and its target
# the main form the variant's characters are filed under.
ALIASES = {  # variant key: main key
    "01B0": "01B1", "02A4": "02A3", "03AB": "03AA", "03C3": "03C4",
    "03D0": "04E1", "03E1": "03E0", "03EE": "03ED", "04A1": "04AB",
    "05A2": "05A1", "05B6": "05B5", "06A6": "06A4", "07C8": "07C7",
    "08A1": "08A0", "08A3": "08A2", "09C2": "09C1", "09C4": "09C3",
}
RESERVED_KEYS = {
    "01B0": 0x2F05, "01B1": 0x2F01, "02A4": 0x2E81, "02A3": 0x2F1A,
    "03AB": 0x2E90, "03AA": 0x2F2A, "03C3": 0x2F22, "03C4": 0x2F21,
    "03D0": 0x2EA6, "04E1": 0x2F59, "03E1": 0x2E94, "03E0": 0x2F39,
    "03EE": 0x2E92, "03ED": 0x2F30, "04A1": 0x2E9B, "04AB": 0x2F46,
    "05A2": 0x2EAC, "05A1": 0x2F70, "05B6": 0x2EAB, "05B5": 0x2F6C,
    "06A6": 0x2EC3, "06A4": 0x2F91, "07C8": 0x2EC6, "07C7": 0x2F93,
    "08A1": 0x2ED8, "08A0": 0x2FAD, "08A3": 0x2ED7, "08A2": 0x2FAC,
    "09C2": 0x2EDD, "09C1": 0x2FB7, "09C4": 0x2EE4, "09C3": 0x2FC1,
}


class Radical:
    __slots__ = ("code", "kangxi", "equivalent", "strokes", "pinyin", "key", "is_simplified")

    def __init__(self, code, kangxi, equivalent, strokes, pinyin, is_simplified):
        self.code = code
        self.kangxi = kangxi          # Kangxi radical number 1-214
        self.equivalent = equivalent  # the unified ideograph of its shape
        self.strokes = strokes
        self.pinyin = pinyin
        self.key = None
        self.is_simplified = is_simplified

    @property
    def is_kangxi_form(self):
        return self.code in KANGXI


def _radical_number(text):
    return int(text.rstrip("'"))


def _first_reading(unihan, code_point):
    fields = unihan.get(code_point, {})
    text = fields.get("kMandarin") or ""
    for reading in text.split():
        syllable = plain_syllable(reading)
        if syllable:
            return syllable
    return None


def _kangxi_numbers(src):
    """{supplement form: (Kangxi number, simplified form?)}."""
    numbers = {}
    for number, (radical, _) in src.cjk_radicals.items():
        if radical is not None and radical not in KANGXI:
            numbers[radical] = (_radical_number(number), number.endswith("'"))
    for code in SUPPLEMENT:
        if code in numbers:
            continue
        equivalent = src.equivalents.get(code)
        rs = src.unihan.get(equivalent, {}).get("kRSUnicode")
        require(rs is not None, f"radical U+{code:04X} has no Kangxi number")
        numbers[code] = (_radical_number(rs.split()[0].split(".")[0]), False)
    return numbers


def load_radicals(src):
    """Every radical of the table with its data, keys not yet assigned."""
    main_data = {}
    radicals = []
    for i, code in enumerate(KANGXI):
        equivalent = src.equivalents.get(code)
        require(equivalent is not None, f"Kangxi radical U+{code:04X} has no equivalent ideograph")
        data = stroke_data(src, equivalent)
        pinyin = _first_reading(src.unihan, equivalent)
        require(data is not None and pinyin, f"Kangxi radical U+{code:04X} lacks strokes or pinyin")
        main_data[i + 1] = (data[1], pinyin)
        radicals.append(Radical(code, i + 1, equivalent, data[1], pinyin, False))
    numbers = _kangxi_numbers(src)
    for code in SUPPLEMENT:
        equivalent = SHAPE_OVERRIDES.get(code, src.equivalents.get(code))
        require(equivalent is not None, f"radical U+{code:04X} has no equivalent ideograph")
        number, simplified = numbers[code]
        data = stroke_data(src, equivalent)
        main_strokes, main_pinyin = main_data[number]
        strokes = data[1] if data else main_strokes
        pinyin = _first_reading(src.unihan, equivalent) or main_pinyin
        radicals.append(Radical(code, number, equivalent, strokes, pinyin, simplified))
    for r in radicals:
        require(1 <= len(r.strokes) <= 20, f"radical U+{r.code:04X} has {len(r.strokes)} strokes")
        require(len(r.pinyin) <= 6, f"radical U+{r.code:04X} pinyin {r.pinyin} is too long")
    return radicals


def _cell_of(radical):
    return f"{len(radical.strokes):02d}{FIRST_STROKE_LETTERS[radical.strokes[0]]}"


def assign_keys(radicals):
    by_code = {r.code: r for r in radicals}
    reserved_by_cell = {}
    for key, code in RESERVED_KEYS.items():
        radical = by_code[code]
        require(_cell_of(radical) == key[:3],
                f"reserved key {key} names U+{code:04X}, whose strokes {radical.strokes} give {_cell_of(radical)}")
        radical.key = key
        reserved_by_cell.setdefault(key[:3], set()).add(key[3])
    cells = {}
    for r in radicals:
        if r.key is None:
            cells.setdefault(_cell_of(r), []).append(r)
    for cell, members in cells.items():
        members.sort(key=lambda r: (r.kangxi, not r.is_kangxi_form, r.code))
        free = [o for o in ORDINALS if o not in reserved_by_cell.get(cell, set())]
        require(len(members) <= len(free), f"radical cell {cell} holds more than 36 radicals")
        for radical, ordinal in zip(members, free):
            radical.key = cell + ordinal
    keys = [r.key for r in radicals]
    require(len(set(keys)) == len(keys), "radical keys must be unique")
    radicals.sort(key=lambda r: r.key)
    return radicals


def radical_table(src):
    """The radicals in table order, keys assigned."""
    radicals = assign_keys(load_radicals(src))
    require(len(radicals) == 214 + 114, "the radical table must hold 328 radicals")
    return radicals


def radical_table_file(radicals):
    out = bytearray()
    for r in radicals:
        plain = (packed_bytes(r.code) + r.key[:2].encode() + pad(r.strokes, 20).encode()
                 + pad(r.pinyin, 6, " ").encode() + r.key[2:].encode())
        require(len(plain) == 34, "radical records are 34 bytes")
        out += scramble(plain)
    return bytes(out)
