#pragma once

#include "app/Folders.h"

#include <QPointer>

namespace stoupe {

class frmSplash;
class frmWiz;

// The windows the start-up shares with the rest of the program until the
// wizard unloads.
struct SharedWindows {
    QPointer<frmSplash> splash;
    QPointer<frmWiz> wizard;
};
SharedWindows& sharedWindows();

// Drops the shared references to the splash and wizard windows. The wizard's
// unload runs it.
void ReleaseShared();

// The start sequence: splash, wizard load, the splash hold and showing the
// wizard. Returns true when the wizard is shown and the program lives on in
// its events; false when the program must end now (the user has been told).
bool StartUp();
// The same with the folders given (tests run from another folder).
bool StartUp(const Folders& folders);

} // namespace stoupe
