#include "controls/ChooseColour.h"
#include "controls/ChooseColourModel.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace stoupe;

namespace {

const char* const HairList = "2,207191141,124102084,071051035,010009008,130059048,210220219";

TEST(ChooseColourModel, ReadsItsList) {
    const struct {
        const char* list;
        int highest, defaultSwatch;
        quint32 chosenColour;
    } cases[] = {
        {HairList, 5, 2, RGB(71, 51, 35)},
        {"", 5, 0, RGB(128, 128, 0)},
        {"4,255000000,000255000", 1, 0, RGB(255, 0, 0)},
        {"-3,255000000,000255000", 1, 0, RGB(255, 0, 0)},
        {"1,255000000,000255000", 1, 1, RGB(0, 255, 0)},
        {"0,999000000", 0, 0, RGB(255, 0, 0)},
        {"3,1,2", -1, 0, 0}, // entries too short to be colours
        {"0,001001001,002002002,003003003,004004004,005005005,006006006,007007007", 5, 0,
         RGB(1, 1, 1)},
    };
    for (const auto& c : cases) {
        ChooseColourModel model;
        model.setSetList(c.list);
        EXPECT_EQ(model.MaxColours(), c.highest) << c.list;
        EXPECT_EQ(model.DefaultSwatch(), c.defaultSwatch) << c.list;
        EXPECT_EQ(model.crRGB(), c.chosenColour) << c.list;
        EXPECT_EQ(model.SetList(), c.list);
    }
}

TEST(ChooseColourModel, PictureNumbersBecomeKeys) {
    ChooseColourModel model;
    model.setSetList("0,130059048=13100,000000255,010010010=13101");
    EXPECT_EQ(model.colour(0), RGB(130, 59, 48));
    EXPECT_EQ(model.pictureTag(0), " 13100");
    EXPECT_EQ(model.pictureTag(1), "");
    EXPECT_EQ(model.pictureTag(2), " 13101");
    model.setSetList("0,130059048");
    EXPECT_EQ(model.pictureTag(0), "");
}

TEST(ChooseColourModel, WritingAColourChoosesItsSwatchOrTheDefault) {
    ChooseColourModel model;
    model.setSetList(HairList);
    const struct {
        quint32 colour;
        int chosen;
    } cases[] = {{RGB(10, 9, 8), 3}, {RGB(1, 2, 3), 2}, {RGB(207, 191, 141), 0}};
    for (const auto& c : cases) {
        model.setCrRGB(c.colour);
        EXPECT_EQ(model.Chosen(), c.chosen);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(model.framed(i), i == c.chosen) << i;
    }
    model.choose(6);
    EXPECT_EQ(model.Chosen(), 0);
    model.ClearHighlight();
    EXPECT_EQ(model.crRGB(), 0u);
}

TEST(ChooseColourModel, ABlackSwatchStopsClearingTheFrames) {
    ChooseColourModel model;
    model.setSetList("2,255000000,000000000,000000255");
    ASSERT_EQ(model.Chosen(), 2);
    model.choose(0);
    // The walk stopped at the black swatch 1: swatch 2 keeps its frame.
    EXPECT_TRUE(model.framed(0));
    EXPECT_TRUE(model.framed(2));
    EXPECT_EQ(model.crRGB(), RGB(255, 0, 0));
}

class Swatches : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    ChooseColour control{&window};
};

TEST_F(Swatches, ShowTheSwatchesInUseAndChooseByClick) {
    control.setSetList(HairList);
    EXPECT_EQ(control.crRGB(), RGB(71, 51, 35));
    EXPECT_EQ(control.borderShape(1)->x(), 52);
    EXPECT_EQ(control.colourShape(5)->geometry(), QRect(256, 4, 31, 31));

    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(160, 20));
    EXPECT_EQ(control.crRGB(), RGB(10, 9, 8)); // 160 / 52 = swatch 3
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(390, 20));
    EXPECT_EQ(control.crRGB(), RGB(10, 9, 8)); // beyond the last swatch

    control.setSetList("4,255000000,000255000");
    EXPECT_TRUE(control.colourShape(1)->isVisible());
    EXPECT_FALSE(control.colourShape(2)->isVisible());
    EXPECT_FALSE(control.borderShape(2)->isVisible());
    EXPECT_EQ(control.BetterWidth(), 54 + 31 + 1 + 1);

    control.setSetList("0,");
    EXPECT_EQ(control.BetterWidth(), control.width());
}

TEST_F(Swatches, LoadSwatchesGivesPicturesUpToTheFirstMissing) {
    control.setSetList("0,130059048=13100,000000255=13101,001001001=13102,002002002=13103");
    QImage picture(31, 31, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    const SwatchPictureMap pictures{{" 13100", picture}, {" 13101", picture}, {" 13103", picture}};
    const SwatchPictureMap returned = control.LoadSwatches(pictures);
    EXPECT_EQ(returned.size(), 3);
    EXPECT_TRUE(control.swatchImage(0)->isVisible());
    EXPECT_TRUE(control.swatchImage(1)->isVisible());
    EXPECT_FALSE(control.swatchImage(2)->isVisible());
    EXPECT_FALSE(control.swatchImage(3)->isVisible()); // after the missing one

    // A click on a picture chooses its swatch.
    QTest::mouseClick(control.swatchImage(1), Qt::LeftButton);
    EXPECT_EQ(control.crRGB(), RGB(0, 0, 255));
}

TEST_F(Swatches, UnSizeScalesThePartsButNotAPicture) {
    control.setSetList("0,130059048=13100,000000255");
    QImage picture(31, 31, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    control.LoadSwatches({{" 13100", picture}});
    double x = 0.8, y = 0.5;
    control.UnSize(x, y);
    EXPECT_EQ(control.borderShape(1)->geometry(), QRect(42, 1, 28, 18));
    EXPECT_EQ(control.colourShape(1)->geometry(), QRect(43, 2, 25, 16));
    EXPECT_EQ(control.swatchImage(0)->geometry(), QRect(3, 2, 31, 31));
}

} // namespace
