"""Reading the hand-written data files: one entry a line, '#' starts a comment line."""


def data_lines(path):
    """Yields (line number, stripped line) for every line that carries an entry."""
    with open(path, encoding="utf-8") as f:
        for line_number, line in enumerate(f, 1):
            line = line.strip()
            if line and not line.startswith("#"):
                yield line_number, line
