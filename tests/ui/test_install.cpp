// The installed program: `cmake --install` into a temporary prefix, then
// started from there with its folders read-only and the user's data folder
// in a temporary place.
#include "core/app_state.h"
#include "core/data_location.h"
#include "core/startup.h"
#include "platform/app_error.h"
#include "tests/test_support.h"
#include "ui/project/frmDorvMain.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Saves into the folder the dialog starts in, as a user taking its offer.
class SavingWindow : public dv::frmDorvMain {
protected:
    QString chooseProjectFile(FileDialogMode, const QString& folder, const QString&) override
    {
        return folder + QStringLiteral("Lakeside.dvwp");
    }
};

// Points the user's data folder somewhere for one test.
class UserDataAt {
public:
    explicit UserDataAt(const QString& folder) : had_(qEnvironmentVariableIsSet("XDG_DATA_HOME")),
                                                 old_(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    }
    ~UserDataAt()
    {
        if (had_)
            qputenv("XDG_DATA_HOME", old_);
        else
            qunsetenv("XDG_DATA_HOME");
    }

private:
    bool had_;
    QByteArray old_;
};

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void makeReadOnly(const QString& folder)
{
    for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files))
        QFile::setPermissions(f.filePath(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther
                                                | (f.isExecutable() ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                      | QFileDevice::ExeOther);
}

class InstalledProgramTest : public dvtest::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        dv::DbConnection.close();
        ASSERT_TRUE(prefix.isValid());
        ASSERT_TRUE(home.isValid());
        QProcess install;
        install.start(QStringLiteral(DV_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(DV_BUILD_DIR), QStringLiteral("--prefix"), prefix.path()});
        ASSERT_TRUE(install.waitForFinished(120000));
        ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
        bin = prefix.path() + QStringLiteral("/bin");
        data = prefix.path() + QStringLiteral("/share/dorvane");
        makeReadOnly(bin);
        makeReadOnly(data);
    }
    void TearDown() override
    {
        window.reset();
        // A temporary folder that is read-only cannot be emptied.
        for (const QString& f : {bin, data})
            QFile::setPermissions(f, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        DbTest::TearDown();
    }
    void start()
    {
        window.reset();
        dv::DbConnection.close();
        dv::Main(bin, [this]() -> dv::ProjectView* {
            window = std::make_unique<SavingWindow>();
            return window.get();
        });
    }

    QTemporaryDir prefix, home;
    QString bin, data;
    std::unique_ptr<SavingWindow> window;
};

}  // namespace

TEST_F(InstalledProgramTest, FirstStartCopiesTheDatabaseOnceAndWorksOnTheCopy)
{
    for (const char* file : {"/bin/Dorvane", "/share/dorvane/Dorvane.dat", "/share/dorvane/EaveWall.jpg",
                             "/share/dorvane/HeaderPicture.jpg", "/share/dorvane/Ostrel-HALVEK_348.gif",
                             "/share/icons/hicolor/scalable/apps/dorvane.svg"})
        EXPECT_TRUE(QFileInfo::exists(prefix.path() + QLatin1String(file))) << file;
    const QByteArray entry = fileBytes(prefix.path() + QStringLiteral("/share/applications/dorvane.desktop"));
    EXPECT_TRUE(entry.contains(("\nExec=" + bin + QStringLiteral("/Dorvane\n")).toUtf8())) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nIcon=dorvane\n"));
    EXPECT_EQ(dv::DeliveredDataFolder(bin), data);

    const UserDataAt user(home.path());
    const QByteArray delivered = fileBytes(data + QStringLiteral("/Dorvane.dat"));
    EXPECT_EQ(delivered, fileBytes(dvtest::deliveredDatabase()));  // the delivered file, never a working copy
    start();
    const QString copy = dv::UserDataFolder() + QStringLiteral("/Dorvane.dat");
    EXPECT_TRUE(copy.startsWith(home.path() + QLatin1Char('/')));
    EXPECT_EQ(dv::DatabasePath, copy);
    EXPECT_TRUE(dv::DbConnection.isOpen());
    EXPECT_TRUE(QFileInfo(copy).isWritable());
    // The user's own price, which a second start must find again.
    exec(QStringLiteral("UPDATE Customer_ProfileID SET CustomerProfileName = 'Mine' WHERE ID = 1"));

    // The project dialog starts in "Projects" beside the user's database.
    window->txtProjectName->setText(QStringLiteral("Lakeside"));
    window->subMnuSave_Click();
    EXPECT_TRUE(QFileInfo::exists(dv::UserDataFolder() + QStringLiteral("/Projects/Lakeside.dvwp")));

    // A newer delivered database does not replace the user's copy.
    {
        QFile newer(data + QStringLiteral("/Dorvane.dat"));
        ASSERT_TRUE(newer.open(QIODevice::ReadOnly));
        newer.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime);
    }
    start();
    EXPECT_EQ(dv::DatabasePath, copy);
    EXPECT_EQ(scalar(QStringLiteral("SELECT CustomerProfileName FROM Customer_ProfileID WHERE ID = 1")).toText(),
              QStringLiteral("Mine"));
    EXPECT_EQ(fileBytes(data + QStringLiteral("/Dorvane.dat")), delivered);
    EXPECT_FALSE(QFileInfo::exists(copy + QStringLiteral(".part")));
}

TEST_F(InstalledProgramTest, AUserCopyThatCannotBeMadeStopsTheStartNamingTheFile)
{
    // The user's data folder would lie under a file: it cannot be made.
    QFile blocker(home.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const UserDataAt user(blocker.fileName());
    try {
        start();
        FAIL() << "started without a database";
    } catch (const dv::AppError& e) {
        EXPECT_EQ(e.number(), 75);
        EXPECT_TRUE(e.description().contains(data + QStringLiteral("/Dorvane.dat"))) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(blocker.fileName())) << e.description().toStdString();
    }
    EXPECT_EQ(window, nullptr);
}
