#pragma once

#include "app/Folders.h"

#include <QRect>

namespace stoupe {

class frmWiz;

// The wizard window's load sequence. Sets the window's bLoaded and returns
// it; a fatal failure has shown its message. The resource libraries are read
// from the folders. screenArea is the usable area of the screen; an empty
// rectangle means the primary screen's available area.
bool LoadWizard(frmWiz& wizard, const Folders& folders, QRect screenArea = {});

} // namespace stoupe
