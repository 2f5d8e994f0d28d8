#include "ui/common/app_info.h"

#include "core/project_files.h"


namespace dv {

QString appTitle() { return QStringLiteral("Dorvane"); }

QString appVersionText()
{
    return ProgramVersionText();
}

}  // namespace dv
