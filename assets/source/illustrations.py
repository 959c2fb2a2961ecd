"""Illustrations: splash, overview, do-and-don't, feature points, info cards."""
import math

from common import *  # noqa: F401,F403
import fontmetrics

CURSOR = ('<path d="M0,0 L0,16 L4.4,12.2 L7.3,18.6 L10,17.4 L7.2,11.2 L12.6,11.2 Z" fill="#FFFFFF" '
          'stroke="#2B2B33" stroke-width="1.3" stroke-linejoin="round"/>')


def cursor(x, y, k=1.0):
    return f'<g transform="translate({x},{y}) scale({k})">{CURSOR}</g>\n'


def mesh_head(cx, cy, k, gid):
    """A head as a three-dimensional model: a soft body with meridians and parallels."""
    rx, ry = 40, 52
    out = (f'<g transform="translate({cx},{cy}) scale({k})">'
           f'<path d="M-17,40 L-17,62 C-40,66 -66,74 -72,112 L72,112 C66,74 40,66 17,62 L17,40 Z" fill="url(#{gid}b)"/>'
           f'<ellipse cx="-40" cy="4" rx="7" ry="12" fill="url(#{gid}b)"/><ellipse cx="40" cy="4" rx="7" ry="12" fill="url(#{gid}b)"/>'
           f'<ellipse cx="0" cy="-4" rx="{rx}" ry="{ry}" fill="url(#{gid}h)"/>\n')
    lines = ""
    for m in (13, 27):
        lines += f'<ellipse cx="0" cy="-4" rx="{m}" ry="{ry}" fill="none"/>'
    lines += f'<path d="M0,{-4 - ry} V{-4 + ry}"/>'
    nodes = ""
    for y in (-36, -16, 4, 24):
        hw = rx * math.sqrt(1 - (y / ry) ** 2)
        lines += f'<path d="M{-hw:.1f},{y - 4} Q0,{y + 6} {hw:.1f},{y - 4}"/>'
        for m in (0, 13, 27):
            for sgn in ((1,) if m == 0 else (-1, 1)):
                xm = sgn * m * math.sqrt(max(0.0, 1 - (y / ry) ** 2))
                t = (xm + hw) / (2 * hw) if hw else 0.5
                yy = (1 - t) ** 2 * (y - 4) + 2 * t * (1 - t) * (y + 6) + t ** 2 * (y - 4)
                nodes += f'<circle cx="{xm:.1f}" cy="{yy:.1f}" r="1.6"/>'
    out += f'<g fill="none" stroke="#FFFFFF" stroke-opacity="0.8" stroke-width="1.1">{lines}</g>'
    out += f'<g fill="#FFFFFF">{nodes}</g>'
    out += ('<g fill="none" stroke="#8E1F62" stroke-opacity="0.35" stroke-width="1.6" stroke-linecap="round">'
            '<path d="M-21,-6 Q-15,-10 -9,-6 M9,-6 Q15,-10 21,-6 M0,-2 L-4,14 Q0,17 4,14 M-10,28 Q0,32 10,28"/></g>')
    out += "</g>\n"
    return out


def mesh_defs(gid):
    return (rad(gid + "h", [(0, "#F9E7F2"), (0.7, "#DDA3C6"), (1, "#B8578F")], cx=0.4, cy=0.35, r=0.75)
            + lin(gid + "b", [(0, "#E7B9D4"), (1, "#B8578F")]))


