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
    styleWindowTitle(lblTitle);

    rtbTandC = new QTextBrowser(this);
    rtbTandC->setObjectName(QStringLiteral("rtbTandC"));
    rtbTandC->setGeometry(20, 46, 360, 150);
    rtbTandC->setOpenLinks(false);
    rtbTandC->setHtml(ui::document(QStringLiteral("legal-notices")));

    becmdOK = makeButton(this, QStringLiteral("becmdOK"), QStringLiteral("ok"),
                         QStringLiteral("OK"), {290, 206, 90, 30});
    connect(becmdOK, &PopButton::Click, this, [this] {
        bYes = true;
        accept();
    });
}

} // namespace stoupe
