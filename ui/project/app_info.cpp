#include "ui/project/app_info.h"

#include <QCoreApplication>

namespace dv {

QString appTitle() { return QStringLiteral("Dorvane"); }

QString appVersionText()
{
    constexpr int major = 1, minor = 0, revision = 0;
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString programFolder() { return QCoreApplication::applicationDirPath(); }

}  // namespace dv
