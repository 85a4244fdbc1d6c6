#!/usr/bin/env python3
"""Turns a text pixel-art file into a Windows resource file: .bmp, .cur or .ico.

Text format (one directive a line, '#' starts a comment):

    size W H              size of one image in pixels
    hotspot X Y           cursors only: the hot spot
    transparent C         the character that stands for transparent pixels
    color C RRGGBB        what character C stands for
    image                 W rows of H characters follow; several images make a strip
    derive FILE FILTER    takes the images and colours of FILE (a path relative to this file)
                          with every colour but the transparent one changed by FILTER:
                          "hot" (a little brighter) or "grey" (greyed out, for disabled images)

  .bmp  24-bit bitmap, the images side by side (transparent pixels as magenta FF00FF)
  .cur  32x32 monochrome cursor of the first image (black and white; others to nearest)
  .ico  32-bit icon of the first image, with alpha from the transparent character
"""
import os
import struct
import sys


def hot(rgb):
    """A little brighter: a quarter of the way towards white."""
    return tuple(c + (255 - c) // 4 for c in rgb)


def grey(rgb):
    """Greyed out: the colour's lightness, pale and flat, as disabled buttons show."""
    r, g, b = rgb
    light = (r * 30 + g * 59 + b * 11) // 100
    value = 128 + light * 96 // 255
    return (value, value, value)


FILTERS = {"hot": hot, "grey": grey}


def parse(path):
    art = {"size": None, "hotspot": (0, 0), "transparent": None, "colors": {}, "images": []}
    rows = None
    for raw in open(path, encoding="ascii"):
        line = raw.rstrip("\n")
        if rows is not None and len(rows) < art["size"][1]:
            rows.append(line.strip())
            continue
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        words = line.split()
        if words[0] == "size":
            art["size"] = (int(words[1]), int(words[2]))
        elif words[0] == "hotspot":
            art["hotspot"] = (int(words[1]), int(words[2]))
        elif words[0] == "transparent":
            art["transparent"] = words[1]
            art["colors"][words[1]] = (0xFF, 0x00, 0xFF)
        elif words[0] == "color":
            value = int(words[2], 16)
            art["colors"][words[1]] = ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)
        elif words[0] == "derive":
            if len(words) != 3 or words[2] not in FILTERS:
                raise SystemExit(f"{path}: derive needs a file and one of {sorted(FILTERS)}")
            base = parse(os.path.join(os.path.dirname(path), words[1]))
            change = FILTERS[words[2]]
            for c, rgb in base["colors"].items():
                base["colors"][c] = rgb if c == base["transparent"] else change(rgb)
            art.update(base)
        elif words[0] == "image":
            rows = []
            art["images"].append(rows)
        else:
            raise SystemExit(f"{path}: unknown directive {words[0]!r}")
    width, height = art["size"]
    for n, image in enumerate(art["images"]):
        if len(image) != height or any(len(r) != width for r in image):
            raise SystemExit(f"{path}: image {n} is not {width}x{height}")
        for r in image:
            for c in r:
                if c not in art["colors"]:
                    raise SystemExit(f"{path}: image {n} uses undefined character {c!r}")
    return art


def write_bmp(art, out):
    width, height = art["size"]
    total = width * len(art["images"])
    stride = (total * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for image in art["images"]:
            for c in image[y]:
                r, g, b = art["colors"][c]
                row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        pixels += row
    header = struct.pack("<IiiHHIIiiII", 40, total, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    out.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)))
    out.write(header + pixels)


def mask_rows(width, height, bit):
    """Packs a 1-bit-per-pixel mask, bottom-up, rows padded to 32 bits."""
    data = bytearray()
    stride = ((width + 31) // 32) * 4
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if bit(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        data += row
    return data


def write_cur(art, out):
    width, height = art["size"]
    image = art["images"][0]
    t = art["transparent"]

    def white(x, y):
        r, g, b = art["colors"][image[y][x]]
        return image[y][x] != t and r + g + b > 382

    xor = mask_rows(width, height, white)
    and_ = mask_rows(width, height, lambda x, y: image[y][x] == t)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 1, 0, len(xor) + len(and_), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    body = header + palette + xor + and_
    hx, hy = art["hotspot"]
    out.write(struct.pack("<HHH", 0, 2, 1))
    out.write(struct.pack("<BBBBHHII", width, height, 2, 0, hx, hy, len(body), 22))
    out.write(body)


def write_ico(art, out):
    width, height = art["size"]
    image = art["images"][0]
    t = art["transparent"]
    pixels = bytearray()
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = art["colors"][image[y][x]]
            pixels += bytes((b, g, r, 0 if image[y][x] == t else 255))
    and_ = mask_rows(width, height, lambda x, y: image[y][x] == t)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(pixels) + len(and_), 0, 0, 0, 0)
    body = header + pixels + and_
    out.write(struct.pack("<HHH", 0, 1, 1))
    out.write(struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(body), 22))
    out.write(body)


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: pixelart.py INPUT.txt OUTPUT.(bmp|cur|ico)")
    art = parse(sys.argv[1])
    writers = {"bmp": write_bmp, "cur": write_cur, "ico": write_ico}
    kind = sys.argv[2].rsplit(".", 1)[-1].lower()
    with open(sys.argv[2], "wb") as out:
        writers[kind](art, out)


if __name__ == "__main__":
    main()
