#pragma once
#include <QByteArray>

namespace dv {
// The program's fixed database password.
inline QByteArray databasePassword() { return QByteArrayLiteral("PuNo"); }
}  // namespace dv
