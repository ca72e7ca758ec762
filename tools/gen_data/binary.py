"""Byte helpers shared by the record files."""

import struct


_SCRAMBLED = bytes(((b >> 2) | (b << 6)) & 0xFF for b in range(256))
_UNSCRAMBLED = bytes(((b << 2) | (b >> 6)) & 0xFF for b in range(256))


def scramble(data):
    """Every byte rotated right by two bits, as the record files store it."""
    return bytes(data).translate(_SCRAMBLED)


def packed_bytes(code_point):
    """A character as two little-endian 16-bit words, high word first."""
    if code_point < 0x10000:
        high, low = 0, code_point
    else:
        high = 0xD800 + ((code_point - 0x10000) >> 10)
        low = 0xDC00 + (code_point & 0x3FF)
    return struct.pack("<HH", high, low)


def u32(value):
    return struct.pack("<I", value)


def pad(text, width, fill="0"):
    if len(text) > width:
        raise ValueError(f"{text!r} is longer than {width}")
    return text + fill * (width - len(text))


def unscramble(data):
    """The inverse of scramble: every byte rotated left by two bits."""
    return bytes(data).translate(_UNSCRAMBLED)


def unpacked_code_point(data):
    """The code point of four packed bytes, or None when they name no character."""
    high, low = struct.unpack("<HH", data)
    if high == 0:
        return low if low and not 0xD800 <= low <= 0xDFFF else None
    if 0xD800 <= high <= 0xDBFF and 0xDC00 <= low <= 0xDFFF:
        return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00)
    return None
