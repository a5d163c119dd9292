#!/usr/bin/env python3
"""Writes the textures of the sample gliders (sample/gliders/<Name>/*.raw).

A texture is 256 x 256 RGB without header: 196,608 bytes, row 0 first, texel (u, v)
(column u, row v) at byte 3 * (256 * v + u). The drawing multiplies texel and part
colour, so the images are mostly light and carry markings that show the mapping:

  wing and stabiliser  columns across the span: 0 the side +1 tip, 128 the root,
                       255 the side -1 tip; rows 0-127 the upper surface from the
                       leading to the trailing edge, rows 128-255 the lower surface
  fin                  the same rule on side -1 only: column 128 the root, 255 the tip
  body                 columns around the ring: 0 the side +1 flank at mid-height,
                       64 the top, 128 the side -1 flank, 192 the bottom; rows along
                       the body, row 0 the first section, 255 the last, evenly by
                       section index

Everything is drawn here from rectangles, a 5 x 7 pixel font and a seeded
pseudo-random wood grain, so the files come out the same on every run.

Run from anywhere: python3 scripts/make-sample-textures.py
"""

import math
import os
import random

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GLIDERS = os.path.join(ROOT, "sample", "gliders")
SIZE = 256

FONT = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "-": ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
}


class Image:
    def __init__(self, rgb):
        self.px = bytearray(bytes(rgb) * (SIZE * SIZE))

    def set(self, u, v, rgb):
        if 0 <= u < SIZE and 0 <= v < SIZE:
            i = 3 * (SIZE * v + u)
            self.px[i:i + 3] = bytes(rgb)

    def get(self, u, v):
        i = 3 * (SIZE * v + u)
        return tuple(self.px[i:i + 3])

    def rect(self, u0, v0, u1, v1, rgb):
        """Fills columns u0..u1 and rows v0..v1, inclusive."""
        for v in range(max(v0, 0), min(v1, SIZE - 1) + 1):
            for u in range(max(u0, 0), min(u1, SIZE - 1) + 1):
                self.set(u, v, rgb)

    def text(self, s, u0, v0, along, down, rgb):
        """Stamps text. A font pixel (gx, gy) of the n-th glyph covers the texels
        origin + (6 n + gx) * along + gy * down, where along and down are
        (du, dv, width, height) steps: the direction in texels and the size of
        one font pixel in columns and rows."""
        adu, adv = along
        ddu, ddv = down
        for n, ch in enumerate(s):
            rows = FONT[ch]
            for gy, line in enumerate(rows):
                for gx, bit in enumerate(line):
                    if bit != "1":
                        continue
                    k = 6 * n + gx
                    u = u0 + k * adu + gy * ddu
                    v = v0 + k * adv + gy * ddv
                    su = max(abs(adu), abs(ddu))
                    sv = max(abs(adv), abs(ddv))
                    self.rect(u, v, u + su - 1, v + sv - 1, rgb)

    def save(self, path):
        assert len(self.px) == 196608
        with open(path, "wb") as f:
            f.write(self.px)


def both_surfaces(fn):
    """Runs fn(row offset) for the upper (0) and the lower (128) surface."""
    fn(0)
    fn(128)


def span_col(y, half_span):
    """Column of a spanwise station y (side +1 positive) on a surface pair."""
    return int(round((half_span - y) / (2 * half_span) * 255))


# ---------------------------------------------------------------------------------------
# Pipit: red fuselage and tail, ivory wing with red bands at the polyhedral joints

PIPIT_RED = (200, 30, 26)
WHITE = (250, 250, 250)
GREY = (190, 192, 198)
CANOPY = (60, 74, 96)
GLINT = (150, 165, 185)


def section_row(index, count):
    """Row of body section `index` of `count` (rows spread evenly by section index)."""
    return int(round(index * 255 / (count - 1)))


def canopy(img, first, last, count, glint=True):
    """A canopy over the top of the ring (columns 30 to 98) from section first to last."""
    v0, v1 = section_row(first, count), section_row(last, count)
    img.rect(30, v0, 98, v1, CANOPY)
    if glint:
        img.rect(52, v0 + 5, 58, v1 - 5, GLINT)


