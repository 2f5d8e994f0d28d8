// Project files: the layout written, and projects saved and opened back.
#include "core/app_state.h"
#include "core/project_files.h"
#include "core/project_reset.h"
#include "core/startup.h"
#include "engine/calculate.h"
#include "tests/test_project_files_fixture.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <sys/stat.h>

using namespace dv;
using dvtest::ProjectFileTest;

namespace {

QStringList linesOf(const QByteArray& bytes)
{
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    return lines;
}

ino_t inodeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

}  // namespace

TEST_F(ProjectFileTest, WritesTheSectionedLayoutExactly)
{
    view.project = "P";
    view.builder = "C";
    addEaveWall(1, "A", 10, 30, 24);
    addColumn(1, 1, "8", "3.5");
    addOpening(1, 1, "4", "6", "1");
    exec("UPDATE Project_Information SET \"6Studs\" = 12.5, Total6 = 100.25, Missing6 = -1, InterpValue = 1, "
         "HasCenterStuds = 'No' WHERE ID = 1");
    const QString path = filePath("layout.dvwp");
    SaveProjectFile(path);

    const QByteArray bytes = readFile(path);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));  // every line ends in CR LF
    EXPECT_TRUE(bytes.endsWith("EOF\r\n"));

    QStringList zeros;
    for (int i = 0; i < 35; ++i)
        zeros << "0";
    const QString wallRow = "1,A,12.5," + zeros.join(',') + ",0,0,100.25,0,0,-1,0,0,1,No";
    const QStringList expected = {
        "[File Header]", "Project Name = P", "Customer Name = C", "DATE", "Program Version = Version 1.1.24", "",
        "[Column Information]", "1,Column 1,8,3.5", "",
        "[General Information]", "1,EAVE,10,0,0,30,1,24," + firstFinish() + ",EXPOSURE B,0,0,0,A,A,2,0,0", "",
        "[Rough Opening Information]", "1,Rough Opening 1,4,6,1,NA,NA", "",
        "[Project Information]", wallRow, "",
        "EOF", ""};
    const QStringList lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), expected.size()) << bytes.constData();
    for (int i = 0; i < lines.size(); ++i) {
        if (expected[i] == "DATE")
            EXPECT_TRUE(QRegularExpression("^Date = (0[1-9]|1[0-2])/[0-3]\\d/\\d{4} (0[1-9]|1[0-2]):[0-5]\\d:[0-5]\\d (AM|PM)$")
                            .match(lines[i]).hasMatch()) << lines[i].toStdString();
        else
            EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
}

TEST_F(ProjectFileTest, AnEmptyProjectIsTheHeaderTheFourSectionsAndTheEndLine)
{
    const QString path = filePath("empty.dvwp");
    SaveProjectFile(path);
    const QStringList lines = linesOf(readFile(path));
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines.mid(5), QStringList({"", "[Column Information]", "", "[General Information]", "",
                                         "[Rough Opening Information]", "", "[Project Information]", "", "EOF", ""}));

    buildSampleProject();
    view.wallGridAddRow({QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("Yes")});
    OpenProjectFile(path);
    for (const char* t : {"Column_Information", "General_Information", "Header_Information", "Project_Information"})
        EXPECT_EQ(count(QLatin1String(t)), 0) << t;
    EXPECT_TRUE(view.wallRows.empty());
    EXPECT_EQ(view.project, "");
    EXPECT_EQ(view.builder, "");
}

