#pragma once

// Judges the answer collected so far (the whole receive buffer):
//   0  wait for more (status line incomplete, or "200 OK" without the end marker)
//   1  "200 OK" and the buffer ends with "###DATA TRANSFER COMPLETE###"
//   2  status with "500 "     3  any other status     5  status with "413 "
//   4  not HTTP: does not begin "HTTP/1.", or longer than kAnswerCap
// The "HTTP/1." prefix is judged once 7 bytes are there (or as soon as those
// that arrived differ from it); the status once the first line's LF is there.
//
//   ReplyChecker checker;             // one per action; reset() between actions
//   int result = checker.Check(buffer);

#include <QByteArrayView>

namespace stoupe {

inline constexpr qsizetype kAnswerCap = 1024 * 1024;

class ReplyChecker {
public:
    int Check(QByteArrayView buffer);
    void reset();

private:
    qsizetype m_scanned = 0;  // bytes already searched for the first LF
    qsizetype m_lineEnd = -1; // index of the first LF, -1 while unknown
};

} // namespace stoupe
