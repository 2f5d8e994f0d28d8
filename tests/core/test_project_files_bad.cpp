// Project files that must be refused, and saves that must fail, each
// leaving the open project and any earlier file exactly as they were.
#include "core/project_reset.h"
#include "core/app_state.h"
#include "core/project_files.h"
#include "tests/test_project_files_fixture.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

using namespace dv;
using dvtest::ProjectFileTest;

namespace {

class BadProjectFileTest : public ProjectFileTest {
protected:
    void SetUp() override
    {
        ProjectFileTest::SetUp();
        buildSampleProject();
        good = filePath("good.dvwp");
        SaveProjectFile(good);
        goodText = QString::fromLatin1(readFile(good));
        // The window shows a calculated project under another profile.
        view.wallGridAddRow({QStringLiteral("1"), QStringLiteral("North's wall"), QStringLiteral("Yes")});
        view.wallGridAddRow({QStringLiteral("2"), QStringLiteral("Gable, east"), QStringLiteral("Yes")});
        view.comparisonAddRow({QStringLiteral("1"), QStringLiteral("North's wall"), QStringLiteral("$10.00/$0.00"), QStringLiteral("$11.00/$0.00"), QStringLiteral("$12.00/$0.00")});
        view.setSelectedProfile(2, "Builder");
        CurrentWallID = 2;
        exec("INSERT INTO Material_List (WallID, WallName, WallWidth, MemberType) VALUES (1, 'North`s wall', 6, 'Stud')");
    }

    // The good file with one line replaced (counted from 1).
    QByteArray withLine(int number, const QString& text) const
    {
        QStringList lines = goodText.split("\r\n");
        lines[number - 1] = text;
        return lines.join("\r\n").toLatin1();
    }
    int lineOf(const QString& start) const
    {
        const QStringList lines = goodText.split("\r\n");
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].startsWith(start))
                return i + 1;
        ADD_FAILURE() << "no line starts with " << start.toStdString();
        return 1;
    }

    // Opening the file must fail with a message holding `fragment`, and
    // leave the project, its results and the window as they were.
    void expectRefused(const QByteArray& bytes, const QString& fragment, long number = err::ProjectFile)
    {
        const QString path = filePath("bad.dvwp");
        writeFile(path, bytes);
        expectRefusedPath(path, fragment, number);
    }

    void expectRefusedPath(const QString& path, const QString& fragment, long number = err::ProjectFile)
    {
        const std::string tables = projectTables();
        const std::string state = viewState();
        const long long materials = count("Material_List");
        try {
            OpenProjectFile(path);
            ADD_FAILURE() << "opened a bad file; expected: " << fragment.toStdString();
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), number) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(fragment, Qt::CaseInsensitive))
                << e.description().toStdString() << "\n  expected: " << fragment.toStdString();
        }
        ASSERT_TRUE(DbConnection.isOpen());
        EXPECT_EQ(projectTables(), tables);
        EXPECT_EQ(viewState(), state);
        EXPECT_EQ(count("Material_List"), materials);
    }

    QString good;
    QString goodText;
};

}  // namespace

TEST_F(BadProjectFileTest, EmptyAndBlankFilesAreRefused)
{
    expectRefused(QByteArray(), "is empty");
    expectRefused("\r\n\r\n   \r\n", "is empty");
}

TEST_F(BadProjectFileTest, TruncatedFilesAreRefused)
{
    // Cut at a line end: no end line.
    const int cut = goodText.indexOf("[Project Information]");
    expectRefused(goodText.left(cut).toLatin1(), "ends before its end line");
    // Cut inside the last wall's row.
    const int inRow = goodText.indexOf("\r\nEOF") - 30;
    expectRefused(goodText.left(inRow).toLatin1(), "needs 48 values");
    // Everything but the end line.
    expectRefused(goodText.left(goodText.indexOf("EOF")).toLatin1(), "ends before its end line");
}

