"""Every picture of the libraries and the help document, as SVG documents."""

from . import palette as c
from .faces import Style, front_face, profile_face
from .geometry import EXAMPLE_HEIGHT, EXAMPLE_WIDTH, view_points
from .hair import example_front_hair, example_profile_hair, profile_layers, styles
from .spectacles import frames
from .svg import Svg, group, num

# Slot sizes of the choice pictures on the wizard's pages, in pixels.
HAIR_SLOT = (164, 110)
SPECTACLES_SLOT = (100, 123)
HEAD_SLOT = (36, 48)
SWATCH_SLOT = (31, 31)
PAGE_SIZE = (780, 565)
EXAMPLE_SIZE = (EXAMPLE_WIDTH, EXAMPLE_HEIGHT)

CHOICE_LW = 3.2  # outline width in example units for the reduced choice pictures
CENTRE = "translate(0.5,0.5)"


def _example_elements(landmarks, view, gender, style=None, front_extras=None, hair=True):
    p = view_points(landmarks, view, gender)
    style = style or Style()
    if view == "front":
        defs, el = front_face(p, gender, style, example_front_hair(gender) if hair else None, front_extras)
        return defs, [group(el, CENTRE)]
    left = view_points(landmarks, "left", gender)
    back, front = example_profile_hair(left, gender, style.lw) if hair else ([], [])
    defs, el = profile_face(left, gender, style, back, front)
    inner = group(el, CENTRE)
    if view == "right":
        # The right profile is the left one mirrored about the picture's
        # vertical centre line: pixel x becomes width - 1 - x.
        inner = group([inner], f"translate({EXAMPLE_WIDTH},0) scale(-1,1)")
    return defs, [inner]


def example(landmarks, view, gender):
    svg = Svg(*EXAMPLE_SIZE)
    svg.add(f'<rect width="{EXAMPLE_WIDTH}" height="{EXAMPLE_HEIGHT}" fill="{c.NEUTRAL}"/>')
    defs, el = _example_elements(landmarks, view, gender)
    for d in defs:
        svg.define(d)
    for e in el:
        svg.add(e)
    return svg


def marker_colour(index):
    """The exact colour that marks point `index` (0-based) in a test rendering."""
    return (0, 255, 20 * index + 10)


def example_with_markers(landmarks, view, gender):
    """The example with each landmark covered by a 3 x 3 pixel square of its
    marker colour, drawn without anti-aliasing, centred on the landmark pixel."""
    svg = example(landmarks, view, gender)
    for index, (x, y) in enumerate(view_points(landmarks, view, gender).values()):
        r, g, b = marker_colour(index)
        svg.add(f'<rect x="{x - 1}" y="{y - 1}" width="3" height="3" fill="rgb({r},{g},{b})" '
                f'shape-rendering="crispEdges"/>')
    return svg


def _card(svg, w, h, radius=10):
    svg.add(f'<rect width="{w}" height="{h}" fill="{c.PAGE}"/>')
    svg.add(f'<rect x="2" y="2" width="{w - 4}" height="{h - 4}" rx="{radius}" fill="{c.LILAC}"/>')


def _fit(w, h, region, pad=0):
    """Transform mapping the example-space region (x0, y0, x1, y1) into a
    w x h picture, centred."""
    x0, y0, x1, y1 = region
    s = min((w - 2 * pad) / (x1 - x0), (h - 2 * pad) / (y1 - y0))
    tx = (w - (x1 - x0) * s) / 2 - x0 * s
    ty = (h - (y1 - y0) * s) / 2 - y0 * s
    return f"translate({num(tx)},{num(ty)}) scale({s:.4f})"


def _clipped(svg, name, w, h, radius, elements):
    svg.define(f'<clipPath id="{name}"><rect x="2" y="2" width="{w - 4}" height="{h - 4}" rx="{radius}"/></clipPath>')
    svg.add(group(elements, extra=f'clip-path="url(#{name})"'))


def hair_choice(landmarks, gender, index):
    """The style from the front and from the side; index: 0-based style, or
    None for the no-hair picture."""
    w, h = HAIR_SLOT
    svg = Svg(w, h)
    _card(svg, w, h)
    style = None if index is None else styles(lw=CHOICE_LW)[index]
    front_defs, front = front_face(view_points(landmarks, "front", gender), gender, Style(lw=CHOICE_LW), style)
    side_points = view_points(landmarks, "left", gender)
    behind, over = profile_layers(style, side_points) if style else ([], [])
    side_defs, side = profile_face(side_points, gender, Style(lw=CHOICE_LW), behind, over)
    for d in front_defs + side_defs:
        svg.define(d)
    half = w / 2
    front_fit = _fit(half + 4, h, (22, 8, 218, 322))
    side_fit = _fit(half - 4, h, (24, 8, 248, 322))
    _clipped(svg, "card", w, h, 10, [group([group(front, CENTRE)], front_fit),
                                     group([group([group(side, CENTRE)], side_fit)], f"translate({half + 2},0)")])
    return svg


