#pragma once

#include "wizard/ModalWindow.h"

#include <array>

class QLabel;

namespace stoupe {

class PopButton;

// The window of every message, question and information card. All controls
// start hidden; the opener shows those of its use.
class frmAlert : public ModalWindow {
    Q_OBJECT
public:
    explicit frmAlert(QWidget* parent = nullptr);

    // Dressings for each use.
    void dressMessage(const QString& title, const QString& text, bool offerHelp);
    void dressQuestion(const QString& title, const QString& text);
    void dressUpdateQuestion();
    void dressQuitQuestion();
    // Information card of kind 1, 2 or 4; false for any other kind.
    bool dressInfoCard(int kind);

    bool bYes = false;
    bool bSave = false;
    bool bHelp = false;

    // The alert's own background, as lent to the other small windows.
    static QPixmap lentBackground();

    QLabel* lblTitle;
    QLabel* lblGeneral;
    std::array<QLabel*, 2> lblUpdate;
    std::array<QLabel*, 3> lblQuit;
    std::array<QLabel*, 2> imgFPE;
    QLabel* imgBusiness;
    QLabel* imgWig;
    PopButton* becmdYes;
    PopButton* becmdOK;
    PopButton* becmdNo;
    PopButton* becmdQuit;
    PopButton* becmdSave;
    PopButton* becmdCancel;
    PopButton* becmdNavHelp;

private:
    void answer(bool yes, bool save = false, bool help = false);
};

} // namespace stoupe
