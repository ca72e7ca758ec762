"""Unit tests of the generator's rules on small inputs (no source packages needed).

    python3 -m unittest discover -s tools/gen_data -p 'test_*.py'
"""

import unittest

import binary
import pinyin_files
import pinyin_text
import pua_set
import radical_files
import sources
import stroke_files
import validate_extensions
import validate_radical_files
import validate_stroke_files
from characters import Character, marker_of, stroke_sequence


class Form:
    def __init__(self, code, strokes, kangxi=1, kangxi_form=True):
        self.code, self.strokes, self.kangxi = code, strokes, kangxi
        self.is_kangxi_form = kangxi_form
        self.key = None


class SyllableTest(unittest.TestCase):
    def test_tone_marks_umlaut_and_dropped_syllables(self):
        cases = {"zhāng": "zhang1", "lǜ": "lv4", "nǚ": "nv3", "jū": "ju1", "xué": "xue2", "lüè": "lve4",
                 "ma": "ma0", "ḿ": "m2", "ê̄": None, "": None}
        for reading, written in cases.items():
            self.assertEqual(pinyin_text.syllable_with_tone(reading), written, reading)

    def test_readings_keep_order_and_drop_repeats(self):
        fields = {"kMandarin": "zhǎng", "kHanyuPinyin": "10093.130:zhǎng,cháng", "kXHC1983": "0678.010*:zhàng"}
        self.assertEqual(pinyin_text.readings_of(fields), ["zhang3", "chang2", "zhang4"])


class FilingTest(unittest.TestCase):
    def file(self, strokes, forms, rs="1.3"):
        return radical_files.file_character(Character(0x4E00, 0x4E00, len(strokes), strokes), {rs.split(".")[0]: forms}, rs)

    def test_prefix_suffix_and_stroke_information(self):
        mouth = Form(0x2F1D, "251")
        filing = self.file("2513412", [mouth])
        self.assertEqual((filing.remaining, filing.info), (4, "3412"))
        filing = self.file("3412251", [mouth])
        self.assertEqual((filing.remaining, filing.info), (4, "3412"))
        filing = self.file("251341252", [mouth])
        self.assertEqual(filing.info, "3412")  # first three and the last
        self.assertEqual(self.file("2514", [mouth]).info, "4000")

    def test_enclosure_first_for_the_enclosure_radical(self):
        enclosure = Form(0x2F1E, "251", kangxi=31)
        filing = self.file("25112141", [enclosure], rs="31.5")
        self.assertEqual((filing.remaining, filing.info), (5, "1124"))

    def test_a_character_without_sequence_takes_the_residual_and_no_strokes(self):
        filing = self.file("", [Form(0x2F00, "1")], rs="1.7")
        self.assertEqual((filing.remaining, filing.info), (7, "0000"))
        self.assertEqual(self.file("", [Form(0x2F00, "1")], rs="1.-1").remaining, 0)

    def test_fallback_takes_the_residual(self):
        form = Form(0x2F00, "1")
        filing = self.file("2534", [form], rs="1.3")
        self.assertIs(filing.form, form)
        self.assertEqual(filing.remaining, 3)


class FilesTest(unittest.TestCase):
    def test_scrambling_and_packing(self):
        self.assertEqual(binary.scramble(b"1"), b"\x4C")
        self.assertEqual(binary.packed_bytes(0x20000), bytes([0x40, 0xD8, 0x00, 0xDC]))
        self.assertEqual(binary.packed_bytes(0xE234), bytes([0x00, 0x00, 0x34, 0xE2]))

    def test_readings_field_keeps_whole_readings_that_fit(self):
        readings = [f"zhuang{t}" for t in range(1, 5)] * 3
        field = pinyin_files.readings_field(readings)
        self.assertLessEqual(len(field), 50)
        self.assertTrue(field.endswith("#"))
        self.assertTrue(all(r in readings for r in field[:-1].split(";")))

    def test_gaps_fill_the_range_exactly(self):
        gaps = pua_set._gap_layout([10, 300, 7, 4485])
        self.assertEqual(sum(gaps), pua_set.GAP_COUNT)
        self.assertEqual(gaps[-1], 0)


