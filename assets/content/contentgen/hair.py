"""Twelve hair styles drawn on the front-view head of either gender, plus the
hair of the two example profiles. A style draws up to three layers: behind the
head (back), beside the face over the ears (side) and over the head (front)."""

from . import palette as c
from .geometry import EXAMPLE_HEIGHT as H
from .svg import path, poly, smooth

LW = 2.2


class HairStyle:
    def __init__(self, name, colour=c.HAIR, lw=LW, **options):
        self.name = name
        self.colour = colour
        self.lw = lw
        self.o = options

    def _fill(self, d, extra=""):
        return path(d, fill=self.colour, stroke=c.OUTLINE, width=self.lw, extra=extra)

    # The cap: hair over the top of the head, from one temple to the other,
    # with a hairline across the forehead.
    def _cap(self, head, volume=4.0, hairline=66.0, sideburn=20.0, sweep=0.0, low_side=0.0):
        cx, ey, hw, top = head.cx, head.eye_y, head.hw, head.crown_y
        v = volume
        outer = [
            (cx - hw - 2 - v * 0.3, ey - sideburn),
            (cx - hw - 2 - v * 0.6, ey - 44),
            (cx - 0.82 * hw - v * 0.7, top + 16 - v * 0.6),
            (cx + sweep * 0.3, top - v),
            (cx + 0.82 * hw + v * 0.7, top + 16 - v * 0.6),
            (cx + hw + 2 + v * 0.6, ey - 44),
            (cx + hw + 2 + v * 0.3, ey - sideburn),
        ]
        inner = [
            (cx + hw - 6, ey - sideburn - 4),
            (cx + hw - 14, ey - hairline + 16),
            (cx + 0.35 * hw, ey - hairline - 2 + low_side * 0.2),
            (cx + sweep, ey - hairline + 1),
            (cx - 0.35 * hw, ey - hairline + 2 + low_side),
            (cx - hw + 14, ey - hairline + 16 + low_side * 0.5),
            (cx - hw + 6, ey - sideburn - 4),
        ]
        return outer + inner

    def back(self, head):
        el = []
        kind = self.o.get("back")
        cx, ey, hw, top = head.cx, head.eye_y, head.hw, head.crown_y
        if kind in ("bob", "shoulder", "long", "wavy"):
            bottom = {"bob": head.chin_y - 14, "shoulder": H - 26, "long": H + 6, "wavy": H + 6}[kind]
            width = hw + (16 if kind == "bob" else 22)
            pts = [(cx - width + 6, bottom), (cx - width, ey + 20), (cx - width + 2, ey - 50),
                   (cx - hw * 0.7, top - 10), (cx, top - 14), (cx + hw * 0.7, top - 10),
                   (cx + width - 2, ey - 50), (cx + width, ey + 20), (cx + width - 6, bottom)]
            if kind == "wavy":
                pts = _wavy(pts, 6)
            el.append(self._fill(smooth(pts, closed=True, tension=0.8)))
        if self.o.get("bun"):
            el.append(f'<circle cx="{cx}" cy="{top - 12}" r="{hw * 0.36:.1f}" fill="{self.colour}" '
                      f'stroke="{c.OUTLINE}" stroke-width="{self.lw}"/>')
        return el

    def side(self, head):
        el = []
        kind = self.o.get("back")
        cx, ey, hw = head.cx, head.eye_y, head.hw
        if kind in ("bob", "shoulder", "long", "wavy"):
            bottom = {"bob": head.chin_y - 12, "shoulder": H - 24, "long": H + 6, "wavy": H + 6}[kind]
            for s in (-1, 1):
                pts = [(cx + s * (hw - 4), ey - 40), (cx + s * (hw + 14), ey - 20), (cx + s * (hw + 17), ey + 40),
                       (cx + s * (hw + 14), bottom), (cx + s * (hw - 2), bottom - 6), (cx + s * (hw - 6), ey + 30),
                       (cx + s * (hw - 10), ey - 10)]
                if kind == "wavy":
                    pts = _wavy(pts, 4)
                el.append(self._fill(smooth(pts, closed=True, tension=0.8)))
        if self.o.get("ponytail"):
            s = -1
            pts = [(cx + s * (hw - 2), ey - 30), (cx + s * (hw + 20), ey + 10), (cx + s * (hw + 16), ey + 80),
                   (cx + s * (hw + 2), H - 4), (cx + s * (hw - 18), H - 14), (cx + s * (hw - 8), ey + 80),
                   (cx + s * (hw - 4), ey + 10)]
            el.append(self._fill(smooth(pts, closed=True, tension=0.8)))
            el.append(f'<ellipse cx="{cx + s * (hw + 6)}" cy="{ey + 4}" rx="7" ry="4" fill="{c.PURPLE}" '
                      f'stroke="{c.OUTLINE}" stroke-width="{self.lw * 0.7}"/>')
        return el

    def front(self, head):
        o = self.o
        cap = self._cap(head, volume=o.get("volume", 4), hairline=o.get("hairline", 66),
                        sideburn=o.get("sideburn", 20), sweep=o.get("sweep", 0), low_side=o.get("low_side", 0))
        extra = f'fill-opacity="{o["opacity"]}"' if "opacity" in o else ""
        el = []
        if o.get("curls"):
            for x, y in cap[:7] + [((cap[2][0] + cap[3][0]) / 2, (cap[2][1] + cap[3][1]) / 2),
                                   ((cap[3][0] + cap[4][0]) / 2, (cap[3][1] + cap[4][1]) / 2)]:
                el.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="9" fill="{self.colour}" '
                          f'stroke="{c.OUTLINE}" stroke-width="{self.lw}"/>')
        el.append(self._fill(smooth(cap, closed=True, tension=0.8), extra))
        if o.get("curls"):
            for x, y in cap[7:]:
                el.append(f'<circle cx="{x:.1f}" cy="{y + 2:.1f}" r="6" fill="{self.colour}"/>')
        if o.get("fringe"):
            cx, ey, hw = head.cx, head.eye_y, head.hw
            low = ey - o["fringe"]
            # A fringe cut into strands: the lower edge zigzags across the forehead.
            edge = []
            strands = 9
            for k in range(strands + 1):
                x = cx - hw + 6 + (2 * hw - 12) * k / strands
                edge.append((x, low + (6 if k % 2 else -2) - abs(k - strands / 2) * 1.2))
            top = [(cx + hw + 1, ey - 52), (cx + 0.5 * hw, ey - 78), (cx - 0.5 * hw, ey - 78), (cx - hw - 1, ey - 52)]
            el.append(path(poly(edge + top), fill=self.colour))
            el.append(path(poly(edge, closed=False), stroke=c.OUTLINE, width=self.lw))
        if o.get("quiff"):
            cx, top = head.cx, head.crown_y
            pts = [(cx - 40, top + 30), (cx - 30, top + 4), (cx + 4, top - 16), (cx + 40, top - 8),
                   (cx + 50, top + 16), (cx + 20, top + 30)]
            el.append(self._fill(smooth(pts, closed=True, tension=0.8)))
        if o.get("parting"):
            cx, top, ey = head.cx, head.crown_y, head.eye_y
            px = cx - 0.35 * head.hw
            el.append(path(smooth([(px, top + 6), (px - 2, (top + ey) / 2 - 30), (px - 3, ey - o.get("hairline", 66) + 4)]),
                           stroke=c.OUTLINE, width=self.lw * 0.7))
        highlight = o.get("highlight", True)
        if highlight and "opacity" not in o:
            cx, top = head.cx, head.crown_y
            el.append(path(smooth([(cx - 0.5 * head.hw, top + 14), (cx - 0.1 * head.hw, top + 6),
                                   (cx + 0.3 * head.hw, top + 9)]), stroke=c.HAIR_LIGHT, width=self.lw * 2))
        if o.get("bun") and not o.get("no_tie"):
            el.append(f'<rect x="{head.cx - 9}" y="{head.crown_y - 4}" width="18" height="5" rx="2.5" '
                      f'fill="{c.PURPLE}" stroke="{c.OUTLINE}" stroke-width="{self.lw * 0.7}"/>')
        return el


