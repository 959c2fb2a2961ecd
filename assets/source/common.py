"""Shared palette, text, icon and face drawing helpers for the wizard pictures."""

FONT = 'font-family="DejaVu Sans"'

PURPLE = "#A00165"
PURPLE_LIGHT = "#B8237F"
PURPLE_DARK = "#7E0050"
HEADING = "#84005A"
INK = "#3A3140"
MUTED = "#6E6570"
LINE = "#DCD0D8"
PAPER = "#FFFFFF"
WASH = "#F7F2F5"
LILAC = "#F3E3EE"
GOOD = "#2E8B57"
BAD = "#C62F3B"

SKIN = "#EDC2A0"
SKIN_SHADE = "#D9A27F"
HAIR = "#5A3D2E"
SHIRT = "#7D92A8"
BACKDROP = "#E2E9EF"


def svg(width, height, body, defs=""):
    head = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n')
    if defs:
        head += f"<defs>\n{defs}</defs>\n"
    return head + body + "</svg>\n"


def lin(ident, stops, x1=0, y1=0, x2=0, y2=1):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"' + (f' stop-opacity="{a}"' if a is not None else "") + "/>"
                for o, c, a in [(st + (None,))[:3] for st in stops])
    return (f'<linearGradient id="{ident}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">{s}</linearGradient>\n')


def rad(ident, stops, cx=0.5, cy=0.5, r=0.5):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"' + (f' stop-opacity="{a}"' if a is not None else "") + "/>"
                for o, c, a in [(st + (None,))[:3] for st in stops])
    return f'<radialGradient id="{ident}" cx="{cx}" cy="{cy}" r="{r}">{s}</radialGradient>\n'


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def text(x, y, content, size, color=INK, weight="normal", anchor="start", opacity=None):
    op = f' fill-opacity="{opacity}"' if opacity is not None else ""
    return (f'<text x="{x}" y="{y}" {FONT} font-size="{size}" font-weight="{weight}" '
            f'fill="{color}" text-anchor="{anchor}"{op}>{esc(content)}</text>\n')


def lines(x, y, rows, size, step, color=INK, weight="normal", anchor="start"):
    return "".join(text(x, y + i * step, r, size, color, weight, anchor) for i, r in enumerate(rows))


# Icons are drawn in a 16 x 16 box with round strokes.
ICONS = {
    "arrow-right": ("M2.5,8 H13 M9,4 L13,8 L9,12", None),
    "arrow-left": ("M13.5,8 H3 M7,4 L3,8 L7,12", None),
    "help": ("M5.6,6 C5.6,4.2 6.7,3 8.1,3 C9.6,3 10.6,4 10.6,5.4 C10.6,7.4 8.1,7.5 8.1,9.8", (8.1, 12.9)),
    "cross": ("M4,4 L12,12 M12,4 L4,12", None),
    "tick": ("M2.8,8.6 L6.4,12.2 L13.2,4.4", None),
    "save": ("M2.5,2.5 H11.5 L13.5,4.5 V13.5 H2.5 Z M5,2.5 V6 H10.5 V2.5 M5,13.5 V9.5 H11 V13.5", None),
    "restart": ("M13,8.5 A5,5 0 1 1 10.9,4.4 M11.4,1.5 L11.2,4.8 L7.9,4.6", None),
    "quit": ("M9.5,2.5 H3 V13.5 H9.5 M7,8 H14 M11.5,5.3 L14,8 L11.5,10.7", None),
    "document": ("M4,1.8 H9.6 L12.5,4.7 V14.2 H4 Z M9.4,2 V5 H12.3 M6.2,7.8 H10.4 M6.2,10 H10.4 M6.2,12.2 H9", None),
    "download": ("M8,2 V10.5 M4.6,7.2 L8,10.6 L11.4,7.2 M3,13.8 H13", None),
    "folder": ("M1.8,3.6 H6.2 L7.8,5.2 H14.2 V13.2 H1.8 Z M1.8,7 H14.2", None),
    "zoom-in": ("M12,7 A5,5 0 1 1 2,7 A5,5 0 1 1 12,7 M10.6,10.6 L14.4,14.4 M7,4.7 V9.3 M4.7,7 H9.3", None),
    "zoom-out": ("M12,7 A5,5 0 1 1 2,7 A5,5 0 1 1 12,7 M10.6,10.6 L14.4,14.4 M4.7,7 H9.3", None),
    "flip": ("M2,5.2 H13 M10,2.2 L13,5.2 L10,8.2 M14,10.8 H3 M6,7.8 L3,10.8 L6,13.8", None),
    "chevron-up": ("M3.5,10.5 L8,6 L12.5,10.5", None),
    "chevron-down": ("M3.5,6 L8,10.5 L12.5,6", None),
    "send": ("M14.5,1.5 L1.5,7 L6.5,9.3 L8.8,14.5 Z M14.5,1.5 L6.5,9.3", None),
}


