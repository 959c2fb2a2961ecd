#include "resources/ExternalResources.h"

#include "app/AnsiCodePage.h"
#include "pictures/ImagingComponent.h"
#include "resources/StringTable.h"

#include <QSet>
#include <QtEndian>

#include <algorithm>

namespace stoupe {

bool ExternalResources::ResOpen(const QString& strFile, ImagingComponent* imaging) {
    release();
    m_imaging = imaging;
    m_file = ResFile::load(strFile);
    return m_file.has_value();
}

bool ExternalResources::openBytes(QByteArray bytes, ImagingComponent* imaging) {
    release();
    m_imaging = imaging;
    m_file = ResFile::parse(std::move(bytes));
    return m_file.has_value();
}

void ExternalResources::release() {
    m_file.reset();
    m_list.clear();
    m_cursor = 0;
}

QString ExternalResources::textAt(qint64 number, qsizetype limit) const {
    if (!m_file)
        return {};
    const quint16 block = StringTable::blockOf(number);
    if (block == 0)
        return {};
    const auto data = m_file->find(StringTableType, block);
    if (!data)
        return {};
    // Every character that survives the code page takes one or two UTF-16
    // units, so twice the limit is always enough.
    const auto text =
        StringTable::text(*data, int(number % StringTable::StringsPerBlock), limit * 2);
    if (!text)
        return {};
    return throughAnsi(*text, limit);
}

QString ExternalResources::LoadText(qint64 luidText) const {
    return textAt(luidText, TextByNumberLimit);
}

QImage ExternalResources::LoadPicture(qint64 luidPic) const {
    if (!m_file || !m_imaging || luidPic < 1 || luidPic > 0xFFFF)
        return {};
    const auto data = m_file->find(RawDataType, quint16(luidPic));
    if (!data || data->size() < 2)
        return {};
    // The picture taken stays valid after the component is cleared; its
    // status is not needed: no picture held means nothing decoded.
    m_imaging->LoadJPEGBytes(data->toByteArray());
    QImage picture = m_imaging->HeldPicture();
    m_imaging->ClearPicture(1);
    return picture;
}

bool ExternalResources::buildList(quint16 type) {
    m_list.clear();
    m_cursor = 0;

    QVector<quint16> names;
    for (const auto& entry : m_file->entries()) {
        if (entry.type.isText || entry.type.ordinal != type)
            continue;
        if (entry.name.isText)
            return false;
        names.append(entry.name.ordinal);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());

    QSet<qint32> listed;
    const auto index = m_file->find(RawDataType, IndexResource);
    if (index && index->size() >= 2) {
        // A trailing part shorter than four bytes is not an entry.
        const qsizetype count = qMin(index->size() / 4, MaxEnumerated);
        for (qsizetype i = 0; i < count; ++i) {
            const auto number = qFromLittleEndian<qint32>(index->data() + 4 * i);
            m_list.append(number);
            listed.insert(number);
        }
    }

    const auto append = [&](qint32 candidate) {
        if (m_list.size() < MaxEnumerated && !listed.contains(candidate)) {
            m_list.append(candidate);
            listed.insert(candidate);
        }
    };
    for (const quint16 name : names) {
        if (name == IndexResource || m_list.size() >= MaxEnumerated)
            continue;
        if (type == RawDataType) {
            append(name);
        } else if (name > 0) {
            const qint32 first = StringTable::StringsPerBlock * (qint32(name) - 1);
            for (int i = 0; i < StringTable::StringsPerBlock; ++i)
                append(first + i);
        }
    }
    return true;
}

QString ExternalResources::EnumerateString(qint32& luidString) {
    if (!m_file) {
        luidString = NotOpen;
        return {};
    }
    if (luidString == 0 && !buildList(StringTableType)) {
        luidString = EnumerationFailed;
        return {};
    }
    while (m_cursor < m_list.size()) {
        const qint32 number = m_list[m_cursor++];
        QString text = textAt(number, EnumeratedTextLimit);
        if (!text.isEmpty()) {
            luidString = number;
            return text;
        }
    }
    luidString = EnumerationEnd;
    return {};
}

QImage ExternalResources::EnumeratePics(qint32& luidPic) {
    if (!m_file) {
        luidPic = NotOpen;
        return {};
    }
    if (luidPic == 0 && !buildList(RawDataType)) {
        luidPic = EnumerationFailed;
        return {};
    }
    if (m_cursor < m_list.size()) {
        const qint32 number = m_list[m_cursor++];
        QImage picture = LoadPicture(number);
        if (!picture.isNull()) {
            luidPic = number;
            return picture;
        }
        // The first picture that does not load ends the enumeration.
        m_cursor = m_list.size();
    }
    luidPic = EnumerationEnd;
    return {};
}

std::optional<FileVersion> ExternalResources::Version() const {
    if (!m_file)
        return std::nullopt;
    return versionOf(*m_file);
}

} // namespace stoupe
