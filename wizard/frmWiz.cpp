#include "wizard/frmWiz.h"

#include "app/ProgramState.h"
#include "assets/UiPictures.h"
#include "controls/PopButton.h"
#include "controls/clsSomeErrors.h"
#include "pictures/PictureFile.h"
#include "wizard/Looks.h"
#include "wizard/frmAlert.h"
#include "wizard/frmCompleted.h"
#include "wizard/frmTandC.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QTextBrowser>

namespace stoupe {

namespace {

constexpr int ParkedLeft = -10000;
const QString TextColour = QStringLiteral("color: #3A3140;");

const char* const PageTags[PageFlow::PageCount] = {
    "zub_fp_why",           ":1002 zub_overview",   "zub_do_dont",      "zub_process_guide",
    "zub_personal_details", "zub_physical_details", "zub_fp_why",       "zub_fp_front",
    "zub_fp_profile",       "zub_fp_profile2",      "zub_gen_heads",    "zub_gen_hair",
    "zub_gen_spectacles",   "zub_gen_submit",       "zub_warranty_data"};

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

} // namespace

frmWiz::frmWiz(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmWiz"));
    setWindowTitle(QStringLiteral("Vellamor Stoupe"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resize(DesignWidth, DesignHeight);

    for (int i = 0; i < PageFlow::PageCount; ++i) {
        picStep[i] = new PageWidget(i, this);
        picStep[i]->setGeometry(0, 0, DesignWidth, DesignHeight);
        setTag(picStep[i], QString::fromLatin1(PageTags[i]));
        connect(picStep[i], &PageWidget::backgroundClicked, this, [this, i] {
            if (m_backgroundHooks[i])
                m_backgroundHooks[i]();
        });
        imgResTitle[i] = ui::picture(QStringLiteral("title-%1").arg(i, 2, 10, QLatin1Char('0')));
    }

    buildWelcomePage();
    buildOverviewPage();
    buildDoDontPage();
    buildFeaturePointPage();
    buildPersonalPage();
    buildPhysicalPage();
    buildPhotoExamples();
    buildHeadsPage();
    buildHairPage();
    buildSpectaclesPage();
    buildSubmitPage();
    buildWarrantyPage();
    buildSentinels();
    buildHiddenHolders();
    buildNavigation();

    tmrQuitFix.setSingleShot(true);
    connect(&tmrQuitFix, &QTimer::timeout, this, &frmWiz::Unload);
    tmrReset.setSingleShot(true);
    connect(&tmrReset, &QTimer::timeout, this, &frmWiz::completionTick);
    connect(&tmrDontPicTipWatch, &QTimer::timeout, this, &frmWiz::tipWatchTick);
}

frmWiz::~frmWiz() = default;

void frmWiz::buildNavigation() {
    imgBar =
        makeImage(this, QStringLiteral("imgBar"), QStringLiteral("nav-bar"), {0, 509}, {780, 56});
    picTitle = new QLabel(this);
    picTitle->setObjectName(QStringLiteral("picTitle"));
    picTitle->setGeometry(24, 16, 560, 52);
    picPageNo = makeImage(this, QStringLiteral("picPageNo"), QStringLiteral("page-indicator"),
                          {334, 522}, {112, 30});
    lblPageNo = makeLabel(picPageNo, QStringLiteral("lblPageNo"), {}, picPageNo->rect());
    lblPageNo->setAlignment(Qt::AlignCenter);
    lblPageNo->setWordWrap(false);
    QFont indicator = lblPageNo->font();
    indicator.setBold(true);
    indicator.setPixelSize(12);
    lblPageNo->setFont(indicator);
    lblPageNo->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    becmdNavHelp = makeButton(this, QStringLiteral("becmdNavHelp_0"), QStringLiteral("nav-help"),
                              QStringLiteral("Help"), {128, 520, 100, 34}, QStringLiteral("40103"));
    becmdNavCancel =
        makeButton(this, QStringLiteral("becmdNavCancel_0"), QStringLiteral("nav-cancel"),
                   QStringLiteral("Cancel"), {20, 520, 100, 34}, QStringLiteral("40102"));
    becmdNavBack = makeButton(this, QStringLiteral("becmdNavBack_0"), QStringLiteral("nav-back"),
                              QStringLiteral("Back"), {552, 520, 100, 34}, QStringLiteral("40101"));
    becmdNavNext[0] =
        makeButton(this, QStringLiteral("becmdNavNext_0"), QStringLiteral("nav-next"),
                   QStringLiteral("Next"), {660, 520, 100, 34}, QStringLiteral("40100"));

    connect(becmdNavHelp, &PopButton::Click, this, [this] { Navigate(NavHelp); });
    connect(becmdNavCancel, &PopButton::Click, this, [this] { Navigate(NavCancel); });
    connect(becmdNavBack, &PopButton::Click, this, [this] { Navigate(NavBack); });
    for (PopButton* next : becmdNavNext)
        connect(next, &PopButton::Click, this, [this] { Navigate(NavNext); });
}

void frmWiz::buildWelcomePage() {
    PageWidget* page = picStep[0];
    img_1Splalsh[0] = new QLabel(page);
    img_1Splalsh[0]->setObjectName(QStringLiteral("img_1Splalsh_0"));
    img_1Splalsh[0]->setGeometry(396, 96, 360, 96);
    img_1Splalsh[1] = new QLabel(page);
    img_1Splalsh[1]->setObjectName(QStringLiteral("img_1Splalsh_1"));
    img_1Splalsh[1]->setGeometry(44, 120, 300, 300);

    lblWelcome = makeLabel(
        page, QStringLiteral("lblWelcome"),
        QStringLiteral(
            "We recommend you check for an update to Stoupe, as this will give a superior result"),
        {400, 214, 350, 60});
    QFont welcome = lblWelcome->font();
    welcome.setPointSizeF(11);
    lblWelcome->setFont(welcome);
    lblWelcome->setStyleSheet(TextColour);

    becmdCheckUpdate = makeButton(
        page, QStringLiteral("becmdCheckUpdate"), QStringLiteral("check-update"),
        QStringLiteral("Check for update"), {400, 286, 180, 40}, QStringLiteral("40104"));
    becmdNavNext[1] =
        makeButton(page, QStringLiteral("becmdNavNext_1"), QStringLiteral("next-large"),
                   QStringLiteral("Let's start"), {572, 420, 180, 52}, QStringLiteral("40100"));

    lblVersion = makeLabel(page, QStringLiteral("lblVersion"), {}, {400, 470, 160, 20});
    lblVersion->setStyleSheet(QStringLiteral("color: #6E6570;"));
    setTag(lblVersion, QStringLiteral("40522"));

    chkAltServer = makeCheckBox(page, QStringLiteral("chkAltServer"),
                                QStringLiteral("chkAltServer"), {44, 440, 200, 20});
}

void frmWiz::buildOverviewPage() {
    PageWidget* page = picStep[1];
    for (int i = 0; i < 4; ++i)
        img_2Overview[i] =
            makeImage(page, QStringLiteral("img_2Overview_%1").arg(i),
                      QStringLiteral("overview-%1").arg(i), {32 + i * 184, 140}, {170, 250});
    chkIgnoreValidation = makeCheckBox(page, QStringLiteral("chkIgnoreValidation"),
                                       QStringLiteral("chkIgnoreValidation"), {20, 420, 300, 20});
    chkIgnoreValidation->setToolTip(
        QStringLiteral("Leave unchecked for page-by-page validation to run normally"));
}

void frmWiz::buildDoDontPage() {
    PageWidget* page = picStep[2];
    img_3DoDont[0] = makeImage(page, QStringLiteral("img_3DoDont_0"), QStringLiteral("dodont-0"),
                               {12, 96}, {374, 297});
    img_3DoDont[1] = makeImage(page, QStringLiteral("img_3DoDont_1"), QStringLiteral("dodont-1"),
                               {394, 96}, {374, 297});
    img_3DoDont[2] = makeImage(page, QStringLiteral("img_3DoDont_2"), QStringLiteral("dodont-2"),
                               {20, 410}, {740, 40});
    // The do and don't badges sit on the small marks in the pictures' corners.
    const QSize badge(28, 28);
    img_3DoDont[3] = makeImage(page, QStringLiteral("img_3DoDont_3"), QStringLiteral("dodont-3"),
                               {26, 108}, badge);
    img_3DoDont[4] = makeImage(page, QStringLiteral("img_3DoDont_4"), QStringLiteral("dodont-4"),
                               {408, 108}, badge);
    for (int i : {3, 4}) {
        img_3DoDont[i]->setPixmap(designPicture(QStringLiteral("dodont-%1").arg(i), badge));
        img_3DoDont[i]->resize(badge);
    }
    for (QLabel* picture : img_3DoDont) {
        picture->setMouseTracking(true);
        picture->installEventFilter(this);
    }
    for (int i = 0; i < 5; ++i) {
        lblDontPicTips[i] =
            makeLabel(page, QStringLiteral("lblDontPicTips_%1").arg(i), {}, {0, 0, 10, 10});
        setTag(lblDontPicTips[i], QString::number(40200 + i));
        lblDontPicTips[i]->hide();
    }
}

void frmWiz::buildFeaturePointPage() {
    img_3FP1All = makeImage(picStep[6], QStringLiteral("img_3FP1All"),
                            QStringLiteral("feature-points"), {40, 100}, {700, 380});
}

void frmWiz::buildSubmitPage() {
    chkSaveAsUpload =
        makeCheckBox(picStep[PageFlow::SubmitPage], QStringLiteral("chkSaveAsUpload"),
                     QStringLiteral("chkSaveAsUpload (no real effect now Upload is NOT reencoded)"),
                     {24, 470, 420, 20});
}

void frmWiz::buildWarrantyPage() {
    PageWidget* page = picStep[PageFlow::WarrantyPage];
    rtfWaranty = new QTextBrowser(page);
    rtfWaranty->setObjectName(QStringLiteral("rtfWaranty"));
    rtfWaranty->setGeometry(24, 80, 732, 330);
    rtfWaranty->setOpenLinks(false);
    rtfWaranty->setStyleSheet(
        QStringLiteral("QTextBrowser { background: white; border: 1px solid #EDE6EB; }"));
    rtfWaranty->setHtml(ui::document(QStringLiteral("user-agreement")));

    chkNotMailList = makeCheckBox(page, QStringLiteral("chkNotMailList"), {}, {24, 420, 20, 20});
    imgMailing = makeImage(page, QStringLiteral("imgMailing"), QStringLiteral("mailing-label"),
                           {48, 420}, {330, 20});

    becmdWarrantyTandC =
        makeButton(page, QStringLiteral("becmdWarrantyTandC"), QStringLiteral("legal"),
                   QStringLiteral("Legal notices"), {24, 455, 150, 36});
    becmdWarReject = makeButton(page, QStringLiteral("becmdWarReject"), QStringLiteral("reject"),
                                QStringLiteral("Reject"), {496, 455, 120, 36});
    becmdWarAccept = makeButton(page, QStringLiteral("becmdWarAccept"), QStringLiteral("accept"),
                                QStringLiteral("Accept"), {636, 455, 120, 36});
    connect(becmdWarAccept, &PopButton::Click, this, [this] { acceptWarranty(true); });
    connect(becmdWarReject, &PopButton::Click, this, [this] { acceptWarranty(false); });
    connect(becmdWarrantyTandC, &PopButton::Click, this, &frmWiz::OpenLegalNotices);
}

void frmWiz::buildSentinels() {
    for (int i = 0; i < 2; ++i) {
        txtDummyForTabs_info_1[i] =
            new FocusSentinel(QStringLiteral("txtDummyForTabs_info_1_%1").arg(i), picStep[4]);
        txtDummyForTabs_info_2[i] =
            new FocusSentinel(QStringLiteral("txtDummyForTabs_info_2_%1").arg(i), picStep[5]);
        txtDummyForTabs_Submit3[i] = new FocusSentinel(
            QStringLiteral("txtDummyForTabs_Submit3_%1").arg(i), picStep[PageFlow::SubmitPage]);
    }
    txtDummyForTabs_Submit1 =
        new FocusSentinel(QStringLiteral("txtDummyForTabs_Submit1"), picStep[PageFlow::SubmitPage]);
    txtDummyForTabs_Submit2 =
        new FocusSentinel(QStringLiteral("txtDummyForTabs_Submit2"), picStep[PageFlow::SubmitPage]);
    // On the warranty page the sentinel keeps the focus: it has no resolver.
    txtDummyForTabs_Warranty = new FocusSentinel(QStringLiteral("txtDummyForTabs_Warranty"),
                                                 picStep[PageFlow::WarrantyPage]);
}

void frmWiz::buildHiddenHolders() {
    lblToolHolderRemindMe =
        makeLabel(this, QStringLiteral("lblToolHolderRemindMe"), {}, {0, 0, 10, 10});
    setTag(lblToolHolderRemindMe, QStringLiteral("40118"));
    lblToolHolderRemindMe->hide();
    lblToolHolderRestart =
        makeLabel(this, QStringLiteral("lblToolHolderRestart"), {}, {0, 0, 10, 10});
    setTag(lblToolHolderRestart, QStringLiteral("40124"));
    lblToolHolderRestart->hide();
}

// ---------------------------------------------------------------- load steps

void frmWiz::hideDebugControls() {
    if (programState().DebugMode)
        return;
    for (QCheckBox* box : {chkIgnoreValidation, chkAltServer, chkSaveAsUpload}) {
        box->hide();
        box->setEnabled(false);
    }
    chkSaveAsUpload->setChecked(false);
}

void frmWiz::setUpPages() {
    const int height = picStep[0]->height();
    for (PageWidget* page : picStep) {
        page->move(ParkedLeft, 0);
        page->setEnabled(false);
        page->resize(page->width(), height);
    }
}

void frmWiz::raiseNavigation() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{imgBar, lblPageNo, becmdNavBack, becmdNavNext[0],
                                         becmdNavHelp, becmdNavCancel, picTitle, picPageNo})
        control->raise();
}

void frmWiz::parkFocusSentinels() {
    const int left = picStep[0]->width() + 100;
    for (FocusSentinel* sentinel : findChildren<FocusSentinel*>())
        sentinel->move(left, sentinel->y());
}

void frmWiz::appendVersion(int major, int minor, int revision) {
    lblVersion->setText(
        QStringLiteral("%1%2.%3.%4").arg(lblVersion->text()).arg(major).arg(minor).arg(revision));
}

QList<PopButton*> frmWiz::pictureButtons() const {
    return findChildren<PopButton*>();
}

void frmWiz::setErrorHandler(clsSomeErrors* handler) {
    for (PopButton* button : pictureButtons())
        button->setErrorHandler(handler);
}

void frmWiz::ShowHelp() {
    stoupe::ShowHelp();
}

void frmWiz::setEntryHook(int page, std::function<void(Direction)> hook) {
    if (page >= 0 && page < PageFlow::PageCount)
        m_entryHooks[page] = std::move(hook);
}

void frmWiz::setBackgroundClickHook(int page, std::function<void()> hook) {
    if (page >= 0 && page < PageFlow::PageCount)
        m_backgroundHooks[page] = std::move(hook);
}

// ---------------------------------------------------------------- page flow

void frmWiz::GoToPage(int page, Direction direction) {
    const int leaving = CurrentPage;
    const PageFlow::Target target = PageFlow::resolve(page, direction, leaving, SkipHeadsPage);
    if (target.stepBackUpload && submitHooks.doPrev)
        submitHooks.doPrev(true);
    const int p = target.page;

    if (const int card = PageFlow::infoCardFor(p, direction))
        ShowInfoCard(card, false);

    picStep[leaving]->setEnabled(false);
    picStep[p]->setEnabled(true);

    bool startUploadAfter = false;
    enterPage(p, direction, startUploadAfter);

    picStep[p]->move(0, 0);
    if (p != leaving)
        picStep[leaving]->move(ParkedLeft, 0);

    ShowPageNumber(p);
    SetPage(p);
    UpdateNavigation();

    if (startUploadAfter) {
        QCoreApplication::processEvents();
        if (submitHooks.startUpload)
            submitHooks.startUpload();
    }
}

void frmWiz::enterPage(int page, Direction direction, bool& startUploadAfter) {
    switch (page) {
    case 2:
        img_3DoDont[1]->setToolTip({});
        CurrentTip = -1;
        break;
    case PageFlow::SubmitPage:
        if (direction == Direction::Forward) {
            if (submitHooks.prepareSubmission)
                submitHooks.prepareSubmission();
            WarrantyAccepted = false;
        } else if (WarrantyAccepted) {
            startUploadAfter = true;
        } else if (submitHooks.reenableUpload) {
            submitHooks.reenableUpload();
        }
        break;
    case PageFlow::WarrantyPage: {
        const bool newUser = submitHooks.isNewUser && submitHooks.isNewUser();
        chkNotMailList->setVisible(newUser);
        chkNotMailList->setEnabled(newUser);
        imgMailing->setVisible(newUser);
        imgMailing->setEnabled(newUser);
        break;
    }
    default:
        break;
    }
    if (m_entryHooks[page])
        m_entryHooks[page](direction);
}

void frmWiz::ShowPageNumber(int page) {
    const QString text = PageFlow::pageNumberText(page, SkipHeadsPage);
    picPageNo->setVisible(!text.isEmpty());
    lblPageNo->setText(text);
    if (imgResTitle[page].isNull())
        picTitle->clear();
    else
        picTitle->setPixmap(imgResTitle[page]);
}

void frmWiz::SetPage(int page) {
    CurrentPage = page;
    const bool help = PageFlow::helpVisible(page);
    becmdNavHelp->setEnabled(help);
    becmdNavHelp->setVisible(help);
}

void frmWiz::UpdateNavigation() {
    becmdNavBack->setVisible(true);
    becmdNavNext[0]->setVisible(true);
    const bool ignore = chkIgnoreValidation->isChecked();
    const PageFlow::NavState nav =
        PageFlow::gate(CurrentPage, m_flow.nextRuleMet(CurrentPage), ignore);
    becmdNavBack->setVisible(nav.backVisible);
    becmdNavBack->setEnabled(nav.backEnabled);
    becmdNavNext[0]->setVisible(nav.nextVisible);
    becmdNavNext[0]->setEnabled(nav.nextEnabled);
}

void frmWiz::Navigate(int action) {
    switch (action) {
    case NavHelp:
        if (CurrentPage >= 7 && CurrentPage <= 9)
            ShowInfoCard(2, true);
        else
            ShowHelp();
        break;
    case NavCancel:
        if (AskQuit())
            QuitSoon();
        break;
    case NavBack:
        GoToPage(CurrentPage - 1, Direction::Back);
        break;
    case NavNext:
        if (CurrentPage == PageFlow::WarrantyPage)
            GoToPage(PageFlow::SubmitPage, Direction::Back);
        else
            GoToPage(CurrentPage + 1, Direction::Forward);
        break;
    default:
        break;
    }
}

bool frmWiz::ShowInfoCard(int kind, bool force) {
    if (chkIgnoreValidation->isChecked() && !force)
        return false;
    frmAlert card(this);
    card.frmParent = this;
    if (!card.dressInfoCard(kind))
        return false;
    card.exec();
    return card.bYes;
}

// ---------------------------------------------------------------- quitting

bool frmWiz::AskQuit() {
    if (!HasChanged())
        return true;
    frmAlert question(this);
    question.frmParent = this;
    question.dressQuitQuestion();
    question.exec();
    if (question.bSave) {
        // Whatever the save did, the program quits: the save reports its own
        // failures.
        if (saveAs)
            saveAs();
        return true;
    }
    return question.bYes;
}

void frmWiz::QuitSoon() {
    tmrQuitFix.start(20);
}

void frmWiz::Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    tmrQuitFix.stop();
    tmrReset.stop();
    tmrDontPicTipWatch.stop();
    emit unloaded();
    close();
}

