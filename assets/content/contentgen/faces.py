"""The illustrated heads: a front view and a left profile, each drawn through
its landmark coordinates so that every landmark lies on a drawn outline.

Coordinates are pixel indices of the 240 x 320 example picture; callers wrap
the elements in translate(0.5, 0.5) so that a landmark (x, y) is drawn through
the centre of pixel (x, y)."""

from dataclasses import dataclass, field

from . import palette as c
from .geometry import EXAMPLE_HEIGHT as H, EXAMPLE_WIDTH as W
from .svg import path, smooth

_clip_counter = [0]


def _clip_id():
    _clip_counter[0] += 1
    return f"clip{_clip_counter[0]}"


@dataclass
class Head:
    """Front-view shape derived from the front landmarks of one gender."""
    p: dict
    gender: str
    cx: float = 0
    eye_y: float = 0
    hw: float = 0
    outline: list = field(default_factory=list)

    def __post_init__(self):
        p = self.p
        self.cx = p["nose_tip"][0]
        self.eye_y = (p["eye_outer_a"][1] + p["eye_outer_b"][1]) / 2
        self.hw = (p["cheek_b"][0] - p["cheek_a"][0]) / 2 + (10 if self.gender == "male" else 9)
        cx, ey, hw = self.cx, self.eye_y, self.hw
        crown = 106 if self.gender == "male" else 102
        chin = p["chin"]
        ca, cb = p["cheek_a"], p["cheek_b"]
        jaw_drop = p.get("_jaw_drop", 16 if self.gender == "male" else 20)
        jaw = p.get("_jaw_factor", 0.55)
        self.top = (cx, ey - crown)
        self.outline = [
            self.top,
            (cx + 0.8 * hw, ey - crown + 18),
            (cx + hw + 1, ey - 40),
            (cx + hw, ey + 8),
            cb,
            (cx + (cb[0] - cx) * jaw, chin[1] - jaw_drop),
            chin,
            (cx - (cx - ca[0]) * jaw, chin[1] - jaw_drop),
            ca,
            (cx - hw, ey + 8),
            (cx - hw - 1, ey - 40),
            (cx - 0.8 * hw, ey - crown + 18),
        ]

    @property
    def crown_y(self):
        return self.top[1]

    @property
    def chin_y(self):
        return self.p["chin"][1]


@dataclass
class Style:
    lw: float = 2.2           # outline width in example pixels
    shirt: bool = True
    expression: str = "neutral"  # or "smile"
    skin: str = c.SKIN


def _eye(o, i, lw, female, elements, defs):
    cxm, cym = (o[0] + i[0]) / 2, (o[1] + i[1]) / 2
    w = abs(o[0] - i[0])
    d_dir = 1 if o[0] > i[0] else -1
    upper = (cxm, cym - 0.42 * w)
    lower = (cxm, cym + 0.28 * w)
    shape = f"M{o[0]},{o[1]} Q{upper[0]},{upper[1]} {i[0]},{i[1]} Q{lower[0]},{lower[1]} {o[0]},{o[1]} Z"
    clip = _clip_id()
    defs.append(f'<clipPath id="{clip}"><path d="{shape}"/></clipPath>')
    elements.append(path(shape, fill="#FFFFFF"))
    r = 0.24 * w
    elements.append(f'<g clip-path="url(#{clip})"><circle cx="{cxm}" cy="{cym - 1}" r="{r:.2f}" fill="{c.IRIS}"/>'
                    f'<circle cx="{cxm}" cy="{cym - 1}" r="{0.1 * w:.2f}" fill="{c.OUTLINE}"/>'
                    f'<circle cx="{cxm + 0.07 * w:.2f}" cy="{cym - 0.1 * w - 1:.2f}" r="{0.045 * w:.2f}" fill="#FFFFFF"/></g>')
    elements.append(path(shape, stroke=c.OUTLINE, width=lw * 0.8))
    elements.append(path(f"M{o[0]},{o[1]} Q{upper[0]},{upper[1]} {i[0]},{i[1]}", stroke=c.OUTLINE, width=lw * 1.25))
    if female:
        elements.append(path(f"M{o[0]},{o[1]} L{o[0] + 4 * d_dir},{o[1] - 4}", stroke=c.OUTLINE, width=lw))
    brow_w = lw * (2.3 if not female else 1.5)
    brow = smooth([(o[0] + 4 * d_dir, cym - 0.6 * w), (cxm, cym - 0.78 * w - 1), (i[0] - 2 * d_dir, cym - 0.62 * w)])
    elements.append(path(brow, stroke=c.BROW, width=brow_w))