def icon(name, x, y, size, color, width=2.0):
    path, dot = ICONS[name]
    k = size / 16.0
    out = (f'<g transform="translate({x},{y}) scale({k})"><path d="{path}" fill="none" stroke="{color}" '
           f'stroke-width="{width / k:.2f}" stroke-linecap="round" stroke-linejoin="round"/>')
    if dot:
        out += f'<circle cx="{dot[0]}" cy="{dot[1]}" r="{1.25}" fill="{color}"/>'
    return out + "</g>\n"


def badge(cx, cy, r, good):
    color = GOOD if good else BAD
    mark = "tick" if good else "cross"
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{color}"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r - 1}" fill="none" stroke="#FFFFFF" stroke-opacity="0.35" stroke-width="1"/>\n'
            + icon(mark, cx - r * 0.62, cy - r * 0.62, r * 1.24, "#FFFFFF", max(1.6, r * 0.22)))


# ---------------------------------------------------------------- faces
# A face is drawn in its own unit box: head centre at (0, 0), head about
# 100 units tall, shoulders reaching down to y = 110.

def shoulders(bottom=112, shirt=SHIRT):
    b = bottom
    e = min(72, round(17 + (b - 62) * 1.1, 1))
    c = round(min(-40, -e * 0.6), 1)
    return (f'<path d="M-17,40 L-17,62 C{c},66 {-e + 6},74 {-e},{b} L{e},{b} C{e - 6},74 {-c},66 17,62 L17,40 Z" fill="{SKIN}"/>'
            f'<path d="M-15,46 C-8,56 8,56 15,46 L15,58 C8,64 -8,64 -15,58 Z" fill="{SKIN_SHADE}" fill-opacity="0.55"/>'
            f'<path d="M{-e},{b} C{-e + 6},76 {c},68 -20,64 C-12,74 12,74 20,64 C{-c},68 {e - 6},76 {e},{b} Z" fill="{shirt}"/>\n')


