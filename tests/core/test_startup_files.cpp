// Start-up and compaction against the file system: folders with non-ASCII
// names, the database's mode and owner, files that cannot serve, what a
// crash or a full disk leaves behind, and the syncs a start-up makes.
#include "core/app_state.h"
#include "core/compact.h"
#include "core/database_lock.h"
#include "core/project_files.h"
#include "core/startup.h"
#include "platform/app_error.h"
#include "platform/db_password.h"
#include "tests/core/file_layer.h"
#include "tests/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <vector>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dv;

namespace {

class StartupFileTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        DbConnection.close();
        UnlockDatabase();
        setProjectView(nullptr);
    }

    // A program folder under the temporary folder holding a copy of the
    // delivered database.
    QString programFolder(const QString& name)
    {
        const QString folder = tmp.path() + QLatin1Char('/') + name;
        EXPECT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(QFile::copy(dvtest::deliveredDatabase(), folder + QStringLiteral("/Dorvane.dat")));
        QFile::setPermissions(folder + QStringLiteral("/Dorvane.dat"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
        return folder;
    }

    // Runs Main; returns the error's description, empty on success.
    QString start(const QString& folder, const LockOptions& lock = {})
    {
        windowMade = false;
        try {
            Main(folder, [&]() -> ProjectView* { windowMade = true; return &view; }, {}, lock);
        } catch (const AppError& e) {
            return e.description();
        }
        return QString();
    }

    // Every table but the eleven the reset empties, with its rows; and
    // every table, index and trigger by name.
    static QString keptRows()
    {
        QString s;
        Recordset tables = DbConnection.query(QStringLiteral(
            "SELECT type, name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY type, name"));
        for (; !tables.eof(); tables.moveNext()) {
            const QString name = tables.field(1).toText();
            s += tables.field(0).toText() + QLatin1Char(' ') + name + QLatin1Char(':');
            if (tables.field(0).toText() != QLatin1String("table") || kEmptied.contains(name))
                continue;
            Recordset rs = DbConnection.query(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(name));
            for (; !rs.eof(); rs.moveNext())
                for (int i = 0; i < rs.fieldCount(); ++i)
                    s += rs.field(i).toText() + QLatin1Char('|');
        }
        return s;
    }
    inline static const QStringList kEmptied = {
        QStringLiteral("Column_Information"), QStringLiteral("Header_Information"), QStringLiteral("Project_Information"),
        QStringLiteral("General_Information"), QStringLiteral("Material_List"), QStringLiteral("Temp_Column_Table"),
        QStringLiteral("Temp_CornerStud_Table"), QStringLiteral("Temp_Gable_Table"), QStringLiteral("Temp_Header_Table"),
        QStringLiteral("Temp_Stud_Table"), QStringLiteral("Validation_Information")};

    static QStringList entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    static long long scalarCount(const QString& table)
    {
        Recordset rs = DbConnection.query(QStringLiteral("SELECT count(*) FROM ") + table);
        return rs.field(0).toInt32();
    }

    static QByteArray bytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir tmp;
    MemoryProjectView view;
    bool windowMade = false;
};

TEST_F(StartupFileTest, StartsAndOpensAProjectFromFoldersWithNonAsciiNames)
{
    for (const QString& name : {QStringLiteral("Projekté Ångström"), QStringLiteral("工程 日本")}) {
        const QString folder = programFolder(name);
        ASSERT_EQ(start(folder), QString()) << name.toStdString();
        EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/dbCompact.mdb")));
        const QString project = folder + QStringLiteral("/Haus ü 家.dvwp");
        view.project = name;
        SaveProjectFile(project);
        OpenProjectFile(project);
        EXPECT_EQ(view.project, name);
        EXPECT_TRUE(DbConnection.isOpen());
        DbConnection.close();
        UnlockDatabase();  // as when the program ends
        EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 2) << name.toStdString();  // nothing stray
    }
}

