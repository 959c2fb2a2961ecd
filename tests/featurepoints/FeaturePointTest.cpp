#include "pictures/featurepoints/SharedPointState.h"

#include <gtest/gtest.h>

using namespace stoupe;

namespace {

TEST(ReferenceFeaturePoint, DecodesAsFarAsTheFieldsGo) {
    const struct {
        const char* text;
        bool result;
        qint16 tag;
        float mx, my, fx, fy;
        const char* prompt;
    } cases[] = {
        {"7;120;85;118;90;  Click the tip of the nose  ", true, 7, 120, 85, 118, 90,
         "Click the tip of the nose"},
        {"7;120;85;118;90;Left; then right;", true, 7, 120, 85, 118, 90, "Left"},
        {"7;120;85;118;90", false, 7, 120, 85, 118, 90, ""},
        {"7;120;85", false, 7, 120, 85, 0, 0, ""},
        {"", false, 0, 0, 0, 0, 0, ""},
        {"-3; 10 ;2.5;3.5;-1;p", true, -3, 10, 2, 4, -1, "p"}, // halves to even
        {"7;120;x;1;2;p", false, 7, 120, 0, 0, 0, ""},
        {"7;40000;85;1;2;p", false, 7, 0, 0, 0, 0, ""},
        {"seven;1;2;3;4;p", false, 0, 0, 0, 0, 0, ""},
    };
    for (const auto& c : cases) {
        ReferenceFeaturePoint point;
        EXPECT_EQ(point.decodeRFPString(13301, QString::fromUtf8(c.text)), c.result) << c.text;
        EXPECT_EQ(point.uidID, 13301);
        EXPECT_EQ(point.nTag, c.tag) << c.text;
        EXPECT_EQ(point.posx(0), c.mx) << c.text;
        EXPECT_EQ(point.posY(0), c.my) << c.text;
        EXPECT_EQ(point.posx(1), c.fx) << c.text;
        EXPECT_EQ(point.posY(1), c.fy) << c.text;
        EXPECT_EQ(point.strPrompt, QString::fromUtf8(c.prompt)) << c.text;
        EXPECT_EQ(point.qposx(1), point.posx(1));
        EXPECT_EQ(point.qposY(0), point.posY(0));
    }
}

TEST(ReferenceFeaturePoint, PositionsExistForTwoGendersOnly) {
    ReferenceFeaturePoint point;
    point.setPosx(1, 12.5f);
    point.setPosY(0, 3);
    point.setPosx(2, 99);
    EXPECT_EQ(point.qposx(1), 12.5f);
    EXPECT_EQ(point.posY(0), 3);
    EXPECT_EQ(point.posx(2), 0);
    EXPECT_EQ(point.posx(-1), 0);
}

TEST(SharedPointState, StringNumbersGoToTheirSet) {
    SharedPointState state;
    const struct {
        qint32 number;
        int set;
    } cases[] = {{13299, -1}, {13300, 0}, {18299, 0},  {18300, 1}, {23299, 1},
                 {23300, 2},  {28299, 2}, {28300, -1}, {40000, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(SharedPointState::setForStringNumber(c.number), c.set) << c.number;
        EXPECT_EQ(state.appendReferencePoint(c.number, "1;2;3;4;5;p"), c.set >= 0) << c.number;
    }
    ASSERT_EQ(state.ReferencePointSets[0].size(), 2);
    EXPECT_EQ(state.ReferencePointSets[0][1].uidID, 18299);
    EXPECT_EQ(state.ReferencePointSets[1].size(), 2);
    EXPECT_EQ(state.ReferencePointSets[2].size(), 2);

    // A string that does not decode still makes its point.
    state.appendReferencePoint(13400, "broken");
    EXPECT_EQ(state.ReferencePointSets[0].size(), 3);
    EXPECT_EQ(state.ReferencePointSets[0].last().uidID, 13400);
    state.release();
    EXPECT_TRUE(state.ReferencePointSets[0].isEmpty());
}

TEST(SharedPointState, ProfileIndexesFollowTheProfileSide) {
    const struct {
        bool right;
        int editor, editorAfter, set;
    } editors[] = {{false, 0, 0, 0}, {false, 1, 1, 1}, {true, 0, 0, 0},
                   {true, 1, 1, 2},  {true, 5, 1, 2},  {false, 5, 1, 1}};
    for (const auto& c : editors) {
        SharedPointState state;
        state.RightProfile = c.right;
        int editor = c.editor;
        EXPECT_EQ(state.ProfileSetForEditor(editor), c.set) << c.right << c.editor;
        EXPECT_EQ(editor, c.editorAfter);
    }

    SharedPointState state;
    for (const bool right : {false, true}) {
        state.RightProfile = right;
        EXPECT_EQ(state.ShownProfileIndex(true), right ? 2 : 1);
        EXPECT_EQ(state.OtherProfileIndex(true), right ? 1 : 2);
        EXPECT_EQ(state.ShownProfileIndex(false), 1);
        EXPECT_EQ(state.OtherProfileIndex(false), 1);
    }
}

} // namespace
