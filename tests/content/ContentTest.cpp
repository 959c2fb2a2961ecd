// The four shipped libraries as the wizard's resource binding reads them:
// where they are, their version, and that every number the wizard asks for
// is there with a sound text or a picture of its slot's size.

#include "ShippedLibraries.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

using namespace stoupe;
using namespace stoupe::contenttest;

namespace {

struct LibraryCase {
    const char* name;
    bool neutral;
};

class ShippedLibrary : public ::testing::TestWithParam<LibraryCase> {};

TEST_P(ShippedLibrary, OpensWhereTheWizardLooksAndCarriesTheProgramVersion) {
    const LibraryCase c = GetParam();
    const QString path = c.neutral ? neutralLibrary(QString::fromLatin1(c.name))
                                   : languageLibrary(QString::fromLatin1(c.name));
    ExternalResources library;
    ASSERT_TRUE(library.ResOpen(path)) << path.toStdString();
    const auto version = library.Version();
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->toText(), QStringLiteral("1.2.53"));
}

INSTANTIATE_TEST_SUITE_P(Content, ShippedLibrary,
                         ::testing::Values(LibraryCase{"TextCore.dll", false},
                                           LibraryCase{"TextChoices.dll", false},
                                           LibraryCase{"GraphicalCore.dll", false},
                                           LibraryCase{"GraphicalChoices.dll", true}),
                         [](const ::testing::TestParamInfo<LibraryCase>& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

TEST(ShippedContent, HelpDocumentIsAPdf) {
    QFile pdf(languageLibrary(QStringLiteral("Online Help.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 20000);
}

TEST(TextCore, HoldsEveryTextTheWizardAsksFor) {
    ExternalResources library;
    ASSERT_TRUE(library.ResOpen(languageLibrary(QStringLiteral("TextCore.dll"))));
    for (qint64 number : {40100, 40101, 40102, 40103, 40104, 40108, 40109, 40110, 40111, 40112,
                          40113, 40117, 40118, 40124, 40200, 40201, 40202, 40203, 40204, 40522}) {
        EXPECT_FALSE(library.LoadText(number).trimmed().isEmpty()) << number;
    }
    // The version label is followed directly by the version number.
    EXPECT_TRUE(library.LoadText(40522).endsWith(QLatin1Char(' ')));
    const QStringList months = library.LoadText(40600).split(QLatin1Char(','));
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months.first(), QStringLiteral("January"));
    EXPECT_EQ(months.last(), QStringLiteral("December"));
}

QString plainLower(QString text) {
    text.remove(QLatin1Char('!')).remove(QLatin1Char('*'));
    QString plain;
    for (QChar ch : text.normalized(QString::NormalizationForm_D)) {
        if (ch.category() != QChar::Mark_NonSpacing) {
            plain += ch.toLower();
        }
    }
    return plain;
}

class TextChoices : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        choices =
            new Enumerated(enumerateTexts(languageLibrary(QStringLiteral("TextChoices.dll"))));
    }
    static void TearDownTestSuite() { delete choices; }

    static QVector<qint32> inRange(qint32 first, qint32 last) {
        QVector<qint32> numbers;
        for (qint32 n : choices->numbers) {
            if (n >= first && n <= last) {
                numbers << n;
            }
        }
        return numbers;
    }

    static Enumerated* choices;
};

Enumerated* TextChoices::choices = nullptr;

TEST_F(TextChoices, EnumerationEndsCleanlyAndDeliversEachTextOnce) {
    EXPECT_EQ(choices->end, 0);
    const std::set<qint32> unique(choices->numbers.begin(), choices->numbers.end());
    EXPECT_EQ(unique.size(), size_t(choices->numbers.size()));
}

TEST_F(TextChoices, CountriesAreListedAlphabeticallyWithFavouritesAndNoPreselection) {
    const QVector<qint32> countries = inRange(40000, 40499);
    // 40000 stands for "no country chosen": with no text behind it the list
    // opens with nothing selected and the page waits for a real choice.
    EXPECT_FALSE(countries.contains(40000));
    EXPECT_GE(countries.size(), 190);
    int favourites = 0;
    for (qsizetype i = 0; i < countries.size(); ++i) {
        const QString name = choices->texts.value(countries[i]);
        favourites += name.startsWith(QLatin1Char('!')) ? 1 : 0;
        if (i > 0) {
            EXPECT_LT(plainLower(choices->texts.value(countries[i - 1])), plainLower(name))
                << name.toStdString();
        }
    }
    EXPECT_GE(favourites, 3);
    EXPECT_LE(favourites, 8);
    const QStringList names = [&] {
        QStringList all;
        for (qint32 n : countries) {
            all << choices->texts.value(n);
        }
        return all;
    }();
    EXPECT_TRUE(names.contains(QStringLiteral("São Tomé and Príncipe")));
    EXPECT_TRUE(names.contains(QStringLiteral("!United Kingdom")));
}

TEST_F(TextChoices, ShortListsStartWithTheirFirstNumber) {
    struct Range {
        qint32 first;
        qint32 last;
        int atLeast;
    };
    for (const Range r : {Range{41000, 41499, 4}, Range{41500, 41999, 4}, Range{42000, 42499, 4}}) {
        const QVector<qint32> numbers = inRange(r.first, r.last);
        ASSERT_GE(numbers.size(), r.atLeast) << r.first;
        EXPECT_EQ(numbers.first(), r.first);
    }
}

TEST_F(TextChoices, GenderListIsALeadingEntryThenMaleThenFemale) {
    const QVector<qint32> genders = inRange(42500, 42599);
    ASSERT_EQ(genders, (QVector<qint32>{42500, 42501, 42502}));
    EXPECT_EQ(choices->texts.value(42501), QStringLiteral("Male"));
    EXPECT_EQ(choices->texts.value(42502), QStringLiteral("Female"));
}

TEST_F(TextChoices, ColourListsHaveSixSwatchesNoneOfThemBlack) {
    static const QRegularExpression entry(QStringLiteral("^(\\d{9})(=(\\d+))?$"));
    const Enumerated pictures =
        enumeratePictures(neutralLibrary(QStringLiteral("GraphicalChoices.dll")));
    for (qint32 list : {13102, 13103}) {
        const QStringList fields = choices->texts.value(list).split(QLatin1Char(','));
        ASSERT_EQ(fields.size(), 7) << list;
        const int defaultSwatch = fields[0].toInt();
        EXPECT_TRUE(defaultSwatch >= 0 && defaultSwatch < 6);
        for (qsizetype i = 1; i < fields.size(); ++i) {
            const auto match = entry.match(fields[i]);
            ASSERT_TRUE(match.hasMatch()) << fields[i].toStdString();
            // A black swatch would stop the control clearing its highlight.
            EXPECT_NE(match.captured(1), QStringLiteral("000000000"));
            if (match.hasCaptured(3)) {
                const qint32 swatch = match.captured(3).toInt();
                EXPECT_TRUE(swatch >= 13100 && swatch <= 13299);
                EXPECT_EQ(pictures.sizes.value(swatch), QSize(31, 31)) << swatch;
            }
        }
    }
}

TEST_F(TextChoices, ReferencePointsDecodeCompletelyInEveryView) {
    const int tagBase[3] = {100, 200, 300};
    QVector<ReferencePoint> views[3];
    for (int view = 0; view < 3; ++view) {
        views[view] = referencePoints(*choices, view);
        ASSERT_GE(views[view].size(), 5) << view;
        ASSERT_LE(views[view].size(), 10) << view;
        for (qsizetype k = 0; k < views[view].size(); ++k) {
            const ReferencePoint& p = views[view][k];
            EXPECT_FALSE(p.prompt.isEmpty()) << p.number;
            EXPECT_LE(p.prompt.size(), 90) << p.number;
            EXPECT_EQ(p.tag, tagBase[view] + k + 1) << p.number;
            for (int g = 0; g < 2; ++g) {
                EXPECT_TRUE(p.x[g] >= 0 && p.x[g] < 240 && p.y[g] >= 0 && p.y[g] < 320) << p.number;
            }
        }
    }
    // The right profile is the left one seen in a mirror.
    ASSERT_EQ(views[1].size(), views[2].size());
    for (qsizetype k = 0; k < views[1].size(); ++k) {
        EXPECT_EQ(views[1][k].prompt, views[2][k].prompt);
        for (int g = 0; g < 2; ++g) {
            EXPECT_EQ(views[2][k].x[g], 239 - views[1][k].x[g]);
            EXPECT_EQ(views[2][k].y[g], views[1][k].y[g]);
        }
    }
}

TEST(GraphicalChoices, TwinsComeInTheSameOrderAndFitTheirSlots) {
    const Enumerated pictures =
        enumeratePictures(neutralLibrary(QStringLiteral("GraphicalChoices.dll")));
    ASSERT_EQ(pictures.end, 0);
    QVector<qint32> heads, maleHair, femaleHair, maleSpecs, femaleSpecs;
    for (qint32 n : pictures.numbers) {
        if (n >= 5100 && n <= 9099) {
            heads << n;
        } else if (n >= 101 && n <= 2599) {
            maleHair << n;
        } else if (n >= 2601 && n <= 5099) {
            femaleHair << n - 2500;
        } else if (n >= 9101 && n <= 11099) {
            maleSpecs << n;
        } else if (n >= 11101 && n <= 13099) {
            femaleSpecs << n - 2000;
        }
    }
    EXPECT_EQ(heads.size(), 4);
    EXPECT_EQ(maleHair.size(), 12);
    EXPECT_EQ(maleHair, femaleHair);
    EXPECT_EQ(maleSpecs.size(), 18);
    EXPECT_EQ(maleSpecs, femaleSpecs);

    struct Slot {
        qint32 first;
        qint32 last;
        QSize size;
    };
    const Slot slotSizes[] = {{5100, 9099, {36, 48}},
                              {100, 5099, {164, 110}},
                              {9100, 13099, {100, 123}},
                              {13100, 13299, {31, 31}}};
    for (qint32 n : pictures.numbers) {
        for (const Slot& slot : slotSizes) {
            if (n >= slot.first && n <= slot.last) {
                EXPECT_EQ(pictures.sizes.value(n), slot.size) << n;
            }
        }
    }
    for (qint32 none : {100, 2600, 9100, 11100}) {
        EXPECT_TRUE(pictures.sizes.contains(none)) << none;
    }
}

TEST(GraphicalCore, PagePictureAndExamplesLoad) {
    ImagingComponent imaging;
    ExternalResources library;
    ASSERT_TRUE(library.ResOpen(languageLibrary(QStringLiteral("GraphicalCore.dll")), &imaging));
    EXPECT_EQ(library.LoadPicture(1002).size(), QSize(780, 565));
    for (qint64 n = 6020; n <= 6025; ++n) {
        EXPECT_EQ(library.LoadPicture(n).size(), QSize(240, 320)) << n;
    }
}

} // namespace
