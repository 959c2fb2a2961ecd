#pragma once

#include "pictures/featurepoints/SharedPointState.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>

namespace stoupe {

// State that every part of the program shares for the whole run. Created with
// its start values; the wizard's load changes RightProfile and ImperialUnits.
struct ProgramState {
    bool DebugMode = false;     // nothing sets it; false hides the debug controls
    bool ImperialUnits = false; // measurements in inches
    // The acquisition-file settings: the full record layout and the write mode
    // used for uploads.
    bool FullRecord = true;
    int UploadWriteMode = 1;
    // The three reference point sets (filled by the resource binding) and the
    // profile side in use, with the profile-index routines.
    SharedPointState Points;
    // The colour-swatch pictures the resource binding collects for the colour
    // controls, keyed as the swatch lists name them (" 13100").
    QHash<QString, QImage> SwatchPictures;
};

ProgramState& programState();

// Drops the reference point sets and the swatch pictures (the program's end).
void releaseSharedState();

// Opens the help document. The routine that does it arrives with the
// documents subsystem, which installs it here; until then Help does nothing.
void setShowHelpHandler(std::function<void()> handler);
void ShowHelp();

} // namespace stoupe