def splash_0():
    defs = lin("em", [(0, PURPLE_LIGHT), (1, PURPLE_DARK)], x1=0, y1=0, x2=1, y2=1)
    body = ('<circle cx="46" cy="48" r="42" fill="url(#em)"/>'
            '<circle cx="46" cy="48" r="37" fill="none" stroke="#FFFFFF" stroke-opacity="0.25" stroke-width="1.2"/>\n'
            '<g transform="translate(48,50) scale(0.52,0.52)" fill="none" stroke="#FFFFFF" stroke-width="4.2" '
            'stroke-linecap="round" stroke-linejoin="round">'
            '<path d="M-4,-56 C18,-56 36,-40 36,-16 C36,0 30,10 30,18 L32,44 M-4,-56 C-26,-56 -38,-38 -38,-18 '
            'C-38,-10 -40,-6 -44,2 C-46,6 -42,8 -38,8 L-38,18 C-38,24 -34,28 -26,28 L-16,28 L-14,44"/>'
            '</g>\n'
            '<g transform="translate(48,50) scale(0.52,0.52)" fill="none" stroke="#FFFFFF" stroke-opacity="0.55" '
            'stroke-width="2" stroke-linecap="round">'
            '<path d="M-30,-30 C-10,-20 14,-22 32,-34 M-36,-6 C-14,4 14,2 34,-10 M-8,-54 C-20,-30 -20,0 -16,26 '
            'M12,-52 C20,-26 22,4 18,26"/></g>\n'
            + text(104, 54, "Vellamor", 40, HEADING, "bold")
            + text(106, 84, "Stoupe", 24, PURPLE)
            + f'<rect x="{106 + fontmetrics.width("Stoupe", 24) + 10:.1f}" y="73" width="64" height="2" rx="1" '
            f'fill="{PURPLE}" fill-opacity="0.35"/>\n')
    return svg(360, 96, body, defs)


def splash_1():
    defs = (mesh_defs("m") + rad("glow", [(0, "#F3DDEB", 1), (1, "#F3DDEB", 0)]))
    front = bust(18, 58, 120, 150, 0.72)
    fcx, fcy, _ = bust_origin(18, 58, 120, 150, 0.72)
    body = ('<circle cx="190" cy="160" r="130" fill="url(#glow)"/>\n'
            '<g transform="rotate(-7 80 130)">'
            + photo(18, 58, 120, 150, front)
            + '</g>\n')
    # the points the user places on the photograph
    for ux, uy in ((-15, -6), (15, -6), (0, 14), (-11, 29), (11, 29), (0, 52)):
        x = fcx + ux * 0.72
        y = fcy + uy * 0.72
        a = math.radians(-7)
        rx_ = 80 + (x - 80) * math.cos(a) - (y - 130) * math.sin(a)
        ry_ = 130 + (x - 80) * math.sin(a) + (y - 130) * math.cos(a)
        body += point_mark(round(rx_, 1), round(ry_, 1), 2.6)
    body += ('<path d="M130,74 C150,36 180,44 200,70" fill="none" stroke="#A00165" stroke-opacity="0.55" '
             'stroke-width="2.2" stroke-dasharray="5,5" stroke-linecap="round"/>'
             '<path d="M189.2,65.8 L200,70 L198.6,58.4" fill="none" stroke="#A00165" stroke-opacity="0.7" stroke-width="2.2" '
             'stroke-linecap="round" stroke-linejoin="round"/>\n')
    body += mesh_head(204, 146, 1.2, "m")
    for sx, sy, r in ((262, 62, 5), (278, 84, 3), (136, 246, 4)):
        body += (f'<path d="M{sx},{sy - r * 2} L{sx + r * 0.5},{sy - r * 0.5} L{sx + r * 2},{sy} L{sx + r * 0.5},{sy + r * 0.5} '
                 f'L{sx},{sy + r * 2} L{sx - r * 0.5},{sy + r * 0.5} L{sx - r * 2},{sy} L{sx - r * 0.5},{sy - r * 0.5} Z" '
                 f'fill="{PURPLE}" fill-opacity="0.45"/>')
    return svg(300, 300, body + "\n", defs)


def overview_panel(number, heading, rows, art, defs=""):
    body = card(0, 0, 170, 250)
    body += (f'<circle cx="26" cy="26" r="14" fill="{PURPLE}"/>'
             + text(26, 31, str(number), 14, "#FFFFFF", "bold", "middle"))
    body += f'<ellipse cx="85" cy="100" rx="62" ry="56" fill="{LILAC}" fill-opacity="0.7"/>\n'
    body += art
    body += f'<rect x="30" y="168" width="110" height="1" fill="{LINE}"/>\n'
    body += text(85, 192, heading, 15, HEADING, "bold", "middle")
    body += lines(85, 214, rows, 11.5, 17, MUTED, anchor="middle")
    return svg(170, 250, body, defs)


