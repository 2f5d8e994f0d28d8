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
#include <fcntl.h>
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

// Makes a file's data, size and mode, or a folder's entries, durable.
// Returns false where the file system cannot sync it.
bool syncToDisk(const QString& path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// The first 16 bytes of an encrypted database file: the salt its key is
// derived with.
QByteArray saltOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(16) : QByteArray();
}

// The tables of a schema and their rows, to prove a copy holds them all.
QStringList tablesAndRows(Connection& c, const QString& schema)
{
    QStringList names;
    {
        Recordset rs = c.query(QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type = 'table' ORDER BY name")
                                   .arg(schema));
        for (; !rs.eof(); rs.moveNext())
            names << rs.field(0).toText();
    }
    QStringList result;
    for (const QString& name : names) {
        QString quoted = name;
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        Recordset rs = c.query(QStringLiteral("SELECT count(*) FROM %1.\"%2\"").arg(schema, quoted));
        result << name + QLatin1Char('=') + rs.field(0).toText();
    }
    return result;
}

// Writes a compacted copy of the database `source` has open to the new file
// target, with the same key, and checks it before anyone relies on it. The
// copy is a file nothing else reads and that is removed on any failure, so
// it is written in one transaction without a journal or syncs, and synced
// once as a whole when it is finished.
void writeCheckedCopy(Connection& source, const QString& target, const QString& modeFrom)
{
    {
        // The connection may not create files, so the new file starts as an
        // empty one (an empty file is an empty database).
        QFile created(target);
        if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw AppError(75, QStringLiteral("Path/File access error: '%1'").arg(target));
    }
    if (!modeFrom.isEmpty())
        keepModeAndOwner(modeFrom, target);
    // Without a KEY the attached file takes the open database's key as it
    // stands, already derived: no second derivation of the password.
    const QString attach = QStringLiteral("ATTACH DATABASE %1 AS compact").arg(sqlQuote(target));
    source.execute(attach);
    try {
        source.execute(QStringLiteral("PRAGMA compact.journal_mode = OFF"));
        source.execute(QStringLiteral("PRAGMA compact.synchronous = OFF"));
        source.beginTransaction();
        {
            Recordset rs = source.query(QStringLiteral("SELECT sqlcipher_export('compact')"));
        }
        source.commit();
        source.execute(QStringLiteral("DETACH DATABASE compact"));

        // Read back from the file, not from what the connection kept.
        source.execute(attach);
        {
            Recordset rs = source.query(QStringLiteral("PRAGMA compact.quick_check"));
            if (rs.eof() || rs.field(0).toText() != QLatin1String("ok"))
                throw AppError(err::Database + 11, QStringLiteral("The compacted copy of the database is damaged."));
        }
        if (tablesAndRows(source, QStringLiteral("compact")) != tablesAndRows(source, QStringLiteral("main")))
            throw AppError(err::Database + 11, QStringLiteral("The compacted copy of the database is incomplete."));
        source.execute(QStringLiteral("DETACH DATABASE compact"));
    } catch (...) {
        try {
            source.rollback();
            source.execute(QStringLiteral("DETACH DATABASE compact"));
        } catch (...) {
        }
        throw;
    }
    // The same salt and key as the source: the password opens the copy as
    // it opens the source. Otherwise the password itself must open it.
    if (saltOf(target) != saltOf(source.path())) {
        Connection check;
        check.open(target, databasePassword());
    }
    if (!syncToDisk(target, false))
        throw AppError(75, QStringLiteral("Path/File access error: '%1': %2").arg(target, systemError()));
}

void removeTemporary(const QString& path) noexcept
{
    try {
        removeStaleTemporary(path);
    } catch (...) {
    }
}

}  // namespace

namespace {

// The compaction of Compact; with `open`, of the database that connection
// has open, in place, reading it through that connection.
bool compact(const QString& SourceFile, const QString& DestFile, bool Overwrite, Connection* open)
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
            if (!open && DbConnection.isOpen() && samePath(DbConnection.path(), src))
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

        Connection own;
        Connection& source = open ? *open : own;
        if (!open)
            source.open(src, databasePassword());
        if (source.inTransaction())
            throw AppError(err::Database + 5, QStringLiteral("The database is in a transaction and cannot be compacted."));
        tempCreated = target;
        writeCheckedCopy(source, target, inPlace ? src : QString());
        source.close();
        if (inPlace) {
            // Replace in one step, so there is never a moment without a
            // database under the source name.
            if (std::rename(QFile::encodeName(target).constData(), QFile::encodeName(src).constData()) != 0)
                throw AppError(75, QStringLiteral("Path/File access error: '%1': %2").arg(src, systemError()));
        }
        tempCreated.clear();
        // The new name is made durable. Should the folder not sync, a power
        // cut may bring back the old name, which still holds the complete
        // source: nothing is lost either way.
        syncToDisk(QFileInfo(target).absolutePath(), true);
        return true;
    } catch (AppError& e) {
        if (open)
            open->close();
        if (!tempCreated.isEmpty())
            removeTemporary(tempCreated);
        throw AppError(e.number(), e.description(), e.source() + QStringLiteral("-->CJetDB.Compact"));
    } catch (const std::exception& e) {
        if (open)
            open->close();
        if (!tempCreated.isEmpty())
            removeTemporary(tempCreated);
        throw AppError(75, QStringLiteral("Path/File access error: ") + QString::fromLocal8Bit(e.what()),
                       QStringLiteral("-->CJetDB.Compact"));
    }
}

}  // namespace

bool Compact(const QString& SourceFile, const QString& DestFile, bool Overwrite)
{
    return compact(SourceFile, DestFile, Overwrite, nullptr);
}

bool CompactInPlace(Connection& open)
{
    if (!open.isOpen())
        throw AppError(3704, QStringLiteral("Operation is not allowed when the object is closed."),
                       QStringLiteral("-->CJetDB.Compact"));
    return compact(open.path(), QString(), true, &open);
}

}  // namespace dv
