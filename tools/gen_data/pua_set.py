"""The Private Use Area set: which standard characters the population-register
font carries under which Private Use Area code points.

The set is chosen once (choose_set) and committed as data/pua-set.tsv; every
later run reads the table back (read_table) and checks it (check_set)."""

import re

from characters import (EXTENSION_A, EXTENSION_B, EXTENSION_C_D, require,
                        stroke_data)

FIRST_CODE, LAST_CODE = 0xE000, 0xF5B0
SET_SIZE, GAP_COUNT = 4802, 751
EXT_A_COUNT, EXT_B_COUNT, EXT_C_D_COUNT = 239, 2107, 2456
PINNED_CHARACTERS = {0xE000: 0x3405, 0xE05C: 0x286CD, 0xE0F8: 0x20018, 0xF5B0: 0x29880}
PINNED_RADICALS = {0xE000: 0x2F03, 0xE001: 0x2E82, 0xE002: 0x2E85, 0xF5B0: 0x2FBA}
HISTORICAL_G_SOURCES = ("GKX", "GHZ")  # the Kangxi and Hanyu Da Zidian references
NAME_WORDS = re.compile(r"\b(sur)?names?\b", re.IGNORECASE)
TABLE_HEADER = ("# Private Use Area set: code, standard character, radical (hexadecimal).\n"
                "# Made by tools/gen_data/gen_data.py --choose-pua-set; read back by every run.\n")


def _tier(fields, gidc_first):
    """Priority of a candidate: population-register sources first."""
    g_source = fields.get("kIRG_GSource", "")
    tiers = []
    if gidc_first:
        tiers.append(g_source.startswith("GIDC"))
    tiers += [
        "kIRG_MSource" in fields or "kIRG_HSource" in fields,
        bool(NAME_WORDS.search(fields.get("kDefinition", ""))),
        bool(g_source) and not g_source.startswith(HISTORICAL_G_SOURCES),
    ]
    return next((i for i, hit in enumerate(tiers) if hit), len(tiers))


def _pick(src, block, count, gidc_first):
    pinned = set(PINNED_CHARACTERS.values())
    candidates = [c for c in block if c in src.unihan and stroke_data(src, c) is not None]
    ranked = sorted(candidates, key=lambda c: (c not in pinned, _tier(src.unihan[c], gidc_first), c))
    require(len(ranked) >= count, f"only {len(ranked)} candidates for {count} places")
    return ranked[:count]


def _gap_layout(block_sizes):
    """Gaps after each block but the last, in proportion to the block's size."""
    sizes = block_sizes[:-1]
    total = sum(sizes)
    shares = [GAP_COUNT * s / total for s in sizes]
    gaps = [int(x) for x in shares]
    by_remainder = sorted(range(len(sizes)), key=lambda i: (-(shares[i] - gaps[i]), i))
    for i in by_remainder[:GAP_COUNT - sum(gaps)]:
        gaps[i] += 1
    return gaps + [0]


def choose_set(src, file_standard):
    """Rows (pua code, standard code point, radical code point) of a new set.
    file_standard(code point) -> Filing of that standard character."""
    chosen = (_pick(src, EXTENSION_A, EXT_A_COUNT, False) + _pick(src, EXTENSION_B, EXT_B_COUNT, False)
              + _pick(src, EXTENSION_C_D, EXT_C_D_COUNT, True))
    filings = {c: file_standard(c) for c in chosen}
    chosen.sort(key=lambda c: (filings[c].form.kangxi, filings[c].form.code, filings[c].remaining, c))

    blocks = []
    for c in chosen:
        if not blocks or filings[blocks[-1][-1]].form.kangxi != filings[c].form.kangxi:
            blocks.append([])
        blocks[-1].append(c)
    slots, code = [], FIRST_CODE
    for block, gap in zip(blocks, _gap_layout([len(b) for b in blocks])):
        slots += range(code, code + len(block))
        code += len(block) + gap
    require(slots[-1] == LAST_CODE, "the set must end on U+F5B0")

    placed = dict(PINNED_CHARACTERS)
    for code, radical in PINNED_RADICALS.items():
        if code not in placed:
            placed[code] = next(c for c in chosen if filings[c].form.code == radical
                                and c not in placed.values())
    for code in placed:
        require(code in slots, f"pinned code U+{code:04X} falls into a gap")
    rest = iter(c for c in chosen if c not in placed.values())
    rows = []
    for code in slots:
        standard = placed[code] if code in placed else next(rest)
        rows.append((code, standard, filings[standard].form.code))
    return rows


def write_table(rows):
    lines = [TABLE_HEADER] + [f"{pua:04X}\t{std:04X}\t{rad:04X}\n" for pua, std, rad in rows]
    return "".join(lines).encode()


def read_table(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            if line.startswith("#") or not line.strip():
                continue
            fields = line.split()
            require(len(fields) == 3, f"{path}:{number}: expected three columns")
            rows.append(tuple(int(x, 16) for x in fields))
    return rows


def check_set(rows, file_standard):
    """Asserts every property the set must keep."""
    codes = [r[0] for r in rows]
    standards = [r[1] for r in rows]
    require(len(rows) == SET_SIZE, f"the set holds {len(rows)} characters, not {SET_SIZE}")
    require(codes == sorted(set(codes)), "set codes must be ascending and unique")
    require(codes[0] == FIRST_CODE and codes[-1] == LAST_CODE, "the set must run from U+E000 to U+F5B0")
    require(LAST_CODE - FIRST_CODE + 1 - len(codes) == GAP_COUNT, f"the set must leave {GAP_COUNT} gaps")
    require(len(set(standards)) == len(standards), "each standard character may appear once")
    blocks = [sum(c in block for c in standards) for block in (EXTENSION_A, EXTENSION_B, EXTENSION_C_D)]
    require(blocks == [EXT_A_COUNT, EXT_B_COUNT, EXT_C_D_COUNT],
            f"the set holds {blocks} characters of Extensions A, B and C/D")
    by_code = {pua: (std, rad) for pua, std, rad in rows}
    for code, standard in PINNED_CHARACTERS.items():
        require(by_code[code][0] == standard, f"U+{code:04X} must stand for U+{standard:04X}")
    for code, radical in PINNED_RADICALS.items():
        require(by_code[code][1] == radical, f"U+{code:04X} must have the radical U+{radical:04X}")
    for pua, standard, radical in rows:
        require(file_standard(standard).form.code == radical,
                f"U+{pua:04X}: radical U+{radical:04X} differs from its filing")


def standard_map(rows):
    """(pua, standard) rows of the Extension A and B characters."""
    return [(pua, std) for pua, std, _ in rows if std in EXTENSION_A or std in EXTENSION_B]