TEST_F(ProjectFileTest, SaveAndOpenGiveBackTheSameRowsAndNames)
{
    buildSampleProject();
    const QString path = filePath("sample.dvwp");
    SaveProjectFile(path);
    const std::string saved = projectTables();
    const long long products = count("Products");

    // Something else is open when the file comes back: another project,
    // another profile, a comparison and calculation results.
    ResetProjectTables();
    addEaveWall(7, "Other", 12, 40, 30);
    exec("INSERT INTO Material_List (WallID, WallName, WallWidth, MemberType) VALUES (7, 'Other', 6, 'Stud')");
    exec("INSERT INTO Validation_Information (MemberName, WallID) VALUES ('Stud', 7)");
    exec("INSERT INTO Temp_Stud_Table (WallID, WallThickness) VALUES (7, 6)");
    view.project = "another";
    view.builder = "someone";
    view.setSelectedProfile(2, "Other profile");
    view.comparisonAddRow({QStringLiteral("7"), QStringLiteral("Other"), QStringLiteral("$1.00/$0.00"), QStringLiteral("$2.00/$0.00"), QStringLiteral("$3.00/$0.00")});
    CurrentWallID = 7;

    OpenProjectFile(path);
    EXPECT_EQ(projectTables(), saved);
    EXPECT_EQ(view.project, "Smith's Barn");
    EXPECT_EQ(view.builder, "  O'Neil, Sons & Co = builders");
    EXPECT_TRUE(view.comparisonRows.empty());
    EXPECT_EQ(view.profileID, 1);
    EXPECT_EQ(view.profileName, "Default");
    EXPECT_EQ(CurrentWallID, 1);
    EXPECT_EQ(count("Material_List"), 0);
    EXPECT_EQ(count("Validation_Information"), 0);
    EXPECT_EQ(count("Temp_Stud_Table"), 0);
    EXPECT_EQ(count("Products"), products);
    ASSERT_EQ(view.wallRows.size(), 3u);
    EXPECT_EQ(view.wallRows[0], QStringList({"1", "North's wall", "Yes"}));
    EXPECT_EQ(view.wallRows[1], QStringList({"2", "Gable, east", "Yes"}));
    EXPECT_EQ(view.wallRows[2], QStringList({"3", "x'); DROP TABLE Products; --", "No"}));

    // The values themselves, read as the program reads them.
    EXPECT_EQ(scalar("SELECT EaveHeight FROM General_Information WHERE WallID = 1").toDouble(), 124.0 / 12.0);
    EXPECT_TRUE(scalar("SELECT DTFH FROM General_Information WHERE WallID = 1").isNull());
    EXPECT_EQ(scalar("SELECT \"6Studs\" FROM Project_Information WHERE ID = 1").toMoney().toText(), "123.4567");
    EXPECT_EQ(scalar("SELECT \"6Sheathing\" FROM Project_Information WHERE ID = 1").toMoney().toText(), "0.0001");
    EXPECT_EQ(scalar("SELECT Missing10 FROM Project_Information WHERE ID = 2").toInt16(), 0);
    EXPECT_EQ(scalar("SELECT Missing8 FROM Project_Information WHERE ID = 2").toInt16(), -1);
    EXPECT_EQ(count("Column_Information", "WallID = 2 AND ColumnHeight = '**Removed**' AND MaxWidth = 'NA'"), 1);
    EXPECT_EQ(count("Header_Information", "WallID = 1 AND ROWidth = '**Removed**' AND ColIDRight = 'NA'"), 1);
    EXPECT_EQ(scalar("SELECT ColIDLeft FROM Header_Information WHERE WallID = 2").toText(), "Column 1");
}

// A 40 ft gable wall at 4.5/12 without columns rises 7.5 ft to its full height
// at 20 ft: after a trip through a project file its studs stand at four
// locations (4/12 would give three, of 17, 15 and 13 ft).
TEST_F(ProjectFileTest, TheSlopeSavedOpenedAndCalculatedIsTheSlopeTyped)
{
    addGableWall(1, "Gable", 10, 17.5, 40, 4, 20);
    exec("UPDATE General_Information SET RoofSlope = 4.5");
    SaveProjectFile(filePath("slope.dvwp"));
    OpenProjectFile(filePath("slope.dvwp"));
    CalculateStudSolutions();
    EXPECT_EQ(scalar("SELECT RoofSlope FROM General_Information").toDouble(), 4.5);
    EXPECT_EQ(scalar("SELECT InterpValue FROM Project_Information").toInt32(), 4);
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(CAST(PieceLength AS INTEGER)) FROM (SELECT PieceLength FROM Material_List "
                     "WHERE WallWidth = 6 AND COALESCE(MemberName, '') = '' ORDER BY rowid)").toText().toStdString(),
              "18,16,14,12");
}