def overview_0():
    art = card(38, 50, 94, 106, rx=8)
    art += f'<circle cx="60" cy="76" r="13" fill="{LILAC}"/><circle cx="60" cy="72" r="5.5" fill="{PURPLE}"/>'
    art += f'<path d="M50,86 C50,78 70,78 70,86 Z" fill="{PURPLE}"/>'
    art += f'<rect x="80" y="68" width="40" height="5" rx="2.5" fill="{LINE}"/><rect x="80" y="79" width="28" height="5" rx="2.5" fill="{LINE}"/>'
    for i in range(3):
        y = 100 + i * 16
        art += f'<rect x="48" y="{y}" width="56" height="11" rx="3" fill="{WASH}" stroke="{LINE}"/>'
        if i < 2:
            art += icon("tick", 108, y - 0.5, 12, GOOD, 2)
    art += ('<g transform="translate(134,150) rotate(-35)"><rect x="-4" y="-18" width="8" height="30" rx="1.5" fill="#F2B431"/>'
            '<path d="M-4,12 L0,20 L4,12 Z" fill="#EBCB9A"/><rect x="-4" y="-22" width="8" height="5" rx="1.5" fill="#E58FB8"/></g>\n')
    return overview_panel(1, "Your details", ["Name, birthday and", "a few measurements"], art)


def overview_1():
    art = photo(30, 54, 60, 76, bust(30, 54, 60, 76, 0.36), border=3)
    art += photo(80, 72, 60, 76, bust(80, 72, 60, 76, 0.36, profile=True, mirror=True), border=3)
    fx, fy, _ = bust_origin(30, 54, 60, 76, 0.36)
    for ux, uy in ((-15, -6), (15, -6), (0, 15), (0, 52)):
        art += point_mark(round(fx + ux * 0.36, 1), round(fy + uy * 0.36, 1), 1.5)
    px, py, _ = bust_origin(80, 72, 60, 76, 0.36)
    for ux, uy in ((-48, 15), (-36, 46), (10, 2)):
        art += point_mark(round(px - ux * 0.36, 1), round(py + uy * 0.36, 1), 1.5)
    return overview_panel(2, "Your photographs", ["A front and a profile", "photo, with points"], art)


def overview_2():
    art = placed(front_face(("glasses",), bottom=96), 72, 86, 0.5)
    for i, c in enumerate(("#2B2119", "#5A3D2E", "#A0713F", "#D8B46A")):
        art += f'<circle cx="{120}" cy="{66 + i * 18}" r="7" fill="{c}" stroke="#FFFFFF" stroke-width="2"/>'
    art += f'<circle cx="120" cy="84" r="10" fill="none" stroke="{PURPLE}" stroke-width="1.6"/>'
    return overview_panel(3, "Your style", ["Head shape, hair", "and spectacles"], art)


def overview_3():
    defs = mesh_defs("o3")
    art = ('<g transform="translate(-12,-16)"><path d="M44,104 C36,104 32,96 36,90 C34,80 44,74 52,78 C56,66 74,64 80,76 '
           'C90,72 98,80 94,90 C100,92 100,104 92,104 Z" fill="#FFFFFF" stroke="#D9B8CC" stroke-width="1.5"/></g>')
    art += icon("download", 0, 0, 18, PURPLE, 2.4).replace('<g transform="translate(0,0)', '<g transform="translate(63,81) rotate(180)')
    art += mesh_head(118, 100, 0.46, "o3")
    art += ('<path d="M64,94 C70,114 80,126 92,130" fill="none" stroke="#A00165" stroke-opacity="0.5" '
            'stroke-width="1.8" stroke-dasharray="4,4" stroke-linecap="round"/>')
    return overview_panel(4, "Your Vellamor", ["Send it to us and we", "build your 3D head"], art, defs)


