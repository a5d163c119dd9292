#!/usr/bin/env python3
"""Writes the glider files of the sample simulator directory (sample/gliders/<Name>/<Name>.gli).

Four model sailplanes at the simulator's own scale:

  Pipit     2 m polyhedral thermal trainer, rudder and elevator only
  Harle     3.6 m competition thermal glider, four tapered panes a side, T-tail
  Martinet  1.5 m slope glider, V-tail (the stabiliser's 35 degree dihedral), no fin
  Mouette   3.5 m scale vintage glider, gull wing, wooden structure

The files are laid out byte for byte as the editor's writer lays them out, so that
loading one and saving it again gives the same bytes: CR LF line ends, the 16-line
header, padded key texts, numbers printed with "%.6g" from their single-precision
value, angles in degrees, [main] weight the single-precision sum of the component
weights, texture values "<Name>\\<file>.raw".

Nothing in [main] is typed in:
  - every component weight is the editor's weight estimate (the "E" button) for the
    construction named in the glider's table, from the area of one surface half or the
    body length, rounded to the gram;
  - the centre of gravity and the moments of inertia are the flight analysis' estimate
    (`kesh-tool analyse`) from those weights, each surface's weight spread uniformly
    over its planform and the body's over its skin, rounded to the millimetre and to
    three significant digits;
  - the wing's position along the body was chosen so that this centre of gravity lies
    9 to 12 % of the mean chord ahead of the neutral point; the script refuses to
    write a glider whose static margin falls outside 5 to 20 %.

The sample airfoils must exist (make-sample-airfoils.py) and kesh-tool be built.

Run from anywhere: python3 scripts/make-sample-gliders.py [path to kesh-tool]
(then make-sample-textures.py)
"""

import json
import math
import os
import struct
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLE = os.path.join(ROOT, "sample")
GLIDERS = os.path.join(SAMPLE, "gliders")
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
# "build" names the weight estimator's construction of wing, stabiliser, fin and body.

STRUCTURE, SHELL, SOLID = 1, 2, 4   # "Struture", "Coffrage" (body: "Fibre"), "Bois Plein"

IVORY = (0.98, 0.97, 0.92)
RED = (0.86, 0.16, 0.13)
WHITE = (0.97, 0.97, 0.97)
PEARL = (0.84, 0.87, 0.92)
ORANGE = (1.0, 0.55, 0.12)
CREAM = (0.96, 0.9, 0.74)
VARNISH = (0.88, 0.66, 0.4)

PIPIT = {
    "name": "Pipit",
    "about": "2 m polyhedral thermal trainer, rudder and elevator",
    "build": (STRUCTURE, STRUCTURE, STRUCTURE, SHELL),
    "wing": {
        "position": (0.4, 0.0, 0.095), "foil": "pipit.txt", "calage": 2.0,
        "texture": "wing.raw",
        "panes": [
            (0.6, 0.22, 0.22, 0.0, 2.0, IVORY, 0.0, 0.0),
            (0.4, 0.22, 0.15, 0.035, 12.0, IVORY, 0.0, 0.0),
        ],
    },
    "hstab": {
        "position": (0.93, 0.0, 0.06), "foil": "tail8.txt", "calage": 0.0,
        "texture": "stab.raw",
        "panes": [(0.26, 0.125, 0.085, 0.025, 0.0, RED, 0.03, 0.025)],
    },
    "vstab": {
        "position": (0.83, 0.0, 0.06), "foil": "tail8.txt", "texture": "fin.raw",
        "panes": [(0.2, 0.19, 0.11, 0.09, None, RED, 0.05, 0.05)],
    },
    "body": {
        "color": RED, "texture": "body.raw",
        "sections": [
            (0.0, 0.03, 0.04, 0.035),
            (0.04, 0.01, 0.08, 0.065),
            (0.12, 0.0, 0.105, 0.08),
            (0.28, 0.0, 0.11, 0.08),
            (0.4, 0.015, 0.09, 0.07),
            (0.52, 0.035, 0.065, 0.05),
            (0.64, 0.045, 0.03, 0.026),
            (1.0, 0.048, 0.017, 0.015),
        ],
    },
}