TEST_F(StartupFileTest, CompactionKeepsTheModeAndTheOwner)
{
    const QString folder = programFolder(QStringLiteral("app"));
    const QByteArray db = QFile::encodeName(folder + QStringLiteral("/Dorvane.dat"));
    ASSERT_EQ(::chmod(db.constData(), 0600), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(db.constData(), 1234, 2345), 0);
    }
    ASSERT_EQ(start(folder), QString());
    struct stat st {};
    ASSERT_EQ(::stat(db.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    if (root) {
        EXPECT_EQ(st.st_uid, 1234u);
        EXPECT_EQ(st.st_gid, 2345u);
    }
}

// Runs as another user while it lives: the real and effective user are
// "nobody", the saved one stays root so the test can come back.
class AsNobody {
public:
    AsNobody() : active_(::geteuid() == 0 && ::setresuid(65534, 65534, 0) == 0) {}
    ~AsNobody()
    {
        if (active_ && ::setresuid(0, 0, 0) != 0)
            std::abort();
    }

private:
    bool active_;
};

TEST_F(StartupFileTest, ADatabaseTheUserCannotWriteIsRefusedBeforeAnythingChanges)
{
    const QString folder = programFolder(QStringLiteral("shared"));
    const QString path = folder + QStringLiteral("/Dorvane.dat");
    // The folder is the user's, so the database is used in place; the
    // file itself is not.
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(tmp.path()).constData(), 0755), 0);
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    }
    const QByteArray before = bytes(path);
    QString why;
    {
        AsNobody nobody;
        why = start(folder);
    }
    EXPECT_TRUE(why.contains(path)) << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("read-only"))) << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("Make the file writable"))) << why.toStdString();
    EXPECT_FALSE(windowMade);
    EXPECT_EQ(bytes(path), before);
}

TEST_F(StartupFileTest, AnEmptyDatabaseFileIsRefusedWithItsNameAndCause)
{
    const QString folder = tmp.path() + QStringLiteral("/empty");
    ASSERT_TRUE(QDir().mkpath(folder));
    { QFile f(folder + QStringLiteral("/Dorvane.dat")); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); }
    const QString why = start(folder);
    EXPECT_TRUE(why.contains(folder + QStringLiteral("/Dorvane.dat"))) << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("empty"))) << why.toStdString();
    EXPECT_FALSE(windowMade);
    EXPECT_EQ(QFileInfo(folder + QStringLiteral("/Dorvane.dat")).size(), 0);

    // Opened directly, as the project-file open reopens it, it is refused too.
    DatabasePath = folder + QStringLiteral("/Dorvane.dat");
    EXPECT_THROW(OpenDatabase(), AppError);
    EXPECT_FALSE(DbConnection.isOpen());
}

TEST_F(StartupFileTest, AFullDiskAtStartUpNamesTheDatabaseFile)
{
    const QString folder = programFolder(QStringLiteral("full"));
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString why = start(folder);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(why.contains(folder + QStringLiteral("/Dorvane.dat"))) << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("full"))) << why.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/dbCompact.mdb")));

    // The disk fills while the compacted copy is written: the database keeps
    // every row, the copy is gone and the next start works.
    const QString later = programFolder(QStringLiteral("full later"));
    ASSERT_EQ(start(later), QString());
    const QString kept = keptRows();
    DbConnection.close();
    {
        dvtest::FileLayer layer;
        layer.fullFile = "/dbCompact.mdb";
        layer.fullAfter = 64 * 1024;
        const QString failed = start(later);
        EXPECT_TRUE(failed.contains(QStringLiteral("full"))) << failed.toStdString();
    }
    UnlockDatabase();  // as when the program ends
    EXPECT_EQ(entries(later), QStringList{QStringLiteral("Dorvane.dat")});
    ASSERT_EQ(start(later), QString());
    EXPECT_EQ(keptRows(), kept);
}

