#include "ModalScript.h"

#include "app/ProgramState.h"
#include "controls/PopButton.h"
#include "wizard/frmAlert.h"
#include "wizard/frmCompleted.h"
#include "wizard/frmWiz.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace stoupe {
namespace {

using testing::ModalScript;

// The wizard window after the parts of its load sequence that exist.
class WizardWindow : public ::testing::Test {
protected:
    void SetUp() override {
        wizard = std::make_unique<frmWiz>();
        wizard->hideDebugControls();
        wizard->setUpPages();
        wizard->GoToPage(0, Direction::Initial);
        wizard->raiseNavigation();
        wizard->parkFocusSentinels();
        wizard->TakeSnapshot();
        wizard->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(wizard.get()));
    }

    static void click(QWidget* button) {
        ASSERT_TRUE(button->isVisibleTo(button->window())) << qPrintable(button->objectName());
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    }

    PopButton* next() const { return wizard->becmdNavNext[0]; }
    PopButton* back() const { return wizard->becmdNavBack; }
    bool shown(QWidget* control) const { return control->isVisibleTo(wizard.get()); }

    // Presses Next (the large one on page 0) until the submit page.
    std::vector<int> forwardToSubmit() {
        std::vector<int> pages{wizard->CurrentPage};
        click(wizard->becmdNavNext[1]);
        pages.push_back(wizard->CurrentPage);
        while (wizard->CurrentPage != 13 && pages.size() < 20) {
            click(next());
            pages.push_back(wizard->CurrentPage);
        }
        return pages;
    }

    std::vector<int> backToOverview() {
        std::vector<int> pages{wizard->CurrentPage};
        while (wizard->CurrentPage != 1 && pages.size() < 20) {
            click(back());
            pages.push_back(wizard->CurrentPage);
        }
        return pages;
    }

    ModalScript modals;
    std::unique_ptr<frmWiz> wizard;
};

TEST_F(WizardWindow, ForwardAndBackOrderWithInfoCardsOnlyGoingForward) {
    EXPECT_EQ(forwardToSubmit(), (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 8, 10, 11, 12, 13}));
    EXPECT_EQ(modals.uses, (QStringList{"card1", "card2", "card4"}));
    EXPECT_EQ(wizard->lblPageNo->text(), QStringLiteral("9 of 10"));

    modals.uses.clear();
    EXPECT_EQ(backToOverview(), (std::vector<int>{13, 12, 11, 10, 8, 7, 6, 5, 4, 2, 1}));
    EXPECT_TRUE(modals.uses.isEmpty());
    // Only the shown page sits in the window; every other page is parked.
    for (int page = 0; page < PageFlow::PageCount; ++page)
        EXPECT_EQ(wizard->picStep[page]->x() == 0, page == 1) << page;
}

TEST_F(WizardWindow, HeadsPageLeftOutWhenSkipped) {
    wizard->SkipHeadsPage = true;
    EXPECT_EQ(forwardToSubmit(), (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 8, 11, 12, 13}));
    EXPECT_EQ(backToOverview(), (std::vector<int>{13, 12, 11, 8, 7, 6, 5, 4, 2, 1}));
}

TEST_F(WizardWindow, NavigationBarByPage) {
    const struct {
        int page;
        bool back, next, help, indicator;
    } cases[] = {{0, false, false, false, false}, {1, false, true, false, false},
                 {2, true, true, false, false},   {6, true, true, true, true},
                 {13, true, false, true, true},   {14, false, false, true, true}};
    for (const auto& c : cases) {
        wizard->GoToPage(c.page, Direction::Initial);
        ASSERT_EQ(wizard->CurrentPage, c.page);
        EXPECT_EQ(shown(back()), c.back) << c.page;
        EXPECT_EQ(back()->isEnabled(), c.back) << c.page;
        EXPECT_EQ(shown(next()), c.next) << c.page;
        EXPECT_EQ(next()->isEnabled(), c.next) << c.page;
        EXPECT_EQ(shown(wizard->becmdNavHelp), c.help) << c.page;
        EXPECT_EQ(shown(wizard->picPageNo), c.indicator) << c.page;
        EXPECT_TRUE(shown(wizard->becmdNavCancel)) << c.page;
    }
    EXPECT_TRUE(shown(wizard->becmdNavNext[1]));
}

TEST_F(WizardWindow, PageRulesGateNextAndTheDebugOverride) {
    bool complete = false;
    wizard->pageFlow().setNextRule(5, [&] { return complete; });
    wizard->GoToPage(5, Direction::Initial);
    EXPECT_FALSE(next()->isEnabled());
    complete = true;
    wizard->UpdateNavigation();
    EXPECT_TRUE(next()->isEnabled());
    complete = false;
    wizard->chkIgnoreValidation->setChecked(true);
    wizard->UpdateNavigation();
    EXPECT_TRUE(next()->isEnabled());
}