class StrokeDictionaryTest(unittest.TestCase):
    SNIPPET = [
        "# comment\n",
        "\u4e00\th\n",
        "\U00020B5F\tpznnnzzznzn\n",
        "\u4e8c\ths1\n",                     # only entry of 二, and not strokes
        "\u4e09\t\n",
        "\u4e00\u4e8c\thh\n",                # phrases are not characters
        "#The following entries inherited from the mainland forms\n",
        "\U00020B5F\tpznnn6zznzn\n",
        "\u4e09\thhH\n",
        "\u4e09\thhh\n",
    ]

    def test_sequences_with_other_than_the_five_strokes_are_rejected(self):
        strokes = sources.parse_rime_strokes(self.SNIPPET)
        rejected = [(r.line, r.code_point, r.code) for r in strokes.rejected]
        self.assertEqual(rejected, [(4, 0x4E8C, "hs1"), (5, 0x4E09, ""),
                                    (8, 0x20B5F, "pznnn6zznzn"), (9, 0x4E09, "hhH")])
        self.assertEqual(dict(strokes.taiwan), {0x4E00: ["1"], 0x20B5F: ["35444555454"]})
        self.assertEqual(dict(strokes.mainland), {0x4E09: ["111"]})

    def test_a_rejected_sequence_yields_to_the_other_entry_or_none(self):
        strokes = sources.parse_rime_strokes(self.SNIPPET)
        sequence = lambda c, total: stroke_sequence(strokes.taiwan, strokes.mainland, c, total)
        self.assertEqual(sequence(0x20B5F, 11), "35444555454")
        self.assertIsNone(sequence(0x4E8C, 2))

    def test_a_dictionary_without_mainland_section_is_refused(self):
        with self.assertRaises(sources.SourceError):
            sources.parse_rime_strokes(self.SNIPPET[:6])


class StrokeFileValidationTest(unittest.TestCase):
    """Files of the shipped shape: one character under each of the fifty keys,
    U+4E01 first (key 01, marker "0", strokes "1")."""

    def files(self, *extra):
        keys = [int(k) for k in stroke_files.EXPECTED_STROKE_KEYS]
        chars = [Character(0x4E00 + k, 0x4E00 + k, k, "1" * k) for k in keys] + list(extra)
        return stroke_files.stroke_files(chars)

    def problems_with_first_record(self, plain):
        index, records = self.files()
        return validate_stroke_files.stroke_file_problems(index, binary.scramble(plain) + records[17:])

    def test_generated_files_pass(self):
        self.assertEqual(validate_stroke_files.stroke_file_problems(*self.files()), [])

    def test_a_stroke_six_is_rejected(self):
        files = self.files(Character(0x20B5F, 0x20B5F, 11, "35444655454"))
        problems = validate_stroke_files.stroke_file_problems(*files)
        self.assertEqual(len(problems), 1)
        self.assertIn("U+20B5F: stroke field b'3544465545'", problems[0])

    def test_malformed_records_are_rejected(self):
        packed = binary.packed_bytes(0x4E01)
        cases = {
            "stroke 6": packed + b"010" + b"6000000000",
            "padding inside the strokes": packed + b"010" + b"1020000000",
            "no stroke": packed + b"010" + b"0000000000",
            "count not the group key": packed + b"020" + b"1000000000",
            "count not digits": packed + b"1 0" + b"1000000000",
            "marker of another block": packed + b"013" + b"1000000000",
            "no character": bytes(4) + b"010" + b"1000000000",
            "lone surrogate": bytes([0, 0, 0x40, 0xD8]) + b"010" + b"1000000000",
            "outside the shipped blocks": binary.packed_bytes(0x41) + b"014" + b"1000000000",
        }
        for name, plain in cases.items():
            problems = self.problems_with_first_record(plain)
            self.assertEqual(len(problems), 1, name)
            self.assertIn("record 0:", problems[0], name)

    def test_out_of_order_records_are_rejected(self):
        files = self.files(Character(0x3400, 0x3400, 1, "1"))
        self.assertEqual(validate_stroke_files.stroke_file_problems(*files), [])
        index, records = files
        swapped = records[17:34] + records[:17] + records[34:]
        problems = validate_stroke_files.stroke_file_problems(index, swapped)
        self.assertEqual(len(problems), 1)
        self.assertIn("out of code point order", problems[0])

    def test_a_later_extension_character_may_have_its_count_only(self):
        count_only = Character(0x30000, 0x30000, 2, "")
        index, records = self.files(count_only)
        self.assertEqual(validate_stroke_files.stroke_file_problems(index, records), [])
        self.assertEqual(marker_of(0x30000), "5")
        groups = stroke_files.stroke_groups([count_only, Character(0x2A700, 0x2A700, 5, "1234")])
        self.assertEqual({k: [c.code for c in v] for k, v in groups.items()}, {2: [0x30000], 4: [0x2A700], 5: [0x2A700]})

    def test_index_that_does_not_match_the_records_is_rejected(self):
        index, records = self.files()
        for name, (i, r) in {"a record short": (index, records[:-17]),
                             "a partial record": (index, records[:-1]),
                             "no terminator": (index[:-6], records),
                             "a partial entry": (index[:-1], records)}.items():
            self.assertEqual(len(validate_stroke_files.stroke_file_problems(i, r)), 1, name)

