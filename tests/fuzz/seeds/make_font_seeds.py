#!/usr/bin/python3
"""Writes the seed fonts of TrueTypeFont_fuzz: a few characters of real
Debian fonts, cut down to kilobytes. Each seed keeps the source's glyph
outlines (composites and their components included), metrics and the
header tables, and gets a new character map with a format 4 and a format 12
subtable. Run it from anywhere; it writes into TrueTypeFont_fuzz/ beside it.
"""

import os
import struct

FONTS = '/usr/share/fonts/truetype'


def u16(b, o):
    return struct.unpack_from('>H', b, o)[0]


def u32(b, o):
    return struct.unpack_from('>I', b, o)[0]


class Face:
    def __init__(self, data, offset=0):
        self.data = data
        self.tables = {}
        for i in range(u16(data, offset + 4)):
            tag, _, start, length = struct.unpack_from('>4sIII', data, offset + 12 + 16 * i)
            self.tables[tag.decode('latin-1')] = data[start:start + length]
        self.glyph_count = u16(self.tables['maxp'], 4)
        long_loca = u16(self.tables['head'], 50) == 1
        loca = self.tables['loca']
        if long_loca:
            self.loca = [u32(loca, 4 * i) for i in range(self.glyph_count + 1)]
        else:
            self.loca = [2 * u16(loca, 2 * i) for i in range(self.glyph_count + 1)]

    def glyph(self, gid):
        return self.tables['glyf'][self.loca[gid]:self.loca[gid + 1]]

    def glyph_of(self, code):
        cmap = self.tables['cmap']
        for i in range(u16(cmap, 2)):
            platform, encoding, offset = struct.unpack_from('>HHI', cmap, 4 + 8 * i)
            sub = cmap[offset:]
            if platform == 3 and encoding == 10 and u16(sub, 0) == 12:
                for g in range(u32(sub, 12)):
                    first, last, start = struct.unpack_from('>III', sub, 16 + 12 * g)
                    if first <= code <= last:
                        return start + code - first
            if platform == 3 and encoding == 1 and u16(sub, 0) == 4 and code <= 0xFFFF:
                segs = u16(sub, 6) // 2
                for s in range(segs):
                    end = u16(sub, 14 + 2 * s)
                    start = u16(sub, 16 + 2 * segs + 2 * s)
                    if start <= code <= end:
                        delta = u16(sub, 16 + 4 * segs + 2 * s)
                        ro_at = 16 + 6 * segs + 2 * s
                        ro = u16(sub, ro_at)
                        if ro == 0:
                            return (code + delta) & 0xFFFF
                        g = u16(sub, ro_at + ro + 2 * (code - start))
                        return (g + delta) & 0xFFFF if g else 0
        return 0

    def metric(self, table, count_table, gid):
        longs = u16(self.tables[count_table], 34)
        data = self.tables[table]
        advance = u16(data, 4 * min(gid, longs - 1))
        side = data[4 * gid + 2:4 * gid + 4] if gid < longs else data[4 * longs + 2 * (gid - longs):][:2]
        return struct.pack('>H', advance) + side


def components(glyph):
    """(offset of the glyph index, glyph index) of each component."""
    if len(glyph) < 10 or struct.unpack_from('>h', glyph, 0)[0] >= 0:
        return []
    out, at = [], 10
    while True:
        flags, gid = struct.unpack_from('>HH', glyph, at)
        out.append((at + 2, gid))
        at += 4 + (4 if flags & 0x0001 else 2)
        at += 2 if flags & 0x0008 else 4 if flags & 0x0040 else 8 if flags & 0x0080 else 0
        if not flags & 0x0020:
            return out


def cmap_table(mapping):
    bmp = sorted((c, g) for c, g in mapping.items() if c <= 0xFFFF)
    segs = [(c, c, (g - c) & 0xFFFF) for c, g in bmp] + [(0xFFFF, 0xFFFF, 1)]
    n = len(segs)
    f4 = struct.pack('>HHHHHHH', 4, 16 + 8 * n, 0, 2 * n, 0, 0, 0)  # search fields left 0
    f4 += b''.join(struct.pack('>H', e) for _, e, _ in segs) + b'\0\0'
    f4 += b''.join(struct.pack('>H', s) for s, _, _ in segs)
    f4 += b''.join(struct.pack('>H', d) for _, _, d in segs)
    f4 += b'\0\0' * n
    groups = sorted(mapping.items())
    f12 = struct.pack('>HHIII', 12, 0, 16 + 12 * len(groups), 0, len(groups))
    f12 += b''.join(struct.pack('>III', c, c, g) for c, g in groups)
    head = struct.pack('>HHHHIHHI', 0, 2, 3, 1, 20, 3, 10, 20 + len(f4))
    return head + f4 + f12


