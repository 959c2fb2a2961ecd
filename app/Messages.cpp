#include "app/Messages.h"

#include "app/ProgramState.h"
#include "wizard/frmAlert.h"

#include <QPointer>

namespace stoupe {

namespace {
QPointer<frmAlert>& openHelpMessage() {
    static QPointer<frmAlert> window;
    return window;
}
QPointer<frmAlert>& openQuestion() {
    static QPointer<frmAlert> window;
    return window;
}
} // namespace

void ShowMessage(const QString& text, const QString& title, bool offerHelp) {
    frmAlert alert;
    alert.dressMessage(title, text, offerHelp);
    if (offerHelp) {
        if (openHelpMessage())
            openHelpMessage()->GoAway();
        openHelpMessage() = &alert;
    }
    alert.exec();
    if (alert.bHelp)
        ShowHelp();
}

bool AskYesNo(const QString& text, const QString& title) {
    frmAlert alert;
    alert.dressQuestion(title, text);
    openQuestion() = &alert;
    alert.exec();
    return alert.bYes;
}

void CloseOpenQuestion() {
    if (openQuestion())
        openQuestion()->GoAway();
}

} // namespace stoupe
