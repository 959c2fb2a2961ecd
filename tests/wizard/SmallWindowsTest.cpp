#include "ModalScript.h"

#include "controls/PopButton.h"
#include "wizard/frmAlert.h"
#include "wizard/frmTandC.h"

#include <QLabel>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace stoupe {
namespace {

using testing::ModalScript;

struct Outcome {
    bool yes, save, help;
};

Outcome runQuitQuestion(const std::function<void(frmAlert&)>& answer) {
    ModalScript modals;
    modals.answer = [&](ModalWindow& window) { answer(static_cast<frmAlert&>(window)); };
    frmAlert alert;
    alert.dressQuitQuestion();
    alert.exec();
    return {alert.bYes, alert.bSave, alert.bHelp};
}

TEST(SmallWindows, AlertButtonsAndClosingAsCancel) {
    auto press = [](PopButton* frmAlert::*button) {
        return [button](frmAlert& alert) { QTest::mouseClick(alert.*button, Qt::LeftButton); };
    };
    const Outcome quit = runQuitQuestion(press(&frmAlert::becmdQuit));
    EXPECT_TRUE(quit.yes && !quit.save);
    const Outcome save = runQuitQuestion(press(&frmAlert::becmdSave));
    EXPECT_TRUE(save.yes && save.save);
    const Outcome cancel = runQuitQuestion(press(&frmAlert::becmdCancel));
    EXPECT_FALSE(cancel.yes || cancel.save);
    const Outcome escape =
        runQuitQuestion([](frmAlert& alert) { QTest::keyClick(&alert, Qt::Key_Escape); });
    EXPECT_FALSE(escape.yes || escape.save || escape.help);
    const Outcome closed = runQuitQuestion([](frmAlert& alert) { alert.close(); });
    EXPECT_FALSE(closed.yes || closed.save);
}

TEST(SmallWindows, AlertShowsOnlyWhatItsUseNeeds) {
    frmAlert message;
    message.dressMessage(QStringLiteral("Title"), QStringLiteral("Text"), false);
    EXPECT_TRUE(message.becmdOK->isVisibleTo(&message));
    EXPECT_FALSE(message.becmdNavHelp->isVisibleTo(&message));
    EXPECT_FALSE(message.becmdYes->isVisibleTo(&message));
    EXPECT_FALSE(message.lblQuit[0]->isVisibleTo(&message));

    frmAlert question;
    question.dressQuestion(QStringLiteral("Title"), QStringLiteral("Text"));
    EXPECT_TRUE(question.becmdYes->isVisibleTo(&question));
    EXPECT_TRUE(question.becmdNo->isVisibleTo(&question));
    EXPECT_FALSE(question.becmdOK->isVisibleTo(&question));

    frmAlert card;
    EXPECT_FALSE(card.dressInfoCard(3));
    EXPECT_TRUE(card.dressInfoCard(2));
    EXPECT_TRUE(card.imgFPE[0]->isVisibleTo(&card));
    EXPECT_EQ(card.size(), QSize(400, 250));
}

TEST(SmallWindows, LegalNoticesShowTheirDocument) {
    ModalScript modals;
    modals.answer = [](ModalWindow& window) {
        QTest::mouseClick(static_cast<frmTandC&>(window).becmdOK, Qt::LeftButton);
    };
    frmTandC notices;
    EXPECT_EQ(notices.lblTitle->text(), QStringLiteral("Vellamor Legal Notices"));
    EXPECT_TRUE(notices.rtbTandC->toPlainText().contains(QStringLiteral("LEGAL NOTICES")));
    notices.exec();
    EXPECT_TRUE(notices.bYes);
}

} // namespace
} // namespace stoupe
