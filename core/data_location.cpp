#include "core/data_location.h"
#include "core/app_state.h"
#include "platform/app_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef DV_INSTALLED_DATA_FROM_BIN
#define DV_INSTALLED_DATA_FROM_BIN "../share/dorvane"
#endif

namespace dv {

namespace {

const QString kDatabaseName = QStringLiteral("Dorvane.dat");
// "Path/File access error": a file or folder that cannot be made or written.
constexpr long kPathFileAccess = 75;

QString installedDataFolder(const QString& exeFolder)
{
    return QDir::cleanPath(exeFolder + QLatin1Char('/') + QStringLiteral(DV_INSTALLED_DATA_FROM_BIN));
}

[[noreturn]] void raiseCopyFailed(const QString& from, const QString& to, const QString& cause)
{
    throw AppError(kPathFileAccess, QStringLiteral("Could not copy the database '%1' to '%2': %3").arg(from, to, cause));
}

// Copies the delivered database to `to` through a temporary name, so that
// an interrupted copy never passes for the user's database. The copy is
// the user's to write, whatever the delivered file's permissions.
void copyDatabase(const QString& from, const QString& to)
{
    const QString folder = QFileInfo(to).absolutePath();
    if (!QDir().mkpath(folder))
        raiseCopyFailed(from, to, QStringLiteral("the folder '%1' cannot be created.").arg(folder));
    const QString partial = to + QStringLiteral(".part");
    QFile::remove(partial);
    QFile source(from);
    if (!source.copy(partial)) {
        const QString cause = source.errorString();
        QFile::remove(partial);
        raiseCopyFailed(from, to, cause);
    }
    QFile copy(partial);
    copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                        | QFileDevice::WriteUser);
    if (!copy.rename(to)) {
        const QString cause = copy.errorString();
        QFile::remove(partial);
        raiseCopyFailed(from, to, cause);
    }
}

}  // namespace

QString DeliveredDataFolder(const QString& exeFolder)
{
    const QString folder = QDir::cleanPath(exeFolder);
    if (QFileInfo::exists(folder + QLatin1Char('/') + kDatabaseName))
        return folder;
    const QString installed = installedDataFolder(folder);
    if (QFileInfo::exists(installed + QLatin1Char('/') + kDatabaseName))
        return installed;
    return folder;
}

QString UserDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QString ChooseDatabasePath(const QString& exeFolder)
{
    const QString folder = QDir::cleanPath(exeFolder);
    const QString beside = folder + QLatin1Char('/') + kDatabaseName;
    const bool besideExists = QFileInfo::exists(beside);
    // A folder the user may write to keeps its database in place.
    if (besideExists && QFileInfo(folder).isWritable())
        return beside;
    const QString delivered = besideExists ? beside : installedDataFolder(folder) + QLatin1Char('/') + kDatabaseName;
    if (!QFileInfo::exists(delivered))
        return beside;
    const QString userFolder = UserDataFolder();
    if (userFolder.isEmpty())
        raiseCopyFailed(delivered, kDatabaseName, QStringLiteral("there is no folder for the user's data."));
    const QString userCopy = QDir::cleanPath(userFolder) + QLatin1Char('/') + kDatabaseName;
    if (!QFileInfo::exists(userCopy))
        copyDatabase(delivered, userCopy);
    return userCopy;
}

QString ProjectsFolder()
{
    const QString folder = QFileInfo(DatabasePath).absolutePath() + QStringLiteral("/Projects");
    // A folder that cannot be made leaves the dialog to start where it can.
    QDir().mkpath(folder);
    return folder;
}

QString programFolder() { return DeliveredDataFolder(QCoreApplication::applicationDirPath()); }

}  // namespace dv
