#pragma once
// One program per database: a lock file beside the database, held from
// before the start-up changes anything until the program ends.
//
// The lock is the operating system's lock on the open lock file, which ends
// with the process however the process ends; the file's content (process
// ID, program, host, start time) only names the holder in the message of a
// refused start. So a lock file that nobody holds (empty, half written,
// unreadable, another computer's, a killed program's) never blocks a start.
#include <QString>
#include <QtGlobal>
#include <functional>

namespace dv {

// The lock file of a database: its path followed by ".lock".
QString DatabaseLockPath(const QString& databasePath);

// The steps of taking the lock, in order.
enum class LockStep { Opening, Made, Locked, Written };

// What tests change in taking the lock; the program passes none.
struct LockOptions {
    // Called at every step, so that a test can end the process between them.
    std::function<void(LockStep)> stepReached;
    // Bytes the disk still takes when the lock file is written; a longer
    // write fails as on a full disk. Negative: no limit but the disk's.
    qint64 roomOnDisk = -1;
};

// Takes the lock of the database without waiting, releasing any lock this
// process held for another database. A lock held by a running program
// refuses the start with an AppError (70) that names the holder and says
// what to do; a lock file nobody holds is taken over and written anew. A
// lock file that cannot be made raises 75, or 61 when the disk is full.
// Only a regular file of that name is ever locked or written: a link (to
// anything or to nothing), a folder or any other kind of file in its place
// refuses the start (75) before anything is changed.
void LockDatabase(const QString& databasePath, const LockOptions& options = {});

// Releases the lock this process holds, if any, and removes its file. A
// process forked from the holder only lets go of its copy: the lock and
// the file stay with the holder.
void UnlockDatabase();

}  // namespace dv
