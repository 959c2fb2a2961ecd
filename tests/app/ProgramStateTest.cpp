#include "app/ProgramState.h"

#include <gtest/gtest.h>

namespace stoupe {
namespace {

TEST(ProgramState, ReleaseDropsThePointSetsAndSwatches) {
    ProgramState& state = programState();
    state.Points.appendReferencePoint(13300, QStringLiteral("1;2;3;4;5;Eye"));
    state.Points.appendReferencePoint(23300, QStringLiteral("1;2;3;4;5;Ear"));
    state.SwatchPictures.insert(QStringLiteral(" 13100"), QImage(2, 2, QImage::Format_RGB32));
    state.Points.RightProfile = true;
    int editor = 1;
    EXPECT_EQ(state.Points.ProfileSetForEditor(editor), 2); // the one profile flag

    releaseSharedState();
    for (const auto& set : state.Points.ReferencePointSets)
        EXPECT_TRUE(set.isEmpty());
    EXPECT_TRUE(state.SwatchPictures.isEmpty());
    state = ProgramState{};
}

TEST(ProgramState, HelpDoesNothingUntilInstalled) {
    ShowHelp();
    int opened = 0;
    setShowHelpHandler([&] { ++opened; });
    ShowHelp();
    setShowHelpHandler({});
    EXPECT_EQ(opened, 1);
}

} // namespace
} // namespace stoupe
