// The generated project the Compare benchmark measures: it must be complete
// (every wall "Yes" in the wall list, so the calculation walks every wall),
// carry its columns and openings, solve with the delivered rows, and come out
// the same on every run. The in-memory copy must hold the delivered rows.
#include "bench/bench_project.h"
#include "engine/calculate.h"
#include "tests/test_support.h"

using dvtest::DbTest;

namespace {

class BenchProject : public DbTest {
protected:
    // Every row of the project tables as one text, for comparing two builds.
    QString projectText()
    {
        QString out;
        for (const char* table : {"General_Information", "Column_Information", "Header_Information"}) {
            dv::Recordset rs = dv::DbConnection.query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(table)));
            for (; !rs.eof(); rs.moveNext()) {
                for (int i = 0; i < rs.fieldCount(); ++i)
                    out += rs.field(i).toText() + QLatin1Char('|');
                out += QLatin1Char('\n');
            }
        }
        return out;
    }
};

TEST_F(BenchProject, EveryWallIsCompleteWithItsColumnsAndOpenings)
{
    dvbench::BuildProject(50);
    ASSERT_EQ(view.wallGridRowCount(), 50);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(view.wallGridCell(i, 0), QString::number(i + 1)) << "row " << i;
        EXPECT_EQ(view.wallGridCell(i, 2), QStringLiteral("Yes")) << "wall " << i + 1;
    }
    EXPECT_GT(count("General_Information", "WallType = 'EAVE'"), 0);
    EXPECT_GT(count("General_Information", "WallType = 'GABLE'"), 0);
    EXPECT_EQ(count("General_Information"), 50);
    // Two columns and five openings on every wall, none removed.
    EXPECT_EQ(count("Column_Information"), 50 * dvbench::kColumnsPerWall);
    EXPECT_EQ(count("Header_Information"), 50 * dvbench::kOpeningsPerWall);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM (SELECT WallID FROM Column_Information GROUP BY WallID "
                     "HAVING COUNT(*) = 2)").toInt32(), 50);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM (SELECT WallID FROM Header_Information GROUP BY WallID "
                     "HAVING COUNT(*) = 5)").toInt32(), 50);
    EXPECT_EQ(count("Column_Information", "ColumnHeight = '**Removed**'"), 0);
    // Each column stands beside an opening of its own wall, so the column
    // step has openings to carry.
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Column_Information c WHERE EXISTS (SELECT 1 FROM Header_Information h "
                     "WHERE h.WallID = c.WallID AND (h.ColIDLeft = c.ColumnID OR h.ColIDRight = c.ColumnID))").toInt32(),
              50 * dvbench::kColumnsPerWall);
    // The references name columns that exist.
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Header_Information h WHERE h.ColIDLeft <> 'NA' AND NOT EXISTS "
                     "(SELECT 1 FROM Column_Information c WHERE c.WallID = h.WallID AND c.ColumnID = h.ColIDLeft)").toInt32(), 0);
    // The openings and the columns (a foot each) leave wall to stud, so no
    // wall is passed over as having openings wider than itself.
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM General_Information g WHERE (SELECT SUM(h.ROWidth) FROM Header_Information h "
                     "WHERE h.WallID = g.WallID) + 2 >= g.WallLength").toInt32(), 0);
    // Every finish and roof loading the walls name is in the delivered rows.
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM General_Information g WHERE NOT EXISTS "
                     "(SELECT 1 FROM Exterior_Finish f WHERE f.FinishName = g.ExteriorFinish)").toInt32(), 0);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM General_Information g WHERE NOT EXISTS "
                     "(SELECT 1 FROM Roof_Loading r WHERE r.ID = g.RoofLoadingID)").toInt32(), 0);
}

TEST_F(BenchProject, SameProjectOnEveryRun)
{
    dvbench::BuildProject(20);
    const QString first = projectText();
    for (const char* table : {"Project_Information", "General_Information", "Column_Information", "Header_Information"})
        exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    dvbench::BuildProject(20);
    EXPECT_EQ(projectText(), first);
    EXPECT_EQ(view.wallGridRowCount(), 20);
}

TEST_F(BenchProject, CompareSolvesEveryMember)
{
    dvbench::BuildProject(6);
    dv::RunCompare();
    // No member of any wall and width was left without a product, and no
    // validation window was asked for.
    EXPECT_EQ(count("Validation_Information"), 0);
    EXPECT_EQ(view.validationShown, 0);
    EXPECT_FALSE(dv::DbConnection.inTransaction());
}

TEST(BenchMemoryCopy, HoldsTheDeliveredRowsAndIndexes)
{
    dvbench::OpenMemoryCopy(dvtest::deliveredDatabase());
    auto scalar = [](const char* sql) {
        dv::Recordset rs = dv::DbConnection.query(QLatin1String(sql));
        return rs.field(0).toInt32();
    };
    const int tables = scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'");
    const int indexes = scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index'");
    const int studRows = scalar("SELECT COUNT(*) FROM Stud_Solutions");
    const int profiles = scalar("SELECT COUNT(*) FROM Customer_Profiles WHERE CustomerProfileID = 1");
    dv::DbConnection.close();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dv::DbConnection.open(dvtest::copyDeliveredDatabase(dir), dv::databasePassword());
    EXPECT_EQ(tables, scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'"));
    EXPECT_EQ(indexes, scalar("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index'"));
    EXPECT_EQ(studRows, scalar("SELECT COUNT(*) FROM Stud_Solutions"));
    EXPECT_GT(studRows, 0);
    EXPECT_EQ(profiles, 1);
    dv::DbConnection.close();
}

}  // namespace
