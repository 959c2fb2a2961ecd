"""Eighteen spectacle frames, drawn over the eyes of a front-view head."""

import math

from . import palette as c
from .svg import num, path, poly, smooth


def _ellipse(x, y, a, b, s):
    return (f"M{num(x - a)},{num(y)} A{num(a)},{num(b)} 0 1,0 {num(x + a)},{num(y)} "
            f"A{num(a)},{num(b)} 0 1,0 {num(x - a)},{num(y)} Z")


def _superellipse(x, y, a, b, s, n=4.0, steps=48):
    pts = []
    for k in range(steps):
        t = 2 * math.pi * k / steps
        ct, st = math.cos(t), math.sin(t)
        pts.append((x + a * math.copysign(abs(ct) ** (2 / n), ct), y + b * math.copysign(abs(st) ** (2 / n), st)))
    return poly(pts)


def _rounded(x, y, a, b, s, r):
    return (f"M{num(x - a + r)},{num(y - b)} H{num(x + a - r)} A{r},{r} 0 0,1 {num(x + a)},{num(y - b + r)} "
            f"V{num(y + b - r)} A{r},{r} 0 0,1 {num(x + a - r)},{num(y + b)} H{num(x - a + r)} "
            f"A{r},{r} 0 0,1 {num(x - a)},{num(y + b - r)} V{num(y - b + r)} A{r},{r} 0 0,1 {num(x - a + r)},{num(y - b)} Z")


def _points(x, y, a, b, s, rel, tension=0.35):
    # rel: points in units of (a, b), written for the lens on the right of the
    # picture (outer side at +x); s = -1 mirrors them for the other lens.
    return smooth([(x + s * px * a, y + py * b) for px, py in rel], closed=True, tension=tension)


def _polygon(x, y, a, b, s, sides, rotation=0.0):
    pts = [(x + a * math.cos(rotation + 2 * math.pi * k / sides), y + b * math.sin(rotation + 2 * math.pi * k / sides))
           for k in range(sides)]
    return poly(pts)


CAT = [(-1, -0.55), (0.2, -0.85), (1.1, -1.05), (0.95, 0.2), (0.45, 0.95), (-0.6, 0.85), (-1.02, 0.2)]
AVIATOR = [(-1, -0.8), (0.9, -0.85), (1.02, -0.1), (0.7, 0.75), (0.05, 1.05), (-0.75, 0.6), (-1.03, -0.05)]
WAYFARER = [(-1.02, -0.9), (1.08, -1.0), (0.9, 0.65), (0.35, 1.0), (-0.6, 0.95), (-0.95, 0.4)]
PANTOS = [(-0.9, -0.85), (0.9, -0.85), (1.02, 0.05), (0.7, 0.82), (0, 1.02), (-0.7, 0.82), (-1.02, 0.05)]
D_FRAME = [(-1.0, -0.95), (1.0, -0.95), (1.02, 0.1), (0.75, 0.8), (0, 1.0), (-0.75, 0.8), (-1.02, 0.1)]
BUTTERFLY = [(-1, -0.7), (0.1, -0.95), (1.05, -0.85), (1.1, 0.35), (0.55, 1.0), (-0.4, 0.8), (-1.0, 0.15)]