def front_face(p, gender, style=None, hair=None, extras=None):
    """Elements and clip definitions of a front-view head. hair: an object with
    back(head), side(head) and front(head) returning element lists, or None for
    no hair. extras: elements drawn last (spectacles)."""
    style = style or Style()
    head = Head(p, gender)
    lw = style.lw
    female = gender == "female"
    defs, el = [], []
    cx, ey, hw = head.cx, head.eye_y, head.hw
    if hair:
        el += hair.back(head)
    neck_w = hw * (0.44 if not female else 0.38)
    el.append(path(f"M{cx - neck_w},{head.chin_y - 50} L{cx - neck_w},{H + 4} L{cx + neck_w},{H + 4} "
                   f"L{cx + neck_w},{head.chin_y - 50} Z", fill=style.skin, stroke=c.OUTLINE, width=lw))
    el.append(f'<ellipse cx="{cx}" cy="{head.chin_y + 4}" rx="{neck_w}" ry="9" fill="{c.SKIN_SHADE}"/>')
    if style.shirt:
        shirt = [(-8, H + 12), (-8, H - 8), (cx - neck_w - 40, H - 24), (cx - neck_w - 2, H - 30),
                 (cx, H - 14), (cx + neck_w + 2, H - 30), (cx + neck_w + 40, H - 24), (W + 8, H - 8),
                 (W + 8, H + 12)]
        colour = c.SHIRT_FEMALE if female else c.SHIRT_MALE
        el.append(path(smooth(shirt, closed=True, tension=0.6), fill=colour, stroke=c.OUTLINE, width=lw))
    for side in (-1, 1):
        ex = cx + side * (hw + 1)
        el.append(f'<ellipse cx="{ex}" cy="{ey + 22}" rx="9" ry="21" fill="{style.skin}" '
                  f'stroke="{c.OUTLINE}" stroke-width="{lw}"/>')
        el.append(path(smooth([(ex + side * 1, ey + 8), (ex + side * 4, ey + 20), (ex + side * 1, ey + 34)]),
                       stroke=c.SKIN_SHADE, width=lw * 1.2))
        if female:
            el.append(f'<circle cx="{ex + side * 1}" cy="{ey + 42}" r="2.6" fill="{c.LILAC}" '
                      f'stroke="{c.OUTLINE}" stroke-width="{lw * 0.6}"/>')
    if hair:
        el += hair.side(head)
    el.append(path(smooth(head.outline, closed=True), fill=style.skin, stroke=c.OUTLINE, width=lw))
    if hair:
        el += hair.front(head)
    _eye(p["eye_outer_a"], p["eye_inner_a"], lw, female, el, defs)
    _eye(p["eye_outer_b"], p["eye_inner_b"], lw, female, el, defs)
    nx, ny = p["nose_tip"]
    ia = p["eye_inner_a"]
    el.append(path(smooth([(ia[0] + 5, ey + 8), (nx - 8, ny - 24), (nx - 11, ny - 12)]),
                   stroke=c.SKIN_SHADE, width=lw * 1.2))
    el.append(path(smooth([(nx - 14, ny - 8), (nx - 8, ny - 1), (nx, ny), (nx + 8, ny - 1), (nx + 14, ny - 8)]),
                   stroke=c.OUTLINE, width=lw))
    ma, mb = p["mouth_a"], p["mouth_b"]
    mw = mb[0] - ma[0]
    my = (ma[1] + mb[1]) / 2
    lift = 5 if style.expression == "smile" else 0
    upper = smooth([ma, (cx - mw * 0.25, my - 6 - lift), (cx, my - 4 - lift), (cx + mw * 0.25, my - 6 - lift), mb])
    lower = smooth([mb, (cx + mw * 0.22, my + 8 + lift), (cx - mw * 0.22, my + 8 + lift), ma])
    lips = upper + " " + lower.split(" ", 1)[1] + " Z"
    el.append(path(lips, fill=c.LIP, stroke=c.OUTLINE, width=lw * 0.8))
    if style.expression == "smile":
        teeth = smooth([ma, (cx, my + 8), mb]) + " " + smooth([mb, (cx, my - 1), ma]).split(" ", 1)[1] + " Z"
        el.append(path(teeth, fill="#FFFFFF", stroke=c.OUTLINE, width=lw * 0.8))
    else:
        el.append(path(smooth([ma, (cx - mw * 0.25, my + 1), (cx, my + 1.5), (cx + mw * 0.25, my + 1), mb]),
                       stroke=c.OUTLINE, width=lw))
    if extras:
        el += extras(head)
    return defs, el