TEST_F(StartupFileTest, WhatACrashLeftBehindNeverBlocksAStart)
{
    const QString folder = programFolder(QStringLiteral("crashed"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/dbCompact.mdb/inner")));
    { QFile f(folder + QStringLiteral("/dbCompact.mdb/inner/x")); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); }
    for (const char* stale : {"/dbCompact.mdb-journal", "/dbCompact.mdb-wal"}) {
        QFile f(folder + QLatin1String(stale));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("left by a crash");
    }
    ASSERT_EQ(start(folder), QString());
    DbConnection.close();
    UnlockDatabase();  // as when the program ends
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("Dorvane.dat")});
}

TEST_F(StartupFileTest, ABuildFolderWorksOnACopyAndLeavesTheDeliveredDatabaseAsBuilt)
{
    const QString folder = tmp.path() + QStringLiteral("/build");
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/delivered")));
    const QString delivered = folder + QStringLiteral("/delivered/Dorvane.dat");
    ASSERT_TRUE(QFile::copy(dvtest::deliveredDatabase(), delivered));
    const QByteArray built = bytes(delivered);
    const QString copy = folder + QStringLiteral("/Dorvane.dat");
    const auto profileName = [] {
        return DbConnection.query(QStringLiteral("SELECT CustomerProfileName FROM Customer_ProfileID WHERE ID = 1"))
            .field(0).toText();
    };

    ASSERT_EQ(start(folder), QString());
    EXPECT_EQ(DatabasePath, copy);
    DbConnection.execute(QStringLiteral("UPDATE Customer_ProfileID SET CustomerProfileName = 'Mine' WHERE ID = 1"));
    ASSERT_EQ(start(folder), QString());
    EXPECT_EQ(profileName(), QStringLiteral("Mine"));  // the working copy is kept
    EXPECT_EQ(bytes(delivered), built);

    // Removing the working copy starts again from the delivered data.
    DbConnection.close();
    UnlockDatabase();
    ASSERT_TRUE(QFile::remove(copy));
    ASSERT_EQ(start(folder), QString());
    EXPECT_EQ(profileName(), QStringLiteral("Default"));
    EXPECT_EQ(bytes(delivered), built);
}

TEST_F(StartupFileTest, ASecondStartWhileTheDatabaseIsInUseIsRefusedAndChangesNothing)
{
    const QString folder = programFolder(QStringLiteral("held"));
    const QString path = folder + QStringLiteral("/Dorvane.dat");
    // The first program: it holds the lock and has the database open.
    QLockFile first(DatabaseLockPath(path));
    ASSERT_TRUE(first.tryLock(0));
    DatabasePath = path;
    OpenDatabase();
    const QByteArray before = bytes(path);

    const QString why = start(folder);
    EXPECT_TRUE(why.contains(QStringLiteral("already running"))) << why.toStdString();
    EXPECT_TRUE(why.contains(path)) << why.toStdString();
    EXPECT_FALSE(windowMade);
    EXPECT_EQ(bytes(path), before);
    // The first keeps writing.
    EXPECT_NO_THROW(DbConnection.execute(QStringLiteral("UPDATE Customer_ProfileID SET CustomerProfileName = 'Mine' "
                                                        "WHERE ID = 1")));
}

TEST_F(StartupFileTest, ALockLeftByAKilledProgramDoesNotBlockTheStart)
{
    const QString folder = programFolder(QStringLiteral("killed"));
    const QString lockPath = DatabaseLockPath(folder + QStringLiteral("/Dorvane.dat"));
    // The lock file as a program writes it, with the process ID of one
    // that was killed with SIGKILL.
    QByteArray contents;
    {
        QLockFile ours(lockPath);
        ASSERT_TRUE(ours.tryLock(0));
        QFile f(lockPath);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        contents = f.readAll();
    }
    QProcess killed;
    killed.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(killed.waitForStarted());
    const QByteArray deadPid = QByteArray::number(killed.processId());
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished());
    {
        QFile f(lockPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(deadPid + contents.mid(contents.indexOf('\n')));
    }
    EXPECT_EQ(start(folder), QString());
    EXPECT_TRUE(windowMade);
}

