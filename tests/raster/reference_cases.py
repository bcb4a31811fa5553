#!/usr/bin/env python3
"""Writes the scenes that compare our rasterizer with the GDI reference renderer.

  reference_cases.py OUT_DIR [SEED]

One folder of command files per set, one figure per file on a 601 x 540 bitmap (the commands of
tests/raster/scene.h). Ellipse boxes that the reference renderer draws wrongly under Wine (tall
narrow ones, see its README) are left out.
"""
import math
import os
import random
import sys


def error_walk(w, h, x, step):
    """The rows of the reference renderer's error-term ellipse walk, from column x in steps of
    `step` while x stays on its side of the middle column."""
    a, b = w - 1, h - 1
    dx, dy = 4 * b * b * (1 - a), 4 * a * a * (1 + b % 2)
    err, y = dx + dy + a * a * (b % 2), h // 2
    while (x >= w // 2) if step < 0 else (x <= w // 2):
        yield y
        e2 = 2 * err
        if e2 >= dx:
            x += step
            dx += 8 * b * b
            err += dx
        if e2 <= dy:
            y += 1
            dy += 8 * a * a
            err += dy
    yield y


def wine_narrow_ellipse_bug(w, h):
    """The reference renderer's own test for ellipse boxes Wine draws wrongly: the outline's
    walk misses the tips, or the fill's walk never reaches the last row."""
    if w <= 2 or h <= 2:
        return False
    outline = list(error_walk(w, h, w - 1, -1))
    return max(outline[:-1]) < h - 1 or list(error_walk(w, h, 0, 1))[-1] < h - 1


def colour(rng):
    return "%d %d %d" % (rng.randrange(200), rng.randrange(200), rng.randrange(200))


def pen(rng, width):
    return "pen %d %s\n" % (width, colour(rng))


def brush(rng):
    return "brush %s\n" % colour(rng)


def box(rng, lo, hi):
    return [rng.randint(lo, hi) for _ in range(4)]


def ellipse_ok(b):
    return not wine_narrow_ellipse_bug(abs(b[2] - b[0]), abs(b[3] - b[1]))


def random_sets(rng):
    sets = {}
    sets["rects"] = [pen(rng, 1) + brush(rng) + "rect %d %d %d %d\n" % tuple(box(rng, -60, 660))
                     for _ in range(400)]
    sets["lines"] = [pen(rng, 1) + "line %d %d %d %d\n" % tuple(box(rng, -2000, 2600))
                     for _ in range(400)]
    sets["triangles_outlined"] = [
        pen(rng, 1) + brush(rng) + "polygon %d %d %d %d %d %d\n" % tuple(box(rng, -60, 660) + box(rng, -60, 660)[:2])
        for _ in range(400)]
    sets["triangles_filled"] = [
        "nullpen\n" + brush(rng) + "polygon %d %d %d %d %d %d\n" % tuple(box(rng, -60, 660) + box(rng, -60, 660)[:2])
        for _ in range(400)]
    ellipses = []
    while len(ellipses) < 850:
        b = box(rng, -60, 660)
        if ellipse_ok(b):
            fill = brush(rng) if rng.random() < 0.7 else "nullbrush\n"
            ellipses.append(pen(rng, 1) + fill + "ellipse %d %d %d %d\n" % tuple(b))
    sets["ellipses"] = ellipses
    return sets


def wide_sets(rng):
    """Wide pens 2..20 on figures around the bitmap."""
    sets = {"wide_lines": [], "wide_rects": [], "wide_ellipses": [], "wide_triangles": []}
    while min(len(v) for v in sets.values()) < 510:
        w = rng.randint(2, 20)
        sets["wide_lines"].append(pen(rng, w) + "line %d %d %d %d\n" % tuple(box(rng, -40, 640)))
        sets["wide_rects"].append(pen(rng, w) + "nullbrush\nrect %d %d %d %d\n" % tuple(box(rng, -40, 640)))
        b = box(rng, -40, 640)
        if ellipse_ok(b):
            sets["wide_ellipses"].append(pen(rng, w) + "nullbrush\nellipse %d %d %d %d\n" % tuple(b))
        sets["wide_triangles"].append(
            pen(rng, w) + "nullbrush\npolygon %d %d %d %d %d %d\n" % tuple(box(rng, -40, 640) + box(rng, -40, 640)[:2]))
    return {k: v[:510] for k, v in sets.items()}


def huge_pen_ellipses(rng):
    """Pens of 20 to 2000 pixels on ellipses up to 4000 pixels whose curve passes the bitmap."""
    cases = []
    while len(cases) < 200:
        w, h = rng.randint(3, 4000), rng.randint(3, 4000)
        width = rng.randint(20, 2000)
        # A point of the curve lands within reach of the bitmap.
        t = rng.uniform(0, 2 * math.pi)
        reach = width // 2 + 300
        cx = 300 + rng.randint(-reach, reach) - int(w / 2 * math.cos(t))
        cy = 270 + rng.randint(-reach, reach) - int(h / 2 * math.sin(t))
        b = (cx - w // 2, cy - h // 2, cx - w // 2 + w, cy - h // 2 + h)
        if ellipse_ok(b):
            cases.append(pen(rng, width) + "nullbrush\nellipse %d %d %d %d\n" % b)
    return {"huge_pen_ellipses": cases}


def every_box_sets():
    """Every ellipse box 1..40 square with and without a pen; 1..30 with wide pens."""
    sets = {"boxes40_pen_brush": [], "boxes40_no_pen": []}
    for w in range(1, 41):
        for h in range(1, 41):
            if wine_narrow_ellipse_bug(w, h):
                continue
            e = "ellipse 10 10 %d %d\n" % (10 + w, 10 + h)
            sets["boxes40_pen_brush"].append("pen 1 0 0 0\nbrush 255 128 0\n" + e)
            sets["boxes40_no_pen"].append("nullpen\nbrush 255 128 0\n" + e)
    for width in (2, 3, 4, 5, 7, 8):
        key = "boxes30_pen%d" % width
        sets[key] = ["pen %d 0 0 160\nnullbrush\nellipse 20 20 %d %d\n" % (width, 20 + w, 20 + h)
                     for w in range(1, 31) for h in range(1, 31) if not wine_narrow_ellipse_bug(w, h)]
    return sets


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: reference_cases.py OUT_DIR [SEED]")
    out = sys.argv[1]
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 417)
    sets = {}
    for make in (random_sets, wide_sets, huge_pen_ellipses):
        sets.update(make(rng))
    sets.update(every_box_sets())
    for name, scenes in sets.items():
        os.makedirs(os.path.join(out, name), exist_ok=True)
        for i, scene in enumerate(scenes):
            with open(os.path.join(out, name, "%s_%04d.txt" % (name, i)), "w") as f:
                f.write(scene)
        print("%s: %d scenes" % (name, len(scenes)))


if __name__ == "__main__":
    main()
