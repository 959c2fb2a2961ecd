#pragma once

#include "app/Folders.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

class QLabel;

namespace stoupe {

class ImagingComponent;
class SharedPointState;
class frmWiz;

// Binds the four resource libraries to the wizard window: pictures and texts
// to the controls whose Tag names a resource number, the choice texts to the
// lists, colour controls and reference point sets, and the choice pictures to
// the head, hair and spectacles slots and the swatch collection.
class ResourceBinding {
public:
    static constexpr const char* GraphicalCore = "GraphicalCore.dll";
    static constexpr const char* TextCore = "TextCore.dll";
    static constexpr const char* TextChoices = "TextChoices.dll";
    static constexpr const char* GraphicalChoices = "GraphicalChoices.dll";
    static constexpr qint32 MonthNamesText = 40600;

    using SwatchMap = QHash<QString, QImage>;

    ResourceBinding(frmWiz& wizard, const Folders& folders, SharedPointState& points,
                    SwatchMap& swatches);

    // Opens the libraries one after another and binds them. False when a
    // library cannot be opened, an image with a resource Tag gets no picture
    // or a choice enumeration fails.
    bool LoadResources(ImagingComponent* imaging);

    // Places one choice text or picture by its number; numbers outside the
    // known ranges are ignored.
    void AllocateString(qint32 luid, const QString& strValue);
    void AllocateGraphic(qint32 luid, const QImage& pic);

    // Slots filled so far: heads, male hair, female hair, male spectacles,
    // female spectacles.
    struct SlotCounters {
        qint16 heads = 0;
        qint16 hair = 0;
        qint16 hairF = 0;
        qint16 specs = 0;
        qint16 specsF = 0;
    };
    const SlotCounters& counters() const { return m_counters; }

private:
    // 0 success, 1 a library did not open, 3 an image got no picture.
    int bindCore(ImagingComponent* imaging);
    bool bindChoiceTexts();
    bool bindChoicePictures(ImagingComponent* imaging);
    void placeSwatches();

    frmWiz& m_wizard;
    Folders m_folders;
    SharedPointState& m_points;
    SwatchMap& m_swatches;
    SlotCounters m_counters;
};

// True (after showing its message through showMessage(title, text)) when the
// two sets of twin slots disagree: different sizes, a picture in only one
// twin, or twins with different Tags.
using MessageShower = std::function<void(const QString& title, const QString& text)>;
bool CheckChoicePairs(const QList<QLabel*>& first, const QList<QLabel*>& second,
                      const QString& name, const MessageShower& showMessage);

} // namespace stoupe
