#include "transfer/ReplyCheck.h"

#include <QByteArray>
#include <gtest/gtest.h>

using namespace stoupe;

namespace {
const QByteArray kEnd = "###DATA TRANSFER COMPLETE###";
}

TEST(ReplyCheck, Table) {
    const struct {
        QByteArray buffer;
        int result;
    } cases[] = {
        {"", 0},
        {"H", 0},
        {"HTTP/1", 0},
        {"HTTP/1.1 2", 0}, // the status line is not complete yet
        {"HTTP/1.1 200 OK", 0},
        {"HTTP/1.1 404 Not Found", 0},
        {"HTTP/1.1 200 OK\r\n", 0},
        {"HTTP/1.1 200 OK\r\n\r\nbody", 0},
        {"HTTP/1.1 200 OK\r\n\r\nbody" + kEnd, 1},
        {"HTTP/1.0 200 OK\n" + kEnd, 1},
        {"HTTP/1.1 200 OK\r\n\r\n" + kEnd + " ", 0},
        {"HTTP/1.1 200 OK\r\n\r\n500 413 " + kEnd, 1}, // only the first line is judged
        {"HTTP/1.0 500 Internal Server Error\r\n", 2},
        {"HTTP/1.1 404 Not Found\r\n", 3},
        {"HTTP/1.1 302 Found\r\n", 3},
        {"HTTP/1.1 413 Request Entity Too Large\r\n", 5},
        {"HTTP/1.1\n", 3},
        {"X", 4},
        {"HTTP/2 200 OK\r\n", 4},
        {"http/1.1 200 OK\r\n", 4},
        {"<html>", 4},
    };
    for (const auto& c : cases) {
        ReplyChecker checker;
        EXPECT_EQ(checker.Check(c.buffer), c.result) << c.buffer.constData();
    }
}

TEST(ReplyCheck, GrowingBufferIsJudgedAfterEveryPiece) {
    const QByteArray answer = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n"
                              "###RETURNED DATA######STA:User Checked###;" +
                              kEnd;
    ReplyChecker checker;
    for (qsizetype n = 0; n < answer.size(); ++n)
        ASSERT_EQ(checker.Check(QByteArrayView(answer).first(n)), 0) << n;
    EXPECT_EQ(checker.Check(answer), 1);
}

TEST(ReplyCheck, AnswerAboveTheCapIsNotHttp) {
    QByteArray answer = "HTTP/1.1 200 OK\r\n\r\n";
    answer += QByteArray(kAnswerCap - answer.size() - kEnd.size(), 'x') + kEnd;
    ReplyChecker checker;
    EXPECT_EQ(checker.Check(answer), 1);
    answer.insert(30, 'x');
    EXPECT_EQ(checker.Check(answer), 4);
}