def dodont_0():
    body = card(0, 0, 374, 297)
    body += badge(28, 26, 13, True) + text(50, 33, "Do", 19, GOOD, "bold")
    body += text(366, 32, "Good photographs", 12, MUTED, anchor="end")
    body += photo(16, 44, 160, 170, bust(16, 44, 160, 170, 0.92))
    body += photo(198, 44, 160, 170, bust(198, 44, 160, 170, 0.92, profile=True, mirror=True))
    tips = [("Even, bright light", "Fill the frame"),
            ("Neutral expression", "Hair off the face"),
            ("No glasses", "Same way as the example")]
    for r, pair in enumerate(tips):
        for c, tip in enumerate(pair):
            x = 18 + c * 150
            y = 228 + r * 22
            body += icon("tick", x, y, 14, GOOD, 2.2) + text(x + 20, y + 11, tip, 11.5, INK)
    return svg(374, 297, body)


def dodont_1():
    body = card(0, 0, 374, 297)
    body += badge(28, 26, 13, False) + text(50, 33, "Don't", 19, BAD, "bold")
    body += text(366, 32, "Point at an example to see why", 11, MUTED, anchor="end")
    body += photo(30, 46, 124, 142, bust(30, 46, 124, 142, 0.74, profile=True, mirror=True))
    body += photo(220, 46, 124, 142, bust(220, 46, 124, 142, 0.74, profile=True))
    body += badge(338, 52, 11, False)
    body += text(92, 206, "Example", 11.5, MUTED, "bold", "middle")
    body += text(282, 206, "Facing the other way", 11.5, BAD, "bold", "middle")
    body += (f'<path d="M166,110 H208 M198,100 L208,110 L198,120" fill="none" stroke="{BAD}" stroke-opacity="0.5" '
             'stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>')
    body += f'<rect x="1" y="219" width="372" height="77" fill="{WASH}"/><rect x="1" y="219" width="372" height="1" fill="{LINE}"/>\n'
    for i in range(5):
        x = round(74.8 * i + 5.4, 1)
        y = 224
        if i == 0:
            content = bust(x, y, 64, 70, 0.42)
            # Poor light: dimmed, with one side of the face in deep shadow.
            content += f'<rect x="{x}" y="{y}" width="64" height="70" fill="#140C18" fill-opacity="0.35"/>'
            content += f'<rect x="{x}" y="{y}" width="32" height="70" fill="#140C18" fill-opacity="0.5"/>'
        elif i == 1:
            content = bust(x, y, 64, 70, 0.17, top_gap=36)
        else:
            content = bust(x, y, 64, 70, 0.42, (("smile",), ("fringe",), ("glasses",))[i - 2])
        body += photo(x, y, 64, 70, content, border=3)
        body += badge(x + 60, y + 4, 7, False)
    return svg(374, 297, body)


def dodont_2():
    t = "Point at an example in the lower strip to see what is wrong with it."
    w = fontmetrics.width(t, 13)
    x = (740 - w - 26) / 2
    body = (f'<circle cx="{x + 9:.1f}" cy="20" r="9" fill="{PURPLE}" fill-opacity="0.12"/>'
            + text(round(x + 9, 1), 24.5, "i", 12, PURPLE, "bold", "middle")
            + text(round(x + 26, 1), 24.5, t, 13, MUTED))
    return svg(740, 40, body)