TEST_F(ProjectFileTest, AFileFromOneRunOpensInAFreshStartOfTheProgram)
{
    buildSampleProject();
    const QString path = filePath("carried.dvwp");
    SaveProjectFile(path);
    const std::string saved = projectTables();

    DbConnection.close();
    MemoryProjectView fresh;
    Main(dir.path(), [&]() -> ProjectView* { return &fresh; });
    ASSERT_TRUE(DbConnection.isOpen());
    EXPECT_EQ(count("Project_Information"), 0);  // the start emptied the project

    OpenProjectFile(path);
    EXPECT_EQ(projectTables(), saved);
    EXPECT_EQ(fresh.project, "Smith's Barn");
    EXPECT_EQ(fresh.builder, "  O'Neil, Sons & Co = builders");
    EXPECT_EQ(fresh.wallRows.size(), 3u);
    setProjectView(&view);
}

TEST_F(ProjectFileTest, OpeningCompactsTheDatabase)
{
    buildSampleProject();
    const QString path = filePath("compact.dvwp");
    SaveProjectFile(path);
    const ino_t before = inodeOf(dbPath);
    OpenProjectFile(path);
    // In place, the compacted copy takes the database's name.
    EXPECT_NE(inodeOf(dbPath), before);
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/dbCompact.mdb"));
    EXPECT_TRUE(DbConnection.isOpen());
    EXPECT_EQ(count("Project_Information"), 3);
}

TEST_F(ProjectFileTest, CommasInWallNamesTravelAsUnderscores)
{
    exec("INSERT INTO Project_Information (ID, WallName) VALUES (1, 'East, upper')");
    exec("INSERT INTO Project_Information (ID, WallName) VALUES (2, 'left_side')");
    const QString path = filePath("names.dvwp");
    SaveProjectFile(path);
    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.contains("\r\n1,East_ upper,"));
    EXPECT_TRUE(bytes.contains("\r\n2,left_side,"));
    OpenProjectFile(path);
    EXPECT_EQ(scalar("SELECT WallName FROM Project_Information WHERE ID = 1").toText(), "East, upper");
    // The file cannot tell an underscore from a comma: it comes back as one.
    EXPECT_EQ(scalar("SELECT WallName FROM Project_Information WHERE ID = 2").toText(), "left,side");
}

TEST_F(ProjectFileTest, NamesOutsideTheSingleByteCodePageSurvive)
{
    view.project = QStringLiteral("Zürich 北京 €");
    view.builder = QStringLiteral("Ærø — north");
    exec(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (1, 'Mur côté 東')"));
    const QString path = filePath("unicode.dvwp");
    SaveProjectFile(path);
    OpenProjectFile(path);
    EXPECT_EQ(view.project, QStringLiteral("Zürich 北京 €"));
    EXPECT_EQ(view.builder, QStringLiteral("Ærø — north"));
    EXPECT_EQ(scalar("SELECT WallName FROM Project_Information").toText(), QStringLiteral("Mur côté 東"));
}

TEST_F(ProjectFileTest, WesternTextIsWrittenInTheSingleByteCodePage)
{
    view.project = QStringLiteral("Café ‘Nord’ €5");
    const QString path = filePath("latin.dvwp");
    SaveProjectFile(path);
    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.contains("Project Name = Caf\xE9 \x91Nord\x92 \x80" "5\r\n"));
    view.project.clear();
    OpenProjectFile(path);
    EXPECT_EQ(view.project, QStringLiteral("Café ‘Nord’ €5"));

    // Single-byte text that would read as UTF-8 is written as UTF-8, so it
    // cannot come back changed.
    view.project = QStringLiteral("Ã©");
    SaveProjectFile(path);
    view.project.clear();
    OpenProjectFile(path);
    EXPECT_EQ(view.project, QStringLiteral("Ã©"));
}

