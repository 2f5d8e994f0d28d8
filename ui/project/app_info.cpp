#include "ui/project/app_info.h"

#include "core/data_location.h"
#include "core/project_files.h"

#include <QCoreApplication>

namespace dv {

QString appTitle() { return QStringLiteral("Dorvane"); }

QString appVersionText()
{
    return ProgramVersionText();
}

QString programFolder() { return DeliveredDataFolder(QCoreApplication::applicationDirPath()); }

}  // namespace dv
