#!/usr/bin/env python3
"""Writes the airfoil files of the sample simulator directory (sample/airfoils/*.txt).

Every profile is computed from the NACA 4-digit equations with our own parameters
(maximum camber m, its position p, thickness t), and every polar from a small
model built on thin-airfoil theory. Nothing is copied from elsewhere.

Profile:
  thickness  yt(x) = 5 t (0.2969 sqrt(x) - 0.1260 x - 0.3516 x^2 + 0.2843 x^3 - 0.1036 x^4)
             (the closed trailing edge variant of the last coefficient)
  camber     yc(x) = m/p^2 (2 p x - x^2)                 for x < p
             yc(x) = m/(1-p)^2 (1 - 2 p + 2 p x - x^2)   for x >= p
  stations   x = (1 - cos b) / 2, b = k pi / 50, k = 0..50 (cosine spacing)
  upper      (x, yc + yt), lower (x, yc - yt): the thickness is added vertically,
             without the slope correction, so that x decreases strictly along the
             upper surface and increases strictly along the lower one.
  order      trailing edge, upper surface to the leading edge, lower surface back:
             51 + 50 = 101 points.

Polar model (angles in degrees):
  alpha0     zero-lift angle of thin-airfoil theory, -(1/pi) Int yc'(th) (cos th - 1) dth
  cm0        quarter-chord moment of thin-airfoil theory, pi/4 (A2 - A1),
             An = (2/pi) Int yc'(th) cos(n th) dth
  lift       cl_lin = a (alpha - alpha0), a = 0.92 * 2 pi per radian; above a knee at
             75 % of clmax it bends exponentially towards clmax, and beyond the angle
             where cl_lin reaches clmax + 0.35 it falls by 0.004 per degree squared
             (mirrored on the negative side with clmin)
  clmax      0.9 + 8 m + 2 (t - 0.09) + 0.12 log2(Re / 500000)
  clmin      -(0.9 + 2 (t - 0.09) + 0.12 log2(Re / 500000)) + 4 m
  drag       cd = cd0 + 0.0075 (cl - clopt)^2 + 0.12 e^2,
             cd0 = 2 Cf (1 + 2 t + 60 t^4), Cf = 0.6 * 1.328/sqrt(Re) + 0.4 * 0.074/Re^0.2,
             clopt = 10 m, e = the part of |cl_lin| beyond the knee, over clmax

Run from anywhere: python3 scripts/make-sample-airfoils.py
"""

import math
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "sample", "airfoils")
CRLF = "\r\n"

# file name, shown name, m, p, t, Reynolds numbers, angle range (degrees), purpose
FOILS = [
    ("kw3516.txt", "KW 3516 wing root", 0.035, 0.45, 0.165,
     (500000, 1000000, 2000000), (-12, 20), "thick cambered section for wing roots"),
    ("kw3013.txt", "KW 3013 wing tip", 0.030, 0.40, 0.130,
     (400000, 800000, 1500000), (-12, 20), "thinner cambered section for outer wing panes"),
    ("kw0009.txt", "KW 0009 tail", 0.0, 0.40, 0.090,
     (300000, 700000), (-16, 16), "symmetric section for stabilisers and fins"),
    ("kw4515.txt", "KW 4515 vintage", 0.045, 0.35, 0.150,
     (300000, 600000, 1200000), (-12, 20), "strongly cambered section for wooden wings"),
]

NSTEP = 50  # cosine stations per surface


def thickness(x, t):
    return 5.0 * t * (0.2969 * math.sqrt(x) - 0.1260 * x - 0.3516 * x ** 2
                      + 0.2843 * x ** 3 - 0.1036 * x ** 4)


def camber(x, m, p):
    if m == 0.0:
        return 0.0
    if x < p:
        return m / p ** 2 * (2 * p * x - x * x)
    return m / (1 - p) ** 2 * (1 - 2 * p + 2 * p * x - x * x)


def camber_slope(x, m, p):
    if m == 0.0:
        return 0.0
    if x < p:
        return 2 * m / p ** 2 * (p - x)
    return 2 * m / (1 - p) ** 2 * (p - x)


def profile(m, p, t):
    xs = [(1 - math.cos(k * math.pi / NSTEP)) / 2 for k in range(NSTEP + 1)]
    xs[0], xs[-1] = 0.0, 1.0
    upper = [(x, camber(x, m, p) + thickness(x, t)) for x in reversed(xs)]
    lower = [(x, camber(x, m, p) - thickness(x, t)) for x in xs[1:]]
    pts = upper + lower
    # the leading edge is exactly (0, 0); avoid a printed "-0.000000"
    return [(x, 0.0 if abs(y) < 5e-7 else y) for x, y in pts]


