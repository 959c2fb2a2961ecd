#pragma once

#include <QByteArray>

#include <functional>

namespace stoupe {

// Decides whether leaving the program would lose entered data: a changed
// flag (set when a photograph is loaded) and a snapshot of the acquisition
// record taken at load, after loading and after saving a file.
//
// The record is gathered through a gatherer the acquisition subsystem
// installs; without one only the changed flag counts.
class ChangeTracker {
public:
    using Gatherer = std::function<QByteArray()>;

    void setGatherer(Gatherer gatherer);

    void MarkChanged() { m_changed = true; }
    void TakeSnapshot();
    bool HasChanged() const;

private:
    Gatherer m_gather;
    QByteArray m_snapshot;
    bool m_changed = false;
};

} // namespace stoupe