def spectacles_choice(landmarks, gender, index):
    w, h = SPECTACLES_SLOT
    svg = Svg(w, h)
    _card(svg, w, h, 8)
    p = view_points(landmarks, "front", gender)
    extras = None
    if index is not None:
        frame = frames()[index]
        extras = lambda head: frame.draw(head, scale_rim=1.25)
    defs, el = front_face(p, gender, Style(lw=CHOICE_LW), example_front_hair(gender), extras)
    for d in defs:
        svg.define(d)
    _clipped(svg, "card", w, h, 8, [group([group(el, CENTRE)], _fit(w, h, (26, 96, 214, 327)))])
    return svg


HEAD_SHAPES = [
    {},                                                                                # oval
    {"cheek_a": (-12, -6), "cheek_b": (12, -6), "chin": (0, -18), "_jaw_factor": 0.7},  # round
    {"cheek_a": (-8, 8), "cheek_b": (8, 8), "chin": (0, -6), "_jaw_factor": 0.86, "_jaw_drop": 5},  # square
    {"cheek_a": (10, 0), "cheek_b": (-10, 0), "chin": (0, 18), "_jaw_factor": 0.45, "_jaw_drop": 30},  # long
]


def head_choice(landmarks, index):
    w, h = HEAD_SLOT
    svg = Svg(w, h)
    svg.add(f'<rect width="{w}" height="{h}" fill="{c.LILAC}"/>')
    p = dict(view_points(landmarks, "front", "male"))
    for key, value in HEAD_SHAPES[index].items():
        if key.startswith("_"):
            p[key] = value
        else:
            p[key] = (p[key][0] + value[0], p[key][1] + value[1])
    defs, el = front_face(p, "male", Style(lw=6.5, skin=c.SKIN))
    for d in defs:
        svg.define(d)
    svg.add(group([group(el, CENTRE)], _fit(w, h, (30, 30, 210, 326))))
    return svg


def swatch(kind):
    w, h = SWATCH_SLOT
    svg = Svg(w, h)
    if kind == "tortoiseshell":
        svg.add(f'<rect width="{w}" height="{h}" fill="#6E3E1E"/>')
        blobs = [(5, 6, 5, 3, "#2E1A0E"), (18, 4, 6, 3, "#A8672C"), (25, 14, 4, 5, "#2E1A0E"),
                 (10, 17, 6, 4, "#C0803A"), (4, 26, 5, 3, "#3B2210"), (20, 25, 7, 4, "#2E1A0E"),
                 (14, 10, 3, 2, "#3B2210"), (28, 28, 4, 3, "#A8672C")]
        for x, y, rx, ry, fill in blobs:
            svg.add(f'<ellipse cx="{x}" cy="{y}" rx="{rx}" ry="{ry}" fill="{fill}" transform="rotate(-25 {x} {y})"/>')
    else:
        svg.define('<linearGradient id="metal" x1="0" y1="0" x2="1" y2="1">'
                   '<stop offset="0" stop-color="#8E8E96"/><stop offset="0.45" stop-color="#F4F4F8"/>'
                   '<stop offset="0.6" stop-color="#C9C9D0"/><stop offset="1" stop-color="#7C7C84"/></linearGradient>')
        svg.add(f'<rect width="{w}" height="{h}" fill="url(#metal)"/>')
    return svg


def page_picture(landmarks):
    """Picture 1002: the overview page's background, a calm panel with the two
    photographs that become a head."""
    w, h = PAGE_SIZE
    svg = Svg(w, h)
    svg.add(f'<rect width="{w}" height="{h}" fill="{c.PAGE}"/>')
    svg.add(f'<rect x="20" y="84" width="740" height="412" rx="18" fill="#FFFFFF"/>')
    svg.add(f'<rect x="0" y="0" width="{w}" height="6" fill="{c.PURPLE}"/>')
    defs_f, front = _example_elements(landmarks, "front", "female")
    defs_p, side = _example_elements(landmarks, "left", "female")
    for d in defs_f + defs_p:
        svg.define(d)
    for x, el in ((470, front), (610, side)):
        svg.add(f'<rect x="{x - 4}" y="286" width="128" height="170" rx="10" fill="{c.LILAC}"/>')
        svg.add(group(el, f"translate({x},290) scale(0.5)"))
    svg.add(f'<path d="M598,370 h6" stroke="{c.PURPLE}" stroke-width="3" stroke-linecap="round"/>')
    return svg