def profile_face(p, gender, style=None, hair_back=None, hair_front=None):
    """Elements of a left profile (the face looks to the left edge)."""
    style = style or Style()
    lw = style.lw
    female = gender == "female"
    N, T, S, M = p["nasion"], p["nose_tip"], p["subnasale"], p["mouth"]
    C, U, E = p["chin"], p["under_chin"], p["eye"]
    Et, Eb, J = p["ear_top"], p["ear_lobe"], p["jaw"]
    defs, el = [], []
    lips_meet = (S[0] + 1, M[1])
    upper_lip = (S[0] - 3, (S[1] + M[1]) / 2 + 1)
    lower_lip = (S[0] - 2, M[1] + 9)
    crown_drop = 0 if not female else 3
    outline = [
        U, ((U[0] + C[0]) / 2 + 1, (U[1] + C[1]) / 2 + 6), C, (S[0] + 5, (M[1] + C[1]) / 2 + 3), lower_lip,
        lips_meet, upper_lip, S, (T[0] + 8, T[1] + 9), T, (N[0] - 15, (N[1] + T[1]) / 2 - 2), N,
        (N[0] - 5, N[1] - 18), (N[0] - 2, N[1] - 54), (N[0] + 22, N[1] - 92 + crown_drop),
        (N[0] + 70, N[1] - 107 + crown_drop), (Et[0] + 46, Et[1] - 62), (Et[0] + 56, Et[1] + 4),
        (Et[0] + 42, Eb[1] + 42), (Et[0] + 36, H + 14), (U[0] + 2, H + 14), (U[0] + 1, U[1] + 18),
    ]
    if hair_back:
        el += hair_back
    outline_d = smooth(outline, closed=True)
    el.append(path(outline_d, fill=style.skin))
    # Lips, nostril and the line where the lips meet, ending in the corner.
    el.append(path(smooth([upper_lip, lips_meet, M, (M[0] - 6, M[1] - 6)], closed=True), fill=c.LIP))
    el.append(path(smooth([lips_meet, lower_lip, (M[0] - 6, M[1] + 6), M], closed=True), fill=c.LIP))
    el.append(path(smooth([lips_meet, ((lips_meet[0] + M[0]) / 2, M[1] + 1.5), M]), stroke=c.OUTLINE, width=lw))
    el.append(path(outline_d, stroke=c.OUTLINE, width=lw))
    if style.shirt:
        shirt = [(20, H + 14), (34, H - 8), (U[0] - 4, H - 20), (U[0] + 30, H - 28), (Et[0] + 36, H - 30),
                 (W - 12, H - 14), (W + 8, H + 14)]
        colour = c.SHIRT_FEMALE if female else c.SHIRT_MALE
        el.append(path(smooth(shirt, closed=True, tension=0.6), fill=colour, stroke=c.OUTLINE, width=lw))
    el.append(path(smooth([(T[0] + 12, T[1] + 6), (T[0] + 17, T[1] + 1), (S[0] + 4, S[1] - 4)]),
                   stroke=c.OUTLINE, width=lw * 0.8))
    # Jaw line, through the jaw corner.
    el.append(path(smooth([(U[0] + 9, U[1] - 5), ((U[0] + J[0]) / 2 + 2, (U[1] + J[1]) / 2 + 5), J,
                           (J[0] + 5, J[1] - 20)]), stroke=c.OUTLINE, width=lw * 0.9))
    # Ear.
    mid = (Et[1] + Eb[1]) / 2
    ear = [Et, (Et[0] + 11, Et[1] + 4), (Et[0] + 14, mid - 4), (Eb[0] + 10, Eb[1] - 12), Eb,
           (Eb[0] - 6, Eb[1] - 10), (Et[0] - 5, mid), (Et[0] - 6, Et[1] + 10)]
    el.append(path(smooth(ear, closed=True), fill=style.skin, stroke=c.OUTLINE, width=lw))
    el.append(path(smooth([(Et[0] + 1, Et[1] + 10), (Et[0] + 7, Et[1] + 15), (Et[0] + 6, mid + 6),
                           (Eb[0] + 1, Eb[1] - 14)]), stroke=c.SKIN_SHADE, width=lw * 1.3))
    if female:
        el.append(f'<circle cx="{Eb[0] + 1}" cy="{Eb[1] + 4}" r="2.6" fill="{c.LILAC}" '
                  f'stroke="{c.OUTLINE}" stroke-width="{lw * 0.6}"/>')
    # Eye seen from the side: the outer corner is where the lids meet.
    F = (E[0] - 12, E[1] - 1)
    upper = (E[0] - 6, E[1] - 9)
    lower = (E[0] - 6, E[1] + 6)
    shape = f"M{F[0]},{F[1]} Q{upper[0]},{upper[1]} {E[0]},{E[1]} Q{lower[0]},{lower[1]} {F[0] + 1},{F[1] + 2} Z"
    clip = _clip_id()
    defs.append(f'<clipPath id="{clip}"><path d="{shape}"/></clipPath>')
    el.append(path(shape, fill="#FFFFFF"))
    el.append(f'<g clip-path="url(#{clip})"><ellipse cx="{F[0] + 4}" cy="{E[1] - 1}" rx="3.2" ry="5" '
              f'fill="{c.IRIS}"/><ellipse cx="{F[0] + 3}" cy="{E[1] - 1}" rx="1.4" ry="2.6" fill="{c.OUTLINE}"/></g>')
    el.append(path(shape, stroke=c.OUTLINE, width=lw * 0.8))
    el.append(path(f"M{F[0]},{F[1]} Q{upper[0]},{upper[1]} {E[0]},{E[1]}", stroke=c.OUTLINE, width=lw * 1.25))
    if female:
        el.append(path(f"M{E[0]},{E[1]} L{E[0] + 4},{E[1] - 4}", stroke=c.OUTLINE, width=lw))
    el.append(path(smooth([(F[0] - 3, E[1] - 14), (E[0] - 4, E[1] - 19), (E[0] + 6, E[1] - 15)]),
                   stroke=c.BROW, width=lw * (2.3 if not female else 1.5)))
    if hair_front:
        el += hair_front
    return defs, el