def cut(face, text):
    """The face with the characters of `text` (code points) only."""
    wanted = {c: face.glyph_of(c) for c in text}
    keep, todo = {0}, [g for g in wanted.values() if g]
    while todo:
        g = todo.pop()
        if g in keep or g >= face.glyph_count:
            continue
        keep.add(g)
        todo += [c for _, c in components(face.glyph(g))]
    order = sorted(keep)
    new_id = {g: i for i, g in enumerate(order)}
    glyf, loca, hmtx, vmtx = b'', [], b'', b''
    for g in order:
        data = bytearray(face.glyph(g))
        for at, c in components(bytes(data)):
            struct.pack_into('>H', data, at, new_id.get(c, 0))
        loca.append(len(glyf))
        glyf += bytes(data) + b'\0' * (len(data) % 2)
        hmtx += face.metric('hmtx', 'hhea', g)
        if 'vmtx' in face.tables:
            vmtx += face.metric('vmtx', 'vhea', g)
    loca.append(len(glyf))
    n = len(order)
    t = dict(face.tables)
    t['head'] = t['head'][:8] + b'\0\0\0\0' + t['head'][12:50] + b'\0\1' + t['head'][52:54]
    t['maxp'] = t['maxp'][:4] + struct.pack('>H', n) + t['maxp'][6:]
    t['hhea'] = t['hhea'][:34] + struct.pack('>H', n)
    t['post'] = struct.pack('>I', 0x00030000) + t['post'][4:32]
    t['glyf'], t['loca'], t['hmtx'] = glyf, b''.join(struct.pack('>I', o) for o in loca), hmtx
    t['cmap'] = cmap_table({c: new_id[g] for c, g in wanted.items() if g in new_id})
    if 'vmtx' in t:
        t['vhea'] = t['vhea'][:34] + struct.pack('>H', n)
        t['vmtx'] = vmtx
    kept = ['OS/2', 'cmap', 'glyf', 'head', 'hhea', 'hmtx', 'loca', 'maxp', 'post', 'vhea', 'vmtx']
    return {tag: t[tag] for tag in kept if tag in t}


def checksum(data):
    data += b'\0' * (-len(data) % 4)
    return sum(struct.unpack('>%dI' % (len(data) // 4), data)) & 0xFFFFFFFF


def sfnt(tables, at):
    """One face's table directory and tables, laid out from file offset `at`."""
    tags = sorted(tables)
    offset = at + 12 + 16 * len(tags)
    directory, body = struct.pack('>IHHHH', 0x00010000, len(tags), 0, 0, 0), b''
    for tag in tags:
        data = tables[tag]
        directory += struct.pack('>4sIII', tag.encode('latin-1'), checksum(data), offset + len(body), len(data))
        body += data + b'\0' * (-len(data) % 4)
    return directory + body


def collection(faces):
    header_size = 12 + 4 * len(faces)
    out, offsets = b'', []
    for tables in faces:
        offsets.append(header_size + len(out))
        out += sfnt(tables, header_size + len(out))
    return struct.pack('>4sII', b'ttcf', 0x00010000, len(faces)) + b''.join(struct.pack('>I', o) for o in offsets) + out


def read(path):
    with open(os.path.join(FONTS, path), 'rb') as f:
        return f.read()


def chars(s):
    return [ord(c) for c in s]


if __name__ == '__main__':
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'TrueTypeFont_fuzz')
    seeds = {
        # Accented letters made of components.
        'dejavu-sans-composites.ttf': sfnt(cut(Face(read('dejavu/DejaVuSans.ttf')), chars('Aaeé1ÅǕ')), 0),
        # Two faces of a CJK collection.
        'wqy-zenhei-two-faces.ttc': None,
        # Supplementary-plane ideographs: only the format 12 map reaches them.
        'hanazono-plane-2.ttf': sfnt(cut(Face(read('hanazono/HanaMinB.ttf')), [0x20000, 0x20001, 0x2A6D6]), 0),
    }
    zenhei = read('wqy/wqy-zenhei.ttc')
    seeds['wqy-zenhei-two-faces.ttc'] = collection(
        [cut(Face(zenhei, u32(zenhei, 12 + 4 * i)), chars('中文字体')) for i in range(2)])
    for name, data in seeds.items():
        with open(os.path.join(here, name), 'wb') as f:
            f.write(data)
