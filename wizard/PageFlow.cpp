#include "wizard/PageFlow.h"

#include <cmath>
#include <utility>

namespace stoupe {

namespace {
constexpr int HeadsPage = 10;

bool validPage(int page) {
    return page >= 0 && page < PageFlow::PageCount;
}
} // namespace

PageFlow::Target PageFlow::resolve(int requested, Direction direction, int leaving,
                                   bool skipHeads) {
    Target target{requested, false};
    int& p = target.page;
    if (p == 3)
        p = direction == Direction::Forward ? 4 : 2;
    if (direction == Direction::Forward) {
        if (p == 9)
            p = HeadsPage;
        if (skipHeads && p == HeadsPage)
            p = 11;
    } else {
        target.stepBackUpload = leaving == SubmitPage;
        if (skipHeads && p == HeadsPage)
            p = 9;
        if (p == 9)
            p = 8;
    }
    if (p < 0)
        p = 0;
    if (p >= PageCount)
        p = PageCount - 1;
    return target;
}

int PageFlow::infoCardFor(int page, Direction direction) {
    if (direction != Direction::Forward)
        return 0;
    switch (page) {
    case 4:
        return 1;
    case 7:
        return 2;
    case 11:
        return 4;
    default:
        return 0;
    }
}

PageFlow::NavState PageFlow::gate(int page, bool nextRuleMet, bool ignoreValidation) {
    NavState nav;
    switch (page) {
    case 0:
        nav = {false, false, false, false};
        break;
    case 1:
        nav = {false, false, true, true};
        break;
    case SubmitPage:
        nav = {true, true, false, false};
        break;
    case WarrantyPage:
        nav = {false, false, false, false};
        break;
    default:
        nav = {true, true, true, nextRuleMet || ignoreValidation};
        break;
    }
    return nav;
}

QString PageFlow::pageNumberText(int page, bool skipHeads) {
    if (page <= 2 || !validPage(page))
        return {};
    // Pages are numbered in the order the user meets them: the retired pages
    // take no number, nor does the heads page when it is left out, and the
    // warranty page that follows the submit page is the last.
    int number = 0;
    for (int p = 4; p <= page; ++p) {
        if (p == 9 || (skipHeads && p == HeadsPage))
            continue;
        ++number;
    }
    const int total = skipHeads ? 9 : 10;
    return QStringLiteral("%1 of %2").arg(number).arg(total);
}

int PageFlow::tipCell(double x, double y) {
    if (!(x >= 0 && x <= 375 && y >= 221 && y <= 298))
        return -1;
    const double cell = std::nearbyint((x - 37.4) / 74.8);
    if (cell < 0 || cell > 4)
        return -1;
    return static_cast<int>(cell);
}

void PageFlow::setNextRule(int page, Rule rule) {
    if (validPage(page))
        m_rules[static_cast<size_t>(page)] = std::move(rule);
}

bool PageFlow::nextRuleMet(int page) const {
    if (!validPage(page))
        return false;
    const Rule& rule = m_rules[static_cast<size_t>(page)];
    return !rule || rule();
}

} // namespace stoupe
