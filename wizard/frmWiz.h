#pragma once

#include "wizard/ChangeTracker.h"
#include "wizard/PageFlow.h"
#include "wizard/PageWidget.h"
#include "wizard/WindowDrag.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QTextBrowser;

namespace stoupe {

class PictureFile;

class ChooseColour;
class PopButton;
class clsSomeErrors;
class ucPrettyControl;

// The wizard window: fifteen pages, one shown at a time, under a navigation
// bar that stays in place. Pages that have behaviour of their own plug in
// through the page rules, entry hooks and background-click hooks below.
class frmWiz : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 780;
    static constexpr int DesignHeight = 565;

    enum NavAction { NavHelp = 0, NavCancel = 1, NavBack = 2, NavNext = 3 };

    explicit frmWiz(QWidget* parent = nullptr);
    ~frmWiz() override;

    // --- page flow
    void GoToPage(int page, Direction direction);
    void Navigate(int action);
    void UpdateNavigation();
    void ShowPageNumber(int page);
    void SetPage(int page);
    bool ShowInfoCard(int kind, bool force);

    // --- quitting and completion
    bool AskQuit();
    void QuitSoon();
    // The upload driver's "Resetting": opens the completion window 10 ms later.
    void StartReset();
    // Closes the wizard window for good (the program then ends).
    void Unload();
    bool isUnloaded() const { return m_unloaded; }

    // --- the photographs: 0 front, 1 profile, 2 created and checked but
    // never loaded. Made by the load sequence, owned for the whole run.
    std::array<std::unique_ptr<PictureFile>, 3> PictureFiles;

    // --- change tracking
    void MarkChanged() { m_changes.MarkChanged(); }
    void TakeSnapshot() { m_changes.TakeSnapshot(); }
    bool HasChanged() const { return m_changes.HasChanged(); }

    // --- load-sequence steps that belong to the window
    void hideDebugControls();
    void setUpPages();
    void parkFocusSentinels();
    void raiseNavigation();
    void appendVersion(int major, int minor, int revision);
    QList<PopButton*> pictureButtons() const;
    void setErrorHandler(clsSomeErrors* handler);
    void ShowHelp();
    // The legal-notices window (pages 4 and 14).
    void OpenLegalNotices();

    // --- choices bound from the resource libraries
    // Keeps the month-name list (a comma-separated text) for the date lists.
    void LoadSimpleStuff(const QString& monthNames) { strMonthNames = monthNames; }
    // No hair and no spectacles chosen; the heads page is skipped when the
    // first head slot has no picture; both grids back at their start.
    void DefaultChoices();
    // Grid scrolling: 0 up, 1 down, -1 refresh the buttons.
    void ScrollWigs(qint16 code);
    void ScrollSpecs(qint16 code);
    static bool hasPicture(const QLabel* image);
    static void setBordered(QLabel* image, bool bordered);
    static bool isBordered(const QLabel* image);

    // --- plug points for the pages of later subsystems
    PageFlow& pageFlow() { return m_flow; }
    void setEntryHook(int page, std::function<void(Direction)> hook);
    void setBackgroundClickHook(int page, std::function<void()> hook);
    struct SubmitHooks {
        std::function<void(bool)> doPrev;        // upload control steps back
        std::function<void()> prepareSubmission; // submit page entered going forward
        std::function<void()> reenableUpload;    // back on the submit page, not accepted
        std::function<void()> startUpload;       // back on the submit page, accepted
        std::function<bool()> isNewUser;         // the mailing-list choice applies
    };
    SubmitHooks submitHooks;
    std::function<void()> saveAs; // the wizard's Save As

    // --- do-and-don't tips
    void tipMouseMove(int picture, const QPointF& position);
    int currentTip() const { return CurrentTip; }
    bool tipWatchActive() const { return tmrDontPicTipWatch.isActive(); }

    // --- state
    bool bLoaded = false;
    int CurrentPage = 0;
    bool SkipHeadsPage = false;
    bool WarrantyAccepted = false;
    QString strMonthNames;
    qint16 nHairIndex = -1;
    qint32 lHairID = 100;
    qint16 nSpectaclesIndex = -1;
    qint32 lSpectaclesID = 9100;

