#include "wizard/PageFlow.h"

#include <gtest/gtest.h>

#include <vector>

namespace stoupe {
namespace {

std::vector<int> walk(int from, Direction direction, bool skipHeads, int stopAt) {
    std::vector<int> pages{from};
    int page = from;
    while (page != stopAt && pages.size() < 20) {
        const int step = direction == Direction::Forward ? 1 : -1;
        page = PageFlow::resolve(page + step, direction, page, skipHeads).page;
        pages.push_back(page);
    }
    return pages;
}

TEST(PageFlow, ForwardAndBackOrderPassOverRetiredPages) {
    EXPECT_EQ(walk(0, Direction::Forward, false, 13),
              (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 8, 10, 11, 12, 13}));
    EXPECT_EQ(walk(13, Direction::Back, false, 0),
              (std::vector<int>{13, 12, 11, 10, 8, 7, 6, 5, 4, 2, 1, 0}));
    EXPECT_EQ(walk(0, Direction::Forward, true, 13),
              (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 8, 11, 12, 13}));
    EXPECT_EQ(walk(13, Direction::Back, true, 0),
              (std::vector<int>{13, 12, 11, 8, 7, 6, 5, 4, 2, 1, 0}));
}

TEST(PageFlow, LeavingTheSubmitPageBackwardsStepsTheUploadBack) {
    EXPECT_TRUE(PageFlow::resolve(12, Direction::Back, 13, false).stepBackUpload);
    EXPECT_TRUE(PageFlow::resolve(13, Direction::Back, 13, false).stepBackUpload);
    EXPECT_FALSE(PageFlow::resolve(14, Direction::Forward, 13, false).stepBackUpload);
    EXPECT_FALSE(PageFlow::resolve(11, Direction::Back, 12, false).stepBackUpload);
}

TEST(PageFlow, InfoCardsOnlyWhenEnteringForward) {
    const struct {
        int page;
        int forward;
    } cases[] = {{4, 1}, {7, 2}, {11, 4}, {5, 0}, {8, 0}, {10, 0}, {13, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(PageFlow::infoCardFor(c.page, Direction::Forward), c.forward) << c.page;
        EXPECT_EQ(PageFlow::infoCardFor(c.page, Direction::Back), 0) << c.page;
        EXPECT_EQ(PageFlow::infoCardFor(c.page, Direction::Initial), 0) << c.page;
    }
}

TEST(PageFlow, GateTable) {
    using Nav = PageFlow::NavState;
    auto same = [](const Nav& a, const Nav& b) {
        return a.backVisible == b.backVisible && a.backEnabled == b.backEnabled &&
               a.nextVisible == b.nextVisible && a.nextEnabled == b.nextEnabled;
    };
    EXPECT_TRUE(same(PageFlow::gate(0, true, true), {false, false, false, false}));
    EXPECT_TRUE(same(PageFlow::gate(1, false, false), {false, false, true, true}));
    EXPECT_TRUE(same(PageFlow::gate(13, true, true), {true, true, false, false}));
    EXPECT_TRUE(same(PageFlow::gate(14, true, true), {false, false, false, false}));
    EXPECT_TRUE(same(PageFlow::gate(5, false, false), {true, true, true, false}));
    EXPECT_TRUE(same(PageFlow::gate(5, false, true), {true, true, true, true}));
    EXPECT_TRUE(same(PageFlow::gate(6, true, false), {true, true, true, true}));
}

TEST(PageFlow, PageRulesPlugIn) {
    PageFlow flow;
    EXPECT_TRUE(flow.nextRuleMet(4));
    bool complete = false;
    flow.setNextRule(4, [&] { return complete; });
    EXPECT_FALSE(flow.nextRuleMet(4));
    complete = true;
    EXPECT_TRUE(flow.nextRuleMet(4));
    EXPECT_FALSE(flow.nextRuleMet(15));
}

TEST(PageFlow, PageIndicatorCountsTheVisitedPages) {
    EXPECT_EQ(PageFlow::pageNumberText(2, false), QString());
    EXPECT_EQ(PageFlow::pageNumberText(4, false), QStringLiteral("1 of 10"));
    EXPECT_EQ(PageFlow::pageNumberText(10, false), QStringLiteral("6 of 10"));
    EXPECT_EQ(PageFlow::pageNumberText(14, false), QStringLiteral("10 of 10"));
    EXPECT_EQ(PageFlow::pageNumberText(11, true), QStringLiteral("6 of 9"));
    EXPECT_EQ(PageFlow::pageNumberText(14, true), QStringLiteral("9 of 9"));
}

TEST(PageFlow, TipCellArithmetic) {
    const struct {
        double x, y;
        int cell;
    } cases[] = {{37.4, 250, 0},  {112.2, 250, 1},  {112.2, 220, -1}, {112.2, 221, 1},
                 {112.2, 298, 1}, {112.2, 299, -1}, {0, 250, 0},      {74.8, 250, 0},
                 {336.6, 250, 4}, {375, 250, -1},   {-1, 250, -1},    {299.2, 250, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(PageFlow::tipCell(c.x, c.y), c.cell) << c.x << "," << c.y;
}

} // namespace
} // namespace stoupe
