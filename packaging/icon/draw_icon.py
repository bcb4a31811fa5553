#!/usr/bin/env python3
"""Draws frosty's icon, an ice-cream cone, as frosty.svg and as frosty-48.png and frosty-256.png.

One list of shapes on a 256 x 256 grid makes all three: the SVG names them, the PNGs are painted
from the same geometry with 8 x 8 samples a pixel (4 x 4 at 256), so every size is drawn, never scaled down.
Only the standard library is used. Run: packaging/icon/draw_icon.py packaging/icon
"""

import math
import struct
import sys
import zlib
from pathlib import Path

GRID = 256


class Circle:
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def contains(self, x, y):
        return (x - self.cx) ** 2 + (y - self.cy) ** 2 <= self.r**2

    def bbox(self):
        return self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r

    def svg(self, paint):
        return f'<circle cx="{self.cx}" cy="{self.cy}" r="{self.r}" {paint}/>'

    def distance_to_edge(self, x, y):
        return abs(math.hypot(x - self.cx, y - self.cy) - self.r)


class Polygon:
    def __init__(self, points, closed=True):
        self.points, self.closed = points, closed

    def edges(self):
        pairs = list(zip(self.points, self.points[1:]))
        return pairs + [(self.points[-1], self.points[0])] if self.closed else pairs

    def contains(self, x, y):
        inside = False  # even-odd crossings of a ray to the right
        for (x1, y1), (x2, y2) in self.edges():
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
        return inside

    def bbox(self):
        xs, ys = [p[0] for p in self.points], [p[1] for p in self.points]
        return min(xs), min(ys), max(xs), max(ys)

    def svg(self, paint):
        tag = "polygon" if self.closed else "polyline"
        points = " ".join(f"{x:g},{y:g}" for x, y in self.points)
        return f'<{tag} points="{points}" {paint}/>'

    def distance_to_edge(self, x, y):
        return min(segment_distance(x, y, a, b) for a, b in self.edges())


def segment_distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


class Stroke:
    """The outline of a shape, `width` wide, straddling its edge, with round joins."""

    def __init__(self, shape, width):
        self.shape, self.width = shape, width

    def contains(self, x, y):
        return self.shape.distance_to_edge(x, y) <= self.width / 2

    def bbox(self):
        x1, y1, x2, y2 = self.shape.bbox()
        h = self.width / 2
        return x1 - h, y1 - h, x2 + h, y2 + h

    def svg(self, paint):
        stroke = paint.replace("fill=", "stroke=")
        return self.shape.svg(
            f'fill="none" {stroke} stroke-width="{self.width}" stroke-linejoin="round" '
            'stroke-linecap="round"'
        )


class Clipped:
    """A shape seen only inside a clip shape (in the SVG, through the clip path `clip_id`)."""

    def __init__(self, shape, clip, clip_id):
        self.shape, self.clip, self.clip_id = shape, clip, clip_id

    def contains(self, x, y):
        return self.clip.contains(x, y) and self.shape.contains(x, y)

    def bbox(self):
        a, b = self.shape.bbox(), self.clip.bbox()
        return max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3])

    def svg(self, paint):
        return f'<g clip-path="url(#{self.clip_id})">{self.shape.svg(paint)}</g>'


def bar(cx, cy, length, width, degrees):
    """A sprinkle: a rectangle centred at (cx, cy), turned by `degrees`."""
    a = math.radians(degrees)
    ux, uy = math.cos(a) * length / 2, math.sin(a) * length / 2
    vx, vy = -math.sin(a) * width / 2, math.cos(a) * width / 2
    corners = [(ux + vx, uy + vy), (ux - vx, uy - vy), (-ux - vx, -uy - vy), (-ux + vx, -uy + vy)]
    return Polygon([(round(cx + x, 2), round(cy + y, 2)) for x, y in corners])


WAFFLE = (0xE8, 0xAE, 0x5B, 255)
WAFFLE_LINE = (0xB0, 0x6A, 0x2C, 255)
WAFFLE_EDGE = (0x6B, 0x3D, 0x18, 255)
STRAWBERRY = (0xF6, 0x9C, 0xC0, 255)
STRAWBERRY_EDGE = (0x9A, 0x2F, 0x5E, 255)
MINT = (0xA6, 0xE8, 0xCB, 255)
MINT_EDGE = (0x2B, 0x7A, 0x5A, 255)
CHERRY = (0xD8, 0x1E, 0x3A, 255)
CHERRY_EDGE = (0x72, 0x0B, 0x1C, 255)
STEM = (0x5A, 0x3A, 0x14, 255)
GLINT = (255, 255, 255, 150)
SPRINKLES = [(0xFF, 0xD2, 0x3F, 255), (0x3F, 0x8E, 0xFC, 255), (255, 255, 255, 255)]


