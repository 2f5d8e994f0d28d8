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
// The build places the delivered database in this folder beside the
// executable, where no run of the program works on it.
const QString kBuildDeliveredFolder = QStringLiteral("delivered");
// "Path/File access error": a file or folder that cannot be made or written.
constexpr long kPathFileAccess = 75;

QString installedDataFolder(const QString& exeFolder)
{
    return QDir::cleanPath(exeFolder + QLatin1Char('/') + QStringLiteral(DV_INSTALLED_DATA_FROM_BIN));
}

QString inFolder(const QString& folder, const QString& name) { return folder + QLatin1Char('/') + name; }

QString buildDeliveredDatabase(const QString& exeFolder)
{
    return inFolder(inFolder(exeFolder, kBuildDeliveredFolder), kDatabaseName);
}

[[noreturn]] void raiseCopyFailed(const QString& from, const QString& to, const QString& cause)
{
    const QString whatToDo = QFileInfo(to).isAbsolute()
        ? QStringLiteral("Make sure the folder '%1' can be made and written, then start the program again.")
              .arg(QFileInfo(to).absolutePath())
        : QStringLiteral("Start the program as a user who has a home folder.");
    throw AppError(kPathFileAccess,
                   QStringLiteral("Could not copy the database '%1' to '%2': %3 %4").arg(from, to, cause, whatToDo));
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
    // The rename never replaces a file: a copy that another start made in
    // the meantime is the one to use (and it may already be in use).
    if (!copy.rename(to)) {
        if (QFileInfo::exists(to)) {
            QFile::remove(partial);
            return;
        }
        const QString cause = copy.errorString();
        QFile::remove(partial);
        raiseCopyFailed(from, to, cause);
    }
}

}  // namespace

QString DeliveredDataFolder(const QString& exeFolder)
{
    const QString folder = QDir::cleanPath(exeFolder);
    if (QFileInfo::exists(inFolder(folder, kDatabaseName)) || QFileInfo::exists(buildDeliveredDatabase(folder)))
        return folder;
    const QString installed = installedDataFolder(folder);
    if (QFileInfo::exists(inFolder(installed, kDatabaseName)))
        return installed;
    return folder;
}

QString UserDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QString ChooseDatabasePath(const QString& exeFolder, QString* deliveredFrom)
{
    const QString folder = QDir::cleanPath(exeFolder);
    const QString beside = inFolder(folder, kDatabaseName);
    const QString built = buildDeliveredDatabase(folder);
    const bool besideExists = QFileInfo::exists(beside);
    const bool builtExists = QFileInfo::exists(built);
    const bool writable = QFileInfo(folder).isWritable();
    if (deliveredFrom)
        *deliveredFrom = builtExists ? built : QString();
    // A folder the user may write to keeps its database in place; in a
    // build folder that is the working copy of the delivered database.
    if (besideExists && writable)
        return beside;
    if (builtExists && writable) {
        copyDatabase(built, beside);
        return beside;
    }
    const QString installed = inFolder(installedDataFolder(folder), kDatabaseName);
    const QString delivered = besideExists ? beside : builtExists ? built : installed;
    if (!QFileInfo::exists(delivered))
        throw AppError(err::FileNotFound,
                       QStringLiteral("The delivered database '%1' was not found (nor '%2' in a build folder). "
                                      "Install the program again.")
                           .arg(installed, built));
    if (deliveredFrom)
        *deliveredFrom = delivered;
    const QString userFolder = UserDataFolder();
    if (userFolder.isEmpty())
        raiseCopyFailed(delivered, kDatabaseName, QStringLiteral("there is no folder for the user's data."));
    const QString userCopy = inFolder(QDir::cleanPath(userFolder), kDatabaseName);
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