def feature_points():
    body = card(0, 0, 700, 380)
    s = 1.6
    fx, fy, _ = bust_origin(24, 36, 230, 300, s)
    body += photo(24, 36, 230, 300, bust(24, 36, 230, 300, s))
    front_pts = [(-21, -6), (-9, -6), (9, -6), (21, -6), (-15, -21), (15, -21), (0, 14), (-11, 29), (11, 29),
                 (0, 52), (-36, 22), (36, 22), (-46, 4), (46, 4), (0, -60)]
    for ux, uy in front_pts:
        body += point_mark(round(fx + ux * s, 1), round(fy + uy * s, 1), 3)
    px, py, _ = bust_origin(270, 36, 230, 300, s)
    body += photo(270, 36, 230, 300, bust(270, 36, 230, 300, s, profile=True, mirror=True))
    prof_pts = [(-34, -34), (-36, -15), (-28, -9), (-36, -3), (-48, 15), (-40, 20), (-40, 28), (-36, 46),
                (-16, 60), (10, 2), (44, -20), (4, -60), (20, 44)]
    for ux, uy in prof_pts:
        body += point_mark(round(px - ux * s, 1), round(py + uy * s, 1), 3)
    body += text(139, 358, "Front", 12, MUTED, "bold", "middle") + text(385, 358, "Profile", 12, MUTED, "bold", "middle")
    x = 522
    body += text(x, 62, "Feature points", 17, HEADING, "bold")
    body += lines(x, 90, ["Each point marks a", "landmark of your face:", "eyes, nose, mouth,",
                          "chin and ears."], 12.5, 18, INK)
    body += lines(x, 176, ["The wizard asks for", "the points one by one.", "Place each on your",
                           "photo where the", "example shows it."], 12.5, 18, INK)
    body += point_mark(x + 7, 283, 4.2) + text(x + 20, 287.5, "a feature point", 12, MUTED)
    body += icon("tick", x, 304, 14, GOOD, 2.2) + text(x + 20, 315.5, "Zoom in to be exact", 12, MUTED)
    body += icon("tick", x, 326, 14, GOOD, 2.2) + text(x + 20, 337.5, "Drag a point to move it", 12, MUTED)
    return svg(700, 380, body)


def card_picture(alert_background, heading, rows, art, defs=""):
    bg = alert_background()
    inner = bg[bg.index("<rect"):bg.rindex("</svg>")]
    bg_defs = bg[bg.index("<defs>") + 7:bg.index("</defs>")]
    body = inner + art
    body += text(172, 58, heading, 19, HEADING, "bold")
    body += f'<rect x="172" y="68" width="40" height="3" rx="1.5" fill="{PURPLE}" fill-opacity="0.5"/>\n'
    body += lines(172, 96, rows, 12.5, 18, INK)
    return svg(400, 250, body, bg_defs + defs)


def card_business(alert_background):
    art = f'<circle cx="88" cy="112" r="68" fill="{LILAC}" fill-opacity="0.8"/>'
    art += card(30, 66, 118, 86, rx=10)
    art += f'<rect x="30.5" y="66.5" width="117" height="18" rx="9" fill="{PURPLE}"/><rect x="30.5" y="76" width="117" height="9" fill="{PURPLE}"/>'
    art += f'<circle cx="60" cy="112" r="17" fill="{LILAC}"/><circle cx="60" cy="107" r="7" fill="{PURPLE}"/>'
    art += f'<path d="M47,124 C47,113 73,113 73,124 Z" fill="{PURPLE}"/>'
    for i, w in enumerate((48, 36, 42)):
        art += f'<rect x="86" y="{100 + i * 12}" width="{w}" height="6" rx="3" fill="{LINE}"/>'
    art += (f'<g transform="translate(126,136)"><circle cx="0" cy="0" r="17" fill="{GOOD}"/>'
            '<path d="M-5.5,-3 V-6 C-5.5,-12 5.5,-12 5.5,-6 V-3" fill="none" stroke="#FFFFFF" stroke-width="2.4"/>'
            '<rect x="-8" y="-3" width="16" height="12" rx="2.5" fill="#FFFFFF"/>'
            f'<circle cx="0" cy="2.5" r="2" fill="{GOOD}"/></g>\n')
    return card_picture(alert_background, "About you",
                        ["Your name, birthday and", "gender help us build a", "head that looks like you.",
                         "", "We keep your details", "private and safe."], art)


