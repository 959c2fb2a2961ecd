#include "app/WizardLoad.h"

#include "app/Messages.h"
#include "app/ProgramState.h"
#include "controls/UnSizer.h"
#include "controls/clsSomeErrors.h"
#include "pictures/ImagingComponent.h"
#include "pictures/PictureFile.h"
#include "resources/ResourceBinding.h"
#include "wizard/ModalWindow.h"
#include "wizard/frmWiz.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace stoupe {

namespace {

bool fail(frmWiz& wizard, const QString& title, const QString& text) {
    ShowMessage(text, title, false);
    wizard.bLoaded = false;
    return false;
}

QRect primaryScreenArea() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return {};
}

} // namespace

// Steps that belong to subsystems not yet in the program are left out and
// marked "NOT YET"; none of them is reported as done.
bool LoadWizard(frmWiz& wizard, const Folders& folders, QRect screenArea) {
    // Step 1 (NOT YET): the check that the window holds exactly two point
    // editors arrives with the point editors.

    // Step 2.
    wizard.bLoaded = true;
    QCoreApplication::processEvents();

    // Step 3.
    wizard.hideDebugControls();

    // Step 4.
    UnSizeForm(frmWiz::DesignWidth, frmWiz::DesignHeight, &wizard);

    // Step 5: fatal when the window does not fit the usable screen.
    if (screenArea.isEmpty())
        screenArea = primaryScreenArea();
    if (wizard.width() > screenArea.width() || wizard.height() > screenArea.height())
        return fail(wizard, QStringLiteral("Screen Size Problem"),
                    QStringLiteral("The screen is not big enough for the Vellamor Stoupe program. "
                                   "Please make it 800x600 or bigger."));

    // Step 6.
    centreOnScreen(&wizard);

    // Step 7: the imaging component that decodes the resource pictures.
    // Creating it cannot fail here: it is part of the program.
    ImagingComponent imaging;

    // Step 8: the shared error reporter of the picture buttons.
    auto* reporter = new clsSomeErrors(&wizard);
    reporter->setObjectName(QStringLiteral("m_seh"));
    wizard.setErrorHandler(reporter);
    QObject::connect(reporter, &clsSomeErrors::Errored, &wizard, [](qint16 nError, const QString&) {
        if (nError == 1)
            ShowMessage(QStringLiteral("Internal Error (seh_Errored)"),
                        QStringLiteral("Program Error"), false);
    });

    // Step 9 (NOT YET): imperial units arrive with the physical details page.

    // Step 10: fatal when a library is missing or cannot be bound.
    ProgramState& state = programState();
    ResourceBinding binding(wizard, folders, state.Points, state.SwatchPictures);
    if (!binding.LoadResources(&imaging))
        return fail(wizard, QStringLiteral("Missing or Invalid Resource File"),
                    QStringLiteral("Could not load program resource files. "
                                   "Have you installed the program properly?"));

    // Step 11: the hair and spectacles twins must match; the check shows its
    // own message.
    const MessageShower show = [](const QString& title, const QString& text) {
        ShowMessage(text, title, false);
    };
    const auto asList = [](const auto& images) {
        return QList<QLabel*>(images.begin(), images.end());
    };
    if (CheckChoicePairs(asList(wizard.imgHair), asList(wizard.imgHairF), QStringLiteral("Wig"),
                         show) ||
        CheckChoicePairs(asList(wizard.imgSpectacles), asList(wizard.imgSpectaclesF),
                         QStringLiteral("Glasses"), show)) {
        wizard.bLoaded = false;
        return false;
    }

    // Step 12: no hair and no spectacles, the heads-page skip, both grids at
    // their start. (NOT YET) the default measures arrive with the physical
    // details page.
    wizard.DefaultChoices();

    // Step 13.
    QCoreApplication::processEvents();
    // (NOT YET) the remind-me tooltip goes to the upload control when it exists.

    // Step 14.
    wizard.appendVersion(STOUPE_VERSION_MAJOR, STOUPE_VERSION_MINOR, STOUPE_VERSION_PATCH);

    // Step 15.
    wizard.setUpPages();

    // Step 16: the three photograph holders.
    for (auto& pictureFile : wizard.PictureFiles) {
        pictureFile = std::make_unique<PictureFile>();
        if (pictureFile->Failed())
            return fail(wizard, QStringLiteral("Missing Program File"),
                        QStringLiteral("Program Component not found. "
                                       "Have you installed the program properly?"));
    }

    // Step 17.
    wizard.GoToPage(0, Direction::Initial);
    programState().Points.RightProfile = true;

    // Steps 18-19 (NOT YET): starting the two point editors and placing the
    // profile page's photo controls arrive with the photo pages.

    // Step 20.
    wizard.raiseNavigation();
    wizard.parkFocusSentinels();
    QCoreApplication::processEvents();
    wizard.TakeSnapshot();
    return wizard.bLoaded;
}

} // namespace stoupe
