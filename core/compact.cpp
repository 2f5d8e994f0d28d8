#include "core/compact.h"
#include "core/app_state.h"
#include "platform/app_error.h"
#include "platform/db.h"
#include "platform/db_password.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <sys/stat.h>
#include <unistd.h>

namespace dv {

namespace {

// Read-only for whoever runs the program: the file's mode, its owner or a
// read-only mount; root may write a file whatever its mode says.
bool isReadOnly(const QString& path) { return !QFileInfo(path).isWritable(); }

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

void forceRemove(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    if (!QFile::remove(path) && QFileInfo::exists(path))
        throw AppError(70, QStringLiteral("Permission denied: '%1'").arg(path));
}

// A temporary file, folder or journal left by an interrupted compaction is
// stale: the source is only ever replaced by a finished copy.
void removeStale(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        // The link goes, never what it points to.
        if (!QFile::remove(path))
            throw AppError(70, QStringLiteral("Permission denied: '%1'").arg(path));
    } else if (info.isDir()) {
        if (!QDir(path).removeRecursively())
            throw AppError(70, QStringLiteral("Permission denied: '%1'").arg(path));
    } else if (info.exists()) {
        forceRemove(path);
    }
}

void removeStaleTemporary(const QString& target)
{
    removeStale(target);
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        removeStale(target + QLatin1String(suffix));
}

// The copy takes the original's mode and, where the process may set them,
// its owner and group: a compaction run by another user (or root) must not
// leave a file its own user can no longer open.
void keepModeAndOwner(const QString& original, const QString& copy)
{
    const QByteArray from = QFile::encodeName(original);
    const QByteArray to = QFile::encodeName(copy);
    struct stat st {};
    if (::stat(from.constData(), &st) != 0)
        throw AppError(75, QStringLiteral("Path/File access error: '%1': %2").arg(original, systemError()));
    if (::chown(to.constData(), st.st_uid, st.st_gid) != 0) {
        // Not allowed to give the file away: keep at least the group when
        // the user belongs to it.
        if (::chown(to.constData(), static_cast<uid_t>(-1), st.st_gid) != 0) {
        }
    }
    if (::chmod(to.constData(), st.st_mode & 07777) != 0)
        throw AppError(75, QStringLiteral("Path/File access error: '%1': %2").arg(copy, systemError()));
}

// True when both name the same file, however spelled ("./", "..", a link);
// names that differ only in case are two files.
bool samePath(const QString& a, const QString& b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

// Writes a compacted copy of src to target, keeping the password, and
// checks that the copy opens and is sound before anyone relies on it.
void exportCopy(const QString& src, const QString& target)
{
    const QByteArray pw = databasePassword();
    {
        // The connection may not create files, so the new file starts as an
        // empty one (an empty file is an empty database).
        QFile created(target);
        if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw AppError(75, QStringLiteral("Path/File access error: '%1'").arg(target));
        created.close();
        Connection c;
        c.open(src, pw);
        c.execute(QStringLiteral("ATTACH DATABASE %1 AS compact KEY %2")
                      .arg(sqlQuote(target), sqlQuote(QString::fromLatin1(pw))));
        {
            Recordset rs = c.query(QStringLiteral("SELECT sqlcipher_export('compact')"));
        }
        c.execute(QStringLiteral("DETACH DATABASE compact"));
        c.close();
    }
    Connection check;
    check.open(target, pw);
    Recordset rs = check.query(QStringLiteral("PRAGMA quick_check"));
    if (rs.eof() || rs.field(0).toText() != QLatin1String("ok"))
        throw AppError(err::Database + 11, QStringLiteral("The compacted copy of the database is damaged."));
}

void removeTemporary(const QString& path) noexcept
{
    try {
        removeStaleTemporary(path);
    } catch (...) {
    }
}

}  // namespace

bool Compact(const QString& SourceFile, const QString& DestFile, bool Overwrite)
{
    QString tempCreated;
    try {
        QString src = SourceFile.trimmed();
        const QString dst = DestFile.trimmed();
        if (src.isEmpty())
            src = dst;
        if (!QFileInfo(src).isFile())
            throw AppError(compact_err::NotFound, QStringLiteral("Source file '") + src + QStringLiteral("' not found."));
        if (dst.isEmpty() && isReadOnly(src))
            throw AppError(compact_err::ReadOnly, QStringLiteral("Source file '") + src + QStringLiteral("' is read-only."));

        QString target = dst;
        const bool inPlace = target.isEmpty() || samePath(target, src);
        if (inPlace) {
            if (isReadOnly(src))
                throw AppError(compact_err::ReadOnly, QStringLiteral("Destination file '") + src + QStringLiteral("' is read-only."));
            if (DbConnection.isOpen() && samePath(DbConnection.path(), src))
                throw AppError(err::Database + 5, QStringLiteral("The database is open and cannot be compacted."));
            const QString folder = QFileInfo(src).absolutePath();
            if (!QFileInfo(folder).isWritable())
                throw AppError(75, QStringLiteral("Path/File access error: the folder '%1' of the database cannot be written.")
                                       .arg(folder));
            target = folder + QStringLiteral("/dbCompact.mdb");
            removeStaleTemporary(target);
        } else if (QFileInfo::exists(target)) {
            if (!Overwrite)
                throw AppError(compact_err::AlreadyExists, QStringLiteral("Destination file '") + target + QStringLiteral("' already exists."));
            forceRemove(target);
        }

        tempCreated = target;
        exportCopy(src, target);
        if (inPlace) {
            keepModeAndOwner(src, target);
            // Replace in one step, so there is never a moment without a
            // database under the source name.
            if (std::rename(QFile::encodeName(target).constData(), QFile::encodeName(src).constData()) != 0)
                throw AppError(75, QStringLiteral("Path/File access error: '%1': %2").arg(src, systemError()));
        }
        tempCreated.clear();
        return true;
    } catch (AppError& e) {
        if (!tempCreated.isEmpty())
            removeTemporary(tempCreated);
        throw AppError(e.number(), e.description(), e.source() + QStringLiteral("-->CJetDB.Compact"));
    } catch (const std::exception& e) {
        if (!tempCreated.isEmpty())
            removeTemporary(tempCreated);
        throw AppError(75, QStringLiteral("Path/File access error: ") + QString::fromLocal8Bit(e.what()),
                       QStringLiteral("-->CJetDB.Compact"));
    }
}

}  // namespace dv
