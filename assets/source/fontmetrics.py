"""Advance widths of DejaVu Sans, read from the installed TrueType files, so
labels and icons can be centred exactly."""
import struct

FILES = {
    "normal": "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "bold": "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
}
_cache = {}


def _load(path):
    data = open(path, "rb").read()
    num = struct.unpack(">H", data[4:6])[0]
    tables = {}
    for i in range(num):
        tag, _, off, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
        tables[tag.decode()] = off
    units = struct.unpack(">H", data[tables["head"] + 18:tables["head"] + 20])[0]
    nmetrics = struct.unpack(">H", data[tables["hhea"] + 34:tables["hhea"] + 36])[0]
    hmtx = tables["hmtx"]
    advances = [struct.unpack(">H", data[hmtx + 4 * i:hmtx + 4 * i + 2])[0] for i in range(nmetrics)]
    cmap = tables["cmap"]
    n = struct.unpack(">H", data[cmap + 2:cmap + 4])[0]
    sub = None
    for i in range(n):
        plat, enc, off = struct.unpack(">HHI", data[cmap + 4 + 8 * i:cmap + 12 + 8 * i])
        if plat == 3 and enc == 1:
            sub = cmap + off
    seg2 = struct.unpack(">H", data[sub + 6:sub + 8])[0]
    seg = seg2 // 2
    ends = struct.unpack(f">{seg}H", data[sub + 14:sub + 14 + seg2])
    starts = struct.unpack(f">{seg}H", data[sub + 16 + seg2:sub + 16 + 2 * seg2])
    deltas = struct.unpack(f">{seg}h", data[sub + 16 + 2 * seg2:sub + 16 + 3 * seg2])
    roff_at = sub + 16 + 3 * seg2
    roffs = struct.unpack(f">{seg}H", data[roff_at:roff_at + seg2])

    def glyph(ch):
        c = ord(ch)
        for i in range(seg):
            if starts[i] <= c <= ends[i]:
                if roffs[i] == 0:
                    return (c + deltas[i]) & 0xFFFF
                at = roff_at + 2 * i + roffs[i] + 2 * (c - starts[i])
                g = struct.unpack(">H", data[at:at + 2])[0]
                return (g + deltas[i]) & 0xFFFF if g else 0
        return 0

    def advance(ch):
        g = glyph(ch)
        return advances[min(g, len(advances) - 1)] / units

    return advance


def width(text, size, weight="normal"):
    if weight not in _cache:
        _cache[weight] = _load(FILES[weight])
    return sum(_cache[weight](ch) for ch in text) * size
