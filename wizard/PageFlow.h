#pragma once

#include <QString>

#include <array>
#include <functional>

namespace stoupe {

// Direction of a page change.
enum class Direction { Initial = 0, Back = 1, Forward = 2 };

// Which wizard page follows which, what the navigation bar shows on each page
// and which information card greets a page. Free of widgets so that the rules
// can be exercised directly; the wizard window applies them.
class PageFlow {
public:
    static constexpr int PageCount = 15;
    static constexpr int SubmitPage = 13;
    static constexpr int WarrantyPage = 14;

    struct Target {
        int page = 0;
        bool stepBackUpload = false; // leaving the submit page backwards
    };

    struct NavState {
        bool backVisible = true;
        bool backEnabled = true;
        bool nextVisible = true;
        bool nextEnabled = true;
    };

    // The page actually shown for a requested page: retired pages 3 and 9 are
    // passed over, and the generic-head page 10 when skipHeads is set.
    static Target resolve(int requested, Direction direction, int leaving, bool skipHeads);

    // Information card (1, 2 or 4) shown when entering a page, or 0.
    static int infoCardFor(int page, Direction direction);

    // The page gate for Back and Next. nextRuleMet is the page's own
    // completeness rule; ignoreValidation is the debug override.
    static NavState gate(int page, bool nextRuleMet, bool ignoreValidation);

    static bool helpVisible(int page) { return page > 2; }

    // The page indicator text ("4 of 10"), empty on pages 0 to 2.
    static QString pageNumberText(int page, bool skipHeads);

    // Cell of the do-and-don't tip strip under a mouse position given in the
    // don't-picture's pixels: 0..4, or -1 outside the strip.
    static int tipCell(double x, double y);

    // Completeness rules of the pages that have one. A page without a rule
    // lets Next through.
    using Rule = std::function<bool()>;
    void setNextRule(int page, Rule rule);
    bool nextRuleMet(int page) const;

private:
    std::array<Rule, PageCount> m_rules;
};

} // namespace stoupe
