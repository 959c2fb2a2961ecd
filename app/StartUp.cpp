#include "app/StartUp.h"

#include "app/Automation.h"
#include "app/Folders.h"
#include "app/Messages.h"
#include "app/ProgramState.h"
#include "app/WizardLoad.h"
#include "app/frmSplash.h"
#include "wizard/ModalWindow.h"
#include "wizard/frmWiz.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <exception>

namespace stoupe {

namespace {

constexpr int SplashHoldMs = 2000;

void reportLoadFailure(const QString& description) {
    ShowMessage(QStringLiteral("Program Loading Error: \n%1\n"
                               "[Unexpected error. Have you installed the program correctly]")
                    .arg(description),
                QStringLiteral("Missing Component"), false);
    SharedWindows& windows = sharedWindows();
    if (windows.splash && !windows.splash->Killed)
        windows.splash->close();
    delete windows.splash;
    if (windows.wizard) {
        windows.wizard->Unload();
        delete windows.wizard;
    }
}

// Waits until the splash has been up for the hold time or has closed itself.
// The hold is measured on a monotonic clock, so midnight or a clock change
// cannot stretch or cut it.
void holdSplash(frmSplash& splash, const QElapsedTimer& shownFor) {
    const qint64 remaining = SplashHoldMs - shownFor.elapsed();
    if (remaining <= 0 || splash.Killed)
        return;
    QEventLoop wait;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &wait, &QEventLoop::quit);
    QObject::connect(&splash, &frmSplash::killed, &wait, &QEventLoop::quit);
    deadline.start(static_cast<int>(remaining));
    wait.exec();
}

} // namespace

SharedWindows& sharedWindows() {
    static SharedWindows windows;
    return windows;
}

void ReleaseShared() {
    SharedWindows& windows = sharedWindows();
    if (windows.splash)
        windows.splash->deleteLater();
    windows.splash = nullptr;
    windows.wizard = nullptr;
    releaseSharedState();
}

bool StartUp() {
    return StartUp(Folders::ofExecutable());
}

bool StartUp(const Folders& folders) {
    // Step 1: the acquisition-file settings start as ProgramState gives them.
    programState() = ProgramState{};

    // Step 2.
    SharedWindows& windows = sharedWindows();
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    windows.splash = splash;
    splash->bStayAlive = true;
    splash->show();
    QCoreApplication::processEvents();
    QElapsedTimer shownFor;
    shownFor.start();
    automationSplashShown(*splash);

    // Step 3: the empty reference point sets and swatch collection came with
    // the fresh program state of step 1.

    // Step 4.
    try {
        windows.wizard = new frmWiz;
        QObject::connect(windows.wizard, &frmWiz::unloaded, [] { ReleaseShared(); });
        windows.wizard->setAttribute(Qt::WA_DeleteOnClose);
        LoadWizard(*windows.wizard, folders);
    } catch (const std::exception& error) {
        reportLoadFailure(QString::fromLocal8Bit(error.what()));
        return false;
    }

    // Step 5: the load has told the user why.
    if (!windows.wizard->bLoaded)
        return false;
    automationWizardLoaded();

    // Step 6.
    if (!windows.splash || windows.splash->backgroundPicture().isNull())
        ShowMessage(QStringLiteral("Unable to copy splash screen bitmap"),
                    QStringLiteral("Internal Program error"), false);

    // Step 7.
    frmWiz& wizard = *windows.wizard;
    if (windows.splash) {
        for (PageWidget* page : wizard.picStep)
            page->setPicture(windows.splash->backgroundPicture());
        for (int i = 0; i < 2; ++i)
            wizard.img_1Splalsh[i]->setPixmap(windows.splash->img_1Splalsh[i]->pixmap());
    }

    // Step 8.
    if (windows.splash) {
        windows.splash->bStayAlive = false;
        holdSplash(*windows.splash, shownFor);
    }

    // Step 9.
    centreOnScreen(&wizard);
    wizard.show();
    automationWizardShown(wizard);
    return true;
}

} // namespace stoupe
