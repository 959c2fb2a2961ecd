#include "app/Automation.h"

#include "app/LoadedMark.h"
#include "app/Messages.h"
#include "app/frmSplash.h"
#include "wizard/ModalWindow.h"
#include "wizard/frmAlert.h"
#include "wizard/frmWiz.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace stoupe {

namespace {

QString screenshotDir() {
    return qEnvironmentVariable("STOUPE_SCREENSHOT_DIR");
}

void save(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(screenshotDir()).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

// Photographs every modal window when it shows, then closes it.
void photographModalWindows(const QString& prefix) {
    ModalWindow::setShownHook([prefix](ModalWindow& window) {
        save(window, prefix + window.use());
        window.GoAway();
    });
}

void walkWizard(frmWiz& wizard) {
    const QString dir = screenshotDir();
    QDir().mkpath(dir);
    photographModalWindows(QStringLiteral("window-"));
    // Examples for the hidden tip labels the resources fill in later.
    wizard.submitHooks.isNewUser = [] { return true; };
    for (int page = 0; page < PageFlow::PageCount; ++page) {
        if (page == 3 || page == 9)
            continue;
        wizard.GoToPage(page, Direction::Initial);
        save(wizard, QStringLiteral("page-%1").arg(page, 2, 10, QLatin1Char('0')));
    }
    wizard.GoToPage(2, Direction::Initial);
    ShowMessage(QStringLiteral("The photograph could not be read. It may be damaged or in a "
                               "format the program does not know."),
                QStringLiteral("Photograph Problem"), true);
    AskYesNo(QStringLiteral("Do you want to delete the head \"Sunday best\" from your account?"),
             QStringLiteral("Delete a Head"));
    {
        frmAlert update(&wizard);
        update.dressUpdateQuestion();
        update.exec();
    }
    wizard.MarkChanged();
    wizard.AskQuit();
    for (int kind : {1, 2, 4})
        wizard.ShowInfoCard(kind, true);
    photographModalWindows(QStringLiteral("window-"));
    wizard.OpenLegalNotices();
    // The completion window in both layouts; closing it without a choice
    // leaves the wizard on the personal details page.
    wizard.TakeSnapshot();
    wizard.StartReset();
    QTimer::singleShot(100, &wizard, [&wizard] {
        wizard.MarkChanged();
        wizard.StartReset();
        QTimer::singleShot(100, &wizard, [] {
            ModalWindow::setShownHook({});
            QApplication::exit(0);
        });
    });
}

} // namespace

void automationSplashShown(frmSplash& splash) {
    if (!screenshotDir().isEmpty()) {
        QDir().mkpath(screenshotDir());
        save(splash, QStringLiteral("splash"));
    }
}

void automationWizardLoaded() {
    if (qEnvironmentVariableIsEmpty("STOUPE_BENCH_LOADED"))
        return;
    reportLoadedAndExit();
}

void automationWizardShown(frmWiz& wizard) {
    if (screenshotDir().isEmpty())
        return;
    QTimer::singleShot(0, &wizard, [&wizard] { walkWizard(wizard); });
}

} // namespace stoupe
