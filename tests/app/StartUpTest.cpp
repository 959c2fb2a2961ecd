#include "../wizard/ModalScript.h"

#include "app/Messages.h"
#include "app/ProgramState.h"
#include "app/StartUp.h"
#include "app/WizardLoad.h"
#include "app/frmSplash.h"
#include "controls/PopButton.h"
#include "controls/clsSomeErrors.h"
#include "pictures/PictureFile.h"
#include "wizard/frmAlert.h"
#include "wizard/frmWiz.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace stoupe {
namespace {

using testing::ModalScript;

// The shipped libraries in the build's stage folder; tests that load the
// whole wizard skip when they have not been built.
bool stageBuilt() {
    return QFile::exists(QStringLiteral(STOUPE_TEST_STAGE_DIR "/Lang/EN/TextCore.dll"));
}
Folders stageFolders() {
    return Folders::fromBase(QStringLiteral(STOUPE_TEST_STAGE_DIR));
}
#define SKIP_WITHOUT_STAGE()                                                                       \
    if (!stageBuilt())                                                                             \
    GTEST_SKIP() << "the resource libraries of the stage folder were not built"

TEST(Messages, NewerHelpMessageClosesTheOlderOne) {
    ModalScript modals;
    QStringList closedTitles;
    int helpOpened = 0;
    setShowHelpHandler([&] { ++helpOpened; });
    modals.answer = [&](ModalWindow& window) {
        auto& alert = static_cast<frmAlert&>(window);
        if (alert.lblTitle->text() == QStringLiteral("first")) {
            // While the first is open, a handler shows a second one.
            ShowMessage(QStringLiteral("text"), QStringLiteral("second"), true);
            closedTitles << QStringLiteral("first closed: %1").arg(!alert.isVisible());
        } else {
            EXPECT_TRUE(alert.becmdNavHelp->isVisibleTo(&alert));
            QTest::mouseClick(alert.becmdNavHelp, Qt::LeftButton);
        }
    };
    ShowMessage(QStringLiteral("text"), QStringLiteral("first"), true);
    setShowHelpHandler({});
    EXPECT_EQ(closedTitles, QStringList{QStringLiteral("first closed: 1")});
    EXPECT_EQ(helpOpened, 1); // only the second was closed with Help
}

TEST(Messages, QuestionClosedFromOutsideAnswersNo) {
    ModalScript modals;
    modals.answer = [](ModalWindow&) { CloseOpenQuestion(); };
    EXPECT_FALSE(AskYesNo(QStringLiteral("Sure?"), QStringLiteral("Question")));

    modals.answer = [](ModalWindow& window) {
        QTest::mouseClick(static_cast<frmAlert&>(window).becmdYes, Qt::LeftButton);
    };
    EXPECT_TRUE(AskYesNo(QStringLiteral("Sure?"), QStringLiteral("Question")));
    CloseOpenQuestion(); // nothing open: nothing happens
}

TEST(WizardLoad, LoadsAndShowsTheFirstPage) {
    SKIP_WITHOUT_STAGE();
    ModalScript modals;
    programState() = ProgramState{};
    frmWiz wizard;
    EXPECT_TRUE(LoadWizard(wizard, stageFolders(), QRect(0, 0, 800, 600)));
    EXPECT_TRUE(wizard.bLoaded);
    EXPECT_EQ(wizard.CurrentPage, 0);
    EXPECT_EQ(wizard.picStep[0]->x(), 0);
    EXPECT_TRUE(programState().Points.RightProfile);
    EXPECT_FALSE(wizard.HasChanged());
    EXPECT_EQ(wizard.lblVersion->text(), QStringLiteral("Version 1.2.53"));
    EXPECT_FALSE(wizard.chkIgnoreValidation->isEnabled());
    for (const auto& pictureFile : wizard.PictureFiles) {
        ASSERT_NE(pictureFile, nullptr);
        EXPECT_TRUE(pictureFile->Empty_());
    }
    EXPECT_TRUE(modals.uses.isEmpty());
}

TEST(WizardLoad, SmallScreenEndsTheLoadWithItsMessage) {
    ModalScript modals;
    QString title;
    modals.answer = [&](ModalWindow& window) {
        title = static_cast<frmAlert&>(window).lblTitle->text();
    };
    frmWiz wizard;
    EXPECT_FALSE(LoadWizard(wizard, stageFolders(), QRect(0, 0, 640, 480)));
    EXPECT_FALSE(wizard.bLoaded);
    EXPECT_EQ(title, QStringLiteral("Screen Size Problem"));
    EXPECT_EQ(wizard.picStep[0]->x(), 0); // stopped before the page set-up
}

TEST(WizardLoad, ButtonErrorNumberOneIsReported) {
    SKIP_WITHOUT_STAGE();
    ModalScript modals;
    frmWiz wizard;
    ASSERT_TRUE(LoadWizard(wizard, stageFolders(), QRect(0, 0, 800, 600)));
    auto* reporter = wizard.findChild<clsSomeErrors*>(QStringLiteral("m_seh"));
    ASSERT_NE(reporter, nullptr);
    reporter->HandleError(2, QStringLiteral("x"));
    EXPECT_TRUE(modals.uses.isEmpty());
    reporter->HandleError(1, QStringLiteral("x"));
    EXPECT_EQ(modals.uses, QStringList{QStringLiteral("message")});
}

// The whole start: the wizard is shown no sooner than 2 s after the splash
// appeared, unless a click after loading closes the splash first.
TEST(StartUp, SplashHoldAndEarlyClick) {
    SKIP_WITHOUT_STAGE();
    ModalScript modals;
    for (bool click : {false, true}) {
        QElapsedTimer clock;
        clock.start();
        if (click) {
            QTimer::singleShot(300, [] {
                if (sharedWindows().splash)
                    QTest::mouseClick(sharedWindows().splash, Qt::LeftButton);
            });
        }
        ASSERT_TRUE(StartUp(stageFolders()));
        const qint64 elapsed = clock.elapsed();
        QPointer<frmWiz> wizard = sharedWindows().wizard;
        ASSERT_TRUE(wizard);
        EXPECT_TRUE(wizard->isVisible());
        if (click)
            EXPECT_LT(elapsed, 1900);
        else
            EXPECT_GE(elapsed, 1950);
        EXPECT_TRUE(modals.uses.isEmpty()) << qPrintable(modals.uses.join(','));
        wizard->Unload();
        EXPECT_TRUE(QTest::qWaitFor([&] { return wizard.isNull(); }, 2000));
        EXPECT_TRUE(QTest::qWaitFor([] { return sharedWindows().splash.isNull(); }, 3000));
    }
}

TEST(Splash, StaysWhileLoadingThenClosesOnFirstClick) {
    frmSplash splash;
    splash.bStayAlive = true;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    QTest::mouseClick(&splash, Qt::LeftButton);
    splash.RequestClose(); // as a tick would
    EXPECT_FALSE(splash.Killed);
    EXPECT_TRUE(splash.isVisible());
    splash.bStayAlive = false;
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_TRUE(splash.Killed);
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
} // namespace stoupe
