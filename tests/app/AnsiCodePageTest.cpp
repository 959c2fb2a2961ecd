#include "app/AnsiCodePage.h"

#include <gtest/gtest.h>

using namespace stoupe;

TEST(AnsiCodePage, KeepsWhatTheCodePageHoldsAndMarksTheRest) {
    const struct {
        const char* utf8;
        const char* expected;
    } cases[] = {
        {"plain ASCII", "plain ASCII"},
        {"café naïve ÿ", "café naïve ÿ"},
        {"€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ",
         "€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ"},
        {"Łódź", "?ód?"},
        {"\xF0\x9F\x98\x80!", "?!"}, // one character outside the basic plane
        {"日本", "??"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(throughAnsi(QString::fromUtf8(c.utf8)), QString::fromUtf8(c.expected)) << c.utf8;
    }
}

TEST(AnsiCodePage, EncodesToSingleBytesAndCuts) {
    EXPECT_EQ(toAnsi(QString::fromUtf8("€é")), QByteArray("\x80\xE9"));
    EXPECT_EQ(fromAnsi(QByteArray("\x80\xE9\x9F")), QString::fromUtf8("€éŸ"));
    EXPECT_EQ(throughAnsi(QString::fromUtf8("ąbcd"), 3), "?bc");
    EXPECT_EQ(throughAnsi(QStringLiteral("ab"), 0), "");
}
