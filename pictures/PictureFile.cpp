#include "pictures/PictureFile.h"

#include "app/TempFile.h"

namespace stoupe {

namespace {
const QString TempPrefix = QStringLiteral("orv");
const QString TempExtension = QStringLiteral("jp");
} // namespace

PictureFile::~PictureFile() {
    discardKeptJPEG();
    m_imaging.ClearPicture(1);
}

bool PictureFile::Empty_() const {
    return m_imaging.PictureState() == ImagingComponent::NoPicture;
}

void PictureFile::Empty_(bool bEmpty) {
    m_imaging.ClearPicture(bEmpty ? 1 : 0);
    if (bEmpty) {
        discardKeptJPEG();
    }
}

int32_t PictureFile::ReadBMP(const QString& fileName) {
    Empty_(true);
    return m_imaging.LoadBMPFile(fileName);
}

int32_t PictureFile::ReadJPEG(const QString& fileName) {
    Empty_(true);
    return m_imaging.LoadJPEGFile(
        fileName, [this](const char* data, qsizetype size) { keepJPEGBytes(data, size); });
}

int32_t PictureFile::ReadJPEGArray(const QByteArray& byteJPEG) {
    Empty_(true);
    return m_imaging.LoadJPEGBytes(
        byteJPEG, [this](const char* data, qsizetype size) { keepJPEGBytes(data, size); });
}

int32_t PictureFile::WriteJPEG(const QString& fileName, bool bAppend, bool bMayRecodeJPEG) {
    int32_t xOffset = 0, yOffset = 0;
    return writePicture(fileName, bAppend, bMayRecodeJPEG, Rectangle{}, xOffset, yOffset, false);
}

int32_t PictureFile::WriteCroppedJPEG(const QString& fileName, int32_t Left, int32_t Top,
                                      int32_t Right, int32_t Bottom, int32_t& xOffset,
                                      int32_t& yOffset, bool bAppend) {
    return writePicture(fileName, bAppend, true, Rectangle{Left, Top, Right, Bottom}, xOffset,
                        yOffset, true);
}

bool PictureFile::ReencodingIsWorthIt(qint64 keptLength, qint64 reencodedLength) {
    // reencoded * 1.3 < kept, in whole numbers so that the boundary is exact.
    return reencodedLength * 13 < keptLength * 10;
}

int32_t PictureFile::writePicture(const QString& destination, bool bAppend, bool mayRecode,
                                  const Rectangle& rectangle, int32_t& xOffset, int32_t& yOffset,
                                  bool cropped) {
    if (Empty_()) {
        return PictureWrite::NothingHeld;
    }
    const int appendFlag = bAppend ? 1 : 0;
    if (!m_kept) {
        // No kept JPEG: encode straight into the destination.
        if (cropped) {
            const int32_t status = m_imaging.SaveCroppedJPEGFile(
                destination, rectangle.left, rectangle.top, rectangle.right, rectangle.bottom,
                xOffset, yOffset, appendFlag);
            return status == ImagingStatus::Ok ? PictureWrite::Written
                                               : status + PictureWrite::CroppedEncodeFailed;
        }
        const int32_t status = m_imaging.SaveJPEGFile(destination, appendFlag);
        return status == ImagingStatus::Ok ? PictureWrite::Written
                                           : status + PictureWrite::WholeEncodeFailed;
    }
    if (mayRecode) {
        bool useKept = false;
        const int32_t result =
            reencodeAndCompare(destination, bAppend, rectangle, xOffset, yOffset, cropped, useKept);
        if (!useKept) {
            return result;
        }
    }
    // The kept JPEG is stored whole.
    if (cropped) {
        xOffset = 0;
        yOffset = 0;
    }
    const int32_t code = CopyOpenFile(m_kept.get(), destination, bAppend);
    return code == 0 ? PictureWrite::Written : code + PictureWrite::CopyKeptFailed;
}

int32_t PictureFile::reencodeAndCompare(const QString& destination, bool bAppend,
                                        const Rectangle& rectangle, int32_t& xOffset,
                                        int32_t& yOffset, bool cropped, bool& useKept) {
    useKept = false;
    const QString tempPath = MakeTempFile(TempExtension, TempPrefix);
    if (tempPath.isEmpty()) {
        return PictureWrite::NoTempName;
    }
    int32_t result = PictureWrite::NothingWritten;
    int32_t tempX = 0, tempY = 0;
    const int32_t status =
        cropped ? m_imaging.SaveCroppedJPEGFile(tempPath, rectangle.left, rectangle.top,
                                                rectangle.right, rectangle.bottom, tempX, tempY, 0)
                : m_imaging.SaveJPEGFile(tempPath, 0);
    QFile reencoded(tempPath);
    if (status != ImagingStatus::Ok) {
        result = status + (cropped ? PictureWrite::CroppedReencodeFailed
                                   : PictureWrite::WholeReencodeFailed);
    } else if (reencoded.size() == 0) {
        result = PictureWrite::ReencodedEmpty;
    } else if (!ReencodingIsWorthIt(m_kept->size(), reencoded.size())) {
        useKept = true;
    } else if (!reencoded.open(QIODevice::ReadOnly)) {
        result = PictureWrite::ReencodedUnreadable;
    } else {
        const int32_t code = CopyOpenFile(&reencoded, destination, bAppend);
        reencoded.close();
        if (code != 0) {
            result = code + PictureWrite::CopyReencodedFailed;
        } else if (reencoded.error() != QFileDevice::NoError) {
            result = PictureWrite::ErrorAfterCopy;
        } else {
            result = PictureWrite::Written;
            if (cropped) {
                xOffset = tempX;
                yOffset = tempY;
            }
        }
    }
    QFile::remove(tempPath);
    return result;
}

int32_t PictureFile::CopyOpenFile(QFile* source, const QString& destination, bool bAppend) {
    if (source == nullptr || !source->isOpen()) {
        return PictureWrite::NoSourceFile;
    }
    const qint64 length = source->size();
    if (length <= 0) {
        return PictureWrite::SourceEmpty;
    }
    if (!source->seek(0)) {
        return PictureWrite::ReadFailed;
    }
    const QByteArray bytes = source->read(length);
    if (bytes.size() != length) {
        return PictureWrite::ReadFailed;
    }
    QFile target(destination);
    const QIODevice::OpenMode mode = bAppend ? QIODevice::WriteOnly | QIODevice::Append
                                             : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!target.open(mode)) {
        return PictureWrite::DestinationNotOpened;
    }
    if (target.write(bytes) != length || !target.flush()) {
        target.close();
        return PictureWrite::WriteFailed;
    }
    target.close();
    return target.error() == QFileDevice::NoError ? 0 : PictureWrite::DestinationNotClosed;
}

void PictureFile::keepJPEGBytes(const char* data, qsizetype size) {
    discardKeptJPEG();
    const QString path = MakeTempFile(TempExtension, TempPrefix);
    if (path.isEmpty()) {
        return; // the picture will be encoded afresh when written
    }
    m_keptPath = path;
    QFile writer(path);
    bool kept = writer.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                writer.write(data, size) == size && writer.flush();
    writer.close();
    kept = kept && writer.error() == QFileDevice::NoError;
    if (kept) {
        m_kept = std::make_unique<QFile>(path);
        kept = m_kept->open(QIODevice::ReadOnly);
    }
    if (!kept) {
        discardKeptJPEG();
    }
}

void PictureFile::discardKeptJPEG() {
    if (m_kept) {
        m_kept->close();
        m_kept.reset();
    }
    if (!m_keptPath.isEmpty() && QFile::exists(m_keptPath)) {
        QFile::remove(m_keptPath);
    }
    m_keptPath.clear();
}

} // namespace stoupe
