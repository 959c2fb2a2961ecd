#pragma once

#include <QString>

#include <functional>

namespace stoupe {

// The folder temporary files go to: $TMPDIR when it is set and not empty,
// else /tmp. No trailing separator.
QString TempFolder();

// Reserves a new, empty file in the temporary folder named prefix, eight
// random decimal figures, "." and extension (e.g. /tmp/orv04718853.jp) and
// returns its full path. The file is created exclusively with owner-only
// permissions, so an existing file or link of that name is never opened or
// emptied; on a clash new figures are drawn. Returns "" when no file could be
// made within about two seconds. The caller deletes the file when done.
QString MakeTempFile(const QString& extension, const QString& prefix);

// As MakeTempFile, with the eight figures of each try taken from
// `drawFigures` (lets tests force clashes).
QString MakeTempFile(const QString& extension, const QString& prefix,
                     const std::function<QString()>& drawFigures);

} // namespace stoupe
