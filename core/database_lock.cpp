#include "core/database_lock.h"
#include "platform/app_error.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSysInfo>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace dv {

namespace {

// "Permission denied": the database is in use by another copy of the program.
constexpr long kPermissionDenied = 70;
// "Path/File access error": the lock file cannot be made.
constexpr long kPathFileAccess = 75;

// A holder's content is four short lines; more is not read.
constexpr int kMaxContent = 4096;
// A start that keeps finding its lock file removed under it (each holder
// removes its own at its end) gives up after so many tries.
constexpr int kAttempts = 100;

// What the holder writes into its lock file, one line each: process ID,
// program, host, start time (UTC).
QByteArray holderContent()
{
    QString program = QCoreApplication::applicationName();
    if (program.isEmpty())
        program = QStringLiteral("Dorvane");
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program.toUtf8() + '\n'
        + QSysInfo::machineHostName().toUtf8() + '\n'
        + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + '\n';
}

// The holder as a refused start names it, from what its lock file says
// (written by anyone, so taken only as plain short text); empty when the
// file names no process, as while its holder is still writing it.
QString describeHolder(const QByteArray& content)
{
    const QList<QByteArray> lines = content.split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).trimmed().toLongLong(&ok);
    if (!ok || pid <= 0)
        return QString();
    const auto line = [&lines](int i) {
        QString s = QString::fromUtf8(lines.value(i)).left(100);
        for (QChar& c : s)
            if (!c.isPrint())
                c = QLatin1Char('?');
        return s.trimmed();
    };
    QString s = QStringLiteral("process %1").arg(pid);
    if (const QString program = line(1); !program.isEmpty())
        s += QStringLiteral(" (%1)").arg(program);
    if (const QString host = line(2); !host.isEmpty())
        s += QStringLiteral(" on the computer '%1'").arg(host);
    const QDateTime started = QDateTime::fromString(line(3), Qt::ISODate);
    if (started.isValid())
        s += QStringLiteral(" since %1").arg(started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    return s;
}

// ------------------------------------------------------- the system's lock

#ifdef _WIN32
using Handle = HANDLE;
const Handle kNone = INVALID_HANDLE_VALUE;
// The locked byte lies far past any content, so that a refused start can
// still read who holds the lock.
constexpr DWORD kLockedByteHigh = 1;

int lastError() { return static_cast<int>(GetLastError()); }
bool isDiskFull(int error) { return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL; }
bool isAccessDenied(int error) { return error == ERROR_ACCESS_DENIED; }
// A file being removed cannot be opened until its last holder closes it.
bool isGone(int error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_ACCESS_DENIED; }

Handle openLockFile(const QString& path, bool readOnly)
{
    // Shared, so that another start can open it, try the lock and read it.
    // A link in its place is opened itself, never the file it names, and
    // is then refused.
    return CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()),
                       readOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE | DELETE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// What stands where the lock file belongs when it is not a file of its
// own; empty for one, or for nothing.
QString describe(DWORD attributes, DWORD names)
{
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return QStringLiteral("a link");
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return QStringLiteral("a folder");
    return names > 1 ? QStringLiteral("a file that has other names as well (a hard link)") : QString();
}
QString whatIsAt(const QString& path)
{
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(path.utf16()));
    return attributes == INVALID_FILE_ATTRIBUTES ? QString() : describe(attributes, 1);
}
QString whatIsOpen(Handle h, const QString&)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info))
        return QStringLiteral("a device");
    return describe(info.dwFileAttributes, info.nNumberOfLinks);
}

