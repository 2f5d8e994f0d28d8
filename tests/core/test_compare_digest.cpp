// A whole Compare on the benchmark project must give the same material
// list, member totals, validation rows and comparison from build to build:
// the digests below were taken from a build whose results were checked, and
// any change to them is a change in what the program tells the user.
#include "bench/bench_project.h"
#include "engine/calculate.h"
#include "tests/test_support.h"

#include <QCryptographicHash>
#include <string>

using dvtest::DbTest;

namespace {

class CompareDigest : public DbTest {
protected:
    void addRows(QString& out, const QString& sql)
    {
        dv::Recordset rs = dv::DbConnection.query(sql);
        for (; !rs.eof(); rs.moveNext()) {
            for (int i = 0; i < rs.fieldCount(); ++i)
                out += rs.field(i).toText() + QLatin1Char('|');
            out += QLatin1Char('\n');
        }
    }

    // Everything a Compare leaves for the user, as one text.
    QString resultText()
    {
        QString out;
        addRows(out, QStringLiteral("SELECT * FROM Material_List ORDER BY rowid"));
        addRows(out, QStringLiteral("SELECT * FROM Project_Information ORDER BY rowid"));
        addRows(out, QStringLiteral("SELECT * FROM Validation_Information ORDER BY rowid"));
        for (const QStringList& row : view.comparisonRows)
            out += row.join(QLatin1Char('|')) + QLatin1Char('\n');
        return out;
    }

    std::string digestOfCompare()
    {
        dv::RunCompare();
        const QString text = resultText();
        EXPECT_GT(count(QStringLiteral("Material_List")), 0);
        return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex().toStdString();
    }
};

TEST_F(CompareDigest, BenchmarkProject)
{
    dvbench::BuildProject(24);
    EXPECT_EQ(digestOfCompare(), "8914837dbd3a6c52bf6b31e4dd5dfe2071bb7a3a380033ceea990858b85b9c26");
    EXPECT_EQ(count(QStringLiteral("Validation_Information")), 0);
}

// The same walls with wide and two-header openings, columns too narrow to
// build and wind of 120 mph: members left without a product, plates under
// narrow headers and the wind's own exposure all reach the results.
TEST_F(CompareDigest, BenchmarkProjectWithUnsolvedMembers)
{
    dvbench::BuildProject(24);
    exec(QStringLiteral("UPDATE Header_Information SET ROWidth = '11.5', NumHeaders = '2' "
                        "WHERE ROID = 'Rough Opening 3' AND WallID % 3 = 1"));
    exec(QStringLiteral("UPDATE Header_Information SET ROWidth = '24', NumHeaders = '3' "
                        "WHERE ROID = 'Rough Opening 4' AND WallID % 4 = 2"));
    exec(QStringLiteral("UPDATE Column_Information SET MaxWidth = '0.4' WHERE WallID % 5 = 0"));
    exec(QStringLiteral("UPDATE Column_Information SET ColumnHeight = '**Removed**' WHERE WallID = 7 AND ColumnID = 'Column 2'"));
    exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = 120"));
    dv::RefreshWallSystemGrid();
    EXPECT_EQ(digestOfCompare(), "42698bf646e6912b3d678940dfaa98b7de21982d88999c1038f2a1a535b8d472");
    EXPECT_GT(count(QStringLiteral("Validation_Information")), 0);
    // A second Compare gives the same results again.
    EXPECT_EQ(digestOfCompare(), digestOfCompare());
}

// Stud choices under stress: the sawn stud and the LSL priced alike (equal
// totals at eave and gable walls), a sawn height limit that drops the tall
// gable locations, gable ends with a centre stretch, and walls whose roof is
// too heavy for any wall stud, so that their corners are searched for.
TEST_F(CompareDigest, BenchmarkProjectWithStudTies)
{
    dvbench::BuildProject(24);
    exec(QStringLiteral("UPDATE Product_Pricing SET Product4 = Product1, Product5 = Product2"));
    exec(QStringLiteral("UPDATE Customer_Profiles SET MaxStudHeightGableSL = 12"));
    exec(QStringLiteral("UPDATE General_Information SET DTFH = 6 WHERE WallType = 'GABLE' AND WallID % 2 = 0"));
    exec(QStringLiteral("UPDATE General_Information SET RoofLoadingID = 23 WHERE WallID % 7 = 3"));
    dv::RefreshWallSystemGrid();
    EXPECT_EQ(digestOfCompare(), "efa3a882b29cca8a8905dbec1ad4e7c6b56b5c1fccd470a9e45ede5d49629aa0");
    EXPECT_GT(count(QStringLiteral("Validation_Information")), 0);
}

}  // namespace
