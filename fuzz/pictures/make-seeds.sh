#!/usr/bin/env bash
# Writes small seed files for fuzz_jpeg_loader and fuzz_bmp_loader into
# build-fuzz/corpus/<target>/ (generated, so no binaries are committed):
# baseline, progressive, grayscale, restart-marker and EXIF-oriented JPEGs,
# and 24-bit bitmaps in both row orders.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
jpegs="$root/build-fuzz/corpus/fuzz_jpeg_loader"
bmps="$root/build-fuzz/corpus/fuzz_bmp_loader"
mkdir -p "$jpegs" "$bmps"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 - "$work" "$bmps" <<'PY'
import struct, sys, os
work, bmps = sys.argv[1], sys.argv[2]
def pixels(w, h):
    return [((x * 37) & 255, (y * 53) & 255, ((x + y) * 11) & 255) for y in range(h) for x in range(w)]
def ppm(path, w, h):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (w, h) + bytes(c for p in pixels(w, h) for c in p))
def bmp(path, w, h, top_down):
    stride = (w * 3 + 3) & ~3
    px = pixels(w, h)
    rows = []
    for y in (range(h) if top_down else reversed(range(h))):
        row = b"".join(bytes((b, g, r)) for (r, g, b) in px[y * w:(y + 1) * w])
        rows.append(row + b"\0" * (stride - w * 3))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, -h if top_down else h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 54 + len(data), 0, 0, 54) + info + data)
ppm(os.path.join(work, "a.ppm"), 21, 13)
ppm(os.path.join(work, "b.ppm"), 8, 8)
bmp(os.path.join(bmps, "bottom-up-5x3.bmp"), 5, 3, False)
bmp(os.path.join(bmps, "top-down-4x4.bmp"), 4, 4, True)
bmp(os.path.join(bmps, "one-pixel.bmp"), 1, 1, False)
PY

cjpeg -quality 80 -outfile "$jpegs/baseline.jpg" "$work/a.ppm"
cjpeg -quality 80 -progressive -outfile "$jpegs/progressive.jpg" "$work/a.ppm"
cjpeg -grayscale -outfile "$jpegs/gray.jpg" "$work/a.ppm"
cjpeg -restart 1 -sample 1x1 -outfile "$jpegs/restart-444.jpg" "$work/a.ppm"
cjpeg -arithmetic -outfile "$jpegs/arithmetic.jpg" "$work/b.ppm"
# The same baseline JPEG with an EXIF segment (orientation 6, little endian)
# right after its start marker.
python3 - "$jpegs/baseline.jpg" "$jpegs/exif-orientation-6.jpg" <<'PY'
import struct, sys
src = open(sys.argv[1], "rb").read()
tiff = b"II*\0" + struct.pack("<I", 8) + struct.pack("<H", 1) + struct.pack("<HHIHH", 0x0112, 3, 1, 6, 0) + struct.pack("<I", 0)
payload = b"Exif\0\0" + tiff
open(sys.argv[2], "wb").write(src[:2] + b"\xff\xe1" + struct.pack(">H", len(payload) + 2) + payload + src[2:])
PY
echo "seeds written to $jpegs and $bmps"