TEST_F(WizardWindow, HelpShowsFeaturePointCardOnPhotoPagesElseTheHelpDocument) {
    int helpOpened = 0;
    setShowHelpHandler([&] { ++helpOpened; });
    wizard->chkIgnoreValidation->setChecked(true); // cards are forced all the same
    for (int page : {7, 8}) {
        wizard->GoToPage(page, Direction::Initial);
        click(wizard->becmdNavHelp);
    }
    EXPECT_EQ(modals.uses, (QStringList{"card2", "card2"}));
    EXPECT_EQ(helpOpened, 0);
    wizard->GoToPage(4, Direction::Initial);
    click(wizard->becmdNavHelp);
    EXPECT_EQ(helpOpened, 1);
    setShowHelpHandler({});
}

TEST_F(WizardWindow, CancelQuitsWithoutQuestionWhenNothingChanged) {
    click(wizard->becmdNavCancel);
    EXPECT_TRUE(modals.uses.isEmpty());
    EXPECT_FALSE(wizard->isUnloaded()); // the unload follows 20 ms later
    EXPECT_TRUE(QTest::qWaitFor([&] { return wizard->isUnloaded(); }, 2000));
}

TEST_F(WizardWindow, WindowManagerCloseAsksLikeCancel) {
    wizard->MarkChanged();
    wizard->close(); // answered by closing the quit question: nothing happens
    EXPECT_TRUE(QTest::qWaitFor([&] { return modals.uses == QStringList{"quit"}; }, 2000));
    QTest::qWait(50);
    EXPECT_FALSE(wizard->isUnloaded());
    EXPECT_TRUE(wizard->isVisible());
}

TEST_F(WizardWindow, QuitQuestionWhenChanged) {
    wizard->MarkChanged();
    modals.answer = [](ModalWindow& window) {
        static_cast<frmAlert&>(window).becmdCancel->setFocus();
        QTest::mouseClick(static_cast<frmAlert&>(window).becmdCancel, Qt::LeftButton);
    };
    click(wizard->becmdNavCancel);
    EXPECT_EQ(modals.uses, QStringList{"quit"});
    QTest::qWait(60);
    EXPECT_FALSE(wizard->isUnloaded());

    int saves = 0;
    wizard->saveAs = [&] { ++saves; };
    modals.answer = [](ModalWindow& window) {
        QTest::mouseClick(static_cast<frmAlert&>(window).becmdSave, Qt::LeftButton);
    };
    click(wizard->becmdNavCancel);
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return wizard->isUnloaded(); }, 2000));
}

TEST_F(WizardWindow, AcceptStartsTheUploadOnlyOnceTheSubmitPageIsShownAgain) {
    struct Probe {
        int starts = 0, reenables = 0;
        int pageAtStart = -1;
        bool submitPageInPlace = false;
    } probe;
    wizard->submitHooks.startUpload = [&] {
        ++probe.starts;
        probe.pageAtStart = wizard->CurrentPage;
        probe.submitPageInPlace = wizard->picStep[13]->x() == 0 &&
                                  wizard->picStep[13]->isEnabled() && wizard->picStep[14]->x() != 0;
    };
    wizard->submitHooks.reenableUpload = [&] { ++probe.reenables; };

    wizard->GoToPage(13, Direction::Forward);
    wizard->GoToPage(14, Direction::Forward);
    click(wizard->becmdWarAccept);
    EXPECT_EQ(probe.starts, 1);
    EXPECT_EQ(probe.pageAtStart, 13);
    EXPECT_TRUE(probe.submitPageInPlace);
    EXPECT_TRUE(wizard->WarrantyAccepted);

    wizard->GoToPage(14, Direction::Forward);
    click(wizard->becmdWarReject);
    EXPECT_EQ(probe.starts, 1);
    EXPECT_EQ(probe.reenables, 1);
    EXPECT_FALSE(wizard->WarrantyAccepted);
}

TEST_F(WizardWindow, MailingChoiceOnlyForNewUsers) {
    for (bool newUser : {false, true}) {
        wizard->submitHooks.isNewUser = [newUser] { return newUser; };
        wizard->GoToPage(14, Direction::Forward);
        EXPECT_EQ(shown(wizard->chkNotMailList), newUser);
        EXPECT_EQ(wizard->chkNotMailList->isEnabled(), newUser);
        EXPECT_EQ(shown(wizard->imgMailing), newUser);
    }
}

