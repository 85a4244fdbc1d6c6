#!/usr/bin/env python3
"""Draws text pixel art (the format of pixelart.py) at a given scale from a description of
the images as shapes, so that each size is drawn at its own resolution rather than stretched.

Shapes file (one directive a line, '#' starts a comment):

    size N                 the design grid: coordinates run from 0 to N (the 100% image size)
    transparent C          the character of transparent pixels
    color C RRGGBB         what character C stands for
    image NAME             starts an image; the shapes below it paint in order, later on top
    rect C x0 y0 x1 y1     a filled rectangle
    box O F w x0 y0 x1 y1  a rectangle filled with F inside an edge of O, w units thick
    poly O F w x y x y ... a polygon likewise (F '-' leaves the inside unpainted)
    line C w x y x y ...   a line through the points, w units thick

Coordinates are grid units at the corners of pixels; at scale S a unit is S pixels, corners
and edges are rounded to whole pixels, and an edge or line is at least one pixel thick, so
that every size is as sharp as the 100% one.

usage: artshapes.py SHAPES PERCENT OUTPUT.txt
"""
import math
import sys


def parse(path):
    art = {"size": None, "transparent": None, "colors": [], "images": []}
    for number, raw in enumerate(open(path, encoding="ascii"), 1):
        words = raw.split("#", 1)[0].split()
        if not words:
            continue
        kind, args = words[0], words[1:]
        if kind == "size":
            art["size"] = int(args[0])
        elif kind == "transparent":
            art["transparent"] = args[0]
        elif kind == "color":
            art["colors"].append((args[0], args[1]))
        elif kind == "image":
            art["images"].append((" ".join(args), []))
        elif kind in ("rect", "box", "poly", "line"):
            if not art["images"]:
                raise SystemExit(f"{path}:{number}: a shape before the first image")
            art["images"][-1][1].append((kind, args, number))
        else:
            raise SystemExit(f"{path}:{number}: unknown directive {kind!r}")
    return art


def snap(value):
    return math.floor(value + 0.5)


def thickness(units, scale):
    return max(1, snap(units * scale))


def inside(px, py, points):
    """Even-odd test of the point against the polygon."""
    result = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > py) != (y1 > py) and px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
            result = not result
    return result


def segment_distance(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def edge_distance(px, py, points):
    return min(segment_distance(px, py, a, b) for a, b in zip(points, points[1:] + points[:1]))


def draw(shapes, scale, pixels):
    side = len(pixels)
    centres = [(x + 0.5, y + 0.5) for y in range(side) for x in range(side)]

    def corners(values):
        return [(snap(float(x) * scale), snap(float(y) * scale)) for x, y in zip(values[::2], values[1::2])]

    for kind, args, number in shapes:
        if kind == "rect":
            kind, args = "box", [args[0], args[0], "1", *args[1:5]]
        if kind == "box":
            x0, y0, x1, y1 = (float(v) for v in args[3:7])
            kind, args = "poly", args[:3] + [str(v) for v in (x0, y0, x1, y0, x1, y1, x0, y1)]
        if kind == "poly":
            edge, fill, width = args[0], args[1], thickness(float(args[2]), scale)
            points = corners(args[3:])
            for px, py in centres:
                if inside(px, py, points):
                    colour = edge if edge_distance(px, py, points) < width else fill
                    if colour != "-":
                        pixels[int(py)][int(px)] = colour
        elif kind == "line":
            colour, width = args[0], thickness(float(args[1]), scale)
            # Even widths run along pixel edges, odd ones through pixel centres.
            shift = 0.0 if width % 2 == 0 else 0.5
            points = [(math.floor(float(x) * scale) + shift if shift else snap(float(x) * scale),
                       math.floor(float(y) * scale) + shift if shift else snap(float(y) * scale))
                      for x, y in zip(args[2::2], args[3::2])]
            for px, py in centres:
                if min(segment_distance(px, py, a, b) for a, b in zip(points, points[1:] or points)) <= width / 2:
                    pixels[int(py)][int(px)] = colour


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    source, percent, output = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    art = parse(source)
    scale = percent / 100
    side = snap(art["size"] * scale)
    name = source.rsplit("/", 1)[-1]
    lines = [f"# Drawn by scripts/artshapes.py from {name} at {percent}%: change that file and draw again.",
             f"size {side} {side}", f"transparent {art['transparent']}"]
    lines += [f"color {c} {rgb}" for c, rgb in art["colors"]]
    for title, shapes in art["images"]:
        pixels = [[art["transparent"]] * side for _ in range(side)]
        draw(shapes, scale, pixels)
        lines += ["", f"image  # {title}"] + ["".join(row) for row in pixels]
    with open(output, "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
