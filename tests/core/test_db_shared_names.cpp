// Result sets of one prepared statement share the map of their field names,
// and field types are read from the declared types in place. These tests
// hold the lookups to what the names and types always meant.
#include "bench/bench_project.h"
#include "engine/calculate.h"
#include "tests/test_support.h"

using dv::AppError;
using dv::DbConnection;
using dv::PreparedStatement;
using dv::Recordset;
using dv::Value;
using dvtest::DbTest;

namespace {

long errorNumber(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const AppError& e) {
        return e.number();
    }
    return 0;
}

TEST_F(DbTest, CachedStatementResultSetsFindFieldsInAnyCase)
{
    const QString sql = QStringLiteral("SELECT ProductID, ProductName AS Name FROM Products WHERE ProductID = ?");
    for (int id : {1, 7, 1}) {
        PreparedStatement& st = DbConnection.cached(sql);
        st.bind(1, id);
        Recordset rs = DbConnection.query(st);
        ASSERT_FALSE(rs.eof()) << id;
        EXPECT_EQ(rs.field(QStringLiteral("ProductID")).toInt32(), id);
        EXPECT_EQ(rs.field(QStringLiteral("productid")).toInt32(), id);
        EXPECT_EQ(rs.field(QStringLiteral("NAME")).toText(), rs.field(1).toText());
        EXPECT_TRUE(rs.hasField(QStringLiteral("name")));
        EXPECT_FALSE(rs.hasField(QStringLiteral("ProductName")));  // the alias is the name
        EXPECT_EQ(errorNumber([&] { rs.field(QStringLiteral("ProductName")); }), 3265);
    }
    // A different statement keeps names of its own.
    Recordset other = DbConnection.query(QStringLiteral("SELECT ProductName FROM Products WHERE ProductID = 1"));
    EXPECT_TRUE(other.hasField(QStringLiteral("productname")));
    EXPECT_FALSE(other.hasField(QStringLiteral("Name")));
}

TEST_F(DbTest, NamesDifferingOnlyInCaseFindTheFirstField)
{
    for (int pass = 0; pass < 2; ++pass) {
        PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT ? AS a, 2 AS A"));
        st.bind(1, 1);
        Recordset rs = pass == 0 ? DbConnection.query(st) : DbConnection.query(QStringLiteral("SELECT 1 AS a, 2 AS A"));
        EXPECT_EQ(rs.field(QStringLiteral("A")).toInt32(), 1) << pass;
        EXPECT_EQ(rs.field(QStringLiteral("a")).toInt32(), 1) << pass;
    }
}

TEST_F(DbTest, ClosedResultSetsStillKnowTheirFieldNames)
{
    Recordset rs = DbConnection.query(QStringLiteral("SELECT ProductID FROM Products WHERE ProductID = 1"));
    rs.close();
    // A known name at the end of the rows, an unknown name: as before closing.
    EXPECT_EQ(errorNumber([&] { rs.field(QStringLiteral("ProductID")); }), 3021);
    EXPECT_EQ(errorNumber([&] { rs.field(QStringLiteral("Nothing")); }), 3265);
    EXPECT_TRUE(rs.hasField(QStringLiteral("productid")));

    Recordset none = DbConnection.query(QStringLiteral("SELECT ProductID FROM Products WHERE ProductID = -5"));
    EXPECT_TRUE(none.eof());
    EXPECT_EQ(errorNumber([&] { none.field(QStringLiteral("ProductID")); }), 3021);
}

TEST_F(DbTest, DeclaredTypesAreReadWhateverTheirCase)
{
    exec("CREATE TEMP TABLE Typed (a smallint, b Currency, c yesno, d Double, e text, f integer, g INTEGER(4), h BLOB)");
    exec("INSERT INTO Typed VALUES (3, 1.25, -1, 2.5, 'x', 70000, 8, 4.5)");
    for (int pass = 0; pass < 2; ++pass) {
        Recordset rs = pass == 0 ? DbConnection.query(QStringLiteral("SELECT * FROM Typed"))
                                 : DbConnection.query(DbConnection.cached(QStringLiteral("SELECT * FROM Typed")));
        ASSERT_FALSE(rs.eof());
        EXPECT_EQ(rs.field(QStringLiteral("a")).type(), Value::Type::Integer);
        EXPECT_EQ(rs.field(QStringLiteral("b")).type(), Value::Type::Currency);
        EXPECT_EQ(rs.field(QStringLiteral("c")).type(), Value::Type::YesNo);
        EXPECT_EQ(rs.field(QStringLiteral("d")).type(), Value::Type::Double);
        EXPECT_EQ(rs.field(QStringLiteral("e")).type(), Value::Type::Text);
        EXPECT_EQ(rs.field(QStringLiteral("f")).type(), Value::Type::Long);
        EXPECT_EQ(rs.field(QStringLiteral("g")).type(), Value::Type::Long);
        // An unknown declared type goes by what is stored.
        EXPECT_EQ(rs.field(QStringLiteral("h")).type(), Value::Type::Double);
        EXPECT_EQ(rs.field(QStringLiteral("b")).toMoney().raw(), 12500);
    }
}

// The statements a Compare runs grow with the walls, not with their square:
// twice the walls, about twice the statements.
TEST_F(DbTest, CompareStatementsGrowInProportionToTheWalls)
{
    dvbench::BuildProject(3);
    dv::RunCompare();  // the first run also fills the statement cache
    long long before = DbConnection.statementCount();
    dv::RunCompare();
    const long long three = DbConnection.statementCount() - before;

    for (const char* table : {"Project_Information", "General_Information", "Column_Information", "Header_Information"})
        exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    dvbench::BuildProject(6);
    before = DbConnection.statementCount();
    dv::RunCompare();
    const long long six = DbConnection.statementCount() - before;
    ASSERT_GT(three, 0);
    EXPECT_LE(static_cast<double>(six) / static_cast<double>(three), 2.2) << three << " / " << six;
    EXPECT_EQ(count("Validation_Information"), 0);
}

}  // namespace
