#!/usr/bin/env python3
"""Generates the shipped content's resource scripts and SVG pictures.

    generate.py --source assets/content --out BUILD/gen --version 1.2.53

Writes into --out:
  rc/TextChoices.rc, rc/GraphicalChoices.rc, rc/GraphicalCore.rc
  svg/*.svg          the library pictures, rendered to jpg/*.jpg by the build
  render.list        the work list of stoupe-render-jpeg
  help/*.svg         pictures of the help document
  test/markers-N.svg the example pictures with marked landmarks, for the tests
Files whose contents did not change are left untouched.
"""

import argparse
import os
import sys
import unicodedata

# Keep the source tree free of compiled Python files.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from contentgen import pictures, rc  # noqa: E402
from contentgen.datafile import data_lines  # noqa: E402
from contentgen.geometry import read_landmarks, view_points  # noqa: E402
from contentgen.hair import styles  # noqa: E402
from contentgen.spectacles import frames  # noqa: E402

# Resource numbers the wizard asks for.
PAGE_PICTURE = 1002
EXAMPLES = {("male", "front"): 6020, ("male", "left"): 6021, ("male", "right"): 6022,
            ("female", "front"): 6023, ("female", "left"): 6024, ("female", "right"): 6025}
HAIR_NONE = {"male": 100, "female": 2600}
HAIR_FIRST = {"male": 101, "female": 2601}
HEAD_FIRST = 5100
SPECTACLES_NONE = {"male": 9100, "female": 11100}
SPECTACLES_FIRST = {"male": 9101, "female": 11101}
SWATCHES = {13100: "tortoiseshell", 13101: "silver"}
POINT_FIRST = {"front": 13300, "left": 18300, "right": 23300}
# Tags of the reference points: the view in the hundreds, the place in the
# view's order in the units (front 101.., left profile 201.., right 301..).
TAG_BASE = {"front": 100, "left": 200, "right": 300}
HEAD_COUNT = 4


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def read_numbered(path):
    entries = []
    for line_number, line in data_lines(path):
        number, sep, text = line.partition(" | ")
        if not sep or not number.strip().isdigit():
            raise ValueError(f"{path}:{line_number}: expected 'number | text'")
        entries.append((int(number), text.strip()))
    numbers = [n for n, _ in entries]
    if len(set(numbers)) != len(numbers):
        raise ValueError(f"{path}: a number is used twice")
    return entries


def sort_key(text):
    plain = unicodedata.normalize("NFKD", text.lstrip("*!")).encode("ascii", "ignore").decode()
    return plain.lower()


def reference_strings(landmarks):
    entries = []
    for view in ("front", "left", "right"):
        male = view_points(landmarks, view, "male")
        female = view_points(landmarks, view, "female")
        prompts = [lm.prompt for lm in landmarks if lm.view == ("front" if view == "front" else "profile")]
        for k, key in enumerate(male):
            mx, my = male[key]
            fx, fy = female[key]
            text = f"{TAG_BASE[view] + k + 1};{mx};{my};{fx};{fy};{prompts[k]}"
            entries.append((POINT_FIRST[view] + k, text))
    return entries


