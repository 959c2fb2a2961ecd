#pragma once

#include "wizard/ModalWindow.h"

#include <array>

class QLabel;

namespace stoupe {

class PopButton;

// Shown after a successful upload: quit, restart with the data kept, or save
// and quit.
class frmCompleted : public ModalWindow {
    Q_OBJECT
public:
    explicit frmCompleted(QWidget* parent = nullptr);

    // One of the two layouts: with changed data it offers Save and warns.
    void showLayout(bool dataChanged);
    void setRestartToolTip(const QString& tip);

    bool bRestart = false;
    bool bQuit = false;
    bool bSave = false;

    QLabel* lblTitle;
    QLabel* imgBadge;
    std::array<PopButton*, 2> becmdQuit;
    std::array<PopButton*, 2> becmdRestart;
    PopButton* becmdSave;
    QLabel* lblLose;

private:
    void choose(bool restart, bool quit, bool save);
};

} // namespace stoupe
