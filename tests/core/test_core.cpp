// Start-up, project reset, compaction, SQL literals and the wall list.
#include "core/profiles.h"
#include "core/app_state.h"
#include "core/compact.h"
#include "core/project_reset.h"
#include "core/sql_literals.h"
#include "core/startup.h"
#include "core/wall_list.h"
#include "core/wall_store.h"
#include "platform/db_password.h"
#include "tests/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace dv;
using dvtest::DbTest;

namespace {

const char* const kProjectTables[] = {"Column_Information", "Header_Information", "Project_Information",
                                      "General_Information", "Material_List", "Temp_Column_Table",
                                      "Temp_CornerStud_Table", "Temp_Gable_Table", "Temp_Header_Table",
                                      "Temp_Stud_Table", "Validation_Information"};

// A fingerprint of the reference and profile tables, to prove they survive.
QString referenceFingerprint()
{
    QString s;
    for (const char* t : {"Products", "Stud_Solutions", "Column_Solutions", "Header_Solutions", "Wind_Table",
                          "Exterior_Finish", "Report_Notes", "Roof_Loading", "Window_Manufacturer",
                          "Customer_ProfileID", "Customer_Profiles", "Product_Pricing", "Product_Inventory"}) {
        Recordset rs = DbConnection.query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(t)));
        s += QLatin1String(t) + QLatin1Char(':');
        while (!rs.eof()) {
            for (int i = 0; i < rs.fieldCount(); ++i)
                s += rs.field(i).toText() + QLatin1Char('|');
            rs.moveNext();
        }
    }
    return s;
}


}  // namespace

class CoreTest : public DbTest {
public:
    void fill()
    {
        addEaveWall(1, "North", 10, 30, 24);
        addColumn(1, 1, "10", "0.5");
        addOpening(1, 1, "4", "6", "1");
        exec("INSERT INTO Material_List (WallID, WallName, WallWidth, MemberType) VALUES (1, 'North', 6, 'Stud')");
        exec("INSERT INTO Temp_Stud_Table (WallID, WallThickness) VALUES (1, 6)");
        exec("INSERT INTO Temp_Gable_Table (ID, WallID) VALUES (1, 1)");
        exec("INSERT INTO Temp_CornerStud_Table (WallID) VALUES (1)");
        exec("INSERT INTO Temp_Column_Table (WallID) VALUES (1)");
        exec("INSERT INTO Temp_Header_Table (WallID) VALUES (1)");
        exec("INSERT INTO Validation_Information (MemberName, WallID) VALUES ('Stud', 1)");
    }
};

TEST_F(CoreTest, ResetEmptiesTheProjectAndKeepsReferenceRows)
{
    const QString before = referenceFingerprint();
    fill();
    for (const char* t : kProjectTables)
        EXPECT_GT(count(QLatin1String(t)), 0) << t;
    view.setSelectedProfile(3, "Other");
    CurrentWallID = 9;
    ResetProjectTables();
    for (const char* t : kProjectTables)
        EXPECT_EQ(count(QLatin1String(t)), 0) << t;
    EXPECT_EQ(view.profileID, 1);
    EXPECT_EQ(view.profileName, "Default");
    EXPECT_EQ(CurrentWallID, 1);
    EXPECT_EQ(referenceFingerprint(), before);
}

TEST_F(CoreTest, StartUpResetsCompactsAndReopens)
{
    fill();
    const QString before = referenceFingerprint();
    DbConnection.close();
    MemoryProjectView* created = nullptr;
    MemoryProjectView startView;
    ProjectView* v = Main(dir.path(), [&]() -> ProjectView* {
        EXPECT_TRUE(DbConnection.isOpen());  // the window's load reads the profile list
        created = &startView;
        return created;
    });
    EXPECT_EQ(v, &startView);
    EXPECT_EQ(DatabasePath, dir.path() + "/Dorvane.dat");
    ASSERT_TRUE(DbConnection.isOpen());
    for (const char* t : kProjectTables)
        EXPECT_EQ(count(QLatin1String(t)), 0) << t;
    EXPECT_EQ(referenceFingerprint(), before);
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/dbCompact.mdb"));
    setProjectView(&view);
}

TEST_F(CoreTest, StartUpWithoutADatabaseFailsBeforeAnyWindow)
{
    DbConnection.close();
    QTemporaryDir empty;
    bool windowMade = false;
    try {
        Main(empty.path(), [&]() -> ProjectView* { windowMade = true; return &view; });
        FAIL() << "started without a database";
    } catch (const AppError& e) {
        EXPECT_FALSE(e.description().isEmpty());
        EXPECT_FALSE(errorMessageText(e.number(), e.description()).isEmpty());
    }
    EXPECT_FALSE(windowMade);
}