TEST_F(BadProjectFileTest, FilesOfAnotherKindAreRefused)
{
    static const char png[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10";
    expectRefused(QByteArray(png, sizeof png - 1), "not a project file");
    expectRefused("Hello,\r\nthis is a letter.\r\nEOF\r\n", "not a project file");
    expectRefused("Name,Height,Width\r\n1,2,3\r\n", "not a project file");
    expectRefused("<?xml version=\"1.0\"?>\r\n<project/>\r\n", "not a project file");
    expectRefused("EOF\r\n", "not a project file");
    expectRefused("[Settings]\r\nColor=blue\r\nEOF\r\n", "is not a section of a project file");
    // A text saved as UTF-16 is full of zero bytes.
    QByteArray utf16;
    for (char c : QByteArray("[File Header]\r\nEOF\r\n")) {
        utf16.append(c);
        utf16.append('\0');
    }
    expectRefused(utf16, "binary data");
}

TEST_F(BadProjectFileTest, UnknownSectionsAreRefused)
{
    const int at = lineOf("[Rough Opening Information]");
    expectRefused(withLine(at, "[Window Information]"), "\"[Window Information]\" is not a section");
    // A known section with a stray blank is not that section.
    expectRefused(withLine(at, "[Rough Opening Information] "), "is not a section");
}

TEST_F(BadProjectFileTest, RowsWithTheWrongNumberOfValuesAreRefused)
{
    const int column = lineOf("2,Column 1,");
    expectRefused(withLine(column, "2,Column 1,10.5"), "needs 4 values");
    // An extra value is not folded into the last one.
    expectRefused(withLine(column, "2,Column 1,10.5,0.5,extra"), "needs 4 values separated by commas, but this one has 5");
    const int general = lineOf("1,EAVE,");
    expectRefused(withLine(general, "1,EAVE,10,,,30,1,24,Vinyl,EXPOSURE B,0,0,0,A,A,2,,0,1"), "needs 18 values");
    const int opening = lineOf("2,Rough Opening 1,");
    expectRefused(withLine(opening, "2,Rough Opening 1,6,7,2,Column 1,Column 3,Column 4"), "needs 7 values");
    const int wall = lineOf("3,x");
    expectRefused(withLine(wall, "3,only a name,0"), "needs 48 values");
}

TEST_F(BadProjectFileTest, TextWhereNumbersBelongIsRefused)
{
    const int general = lineOf("1,EAVE,");
    QStringList g = goodText.split("\r\n")[general - 1].split(',');
    auto generalWith = [&](int index, const QString& value) {
        QStringList v = g;
        v[index] = value;
        return withLine(general, v.join(','));
    };
    expectRefused(generalWith(2, "ten"), "EaveHeight must be a number");
    expectRefused(generalWith(2, "1e999"), "EaveHeight must be a number");
    expectRefused(generalWith(6, "0x10"), "RoofLoadingID must be a number");
    expectRefused(generalWith(17, "1); DROP TABLE Products; --"), "MonoSlope must be a number");
    expectRefused(generalWith(0, "one"), "WallID must be a number");
    expectRefused(generalWith(0, "40000"), "WallID is out of range");
    expectRefused(generalWith(0, ""), "no wall number");
    // A slope as the slope box takes it (0 for none), corners whole and not below 0.
    for (const char* slope : {"65540", "32768", "1e308", "-4", "12.5"})
        expectRefused(generalWith(3, slope), "RoofSlope is out of range");
    for (const char* corners : {"-1", "2.5", "40000"})
        expectRefused(generalWith(15, corners), "NumberCorners is out of range");

    const int wall = lineOf("2,Gable");
    QStringList w = goodText.split("\r\n")[wall - 1].split(',');
    auto wallWith = [&](int index, const QString& value) {
        QStringList v = w;
        v[index] = value;
        return withLine(wall, v.join(','));
    };
    expectRefused(wallWith(2, "$12.50"), "6Studs must be a number");
    expectRefused(wallWith(38, "two"), "NumberColumns must be a number");
    expectRefused(wallWith(40, "1e300"), "Total6 is out of range");
    expectRefused(wallWith(43, "Yes"), "Missing6 must be a number");

    const int column = lineOf("2,Column 1,");
    expectRefused(withLine(column, "2,Column 1,tall,0.5"), "ColumnHeight must be a number");
    expectRefused(withLine(column, "2,,10.5,0.5"), "no ColumnID");
    const int opening = lineOf("2,Rough Opening 1,");
    expectRefused(withLine(opening, "2,Rough Opening 1,6,7,two,Column 1,Column 3"), "NumHeaders must be a number");
}

TEST_F(BadProjectFileTest, RepeatedWallsColumnsAndOpeningsAreRefused)
{
    const int wall = lineOf("2,Gable");
    const QString row = goodText.split("\r\n")[wall - 1];
    expectRefused(withLine(wall, row + "\r\n" + row), "wall 2 appears twice");
    const int general = lineOf("1,EAVE,");
    const QString g = goodText.split("\r\n")[general - 1];
    expectRefused(withLine(general, g + "\r\n" + g), "wall 1 appears twice");
    const int column = lineOf("2,Column 1,");
    expectRefused(withLine(column, "2,Column 1,10.5,0.5\r\n2,column 1,9,0.5"), "appears twice");
    const int opening = lineOf("2,Rough Opening 1,");
    expectRefused(withLine(opening, "2,Rough Opening 1,6,7,2,Column 1,Column 3\r\n2,Rough Opening 1,5,7,1,NA,NA"),
                  "Rough Opening 1 of wall 2 appears twice");
}

TEST_F(BadProjectFileTest, RowsBeforeAnySectionAreRefused)
{
    expectRefused(("1,Column 1,8,3.5\r\n" + goodText).toLatin1(), "does not begin with a section");
}

TEST_F(BadProjectFileTest, OverlongLinesAndValuesAreRefused)
{
    expectRefused(withLine(2, "Project Name = " + QString(70000, 'x')), "longer than 65536 characters");
    const int wall = lineOf("3,x");
    QStringList w = goodText.split("\r\n")[wall - 1].split(',');
    w[1] = QString(300, 'n');
    expectRefused(withLine(wall, w.join(',')), "WallName is longer than 255 characters");
    const int column = lineOf("2,Column 1,");
    expectRefused(withLine(column, "2," + QString(256, 'c') + ",10.5,0.5"), "ColumnID is longer than 255");

    // A file far too large to be a project is refused before it is read.
    const QString huge = filePath("huge.dvwp");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(kMaxProjectFileBytes + 1));
    }
    expectRefusedPath(huge, "too large");
}