def card_wig(alert_background):
    art = f'<circle cx="88" cy="112" r="68" fill="{LILAC}" fill-opacity="0.8"/>'
    art += photo(32, 48, 112, 130, bust(32, 48, 112, 130, 0.7))
    for i, c in enumerate(("#2B2119", "#5A3D2E", "#A0713F", "#D8B46A", "#9A9A9A")):
        art += f'<circle cx="{52 + i * 18}" cy="198" r="7" fill="{c}" stroke="#FFFFFF" stroke-width="2"/>'
    art += f'<circle cx="70" cy="198" r="10" fill="none" stroke="{PURPLE}" stroke-width="1.6"/>'
    return card_picture(alert_background, "Your hair",
                        ["Choose the style closest", "to your own, then pick", "its colour.", "",
                         "No hair? Choose the", "picture without hair."], art)


def card_fpe(index):
    s = 0.55
    cx, cy, _ = bust_origin(10, 6, 150, 102, s)
    body = photo(10, 6, 150, 102, bust(10, 6, 150, 102, s))
    if index == 0:
        for ux, uy in ((-21, -6), (-9, -6), (9, -6)):
            body += point_mark(round(cx + ux * s, 1), round(cy + uy * s, 1), 2.6)
        tx, ty = round(cx + 21 * s, 1), round(cy - 6 * s, 1)
        body += (f'<circle cx="{tx}" cy="{ty}" r="9" fill="none" stroke="{PURPLE}" stroke-opacity="0.35" stroke-width="2"/>'
                 f'<circle cx="{tx}" cy="{ty}" r="5" fill="none" stroke="{PURPLE}" stroke-width="1.6"/>')
        body += cursor(tx + 2, ty + 2, 1.1)
        caption = ("Click where the", "point belongs")
    else:
        ox, oy = round(cx - 11 * s + 8, 1), round(cy + 29 * s + 8, 1)
        nx, ny = round(cx - 11 * s, 1), round(cy + 29 * s, 1)
        body += (f'<circle cx="{ox}" cy="{oy}" r="3" fill="none" stroke="{PURPLE}" stroke-opacity="0.5" '
                 f'stroke-width="1.2" stroke-dasharray="2,2"/>'
                 f'<path d="M{ox},{oy} L{nx + 2},{ny + 2}" stroke="{PURPLE}" stroke-opacity="0.5" stroke-width="1.2" stroke-dasharray="2,2"/>')
        body += point_mark(nx, ny, 2.6) + cursor(nx + 1, ny + 1, 1.1)
        body += (f'<g transform="translate(130,30)"><circle cx="0" cy="0" r="13" fill="#FFFFFF" stroke="{INK}" stroke-width="2.4"/>'
                 f'<path d="M-6,0 H6 M0,-6 V6" stroke="{PURPLE}" stroke-width="2.4" stroke-linecap="round"/>'
                 f'<path d="M9.5,9.5 L17,17" stroke="{INK}" stroke-width="4" stroke-linecap="round"/></g>')
        caption = ("Drag to fine-tune,", "zoom in to be exact")
    body += (f'<circle cx="20" cy="127" r="9" fill="{PURPLE}"/>' + text(20, 131.5, str(index + 1), 11, "#FFFFFF", "bold", "middle"))
    body += text(36, 126, caption[0], 12, INK, "bold") + text(36, 143, caption[1], 12, INK, "bold")
    return svg(170, 150, body)


def all_pictures(alert_background):
    yield "splash-0", splash_0()
    yield "splash-1", splash_1()
    yield "overview-0", overview_0()
    yield "overview-1", overview_1()
    yield "overview-2", overview_2()
    yield "overview-3", overview_3()
    yield "dodont-0", dodont_0()
    yield "dodont-1", dodont_1()
    yield "dodont-2", dodont_2()
    yield "dodont-3", svg(48, 48, badge(24, 24, 22, True))
    yield "dodont-4", svg(48, 48, badge(24, 24, 22, False))
    yield "feature-points", feature_points()
    yield "card-business", card_business(alert_background)
    yield "card-wig", card_wig(alert_background)
    yield "card-fpe-0", card_fpe(0)
    yield "card-fpe-1", card_fpe(1)
