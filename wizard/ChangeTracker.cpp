#include "wizard/ChangeTracker.h"

#include <utility>

namespace stoupe {

void ChangeTracker::setGatherer(Gatherer gatherer) {
    m_gather = std::move(gatherer);
}

void ChangeTracker::TakeSnapshot() {
    m_changed = false;
    m_snapshot = m_gather ? m_gather() : QByteArray();
}

bool ChangeTracker::HasChanged() const {
    if (m_changed)
        return true;
    return m_gather && m_gather() != m_snapshot;
}

} // namespace stoupe
