#include "core/startup.h"
#include "core/app_state.h"
#include "core/compact.h"
#include "core/data_location.h"
#include "core/project_reset.h"

#include "platform/app_error.h"

#include <QDir>
#include <QFileInfo>

namespace dv {

namespace {

// Refuses a database file that cannot serve before anything is changed: a
// missing file, a folder in its place, an empty (zero-byte) file, or one
// the user cannot write (the reset and the compaction both write it).
void checkDatabaseFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(err::FileNotFound, QStringLiteral("File not found."));
    if (!info.isFile())
        throw AppError(err::FileNotFound, QStringLiteral("It is not a file."));
    if (info.size() == 0)
        throw AppError(err::Database + 26, QStringLiteral("The file is empty; it holds none of the program's tables."));
    if (!info.isWritable())
        throw AppError(compact_err::ReadOnly, QStringLiteral("The file is read-only for this user."));
}

}  // namespace

ProjectView* Main(const QString& exeFolder, const std::function<ProjectView*()>& createProjectWindow,
                  const std::function<void()>& pumpEvents)
{
    // The choice of the database names the files it is about when it fails.
    DatabasePath = ChooseDatabasePath(QDir::cleanPath(exeFolder));
    try {
        checkDatabaseFile(DatabasePath);
        OpenDatabase();
        ProjectView* view = createProjectWindow();
        setProjectView(view);
        ResetProjectTables();
        if (pumpEvents)
            pumpEvents();
        // The compaction reads through the connection already open, so the
        // password is derived once for the old file and once for the new.
        CompactInPlace(DbConnection);
        OpenDatabase();
        return view;
    } catch (const AppError& e) {
        // Every start-up message names the file it is about.
        if (e.description().contains(DatabasePath))
            throw;
        throw AppError(e.number(),
                       QStringLiteral("The database file '%1' cannot be used: %2").arg(DatabasePath, e.description()),
                       e.source());
    }
}

QString errorMessageText(long number, const QString& description)
{
    return QStringLiteral("Error %1: %2").arg(number).arg(description);
}

}  // namespace dv
