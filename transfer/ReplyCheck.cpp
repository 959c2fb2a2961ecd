#include "transfer/ReplyCheck.h"

#include "transfer/clsReturnedData.h"

#include <cstring>

namespace stoupe {

namespace {

constexpr QByteArrayView kHttpPrefix("HTTP/1.");
const QByteArrayView kEndMarker(kTransferCompleteMarker);

} // namespace

void ReplyChecker::reset() {
    m_scanned = 0;
    m_lineEnd = -1;
}

int ReplyChecker::Check(QByteArrayView buffer) {
    if (m_lineEnd >= buffer.size() || m_scanned > buffer.size())
        reset(); // a new answer without reset(): start over
    if (buffer.size() > kAnswerCap)
        return 4;
    const qsizetype head = std::min(buffer.size(), kHttpPrefix.size());
    if (buffer.first(head) != kHttpPrefix.first(head))
        return 4;
    if (head < kHttpPrefix.size())
        return 0;

    if (m_lineEnd < 0) {
        const qsizetype from = std::min(m_scanned, buffer.size());
        const void* lf = std::memchr(buffer.data() + from, '\n', size_t(buffer.size() - from));
        m_scanned = buffer.size();
        if (!lf)
            return 0;
        m_lineEnd = static_cast<const char*>(lf) - buffer.data();
    }
    QByteArrayView status = buffer.first(m_lineEnd + 1);
    const qsizetype space = status.indexOf(' ');
    if (space >= 0)
        status = status.sliced(space);

    if (status.contains(QByteArrayView("200 OK")))
        return buffer.endsWith(kEndMarker) ? 1 : 0;
    if (status.contains(QByteArrayView("500 ")))
        return 2;
    if (status.contains(QByteArrayView("413 ")))
        return 5;
    return 3;
}

} // namespace stoupe
