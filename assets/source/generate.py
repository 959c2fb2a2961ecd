#!/usr/bin/env python3
"""Writes the wizard's SVG pictures into ../ui/.

The SVG files are the pictures the program compiles in; this script is how
they were made, so that the style (palette, buttons, faces) stays one piece.
Run it after changing a picture here: python3 assets/source/generate.py
"""
import os
import sys

sys.dont_write_bytecode = True

from common import *  # noqa: E402,F401,F403
import buttons  # noqa: E402
import illustrations  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ui")


def write(name, content):
    with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(content)


TITLES = [
    "Welcome",
    "How it works",
    "Taking good photographs",
    "Getting started",
    "About you",
    "Your measurements",
    "Feature points",
    "Your front photograph",
    "Your profile photograph",
    "Your profile photograph",
    "Choose a head shape",
    "Choose your hair",
    "Choose your spectacles",
    "Send to Vellamor",
    "User agreement",
]


def page_background():
    defs = (lin("bg", [(0, "#FCFAFB"), (1, "#F1EAEF")])
            + rad("glow", [(0, "#F3DDEB", 0.9), (1, "#F3DDEB", 0)], cx=0.9, cy=0.05, r=0.6)
            + lin("swoosh", [(0, "#A00165", 0.0), (0.5, "#A00165", 0.10), (1, "#A00165", 0.02)], x2=1, y2=0))
    body = ('<rect width="780" height="565" fill="url(#bg)"/>\n'
            '<rect width="780" height="565" fill="url(#glow)"/>\n'
            '<path d="M0,76 C190,64 420,92 780,70 L780,74 C420,98 190,70 0,80 Z" fill="url(#swoosh)"/>\n'
            '<path d="M520,0 C600,40 700,36 780,10 L780,0 Z" fill="#A00165" fill-opacity="0.05"/>\n'
            '<path d="M600,0 C660,26 730,24 780,2 L780,0 Z" fill="#A00165" fill-opacity="0.06"/>\n'
            '<rect x="0.5" y="0.5" width="779" height="564" fill="none" stroke="#C9B6C3" stroke-width="1"/>\n')
    return svg(780, 565, body, defs)


def title(text_):
    defs = lin("accent", [(0, PURPLE_LIGHT), (1, PURPLE_DARK)])
    body = ('<rect x="0" y="10" width="6" height="32" rx="3" fill="url(#accent)"/>\n'
            + text(20, 36, text_, 26, HEADING, "bold"))
    return svg(560, 52, body, defs)


def nav_bar():
    defs = (lin("bar", [(0, "#B0137A"), (0.55, PURPLE), (1, "#8A0058")])
            + lin("sheen", [(0, "#FFFFFF", 0.0), (0.5, "#FFFFFF", 0.10), (1, "#FFFFFF", 0.0)], x2=1, y2=0))
    body = ('<rect width="780" height="56" fill="url(#bar)"/>\n'
            '<path d="M0,56 C220,30 520,60 780,24 L780,56 Z" fill="#FFFFFF" fill-opacity="0.05"/>\n'
            '<rect width="780" height="1" fill="#FFFFFF" fill-opacity="0.35"/>\n'
            '<rect y="1" width="780" height="10" fill="url(#sheen)"/>\n'
            '<rect y="55" width="780" height="1" fill="#5E003C" fill-opacity="0.6"/>\n')
    return svg(780, 56, body, defs)


def page_indicator():
    body = ('<rect x="0.5" y="0.5" width="111" height="29" rx="14.5" fill="#5E003C" fill-opacity="0.45" '
            'stroke="#FFFFFF" stroke-opacity="0.4" stroke-width="1"/>\n')
    return svg(112, 30, body)


def mailing_label():
    return svg(330, 20, text(0, 15, "Please do not add me to the Vellamor mailing list", 12, INK))


def completed_badge():
    defs = lin("cb", [(0, PURPLE_LIGHT), (1, PURPLE_DARK)])
    body = ('<circle cx="32" cy="32" r="30" fill="url(#cb)"/>'
            '<circle cx="32" cy="32" r="26" fill="none" stroke="#FFFFFF" stroke-opacity="0.3" stroke-width="1.5"/>\n'
            + icon("tick", 14, 14, 36, "#FFFFFF", 5))
    return svg(64, 64, body, defs)


def alert_background():
    defs = lin("abg", [(0, "#FFFFFF"), (1, "#F5EEF3")]) + lin("ahd", [(0, PURPLE_LIGHT), (1, PURPLE_DARK)], x2=1, y2=0)
    body = ('<rect width="400" height="250" fill="url(#abg)"/>\n'
            '<rect width="400" height="6" fill="url(#ahd)"/>\n'
            '<path d="M250,250 C300,200 360,196 400,150 L400,250 Z" fill="#A00165" fill-opacity="0.04"/>\n'
            '<path d="M300,250 C340,222 380,220 400,196 L400,250 Z" fill="#A00165" fill-opacity="0.05"/>\n'
            '<rect x="0.5" y="0.5" width="399" height="249" fill="none" stroke="#B793AB" stroke-width="1"/>\n')
    return svg(400, 250, body, defs)


def main():
    os.makedirs(OUT, exist_ok=True)
    write("page-background", page_background())
    for i, t in enumerate(TITLES):
        write(f"title-{i:02d}", title(t))
    write("nav-bar", nav_bar())
    write("page-indicator", page_indicator())
    write("mailing-label", mailing_label())
    write("completed-badge", completed_badge())
    write("alert-background", alert_background())
    for name, content in buttons.all_buttons():
        write(name, content)
    for name, content in illustrations.all_pictures(alert_background):
        write(name, content)


if __name__ == "__main__":
    main()