def _wavy(points, amount):
    out = []
    for i, (x, y) in enumerate(points):
        out.append((x + (amount if i % 2 else -amount), y))
    return out


def styles(colour=c.HAIR, lw=LW):
    """The twelve styles, in slot order (the same order for both genders)."""
    s = lambda name, **o: HairStyle(name, colour, lw, **o)
    return [
        s("crew cut", volume=2, hairline=68, sideburn=20),
        s("side parting", volume=6, hairline=64, sideburn=16, low_side=8, parting=True),
        s("quiff", volume=6, hairline=66, sideburn=18, quiff=True),
        s("buzz cut", volume=0.5, hairline=70, sideburn=22, opacity=0.55),
        s("short curls", volume=9, hairline=62, sideburn=14, curls=True, highlight=False),
        s("straight fringe", volume=6, hairline=60, sideburn=12, fringe=30),
        s("bob", back="bob", volume=7, hairline=60, sideburn=10, low_side=10, parting=True),
        s("shoulder length", back="shoulder", volume=7, hairline=62, sideburn=10, parting=True),
        s("long and straight", back="long", volume=7, hairline=62, sideburn=10, sweep=6),
        s("long and wavy", back="wavy", volume=9, hairline=60, sideburn=10, parting=True),
        s("ponytail", volume=4, hairline=64, sideburn=18, ponytail=True),
        s("bun", volume=3, hairline=64, sideburn=18, bun=True),
    ]


