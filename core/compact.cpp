#include "core/compact.h"
#include "core/app_state.h"
#include "platform/app_error.h"
#include "platform/db.h"
#include "platform/db_password.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace dv {

namespace {

bool isReadOnly(const QString& path)
{
    return !(QFile::permissions(path) & (QFileDevice::WriteOwner | QFileDevice::WriteUser));
}

void forceRemove(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    if (!QFile::remove(path) && QFileInfo::exists(path))
        throw AppError(70, QStringLiteral("Permission denied: '%1'").arg(path));
}

bool samePath(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
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

}  // namespace

QString strGetPath(const QString& connectionText)
{
    const QString up = connectionText.toUpper();
    const QString key = QStringLiteral("DATA SOURCE=");
    const int i = up.indexOf(key);
    if (i < 0)
        return QString();
    const int start = i + key.size();
    const int end = up.indexOf(QLatin1Char(';'), start);
    return end < 0 ? up.mid(start) : up.mid(start, end - start);
}

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
            if (DbConnection.isOpen() && samePath(QFileInfo(DbConnection.path()).absoluteFilePath(), QFileInfo(src).absoluteFilePath()))
                throw AppError(err::Database + 5, QStringLiteral("The database is open and cannot be compacted."));
            target = QFileInfo(src).absolutePath() + QStringLiteral("/dbCompact.mdb");
            // A temporary file left by an interrupted compaction is stale:
            // the source is only ever replaced by a finished copy.
            if (QFileInfo::exists(target))
                forceRemove(target);
        } else if (QFileInfo::exists(target)) {
            if (!Overwrite)
                throw AppError(compact_err::AlreadyExists, QStringLiteral("Destination file '") + target + QStringLiteral("' already exists."));
            forceRemove(target);
        }

        tempCreated = target;
        exportCopy(src, target);
        if (inPlace) {
            // Replace in one step, so there is never a moment without a
            // database under the source name.
            std::error_code ec;
            std::filesystem::rename(std::filesystem::path(target.toStdWString()),
                                    std::filesystem::path(src.toStdWString()), ec);
            if (ec)
                throw AppError(75, QStringLiteral("Path/File access error: ") + QString::fromStdString(ec.message()));
        }
        tempCreated.clear();
        return true;
    } catch (AppError& e) {
        if (!tempCreated.isEmpty() && QFileInfo::exists(tempCreated)) {
            try { forceRemove(tempCreated); } catch (...) {}
        }
        throw AppError(e.number(), e.description(), e.source() + QStringLiteral("-->CJetDB.Compact"));
    }
}

}  // namespace dv