# ---- Pictures of the help document -------------------------------------

def _cross(x, y, colour):
    return (f'<path d="M{x - 6},{y} H{x - 3} M{x + 3},{y} H{x + 6} M{x},{y - 6} V{y - 3} M{x},{y + 3} V{y + 6}" '
            f'stroke="{colour}" stroke-width="1.6"/><rect x="{x - 0.5}" y="{y - 0.5}" width="1" height="1" fill="{colour}"/>')


def help_points(landmarks, view, gender):
    """An example with the crosses the wizard draws and the order numbers."""
    svg = example(landmarks, view, gender)
    points = list(view_points(landmarks, view, gender).values())
    for n, (x, y) in enumerate(points, 1):
        cx, cy = x + 0.5, y + 0.5
        svg.add(_cross(cx, cy, "#000000"))
        side = -1 if x < EXAMPLE_WIDTH / 2 else 1
        lx, ly = cx + side * 11, cy - 11
        svg.add(f'<circle cx="{lx}" cy="{ly}" r="6" fill="{c.PURPLE}"/>'
                f'<text x="{lx}" y="{ly + 3}" font-family="DejaVu Sans" font-size="8" font-weight="bold" '
                f'fill="#FFFFFF" text-anchor="middle">{n}</text>')
    return svg


def help_photo(landmarks, kind):
    """Small front photographs: a good one and the usual mistakes."""
    w, h = 120, 160
    svg = Svg(w, h)
    svg.add(f'<rect width="{w}" height="{h}" fill="{c.NEUTRAL}"/>')
    gender = "female" if kind in ("smile", "hair", "good_female") else "male"
    p = view_points(landmarks, "front", gender)
    style = Style(lw=2.6, expression="smile" if kind == "smile" else "neutral")
    hair = example_front_hair(gender)
    extras = None
    if kind == "hair":
        hair = styles(c.EXAMPLE_HAIR_FEMALE, 2.6)[9]
        hair.o["fringe"] = 6
    if kind == "glasses":
        frame = frames()[2]
        extras = lambda head: frame.draw(head, scale_rim=1.2)
    defs, el = front_face(p, gender, style, hair, extras)
    for d in defs:
        svg.define(d)
    region = (-150, -100, 390, 420) if kind == "far" else (0, 0, 240, 320)
    svg.add(group([group(el, CENTRE)], _fit(w, h, region)))
    if kind == "dark":
        # Poor light: the whole photograph dimmed and one side of the face in
        # deep shadow, so the same face as the other examples reads as badly lit.
        svg.add(f'<rect width="{w}" height="{h}" fill="#120A10" fill-opacity="0.35"/>')
        svg.add(f'<rect width="{w / 2:g}" height="{h}" fill="#120A10" fill-opacity="0.5"/>')
    return svg


def help_flip(landmarks):
    """The left-profile example beside the right one: the Flip button swaps them."""
    svg = Svg(500, 330)
    svg.add(f'<rect width="500" height="330" fill="#FFFFFF"/>')
    for x, view in ((0, "left"), (260, "right")):
        defs, el = _example_elements(landmarks, view, "male")
        for d in defs:
            svg.define(d)
        svg.add(f'<rect x="{x}" y="5" width="240" height="320" fill="{c.NEUTRAL}"/>')
        svg.add(group(el, f"translate({x},5)"))
    svg.add(f'<path d="M232,20 C245,4 255,4 268,20 M262,12 L268,20 L259,23" fill="none" stroke="{c.PURPLE}" '
            f'stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>')
    return svg


def help_swatches(colour_list):
    entries = colour_list.split(",")[1:]
    w = int(2 + 50.4 * len(entries))
    svg = Svg(w, 40)
    svg.add(f'<rect width="{w}" height="40" fill="#FFFFFF"/>')
    for i, entry in enumerate(entries):
        rgb = entry[:9]
        r, g, b = int(rgb[0:3]), int(rgb[3:6]), int(rgb[6:9])
        x = 2 + 50.4 * i
        border = c.OUTLINE if i == int(colour_list.split(",")[0]) else "#FFFFFF"
        svg.add(f'<rect x="{x:.1f}" y="2" width="35" height="35" fill="#FFFFFF" stroke="{border}" stroke-width="2"/>'
                f'<rect x="{x + 2:.1f}" y="4" width="31" height="31" fill="rgb({r},{g},{b})"/>')
    return svg