def front_face(opts=(), bottom=112):
    o = set(opts)
    out = shoulders(bottom)
    out += f'<ellipse cx="-40" cy="4" rx="7" ry="12" fill="{SKIN_SHADE}"/><ellipse cx="40" cy="4" rx="7" ry="12" fill="{SKIN_SHADE}"/>'
    out += f'<path d="M-39,-8 C-40,-46 -22,-58 0,-58 C22,-58 40,-46 39,-8 C39,24 24,50 0,52 C-24,50 -39,24 -39,-8 Z" fill="{SKIN}"/>'
    # hair cap
    out += (f'<path d="M-42,0 C-48,-44 -24,-66 0,-66 C24,-66 48,-44 42,0 C40,-18 36,-30 28,-36 '
            f'C14,-30 -8,-32 -24,-40 C-34,-32 -40,-18 -42,0 Z" fill="{HAIR}"/>\n')
    brow_y = -18 if "smile" not in o else -22
    out += (f'<path d="M-24,{brow_y} Q-15,{brow_y - 5} -6,{brow_y - 1}" fill="none" stroke="{HAIR}" stroke-width="3.2" stroke-linecap="round"/>'
            f'<path d="M24,{brow_y} Q15,{brow_y - 5} 6,{brow_y - 1}" fill="none" stroke="{HAIR}" stroke-width="3.2" stroke-linecap="round"/>')
    for ex in (-15, 15):
        if "smile" in o:
            out += f'<path d="M{ex - 6},-6 Q{ex},-11 {ex + 6},-6" fill="none" stroke="#3B2A22" stroke-width="2.4" stroke-linecap="round"/>'
        else:
            out += (f'<ellipse cx="{ex}" cy="-6" rx="6" ry="3.6" fill="#FFFFFF"/>'
                    f'<circle cx="{ex}" cy="-6" r="2.8" fill="#4B3A30"/>')
    out += f'<path d="M-1,-4 L-6,15 Q0,19 6,15" fill="none" stroke="{SKIN_SHADE}" stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>'
    if "smile" in o:
        out += ('<path d="M-16,24 Q0,44 16,24 Z" fill="#8E3B3B"/>'
                '<path d="M-14,25 Q0,30 14,25 L13,28 Q0,32 -13,28 Z" fill="#FFFFFF"/>')
    else:
        out += '<path d="M-11,29 Q0,32 11,29" fill="none" stroke="#B3615A" stroke-width="2.8" stroke-linecap="round"/>'
    if "fringe" in o:
        out += (f'<path d="M-42,2 C-48,-44 -24,-66 0,-66 C24,-66 48,-44 42,2 C38,-8 30,4 22,-4 '
                f'C14,8 6,-2 -2,6 C-10,-2 -18,8 -26,-2 C-32,6 -38,-4 -42,2 Z" fill="{HAIR}"/>')
    if "glasses" in o:
        out += ('<g fill="#FFFFFF" fill-opacity="0.25" stroke="#2B2B33" stroke-width="3">'
                '<rect x="-29" y="-16" width="24" height="18" rx="6"/><rect x="5" y="-16" width="24" height="18" rx="6"/></g>'
                '<path d="M-5,-9 Q0,-13 5,-9 M-29,-9 L-39,-11 M29,-9 L39,-11" fill="none" stroke="#2B2B33" stroke-width="3"/>')
    return out + "\n"


def profile_face(opts=(), bottom=112):
    """A profile looking towards -x (to the left)."""
    o = set(opts)
    b = bottom
    e = min(70, round(15 + (b - 62) * 1.1, 1))
    out = (f'<path d="M-12,40 L-14,62 C-36,66 {-e + 6},76 {-e + 2},{b} L{e + 6},{b} C{e + 2},78 44,66 22,58 L20,36 Z" fill="{SKIN}"/>'
           f'<path d="M-12,44 C-4,54 10,50 20,40 L21,52 C10,62 -4,62 -13,56 Z" fill="{SKIN_SHADE}" fill-opacity="0.55"/>'
           f'<path d="M{-e + 2},{b} C{-e + 6},78 -40,68 -16,64 C-6,72 14,70 23,60 C44,68 {e + 2},80 {e + 6},{b} Z" fill="{SHIRT}"/>\n')
    out += (f'<path d="M4,-60 C-18,-60 -32,-48 -35,-28 C-36,-20 -38,-16 -37,-11 C-37,-7 -35,-5 -36,-2 '
            f'L-48,15 C-49,18 -46,20 -40,20 C-40,23 -42,24 -40,27 C-38,29 -40,30 -39,32 '
            f'C-41,35 -40,38 -36,40 C-36,46 -35,50 -30,54 C-22,58 -10,56 0,52 C14,50 24,44 30,30 '
            f'C40,14 44,-8 40,-26 C36,-48 22,-60 4,-60 Z" fill="{SKIN}"/>\n')
    out += f'<path d="M-31,53 C-16,54 2,48 12,38" fill="none" stroke="{SKIN_SHADE}" stroke-width="2" stroke-linecap="round"/>'
    out += f'<ellipse cx="10" cy="2" rx="8" ry="12" fill="{SKIN_SHADE}"/><path d="M12,-4 Q6,2 12,8" fill="none" stroke="#C28866" stroke-width="2"/>'
    out += (f'<path d="M-30,-44 C-26,-62 -6,-68 10,-66 C32,-64 48,-46 46,-20 C45,2 40,20 30,32 '
            f'C32,14 30,0 24,-8 C22,-18 16,-26 6,-28 C-6,-32 -20,-36 -30,-44 Z" fill="{HAIR}"/>\n')
    if "fringe" in o:
        out += f'<path d="M-30,-44 C-38,-30 -40,-14 -34,-4 C-28,-14 -22,-22 -10,-26 Z" fill="{HAIR}"/>'
    out += f'<path d="M-33,-18 Q-26,-22 -18,-19" fill="none" stroke="{HAIR}" stroke-width="3" stroke-linecap="round"/>'
    out += '<path d="M-32,-9 Q-28,-12 -24,-9 Q-28,-7 -32,-9 Z" fill="#4B3A30"/>'
    out += '<path d="M-38,31 L-31,31" stroke="#B3615A" stroke-width="2.4" stroke-linecap="round"/>'
    if "glasses" in o:
        out += ('<path d="M-38,-15 L-24,-15 L-24,-3 L-38,-3 Z M-24,-11 L8,-8" fill="none" stroke="#2B2B33" stroke-width="3" stroke-linejoin="round"/>')
    return out + "\n"


