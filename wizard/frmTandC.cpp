#include "wizard/frmTandC.h"

#include "assets/UiPictures.h"
#include "controls/PopButton.h"
#include "wizard/Looks.h"

#include <QLabel>
#include <QTextBrowser>

namespace stoupe {

frmTandC::frmTandC(QWidget* parent) : ModalWindow(parent) {
    setObjectName(QStringLiteral("frmTandC"));
    setUse(QStringLiteral("legal-notices"));
    lblTitle = makeLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Vellamor Legal Notices"),
                         {20, 14, 360, 26});
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(12);
    lblTitle->setFont(bold);
    lblTitle->setStyleSheet(QStringLiteral("color: #84005A;"));

    rtbTandC = new QTextBrowser(this);
    rtbTandC->setObjectName(QStringLiteral("rtbTandC"));
    rtbTandC->setGeometry(20, 46, 360, 150);
    rtbTandC->setOpenLinks(false);
    rtbTandC->setHtml(ui::document(QStringLiteral("legal-notices")));

    becmdOK = new PopButton(this);
    becmdOK->setObjectName(QStringLiteral("becmdOK"));
    dressButton(becmdOK, QStringLiteral("ok"), QStringLiteral("OK"), {90, 30});
    becmdOK->move(290, 206);
    connect(becmdOK, &PopButton::Click, this, [this] {
        bYes = true;
        accept();
    });
}

} // namespace stoupe
