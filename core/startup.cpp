#include "core/startup.h"
#include "core/app_state.h"
#include "core/compact.h"
#include "core/data_location.h"
#include "core/database_lock.h"
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

// What the user can do about a database file that cannot serve. A full
// disk leaves the file sound: the advice to replace it is only for a file
// that is missing, unreadable or damaged.
QString whatToDo(long number, const QString& deliveredFrom, const QString& databasePath)
{
    if (number == err::Database + 13 || number == err::DiskFull)  // "database or disk is full"
        return QStringLiteral("The disk is full: make room on the disk of the folder '%1', then start the program "
                              "again.")
            .arg(QFileInfo(databasePath).absolutePath());
    if (number == compact_err::ReadOnly || number == 70)
        return QStringLiteral("Make the file writable for this user, then start the program again.");
    if (number == 75)
        return QStringLiteral("Make its folder writable and make room on the disk, then start the program again.");
    if (!deliveredFrom.isEmpty())
        return QStringLiteral("Remove it to start again from the delivered database '%1' (the profiles and prices "
                              "kept in it are lost with it).")
            .arg(deliveredFrom);
    return QStringLiteral("Install the program again, or put a good copy of the database in its place.");
}

}  // namespace

ProjectView* Main(const QString& exeFolder, const std::function<ProjectView*()>& createProjectWindow,
                  const std::function<void()>& pumpEvents, const LockOptions& lockOptions)
{
    // The choice of the database and its lock name the files they are
    // about, and what to do, when they fail.
    QString deliveredFrom;
    DatabasePath = ChooseDatabasePath(QDir::cleanPath(exeFolder), &deliveredFrom);
    LockDatabase(DatabasePath, lockOptions);
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
        // Every start-up message names the file it is about and what the
        // user can do.
        const QString hint = whatToDo(e.number(), deliveredFrom, DatabasePath);
        if (e.description().contains(DatabasePath))
            throw AppError(e.number(), e.description() + QLatin1Char(' ') + hint, e.source());
        throw AppError(e.number(),
                       QStringLiteral("The database file '%1' cannot be used: %2 %3").arg(DatabasePath, e.description(), hint),
                       e.source());
    }
}

QString errorMessageText(long number, const QString& description)
{
    return QStringLiteral("Error %1: %2").arg(number).arg(description);
}

}  // namespace dv
