// The controls of the details, photo and choice pages that the resource
// libraries fill: the lists, the example pictures, the head, hair and
// spectacles slots and the colour controls. The pages' own behaviour plugs in
// through the wizard's hooks.
#include "assets/UiPictures.h"
#include "controls/ChooseColour.h"
#include "controls/PopButton.h"
#include "controls/ucPrettyControl.h"
#include "wizard/Looks.h"
#include "wizard/frmWiz.h"

#include <QLabel>

#include <algorithm>

namespace stoupe {

namespace {

const QString CaptionStyle = QStringLiteral("color: #3A3140;");

ucPrettyControl* makeList(QWidget* page, const QString& name, const QString& caption,
                          const QRect& geometry) {
    QLabel* label = makeLabel(page, QStringLiteral("lblCaption_") + name, caption,
                              {geometry.x() - 160, geometry.y(), 150, geometry.height()});
    label->setStyleSheet(CaptionStyle);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* list = new ucPrettyControl(page);
    list->setObjectName(name);
    list->setGeometry(geometry);
    return list;
}

QLabel* makeSlot(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* slot = new QLabel(parent);
    slot->setObjectName(name);
    slot->setGeometry(geometry);
    slot->setAlignment(Qt::AlignCenter);
    return slot;
}

PopButton* makeScrollButton(QWidget* parent, const QString& name, bool up, const QPoint& at) {
    return makeButton(parent, name,
                      up ? QStringLiteral("scroll-up") : QStringLiteral("scroll-down"),
                      up ? QStringLiteral("Up") : QStringLiteral("Down"), QRect(at, QSize(36, 36)));
}

// Moves a grid's container by the scroll code and enables its buttons.
void scrollGrid(QWidget* view, QWidget* container, const std::array<PopButton*, 2>& buttons,
                qint16 code) {
    const int range = std::max(0, container->height() - view->height());
    if (code == 0 || code == 1) {
        const int top = container->y() + (code == 0 ? 30 : -30);
        container->move(container->x(), std::clamp(top, -range, 0));
    } else if (code != -1) {
        return;
    }
    buttons[0]->setEnabled(container->y() != 0);
    buttons[1]->setEnabled(container->y() != -range);
}

} // namespace

void frmWiz::buildPersonalPage() {
    PageWidget* page = picStep[4];
    const int left = 580;
    const int width = 170;
    const int height = ucPrettyControl::InnerHeight + 4;
    pcmbGender = makeList(page, QStringLiteral("pcmbGender"), QStringLiteral("Gender"),
                          {left, 110, width, height});
    pcmbCountry = makeList(page, QStringLiteral("pcmbCountry"), QStringLiteral("Country"),
                           {left, 150, width, height});
    pcmbUseFor = makeList(page, QStringLiteral("pcmbUseFor"), QStringLiteral("Head to be used for"),
                          {left, 190, width, height});
    pcmbShopFor = makeList(page, QStringLiteral("pcmbShopFor"), QStringLiteral("I shop for"),
                           {left, 230, width, height});
}

void frmWiz::buildPhysicalPage() {
    pcmbBuild = makeList(picStep[5], QStringLiteral("pcmbBuild"), QStringLiteral("Build"),
                         {580, 110, 170, ucPrettyControl::InnerHeight + 4});
}

void frmWiz::buildPhotoExamples() {
    // Kept out of sight: the photo pages copy them into their example boxes.
    for (int i = 0; i < 3; ++i) {
        imgMale[i] = makeSlot(picStep[7], QStringLiteral("imgMale_%1").arg(i), {24, 90, 240, 320});
        setTag(imgMale[i], QString::number(6020 + i));
        imgMale[i]->hide();
        imgFemale[i] =
            makeSlot(picStep[7], QStringLiteral("imgFemale_%1").arg(i), {24, 90, 240, 320});
        setTag(imgFemale[i], QString::number(6023 + i));
        imgFemale[i]->hide();
    }
}

void frmWiz::buildHeadsPage() {
    PageWidget* page = picStep[10];
    const int left = (DesignWidth - (3 * 40 + 36)) / 2;
    for (int i = 0; i < 4; ++i)
        imgHead[i] =
            makeSlot(page, QStringLiteral("imgHead_%1").arg(i), {left + i * 40, 200, 36, 48});
    setBordered(imgHead[0], true); // the design's chosen head
    becmdHeadsNone =
        makeButton(page, QStringLiteral("becmdHeadsNone"), QStringLiteral("heads-none"),
                   QStringLiteral("No head"), {left, 280, 156, 34});
}

void frmWiz::buildHairPage() {
    PageWidget* page = picStep[11];
    picWigsView = new QWidget(page);
    picWigsView->setObjectName(QStringLiteral("picWigsView"));
    picWigsView->setGeometry(40, 90, 586, 262);
    picWigsContainer = new QWidget(picWigsView);
    picWigsContainer->setObjectName(QStringLiteral("picWigsContainer"));
    picWigsContainer->setGeometry(0, 0, 542, 470);
    for (int i = 0; i < 12; ++i) {
        const QRect slot((i % 3) * 189, (i / 3) * 120, 164, 110);
        imgHair[i] = makeSlot(picWigsContainer, QStringLiteral("imgHair_%1").arg(i), slot);
        imgHairF[i] = makeSlot(picWigsContainer, QStringLiteral("imgHairF_%1").arg(i), slot);
        imgHairF[i]->hide(); // the gender shows one set
    }
    becmdWigScroll[0] =
        makeScrollButton(picWigsView, QStringLiteral("becmdWigScroll_0"), true, {586 - 38, 0});
    becmdWigScroll[1] = makeScrollButton(picWigsView, QStringLiteral("becmdWigScroll_1"), false,
                                         {586 - 38, 262 - 36});
    for (int i = 0; i < 2; ++i)
        connect(becmdWigScroll[i], &PopButton::Click, this, [this, i] { ScrollWigs(qint16(i)); });

    imgHairNone = makeSlot(page, QStringLiteral("imgHairNone"), {40, 370, 164, 110});
    imgHairFNone = makeSlot(page, QStringLiteral("imgHairFNone"), {40, 370, 164, 110});
    imgHairFNone->hide();
    ccHair = new ChooseColour(page);
    ccHair->setObjectName(QStringLiteral("ccHair"));
    ccHair->setGeometry(230, 405, 230, 40);
}

void frmWiz::buildSpectaclesPage() {
    PageWidget* page = picStep[12];
    picSpecsView = new QWidget(page);
    picSpecsView->setObjectName(QStringLiteral("picSpecsView"));
    picSpecsView->setGeometry(40, 84, 660, 284);
    picSpecsContainer = new QWidget(picSpecsView);
    picSpecsContainer->setObjectName(QStringLiteral("picSpecsContainer"));
    picSpecsContainer->setGeometry(0, 0, 625, 379);
    for (int i = 0; i < 18; ++i) {
        const QRect slot((i % 6) * 105, (i / 6) * 128, 100, 123);
        imgSpectacles[i] =
            makeSlot(picSpecsContainer, QStringLiteral("imgSpectacles_%1").arg(i), slot);
        imgSpectaclesF[i] =
            makeSlot(picSpecsContainer, QStringLiteral("imgSpectaclesF_%1").arg(i), slot);
        imgSpectaclesF[i]->hide();
    }
    becmdSpecScroll[0] =
        makeScrollButton(picSpecsView, QStringLiteral("becmdSpecScroll_0"), true, {660 - 36, 0});
    becmdSpecScroll[1] = makeScrollButton(picSpecsView, QStringLiteral("becmdSpecScroll_1"), false,
                                          {660 - 36, 284 - 36});
    for (int i = 0; i < 2; ++i)
        connect(becmdSpecScroll[i], &PopButton::Click, this, [this, i] { ScrollSpecs(qint16(i)); });

    imgSpecsNone = makeSlot(page, QStringLiteral("imgSpecsNone"), {40, 378, 100, 123});
    imgSpecsFNone = makeSlot(page, QStringLiteral("imgSpecsFNone"), {40, 378, 100, 123});
    imgSpecsFNone->hide();
    ccSpectacles = new ChooseColour(page);
    ccSpectacles->setObjectName(QStringLiteral("ccSpectacles"));
    ccSpectacles->setGeometry(160, 420, 230, 40);
    img_4SpecsColour = makeLabel(page, QStringLiteral("img_4SpecsColour"),
                                 QStringLiteral("Frame colour"), {400, 428, 120, 24});
    img_4SpecsColour->setStyleSheet(CaptionStyle);
}

// ---------------------------------------------------------------- choices

bool frmWiz::hasPicture(const QLabel* image) {
    return !image->pixmap().isNull();
}

void frmWiz::setBordered(QLabel* image, bool bordered) {
    image->setFrameShape(bordered ? QFrame::Box : QFrame::NoFrame);
    image->setLineWidth(1);
}

bool frmWiz::isBordered(const QLabel* image) {
    return image->frameShape() == QFrame::Box;
}

void frmWiz::DefaultChoices() {
    SkipHeadsPage = !hasPicture(imgHead[0]);

    for (auto* set : {&imgHair, &imgHairF})
        for (QLabel* slot : *set)
            setBordered(slot, false);
    nHairIndex = -1;
    lHairID = 100;
    setBordered(imgHairNone, true);
    setBordered(imgHairFNone, true);
    ccHair->hide();

    for (auto* set : {&imgSpectacles, &imgSpectaclesF})
        for (QLabel* slot : *set)
            setBordered(slot, false);
    nSpectaclesIndex = -1;
    lSpectaclesID = 9100;
    setBordered(imgSpecsNone, true);
    setBordered(imgSpecsFNone, true);
    ccSpectacles->hide();
    img_4SpecsColour->hide();

    picWigsContainer->move(0, 0);
    picSpecsContainer->move(0, 0);
    ScrollWigs(-1);
    ScrollSpecs(-1);
}

void frmWiz::ScrollWigs(qint16 code) {
    scrollGrid(picWigsView, picWigsContainer, becmdWigScroll, code);
}

void frmWiz::ScrollSpecs(qint16 code) {
    scrollGrid(picSpecsView, picSpecsContainer, becmdSpecScroll, code);
}

} // namespace stoupe
