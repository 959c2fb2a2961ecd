#include "assets/UiPictures.h"

#include <QFile>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using stoupe::ui::ButtonFace;

// The names and design sizes promised to the wizard in assets/ui/MANIFEST.md:
// every table row of its "Names" and "Button faces" sections. "name-*"
// stands for the four faces of a button, "-face" continues the previous
// name's prefix.
QMap<QString, QSize> manifest() {
    QMap<QString, QSize> names;
    QFile file(QStringLiteral(STOUPE_UI_MANIFEST));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return names;
    const QRegularExpression row(QStringLiteral(R"(^\| (`[^|]+`) \| (\d+) × (\d+) \|)"));
    const QRegularExpression quoted(QStringLiteral("`([^`]+)`"));
    bool inNames = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("## ")))
            inNames =
                line == QStringLiteral("## Names") || line == QStringLiteral("## Button faces");
        const auto match = row.match(line);
        if (!inNames || !match.hasMatch())
            continue;
        const QSize size(match.captured(2).toInt(), match.captured(3).toInt());
        QString prefix;
        for (auto it = quoted.globalMatch(match.captured(1)); it.hasNext();) {
            QString name = it.next().captured(1);
            if (name.startsWith(QLatin1Char('-')))
                name.prepend(prefix);
            else
                prefix = name.left(name.indexOf(QLatin1Char('-')));
            if (name.endsWith(QStringLiteral("-*"))) {
                name.chop(1);
                for (const char* face : {"inactive", "up", "down", "disabled"})
                    names.insert(name + QLatin1String(face), size);
            } else {
                names.insert(name, size);
            }
        }
    }
    return names;
}

bool hasVisiblePixel(const QImage& image) {
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

TEST(UiPictures, EveryManifestNameRendersAtItsDesignSizeAtBothRatios) {
    const QMap<QString, QSize> names = manifest();
    ASSERT_GT(names.size(), 40) << "MANIFEST.md not found or not parsed";
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_EQ(stoupe::ui::designSize(it.key()), it.value());
        for (const qreal dpr : {1.0, 2.0}) {
            const QPixmap pixmap = stoupe::ui::picture(it.key(), {}, dpr);
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(pixmap.size(), it.value() * dpr);
            EXPECT_EQ(pixmap.devicePixelRatio(), dpr);
            EXPECT_TRUE(hasVisiblePixel(pixmap.toImage()));
        }
    }
}

TEST(UiPictures, EveryCompiledPictureIsInTheManifest) {
    const QMap<QString, QSize> names = manifest();
    for (const QString& name : stoupe::ui::pictureNames())
        EXPECT_TRUE(names.contains(name)) << name.toStdString() << " is compiled in but not listed";
}

TEST(UiPictures, MissingOrAbsurdRequestsGiveANullPicture) {
    EXPECT_TRUE(stoupe::ui::picture(QStringLiteral("no-such-picture")).isNull());
    EXPECT_TRUE(stoupe::ui::picture(QString()).isNull());
    EXPECT_TRUE(stoupe::ui::picture(QStringLiteral("../ui/title-00")).isNull());
    EXPECT_FALSE(stoupe::ui::designSize(QStringLiteral("no-such-picture")).isValid());
    EXPECT_TRUE(stoupe::ui::picture(QStringLiteral("title-00"), QSize(100000, 100000), 1).isNull());
    EXPECT_TRUE(stoupe::ui::picture(QStringLiteral("title-00"), QSize(0, 52), 1).isNull());
    EXPECT_TRUE(
        stoupe::ui::buttonFace(QStringLiteral("ok"), {}, ButtonFace::Up, QSize(90, 100000), 1)
            .isNull());
}

TEST(UiPictures, ARequestedSizeOverridesTheDesignSize) {
    const QPixmap pixmap =
        stoupe::ui::picture(QStringLiteral("page-background"), QSize(390, 282), 2);
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.size(), QSize(780, 564));
}

TEST(UiPictures, AButtonWithPicturesOfItsOwnShowsThemAndIgnoresTheLabel) {
    const QSize size(100, 34);
    const QImage own =
        stoupe::ui::picture(QStringLiteral("button-nav-next-down"), size, 1).toImage();
    const QImage face = stoupe::ui::buttonFace(QStringLiteral("nav-next"),
                                               QStringLiteral("ignored"), ButtonFace::Down, size, 1)
                            .toImage();
    EXPECT_EQ(face, own);
}

TEST(UiPictures, OtherButtonsShowTheGenericFaceWithTheirLabelAtAnyWidth) {
    for (const ButtonFace face :
         {ButtonFace::Inactive, ButtonFace::Up, ButtonFace::Down, ButtonFace::Disabled}) {
        for (const qreal dpr : {1.0, 2.0}) {
            const QSize size(170, 34);
            const QPixmap bare =
                stoupe::ui::buttonFace(QStringLiteral("units"), {}, face, size, dpr);
            const QPixmap labelled = stoupe::ui::buttonFace(
                QStringLiteral("units"), QStringLiteral("Inches"), face, size, dpr);
            const QPixmap generic = stoupe::ui::buttonFace({}, {}, face, size, dpr);
            ASSERT_FALSE(bare.isNull());
            ASSERT_FALSE(labelled.isNull());
            EXPECT_EQ(labelled.size(), size * dpr);
            EXPECT_NE(labelled.toImage(), bare.toImage());
            EXPECT_EQ(bare.toImage(), generic.toImage());
        }
    }
}

TEST(UiPictures, AStretchedGenericFaceKeepsItsRoundedEnds) {
    // The ends of a wide face match the ends of the face at its own proportions:
    // a plain stretch would flatten the rounded corners.
    const QImage natural =
        stoupe::ui::buttonFace({}, {}, ButtonFace::Inactive, QSize(100, 34), 1).toImage();
    const QImage wide =
        stoupe::ui::buttonFace({}, {}, ButtonFace::Inactive, QSize(300, 34), 1).toImage();
    ASSERT_EQ(wide.size(), QSize(300, 34));
    for (int y = 0; y < 34; ++y) {
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(wide.pixel(x, y), natural.pixel(x, y)) << x << "," << y;
            EXPECT_EQ(wide.pixel(299 - x, y), natural.pixel(99 - x, y)) << x << "," << y;
        }
    }
}

} // namespace