// Every lock file a start may meet: only one a running program holds
// refuses the start, naming that program; any other file is taken over;
// anything else in its place refuses the start and is left as it is.
TEST_F(StartupFileTest, OnlyALockFileARunningProgramHoldsRefusesAStart)
{
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const auto content = [](pid_t pid, const QByteArray& on) {
        return QByteArray::number(pid) + "\nDorvane\n" + on + "\n2026-12-09T13:00:00Z\n";
    };
    enum Holder { Nobody, ThisProcess, ForkedChild, InItsPlace };
    // content "-": no file; in its place, "/" a folder, "|" a pipe, "=" a hard link, else a link to that name.
    const struct { const char* name; QByteArray content; Holder holder; const char* there = ""; } cases[] = {
        {"none", "-", Nobody},
        {"empty", "", Nobody},
        {"garbage", "garbage\n\x01\xff", Nobody},
        {"another host's", content(::getpid(), "elsewhere"), Nobody},
        {"a killed program's", content(0x7fffffff, host), Nobody},  // no such process
        {"held by a live process", content(::getpid(), host), ThisProcess},
        {"held by a forked child", "", ForkedChild},
        {"a link to a file of the user's", "notes", InItsPlace, "a symbolic link to '%1/notes'"},
        {"a link to nothing", "nowhere", InItsPlace, "a symbolic link to '%1/nowhere'"},
        {"a folder", "/", InItsPlace, "a folder"},
        {"a pipe", "|", InItsPlace, "a named pipe"},
        {"a second name of a file of the user's", "=", InItsPlace, "a file that has other names as well (a hard link)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = programFolder(QLatin1String(c.name));
        const QString db = folder + QStringLiteral("/Dorvane.dat");
        const QString lockPath = DatabaseLockPath(db);
        const QByteArray lock = QFile::encodeName(lockPath), target = QFile::encodeName(folder + '/' + c.content);
        if (c.holder == InItsPlace) {
            QFile notes(folder + QStringLiteral("/notes"));
            ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("the user's") == 10);
            ASSERT_EQ(c.content == "/" ? ::mkdir(lock.data(), 0777) : c.content == "|" ? ::mkfifo(lock.data(), 0666)
                      : c.content == "=" ? ::link(QFile::encodeName(notes.fileName()).data(), lock.data())
                                         : ::symlink(target.data(), lock.data()), 0);
        } else if (c.content != "-") {
            QFile f(lockPath);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.content) == c.content.size());
        }
        pid_t holder = ::getpid();
        const int fd = ::open(lock.data(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (c.holder == ThisProcess) {
            ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
        }
        if (c.holder == ForkedChild) {
            int ready[2];
            ASSERT_EQ(::pipe(ready), 0);
            if ((holder = ::fork()) == 0) {
                start(folder);  // runs on until killed
                (void)!::write(ready[1], "", 1);
                ::pause();
                ::_exit(0);
            }
            ::close(ready[1]);
            char x = 0;
            ASSERT_EQ(::read(ready[0], &x, 1), 1);
            ::close(ready[0]);
        }
        const QString why = start(folder);
        if (c.holder == Nobody) {
            EXPECT_EQ(why, QString());
            EXPECT_TRUE(bytes(lockPath).startsWith(QByteArray::number(::getpid()) + '\n'));
            DbConnection.close();
            UnlockDatabase();
            EXPECT_FALSE(QFileInfo::exists(lockPath));
        } else if (c.holder == InItsPlace) {
            EXPECT_EQ(why, QStringLiteral("The lock file '%1' of the database '%2' cannot be made: there is %3 in its "
                                          "place. Remove '%1', then start the program again.")
                               .arg(lockPath, db, QString::fromUtf8(c.there).replace(QStringLiteral("%1"), folder)));
            EXPECT_EQ(bytes(folder + QStringLiteral("/notes")), "the user's");
            EXPECT_EQ(entries(folder), (QStringList{"Dorvane.dat", "Dorvane.dat.lock", "notes"}));
        } else {
            EXPECT_TRUE(why.contains(QStringLiteral("already running on the database '%1' (its lock file '%2' is held "
                                                    "by process %3 (").arg(db, lockPath).arg(holder))
                        && why.contains(QStringLiteral(") on the computer '%1'").arg(QString::fromUtf8(host))))
                << why.toStdString();
            EXPECT_FALSE(windowMade);
        }
        ::close(fd);
        if (c.holder == ForkedChild) {
            ::kill(holder, SIGKILL);
            ::waitpid(holder, nullptr, 0);
        }
    }
}