def thin_airfoil(m, p):
    """Zero-lift angle (degrees) and quarter-chord moment of the camber line."""
    n = 20000
    a0 = a1 = a2 = 0.0
    for i in range(n):
        th = (i + 0.5) * math.pi / n
        x = (1 - math.cos(th)) / 2
        s = camber_slope(x, m, p) * math.pi / n
        a0 += s * (math.cos(th) - 1)
        a1 += s * math.cos(th)
        a2 += s * math.cos(2 * th)
    alpha0 = -a0 / math.pi
    A1 = 2 / math.pi * a1
    A2 = 2 / math.pi * a2
    return math.degrees(alpha0), math.pi / 4 * (A2 - A1)


def polar(m, p, t, re, amin, amax, alpha0):
    a = 0.92 * 2 * math.pi * math.pi / 180  # per degree
    grow = 0.12 * math.log2(re / 500000.0)
    clmax = 0.9 + 8 * m + 2 * (t - 0.09) + grow
    clmin = -(0.9 + 2 * (t - 0.09) + grow) + 4 * m
    cf = 0.6 * 1.328 / math.sqrt(re) + 0.4 * 0.074 / re ** 0.2
    cd0 = 2 * cf * (1 + 2 * t + 60 * t ** 4)
    clopt = 10 * m
    rows = []
    for alpha in range(amin, amax + 1):
        cl_lin = a * (alpha - alpha0)
        lim = clmax if cl_lin >= 0 else -clmin
        u = abs(cl_lin)
        knee = 0.75 * lim
        if u <= knee:
            c = u
            excess = 0.0
        else:
            c = lim - (lim - knee) * math.exp(-(u - knee) / (lim - knee))
            excess = (u - knee) / lim
        stall_alpha = (lim + 0.35) / a  # distance from alpha0 where the fall begins
        beyond = abs(alpha - alpha0) - stall_alpha
        if beyond > 0:
            c -= 0.004 * beyond * beyond
        cl = math.copysign(c, cl_lin)
        cd = cd0 + 0.0075 * (cl - clopt) ** 2 + 0.12 * excess * excess
        rows.append((alpha, cl, cd))
    return rows


def fmt_polar(rows):
    triples = ["%d %.4f %.5f" % r for r in rows]
    lines = []
    for i in range(0, len(triples), 4):
        lines.append("  ".join(triples[i:i + 4]))
    return (CRLF + "\t").join(lines)


def write_foil(fname, name, m, p, t, res, arange, purpose):
    alpha0, cm0 = thin_airfoil(m, p)
    pts = profile(m, p, t)
    assert len(pts) <= 101
    out = []
    c = out.append
    c("// %s: %s" % (name, purpose))
    c("// Made for the kesh sample simulator directory by scripts/make-sample-airfoils.py")
    c("// Profile: NACA 4-digit thickness and camber equations with m = %g, p = %g, t = %g"
      % (m, p, t))
    c("//   (closed trailing edge, 0.1036 x^4 term), thickness added vertically to the")
    c("//   camber line, %d cosine-spaced stations per surface, %d points from the"
      % (NSTEP + 1, len(pts)))
    c("//   trailing edge over the upper surface to the leading edge and back below.")
    c("// alpha0 (degrees) and cm0 (quarter chord) from thin-airfoil theory on the camber line.")
    c("// Polars: lift slope 0.92 * 2 pi per radian from alpha0, bent towards clmax above")
    c("//   75 % of clmax and falling past the stall; clmax = 0.9 + 8 m + 2 (t - 0.09)")
    c("//   + 0.12 log2(Re / 500000). Drag: cd0 = 2 Cf (1 + 2 t + 60 t^4) with a skin")
    c("//   friction 60 % laminar and 40 % turbulent, + 0.0075 (cl - 10 m)^2, + a")
    c("//   separation term growing with the lift beyond the knee. Simple model, not measured.")
    c("// Polar rows: angle of attack in degrees, lift coefficient, drag coefficient.")
    c("")
    c("[main]")
    c("")
    c('name = "%s"' % name)
    c('cm0 = "%.4f"' % (0.0 if abs(cm0) < 5e-5 else cm0))
    c('alpha0 = "%.3f"' % (0.0 if abs(alpha0) < 5e-4 else alpha0))
    c("")
    c("[points]")
    c("")
    for x, y in pts:
        c("%.6f\t%.6f" % (x, y))
    c("")
    c("[polar]")
    c("")
    c('nbreynolds = "%d"' % len(res))
    for i, re in enumerate(res, 1):
        c("")
        c('re%d.reynolds = "%d"' % (i, re))
        c('re%d.polar = "%s"' % (i, fmt_polar(polar(m, p, t, re, arange[0], arange[1], alpha0))))
    c("")
    text = CRLF.join(out)
    body = text.split("[main]", 1)[1]
    assert "//" not in body and body.count("[") == 2, fname
    with open(os.path.join(OUT, fname), "wb") as f:
        f.write(text.encode("ascii"))
    return alpha0, cm0


def main():
    os.makedirs(OUT, exist_ok=True)
    for foil in FOILS:
        alpha0, cm0 = write_foil(*foil)
        print("%-12s alpha0 %+.3f deg  cm0 %+.4f" % (foil[0], alpha0, cm0))


if __name__ == "__main__":
    main()
