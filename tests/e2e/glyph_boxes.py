"""Finds missing-glyph boxes in a grab of a candidate grid: hollow rectangles
of glyph size, whose ink lies along their own outline and nowhere inside."""

from PIL import Image


def _components(ink, width, height):
    seen = bytearray(width * height)
    for start in range(width * height):
        if not ink[start] or seen[start]:
            continue
        seen[start] = 1
        stack, pixels = [start], []
        while stack:
            p = stack.pop()
            pixels.append(p)
            x, y = p % width, p // width
            for q in (p - 1 if x > 0 else -1, p + 1 if x + 1 < width else -1,
                      p - width if y > 0 else -1, p + width if y + 1 < height else -1):
                if q >= 0 and ink[q] and not seen[q]:
                    seen[q] = 1
                    stack.append(q)
        yield pixels


def find_boxes(png_path, crop=None, min_size=10, max_size=60):
    """The bounding boxes (left, top, right, bottom) of the boxes in the image
    (or in its crop (left, top, right, bottom))."""
    image = Image.open(png_path).convert("L")
    if crop:
        image = image.crop(crop)
    width, height = image.size
    ink = bytearray(1 if v < 110 else 0 for v in image.getdata())
    # Grid lines run through the whole grab; without them each cell stands alone.
    # A box drawn against a line loses that side with it; the line stands in for it.
    line_rows, line_columns = set(), set()
    for y in range(height):
        if sum(ink[y * width:(y + 1) * width]) > 0.6 * width:
            line_rows.add(y)
    for x in range(width):
        if sum(ink[x::width]) > 0.6 * height:
            line_columns.add(x)
    for y in line_rows:
        ink[y * width:(y + 1) * width] = bytes(width)
    for x in line_columns:
        ink[x::width] = bytes(height)
    boxes = []
    for pixels in _components(ink, width, height):
        xs = [p % width for p in pixels]
        ys = [p // width for p in pixels]
        left, right, top, bottom = min(xs), max(xs), min(ys), max(ys)
        w, h = right - left + 1, bottom - top + 1
        if not (min_size <= w <= max_size and min_size <= h <= max_size):
            continue
        on_outline = sum(1 for x, y in zip(xs, ys)
                         if x - left < 2 or right - x < 2 or y - top < 2 or bottom - y < 2)
        # Every side of the outline is inked along most of its length.
        sides = [sum(1 for x, y in zip(xs, ys) if y - top < 2), sum(1 for x, y in zip(xs, ys) if bottom - y < 2),
                 sum(1 for x, y in zip(xs, ys) if x - left < 2), sum(1 for x, y in zip(xs, ys) if right - x < 2)]
        against = [top - 1 in line_rows, bottom + 1 in line_rows, left - 1 in line_columns, right + 1 in line_columns]
        lengths = [w, w, h, h]
        closed = all(count >= 0.8 * length or by_line for count, length, by_line in zip(sides, lengths, against))
        inside = any(ink[(y + top) * width + x + left] for y in range(3, h - 3) for x in range(3, w - 3))
        if closed and on_outline >= 0.95 * len(pixels) and not inside:
            boxes.append((left, top, right, bottom))
    return boxes
