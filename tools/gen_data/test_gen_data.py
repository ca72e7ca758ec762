"""Unit tests of the generator's rules on small inputs (no source packages needed).

    python3 -m unittest discover -s tools/gen_data -p 'test_*.py'
"""

import unittest

import binary
import pinyin_files
import pinyin_text
import pua_set
import radical_files
from characters import Character


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


if __name__ == "__main__":
    unittest.main()