def cone_shapes():
    cone = Polygon([(74, 128), (182, 128), (128, 248)])
    shapes = [(cone, WAFFLE)]
    for offset in range(-120, 140, 22):  # the waffle's crossing grooves
        for slope in (1, -1):
            line = Polygon([(128 + offset - 130 * slope, 0), (128 + offset + 130 * slope, 260)], False)
            shapes.append((Clipped(Stroke(line, 5), cone, "cone"), WAFFLE_LINE))
    shapes.append((Stroke(cone, 6), WAFFLE_EDGE))
    return cone, shapes


def scoop_shapes(circle, fill, edge, sprinkles, glint_degrees):
    shapes = [(circle, fill)]
    for i, (x, y, turn) in enumerate(sprinkles):
        shapes.append((bar(x, y, 15, 5, turn), SPRINKLES[i % len(SPRINKLES)]))
    a = math.radians(glint_degrees)  # where the light falls, clear of the scoop above
    glint = Circle(
        round(circle.cx + math.cos(a) * circle.r * 0.6, 2),
        round(circle.cy - math.sin(a) * circle.r * 0.6, 2),
        round(circle.r * 0.2, 2),
    )
    shapes += [(glint, GLINT), (Stroke(circle, 6), edge)]
    return shapes


def icon_shapes():
    """Back to front: cone, lower scoop, upper scoop, cherry."""
    cone, shapes = cone_shapes()
    shapes += scoop_shapes(
        Circle(128, 118, 54), STRAWBERRY, STRAWBERRY_EDGE,
        [(104, 120, 30), (140, 104, -40), (150, 134, 80), (118, 146, -10)],
        200,
    )
    shapes += scoop_shapes(
        Circle(128, 66, 44), MINT, MINT_EDGE, [(112, 70, -30), (142, 58, 20), (130, 86, 70)], 135
    )
    stem = Polygon([(128, 26), (132, 14), (142, 6)], False)
    cherry = Circle(126, 32, 13)
    shapes += [(Stroke(stem, 4), STEM), (cherry, CHERRY), (Stroke(cherry, 4), CHERRY_EDGE)]
    shapes.append((Circle(121, 27, 3.5), GLINT))
    return cone, shapes


def paint_of(rgba):
    r, g, b, a = rgba
    opacity = f' fill-opacity="{a / 255:.2f}"' if a < 255 else ""
    return f'fill="#{r:02x}{g:02x}{b:02x}"{opacity}'


def write_svg(path, cone, shapes):
    body = "\n  ".join(shape.svg(paint_of(rgba)) for shape, rgba in shapes)
    path.write_text(
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID}" height="{GRID}" '
        f'viewBox="0 0 {GRID} {GRID}">\n'
        f'  <title>GLoBBo O\' FRoSTy</title>\n'
        f'  <defs><clipPath id="cone">{cone.svg("")}</clipPath></defs>\n'
        f"  {body}\n</svg>\n"
    )


def paint(size, shapes):
    """Straight-alpha RGBA rows: each shape's coverage of each pixel, composited over."""
    scale = GRID / size
    samples = 8 if size < 128 else 4  # per pixel edge
    pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]  # premultiplied
    offsets = [(i + 0.5) / samples for i in range(samples)]
    for shape, (r, g, b, a) in shapes:
        x1, y1, x2, y2 = shape.bbox()
        for py in range(max(0, int(y1 / scale)), min(size, int(y2 / scale) + 1)):
            for px in range(max(0, int(x1 / scale)), min(size, int(x2 / scale) + 1)):
                hits = sum(
                    shape.contains((px + sx) * scale, (py + sy) * scale)
                    for sy in offsets
                    for sx in offsets
                )
                if hits:
                    alpha = a / 255 * hits / samples**2
                    p = pixels[py * size + px]
                    for c, value in enumerate((r / 255, g / 255, b / 255, 1.0)):
                        p[c] = value * alpha + p[c] * (1 - alpha)
    rows = []
    for py in range(size):
        row = bytearray()
        for r, g, b, a in pixels[py * size : (py + 1) * size]:
            row += bytes(round(v / a * 255) if a else 0 for v in (r, g, b)) + bytes([round(a * 255)])
        rows.append(row)
    return rows


def write_png(path, size, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + bytes(row) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    path.write_bytes(
        b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
        + chunk(b"IEND", b"")
    )


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    cone, shapes = icon_shapes()
    write_svg(out / "frosty.svg", cone, shapes)
    for size in (48, 256):
        write_png(out / f"frosty-{size}.png", size, paint(size, shapes))


if __name__ == "__main__":
    main()