TEST_F(ProjectFileTest, AHandWrittenOlderFileLoads)
{
    // Single-byte text, sections out of order and repeated, blank lines,
    // other header keys, blanks around values, a row without commas, a
    // line ended by LF alone, and text after the end line.
    QByteArray file;
    file += "[File Header]\r\n";
    file += "Program Version = Version 1.0.3\r\n";
    file += "Operator = J\x92s desk\r\n";
    file += "Project Name = Caf\xE9 job\r\n";
    file += "Date = 03/04/2009 10:11:12 PM\r\n";
    file += "\r\n";
    file += "[Project Information]\r\n";
    QStringList zeros;
    for (int i = 0; i < 35; ++i)
        zeros << "0";
    file += "4 , West_ lower ,10.5," + zeros.join(',').toLatin1() + ",1,2,100,200,300,-1,-1,0,1,Yes\n";
    file += "\r\n";
    file += "[Column Information]\r\n";
    file += " 4 , Column 1 , 8 , 3.5\r\n";
    file += "no commas here\r\n";
    file += "   \r\n";
    file += "[General Information]\r\n";
    file += "4,EAVE,12,0,0,40,1,30,Vinyl,EXPOSURE D,0,0,0,A,B,2,0,0\r\n";
    file += "[Column Information]\r\n";
    file += "4,Column 2,**Removed**,NA\r\n";
    file += "[File Header]\r\n";
    file += "Customer Name = B\xFC" "ro\r\n";
    file += "EOF\r\n";
    file += "[Nonsense after the end]\r\n";
    const QString path = filePath("old.dvwp");
    writeFile(path, file);

    OpenProjectFile(path);
    EXPECT_EQ(view.project, QStringLiteral("Café job"));
    EXPECT_EQ(view.builder, QStringLiteral("Büro"));
    EXPECT_EQ(count("Project_Information"), 1);
    EXPECT_EQ(scalar("SELECT WallName FROM Project_Information").toText(), "West, lower");
    EXPECT_EQ(scalar("SELECT \"6Studs\" FROM Project_Information").toMoney().toText(), "10.5");
    EXPECT_EQ(scalar("SELECT Total8 FROM Project_Information").toMoney().toText(), "200");
    EXPECT_EQ(scalar("SELECT HasCenterStuds FROM Project_Information").toText(), "Yes");
    EXPECT_EQ(count("Column_Information"), 2);
    EXPECT_EQ(scalar("SELECT ColumnID FROM Column_Information ORDER BY rowid").toText(), "Column 1");
    EXPECT_EQ(scalar("SELECT ColumnHeight FROM Column_Information ORDER BY rowid").toText(), "8");
    EXPECT_EQ(scalar("SELECT JunctionType FROM General_Information").toText(), "B");
    ASSERT_EQ(view.wallRows.size(), 1u);
    EXPECT_EQ(view.wallRows[0], QStringList({"4", "West, lower", "Yes"}));
}

TEST_F(ProjectFileTest, HeaderLinesAreSplitAtTheFirstEqualsSign)
{
    ProjectFileReader r;
    r.ReadProjectFileLine("[File Header]");
    r.ReadProjectFileLine("Project Name = a = b");
    EXPECT_EQ(r.content().projectName, "a = b");
    r.ReadProjectFileLine("Project Name =    spaced ");
    EXPECT_EQ(r.content().projectName, "   spaced ");
    // A line cut after its "=" (an editor dropped the blank) is an empty name.
    r.ReadProjectFileLine("Customer Name = x");
    r.ReadProjectFileLine("Customer Name =");
    EXPECT_EQ(r.content().builderName, "");
    // The key is what stands before the blank before "="; other keys and
    // lines without "=" are ignored.
    r.ReadProjectFileLine("Project Name=ignored");
    r.ReadProjectFileLine("= nothing");
    r.ReadProjectFileLine("project name = lower case");
    r.ReadProjectFileLine("no equals sign");
    EXPECT_EQ(r.content().projectName, "   spaced ");
    EXPECT_FALSE(r.projectFileEOF());
    r.ReadProjectFileLine("EOF");
    EXPECT_TRUE(r.projectFileEOF());
    EXPECT_NO_THROW(r.finish());
}

