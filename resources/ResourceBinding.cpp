#include "resources/ResourceBinding.h"

#include "controls/ChooseColour.h"
#include "controls/PopButton.h"
#include "controls/ucPrettyControl.h"
#include "pictures/featurepoints/SharedPointState.h"
#include "resources/ExternalResources.h"
#include "wizard/PageWidget.h"
#include "wizard/frmWiz.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>

#include <cmath>
#include <optional>

namespace stoupe {

namespace {

QString tagOf(const QWidget* control) {
    return control->property("Tag").toString();
}

// A Tag that is a whole 32-bit number.
std::optional<qint32> tagNumber(const QString& tag) {
    bool ok = false;
    const qint32 number = tag.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

// Labels and images are both label widgets; the name's kind prefix tells them
// apart.
bool isImage(const QWidget* control) {
    return qobject_cast<const QLabel*>(control) && control->objectName().startsWith(u"img");
}

bool isLabel(const QWidget* control) {
    return qobject_cast<const QLabel*>(control) && control->objectName().startsWith(u"lbl");
}

// The number of a page Tag ":1002 zub_overview".
std::optional<qint32> pageNumber(const QString& tag) {
    const QString padded = tag + u' ';
    if (!padded.startsWith(u':'))
        return std::nullopt;
    return tagNumber(padded.mid(1, padded.indexOf(u' ') - 1));
}

void setPicture(QLabel* image, const QImage& picture) {
    if (picture.isNull())
        image->clear();
    else
        image->setPixmap(QPixmap::fromImage(picture));
}

} // namespace

ResourceBinding::ResourceBinding(frmWiz& wizard, const Folders& folders, SharedPointState& points,
                                 SwatchMap& swatches)
    : m_wizard(wizard), m_folders(folders), m_points(points), m_swatches(swatches) {}

bool ResourceBinding::LoadResources(ImagingComponent* imaging) {
    if (bindCore(imaging) != 0)
        return false;
    if (!bindChoiceTexts())
        return false;
    m_counters = {};
    if (!bindChoicePictures(imaging))
        return false;
    placeSwatches();
    m_swatches.clear();
    return true;
}

int ResourceBinding::bindCore(ImagingComponent* imaging) {
    const QDir language(m_folders.LanguageFolder);
    const QList<QWidget*> controls = m_wizard.findChildren<QWidget*>();
    {
        ExternalResources pictures;
        if (!pictures.ResOpen(language.filePath(QLatin1String(GraphicalCore)), imaging))
            return 1;
        for (QWidget* control : controls) {
            const QString tag = tagOf(control);
            if (tag.isEmpty())
                continue;
            if (auto* page = qobject_cast<PageWidget*>(control)) {
                if (const auto number = pageNumber(tag)) {
                    const QImage picture = pictures.LoadPicture(*number);
                    if (!picture.isNull())
                        page->setPicture(QPixmap::fromImage(picture));
                }
            } else if (isImage(control)) {
                auto* image = static_cast<QLabel*>(control);
                if (const auto number = tagNumber(tag))
                    setPicture(image, pictures.LoadPicture(*number));
                if (!frmWiz::hasPicture(image))
                    return 3;
            }
        }
    }

    ExternalResources texts;
    if (!texts.ResOpen(language.filePath(QLatin1String(TextCore))))
        return 1;
    for (QWidget* control : controls) {
        const auto number = tagNumber(tagOf(control));
        if (!number)
            continue;
        if (isLabel(control))
            static_cast<QLabel*>(control)->setText(texts.LoadText(*number));
        else if (auto* button = qobject_cast<PopButton*>(control))
            button->setToolTip(texts.LoadText(*number));
    }
    m_wizard.LoadSimpleStuff(texts.LoadText(MonthNamesText));
    return 0;
}

bool ResourceBinding::bindChoiceTexts() {
    ExternalResources texts;
    if (!texts.ResOpen(QDir(m_folders.LanguageFolder).filePath(QLatin1String(TextChoices))))
        return false;
    qint32 luid = 0;
    for (;;) {
        const QString text = texts.EnumerateString(luid);
        if (luid <= 0)
            return luid == ExternalResources::EnumerationEnd;
        AllocateString(luid, text);
    }
}

bool ResourceBinding::bindChoicePictures(ImagingComponent* imaging) {
    ExternalResources pictures;
    if (!pictures.ResOpen(QDir(m_folders.LanguageFolder).filePath(QLatin1String(GraphicalChoices)),
                          imaging) &&
        !pictures.ResOpen(QDir(m_folders.NeutralFolder).filePath(QLatin1String(GraphicalChoices)),
                          imaging))
        return false;
    qint32 luid = 0;
    for (;;) {
        const QImage picture = pictures.EnumeratePics(luid);
        if (luid <= 0)
            return luid == ExternalResources::EnumerationEnd;
        AllocateGraphic(luid, picture);
    }
}

void ResourceBinding::placeSwatches() {
    m_swatches = m_wizard.ccHair->LoadSwatches(m_swatches);
    m_swatches = m_wizard.ccSpectacles->LoadSwatches(m_swatches);
    ChooseColour* specs = m_wizard.ccSpectacles;
    specs->resize(static_cast<int>(std::lrint(specs->BetterWidth())), specs->height());
    m_wizard.img_4SpecsColour->move(specs->x() + specs->width() + 15,
                                    m_wizard.img_4SpecsColour->y());
}

void ResourceBinding::AllocateString(qint32 luid, const QString& strValue) {
    struct ListRange {
        qint32 first;
        qint32 last;
        ucPrettyControl* list;
    };
    const ListRange lists[] = {{40000, 40499, m_wizard.pcmbCountry},
                               {41000, 41499, m_wizard.pcmbBuild},
                               {41500, 41999, m_wizard.pcmbUseFor},
                               {42000, 42499, m_wizard.pcmbShopFor},
                               {42500, 42599, m_wizard.pcmbGender}};
    for (const ListRange& range : lists) {
        if (luid < range.first || luid > range.last)
            continue;
        range.list->AddItemAndData(strValue, luid);
        if (luid == range.first)
            range.list->SetIndexData(luid);
        return;
    }
    if (luid == 13102)
        m_wizard.ccHair->setSetList(strValue);
    else if (luid == 13103)
        m_wizard.ccSpectacles->setSetList(strValue);
    else
        m_points.appendReferencePoint(luid, strValue);
}

void ResourceBinding::AllocateGraphic(qint32 luid, const QImage& pic) {
    // A slot range fills the next free slot of its set with the picture and
    // the choice's number as Tag; pictures beyond the last slot are dropped.
    const auto fill = [&pic](auto& images, qint16& counter, qint32 tag) {
        if (counter >= qint16(images.size()))
            return;
        QLabel* slot = images[counter];
        setPicture(slot, pic);
        slot->setProperty("Tag", QString::number(tag));
        ++counter;
    };
    frmWiz& w = m_wizard;
    if (luid >= 5100 && luid <= 9099)
        fill(w.imgHead, m_counters.heads, luid);
    else if (luid == 100)
        setPicture(w.imgHairNone, pic);
    else if (luid >= 101 && luid <= 2599)
        fill(w.imgHair, m_counters.hair, luid);
    else if (luid == 2600)
        setPicture(w.imgHairFNone, pic);
    else if (luid >= 2601 && luid <= 5099)
        fill(w.imgHairF, m_counters.hairF, luid - 2500);
    else if (luid == 9100)
        setPicture(w.imgSpecsNone, pic);
    else if (luid >= 9101 && luid <= 11099)
        fill(w.imgSpectacles, m_counters.specs, luid);
    else if (luid == 11100)
        setPicture(w.imgSpecsFNone, pic);
    else if (luid >= 11101 && luid <= 13099)
        fill(w.imgSpectaclesF, m_counters.specsF, luid - 2000);
    else if (luid >= 13100 && luid <= 13299)
        m_swatches.insert(u' ' + QString::number(luid), pic);
}

bool CheckChoicePairs(const QList<QLabel*>& first, const QList<QLabel*>& second,
                      const QString& name, const MessageShower& showMessage) {
    if (first.size() != second.size()) {
        showMessage(
            QStringLiteral("Program Error"),
            QStringLiteral("Internal Error: Inconsistency in %1 Allocation (error 1).").arg(name));
        return true;
    }
    for (qsizetype i = 0; i < first.size(); ++i) {
        int error = 0;
        if (frmWiz::hasPicture(first[i]) != frmWiz::hasPicture(second[i]))
            error = 3;
        else if (tagOf(first[i]) != tagOf(second[i]))
            error = 4;
        if (error != 0) {
            showMessage(
                QStringLiteral("Missing or Invalid Resource File"),
                QStringLiteral(
                    "Inconsistency in Resource files (%1 setup error %2). Try reinstalling.")
                    .arg(name)
                    .arg(error));
            return true;
        }
    }
    return false;
}

} // namespace stoupe