def placed(content, cx, cy, scale, mirror=False):
    sx = -scale if mirror else scale
    return f'<g transform="translate({cx},{cy}) scale({sx},{scale})">\n{content}</g>\n'


def bust_origin(x, y, w, h, scale, top_gap=None):
    """Where a head and shoulders fitted into a frame goes: (centre x, centre y, shoulder bottom)."""
    gap = h * 0.07 if top_gap is None else top_gap
    bottom = min(112, (h - gap) / scale - 66)
    return round(x + w / 2, 2), round(y + h - bottom * scale, 2), bottom


def bust(x, y, w, h, scale, opts=(), profile=False, mirror=False, top_gap=None):
    """A head and shoulders fitted into a frame: the shoulders end at its bottom edge."""
    cx, cy, bottom = bust_origin(x, y, w, h, scale, top_gap)
    face = profile_face(opts, bottom) if profile else front_face(opts, bottom)
    return placed(face, cx, cy, scale, mirror)


def photo(x, y, w, h, content, around=PAPER, backdrop=BACKDROP, border=4, shade=True, margin=0):
    """A photographic print: backdrop, content cut to the frame, white border."""
    out = f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{backdrop}"/>\n'
    out += content
    m = margin
    if m:
        out += (f'<path fill-rule="evenodd" fill="{around}" d="M{x - m},{y - m} H{x + w + m} V{y + h + m} H{x - m} Z '
            f'M{x},{y} V{y + h} H{x + w} V{y} Z"/>\n')
    if shade:
        out += (f'<path d="M{x + 2},{y + h} H{x + w + 1} V{y + 2} H{x + w} V{y + h - 1} H{x + 2} Z" fill="#3A3140" fill-opacity="0.10"/>'
                f'<rect x="{x + 2}" y="{y + h}" width="{w}" height="1.5" fill="#3A3140" fill-opacity="0.10"/>')
    out += (f'<rect x="{x + border / 2}" y="{y + border / 2}" width="{w - border}" height="{h - border}" fill="none" '
            f'stroke="#FFFFFF" stroke-width="{border}"/>'
            f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{w - 1}" height="{h - 1}" fill="none" stroke="#CFC3CB" stroke-width="1"/>\n')
    return out


def point_mark(x, y, r=4.5, color=PURPLE):
    return (f'<circle cx="{x}" cy="{y}" r="{r + 1.6}" fill="#FFFFFF"/>'
            f'<circle cx="{x}" cy="{y}" r="{r}" fill="{color}"/>')


def card(x, y, w, h, rx=12, fill=PAPER):
    return (f'<rect x="{x + 1}" y="{y + 2}" width="{w}" height="{h}" rx="{rx}" fill="#3A3140" fill-opacity="0.07"/>'
            f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{w - 1}" height="{h - 1}" rx="{rx}" fill="{fill}" stroke="{LINE}" stroke-width="1"/>\n')