void frmWiz::closeEvent(QCloseEvent* event) {
    if (m_unloaded) {
        event->accept();
        return;
    }
    // A close from outside (the window manager) is the Cancel button: the
    // quit question decides, so entered data is never dropped unasked.
    event->ignore();
    QTimer::singleShot(0, this, [this] { Navigate(NavCancel); });
}

void frmWiz::StartReset() {
    tmrReset.start(10);
}

void frmWiz::completionTick() {
    tmrReset.stop();
    if (submitHooks.doPrev)
        submitHooks.doPrev(true);
    const bool changed = HasChanged();

    frmCompleted completed(this);
    completed.frmParent = this;
    completed.setRestartToolTip(lblToolHolderRestart->text());
    completed.setBackgroundPicture(frmAlert::lentBackground());
    completed.showLayout(changed);
    completed.exec();

    if (completed.bSave && saveAs)
        saveAs();
    // Closing the window without a choice keeps the user in the wizard with
    // his data, as Restart does.
    if (completed.bRestart || !completed.bQuit)
        GoToPage(4, Direction::Forward);
    else
        Unload();
}

// ---------------------------------------------------------------- warranty

void frmWiz::acceptWarranty(bool accepted) {
    WarrantyAccepted = accepted;
    GoToPage(PageFlow::SubmitPage, Direction::Back);
}