TEST_F(BadProjectFileTest, MissingPathsAreRefused)
{
    expectRefusedPath(filePath("no such file.dvwp"), "File not found", err::FileNotFound);
    expectRefusedPath(QString(), "File not found", err::FileNotFound);
    expectRefusedPath(dir.path(), "is not a file", 75);
}

TEST_F(BadProjectFileTest, LinesAfterTheEndLineAreNotRead)
{
    const QString path = filePath("tail.dvwp");
    writeFile(path, (goodText + "[Garbage]\r\n1,2\r\n").toLatin1() + QByteArray(10, '\0'));
    EXPECT_NO_THROW(OpenProjectFile(path));
    EXPECT_EQ(count("Project_Information"), 3);
}

TEST_F(BadProjectFileTest, AFailureWhileLoadingRollsEverythingBack)
{
    // The database refuses one row late in the file, after the reset and
    // the earlier rows have gone in.
    exec("CREATE TRIGGER refuse_wall BEFORE INSERT ON Project_Information WHEN NEW.WallName = 'refused' "
         "BEGIN SELECT RAISE(ABORT, 'this wall is refused'); END");
    const int wall = lineOf("3,x");
    QStringList w = goodText.split("\r\n")[wall - 1].split(',');
    w[1] = "refused";
    const QString path = filePath("late.dvwp");
    writeFile(path, withLine(wall, w.join(',')));
    const std::string tables = projectTables();
    const std::string state = viewState();
    try {
        OpenProjectFile(path);
        ADD_FAILURE() << "the trigger did not refuse the row";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains("this wall is refused")) << e.description().toStdString();
    }
    EXPECT_EQ(projectTables(), tables);
    EXPECT_EQ(viewState(), state);
    EXPECT_EQ(view.profileID, 2);
    EXPECT_EQ(CurrentWallID, 2);
    EXPECT_EQ(count("Material_List"), 1);
}

