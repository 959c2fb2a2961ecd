#include "wizard/ChangeTracker.h"

#include <gtest/gtest.h>

namespace stoupe {
namespace {

TEST(ChangeTracker, FlagAloneWithoutGatherer) {
    ChangeTracker tracker;
    tracker.TakeSnapshot();
    EXPECT_FALSE(tracker.HasChanged());
    tracker.MarkChanged();
    EXPECT_TRUE(tracker.HasChanged());
    tracker.TakeSnapshot();
    EXPECT_FALSE(tracker.HasChanged());
}

TEST(ChangeTracker, GatheredRecordComparedWithSnapshot) {
    ChangeTracker tracker;
    QByteArray record("first");
    tracker.setGatherer([&] { return record; });
    tracker.TakeSnapshot();
    EXPECT_FALSE(tracker.HasChanged());
    record = "second";
    EXPECT_TRUE(tracker.HasChanged());
    tracker.TakeSnapshot();
    EXPECT_FALSE(tracker.HasChanged());
}

} // namespace
} // namespace stoupe