def pipit():
    out = {}
    w = Image(WHITE)
    joint_in, joint_out = span_col(0.6, 0.99), span_col(-0.6, 0.99)
    for u in (joint_in, joint_out):
        w.rect(u - 3, 0, u + 3, 255, PIPIT_RED)
    w.rect(0, 0, 5, 255, PIPIT_RED)
    w.rect(250, 0, 255, 255, PIPIT_RED)
    w.text("PIPIT", 110, 150, (-2, 0), (0, 12), PIPIT_RED)
    w.text("12", 170, 24, (3, 0), (0, 12), PIPIT_RED)
    out["wing.raw"] = w

    s = Image(WHITE)
    both_surfaces(lambda off: s.rect(0, off + 84, 255, off + 84, GREY))   # elevator hinge
    out["stab.raw"] = s

    f = Image(WHITE)
    both_surfaces(lambda off: f.rect(128, off + 80, 255, off + 80, GREY))  # rudder hinge
    f.text("12", 200, 24, (0, 6), (-7, 0), (40, 40, 40))
    f.text("12", 200, 232, (0, -6), (-7, 0), (40, 40, 40))
    out["fin.raw"] = f

    b = Image(WHITE)
    canopy(b, 1, 3, 8)
    b.rect(0, 0, 255, 6, (40, 40, 40))       # black nose cap
    out["body.raw"] = b
    return out


# ---------------------------------------------------------------------------------------
# Harle: white with blue tips, flap and aileron hinge lines

BLUE = (30, 70, 170)


def harle():
    out = {}
    w = Image(WHITE)
    for a, b in ((0, 4), (9, 12)):
        w.rect(a, 0, b, 255, BLUE)
        w.rect(255 - b, 0, 255 - a, 255, BLUE)
    flap = (span_col(1.17, 1.8), span_col(-1.17, 1.8))

    def hinges(off):
        # flaps on the two inner panes, ailerons outboard of them
        w.rect(0, off + 100, 255, off + 100, GREY)
        for u in flap:
            w.rect(u, off + 100, u, off + 127, GREY)
    both_surfaces(hinges)
    w.text("HARLE", 110, 150, (-2, 0), (0, 12), BLUE)
    w.text("3", 172, 24, (3, 0), (0, 12), BLUE)
    out["wing.raw"] = w

    s = Image(WHITE)
    s.rect(0, 0, 8, 255, BLUE)
    s.rect(247, 0, 255, 255, BLUE)
    both_surfaces(lambda off: s.rect(0, off + 88, 255, off + 88, GREY))
    out["stab.raw"] = s

    f = Image(WHITE)
    f.rect(236, 0, 255, 255, BLUE)
    both_surfaces(lambda off: f.rect(128, off + 84, 235, off + 84, GREY))
    f.text("H3", 214, 24, (0, 6), (-8, 0), BLUE)
    f.text("H3", 214, 232, (0, -6), (-8, 0), BLUE)
    out["fin.raw"] = f

    b = Image(WHITE)
    canopy(b, 1, 3, 9)
    b.rect(0, 0, 255, 8, BLUE)
    b.rect(8, 100, 12, 255, BLUE)            # cheat lines on both flanks
    b.rect(116, 100, 120, 255, BLUE)
    out["body.raw"] = b
    return out


# ---------------------------------------------------------------------------------------
# Martinet: orange, a dark blue underside and bands to tell up from down on the slope

NAVY = (28, 36, 80)


