#include "transfer/clsReturnedData.h"

#include <QStringView>
#include <limits>

namespace stoupe {

namespace {

const QString kItemEnd = QStringLiteral("###;");
const QString kTagStart = QStringLiteral("###");

// The flag that an "###ERR" text sets, or nullptr for an unknown text.
bool* errorFlag(clsReturnedData& d, QStringView value) {
    if (value == u"User already exists")
        return &d.bNotNew;
    if (value == u"Username and password didn't match")
        return &d.bNotExisting;
    if (value == u"Zav Upload Failed")
        return &d.bCouldntAdd;
    if (value == u"No data sent to server" || value == u"User Email, password or alias missing")
        return &d.bInValidPost;
    if (value == u"Unable to delete vellamor on server")
        return &d.bCouldntDelete;
    if (value == u"CRC Check failed")
        return &d.bCRCError;
    if (value == u"Insufficient Credits")
        return &d.bNotEnoughCredits;
    return nullptr;
}

int responseTypeOf(QStringView value) {
    if (value == u"User Checked")
        return 0;
    if (value == u"Vellamor Deleted")
        return 1;
    if (value == u"Zav uploaded")
        return 2;
    return -1;
}

// A decimal number for "###MAX": optional blanks around an optional sign and
// digits, within the 16-bit range.
bool parseMax(QStringView value, int16_t& out) {
    bool ok = false;
    const int v = value.trimmed().toInt(&ok, 10);
    if (!ok || v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
        return false;
    out = static_cast<int16_t>(v);
    return true;
}

// Applies one item (from its first "###" on); false is a decode error.
bool applyItem(clsReturnedData& d, QStringView item) {
    if (item.size() < 7)
        return false;
    const QStringView tag = item.first(6);
    const QStringView value = item.sliced(7);
    if (tag == u"###ERR") {
        bool* flag = errorFlag(d, value);
        if (!flag)
            return false;
        *flag = true;
    } else if (tag == u"###RST") {
        d.bNotNew = false;
        d.bNotExisting = false;
    } else if (tag == u"###ALI") {
        d.colAliases.append(value.toString());
    } else if (tag == u"###MAX") {
        if (!parseMax(value, d.intMaxAliases))
            return false;
    } else if (tag == u"###STA") {
        const int type = responseTypeOf(value);
        if (type < 0)
            return false;
        d.nResponseType = type;
    }
    // "###NUM" and every other tag are ignored.
    return true;
}

} // namespace

void clsReturnedData::Parse(const QString& strData) {
    try {
        strReturnedData = strData;
        const qsizetype marker = strData.indexOf(QLatin1String(kReturnedDataMarker));
        if (marker < 0) {
            bDecodeError = true;
            return;
        }
        QStringView rest =
            QStringView(strData).sliced(marker + qsizetype(sizeof(kReturnedDataMarker)) - 1);
        // The rest from the failing item is kept in strDataError; it is only
        // copied when an item fails, so long answers parse in linear time.
        while (!rest.isEmpty()) {
            const qsizetype end = rest.indexOf(kItemEnd);
            if (end < 0)
                break;
            const QStringView item = rest.first(end);
            const qsizetype tag = item.indexOf(kTagStart);
            if (tag < 0 || !applyItem(*this, item.sliced(tag))) {
                strDataError = rest.toString();
                bDecodeError = true;
                return;
            }
            rest = rest.sliced(end + kItemEnd.size());
        }
        if (!bDecodeError)
            strDataError.clear();
    } catch (...) {
        bDecodeError = true;
    }
}

} // namespace stoupe
