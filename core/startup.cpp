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

// What the user can do about a database file that cannot serve. Replacing
// the file loses the profiles and prices kept in it, so that is advised
// only where the file itself is at fault: missing, not a database (nor the
// program's: a table it needs is missing), damaged, or not opening with the
// key. Any other failure leaves a sound file and names its own cause.
QString whatToDo(long number, const QString& deliveredFrom, const QString& databasePath)
{
    const QString folder = QFileInfo(databasePath).absolutePath();
    switch (number) {
    case err::FileNotFound:
    case compact_err::NotFound:
    case err::Database + 1:   // "no such table"
    case err::Database + 11:  // "database disk image is malformed"
    case err::Database + 26:  // "file is not a database", also with a wrong key
        if (!deliveredFrom.isEmpty())
            return QStringLiteral("Remove it to start again from the delivered database '%1' (the profiles and "
                                  "prices kept in it are lost with it).")
                .arg(deliveredFrom);
        return QStringLiteral("Install the program again, or put a good copy of the database in its place.");
    case err::Database + 13:  // "database or disk is full"
    case err::DiskFull:
        return QStringLiteral("The disk is full: make room on the disk of the folder '%1', then start the program "
                              "again.")
            .arg(folder);
    case compact_err::ReadOnly:
    case 70:
        return QStringLiteral("Make the file writable for this user, then start the program again.");
    case 75:
        return QStringLiteral("Make its folder writable and make room on the disk, then start the program again.");
    case err::Database + 5:  // "database is locked"
        return QStringLiteral("Another program is using the file '%1': close that program, then start this one "
                              "again.")
            .arg(databasePath);
    case err::Database + 10:  // "disk I/O error"
        return QStringLiteral("The disk could not be read: check the disk of the folder '%1', then start the program "
                              "again.")
            .arg(folder);
    case err::Database + 3:   // "access permission denied"
    case err::Database + 8:   // "attempt to write a readonly database"
    case err::Database + 14:  // "unable to open database file"
        return QStringLiteral("Make the file and its folder readable and writable for this user, then start the "
                              "program again.");
    default:
        return QStringLiteral("Once that is mended, start the program again.");
    }
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
