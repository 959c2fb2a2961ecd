#include "app/Folders.h"

#include <QCoreApplication>
#include <QDir>

namespace stoupe {

Folders Folders::fromBase(const QString& baseFolder) {
    Folders f;
    f.BaseFolder = QDir::cleanPath(baseFolder);
    f.NeutralFolder = f.BaseFolder + "/Neutral/";
    f.LanguagesFolder = f.BaseFolder + "/Lang/";
    f.LanguageFolder = f.LanguagesFolder + "EN";
    return f;
}

Folders Folders::ofExecutable() {
    // applicationDirPath resolves symbolic links, so a link in bin/ to an
    // installed executable still finds the data folders beside the real file.
    return fromBase(QCoreApplication::applicationDirPath());
}

} // namespace stoupe