def martinet():
    out = {}
    w = Image(WHITE)
    w.rect(0, 128, 255, 255, NAVY)           # the whole lower surface
    for u in (span_col(0.3, 0.75), span_col(-0.3, 0.75)):
        w.rect(u - 5, 0, u + 5, 127, NAVY)
    w.rect(0, 0, 4, 127, NAVY)
    w.rect(251, 0, 255, 127, NAVY)
    w.text("MARTINET", 110, 150, (-2, 0), (0, 12), (255, 255, 255))
    both_surfaces(lambda off: w.rect(0, off + 104, 255, off + 104, GREY))   # ailerons
    out["wing.raw"] = w

    s = Image(WHITE)
    s.rect(0, 128, 255, 255, NAVY)
    s.rect(0, 0, 6, 127, NAVY)
    s.rect(249, 0, 255, 127, NAVY)
    both_surfaces(lambda off: s.rect(0, off + 80, 255, off + 80, GREY))     # ruddervators
    out["stab.raw"] = s

    b = Image(WHITE)
    canopy(b, 1, 3, 7)
    b.rect(0, 0, 255, 10, NAVY)
    b.rect(160, 0, 224, 255, NAVY)           # dark belly, columns 160 to 224 round the bottom
    out["body.raw"] = b
    return out


# ---------------------------------------------------------------------------------------
# Mouette: doped fabric over ribs, plywood leading edge, varnished wooden fuselage

FABRIC = (246, 240, 226)
RIB = (214, 204, 184)
PLY = (228, 206, 166)
DARKRED = (150, 40, 35)


def fabric_surface(ribs_every, ply_rows, hinge_row, hinge_cols):
    img = Image(FABRIC)

    def surface(off):
        img.rect(0, off, 255, off + ply_rows, PLY)
        for u in range(ribs_every // 2, SIZE, ribs_every):
            img.rect(u, off + ply_rows + 1, u, off + 127, RIB)
        for a, b in hinge_cols:
            img.rect(a, off + hinge_row, b, off + hinge_row, RIB)
    both_surfaces(surface)
    return img


def wood_grain(seed):
    """Planks run along the body: the shade changes around the ring and slowly along it."""
    rnd = random.Random(seed)
    b = Image(WHITE)
    shade = [rnd.randint(205, 250) for _ in range(SIZE)]
    for u in range(SIZE):
        phase = rnd.random() * 6.283
        for v in range(SIZE):
            lum = shade[u] - 14 * (0.5 + 0.5 * math.sin(phase + v * 0.09))
            lum = int(max(170, min(255, lum)))
            b.set(u, v, (lum, lum, lum))
    for u in range(0, SIZE, 16):
        b.rect(u, 0, u, 255, (150, 150, 150))    # plank seams
    return b


def mouette():
    out = {}
    c_in, c_out = span_col(1.15, 1.74), span_col(-1.15, 1.74)
    w = fabric_surface(8, 26, 96, ((0, c_in), (c_out, 255)))
    w.text("MOUETTE", 110, 150, (-2, 0), (0, 12), DARKRED)
    out["wing.raw"] = w

    out["stab.raw"] = fabric_surface(12, 22, 86, ((0, 255),))

    f = fabric_surface(12, 22, 74, ((128, 255),))
    f.rect(226, 0, 255, 255, DARKRED)
    out["fin.raw"] = f

    b = wood_grain(1932)
    # open cockpit ahead of the wing: sections 1 to 3 of 10
    v0, v1 = section_row(1, 10), section_row(3, 10)
    b.rect(44, v0 + 2, 84, v1 - 2, (40, 34, 30))
    b.rect(40, v0, 88, v0 + 1, (120, 80, 50))
    b.rect(40, v1 - 1, 88, v1, (120, 80, 50))
    # name on both flanks, upright: on side +1 the nose is to the viewer's left and the
    # columns rise towards the top (64); on side -1 the nose is to the right and the
    # columns fall towards the top
    b.text("MOUETTE", 24, 100, (0, 3), (-3, 0), DARKRED)
    b.text("MOUETTE", 104, 226, (0, -3), (3, 0), DARKRED)
    out["body.raw"] = b
    return out


def main():
    for name, make in (("Pipit", pipit), ("Harle", harle), ("Martinet", martinet),
                       ("Mouette", mouette)):
        d = os.path.join(GLIDERS, name)
        os.makedirs(d, exist_ok=True)
        for fname, img in make().items():
            img.save(os.path.join(d, fname))
            print(os.path.join("sample", "gliders", name, fname))


if __name__ == "__main__":
    main()