def text_choices(source, landmarks, version):
    countries = read_numbered(os.path.join(source, "data", "countries.txt"))
    for number, name in countries:
        if not 40001 <= number <= 40499:
            raise ValueError(f"country number {number} outside 40001..40499")
    lists = read_numbered(os.path.join(source, "data", "lists.txt"))
    colours = [(n, t) for n, t in lists if n in (13102, 13103)]
    others = [(n, t) for n, t in lists if n not in (13102, 13103)]
    points = reference_strings(landmarks)
    by_name = sorted(countries, key=lambda e: sort_key(e[1]))
    ordered = colours + points + by_name + sorted(others)
    # The binding enumerates the index and then all sixteen numbers of every
    # string-table block; the reader delivers at most 1001 of them.
    candidates = set(n for n, _ in ordered)
    for block in set(n // 16 for n, _ in ordered):
        candidates.update(range(block * 16, block * 16 + 16))
    if len(candidates) > 1001:
        raise ValueError(f"TextChoices would enumerate {len(candidates)} numbers; the wizard takes 1001")
    script = rc.header("TextChoices: list entries, colour lists and reference feature points.")
    script += rc.string_table(sorted(ordered))
    script += rc.index([n for n, _ in ordered])
    script += rc.version_block(version, "Vellamor Stoupe choices", "TextChoices")
    return script


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()
    out = os.path.abspath(args.out)
    landmarks = read_landmarks(os.path.join(args.source, "data", "landmarks.txt"))

    render = []  # (width, height, svg path, jpg path)

    def picture(number, svg, kind="jpg"):
        name = str(number)
        svg_path = os.path.join(out, "svg", name + ".svg")
        target = os.path.join(out, kind, name + "." + kind)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        write(svg_path, svg.text())
        render.append((svg.width, svg.height, svg_path, target))
        return target

    # GraphicalCore: the page picture and the six examples.
    core = rc.header("GraphicalCore: the page picture and the example heads.")
    core += rc.picture(PAGE_PICTURE, picture(PAGE_PICTURE, pictures.page_picture(landmarks)))
    for (gender, view), number in EXAMPLES.items():
        core += rc.picture(number, picture(number, pictures.example(landmarks, view, gender)))
        write(os.path.join(out, "test", f"markers-{number}.svg"),
              pictures.example_with_markers(landmarks, view, gender).text())
    core += "\n" + rc.version_block(args.version, "Vellamor Stoupe pictures", "GraphicalCore")
    write(os.path.join(out, "rc", "GraphicalCore.rc"), core)

    # GraphicalChoices: heads, hair and spectacles twins, swatches.
    choices = []
    for k in range(HEAD_COUNT):
        choices.append((HEAD_FIRST + k, pictures.head_choice(landmarks, k)))
    for gender in ("male", "female"):
        choices.append((HAIR_NONE[gender], pictures.hair_choice(landmarks, gender, None)))
        for k in range(len(styles())):
            choices.append((HAIR_FIRST[gender] + k, pictures.hair_choice(landmarks, gender, k)))
    for gender in ("male", "female"):
        choices.append((SPECTACLES_NONE[gender], pictures.spectacles_choice(landmarks, gender, None)))
        for k in range(len(frames())):
            choices.append((SPECTACLES_FIRST[gender] + k, pictures.spectacles_choice(landmarks, gender, k)))
    for number, kind in SWATCHES.items():
        choices.append((number, pictures.swatch(kind)))
    graphical = rc.header("GraphicalChoices: generic heads, hair styles, spectacles and swatches.")
    for number, svg in choices:
        graphical += rc.picture(number, picture(number, svg))
    graphical += "\n" + rc.index([n for n, _ in choices])
    graphical += rc.version_block(args.version, "Vellamor Stoupe choice pictures", "GraphicalChoices")
    write(os.path.join(out, "rc", "GraphicalChoices.rc"), graphical)

    write(os.path.join(out, "rc", "TextChoices.rc"), text_choices(args.source, landmarks, args.version))

    # Help document pictures.
    help_dir = os.path.join(out, "help")
    write(os.path.join(help_dir, "points-front.svg"), pictures.help_points(landmarks, "front", "male").text())
    write(os.path.join(help_dir, "points-profile.svg"), pictures.help_points(landmarks, "left", "male").text())
    write(os.path.join(help_dir, "points-front-female.svg"),
          pictures.help_points(landmarks, "front", "female").text())
    for kind in ("good", "dark", "far", "smile", "hair", "glasses"):
        write(os.path.join(help_dir, f"photo-{kind}.svg"), pictures.help_photo(landmarks, kind).text())
    write(os.path.join(help_dir, "flip.svg"), pictures.help_flip(landmarks).text())
    lists = dict(read_numbered(os.path.join(args.source, "data", "lists.txt")))
    write(os.path.join(help_dir, "swatches-hair.svg"), pictures.help_swatches(lists[13102]).text())

    write(os.path.join(out, "render.list"),
          "".join(f"{w}\t{h}\t{s}\t{t}\n" for w, h, s, t in render))
    write(os.path.join(out, "generate.stamp"), "")
    os.utime(os.path.join(out, "generate.stamp"))


if __name__ == "__main__":
    main()
