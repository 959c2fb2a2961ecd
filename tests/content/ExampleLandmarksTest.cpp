// The example heads against the reference points: in each example picture the
// landmarks must lie exactly where that view's points say, for that gender.
//
// Two checks per point. The generator also writes each example with every
// landmark covered by a 3 x 3 square of a marker colour (point k of a view in
// rgb(0, 255, 20k + 10)); rendered at the library picture's size, each square
// must be centred on the point's pixel. And in the shipped JPEG itself, the
// drawn outline of the feature must pass through the point.

#include "ShippedLibraries.h"

#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

using namespace stoupe;
using namespace stoupe::contenttest;

namespace {

struct ExampleCase {
    qint64 picture;
    int view;   // 0 front, 1 left profile, 2 right profile
    int gender; // 0 male, 1 female
};

class ExamplePicture : public ::testing::TestWithParam<ExampleCase> {
protected:
    static void SetUpTestSuite() {
        choices =
            new Enumerated(enumerateTexts(languageLibrary(QStringLiteral("TextChoices.dll"))));
    }
    static void TearDownTestSuite() { delete choices; }

    QImage libraryPicture() const {
        ImagingComponent imaging;
        ExternalResources library;
        if (!library.ResOpen(languageLibrary(QStringLiteral("GraphicalCore.dll")), &imaging)) {
            return {};
        }
        return library.LoadPicture(GetParam().picture);
    }

    static Enumerated* choices;
};

Enumerated* ExamplePicture::choices = nullptr;

TEST_P(ExamplePicture, MarkedLandmarksSitOnTheReferencePoints) {
    const ExampleCase c = GetParam();
    const QImage picture = libraryPicture();
    ASSERT_FALSE(picture.isNull());
    const QVector<ReferencePoint> points = referencePoints(*choices, c.view);
    ASSERT_FALSE(points.isEmpty());

    QSvgRenderer renderer(generatedPath(QStringLiteral("test/markers-%1.svg").arg(c.picture)));
    ASSERT_TRUE(renderer.isValid());
    QImage marked(picture.size(), QImage::Format_RGB32);
    marked.fill(Qt::white);
    QPainter painter(&marked);
    renderer.render(&painter, QRectF(QPointF(0, 0), picture.size()));
    painter.end();

    for (qsizetype k = 0; k < points.size(); ++k) {
        const QRgb marker = qRgb(0, 255, int(20 * k + 10));
        qint64 count = 0;
        qint64 sumX = 0;
        qint64 sumY = 0;
        for (int y = 0; y < marked.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(marked.constScanLine(y));
            for (int x = 0; x < marked.width(); ++x) {
                if ((line[x] & 0xFFFFFF) == (marker & 0xFFFFFF)) {
                    ++count;
                    sumX += x;
                    sumY += y;
                }
            }
        }
        const ReferencePoint& p = points[k];
        ASSERT_EQ(count, 9) << "point " << p.number;
        EXPECT_EQ(sumX, 9 * p.x[c.gender]) << "point " << p.number;
        EXPECT_EQ(sumY, 9 * p.y[c.gender]) << "point " << p.number;
    }
}

TEST_P(ExamplePicture, DrawnOutlinePassesThroughEveryPoint) {
    const ExampleCase c = GetParam();
    const QImage picture = libraryPicture().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());
    for (const ReferencePoint& p : referencePoints(*choices, c.view)) {
        const int px = p.x[c.gender];
        const int py = p.y[c.gender];
        int darkest = 255;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (picture.rect().contains(px + dx, py + dy)) {
                    darkest = std::min(darkest, qGray(picture.pixel(px + dx, py + dy)));
                }
            }
        }
        // The outline is a dark plum (grey level about 50); skin, hair
        // highlights and the background are all far lighter than 110.
        EXPECT_LT(darkest, 110) << "point " << p.number << " at " << px << "," << py;
    }
}

INSTANTIATE_TEST_SUITE_P(Content, ExamplePicture,
                         ::testing::Values(ExampleCase{6020, 0, 0}, ExampleCase{6021, 1, 0},
                                           ExampleCase{6022, 2, 0}, ExampleCase{6023, 0, 1},
                                           ExampleCase{6024, 1, 1}, ExampleCase{6025, 2, 1}),
                         [](const ::testing::TestParamInfo<ExampleCase>& info) {
                             return "Picture" + std::to_string(info.param.picture);
                         });

} // namespace
