#!/usr/bin/env python3
"""Writes the glider files of the sample simulator directory (sample/gliders/<Name>/<Name>.gli).

The files are laid out byte for byte as the editor's writer lays them out, so that
loading one and saving it again gives the same bytes: CR LF line ends, the 16-line
header, padded key texts, numbers printed with "%.6g" from their single-precision
value, angles in degrees, [main] weight the single-precision sum of the component
weights, texture values "<Name>\\<file>.raw".

The centre of gravity and the moments of inertia are not typed in: they come from a
point-mass model of the components whose weights the file carries (see mass_model).

Run from anywhere: python3 scripts/make-sample-gliders.py   (then make-sample-textures.py)
"""

import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GLIDERS = os.path.join(ROOT, "sample", "gliders")
CRLF = "\r\n"
DEG2RAD = 0.01745329252
RAD2DEG = 57.29577951


def f32(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def g(x):
    """A real value as the writer prints it: %.6g of the single-precision value."""
    return "%.6g" % f32(x)


def g_angle(deg):
    """An angle written in degrees after a read into single-precision radians."""
    text = g(deg)
    rad = f32(float(text) * DEG2RAD)
    back = [("%.6g" % (rad * RAD2DEG)), ("%.6g" % f32(rad * RAD2DEG))]
    rad2 = f32(f32(float(text)) * DEG2RAD)
    back += [("%.6g" % (rad2 * RAD2DEG)), ("%.6g" % f32(rad2 * RAD2DEG))]
    assert all(b == text for b in back), (deg, text, back)
    return text


def check_exact(x):
    """Values must survive the single-precision round trip unchanged."""
    text = g(x)
    assert g(float(text)) == text, x
    return text


# ---------------------------------------------------------------------------------------
# The gliders. Pane tuples: (env, c1, c2, fleche, diedre in degrees, colour, throw up,
# throw down). Fin panes have no dihedral (the reader sets 90 degrees): diedre None.
# Positions and body sections are in the file frame: x grows towards the tail, the nose
# is at x = 0; a body section is (x, z of the ellipse bottom, height, width).

WHITE = (0.97, 0.97, 0.95)
YELLOW = (1.0, 0.84, 0.22)
CREAM = (0.96, 0.9, 0.72)

ARIEL = {
    "name": "Ariel15",
    "about": "15 m single-seater, T-tail, four-pane tapered wing",
    "wing": {
        "position": (2.15, 0.0, 0.62), "weight": 90.0, "foil": "kw3516.txt",
        "calage": 1.5, "texture": "wing.raw",
        "panes": [
            (2.4, 0.95, 0.85, 0.025, 2.0, WHITE, 0.0, 0.0),
            (2.3, 0.85, 0.7, 0.04, 2.5, WHITE, 0.0, 0.0),
            (1.9, 0.7, 0.5, 0.05, 3.5, WHITE, 0.12, 0.07),
            (0.9, 0.5, 0.33, 0.045, 6.0, WHITE, 0.1, 0.06),
        ],
    },
    "hstab": {
        "position": (6.0, 0.0, 1.67), "weight": 4.0, "foil": "kw0009.txt",
        "calage": -1.0, "texture": "stab.raw",
        "panes": [
            (0.9, 0.58, 0.45, 0.06, 0.0, WHITE, 0.12, 0.09),
            (0.42, 0.45, 0.28, 0.08, 0.0, WHITE, 0.09, 0.07),
        ],
    },
    "vstab": {
        "position": (5.55, 0.0, 0.56), "weight": 5.0, "foil": "kw0009.txt",
        "texture": "fin.raw",
        "panes": [
            (0.75, 0.95, 0.75, 0.3, None, WHITE, 0.25, 0.25),
            (0.35, 0.75, 0.62, 0.16, None, WHITE, 0.2, 0.2),
        ],
    },
    "body": {
        "color": (0.97, 0.97, 0.97), "weight": 110.0, "texture": "body.raw",
        "cockpit": (1.2, 0.35),
        "sections": [
            (0.0, 0.3, 0.08, 0.06),
            (0.15, 0.17, 0.36, 0.32),
            (0.45, 0.07, 0.6, 0.5),
            (0.9, 0.02, 0.76, 0.6),
            (1.4, 0.0, 0.82, 0.62),
            (1.9, 0.0, 0.8, 0.6),
            (2.4, 0.04, 0.7, 0.54),
            (2.9, 0.12, 0.56, 0.42),
            (3.5, 0.24, 0.4, 0.3),
            (4.2, 0.33, 0.28, 0.22),
            (5.0, 0.39, 0.22, 0.17),
            (5.8, 0.42, 0.18, 0.14),
            (6.4, 0.44, 0.15, 0.12),
            (6.6, 0.46, 0.1, 0.08),
        ],
    },
}

VESPA = {
    "name": "Vespa",
    "about": "15 m single-seater with a V-tail (stabiliser halves at 40 degrees dihedral) "
             "and a tiny dorsal fin",
    "wing": {
        "position": (2.0, 0.0, 0.5), "weight": 85.0, "foil": "kw3013.txt",
        "calage": 1.0, "texture": "wing.raw",
        "panes": [
            (3.0, 0.88, 0.78, 0.02, 2.5, YELLOW, 0.0, 0.0),
            (3.0, 0.78, 0.55, 0.06, 3.0, YELLOW, 0.1, 0.06),
            (1.5, 0.55, 0.32, 0.06, 5.5, YELLOW, 0.09, 0.05),
        ],
    },
    "hstab": {
        "position": (5.45, 0.0, 0.47), "weight": 5.0, "foil": "kw0009.txt",
        "calage": -1.5, "texture": "stab.raw",
        "panes": [
            (0.85, 0.62, 0.46, 0.14, 40.0, YELLOW, 0.1, 0.08),
            (0.4, 0.46, 0.3, 0.12, 40.0, YELLOW, 0.08, 0.06),
        ],
    },
    "vstab": {
        "position": (5.0, 0.0, 0.5), "weight": 0.5, "foil": "kw0009.txt",
        "texture": "fin.raw",
        "panes": [
            (0.12, 0.5, 0.42, 0.08, None, YELLOW, 0.0, 0.0),
        ],
    },
    "body": {
        "color": (1.0, 0.86, 0.3), "weight": 105.0, "texture": "body.raw",
        "cockpit": (1.15, 0.35),
        "sections": [
            (0.0, 0.33, 0.06, 0.05),
            (0.12, 0.2, 0.32, 0.28),
            (0.4, 0.09, 0.56, 0.46),
            (0.85, 0.03, 0.74, 0.58),
            (1.35, 0.0, 0.8, 0.61),
            (1.85, 0.02, 0.76, 0.58),
            (2.35, 0.1, 0.6, 0.46),
            (2.85, 0.24, 0.34, 0.26),
            (3.4, 0.32, 0.2, 0.17),
            (4.2, 0.35, 0.16, 0.14),
            (5.0, 0.37, 0.14, 0.12),
            (5.6, 0.38, 0.13, 0.11),
            (6.1, 0.4, 0.09, 0.08),
        ],
    },
}

MIRLO = {
    "name": "Mirlo",
    "about": "13 m vintage wooden glider, gull wing, fabric covering, conventional tail",
    "wing": {
        "position": (1.9, 0.0, 0.83), "weight": 60.0, "foil": "kw4515.txt",
        "calage": 3.0, "texture": "wing.raw",
        "panes": [
            (1.3, 1.45, 1.45, 0.0, 10.0, CREAM, 0.0, 0.0),
            (3.2, 1.45, 1.2, 0.08, 1.5, CREAM, 0.0, 0.0),
            (1.5, 1.2, 0.8, 0.15, 1.5, CREAM, 0.2, 0.12),
            (0.5, 0.8, 0.3, 0.3, 2.0, CREAM, 0.12, 0.08),
        ],
    },
    "hstab": {
        "position": (5.2, 0.0, 0.6), "weight": 4.0, "foil": "kw0009.txt",
        "calage": 0.0, "texture": "stab.raw",
        "panes": [
            (1.0, 0.75, 0.6, 0.05, 0.0, CREAM, 0.15, 0.12),
            (0.5, 0.6, 0.35, 0.12, 0.0, CREAM, 0.12, 0.1),
        ],
    },
    "vstab": {
        "position": (5.0, 0.0, 0.58), "weight": 3.0, "foil": "kw0009.txt",
        "texture": "fin.raw",
        "panes": [
            (0.7, 1.0, 0.8, 0.35, None, CREAM, 0.3, 0.3),
            (0.35, 0.8, 0.5, 0.3, None, CREAM, 0.25, 0.25),
        ],
    },
    "body": {
        "color": (0.92, 0.74, 0.5), "weight": 75.0, "texture": "body.raw",
        "cockpit": (0.95, 0.3),
        "sections": [
            (0.0, 0.3, 0.1, 0.08),
            (0.2, 0.12, 0.46, 0.38),
            (0.6, 0.03, 0.7, 0.52),
            (1.1, 0.0, 0.82, 0.56),
            (1.6, 0.0, 0.86, 0.56),
            (2.1, 0.03, 0.82, 0.52),
            (2.7, 0.1, 0.72, 0.42),
            (3.4, 0.2, 0.56, 0.32),
            (4.2, 0.3, 0.34, 0.22),
            (5.0, 0.36, 0.26, 0.16),
            (5.7, 0.4, 0.21, 0.12),
            (6.2, 0.42, 0.16, 0.08),
        ],
    },
}

ALL = [ARIEL, VESPA, MIRLO]


# ---------------------------------------------------------------------------------------
# Geometry: the pane chain of the model, in the model frame (x forward).

def pane_chain(surface, side, fin=False):
    """Root leading-edge points of each pane and the tip of the last, model frame."""
    px, py, pz = surface["position"]
    pts = [(-px, side * py, pz)]
    for env, c1, c2, fl, dd, *_ in surface["panes"]:
        d = math.pi / 2 if fin else math.radians(dd)
        x, y, z = pts[-1]
        pts.append((x - fl, y + side * env * math.cos(d), z + env * math.sin(d)))
    return pts


def strips(surface, side, fin=False, n=10):
    """Point masses (weight share, x, y, z, chord) along a surface half, model frame."""
    roots = pane_chain(surface, side, fin)
    out = []
    area = sum((p[1] + p[2]) / 2 * p[0] for p in surface["panes"])
    for (env, c1, c2, fl, dd, *_), (x0, y0, z0), (x1, y1, z1) in zip(
            surface["panes"], roots, roots[1:]):
        for i in range(n):
            f = (i + 0.5) / n
            c = c1 + (c2 - c1) * f
            a = c * env / n
            x = x0 + (x1 - x0) * f - 0.42 * c
            out.append((surface["weight"] * a / area, x,
                        y0 + (y1 - y0) * f, z0 + (z1 - z0) * f))
    return out


def mass_model(gl):
    """Centre of gravity (file frame) and inertia about it (model frame).

    Wing, stabiliser and fin halves: their weight spread over 10 strips per pane in
    proportion to the strip area, each strip at 42 % of its chord. Body: 40 % of its
    weight at the cockpit (seat, instruments, canopy), 60 % as thin elliptic rings over
    the section intervals in proportion to their perimeter times length.
    """
    pts = []  # (m, x, y, z, ring radius)
    for side in (-1, 1):
        pts += [p + (0.0,) for p in strips(gl["wing"], side)]
        pts += [p + (0.0,) for p in strips(gl["hstab"], side)]
    pts += [p + (0.0,) for p in strips(gl["vstab"], -1, fin=True)]
    body = gl["body"]
    cx, cz = body["cockpit"]
    pts.append((0.4 * body["weight"], -cx, 0.0, cz, 0.0))
    segs = []
    for (xa, za, ha, la), (xb, zb, hb, lb) in zip(body["sections"], body["sections"][1:]):
        h = (ha + hb) / 2
        l = (la + lb) / 2
        per = math.pi * (h + l) / 2
        segs.append((per * (xb - xa), -(xa + xb) / 2, 0.0,
                     (za + ha / 2 + zb + hb / 2) / 2, (h + l) / 4))
    tot = sum(s[0] for s in segs)
    pts += [(0.6 * body["weight"] * s[0] / tot,) + s[1:] for s in segs]
    m = sum(p[0] for p in pts)
    gx = sum(p[0] * p[1] for p in pts) / m
    gy = sum(p[0] * p[2] for p in pts) / m
    gz = sum(p[0] * p[3] for p in pts) / m
    ixx = iyy = izz = ixz = 0.0
    for w, x, y, z, r in pts:
        x, y, z = x - gx, y - gy, z - gz
        ixx += w * (y * y + z * z + r * r)
        iyy += w * (x * x + z * z + r * r / 2)
        izz += w * (x * x + y * y + r * r / 2)
        ixz += w * x * z
    return (-gx, gy, gz), (ixx, iyy, izz, ixz)


def round_sig(x, n=3):
    if x == 0:
        return 0.0
    return round(x, n - 1 - int(math.floor(math.log10(abs(x)))))


# ---------------------------------------------------------------------------------------
# The writer's layout.

HEADER = [
    "//",
    "// File generated with Vantair Editor",
    "//",
    "// Vantair sailplanes definition",
    "// Made with kesh by Corvel Works",
    "//",
    "// You are greatly encouraged to make your own",
    "// sailplane definition files. And publish them",
    "// to the Vantair web site",
    "//",
    "// Remarks :",
    "// All distances are meters",
    "// All angles degres",
    "//",
    "",
    "",
]


def kv(key, value):
    for bad in ('"', "//", "["):
        assert bad not in value, (key, value)
    return '%s "%s"' % (key, value)


def texture_value(gl, tex):
    return gl["name"] + "\\" + tex if tex else ""


def surface_lines(gl, section, fin):
    s = gl[section]
    out = ["[%s]" % section, ""]
    out.append(kv("position.x =", check_exact(s["position"][0])))
    out.append(kv("position.y =", check_exact(s["position"][1])))
    out.append(kv("position.z =", check_exact(s["position"][2])))
    out.append(kv("weight     =", check_exact(s["weight"])))
    out.append(kv("foil.filename =", s["foil"]))
    if not fin:
        out.append(kv("calage  =", g_angle(s["calage"])))
    out.append(kv("npart   =", "%d" % len(s["panes"])))
    out.append(kv("texture =", texture_value(gl, s.get("texture", ""))))
    out.append("")
    for n, (env, c1, c2, fl, dd, col, up, down) in enumerate(s["panes"], 1):
        p = "pane%d" % n
        out.append(kv(p + ".env        =", check_exact(env)))
        out.append(kv(p + ".cord.c1    =", check_exact(c1)))
        out.append(kv(p + ".cord.c2    =", check_exact(c2)))
        out.append(kv(p + ".fleche     =", check_exact(fl)))
        if not fin:
            out.append(kv(p + ".diedre     =", g_angle(dd)))
        out.append(kv(p + ".color.r    =", check_exact(col[0])))
        out.append(kv(p + ".color.g    =", check_exact(col[1])))
        out.append(kv(p + ".color.b    =", check_exact(col[2])))
        out.append(kv(p + ".throw.up\t=", check_exact(up)))
        out.append(kv(p + ".throw.down\t=", check_exact(down)))
    out.append("")
    return out


def total_weight(gl):
    w = f32(gl["body"]["weight"])
    for part in ("wing", "wing", "hstab", "hstab", "vstab"):
        w = f32(w + f32(gl[part]["weight"]))
    return w


def glider_text(gl):
    (cgx, cgy, cgz), inertia = mass_model(gl)
    gl["centrum"] = (round(cgx, 3) + 0.0, round(cgy, 3) + 0.0, round(cgz, 3) + 0.0)
    gl["inertia"] = tuple(round_sig(v) for v in inertia)
    out = list(HEADER)
    out += ["[main]", ""]
    out += [kv("name =", gl["name"]), ""]
    out += [kv("weight =", "%.6g" % total_weight(gl)), ""]
    out.append(kv("centrum.x =", check_exact(gl["centrum"][0])))
    out.append(kv("centrum.y =", check_exact(gl["centrum"][1])))
    out.append(kv("centrum.z =", check_exact(gl["centrum"][2])))
    out.append("")
    for key, v in zip(("I.xx =", "I.yy =", "I.zz =", "I.xz ="), gl["inertia"]):
        out.append(kv(key, "%.6g" % v))
    out.append("")
    out += surface_lines(gl, "wing", False)
    out += surface_lines(gl, "hstab", False)
    out += surface_lines(gl, "vstab", True)
    b = gl["body"]
    out += ["[body]", ""]
    out.append(kv("color.r =", check_exact(b["color"][0])))
    out.append(kv("color.g =", check_exact(b["color"][1])))
    out.append(kv("color.b =", check_exact(b["color"][2])))
    out.append(kv("weight     =", check_exact(b["weight"])))
    out.append(kv("texture =", texture_value(gl, b.get("texture", ""))))
    out.append("")
    out.append("// x z h l position and size of elliptic sections")
    out.append("// Warning separator fields is a TAB")
    out.append("")
    rows = ["\t".join(check_exact(v) for v in sec) for sec in b["sections"]]
    out.append('coord ="' + "".join(CRLF + r for r in rows) + '"')
    out.append("")
    return CRLF.join(out) + CRLF


# ---------------------------------------------------------------------------------------

def report(gl):
    w = gl["wing"]
    half_area = sum((c1 + c2) / 2 * env for env, c1, c2, *_ in w["panes"])
    span = 2 * sum(p[0] for p in w["panes"])
    tw = total_weight(gl)
    print("%s: span %.2f m, wing area %.3f m2, aspect ratio %.1f, total weight %g kg, "
          "wing loading %.1f kg/m2" % (gl["name"], span, 2 * half_area,
                                       span * span / (2 * half_area), tw, tw / (2 * half_area)))
    print("   centrum (file) %s   inertia %s" % (gl["centrum"], gl["inertia"]))
    root_le = w["position"][0]
    mac_x = gl["centrum"][0] - root_le
    print("   centre of gravity %.3f m behind the wing root leading edge (%.0f %% of root chord)"
          % (mac_x, 100 * mac_x / w["panes"][0][1]))
    for part, fin in (("wing", False), ("hstab", False), ("vstab", True)):
        tips = pane_chain(gl[part], -1, fin)
        print("   %-5s side -1 pane roots (model x, y, z): %s" % (
            part, "  ".join("(%.2f %.2f %.2f)" % p for p in tips)))


def main():
    for gl in ALL:
        d = os.path.join(GLIDERS, gl["name"])
        os.makedirs(d, exist_ok=True)
        text = glider_text(gl)
        with open(os.path.join(d, gl["name"] + ".gli"), "wb") as f:
            f.write(text.encode("ascii"))
        report(gl)


if __name__ == "__main__":
    main()
