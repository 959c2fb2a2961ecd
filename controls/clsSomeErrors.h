#pragma once

#include <QObject>
#include <QString>

namespace stoupe {

// Shared reporter of internal inconsistencies found by the controls. The
// wizard makes one and answers its Errored event.
class clsSomeErrors : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void HandleError(qint16 nError, const QString& strName) { emit Errored(nError, strName); }

signals:
    void Errored(qint16 nError, const QString& strName);
};

} // namespace stoupe