def example_front_hair(gender):
    """The hair of the front examples: short for the man, tied back in a bun
    for the woman, so that forehead, ears and jaw stay free."""
    if gender == "male":
        return HairStyle("example", c.EXAMPLE_HAIR_MALE, LW, volume=5, hairline=64, sideburn=16,
                         low_side=6, parting=True)
    return HairStyle("example", c.EXAMPLE_HAIR_FEMALE, LW, volume=4, hairline=62, sideburn=18, bun=True)


def example_profile_hair(p, gender, lw=LW):
    """Back and front layers of the profile hair, drawn through the profile
    landmarks but never over them."""
    N, Et, Eb = p["nasion"], p["ear_top"], p["ear_lobe"]
    colour = c.EXAMPLE_HAIR_MALE if gender == "male" else c.EXAMPLE_HAIR_FEMALE
    back = []
    if gender == "female":
        back.append(f'<circle cx="{Et[0] + 60}" cy="{Et[1] - 34}" r="21" fill="{colour}" '
                    f'stroke="{c.OUTLINE}" stroke-width="{lw}"/>')
    drop = 0 if gender == "male" else 3
    cap = [
        (N[0] + 2, N[1] - 64),
        (N[0] + 14, N[1] - 96 + drop),
        (N[0] + 70, N[1] - 113 + drop),
        (Et[0] + 52, Et[1] - 66),
        (Et[0] + 61, Et[1] + 4),
        (Et[0] + 50, Eb[1] + (8 if gender == "male" else 20)),
        (Et[0] + 38, Eb[1] + (12 if gender == "male" else 26)),
        (Et[0] + 24, Eb[1] - 8),
        (Et[0] + 16, Et[1] - 4),
        (Et[0] - 2, Et[1] - 12),
        (Et[0] - 12, Et[1] + (6 if gender == "male" else -4)),
        (Et[0] - 18, Et[1] - 22),
        (N[0] + 26, N[1] - 52),
    ]
    front = [path(smooth(cap, closed=True, tension=0.8), fill=colour, stroke=c.OUTLINE, width=lw)]
    front.append(path(smooth([(N[0] + 30, N[1] - 92), (N[0] + 70, N[1] - 102), (Et[0] + 40, Et[1] - 56)]),
                      stroke=c.HAIR_LIGHT, width=lw * 2))
    if gender == "female":
        front.append(f'<ellipse cx="{Et[0] + 44}" cy="{Et[1] - 24}" rx="4" ry="7" fill="{c.PURPLE}" '
                     f'stroke="{c.OUTLINE}" stroke-width="{lw * 0.7}"/>')
    return back, front


