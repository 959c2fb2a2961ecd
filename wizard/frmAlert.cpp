#include "wizard/frmAlert.h"

#include "controls/PopButton.h"
#include "wizard/Looks.h"

#include <QLabel>

namespace stoupe {

namespace {
QLabel* hiddenLabel(QWidget* parent, const QString& name, const QString& text,
                    const QRect& geometry) {
    QLabel* label = makeLabel(parent, name, text, geometry);
    label->hide();
    return label;
}
} // namespace

frmAlert::frmAlert(QWidget* parent) : ModalWindow(parent) {
    setObjectName(QStringLiteral("frmAlert"));
    setBackgroundPicture(designPicture(QStringLiteral("alert-background"), size()));
    const QString text = QStringLiteral("color: #3A3140;");

    lblTitle = hiddenLabel(this, QStringLiteral("lblTitle"), {}, {24, 22, 352, 30});
    lblTitle->setAlignment(Qt::AlignCenter);
    styleWindowTitle(lblTitle);
    lblGeneral = hiddenLabel(this, QStringLiteral("lblGeneral"), {}, {28, 60, 344, 132});
    lblGeneral->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblGeneral->setStyleSheet(text);

    lblUpdate[0] = hiddenLabel(this, QStringLiteral("lblUpdate_0"),
                               QStringLiteral("Check for Update"), {24, 22, 352, 30});
    lblUpdate[0]->setAlignment(Qt::AlignCenter);
    styleWindowTitle(lblUpdate[0]);
    lblUpdate[1] = hiddenLabel(
        this, QStringLiteral("lblUpdate_1"),
        QStringLiteral("Do you want the program to look for an update on the Vellamor web site? "
                       "Further details and instructions will then be displayed. Please make "
                       "sure you are connected to the internet and then click Yes."),
        {28, 60, 344, 132});
    lblUpdate[1]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblUpdate[1]->setStyleSheet(text);

    const char* const quitTexts[] = {"Quit?", "You will lose all data.", ""};
    const QRect quitPlaces[] = {{134, 44, 240, 34}, {134, 86, 240, 24}, {134, 114, 240, 24}};
    for (int i = 0; i < 3; ++i) {
        lblQuit[i] = hiddenLabel(this, QStringLiteral("lblQuit_%1").arg(i),
                                 QString::fromLatin1(quitTexts[i]), quitPlaces[i]);
        lblQuit[i]->setStyleSheet(text);
    }
    QFont big = lblQuit[0]->font();
    big.setBold(true);
    big.setPointSizeF(16);
    lblQuit[0]->setFont(big);
    lblQuit[0]->setStyleSheet(QStringLiteral("color: #84005A;"));

    imgFPE[0] = makeImage(this, QStringLiteral("imgFPE_0"), QStringLiteral("card-fpe-0"), {22, 50},
                          {170, 130});
    imgFPE[1] = makeImage(this, QStringLiteral("imgFPE_1"), QStringLiteral("card-fpe-1"), {208, 50},
                          {170, 130});
    imgBusiness = makeImage(this, QStringLiteral("imgBusiness"), QStringLiteral("card-business"),
                            {0, 0}, size());
    imgWig = makeImage(this, QStringLiteral("imgWig"), QStringLiteral("card-wig"), {0, 0}, size());
    for (QLabel* image : {imgFPE[0], imgFPE[1], imgBusiness, imgWig})
        image->hide();

    becmdYes = makeButton(this, QStringLiteral("becmdYes"), QStringLiteral("yes"),
                          QStringLiteral("Yes"), {290, 204, 90, 30});
    becmdOK = makeButton(this, QStringLiteral("becmdOK"), QStringLiteral("ok"),
                         QStringLiteral("OK"), {290, 204, 90, 30});
    becmdNo = makeButton(this, QStringLiteral("becmdNo"), QStringLiteral("no"),
                         QStringLiteral("No"), {190, 204, 90, 30});
    becmdQuit = makeButton(this, QStringLiteral("becmdQuit"), QStringLiteral("quit"),
                           QStringLiteral("Quit"), {24, 44, 90, 30});
    becmdSave = makeButton(this, QStringLiteral("becmdSave"), QStringLiteral("save"),
                           QStringLiteral("Save"), {24, 88, 90, 30});
    becmdCancel = makeButton(this, QStringLiteral("becmdCancel"), QStringLiteral("cancel"),
                             QStringLiteral("Cancel"), {24, 132, 90, 30});
    becmdNavHelp = makeButton(this, QStringLiteral("becmdNavHelp"), QStringLiteral("help"),
                              QStringLiteral("Help"), {20, 204, 90, 30});
    for (PopButton* button :
         {becmdYes, becmdOK, becmdNo, becmdQuit, becmdSave, becmdCancel, becmdNavHelp})
        button->hide();

    connect(becmdYes, &PopButton::Click, this, [this] { answer(true); });
    connect(becmdOK, &PopButton::Click, this, [this] { answer(true); });
    connect(becmdQuit, &PopButton::Click, this, [this] { answer(true); });
    connect(becmdNo, &PopButton::Click, this, [this] { answer(false); });
    connect(becmdCancel, &PopButton::Click, this, [this] { answer(false); });
    connect(becmdSave, &PopButton::Click, this, [this] { answer(true, true); });
    connect(becmdNavHelp, &PopButton::Click, this, [this] { answer(true, false, true); });
}

void frmAlert::answer(bool yes, bool save, bool help) {
    bYes = yes;
    bSave = save;
    bHelp = help;
    if (yes)
        accept();
    else
        reject();
}

void frmAlert::dressMessage(const QString& title, const QString& text, bool offerHelp) {
    setUse(QStringLiteral("message"));
    lblTitle->setText(title);
    lblGeneral->setText(text);
    lblTitle->show();
    lblGeneral->show();
    becmdOK->show();
    becmdNavHelp->setVisible(offerHelp);
}

void frmAlert::dressQuestion(const QString& title, const QString& text) {
    setUse(QStringLiteral("question"));
    lblTitle->setText(title);
    lblGeneral->setText(text);
    lblTitle->show();
    lblGeneral->show();
    becmdYes->show();
    becmdNo->show();
}

void frmAlert::dressUpdateQuestion() {
    setUse(QStringLiteral("update"));
    lblUpdate[0]->show();
    lblUpdate[1]->show();
    becmdYes->show();
    becmdNo->show();
}

void frmAlert::dressQuitQuestion() {
    setUse(QStringLiteral("quit"));
    for (QLabel* label : lblQuit)
        label->show();
    becmdQuit->show();
    becmdSave->show();
    becmdCancel->show();
}

bool frmAlert::dressInfoCard(int kind) {
    switch (kind) {
    case 1:
        setBackgroundPicture(imgBusiness->pixmap());
        break;
    case 2:
        imgFPE[0]->show();
        imgFPE[1]->show();
        break;
    case 4:
        setBackgroundPicture(imgWig->pixmap());
        break;
    default:
        return false;
    }
    setUse(QStringLiteral("card%1").arg(kind));
    becmdOK->show();
    return true;
}

QPixmap frmAlert::lentBackground() {
    frmAlert alert;
    return alert.backgroundPicture();
}

} // namespace stoupe