// Kill -9 before the lock file exists, once it is made and before it is
// written, and after: the next start is never refused.
TEST_F(StartupFileTest, AKillWhileTheLockIsTakenNeverBlocksTheNextStart)
{
    const QString folder = programFolder(QStringLiteral("lock killed"));
    const QString lockPath = DatabaseLockPath(folder + QStringLiteral("/Dorvane.dat"));
    for (LockStep at : {LockStep::Opening, LockStep::Made, LockStep::Locked, LockStep::Written}) {
        SCOPED_TRACE(static_cast<int>(at));
        const pid_t child = ::fork();
        if (child == 0) {
            start(folder, {[at](LockStep step) { step == at && ::kill(::getpid(), SIGKILL); }});
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(QFileInfo::exists(lockPath), at != LockStep::Opening);
        EXPECT_EQ(start(folder), QString());
        DbConnection.close();
        UnlockDatabase();
    }
}

TEST_F(StartupFileTest, StartUpFailuresNameTheFileAndWhatTheUserCanDo)
{
    struct Case {
        const char* name;
        std::function<QString(const QString& base)> prepare;  // returns the program folder
        std::vector<QString> says;                             // "%1" stands for the base folder
        QByteArray fullFile = {};                              // the disk is full under this file
        qint64 lockRoom = -1;                                  // what the disk takes of the lock file
    };
    Connection other;  // another program's, holding the database
    const auto withDatabase = [](const QString& base) {
        QFile::copy(dvtest::deliveredDatabase(), base + QStringLiteral("/Dorvane.dat"));
        return base;
    };
    const std::vector<Case> cases = {
        {"installed without its delivered database",
         [](const QString& base) {
             QDir().mkpath(base + QStringLiteral("/bin"));
             return base + QStringLiteral("/bin");
         },
         {QStringLiteral("%1/share/dorvane/Dorvane.dat"), QStringLiteral("Install the program again")}},
        {"a damaged working copy in a build folder",
         [](const QString& base) {
             QDir().mkpath(base + QStringLiteral("/delivered"));
             QFile::copy(dvtest::deliveredDatabase(), base + QStringLiteral("/delivered/Dorvane.dat"));
             QFile f(base + QStringLiteral("/Dorvane.dat"));
             if (f.open(QIODevice::WriteOnly))
                 f.write(QByteArray(4096, 'x'));
             return base;
         },
         {QStringLiteral("%1/Dorvane.dat"), QStringLiteral("Remove it to start again from the delivered database"),
          QStringLiteral("%1/delivered/Dorvane.dat")}},
        {"a folder in place of the database",
         [](const QString& base) {
             QDir().mkpath(base + QStringLiteral("/Dorvane.dat"));
             return base;
         },
         {QStringLiteral("%1/Dorvane.dat"), QStringLiteral("not a file"), QStringLiteral("Install the program again")}},
        {"a full disk under the database", withDatabase,
         {QStringLiteral("%1/Dorvane.dat"), QStringLiteral("The disk is full: make room on the disk of the folder '%1'")},
         "/Dorvane.dat"},
        {"a full disk under the lock file", withDatabase,
         {QStringLiteral("'%1/Dorvane.dat.lock' of the database '%1/Dorvane.dat' cannot be written: the disk is full. "
                         "Make room on the disk of the folder '%1'")}, {}, 10},
        {"a database another program is using",
         [&](const QString& base) {
             other.open(withDatabase(base) + QStringLiteral("/Dorvane.dat"), databasePassword());
             other.execute(QStringLiteral("BEGIN EXCLUSIVE"));
             return base;
         },
         {QStringLiteral("'%1/Dorvane.dat': database is locked Another program is using the file '%1/Dorvane.dat': "
                         "close that program, then start this one again.")}},
        {"a database that does not open with the key",
         [&](const QString& base) {
             other.open(withDatabase(base) + QStringLiteral("/Dorvane.dat"), databasePassword());
             other.execute(QStringLiteral("PRAGMA rekey = 'another'"));
             return base;
         },
         {QStringLiteral("is encrypted or is not a database"), QStringLiteral("Install the program again")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString base = tmp.path() + QLatin1Char('/') + QLatin1String(c.name);
        ASSERT_TRUE(QDir().mkpath(base));
        dvtest::FileLayer layer;
        layer.fullFile = c.fullFile;
        const QString why = start(c.prepare(base), {{}, c.lockRoom});
        other.close();
        for (const QString& said : c.says)
            EXPECT_TRUE(why.contains(QString(said).replace(QStringLiteral("%1"), base))) << why.toStdString();
        // Replacing the file is advised only when the file itself is at fault.
        EXPECT_NE(why.contains(QStringLiteral("disk is full")) || why.contains(QStringLiteral("Another program")),
                  why.contains(QStringLiteral("Install the program again")) || why.contains(QStringLiteral("Remove it")));
        EXPECT_EQ(windowMade, !c.fullFile.isEmpty());  // made before the reset fills the disk
        UnlockDatabase();
    }
}

TEST_F(StartupFileTest, AStartUpMakesAHandfulOfSyncs)
{
    const QString folder = programFolder(QStringLiteral("syncs"));
    dvtest::FileLayer layer;
    ASSERT_EQ(start(folder), QString());
    EXPECT_LE(layer.syncs, 12);
}

// Kill -9 at some thirty points spread over a start-up's file operations.
TEST_F(StartupFileTest, AKillAtAnyPointOfAStartUpLosesNothing)
{
    const QString folder = programFolder(QStringLiteral("killed"));
    const QString db = folder + QStringLiteral("/Dorvane.dat");
    const QByteArray original = bytes(db);
    long long operations = 0;
    {
        dvtest::FileLayer layer;
        ASSERT_EQ(start(folder), QString());
        operations = layer.operations;
    }
    const QString kept = keptRows();
    DbConnection.close();
    UnlockDatabase();  // a forked child would share the lock, and be refused
    for (long long at = 1; at <= operations; at += operations / 30 + 1) {
        QFile::remove(db);
        QFile f(db);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(original);
        f.close();
        const pid_t child = ::fork();
        if (child == 0) {
            dvtest::FileLayer layer;
            layer.killAt = at;
            start(folder);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status)) << at;
        ASSERT_EQ(start(folder), QString()) << at;
        EXPECT_EQ(keptRows(), kept) << at;
        UnlockDatabase();  // as when the program ends
        EXPECT_EQ(entries(folder), QStringList{QStringLiteral("Dorvane.dat")}) << at;
        DbConnection.close();
    }
}

TEST_F(StartupFileTest, AStartUpOnALargerDatabaseKeepsEveryTableAndRow)
{
    const QString folder = programFolder(QStringLiteral("large"));
    DatabasePath = folder + QStringLiteral("/Dorvane.dat");
    OpenDatabase();
    {
        Transaction t(DbConnection);
        PreparedStatement st = DbConnection.prepare(QStringLiteral(
            "INSERT INTO Material_List (WallID, WallName, WallWidth, MemberType, QtyPieces) VALUES (?, 'Wall', 6, 'Stud', ?)"));
        for (int i = 0; i < 5000; ++i)
            st.bind(1, i % 200 + 1).bind(2, i * 0.5).exec();
        t.commit();
    }
    const QString kept = keptRows();
    DbConnection.close();
    const qint64 sizeBefore = QFileInfo(DatabasePath).size();
    ASSERT_EQ(start(folder), QString());
    EXPECT_EQ(keptRows(), kept);
    EXPECT_EQ(scalarCount(QStringLiteral("Material_List")), 0);
    EXPECT_LT(QFileInfo(DatabasePath).size(), sizeBefore);
}

}  // namespace