TEST_F(CoreTest, CompactionInPlaceKeepsPasswordAndRows)
{
    fill();
    const long long walls = count("General_Information");
    DbConnection.close();
    // A temporary file left by an interrupted earlier run does not stop it.
    QFile stale(dir.path() + "/dbCompact.mdb");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("half a file");
    stale.close();
    EXPECT_TRUE(Compact("  " + dbPath + "  ", "", true));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/dbCompact.mdb"));
    QFile f(dbPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.read(16).startsWith("SQLite format 3"));
    f.close();
    OpenDatabase();
    EXPECT_EQ(count("General_Information"), walls);
}

TEST_F(CoreTest, ADestinationThatNamesTheSourceCompactsInPlace)
{
    fill();
    const long long walls = count("General_Information");
    DbConnection.close();
    const QString name = QFileInfo(dbPath).fileName();
    QFile::link(dbPath, dir.path() + "/link.dat");
    // Other spellings of the source's own path: never removed as an old
    // destination, always compacted in place.
    for (const QString& dest : {dir.path() + "/./" + name, dir.path() + "/sub/../" + name, dir.path() + "/link.dat"}) {
        QDir(dir.path()).mkdir("sub");
        EXPECT_TRUE(Compact(dbPath, dest, true)) << dest.toStdString();
        ASSERT_TRUE(QFileInfo(dbPath).isFile()) << dest.toStdString();
        OpenDatabase();
        EXPECT_EQ(count("General_Information"), walls) << dest.toStdString();
        DbConnection.close();
    }
    // A name that differs only in case is another file.
    const QString other = dir.path() + "/" + name.toUpper();
    EXPECT_TRUE(Compact(dbPath, other, true));
    EXPECT_TRUE(QFileInfo(other).isFile());
    OpenDatabase();
}

