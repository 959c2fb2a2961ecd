#pragma once

#include "wizard/ModalWindow.h"

class QLabel;
class QTextBrowser;

namespace stoupe {

class PopButton;

// The legal notices, shown from the personal details and warranty pages.
class frmTandC : public ModalWindow {
    Q_OBJECT
public:
    explicit frmTandC(QWidget* parent = nullptr);

    bool bYes = false;

    QLabel* lblTitle;
    QTextBrowser* rtbTandC;
    PopButton* becmdOK;
};

} // namespace stoupe
