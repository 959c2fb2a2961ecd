#pragma once

#include <QString>

namespace stoupe {

// The folders the program reads its resource libraries and help document
// from. The same rule holds in the build tree and in an installed copy: the
// data folders sit beside the executable.
struct Folders {
    QString BaseFolder;      // the executable's folder, no trailing separator
    QString NeutralFolder;   // BaseFolder/Neutral/
    QString LanguagesFolder; // BaseFolder/Lang/
    QString LanguageFolder;  // LanguagesFolder + "EN" (no trailing separator)

    static Folders fromBase(const QString& baseFolder);
    // Folders of the running executable (QCoreApplication must exist).
    static Folders ofExecutable();
};

} // namespace stoupe
