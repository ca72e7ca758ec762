"""SpecialQueryList: the components and rare characters the query "zzzz" shows."""

from characters import EXTENSION_A, require, total_strokes

LEADING = [ord(c) for c in "乛丆丷乄龴扌艹㐉乊亽"]
LATE_UNIFIED = range(0x9FA6, 0x9FBB + 1)
GBK_USER_AREA = range(0xE000, 0xE864 + 1)
COUNTS = {"extension A": 561, "unified": 486, "late unified": 22, "GBK user area": 369, "rest of set": 1083}
TOTAL = 2521
ZZZZ_COUNT = 855


def _is_rare_unified(c):
    """Outside GB 2312, the set of everyday characters."""
    try:
        chr(c).encode("gb2312")
        return False
    except UnicodeEncodeError:
        return True


def special_query_list(src, radical_equivalents, pua_rows):
    """radical_equivalents: the ideographs with a radical's shape."""
    standard_of = {c: c for c in list(EXTENSION_A) + list(range(0x4E00, 0x9FBB + 1))}
    standard_of.update({pua: std for pua, std, _ in pua_rows})

    def strokes(code):
        return total_strokes(src.unihan, standard_of[code])

    def is_component(code):
        return standard_of[code] in radical_equivalents or strokes(code) <= 3

    def order(code):
        return (not is_component(code), strokes(code), code)

    set_codes = [pua for pua, _, _ in pua_rows]
    pools = {
        "extension A": list(EXTENSION_A),
        "unified": [c for c in range(0x4E00, 0x9FA5 + 1) if is_component(c) or _is_rare_unified(c)],
        "late unified": list(LATE_UNIFIED),
        "GBK user area": [c for c in set_codes if c in GBK_USER_AREA],
        "rest of set": [c for c in set_codes if c not in GBK_USER_AREA],
    }
    chosen = list(LEADING)
    for name, pool in pools.items():
        already = [c for c in LEADING if c in pool]
        require(set(pool) >= set(already), f"{name}: leading characters outside the pool")
        rest = sorted((c for c in pool if c not in LEADING), key=order)
        require(len(already) + len(rest) >= COUNTS[name], f"too few candidates for {name}")
        chosen += rest[:COUNTS[name] - len(already)]
    require(all(any(c in pool for pool in pools.values()) for c in LEADING),
            "every leading character must belong to a pool")
    result = LEADING + sorted(chosen[len(LEADING):], key=order)
    require(len(result) == TOTAL and len(set(result)) == TOTAL, "SpecialQueryList must hold 2,521 distinct entries")
    zzzz = [c for c in result if 0x4E00 <= c <= 0xE864 and not 0x9FA6 <= c <= 0x9FFE]
    require(len(zzzz) == ZZZZ_COUNT, f"the query zzzz would list {len(zzzz)}, not {ZZZZ_COUNT}")
    return result
