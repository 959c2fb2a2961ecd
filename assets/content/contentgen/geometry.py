"""Landmark data: reading data/landmarks.txt and the shapes derived from it."""

from dataclasses import dataclass

from .datafile import data_lines

EXAMPLE_WIDTH = 240
EXAMPLE_HEIGHT = 320
MAX_POINTS_PER_VIEW = 10

FRONT_KEYS = ["eye_outer_a", "eye_inner_a", "eye_inner_b", "eye_outer_b", "nose_tip",
              "mouth_a", "mouth_b", "chin", "cheek_a", "cheek_b"]
PROFILE_KEYS = ["nasion", "nose_tip", "subnasale", "mouth", "chin", "under_chin", "eye",
                "ear_top", "ear_lobe", "jaw"]


@dataclass
class Landmark:
    view: str  # "front" or "profile" (left profile)
    key: str
    male: tuple
    female: tuple
    prompt: str

    def at(self, gender):
        return self.male if gender == "male" else self.female


def _pair(text):
    x, y = (int(v) for v in text.split(","))
    if not (0 <= x < EXAMPLE_WIDTH and 0 <= y < EXAMPLE_HEIGHT):
        raise ValueError(f"point {text} lies outside the example picture")
    return (x, y)


def read_landmarks(path):
    points = []
    for line_number, line in data_lines(path):
        fields = [field.strip() for field in line.split(" | ")]
        if len(fields) != 5:
            raise ValueError(f"{path}:{line_number}: expected five fields")
        view, key, male, female, prompt = fields
        if view not in ("front", "profile"):
            raise ValueError(f"{path}:{line_number}: unknown view {view}")
        if ";" in prompt or not prompt:
            raise ValueError(f"{path}:{line_number}: a prompt must be non-empty, without ';'")
        points.append(Landmark(view, key, _pair(male), _pair(female), prompt))
    for view, keys in (("front", FRONT_KEYS), ("profile", PROFILE_KEYS)):
        got = sorted(p.key for p in points if p.view == view)
        if got != sorted(keys):
            raise ValueError(f"{path}: the {view} view needs exactly the points {keys}")
        if len(got) > MAX_POINTS_PER_VIEW:
            raise ValueError(f"{path}: more than {MAX_POINTS_PER_VIEW} points in the {view} view")
    return points


def mirror_point(p):
    """The pixel that a pixel of the left profile becomes in the right one."""
    return (EXAMPLE_WIDTH - 1 - p[0], p[1])


def view_points(landmarks, view, gender):
    """Points of one view as {key: (x, y)}; view is front, left or right."""
    source = "front" if view == "front" else "profile"
    result = {}
    for lm in landmarks:
        if lm.view == source:
            p = lm.at(gender)
            result[lm.key] = mirror_point(p) if view == "right" else p
    return result
