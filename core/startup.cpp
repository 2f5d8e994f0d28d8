#include "core/startup.h"
#include "core/app_state.h"
#include "core/compact.h"
#include "core/data_location.h"
#include "core/project_reset.h"

#include <QDir>

namespace dv {

ProjectView* Main(const QString& exeFolder, const std::function<ProjectView*()>& createProjectWindow,
                  const std::function<void()>& pumpEvents)
{
    DatabasePath = ChooseDatabasePath(exeFolder);
    OpenDatabase();
    ProjectView* view = createProjectWindow();
    setProjectView(view);
    ResetProjectTables();
    DbConnection.close();
    if (pumpEvents)
        pumpEvents();
    Compact(DatabasePath, QString(), true);
    OpenDatabase();
    return view;
}

QString errorMessageText(long number, const QString& description)
{
    return QStringLiteral("Error %1: %2").arg(number).arg(description);
}

}  // namespace dv