TEST_F(WizardWindow, TipFollowsTheMouseOverTheDontPicture) {
    wizard->GoToPage(2, Direction::Initial);
    for (int i = 0; i < 5; ++i)
        wizard->lblDontPicTips[i]->setText(QStringLiteral("tip %1").arg(i));
    QLabel* picture = wizard->img_3DoDont[1];
    auto moveTo = [&](QPointF position) {
        QMouseEvent move(QEvent::MouseMove, position, picture->mapToGlobal(position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &move);
    };
    moveTo({37.4, 250});
    EXPECT_EQ(wizard->currentTip(), 0);
    EXPECT_EQ(picture->toolTip(), QStringLiteral("tip 0"));
    EXPECT_TRUE(wizard->tipWatchActive());
    moveTo({112.2, 250});
    EXPECT_EQ(wizard->currentTip(), 1);
    EXPECT_EQ(picture->toolTip(), QStringLiteral("tip 1"));
    moveTo({112.2, 220});
    EXPECT_EQ(wizard->currentTip(), -1);
    EXPECT_TRUE(picture->toolTip().isEmpty());
    EXPECT_FALSE(wizard->tipWatchActive());
}

TEST_F(WizardWindow, CompletionWindowLayoutsAndChoices) {
    int saves = 0;
    wizard->saveAs = [&] { ++saves; };
    struct Seen {
        QString use;
        int buttons = 0;
        bool lose = false;
    } seen;
    auto answerWith = [&](int which) {
        modals.answer = [&seen, which](ModalWindow& window) {
            if (window.use().startsWith(QStringLiteral("card")))
                return;
            auto& done = static_cast<frmCompleted&>(window);
            seen.use = done.use();
            seen.buttons = 0;
            for (QWidget* button : window.findChildren<PopButton*>())
                seen.buttons += button->isVisibleTo(&window) ? 1 : 0;
            seen.lose = done.lblLose->isVisibleTo(&window);
            PopButton* buttons[] = {done.becmdRestart[1], done.becmdQuit[1], done.becmdSave};
            if (seen.use == QStringLiteral("completed-unchanged"))
                buttons[0] = done.becmdRestart[0], buttons[1] = done.becmdQuit[0];
            QTest::mouseClick(buttons[which], Qt::LeftButton);
        };
    };

    wizard->GoToPage(13, Direction::Forward);
    answerWith(0); // Restart
    wizard->StartReset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->CurrentPage == 4; }, 2000));
    EXPECT_EQ(seen.use, QStringLiteral("completed-unchanged"));
    EXPECT_EQ(seen.buttons, 2);
    EXPECT_FALSE(seen.lose);

    wizard->MarkChanged();
    answerWith(2); // Save, then quit
    wizard->StartReset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->isUnloaded(); }, 2000));
    EXPECT_EQ(seen.use, QStringLiteral("completed-changed"));
    EXPECT_EQ(seen.buttons, 3);
    EXPECT_TRUE(seen.lose);
    EXPECT_EQ(saves, 1);
}

TEST_F(WizardWindow, DebugControlsHiddenAndDisabled) {
    for (QCheckBox* box :
         {wizard->chkIgnoreValidation, wizard->chkAltServer, wizard->chkSaveAsUpload}) {
        EXPECT_FALSE(shown(box)) << qPrintable(box->objectName());
        EXPECT_FALSE(box->isEnabled()) << qPrintable(box->objectName());
    }
}

// The resource binding finds the controls by object name and reads their Tag.
TEST_F(WizardWindow, ControlsCarryTheirTags) {
    const struct {
        const char* name;
        const char* tag;
    } cases[] = {{"picStep_1", ":1002 zub_overview"},
                 {"picStep_14", "zub_warranty_data"},
                 {"becmdNavNext_0", "40100"},
                 {"becmdNavNext_1", "40100"},
                 {"becmdNavBack_0", "40101"},
                 {"becmdNavCancel_0", "40102"},
                 {"becmdNavHelp_0", "40103"},
                 {"becmdCheckUpdate", "40104"},
                 {"lblVersion", "40522"},
                 {"lblDontPicTips_4", "40204"},
                 {"lblToolHolderRemindMe", "40118"},
                 {"lblToolHolderRestart", "40124"}};
    for (const auto& c : cases) {
        auto* control = wizard->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->property("Tag").toString(), QString::fromLatin1(c.tag)) << c.name;
    }
}

TEST_F(WizardWindow, FocusSentinelsPassTheFocusOn) {
    QWidget target(wizard->picStep[4]);
    target.setFocusPolicy(Qt::StrongFocus);
    target.show();
    wizard->txtDummyForTabs_info_1[0]->setResolver([&] { return &target; });
    wizard->GoToPage(4, Direction::Initial);
    QApplication::setActiveWindow(wizard.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(wizard.get()));
    wizard->txtDummyForTabs_info_1[0]->setFocus();
    EXPECT_TRUE(target.hasFocus());
    EXPECT_GT(wizard->txtDummyForTabs_info_1[0]->x(), wizard->picStep[0]->width());
}

} // namespace
} // namespace stoupe
