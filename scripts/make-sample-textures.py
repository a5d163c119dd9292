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
# Ariel15: white with red markings

RED = (215, 40, 40)
GREY = (195, 198, 205)
WHITE = (250, 250, 250)


def ariel():
    out = {}
    w = Image(WHITE)
    # tip bands, the same on both surfaces and both sides
    for a, b in ((2, 6), (10, 13)):
        w.rect(a, 0, b, 255, RED)
        w.rect(255 - b, 0, 255 - a, 255, RED)
    # aileron hinge lines at 78 % of the chord on the outer two panes (4.7 m to 7.5 m)
    c_in, c_out = span_col(4.7, 7.5), span_col(-4.7, 7.5)

    def hinge(off):
        w.rect(0, off + 100, c_in, off + 100, GREY)
        w.rect(c_out, off + 100, 255, off + 100, GREY)
        w.rect(c_in, off + 100, c_in, off + 127, GREY)
        w.rect(c_out, off + 100, c_out, off + 127, GREY)
    both_surfaces(hinge)
    # registration under the side +1 half, competition number on top of the side -1 half
    # with the nose up, rows run towards the tail on both surfaces; columns run to the
    # viewer's right seen from above but to the left seen from below, so the lettering
    # under the wing runs backwards across the columns
    w.text("D-4215", 100, 148, (-2, 0), (0, 12), (40, 40, 60))
    w.text("A1", 176, 20, (3, 0), (0, 12), RED)
    out["wing.raw"] = w

    s = Image(WHITE)
    s.rect(0, 0, 9, 255, RED)
    s.rect(246, 0, 255, 255, RED)
    both_surfaces(lambda off: s.rect(0, off + 90, 255, off + 90, GREY))
    out["stab.raw"] = s

    f = Image(WHITE)
    f.rect(232, 0, 255, 255, RED)          # red top of the fin
    both_surfaces(lambda off: f.rect(128, off + 82, 231, off + 82, GREY))   # rudder hinge
    # competition number, letters upright on the fin: font rows go down the fin
    # rows 0-127 face side +1 (nose to the viewer's left), rows 128-255 face side -1
    # (nose to the right), so the second copy runs backwards
    f.text("A1", 212, 20, (0, 6), (-9, 0), RED)
    f.text("A1", 212, 230, (0, -6), (-9, 0), RED)
    out["fin.raw"] = f

    b = Image(WHITE)
    # canopy over the cockpit: sections 2 to 5 of 14 (rows 39 to 98), around the top
    b.rect(30, 39, 98, 98, (70, 86, 108))
    b.rect(52, 44, 58, 92, (150, 165, 185))    # reflection
    b.rect(0, 0, 255, 7, RED)                  # nose cap
    # cheat line on both flanks from the canopy to the tail
    b.rect(9, 100, 14, 255, RED)
    b.rect(114, 100, 119, 255, RED)
    out["body.raw"] = b
    return out


# ---------------------------------------------------------------------------------------
# Vespa: yellow parts, black wasp bands

BLACK = (30, 30, 30)


def vespa():
    out = {}
    w = Image(WHITE)
    for a in (1, 9, 17):
        w.rect(a, 0, a + 4, 255, BLACK)
        w.rect(255 - a - 4, 0, 255 - a, 255, BLACK)
    c_in, c_out = span_col(3.0, 7.5), span_col(-3.0, 7.5)

    def hinge(off):
        w.rect(0, off + 102, c_in, off + 102, (120, 110, 80))
        w.rect(c_out, off + 102, 255, off + 102, (120, 110, 80))
    both_surfaces(hinge)
    w.text("VS", 176, 20, (3, 0), (0, 12), BLACK)
    w.text("D-KWVS", 100, 148, (-2, 0), (0, 12), BLACK)
    out["wing.raw"] = w

    s = Image(WHITE)
    for a in (1, 9):
        s.rect(a, 0, a + 3, 255, BLACK)
        s.rect(255 - a - 3, 0, 255 - a, 255, BLACK)
    both_surfaces(lambda off: s.rect(0, off + 88, 255, off + 88, (120, 110, 80)))
    out["stab.raw"] = s

    f = Image(WHITE)
    f.rect(200, 0, 255, 255, BLACK)
    out["fin.raw"] = f

    b = Image(WHITE)
    # 13 sections: canopy over sections 2 to 5 (rows 43 to 106)
    b.rect(30, 43, 98, 106, (50, 56, 72))
    b.rect(54, 48, 59, 100, (140, 150, 170))
    b.rect(0, 0, 255, 10, BLACK)
    # bands round the tail boom, sections 8 to 12 (rows 170 to 255)
    for v in range(174, 256, 16):
        b.rect(0, v, 255, v + 7, BLACK)
    out["body.raw"] = b
    return out


# ---------------------------------------------------------------------------------------
# Mirlo: doped fabric over ribs, plywood leading edge, varnished wooden fuselage

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


def mirlo():
    out = {}
    c_in, c_out = span_col(4.5, 6.5), span_col(-4.5, 6.5)
    w = fabric_surface(8, 26, 96, ((0, c_in), (c_out, 255)))
    w.text("MIRLO", 100, 148, (-2, 0), (0, 12), DARKRED)
    out["wing.raw"] = w

    s = fabric_surface(12, 22, 86, ((0, 255),))
    out["stab.raw"] = s

    f = fabric_surface(12, 22, 74, ((128, 255),))
    f.rect(226, 0, 255, 255, DARKRED)
    out["fin.raw"] = f

    rnd = random.Random(1932)
    b = Image(WHITE)
    # wood grain: planks run along the body, so the shade changes around the ring
    # and slowly along it
    shade = [rnd.randint(205, 250) for _ in range(SIZE)]
    for u in range(SIZE):
        phase = rnd.random() * 6.283
        for v in range(SIZE):
            lum = shade[u] - 14 * (0.5 + 0.5 * math.sin(phase + v * 0.09))
            lum = int(max(170, min(255, lum)))
            b.set(u, v, (lum, lum, lum))
    # plank seams every 16 columns
    for u in range(0, SIZE, 16):
        b.rect(u, 0, u, 255, (150, 150, 150))
    # open cockpit in front of the wing: sections 2 to 4 of 12 (rows 46 to 93)
    b.rect(44, 48, 84, 92, (40, 34, 30))
    b.rect(40, 46, 88, 47, (120, 80, 50))
    b.rect(40, 93, 88, 94, (120, 80, 50))
    # name on both flanks, upright: on side +1 the nose is to the viewer's left and the
    # columns rise towards the top (64); on side -1 the nose is to the right and the
    # columns fall towards the top
    b.text("MIRLO", 24, 50, (0, 3), (-3, 0), DARKRED)
    b.text("MIRLO", 104, 138, (0, -3), (3, 0), DARKRED)
    out["body.raw"] = b
    return out


def main():
    for name, make in (("Ariel15", ariel), ("Vespa", vespa), ("Mirlo", mirlo)):
        d = os.path.join(GLIDERS, name)
        os.makedirs(d, exist_ok=True)
        for fname, img in make().items():
            img.save(os.path.join(d, fname))
            print(os.path.join("sample", "gliders", name, fname))


if __name__ == "__main__":
    main()