class Frame:
    def __init__(self, name, shape, a, b, rim=2.6, **o):
        self.name, self.shape, self.a, self.b, self.rim, self.o = name, shape, a, b, rim, o

    def lens(self, x, y, s):
        a, b = self.a, self.b
        kind = self.shape
        if kind == "ellipse":
            return _ellipse(x, y, a, b, s)
        if kind == "rounded":
            return _rounded(x, y, a, b, s, self.o.get("r", 5))
        if kind == "super":
            return _superellipse(x, y, a, b, s, self.o.get("n", 4))
        if kind == "hexagon":
            return _polygon(x, y, a, b, s, 6)
        if kind == "octagon":
            return _polygon(x, y, a, b, s, 8, math.pi / 8)
        table = {"cat": CAT, "aviator": AVIATOR, "wayfarer": WAYFARER, "pantos": PANTOS, "d": D_FRAME,
                 "butterfly": BUTTERFLY}
        return _points(x, y, a, b, s, table[kind], self.o.get("tension", 0.4))

    def draw(self, head, colour=c.FRAME, scale_rim=1.0):
        p = head.p
        centres = []
        for outer, inner, s in (("eye_outer_a", "eye_inner_a", -1), ("eye_outer_b", "eye_inner_b", 1)):
            o, i = p[outer], p[inner]
            centres.append(((o[0] + i[0]) / 2 + s * self.o.get("spread", 1), (o[1] + i[1]) / 2 + self.o.get("drop", 1), s))
        rim = self.rim * scale_rim
        thin = rim if not self.o.get("rimless") else 1.0 * scale_rim
        line_colour = "#9A93A0" if self.o.get("rimless") else colour
        el = []
        # Temples: from the outer edge of each lens back to the side of the head.
        for x, y, s in centres:
            edge = x + s * self.a * (1.02 if self.shape not in ("cat", "butterfly") else 1.08)
            el.append(path(f"M{num(edge)},{num(y - self.b * 0.45)} L{num(head.cx + s * (head.hw + 1))},{num(head.eye_y - 6)}",
                           stroke=line_colour, width=max(thin * 0.8, 1.2 * scale_rim)))
        for x, y, s in centres:
            d = self.lens(x, y, s)
            el.append(path(d, fill="#FFFFFF", extra='fill-opacity="0.28"'))
            el.append(path(f"M{num(x - self.a * 0.45)},{num(y - self.b * 0.3)} L{num(x - self.a * 0.15)},{num(y - self.b * 0.6)}",
                           stroke="#FFFFFF", width=1.6 * scale_rim, extra='stroke-opacity="0.8"'))
            if self.o.get("halfrim") or self.o.get("browline"):
                el.append(path(d, stroke="#9A93A0", width=0.9 * scale_rim))
                clip_top = (f'<clipPath id="top{id(self)}{s}{int(x)}"><rect x="{num(x - self.a - 4)}" y="{num(y - self.b - 6)}" '
                            f'width="{num(2 * self.a + 8)}" height="{num(self.b * 0.9 + 6)}"/></clipPath>')
                el.append(f"<defs>{clip_top}</defs>")
                el.append(path(d, stroke=colour, width=rim * (1.9 if self.o.get("browline") else 1.1),
                               extra=f'clip-path="url(#top{id(self)}{s}{int(x)})"'))
            else:
                el.append(path(d, stroke=line_colour, width=thin))
        (xa, ya, _), (xb, yb, _) = centres
        bridge_y = min(ya, yb) - self.b * self.o.get("bridge_height", 0.35)
        inner_a = xa + self.a * 0.98
        inner_b = xb - self.a * 0.98
        bridge = f"M{num(inner_a)},{num(bridge_y)} Q{num((inner_a + inner_b) / 2)},{num(bridge_y - 6)} {num(inner_b)},{num(bridge_y)}"
        el.append(path(bridge, stroke=line_colour, width=max(thin, 1.4 * scale_rim)))
        if self.o.get("double_bridge"):
            top = min(ya, yb) - self.b * 0.82
            el.append(path(f"M{num(xa + self.a * 0.7)},{num(top)} L{num(xb - self.a * 0.7)},{num(top)}",
                           stroke=line_colour, width=max(thin * 0.8, 1.2 * scale_rim)))
        return el


def frames():
    """The eighteen frames, in slot order (the same order for both genders)."""
    F = Frame
    return [
        F("round", "ellipse", 19, 19),
        F("oval", "ellipse", 23, 16),
        F("rectangle", "rounded", 24, 14, r=4),
        F("square", "rounded", 22, 19, rim=3.6, r=5),
        F("cat-eye", "cat", 23, 16, rim=3.2),
        F("aviator", "aviator", 23, 20, rim=1.8, double_bridge=True, drop=3),
        F("browline", "rounded", 23, 16, browline=True, r=6),
        F("rimless", "rounded", 22, 15, rimless=True, r=7),
        F("half-rim", "rounded", 23, 15, halfrim=True, r=6),
        F("wayfarer", "wayfarer", 23, 16, rim=3.8),
        F("hexagonal", "hexagon", 23, 19, rim=2.0),
        F("octagonal", "octagon", 22, 20, rim=2.0),
        F("pantos", "pantos", 21, 19, rim=2.8),
        F("oversized square", "super", 27, 23, rim=3.4, n=5),
        F("narrow rectangle", "rounded", 23, 10, r=3, rim=2.2),
        F("round wire", "ellipse", 17, 17, rim=1.4, bridge_height=0.55),
        F("D-frame", "d", 22, 18, rim=3.0),
        F("butterfly", "butterfly", 25, 20, rim=2.6),
    ]
