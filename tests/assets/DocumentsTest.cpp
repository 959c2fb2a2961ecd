#include "assets/UiPictures.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QString plainText(const QString& name) {
    QTextDocument document;
    document.setHtml(stoupe::ui::document(name));
    return document.toPlainText();
}

TEST(Documents, BothLegalDocumentsLoadAndNeedNothingFromOutside) {
    for (const char* name : {"legal-notices", "user-agreement"}) {
        SCOPED_TRACE(name);
        const QString html = stoupe::ui::document(QLatin1String(name));
        ASSERT_FALSE(html.isEmpty());
        EXPECT_FALSE(html.contains(QStringLiteral("<img"), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("src="), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("<link"), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("http"), Qt::CaseInsensitive));
    }
    EXPECT_TRUE(stoupe::ui::document(QStringLiteral("no-such-document")).isEmpty());
    EXPECT_TRUE(stoupe::ui::document(QString()).isEmpty());
}

TEST(Documents, LegalNoticesCoverPrivacyMinorsAndOwnership) {
    const QString text = plainText(QStringLiteral("legal-notices"));
    EXPECT_TRUE(text.contains(QStringLiteral("LEGAL NOTICES")));
    for (const char* topic :
         {"photograph", "first name", "date of birth", "gender", "physical statistics",
          "model choices", "country", "e-mail address", "language", "intend to use", "disclose",
          "under 18", "parent or guardian", "copyright", "trade marks"}) {
        EXPECT_TRUE(text.contains(QLatin1String(topic), Qt::CaseInsensitive)) << topic;
    }
}

TEST(Documents, UserAgreementHasItsNineSectionsInOrder) {
    QTextDocument document;
    document.setHtml(stoupe::ui::document(QStringLiteral("user-agreement")));
    QStringList headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 3)
            headings << block.text();
    }
    ASSERT_EQ(headings.size(), 9);
    const char* const topics[] = {"supplies",    "agreement is made", "promise",
                                  "agree to do", "Privacy",           "Rights in your head",
                                  "Ending",      "liability",         "General"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(headings[i].startsWith(QStringLiteral("%1. ").arg(i + 1)))
            << headings[i].toStdString();
        EXPECT_TRUE(headings[i].contains(QLatin1String(topics[i]))) << headings[i].toStdString();
    }
    const QString text = document.toPlainText();
    for (const char* duty : {"person shown in both photographs", "authorised", "password",
                             "non-commercial", "age limits", "reverse engineer"}) {
        EXPECT_TRUE(text.contains(QLatin1String(duty))) << duty;
    }
}

} // namespace