// True when taken; false with the error, ERROR_LOCK_VIOLATION when held.
bool tryLock(Handle h, int* error)
{
    OVERLAPPED at{};
    at.OffsetHigh = kLockedByteHigh;
    if (LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
        return true;
    *error = lastError();
    return false;
}
bool isHeld(int error) { return error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING; }

// A file its last holder is removing is no longer the lock file.
bool stillAtPath(Handle h, const QString&)
{
    FILE_STANDARD_INFO info{};
    return GetFileInformationByHandleEx(h, FileStandardInfo, &info, sizeof info) && !info.DeletePending;
}

QByteArray readContent(Handle h)
{
    QByteArray content(kMaxContent, '\0');
    OVERLAPPED at{};
    DWORD read = 0;
    if (!ReadFile(h, content.data(), kMaxContent, &read, &at))
        read = 0;
    content.truncate(static_cast<int>(read));
    return content;
}

// 0 when written, else the error; no more than `room` bytes when that is
// not negative.
int writeContent(Handle h, const QByteArray& content, qint64 room)
{
    LARGE_INTEGER start{};
    DWORD written = 0;
    const qint64 size = room >= 0 ? qMin<qint64>(room, content.size()) : content.size();
    if (!SetFilePointerEx(h, start, nullptr, FILE_BEGIN) || !SetEndOfFile(h)
        || !WriteFile(h, content.constData(), static_cast<DWORD>(size), &written, nullptr))
        return lastError();
    return written == static_cast<DWORD>(content.size()) ? 0 : ERROR_DISK_FULL;
}

// Removes the lock file while its lock is still held, then lets go.
bool removeAndClose(Handle h, const QString&)
{
    FILE_DISPOSITION_INFO remove{};
    remove.DeleteFile = TRUE;
    const bool removed = SetFileInformationByHandle(h, FileDispositionInfo, &remove, sizeof remove);
    CloseHandle(h);
    return removed;
}
void closeOnly(Handle h) { CloseHandle(h); }
bool heldHere(unsigned long) { return true; }
unsigned long thisProcess() { return GetCurrentProcessId(); }

#else
using Handle = int;
const Handle kNone = -1;

int lastError() { return errno; }
bool isDiskFull(int error) { return error == ENOSPC || error == EDQUOT; }
bool isAccessDenied(int error) { return error == EACCES || error == EPERM || error == EROFS; }
bool isGone(int error) { return error == ENOENT; }

// A link in the lock file's place is not followed: the open fails. A pipe
// or a device does not block it nor become the terminal; what was opened
// is looked at before it is locked or written.
Handle openLockFile(const QString& path, bool readOnly)
{
    const QByteArray name = QFile::encodeName(path);
    const int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    return readOnly ? ::open(name.constData(), O_RDONLY | flags)
                    : ::open(name.constData(), O_RDWR | O_CREAT | flags, 0666);
}

// What stands where the lock file belongs when it is not a file of its
// own; empty for one, or for nothing. A second name of another file is
// that file, so it is not written either.
QString describe(const struct stat& st, const QString& path)
{
    if (S_ISREG(st.st_mode))
        return st.st_nlink > 1 ? QStringLiteral("a file that has other names as well (a hard link)") : QString();
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("a symbolic link to '%1'").arg(QFileInfo(path).symLinkTarget());
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("a named pipe");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a device");
}
QString whatIsAt(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? describe(st, path) : QString();
}
QString whatIsOpen(Handle fd, const QString& path)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? describe(st, path) : QStringLiteral("a file that cannot be examined");
}

// The lock belongs to the open file, not to the process: a child the
// program starts shares it only until it runs another program (the file is
// closed on exec), and it ends with the last process that has it open.
bool tryLock(Handle fd, int* error)
{
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR) {
            *error = errno;
            return false;
        }
    }
    return true;
}
bool isHeld(int error) { return error == EWOULDBLOCK; }

// The file locked is the one the path names: a holder that ended may have
// removed it between our open and our lock, and another start may since
// have made a new one there.
bool stillAtPath(Handle fd, const QString& path)
{
    struct stat locked {}, named {};
    return ::fstat(fd, &locked) == 0 && ::lstat(QFile::encodeName(path).constData(), &named) == 0
        && locked.st_dev == named.st_dev && locked.st_ino == named.st_ino;
}

QByteArray readContent(Handle fd)
{
    QByteArray content(kMaxContent, '\0');
    const ssize_t read = ::pread(fd, content.data(), kMaxContent, 0);
    content.truncate(read > 0 ? static_cast<int>(read) : 0);
    return content;
}

