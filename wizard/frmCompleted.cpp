#include "wizard/frmCompleted.h"

#include "controls/PopButton.h"
#include "wizard/Looks.h"

#include <QLabel>

namespace stoupe {

frmCompleted::frmCompleted(QWidget* parent) : ModalWindow(parent) {
    setObjectName(QStringLiteral("frmCompleted"));
    imgBadge = makeImage(this, QStringLiteral("imgBadge"), QStringLiteral("completed-badge"),
                         {20, 14}, {64, 64});
    lblTitle = makeLabel(this, QStringLiteral("lblTitle"),
                         QStringLiteral("What do you want to do now?"), {96, 28, 284, 40});
    styleWindowTitle(lblTitle);

    becmdQuit[0] = makeButton(this, QStringLiteral("becmdQuit_0"), QStringLiteral("quit"),
                              QStringLiteral("Quit"), {96, 130, 90, 30});
    becmdRestart[0] = makeButton(this, QStringLiteral("becmdRestart_0"), QStringLiteral("restart"),
                                 QStringLiteral("Restart"), {214, 130, 90, 30});
    becmdRestart[1] = makeButton(this, QStringLiteral("becmdRestart_1"), QStringLiteral("restart"),
                                 QStringLiteral("Restart"), {40, 96, 90, 30});
    becmdQuit[1] = makeButton(this, QStringLiteral("becmdQuit_1"), QStringLiteral("quit"),
                              QStringLiteral("Quit"), {40, 144, 90, 30});
    becmdSave = makeButton(this, QStringLiteral("becmdSave"), QStringLiteral("save"),
                           QStringLiteral("Save"), {40, 192, 90, 30});
    for (PopButton* button :
         {becmdQuit[0], becmdQuit[1], becmdRestart[0], becmdRestart[1], becmdSave})
        button->hide();
    lblLose = makeLabel(this, QStringLiteral("lblLose"), QStringLiteral("You will lose all data."),
                        {144, 147, 236, 24});
    lblLose->setStyleSheet(QStringLiteral("color: #3A3140;"));
    lblLose->hide();

    for (PopButton* quit : becmdQuit)
        connect(quit, &PopButton::Click, this, [this] { choose(false, true, false); });
    for (PopButton* restart : becmdRestart)
        connect(restart, &PopButton::Click, this, [this] { choose(true, false, false); });
    connect(becmdSave, &PopButton::Click, this, [this] { choose(false, true, true); });
}

void frmCompleted::showLayout(bool dataChanged) {
    setUse(dataChanged ? QStringLiteral("completed-changed")
                       : QStringLiteral("completed-unchanged"));
    becmdQuit[0]->setVisible(!dataChanged);
    becmdRestart[0]->setVisible(!dataChanged);
    becmdQuit[1]->setVisible(dataChanged);
    becmdRestart[1]->setVisible(dataChanged);
    becmdSave->setVisible(dataChanged);
    lblLose->setVisible(dataChanged);
}

void frmCompleted::setRestartToolTip(const QString& tip) {
    for (PopButton* restart : becmdRestart)
        restart->setToolTip(tip);
}

void frmCompleted::choose(bool restart, bool quit, bool save) {
    bRestart = restart;
    bQuit = quit;
    bSave = save;
    accept();
}

} // namespace stoupe