def profile_layers(style, p):
    """The style seen from the side, on a left profile: (behind, in front)
    element lists for profile_face."""
    o = style.o
    colour, lw = style.colour, style.lw
    N, Et, Eb, C = p["nasion"], p["ear_top"], p["ear_lobe"], p["chin"]
    v = o.get("volume", 4) * 0.8
    hl = o.get("hairline", 66) - 2
    fill = lambda d, extra="": path(d, fill=colour, stroke=c.OUTLINE, width=lw, extra=extra)
    back, front = [], []
    kind = o.get("back")
    if kind in ("bob", "shoulder", "long", "wavy"):
        bottom = {"bob": C[1] - 10, "shoulder": H - 26, "long": H + 8, "wavy": H + 8}[kind]
        pts = [(N[0] + 2, N[1] - hl), (N[0] + 12 - v, N[1] - 96 - v), (N[0] + 70, N[1] - 114 - v),
               (Et[0] + 56 + v, Et[1] - 66), (Et[0] + 66 + v, Et[1] + 10), (Et[0] + 64 + v, bottom - 24),
               (Et[0] + 50, bottom), (Et[0] + 8, bottom - 6), (Et[0] - 14, Eb[1] + 16), (Et[0] - 18, Et[1] - 8),
               (N[0] + 24, N[1] - 50)]
        if kind == "wavy":
            pts = _wavy(pts, 4)
        front.append(fill(smooth(pts, closed=True, tension=0.8)))
    else:
        extra = f'fill-opacity="{o["opacity"]}"' if "opacity" in o else ""
        sideburn = 6 if o.get("sideburn", 20) < 16 else -4
        cap = [(N[0] + 2, N[1] - hl), (N[0] + 12 - v, N[1] - 96 - v), (N[0] + 70, N[1] - 114 - v),
               (Et[0] + 52 + v, Et[1] - 66 - v * 0.5), (Et[0] + 61 + v, Et[1] + 4), (Et[0] + 50 + v * 0.5, Eb[1] + 8),
               (Et[0] + 38, Eb[1] + 12), (Et[0] + 24, Eb[1] - 8), (Et[0] + 16, Et[1] - 4), (Et[0] - 2, Et[1] - 12),
               (Et[0] - 12, Et[1] + sideburn), (Et[0] - 18, Et[1] - 22), (N[0] + 26, N[1] - 52)]
        if o.get("curls"):
            for x, y in cap[:7]:
                back.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="9" fill="{colour}" stroke="{c.OUTLINE}" '
                            f'stroke-width="{lw}"/>')
        front.append(fill(smooth(cap, closed=True, tension=0.8), extra))
    if o.get("fringe"):
        low = o["fringe"]
        front.append(fill(smooth([(N[0] + 30, N[1] - 80), (N[0] - 4, N[1] - hl + 2), (N[0] - 6, N[1] - low - 16),
                                   (N[0] + 4, N[1] - low - 12), (N[0] + 22, N[1] - 52)], closed=True, tension=0.8)))
    if o.get("quiff"):
        front.append(fill(smooth([(N[0] + 4, N[1] - 78), (N[0] - 4, N[1] - 104), (N[0] + 30, N[1] - 122),
                                   (N[0] + 70, N[1] - 116), (N[0] + 40, N[1] - 96)], closed=True, tension=0.8)))
    if o.get("bun"):
        back.append(f'<circle cx="{Et[0] + 58}" cy="{Et[1] - 62}" r="21" fill="{colour}" '
                    f'stroke="{c.OUTLINE}" stroke-width="{lw}"/>')
    if o.get("ponytail"):
        back.append(fill(smooth([(Et[0] + 54, Et[1] - 30), (Et[0] + 82, Et[1] - 6), (Et[0] + 84, Eb[1] + 40),
                                  (Et[0] + 70, H - 8), (Et[0] + 62, Eb[1] + 30), (Et[0] + 58, Et[1] + 4)],
                                 closed=True, tension=0.8)))
        front.append(f'<ellipse cx="{Et[0] + 60}" cy="{Et[1] - 24}" rx="4" ry="7" fill="{c.PURPLE}" '
                     f'stroke="{c.OUTLINE}" stroke-width="{lw * 0.7}"/>')
    if "opacity" not in o and kind is None:
        front.append(path(smooth([(N[0] + 30, N[1] - 92), (N[0] + 70, N[1] - 103 - v), (Et[0] + 40, Et[1] - 56)]),
                          stroke=c.HAIR_LIGHT, width=lw * 2))
    return back, front
