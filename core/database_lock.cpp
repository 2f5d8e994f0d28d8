#include "core/database_lock.h"
#include "platform/app_error.h"

#include <QFileInfo>
#include <QLockFile>
#include <memory>

namespace dv {

namespace {

// "Permission denied": the database is in use by another copy of the program.
constexpr long kPermissionDenied = 70;
// "Path/File access error": the lock file cannot be made.
constexpr long kPathFileAccess = 75;

std::unique_ptr<QLockFile>& heldLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

}  // namespace

QString DatabaseLockPath(const QString& databasePath) { return databasePath + QStringLiteral(".lock"); }

void LockDatabase(const QString& databasePath)
{
    UnlockDatabase();
    auto lock = std::make_unique<QLockFile>(DatabaseLockPath(databasePath));
    // Only a live holder blocks: the lock is held for a whole run, so its
    // age says nothing; a dead holder's lock is recognised by its process.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        heldLock() = std::move(lock);
        return;
    }
    if (lock->error() == QLockFile::LockFailedError)
        throw AppError(kPermissionDenied,
                       QStringLiteral("The program is already running on the database '%1' (its lock file is '%2'). "
                                      "Use the window that is open, or close it and start the program again.")
                           .arg(databasePath, lock->fileName()));
    throw AppError(kPathFileAccess,
                   QStringLiteral("The lock file '%1' of the database '%2' cannot be made. Make the folder '%3' "
                                  "writable, then start the program again.")
                       .arg(lock->fileName(), databasePath, QFileInfo(databasePath).absolutePath()));
}

void UnlockDatabase() { heldLock().reset(); }

}  // namespace dv