HARLE = {
    "name": "Harle",
    "about": "3.6 m competition thermal glider, four tapered panes a side, T-tail",
    "build": (SHELL, SHELL, SHELL, SHELL),
    "wing": {
        "position": (0.555, 0.0, 0.07), "foil": "harle.txt", "calage": 1.5,
        "texture": "wing.raw",
        "panes": [
            (0.62, 0.26, 0.25, 0.005, 1.5, WHITE, 0.02, 0.04),
            (0.55, 0.25, 0.225, 0.012, 2.5, WHITE, 0.02, 0.035),
            (0.42, 0.225, 0.17, 0.03, 4.5, WHITE, 0.035, 0.02),
            (0.21, 0.17, 0.1, 0.05, 8.0, WHITE, 0.03, 0.015),
        ],
    },
    "hstab": {
        "position": (1.52, 0.0, 0.3), "foil": "tail8.txt", "calage": -0.5,
        "texture": "stab.raw",
        "panes": [(0.34, 0.14, 0.09, 0.035, 0.0, WHITE, 0.035, 0.03)],
    },
    "vstab": {
        "position": (1.38, 0.0, 0.06), "foil": "tail8.txt", "texture": "fin.raw",
        "panes": [(0.24, 0.21, 0.15, 0.12, None, WHITE, 0.05, 0.05)],
    },
    "body": {
        "color": PEARL, "texture": "body.raw",
        "sections": [
            (0.0, 0.035, 0.04, 0.035),
            (0.05, 0.01, 0.09, 0.07),
            (0.15, 0.0, 0.125, 0.09),
            (0.4, 0.0, 0.125, 0.09),
            (0.56, 0.015, 0.09, 0.07),
            (0.7, 0.035, 0.045, 0.038),
            (1.0, 0.045, 0.03, 0.026),
            (1.4, 0.05, 0.022, 0.02),
            (1.58, 0.055, 0.015, 0.013),
        ],
    },
}

MARTINET = {
    "name": "Martinet",
    "about": "1.5 m slope glider, V-tail drawn by the stabiliser's 35 degree dihedral",
    "build": (SHELL, SHELL, SHELL, SHELL),
    "wing": {
        "position": (0.44, 0.0, 0.05), "foil": "martinet.txt", "calage": 1.0,
        "texture": "wing.raw",
        "panes": [
            (0.45, 0.22, 0.2, 0.01, 2.0, ORANGE, 0.025, 0.02),
            (0.3, 0.2, 0.14, 0.03, 3.0, ORANGE, 0.025, 0.02),
        ],
    },
    "hstab": {
        "position": (0.92, 0.0, 0.055), "foil": "tail8.txt", "calage": 0.0,
        "texture": "stab.raw",
        "panes": [(0.28, 0.15, 0.09, 0.05, 35.0, ORANGE, 0.035, 0.035)],
    },
    "vstab": {
        "position": (0.92, 0.0, 0.055), "foil": "tail8.txt", "texture": "", "panes": [],
    },
    "body": {
        "color": ORANGE, "texture": "body.raw",
        "sections": [
            (0.0, 0.03, 0.03, 0.03),
            (0.04, 0.008, 0.07, 0.06),
            (0.12, 0.0, 0.09, 0.075),
            (0.36, 0.0, 0.09, 0.07),
            (0.48, 0.012, 0.06, 0.05),
            (0.58, 0.03, 0.028, 0.025),
            (0.99, 0.045, 0.014, 0.013),
        ],
    },
}

MOUETTE = {
    "name": "Mouette",
    "about": "3.5 m scale vintage glider, gull wing, wooden structure and fabric",
    "build": (STRUCTURE, SOLID, SOLID, STRUCTURE),
    "wing": {
        "position": (0.7, 0.0, 0.16), "foil": "mouette.txt", "calage": 3.0,
        "texture": "wing.raw",
        "panes": [
            (0.4, 0.32, 0.31, 0.0, 11.0, CREAM, 0.0, 0.0),
            (0.75, 0.31, 0.27, 0.01, 1.0, CREAM, 0.0, 0.0),
            (0.45, 0.27, 0.19, 0.03, 1.5, CREAM, 0.04, 0.025),
            (0.15, 0.19, 0.1, 0.06, 2.0, CREAM, 0.03, 0.02),
        ],
    },
    "hstab": {
        "position": (1.62, 0.0, 0.1), "foil": "tail10.txt", "calage": 0.0,
        "texture": "stab.raw",
        "panes": [
            (0.24, 0.18, 0.16, 0.01, 0.0, CREAM, 0.05, 0.04),
            (0.14, 0.16, 0.09, 0.04, 0.0, CREAM, 0.045, 0.035),
        ],
    },
    "vstab": {
        "position": (1.52, 0.0, 0.1), "foil": "tail10.txt", "texture": "fin.raw",
        "panes": [
            (0.18, 0.28, 0.2, 0.09, None, CREAM, 0.08, 0.08),
            (0.09, 0.2, 0.1, 0.08, None, CREAM, 0.06, 0.06),
        ],
    },
    "body": {
        "color": VARNISH, "texture": "body.raw",
        "sections": [
            (0.0, 0.07, 0.05, 0.04),
            (0.06, 0.03, 0.13, 0.09),
            (0.18, 0.01, 0.19, 0.12),
            (0.4, 0.0, 0.21, 0.13),
            (0.62, 0.01, 0.19, 0.115),
            (0.82, 0.035, 0.14, 0.085),
            (1.05, 0.055, 0.1, 0.06),
            (1.35, 0.07, 0.065, 0.04),
            (1.6, 0.078, 0.045, 0.028),
            (1.78, 0.082, 0.028, 0.018),
        ],
    },
}