void frmWiz::OpenLegalNotices() {
    frmTandC notices(this);
    notices.frmParent = this;
    notices.setBackgroundPicture(frmAlert::lentBackground());
    notices.exec();
    if (CurrentPage == 4 && m_backgroundHooks[4])
        m_backgroundHooks[4]();
}

// ---------------------------------------------------------------- tips

bool frmWiz::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        for (int i = 0; i < 5; ++i) {
            if (watched == img_3DoDont[i])
                tipMouseMove(i, static_cast<QMouseEvent*>(event)->position());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmWiz::tipMouseMove(int picture, const QPointF& position) {
    if (picture < 0 || picture >= 5)
        return;
    QLabel* image = img_3DoDont[picture];
    const int cell = picture == 1 ? PageFlow::tipCell(position.x(), position.y()) : -1;
    if (cell == -1) {
        if (!image->toolTip().isEmpty())
            image->setToolTip({});
    } else if (cell != CurrentTip) {
        image->setToolTip(lblDontPicTips[cell]->text());
    }
    CurrentTip = cell;
    if (tmrDontPicTipWatch.isActive() && cell == -1)
        tmrDontPicTipWatch.stop();
    else if (!tmrDontPicTipWatch.isActive() && cell >= 0)
        tmrDontPicTipWatch.start(50);
}

void frmWiz::tipWatchTick() {
    tipMouseMove(1, img_3DoDont[1]->mapFromGlobal(QCursor::pos()));
}

// ---------------------------------------------------------------- dragging

void frmWiz::mousePressEvent(QMouseEvent* event) {
    if (!m_drag.press(this, event))
        QWidget::mousePressEvent(event);
}

void frmWiz::mouseMoveEvent(QMouseEvent* event) {
    if (!m_drag.move(this, event))
        QWidget::mouseMoveEvent(event);
}

void frmWiz::mouseReleaseEvent(QMouseEvent* event) {
    m_drag.release();
    QWidget::mouseReleaseEvent(event);
}

} // namespace stoupe