TEST_F(ProjectFileTest, TextValuesNeverCarryTheSqlQuote)
{
    // A hand-edited file may hold apostrophes and SQL: they are stored as
    // text, with grave accents for apostrophes, and run nothing.
    const long long products = count("Products");
    QByteArray file = "[File Header]\r\nProject Name = '; DELETE FROM Products; --\r\n\r\n[General Information]\r\n"
                      "1,EAVE'); DROP TABLE Products; --,10,0,0,30,1,24,Vinyl,EXPOSURE B,0,0,0,A,A,2,0,0\r\n"
                      "[Project Information]\r\n1,O'Brien's,";
    QStringList rest;
    for (int i = 0; i < 46; ++i)
        rest << "0";
    file += rest.join(',').toLatin1() + "\r\nEOF\r\n";
    const QString path = filePath("quotes.dvwp");
    writeFile(path, file);
    OpenProjectFile(path);
    EXPECT_EQ(count("Products"), products);
    EXPECT_EQ(view.project, "'; DELETE FROM Products; --");
    EXPECT_EQ(scalar("SELECT WallType FROM General_Information").toText(), "EAVE`); DROP TABLE Products; --");
    EXPECT_EQ(scalar("SELECT WallName FROM Project_Information").toText(), "O`Brien`s");
    EXPECT_EQ(view.wallRows[0][1], "O'Brien's");
}

TEST_F(ProjectFileTest, CarriageReturnsInValuesOpenSaveAndOpenTheSame)
{
    // A file whose wall name and customer name hold a carriage return that
    // ends no line: it opens, it saves, and the saved file opens the same.
    buildSampleProject();
    const QString first = filePath("first.dvwp");
    SaveProjectFile(first);
    QByteArray bytes = readFile(first);
    bytes.replace("Customer Name =   O'Neil", "Customer Name = O\rNeil");
    bytes.replace(",Gable_ east,", ",Gable\r east,");
    writeFile(first, bytes);
    OpenProjectFile(first);
    EXPECT_EQ(view.builder, QStringLiteral("O\rNeil, Sons & Co = builders"));
    EXPECT_EQ(scalar("SELECT WallName FROM Project_Information WHERE ID = 2").toText(), QStringLiteral("Gable\r east"));
    const std::string opened = projectTables();

    view.project = QStringLiteral("ends in a return\r");
    const QString second = filePath("second.dvwp");
    SaveProjectFile(second);
    OpenProjectFile(second);
    EXPECT_EQ(projectTables(), opened);
    EXPECT_EQ(view.builder, QStringLiteral("O\rNeil, Sons & Co = builders"));
    EXPECT_EQ(view.project, QStringLiteral("ends in a return\r"));
}

TEST_F(ProjectFileTest, ASaveRemovesTheCutOffCopiesOfAnEarlierSave)
{
    buildSampleProject();
    const QString path = filePath("barn.dvwp");
    writeFile(filePath("barn.dvwp.Ab12Cd"), "half a file");
    writeFile(filePath("barn.dvwp.notes"), "the user's own");
    writeFile(filePath("barn.dvwp.Ab12Cde"), "the user's own");
    writeFile(filePath("other.dvwp.Ab12Cd"), "another project's");
    SaveProjectFile(path);
    EXPECT_FALSE(QFileInfo::exists(filePath("barn.dvwp.Ab12Cd")));
    for (const char* kept : {"barn.dvwp.notes", "barn.dvwp.Ab12Cde", "other.dvwp.Ab12Cd", "barn.dvwp"})
        EXPECT_TRUE(QFileInfo::exists(filePath(QLatin1String(kept)))) << kept;
}