// Written over what was there, then cut to its length: a lock file's
// content only serves the message, so a kill between the two is harmless.
// No more than `room` bytes are written when that is not negative.
int writeContent(Handle fd, const QByteArray& content, qint64 room)
{
    const qint64 size = room >= 0 ? qMin<qint64>(room, content.size()) : content.size();
    for (qint64 done = 0; done < size;) {
        const ssize_t n = ::pwrite(fd, content.constData() + done, static_cast<size_t>(size - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    if (size < content.size())
        return ENOSPC;
    return ::ftruncate(fd, content.size()) == 0 ? 0 : errno;
}

// Removes the lock file while its lock is still held, so that no newer
// holder's file is removed: only the holder of the file the path names
// removes it, and a start that locked a removed file tries again.
bool removeAndClose(Handle fd, const QString& path)
{
    bool removed = true;
    if (stillAtPath(fd, path))
        removed = ::unlink(QFile::encodeName(path).constData()) == 0;
    ::close(fd);
    return removed;
}
void closeOnly(Handle fd) { ::close(fd); }
unsigned long thisProcess() { return static_cast<unsigned long>(::getpid()); }
// A process forked from the holder has the lock file open, but the lock
// and the file are the holder's.
bool heldHere(unsigned long owner) { return owner == thisProcess(); }
#endif

// The lock this process holds; released when the program ends normally.
class HeldLock {
public:
    ~HeldLock() { release(); }

    void hold(Handle h, const QString& path)
    {
        release();
        handle_ = h;
        path_ = path;
        owner_ = thisProcess();
    }

    void release()
    {
        if (handle_ == kNone)
            return;
        if (heldHere(owner_))
            removeAndClose(handle_, path_);
        else
            closeOnly(handle_);
        handle_ = kNone;
    }

private:
    Handle handle_ = kNone;
    QString path_;
    unsigned long owner_ = 0;
};

HeldLock& heldLock()
{
    static HeldLock lock;
    return lock;
}

// ------------------------------------------------------------- the messages

[[noreturn]] void raiseInUse(const QString& databasePath, const QString& lockPath, const QString& holder)
{
    const QString lockFile = holder.isEmpty()
        ? QStringLiteral("its lock file is '%1'").arg(lockPath)
        : QStringLiteral("its lock file '%1' is held by %2").arg(lockPath, holder);
    throw AppError(kPermissionDenied,
                   QStringLiteral("The program is already running on the database '%1' (%2). "
                                  "Use the window that is open, or close the program there and start it again.")
                       .arg(databasePath, lockFile));
}

[[noreturn]] void raiseNotAFile(const QString& databasePath, const QString& lockPath, const QString& there)
{
    throw AppError(kPathFileAccess,
                   QStringLiteral("The lock file '%1' of the database '%2' cannot be made: there is %3 in its place. "
                                  "Remove '%1', then start the program again.")
                       .arg(lockPath, databasePath, there));
}

[[noreturn]] void raiseCannotMake(const QString& databasePath, const QString& lockPath, int error)
{
    const QString folder = QFileInfo(databasePath).absolutePath();
    if (isDiskFull(error))
        throw AppError(err::DiskFull,
                       QStringLiteral("The lock file '%1' of the database '%2' cannot be written: the disk is full. "
                                      "Make room on the disk of the folder '%3', then start the program again.")
                           .arg(lockPath, databasePath, folder));
    throw AppError(kPathFileAccess,
                   QStringLiteral("The lock file '%1' of the database '%2' cannot be made. Make the folder '%3' "
                                  "writable, then start the program again.")
                       .arg(lockPath, databasePath, folder));
}

}  // namespace

QString DatabaseLockPath(const QString& databasePath) { return databasePath + QStringLiteral(".lock"); }

void LockDatabase(const QString& databasePath, const LockOptions& options)
{
    const auto reached = [&options](LockStep step) {
        if (options.stepReached)
            options.stepReached(step);
    };
    UnlockDatabase();
    const QString lockPath = DatabaseLockPath(databasePath);
    int error = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        reached(LockStep::Opening);
        bool readOnly = false;
        Handle h = openLockFile(lockPath, false);
        if (h == kNone) {
            error = lastError();
            if (const QString there = whatIsAt(lockPath); !there.isEmpty())
                raiseNotAFile(databasePath, lockPath, there);
            if (!isAccessDenied(error))
                raiseCannotMake(databasePath, lockPath, error);
            // Another user's lock file: it can still be locked, to learn
            // whether it is held, and replaced when it is not.
            h = openLockFile(lockPath, true);
            if (h == kNone) {
                if (isGone(lastError()))
                    continue;  // removed by its holder meanwhile
                raiseCannotMake(databasePath, lockPath, error);
            }
            readOnly = true;
        }
        if (const QString there = whatIsOpen(h, lockPath); !there.isEmpty()) {
            closeOnly(h);
            raiseNotAFile(databasePath, lockPath, there);
        }
        reached(LockStep::Made);
        if (!tryLock(h, &error)) {
            if (isHeld(error) && !stillAtPath(h, lockPath)) {
                closeOnly(h);  // its holder is ending and has removed it
                continue;
            }
            if (isHeld(error)) {
                const QString holder = describeHolder(readContent(h));
                closeOnly(h);
                raiseInUse(databasePath, lockPath, holder);
            }
            closeOnly(h);
            raiseCannotMake(databasePath, lockPath, error);
        }
        if (!stillAtPath(h, lockPath)) {
            closeOnly(h);
            continue;
        }
        reached(LockStep::Locked);
        if (readOnly) {
            // Nobody holds it, but we cannot write it: make our own.
            if (!removeAndClose(h, lockPath))
                raiseCannotMake(databasePath, lockPath, error);
            continue;
        }
        if (const int failed = writeContent(h, holderContent(), options.roomOnDisk); failed != 0) {
            removeAndClose(h, lockPath);
            raiseCannotMake(databasePath, lockPath, failed);
        }
        reached(LockStep::Written);
        heldLock().hold(h, lockPath);
        return;
    }
    raiseCannotMake(databasePath, lockPath, error);
}

void UnlockDatabase() { heldLock().release(); }

}  // namespace dv
