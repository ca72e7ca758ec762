"""Pinyin syllables as the data files write them: a-z plus a tone digit."""

import unicodedata

TONE_MARKS = {"\u0304": "1", "\u0301": "2", "\u030C": "3", "\u0300": "4"}
DIAERESIS = "\u0308"
U_AFTER = "jqxy"


def syllable_with_tone(reading):
    """'lǜ' -> 'lv4', 'jū' -> 'ju1', 'ma' -> 'ma0'; None when the reading
    cannot be written as lower-case a-z and a digit."""
    tone = "0"
    letters = []
    for ch in unicodedata.normalize("NFD", reading.strip().lower()):
        if ch in TONE_MARKS:
            if tone != "0":
                return None
            tone = TONE_MARKS[ch]
        elif ch == DIAERESIS:
            if not letters or letters[-1] != "u":
                return None
            letters[-1] = "u" if len(letters) > 1 and letters[0] in U_AFTER else "v"
        elif "a" <= ch <= "z":
            letters.append(ch)
        else:
            return None
    if not letters:
        return None
    return "".join(letters) + tone


def plain_syllable(reading):
    """The reading without its tone, or None."""
    written = syllable_with_tone(reading)
    return written[:-1] if written else None


def readings_of(fields):
    """A character's readings: kMandarin's, then those of kHanyuPinyin and
    kXHC1983 not yet listed; each written with its tone digit."""
    raw = list((fields.get("kMandarin") or "").split())
    for field in ("kHanyuPinyin", "kXHC1983"):
        for entry in (fields.get(field) or "").split():
            _, _, values = entry.partition(":")
            raw.extend(v for v in values.split(",") if v)
    result = []
    for reading in raw:
        written = syllable_with_tone(reading)
        if written and written not in result:
            result.append(written)
    return result
