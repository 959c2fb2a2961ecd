"""Picture-button faces: the generic face and the buttons with faces of their own."""
from common import *  # noqa: F401,F403
import fontmetrics

FACES = ("inactive", "up", "down", "disabled")

# (fill top, fill bottom, fill opacity, stroke, stroke opacity, content colour, content opacity)
STYLES = {
    "primary": {
        "inactive": ("#BA2481", "#94005E", 1, "#7E0050", 1, "#FFFFFF", 1),
        "up": ("#CC3893", "#A80A6C", 1, "#86005A", 1, "#FFFFFF", 1),
        "down": ("#80004E", "#9C0264", 1, "#6A0042", 1, "#FFFFFF", 1),
        "disabled": ("#EEE9EC", "#E3DCE1", 1, "#D3C9D0", 1, "#ABA0A8", 1),
    },
    "secondary": {
        "inactive": ("#FFFFFF", "#FAF4F8", 1, "#C98EB3", 1, PURPLE, 1),
        "up": ("#FEF3F9", "#F6E1EE", 1, PURPLE, 1, PURPLE, 1),
        "down": ("#EED5E4", "#F8E8F1", 1, PURPLE_DARK, 1, PURPLE_DARK, 1),
        "disabled": ("#F6F3F5", "#F1EDF0", 1, "#E0D8DE", 1, "#BDB2BA", 1),
    },
    "bar": {
        "inactive": ("#FFFFFF", "#FFFFFF", 0.10, "#FFFFFF", 0.55, "#FFFFFF", 1),
        "up": ("#FFFFFF", "#FFFFFF", 0.24, "#FFFFFF", 0.95, "#FFFFFF", 1),
        "down": ("#4A0030", "#5E003C", 0.55, "#FFFFFF", 0.75, "#FFFFFF", 1),
        "disabled": ("#FFFFFF", "#FFFFFF", 0.04, "#FFFFFF", 0.22, "#FFFFFF", 0.38),
    },
    "bar-primary": {
        "inactive": ("#FFFFFF", "#F1E2EB", 1, "#FFFFFF", 0.6, PURPLE, 1),
        "up": ("#FFFFFF", "#FBF3F8", 1, "#FFFFFF", 1, PURPLE_LIGHT, 1),
        "down": ("#E0C4D5", "#EFDDE8", 1, "#FFFFFF", 0.7, PURPLE_DARK, 1),
        "disabled": ("#FFFFFF", "#FFFFFF", 0.16, "#FFFFFF", 0.25, "#FFFFFF", 0.45),
    },
}


def face_svg(w, h, style, face, label=None, icon_name=None, icon_after=False):
    top, bottom, fop, stroke, sop, ink, iop = STYLES[style][face]
    rx = round(h * 0.27, 1)
    defs = lin("f", [(0, top, fop), (1, bottom, fop)])
    shift = 1 if face == "down" else 0
    body = (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="{rx}" fill="url(#f)" '
            f'stroke="{stroke}" stroke-opacity="{sop}" stroke-width="1"/>\n')
    if face in ("inactive", "up") and style in ("primary", "bar-primary", "secondary"):
        body += (f'<path d="M{rx + 1},1.5 H{w - rx - 1}" stroke="#FFFFFF" stroke-opacity="0.35" '
                 f'stroke-width="1" stroke-linecap="round"/>\n')
    if label is None and icon_name is None:
        return svg(w, h, body, defs)
    size = min(round(h * 0.4), 17)
    while True:
        isz = round(size * (1.15 if label else 1.35))
        gap = round(size * 0.45)
        tw = fontmetrics.width(label, size, "bold") if label else 0
        group = tw + ((isz + (gap if label else 0)) if icon_name else 0)
        if group <= w - 2 * max(10, h * 0.3) or size <= 9:
            break
        size -= 0.5
    x = (w - group) / 2
    cy = h / 2 + shift
    content = ""
    if icon_name and not icon_after:
        content += icon(icon_name, round(x, 2), round(cy - isz / 2, 2), isz, ink, max(1.8, size * 0.15))
        x += isz + gap
    if label:
        content += text(round(x, 2), round(cy + size * 0.36, 2), label, size, ink, "bold")
        x += tw + gap
    if icon_name and icon_after:
        content += icon(icon_name, round(x, 2), round(cy - isz / 2, 2), isz, ink, max(1.8, size * 0.15))
    if iop != 1:
        content = f'<g opacity="{iop}">{content}</g>\n'
    return svg(w, h, body + content, defs)


# id: (width, height, style, label, icon, icon after the label)
OWN = {
    "nav-back": (100, 34, "bar", "Back", "arrow-left", False),
    "nav-next": (100, 34, "bar-primary", "Next", "arrow-right", True),
    "nav-help": (100, 34, "bar", "Help", "help", False),
    "nav-cancel": (100, 34, "bar", "Cancel", "cross", False),
    "next-large": (180, 52, "primary", "Let's start", "arrow-right", True),
    "check-update": (180, 40, "secondary", "Check for update", "download", False),
    "ok": (90, 30, "primary", "OK", "tick", False),
    "yes": (90, 30, "primary", "Yes", "tick", False),
    "no": (90, 30, "secondary", "No", "cross", False),
    "quit": (90, 30, "primary", "Quit", "quit", False),
    "save": (90, 30, "secondary", "Save", "save", False),
    "cancel": (90, 30, "secondary", "Cancel", None, False),
    "restart": (90, 30, "secondary", "Restart", "restart", False),
    "help": (90, 30, "secondary", "Help", "help", False),
    "accept": (120, 36, "primary", "Accept", "tick", False),
    "reject": (120, 36, "secondary", "Reject", "cross", False),
    "legal": (150, 36, "secondary", "Legal notices", "document", False),
    "choose-file": (140, 34, "primary", "Choose photo", "folder", False),
    "reset-points": (110, 34, "secondary", "Reset", "restart", False),
    "zoom-in": (34, 34, "secondary", None, "zoom-in", False),
    "zoom-out": (34, 34, "secondary", None, "zoom-out", False),
    "flip": (90, 34, "secondary", "Flip", "flip", False),
    "scroll-up": (28, 28, "secondary", None, "chevron-up", False),
    "scroll-down": (28, 28, "secondary", None, "chevron-down", False),
    "submit": (130, 38, "primary", "Submit", "send", False),
    "load": (150, 34, "secondary", "Load saved", "folder", False),
}


def all_buttons():
    for face in FACES:
        yield f"button-{face}", face_svg(100, 34, "primary", face)
    for ident, (w, h, style, label, icon_name, after) in OWN.items():
        for face in FACES:
            yield f"button-{ident}-{face}", face_svg(w, h, style, face, label, icon_name, after)