ALL = [PIPIT, HARLE, MARTINET, MOUETTE]


# ---------------------------------------------------------------------------------------
# Weights: the editor's estimator, estimate = k s^p hundredths of a kilogram.

SURFACE_LAW = {STRUCTURE: (132.60177, 1.333), SHELL: (195.73893, 1.301), SOLID: (118.37727, 1.107)}
BODY_LAW = {STRUCTURE: (20.02221, 3.206), SHELL: (26.28099, 3.035)}


def half_area(surface):
    return sum((c1 + c2) / 2 * env for env, c1, c2, *_ in surface["panes"])


def estimate(law, size):
    k, p = law
    return round(k * size ** p * 0.01, 3) + 0.0


def set_weights(gl):
    wing, stab, fin, body = gl["build"]
    gl["wing"]["weight"] = estimate(SURFACE_LAW[wing], half_area(gl["wing"]))
    gl["hstab"]["weight"] = estimate(SURFACE_LAW[stab], half_area(gl["hstab"]))
    gl["vstab"]["weight"] = estimate(SURFACE_LAW[fin], half_area(gl["vstab"]))
    gl["body"]["weight"] = estimate(BODY_LAW[body], gl["body"]["sections"][-1][0])


# ---------------------------------------------------------------------------------------
# The flight analysis (kesh-tool analyse) gives the balance and checks the static margin.

def analyse(tool, path):
    out = subprocess.run([tool, "analyse", path, "--sim", SAMPLE, "--json"], check=True,
                         capture_output=True, text=True).stdout
    return json.loads(out)


def round_sig(x, n=3):
    if x == 0:
        return 0.0
    return round(x, n - 1 - int(math.floor(math.log10(abs(x))))) + 0.0


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

def report(gl, figures):
    tw = total_weight(gl)
    print("%s: span %.2f m, wing area %.3f m2, aspect ratio %.1f, total weight %.3f kg, "
          "wing loading %.1f g/dm2" % (gl["name"], figures["span"], figures["wingArea"],
                                       figures["aspectRatio"], tw, 10 * tw / figures["wingArea"]))
    print("   weights: wing half %g, stabiliser half %g, fin %g, body %g kg" % (
        gl["wing"]["weight"], gl["hstab"]["weight"], gl["vstab"]["weight"],
        gl["body"]["weight"]))
    print("   centrum %s  inertia %s" % (gl["centrum"], gl["inertia"]))
    print("   mean chord %.3f m, neutral point x %.3f m, static margin %.1f %%, V_H %.2f, "
          "V_V %.3f" % (figures["mac"], figures["neutralPointX"], 100 * figures["staticMargin"],
                        figures["tailVolumeH"], figures["tailVolumeV"]))
    print("   stall %.1f m/s, best glide %.1f at %.1f m/s, min sink %.2f m/s at %.1f m/s" % (
        figures["stallSpeed"], figures["bestGlide"], figures["bestGlideSpeed"],
        figures["minSink"], figures["minSinkSpeed"]))


def write(gl, path):
    with open(path, "wb") as f:
        f.write(glider_text(gl).encode("ascii"))


def main():
    tool = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        ROOT, "build", "tools", "kesh-tool", "kesh-tool")
    for gl in ALL:
        d = os.path.join(GLIDERS, gl["name"])
        os.makedirs(d, exist_ok=True)
        path = os.path.join(d, gl["name"] + ".gli")
        set_weights(gl)
        # The estimate does not depend on the centrum the file holds.
        gl["centrum"], gl["inertia"] = (0.0, 0.0, 0.0), (0.0, 0.0, 0.0, 0.0)
        write(gl, path)
        estimate = analyse(tool, path)
        gl["centrum"] = tuple(round(v, 3) + 0.0 for v in estimate["cg"])
        gl["inertia"] = tuple(round_sig(v) for v in estimate["inertia"])
        write(gl, path)
        figures = analyse(tool, path)
        assert 0.05 <= figures["staticMargin"] <= 0.2, (gl["name"], figures["staticMargin"])
        report(gl, figures)


if __name__ == "__main__":
    main()
