#pragma once
// One program per database: a lock file beside the database, held from
// before the start-up changes anything until the program ends.
#include <QString>

namespace dv {

// The lock file of a database: its path followed by ".lock".
QString DatabaseLockPath(const QString& databasePath);

// Takes the lock of the database, releasing any lock this process held for
// another database. A lock held by a running program refuses the start with
// an AppError that says the program is already running; a lock left by a
// program that ended without releasing it (killed, crashed) is taken over.
void LockDatabase(const QString& databasePath);

// Releases the lock this process holds, if any.
void UnlockDatabase();

}  // namespace dv