TEST_F(BadProjectFileTest, AFailedCompactionLeavesTheProjectOpen)
{
    const std::string tables = projectTables();
    const std::string state = viewState();
    // The disk fills up while the compacted copy is written (the scratch
    // tables, emptied before every compaction, are empty already).
    dv::EmptyScratchTables();
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    try {
        OpenProjectFile(good);
        ADD_FAILURE() << "the compaction did not fail";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.source().contains("CJetDB.Compact")) << e.source().toStdString();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/dbCompact.mdb"));
    ASSERT_TRUE(DbConnection.isOpen());
    EXPECT_EQ(projectTables(), tables);
    EXPECT_EQ(viewState(), state);
}

// ---------------------------------------------------------------- saving

TEST_F(BadProjectFileTest, ASaveIntoAMissingFolderFails)
{
    const QString path = filePath("no folder/p.dvwp");
    EXPECT_THROW(SaveProjectFile(path), AppError);
    EXPECT_FALSE(QFileInfo::exists(path));
    // A folder that is really a file.
    EXPECT_THROW(SaveProjectFile(good + "/p.dvwp"), AppError);
    EXPECT_THROW(SaveProjectFile(QString()), AppError);
}

TEST_F(BadProjectFileTest, AReadOnlyFileIsNotReplaced)
{
    const QString path = filePath("locked.dvwp");
    writeFile(path, "KEEP ME");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    try {
        SaveProjectFile(path);
        ADD_FAILURE() << "replaced a read-only file";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains("read-only")) << e.description().toStdString();
    }
    EXPECT_EQ(readFile(path), "KEEP ME");
}

TEST_F(BadProjectFileTest, ADiskThatFillsUpLeavesTheEarlierFileWhole)
{
    const QString path = filePath("earlier.dvwp");
    writeFile(path, "AN EARLIER GOOD FILE");
    const int filesBefore = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size();

    // Writes past 512 bytes fail as on a full disk.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool failed = false;
    try {
        SaveProjectFile(path);
    } catch (const AppError&) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(failed);
    EXPECT_EQ(readFile(path), "AN EARLIER GOOD FILE");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), filesBefore);  // no leftovers
}

TEST_F(BadProjectFileTest, AProjectThatWouldNotOpenAgainIsNotSaved)
{
    const QString path = filePath("earlier.dvwp");
    writeFile(path, "AN EARLIER GOOD FILE");

    // A comma in a text other than the wall name would shift the row.
    exec("UPDATE General_Information SET ExteriorFinish = 'Brick, red' WHERE WallID = 1");
    try {
        SaveProjectFile(path);
        ADD_FAILURE() << "saved a row that cannot be read back";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), err::ProjectFile);
        EXPECT_TRUE(e.description().contains("would not open again")) << e.description().toStdString();
    }
    EXPECT_EQ(readFile(path), "AN EARLIER GOOD FILE");
    exec("UPDATE General_Information SET ExteriorFinish = 'Vinyl' WHERE WallID = 1");

    // A line feed in a text would split its row or its header line.
    exec("UPDATE Column_Information SET MaxWidth = '0.5\n2' WHERE ColumnID = 'Column 1'");
    EXPECT_THROW(SaveProjectFile(path), AppError);
    exec("UPDATE Column_Information SET MaxWidth = '0.5' WHERE ColumnID = 'Column 1'");
    view.project = "two\nlines";
    EXPECT_THROW(SaveProjectFile(path), AppError);
    EXPECT_EQ(readFile(path), "AN EARLIER GOOD FILE");

    view.project = "one line";
    SaveProjectFile(path);
    EXPECT_TRUE(readFile(path).startsWith("[File Header]\r\nProject Name = one line\r\n"));
}
