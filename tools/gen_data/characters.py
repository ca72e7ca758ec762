"""The characters of the shipped data and their stroke sequences."""

UNIFIED = range(0x4E00, 0x9FBB + 1)
EXTENSION_A = range(0x3400, 0x4DB5 + 1)
EXTENSION_B = range(0x20000, 0x2A6D6 + 1)
EXTENSION_C_D = range(0x2A700, 0x2B81F + 1)
# The characters of Extensions C to H in the Unicode 15.0 data, by extension.
LATER_EXTENSIONS = {
    "C": range(0x2A700, 0x2B739 + 1),
    "D": range(0x2B740, 0x2B81D + 1),
    "E": range(0x2B820, 0x2CEA1 + 1),
    "F": range(0x2CEB0, 0x2EBE0 + 1),
    "G": range(0x30000, 0x3134A + 1),
    "H": range(0x31350, 0x323AF + 1),
}

# The source marker of shipped stroke and radical records.
MARKER_UNIFIED, MARKER_EXT_A, MARKER_EXT_B, MARKER_PUA, MARKER_LATER = "0", "1", "3", "4", "5"


class RuleError(Exception):
    """The sources no longer satisfy one of the data rules."""


def require(condition, message):
    if not condition:
        raise RuleError(message)


def standard_characters():
    """Unified ideographs, Extension A and Extension B, in code point order."""
    return list(EXTENSION_A) + list(UNIFIED) + list(EXTENSION_B)


def later_extension_of(code_point):
    """"C" to "H" for a character of those extensions, else None."""
    return next((name for name, block in LATER_EXTENSIONS.items() if code_point in block), None)


def later_extension_characters(excluded):
    """Every character of Extensions C to H not in excluded, in code point order."""
    return [c for block in LATER_EXTENSIONS.values() for c in block if c not in excluded]


def marker_of(code_point):
    if code_point in UNIFIED:
        return MARKER_UNIFIED
    if code_point in EXTENSION_A:
        return MARKER_EXT_A
    if code_point in EXTENSION_B:
        return MARKER_EXT_B
    if later_extension_of(code_point):
        return MARKER_LATER
    return MARKER_PUA


def total_strokes(unihan, code_point):
    """kTotalStrokes' first value, or None."""
    value = unihan.get(code_point, {}).get("kTotalStrokes")
    return int(value.split()[0]) if value else None


def stroke_sequence(taiwan, mainland, code_point, total):
    """Of the character's entries (mainland first), the first whose length is
    the total stroke count; otherwise the mainland entry (else the first)."""
    entries = mainland.get(code_point, []) + taiwan.get(code_point, [])
    if not entries:
        return None
    for strokes in entries:
        if len(strokes) == total:
            return strokes
    return entries[0]


class Character:
    """One character of the stroke and radical files; strokes is empty for a
    character known by its stroke count only."""

    __slots__ = ("code", "standard", "total", "strokes", "marker")

    def __init__(self, code, standard, total, strokes):
        self.code = code            # the code point the files carry
        self.standard = standard    # the standard character it stands for
        self.total = total
        self.strokes = strokes
        self.marker = marker_of(code)


def stroke_data(sources, code_point):
    """(total, strokes) of a standard character, or None without both."""
    total = total_strokes(sources.unihan, code_point)
    if total is None:
        return None
    strokes = stroke_sequence(sources.taiwan, sources.mainland, code_point, total)
    return (total, strokes) if strokes else None


def later_extension_character(sources, code_point):
    """A character of Extensions C to H: its stroke sequence when the stroke
    dictionary has one, else its stroke count only."""
    total = total_strokes(sources.unihan, code_point)
    require(total is not None, f"U+{code_point:04X} has no stroke count")
    strokes = stroke_sequence(sources.taiwan, sources.mainland, code_point, total)
    return Character(code_point, code_point, total, strokes or "")


def all_characters(sources, pua_rows):
    """Every character of rule 1: the standard blocks, then the Private Use
    Area set under its own code points, then Extensions C to H without the
    set's standard characters.  pua_rows: (pua, standard) pairs."""
    result = []
    for c in standard_characters():
        data = stroke_data(sources, c)
        require(data is not None, f"U+{c:04X} has no stroke count or stroke sequence")
        result.append(Character(c, c, *data))
    for pua, standard in pua_rows:
        data = stroke_data(sources, standard)
        require(data is not None, f"U+{standard:04X} (set code U+{pua:04X}) has no stroke data")
        result.append(Character(pua, standard, *data))
    in_set = {standard for _, standard in pua_rows}
    result += [later_extension_character(sources, c) for c in later_extension_characters(in_set)]
    return result
