"""Small helpers to write SVG by hand: numbers, smooth paths, documents."""


def num(value):
    """A coordinate written short: at most two decimals, no trailing zeros."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def pt(p):
    return f"{num(p[0])},{num(p[1])}"


def smooth(points, closed=False, tension=1.0):
    """Path data of a Catmull-Rom spline through every point, as cubic Bezier
    segments: the curve passes exactly through each given point, which is what
    keeps drawn features on their landmark coordinates."""
    pts = list(points)
    n = len(pts)
    if n < 2:
        raise ValueError("a smooth path needs two points")
    d = [f"M{pt(pts[0])}"]
    segments = n if closed else n - 1
    for i in range(segments):
        p0 = pts[(i - 1) % n] if (closed or i > 0) else pts[i]
        p1 = pts[i]
        p2 = pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if (closed or i + 2 < n) else p2
        k = tension / 6.0
        c1 = (p1[0] + (p2[0] - p0[0]) * k, p1[1] + (p2[1] - p0[1]) * k)
        c2 = (p2[0] - (p3[0] - p1[0]) * k, p2[1] - (p3[1] - p1[1]) * k)
        d.append(f"C{pt(c1)} {pt(c2)} {pt(p2)}")
    if closed:
        d.append("Z")
    return " ".join(d)


def poly(points, closed=True):
    d = "M" + " L".join(pt(p) for p in points)
    return d + (" Z" if closed else "")


def mirror_x(points, axis):
    return [(2 * axis - x, y) for x, y in points]


class Svg:
    """An SVG document of a fixed pixel size whose user units are pixels."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.defs = []
        self.body = []

    def add(self, element):
        self.body.append(element)
        return self

    def define(self, element):
        self.defs.append(element)
        return self

    def text(self):
        parts = [
            '<?xml version="1.0" encoding="UTF-8"?>',
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{self.width}" '
            f'height="{self.height}" viewBox="0 0 {self.width} {self.height}">',
        ]
        if self.defs:
            parts.append("<defs>" + "".join(self.defs) + "</defs>")
        parts.extend(self.body)
        parts.append("</svg>")
        return "\n".join(parts) + "\n"


def path(d, fill="none", stroke=None, width=None, extra=""):
    attrs = [f'd="{d}"', f'fill="{fill}"']
    if stroke:
        attrs.append(f'stroke="{stroke}"')
        attrs.append(f'stroke-width="{num(width or 1)}"')
        attrs.append('stroke-linejoin="round" stroke-linecap="round"')
    if extra:
        attrs.append(extra)
    return "<path " + " ".join(attrs) + "/>"


def group(elements, transform=None, extra=""):
    head = "<g"
    if transform:
        head += f' transform="{transform}"'
    if extra:
        head += " " + extra
    return head + ">" + "".join(elements) + "</g>"