TEST_F(CoreTest, CompactionFailuresKeepTheOriginal)
{
    DbConnection.close();
    const QByteArray original = [&] { QFile f(dbPath); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    try {
        Compact(dir.path() + "/missing.dat", "", true);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), compact_err::NotFound);
        EXPECT_EQ(e.description(), "Source file '" + dir.path() + "/missing.dat' not found.");
        EXPECT_TRUE(e.source().endsWith("-->CJetDB.Compact"));
    }

    const QString other = dir.path() + "/other.dat";
    QFile::copy(dbPath, other);
    try {
        Compact(dbPath, other, false);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), compact_err::AlreadyExists);
        EXPECT_EQ(e.description(), "Destination file '" + other + "' already exists.");
    }

    // A file that is not a database of ours: the compaction fails, the file
    // stays exactly as it was and no temporary file is left.
    const QString junk = dir.path() + "/junk.dat";
    { QFile j(junk); j.open(QIODevice::WriteOnly); j.write(QByteArray(4096, 'x')); }
    EXPECT_THROW(Compact(junk, "", true), AppError);
    { QFile j(junk); j.open(QIODevice::ReadOnly); EXPECT_EQ(j.readAll(), QByteArray(4096, 'x')); }
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/dbCompact.mdb"));

    // Read-only source.
    QFile::setPermissions(dbPath, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    if (!QFileInfo(dbPath).isWritable()) {  // root may write anyway
        try {
            Compact(dbPath, "", true);
            FAIL();
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), compact_err::ReadOnly);
            EXPECT_EQ(e.description(), "Source file '" + dbPath + "' is read-only.");
        }
    }
    QFile::setPermissions(dbPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray after = [&] { QFile f(dbPath); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    EXPECT_EQ(after, original);
    OpenDatabase();
}

TEST(SqlLiterals, SQLValueRules)
{
    QString empty;
    EXPECT_EQ(SQLValue(empty, 0), "Null");

    QString name = "Bob's wall";
    EXPECT_EQ(SQLValue(name, 0), "'Bob`s wall'");
    EXPECT_EQ(name, "Bob`s wall");  // the caller's text is changed too

    QString longName(300, QLatin1Char('a'));
    EXPECT_EQ(SQLValue(longName, -1), "'" + QString(255, QLatin1Char('a')) + "'");
    EXPECT_EQ(longName.size(), 255);

    // The cut never splits a character that takes two code units.
    QString emoji = QString(254, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("bb");
    EXPECT_EQ(SQLValue(emoji, 0), "'" + QString(254, QLatin1Char('a')) + "'");
    EXPECT_EQ(emoji.size(), 254);
    emoji = QString(253, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("bb");
    SQLValue(emoji, 0);
    EXPECT_EQ(emoji, QString(253, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80"));

    const QString house = QString::fromUtf8("\xF0\x9F\x8F\xA0");
    const struct { QString text; int count; QString left; } cuts[] = {
        {"ab" + house, 3, "ab"}, {"ab" + house, 4, "ab" + house}, {"ab" + house, 9, "ab" + house},
        {house + "c", 1, ""}, {"abc", 2, "ab"}, {"abc", 0, ""}};
    for (const auto& c : cuts)
        EXPECT_EQ(LeftWhole(c.text, c.count), c.left) << c.count;

    QString number = " 42 ";
    EXPECT_EQ(SQLValue(number, 0), " 42 ");
    number = " 42 ";
    EXPECT_EQ(SQLValue(number, -1), "'42'");

    QString padded = "  East  ";
    EXPECT_EQ(SQLValue(padded, 0), "'East'");

    // Nothing a user types can end the literal early or add a second value.
    QString comma = "3,5";
    EXPECT_EQ(SQLValue(comma, 0), "'3,5'");
    QString date = "3/4";
    EXPECT_EQ(SQLValue(date, 0), "'3/4'");
    QString hostile = "x'); DROP TABLE Products; --";
    EXPECT_EQ(SQLValue(hostile, 0), "'x`); DROP TABLE Products; --'");

    EXPECT_EQ(RestoreQuotes("Bob`s `x`"), "Bob's 'x'");
    EXPECT_EQ(RestoreQuotes("plain"), "plain");

    EXPECT_EQ(CenterLabelLeft(600, 2880, 1215), -8);
    EXPECT_EQ(CenterLabelLeft(100, 0, 13), 94);
    EXPECT_EQ(CenterLabelLeft(100, 0, 15), 92);
    EXPECT_THROW(CenterLabelLeft(-32768, 0, 10), AppError);

    EXPECT_EQ(ValueAfterColon("Name: Acme"), "Acme");
    EXPECT_EQ(ValueAfterColon("no colon"), "");
    EXPECT_EQ(ValueAfterColon("Tel:123"), "23");
    EXPECT_EQ(ValueAfterColon("Name:"), "");
    // Stored names are cut the same way.
    const QString longEmoji = QString(254, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(dv::StoredProfileName(longEmoji), QString(254, QLatin1Char('a')));
}

TEST_F(CoreTest, WallListCompletenessAtTheBoundaries)
{
    const QString finish = firstFinish();
    exec("INSERT INTO Project_Information (ID, WallName) VALUES (1, 'Never saved')");
    addEaveWall(2, "Bob`s eave", 10, 30, 24);
    addEaveWall(3, "Short", 10, 1, 24);     // a length of exactly 1 fails
    addGableWall(4, "Gable", 10, 16, 30, 6, 15);
    addGableWall(5, "Flat gable", 10, 16, 30, 0, 15);
    addEaveWall(6, "lower", 10, 30, 24);
    exec("UPDATE General_Information SET WallType = 'gable' WHERE WallID = 6");  // judged as eave
    addGableWall(7, "No DTFH", 10, 16, 30, 6, 0);
    addEaveWall(8, "Null span", 10, 30, 24);
    exec("UPDATE General_Information SET TrussSpan = NULL, RidgeHeight = NULL, RoofSlope = NULL, DTFH = NULL WHERE WallID = 8");
    addEaveWall(9, "Loading 1", 10, 30, 24, "EXPOSURE B", 1);
    addEaveWall(10, "Loading 0", 10, 30, 24, "EXPOSURE B", 0);
    addEaveWall(11, "No finish", 10, 30, 24);
    exec("UPDATE General_Information SET ExteriorFinish = '' WHERE WallID = 11");
    addEaveWall(12, "Complete eave, gable fields empty", 10, 30, 24);
    exec("UPDATE General_Information SET RidgeHeight = NULL, RoofSlope = NULL, DTFH = NULL WHERE WallID = 12");

    RefreshWallSystemGrid();
    ASSERT_EQ(view.wallGridRowCount(), 12);
    const std::vector<std::pair<QString, QString>> expected = {
        {"Never saved", "No"}, {"Bob's eave", "Yes"}, {"Short", "No"}, {"Gable", "Yes"}, {"Flat gable", "No"},
        {"lower", "Yes"}, {"No DTFH", "No"}, {"Null span", "No"}, {"Loading 1", "Yes"}, {"Loading 0", "No"},
        {"No finish", "No"}, {"Complete eave, gable fields empty", "Yes"}};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(view.wallGridCell(i, 0), QString::number(i + 1));
        EXPECT_EQ(view.wallGridCell(i, 1), expected[i].first);
        EXPECT_EQ(view.wallGridCell(i, 2), expected[i].second) << expected[i].first.toStdString();
    }
    exec("UPDATE General_Information SET RoofSlope = 1 WHERE WallID = 5");
    RefreshWallSystemGrid();
    EXPECT_EQ(view.wallGridCell(4, 2), "Yes");
}

TEST_F(CoreTest, WallIDsAreNeverReused)
{
    EXPECT_EQ(NextWallID(), 1);
    addEaveWall(1, "A", 10, 30, 24);
    addEaveWall(2, "B", 10, 30, 24);
    addEaveWall(3, "C", 10, 30, 24);
    exec("DELETE FROM Project_Information WHERE ID = 2");
    exec("DELETE FROM General_Information WHERE WallID = 2");
    RefreshWallSystemGrid();
    ASSERT_EQ(view.wallGridRowCount(), 2);
    EXPECT_EQ(view.wallGridCell(1, 0), "3");
    EXPECT_EQ(NextWallID(), 4);
}

TEST_F(CoreTest, AWallNumberGivenAgainNamesANewWall)
{
    WallStore store(DbConnection);
    store.addWall(1, "A");
    store.addWall(2, "B");
    const auto a = WallStore::wallKey(1), b = WallStore::wallKey(2);
    EXPECT_NE(a, b);
    store.removeWall(2);
    store.copyWall(1, 2, "Copy of A");
    EXPECT_NE(WallStore::wallKey(2), b);
    EXPECT_EQ(WallStore::wallKey(1), a);
    // A project file's walls are read after the tables are emptied.
    ResetProjectTables();
    addEaveWall(1, "Other project", 10, 30, 24);
    EXPECT_NE(WallStore::wallKey(1), a);
}

TEST_F(CoreTest, CopyWallCopiesColumnsAndOpeningsWithMarkers)
{
    addGableWall(1, "Source", 10, 16, 30, 6, 15);
    addColumn(1, 1, "10", "0.5");
    addColumn(1, 2, "**Removed**", "NA");
    addOpening(1, 1, "4", "6.5", "2", "Column 1", "NA");
    QString name = "Kim's copy";
    QString id = "2";
    CopyWallSystem(name, 1, id);
    EXPECT_TRUE(view.messages.empty());  // empty comparison: nothing to say

    EXPECT_EQ(scalar("SELECT WallName FROM Project_Information WHERE ID = 2").toText(), "Kim`s copy");
    Recordset g = DbConnection.query("SELECT * FROM General_Information WHERE WallID = 2");
    ASSERT_FALSE(g.eof());
    EXPECT_EQ(g.field("WallType").toText(), "GABLE");
    EXPECT_DOUBLE_EQ(g.field("RidgeHeight").toDouble(), 16);
    EXPECT_DOUBLE_EQ(g.field("DTFH").toDouble(), 15);
    EXPECT_EQ(g.field("RoofSlope").toInt16(), 6);
    g.close();
    Recordset c = DbConnection.query("SELECT * FROM Column_Information WHERE WallID = 2 ORDER BY rowid");
    ASSERT_FALSE(c.eof());
    EXPECT_EQ(c.field("ColumnID").toText(), "Column 1");
    EXPECT_EQ(c.field("ColumnHeight").toText(), "10");
    c.moveNext();
    ASSERT_FALSE(c.eof());
    EXPECT_EQ(c.field("ColumnHeight").toText(), "**Removed**");
    EXPECT_EQ(c.field("MaxWidth").toText(), "NA");
    c.close();
    Recordset h = DbConnection.query("SELECT * FROM Header_Information WHERE WallID = 2");
    ASSERT_FALSE(h.eof());
    EXPECT_EQ(h.field("ROID").toText(), "Rough Opening 1");
    EXPECT_EQ(h.field("AverageROHeight").toText(), "6.5");
    EXPECT_EQ(h.field("ColIDLeft").toText(), "Column 1");
    h.close();

    // A wall saved without its gable-only fields copies as well (Null stays Null).
    addEaveWall(3, "Eave", 10, 30, 24);
    exec("UPDATE General_Information SET DTFH = NULL WHERE WallID = 3");
    view.comparisonAddRow({QStringLiteral("1"), QStringLiteral("Source"), QStringLiteral("$1.00/$0.00"), QStringLiteral("$1.00/$0.00"), QStringLiteral("$1.00/$0.00")});
    QString name2 = "Eave copy";
    QString id2 = "4";
    CopyWallSystem(name2, 3, id2);
    EXPECT_TRUE(scalar("SELECT DTFH FROM General_Information WHERE WallID = 4").isNull());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, "Reseting Results");
    EXPECT_EQ(view.messages[0].text, "You must re-calculate this project to update the comparison and estimate.  "
                                     "The comparison grid will be cleared.");
    EXPECT_EQ(view.comparisonRowCount(), 0);

    QString bad = "2; DROP TABLE Products";
    QString n3 = "x";
    EXPECT_THROW(CopyWallSystem(n3, 1, bad), AppError);
    EXPECT_GT(count("Products"), 0);
}