class RadicalFileValidationTest(unittest.TestCase):
    def files(self, *records):
        plain = b"".join(records)
        scrambled = binary.scramble(plain)
        index = b"01A0" + binary.u32(0) + b"fend" + binary.u32(len(plain) // 11)
        return index, scrambled

    def test_records_of_the_format_pass_and_others_are_named(self):
        good = [binary.packed_bytes(0x4E01) + b"011000", binary.packed_bytes(0x30000) + b"010000" + b"5"]
        good[0] += b"0"
        self.assertEqual(validate_radical_files.radical_file_problems(*self.files(*good)), [])
        cases = {
            "remaining not digits": binary.packed_bytes(0x4E02) + b"0a1000" + b"0",
            "stroke 6": binary.packed_bytes(0x4E02) + b"016000" + b"0",
            "padding inside": binary.packed_bytes(0x4E02) + b"010100" + b"0",
            "marker of another block": binary.packed_bytes(0x30001) + b"010000" + b"3",
            "listed twice": good[0],
        }
        for name, record in cases.items():
            problems = validate_radical_files.radical_file_problems(*self.files(*good, record))
            self.assertEqual(len(problems), 1, name)
            self.assertIn("record 2:", problems[0], name)

    def test_an_index_that_does_not_count_the_records_is_rejected(self):
        index, records = self.files(binary.packed_bytes(0x4E01) + b"011000" + b"0")
        self.assertEqual(len(validate_radical_files.radical_file_problems(index[:-4] + binary.u32(2), records)), 1)


class ExtensionListingTest(unittest.TestCase):
    """A listing of Extension H alone (the other extensions left empty)."""

    def listing(self, stroke_codes, radical_codes, pinyin_codes):
        listing = validate_extensions.Listing(b"", b"", b"")
        listing.stroke_count.update(stroke_codes)
        listing.radical_count.update(radical_codes)
        listing.with_readings = set(pinyin_codes)
        return listing

    def problems(self, listing, set_standards=frozenset()):
        problems, counts = validate_extensions.extension_problems(listing, set_standards)
        return [p for p in problems if "U+31350" in p or "U+31351" in p], counts

    def test_each_character_once_and_set_characters_not_at_all(self):
        h = list(validate_extensions.LATER_EXTENSIONS["H"])
        listing = self.listing(h, h, [0x31351])
        problems, counts = self.problems(listing)
        self.assertEqual(problems, [])
        self.assertEqual(counts["H"], (len(h), 0, 1))
        problems, _ = self.problems(listing, {0x31350})
        self.assertEqual(len(problems), 2)  # listed in both record files
        problems, _ = self.problems(self.listing(h + [0x31350, 0x31350], h[1:], []))
        self.assertEqual(len(problems), 2)  # three times by strokes, never by radical


if __name__ == "__main__":
    unittest.main()