    // --- controls
    std::array<PageWidget*, PageFlow::PageCount> picStep{};
    PopButton* becmdNavBack;
    std::array<PopButton*, 2> becmdNavNext;
    PopButton* becmdNavHelp;
    PopButton* becmdNavCancel;
    QLabel* picPageNo;
    QLabel* lblPageNo;
    QLabel* picTitle;
    QLabel* imgBar;
    std::array<QPixmap, PageFlow::PageCount> imgResTitle;

    std::array<QLabel*, 2> img_1Splalsh;
    QLabel* lblVersion;
    QLabel* lblWelcome;
    PopButton* becmdCheckUpdate;
    QCheckBox* chkAltServer;
    std::array<QLabel*, 4> img_2Overview;
    QCheckBox* chkIgnoreValidation;
    std::array<QLabel*, 5> img_3DoDont;
    std::array<QLabel*, 5> lblDontPicTips;
    QLabel* img_3FP1All;
    QCheckBox* chkSaveAsUpload;
    QTextBrowser* rtfWaranty;
    PopButton* becmdWarAccept;
    PopButton* becmdWarReject;
    PopButton* becmdWarrantyTandC;
    QCheckBox* chkNotMailList;
    QLabel* imgMailing;
    QLabel* lblToolHolderRemindMe;
    QLabel* lblToolHolderRestart;

    // Personal and physical details: the lists filled from the resources.
    ucPrettyControl* pcmbGender;
    ucPrettyControl* pcmbCountry;
    ucPrettyControl* pcmbUseFor;
    ucPrettyControl* pcmbShopFor;
    ucPrettyControl* pcmbBuild;
    // Photo pages: the hidden example pictures (male, female; front, left,
    // right profile).
    std::array<QLabel*, 3> imgMale;
    std::array<QLabel*, 3> imgFemale;
    // Heads, hair and spectacles pages: the choice slots.
    std::array<QLabel*, 4> imgHead;
    PopButton* becmdHeadsNone;
    QWidget* picWigsView;
    QWidget* picWigsContainer;
    std::array<PopButton*, 2> becmdWigScroll;
    std::array<QLabel*, 12> imgHair;
    std::array<QLabel*, 12> imgHairF;
    QLabel* imgHairNone;
    QLabel* imgHairFNone;
    ChooseColour* ccHair;
    QWidget* picSpecsView;
    QWidget* picSpecsContainer;
    std::array<PopButton*, 2> becmdSpecScroll;
    std::array<QLabel*, 18> imgSpectacles;
    std::array<QLabel*, 18> imgSpectaclesF;
    QLabel* imgSpecsNone;
    QLabel* imgSpecsFNone;
    ChooseColour* ccSpectacles;
    QLabel* img_4SpecsColour;

    std::array<FocusSentinel*, 2> txtDummyForTabs_info_1;
    std::array<FocusSentinel*, 2> txtDummyForTabs_info_2;
    FocusSentinel* txtDummyForTabs_Submit1;
    FocusSentinel* txtDummyForTabs_Submit2;
    std::array<FocusSentinel*, 2> txtDummyForTabs_Submit3;
    FocusSentinel* txtDummyForTabs_Warranty;

    QTimer tmrQuitFix;
    QTimer tmrReset;
    QTimer tmrDontPicTipWatch;

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildNavigation();
    void buildWelcomePage();
    void buildOverviewPage();
    void buildDoDontPage();
    void buildFeaturePointPage();
    void buildPersonalPage();
    void buildPhysicalPage();
    void buildPhotoExamples();
    void buildHeadsPage();
    void buildHairPage();
    void buildSpectaclesPage();
    void buildSubmitPage();
    void buildWarrantyPage();
    void buildSentinels();
    void buildHiddenHolders();
    void enterPage(int page, Direction direction, bool& startUploadAfter);
    void completionTick();
    void tipWatchTick();
    void acceptWarranty(bool accepted);

    PageFlow m_flow;
    ChangeTracker m_changes;
    std::array<std::function<void(Direction)>, PageFlow::PageCount> m_entryHooks;
    std::array<std::function<void()>, PageFlow::PageCount> m_backgroundHooks;
    int CurrentTip = -1;
    bool m_unloaded = false;
    WindowDrag m_drag;
};

} // namespace stoupe
