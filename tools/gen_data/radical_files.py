"""Filing characters under radicals: bs64-gb18030.idx and charmb614-gb18030.dat."""

from binary import pad, packed_bytes, scramble, u32
from characters import Character, later_extension_character, later_extension_of, require, stroke_data
from radical_table import ALIASES

ENCLOSURE_FIRST = {31}  # 囗: its strokes would otherwise match as a plain prefix


class Filing:
    """Where one character is filed."""

    __slots__ = ("form", "remaining", "info")

    def __init__(self, form, remaining, outside):
        self.form = form
        self.remaining = remaining
        self.info = pad(outside[:3] + outside[-1:] if len(outside) > 3 else outside, 4)


def _forms_by_radical(radicals, cjk_radicals):
    """{'120': [forms], "120'": [simplified form]}; forms in trial order."""
    by_code = {r.code: r for r in radicals}
    forms = {}
    for r in radicals:
        forms.setdefault(str(r.kangxi), []).append(r)
    for number, (radical, _) in cjk_radicals.items():
        if number.endswith("'") and radical in by_code:
            forms[number] = [by_code[radical]]
    kangxi_shapes = {r.kangxi: r.equivalent for r in radicals if r.is_kangxi_form}

    def trial_order(r):
        # Longer forms first; among forms of one length, a Supplement form of
        # the Kangxi form's own shape comes after it, the rest by code point.
        duplicate = not r.is_kangxi_form and r.equivalent == kangxi_shapes.get(r.kangxi)
        return (-len(r.strokes), duplicate, r.code)

    for members in forms.values():
        members.sort(key=trial_order)
    return forms


def _main_form(forms, number):
    candidates = forms[number]
    if number.endswith("'"):
        return candidates[0]
    return next(r for r in candidates if r.is_kangxi_form)


def _enclosure(form, strokes):
    f = form.strokes
    if len(strokes) <= len(f):
        return None
    for i in range(1, len(f)):
        if strokes.startswith(f[:i]) and strokes.endswith(f[i:]):
            return strokes[i:len(strokes) - (len(f) - i)]
    return None


def _without_subsequence(strokes, part):
    """strokes with part's strokes removed where they occur in order, or None."""
    out, j = [], 0
    for s in strokes:
        if j < len(part) and s == part[j]:
            j += 1
        else:
            out.append(s)
    return "".join(out) if j == len(part) else None


def file_character(ch, forms, rs_value):
    """The Filing of one character from kRSUnicode's first value."""
    number, _, residual = rs_value.partition(".")
    require(number in forms, f"U+{ch.standard:04X}: unknown radical {number}")
    candidates = forms[number]
    strokes = ch.strokes
    kangxi = int(number.rstrip("'"))
    tries = ["enclosure", "prefix", "suffix"] if kangxi in ENCLOSURE_FIRST else ["prefix", "suffix", "enclosure"]
    for kind in tries:
        for form in candidates:
            f = form.strokes
            if kind == "prefix" and strokes.startswith(f):
                return Filing(form, len(strokes) - len(f), strokes[len(f):])
            if kind == "suffix" and len(strokes) > len(f) and strokes.endswith(f):
                return Filing(form, len(strokes) - len(f), strokes[:-len(f)])
            if kind == "enclosure":
                outside = _enclosure(form, strokes)
                if outside is not None:
                    return Filing(form, len(strokes) - len(f), outside)
    form = _main_form(forms, number)
    remaining = max(0, int(residual))
    outside = _without_subsequence(strokes, form.strokes)
    if outside is None:
        outside = strokes[-remaining:] if remaining else ""
    return Filing(form, remaining, outside)


class Filer:
    """Files characters under the radicals of the radical table."""

    def __init__(self, radicals, src):
        self._forms = _forms_by_radical(radicals, src.cjk_radicals)
        self._src = src

    def file(self, ch):
        rs = self._src.unihan.get(ch.standard, {}).get("kRSUnicode")
        require(rs is not None, f"U+{ch.standard:04X} has no kRSUnicode")
        filing = file_character(ch, self._forms, rs.split()[0])
        require(filing.remaining <= 99, f"U+{ch.standard:04X}: remaining strokes above 99")
        return filing

    def file_standard(self, code_point):
        if later_extension_of(code_point):
            return self.file(later_extension_character(self._src, code_point))
        data = stroke_data(self._src, code_point)
        require(data is not None, f"U+{code_point:04X} has no stroke data")
        return self.file(Character(code_point, code_point, *data))

    def file_all(self, characters):
        """{character code: Filing}."""
        return {ch.code: self.file(ch) for ch in characters}


def filing_key(filing):
    """The key the character is listed under: an alias variant's main key."""
    return ALIASES.get(filing.form.key, filing.form.key)


def radical_files(characters, radicals, filings):
    """(index bytes, record bytes): groups in radical table order, records
    by remaining strokes and code point."""
    groups = {}
    for ch in characters:
        groups.setdefault(filing_key(filings[ch.code]), []).append(ch)
    require(not set(groups) & set(ALIASES), "no character may be filed under an alias key")
    index, records = bytearray(), bytearray()
    first = 0
    for r in radicals:
        members = groups.get(r.key)
        if not members:
            continue
        members.sort(key=lambda ch: (filings[ch.code].remaining, ch.code))
        index += r.key.encode() + u32(first)
        for ch in members:
            f = filings[ch.code]
            plain = packed_bytes(ch.code) + f"{f.remaining:02d}".encode() + f.info.encode() + ch.marker.encode()
            records += scramble(plain)
        first += len(members)
    require(first == len(characters), "every character must be filed under a radical")
    index += b"fend" + u32(first)
    return bytes(index), bytes(records)
