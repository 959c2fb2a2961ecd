"""Colours of the illustrated style: flat fills, one dark plum outline, and the
product's purple for clothes and accents."""

PURPLE = "#A00165"
HEADING = "#84005A"
LILAC = "#F3E3EE"
PAGE = "#F7F3F6"
NEUTRAL = "#EDE6EB"
TEXT = "#3A3140"

OUTLINE = "#4A2A3F"
SKIN = "#F2CFB3"
SKIN_SHADE = "#E3B797"
LIP = "#C97C7E"
IRIS = "#5E7896"
BROW = "#5A3E2E"
HAIR = "#7A553C"
HAIR_LIGHT = "#946B4E"
EXAMPLE_HAIR_MALE = "#5E4130"
EXAMPLE_HAIR_FEMALE = "#7A4A2E"
SHIRT_MALE = PURPLE
SHIRT_FEMALE = HEADING
FRAME = "#2E2A33"
