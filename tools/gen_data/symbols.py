"""SymbolCodeList: the symbols of the GB18030 two-byte set."""

from characters import EXTENSION_A, require

PRIVATE_USE_AREA = range(0xE000, 0xF8FF + 1)
TRIGRAMS = range(0x2630, 0x2637 + 1)
# Codes the current edition of GB18030 maps to standard characters where the
# first edition (and Python's codec) still uses the Private Use Area.
CURRENT_EDITION = {
    0xA8BC: 0x1E3F,
    0xA6D9: 0xFE10, 0xA6DA: 0xFE12, 0xA6DB: 0xFE11, 0xA6DC: 0xFE13, 0xA6DD: 0xFE14,
    0xA6DE: 0xFE15, 0xA6DF: 0xFE16, 0xA6EC: 0xFE17, 0xA6ED: 0xFE18, 0xA6F3: 0xFE19,
    0xFE59: 0x9FB4, 0xFE61: 0x9FB5, 0xFE66: 0x9FB6, 0xFE67: 0x9FB7, 0xFE6D: 0x9FB8,
    0xFE7E: 0x9FB9, 0xFE90: 0x9FBA, 0xFEA0: 0x9FBB,
}
# (first, last, count) of every symbol-page subset listed from SymbolCodeList.
SUBSET_COUNTS = [
    (0x0020, 0x007E, 95), (0x0101, 0x0178, 8), (0x0192, 0x01F9, 9), (0x0251, 0x0261, 2),
    (0x02C6, 0x02DC, 5), (0x0391, 0x03C9, 48), (0x0401, 0x0451, 66), (0x2010, 0x203B, 16),
    (0x20AC, 0x20AC, 1), (0x2103, 0x2122, 5), (0x2160, 0x2179, 22), (0x2190, 0x2199, 8),
    (0x2208, 0x22BF, 37), (0x2312, 0x2312, 1), (0x2460, 0x249B, 50), (0x2500, 0x2573, 112),
    (0x2581, 0x2595, 18), (0x25A0, 0x25E5, 15), (0x2605, 0x2642, 13), (0x2FF0, 0x2FFB, 12),
    (0x3000, 0x3029, 34), (0x3041, 0x309E, 87), (0x30A1, 0x30FE, 89), (0x3105, 0x3129, 37),
    (0x3220, 0x32A3, 12), (0x338E, 0x33D5, 11), (0xFE30, 0xFE4F, 27), (0xFE50, 0xFE6B, 25),
    (0xFF01, 0xFFE5, 100),
]
SYMBOL_COUNT = 1019


def _two_byte_codes():
    for lead in range(0xA1, 0xA9 + 1):
        for trail in range(0xA1, 0xFE + 1):
            yield (lead << 8) | trail
    for code in range(0xA840, 0xA9A0 + 1):
        if (code & 0xFF) >= 0x40 and (code & 0xFF) != 0x7F and (code & 0xFF) <= 0xFE:
            yield code
    for code in range(0xFE50, 0xFEA0 + 1):
        if (code & 0xFF) != 0x7F:
            yield code


def _decode(code):
    if code in CURRENT_EDITION:
        return CURRENT_EDITION[code]
    try:
        text = bytes([code >> 8, code & 0xFF]).decode("gb18030")
    except UnicodeDecodeError:
        return None
    return ord(text) if len(text) == 1 else None


def symbol_code_list():
    codes = set(range(0x20, 0x7E + 1))
    for code in _two_byte_codes():
        c = _decode(code)
        if c is not None and c <= 0xFFFF and c not in PRIVATE_USE_AREA and c not in EXTENSION_A:
            codes.add(c)
    codes.update(TRIGRAMS)
    result = sorted(codes)
    require(len(result) == SYMBOL_COUNT, f"SymbolCodeList holds {len(result)} code points, not {SYMBOL_COUNT}")
    for first, last, count in SUBSET_COUNTS:
        found = sum(first <= c <= last for c in result)
        require(found == count, f"symbol subset {first:04X}-{last:04X} lists {found}, not {count}")
    return result
