// Column and header sizing on the delivered database: design loads, the
// capacity queries, candidates, the choice of the cheapest one, the material
// rows and the member totals. Expected values are worked out by hand from the
// delivered reference rows (Cedar Siding: deflection limits 180; Missouri:
// roof loads 30 + 15 psf; 90 mph, exposure B: 15.81 psf at 10 sq ft falling
// 0.037 per sq ft; prices of profile 1).
#include "engine/calculate.h"
#include "engine/candidates.h"
#include "engine/columns.h"
#include "engine/headers.h"
#include "platform/app_error.h"
#include "platform/numbers.h"
#include "core/app_state.h"
#include "tests/test_support.h"

#include <functional>

using namespace dv;

namespace {

class SizingTest : public dvtest::DbTest {
protected:
    void markForCalculation(int wallID, const QString& name, const QString& complete = QStringLiteral("Yes"))
    {
        view.wallRows.push_back({QString::number(wallID), name, complete});
    }
    Money money(const QString& sql) { return scalar(sql).toMoney(); }
    double number(const QString& sql) { return scalar(sql).toDouble(); }
    QString text(const QString& sql) { return scalar(sql).toText(); }
    static Money m(const char* s) { return Money::fromText(QString::fromLatin1(s)); }

    long errorNumberOf(const std::function<void()>& fn)
    {
        try {
            fn();
        } catch (const AppError& e) {
            lastError = e.description();
            return e.number();
        }
        return 0;
    }
    QString lastError;

    // The steps run inside the Compare command's one transaction.
    static void calculate(void (*step)())
    {
        Transaction t(DbConnection);
        step();
        t.commit();
    }

    // An eave wall with three 10.375 ft columns around two openings:
    //   Column 1 | Rough Opening 1, 6 ft | Column 2 | Rough Opening 2, 4 ft | Column 3
    // Column 1 and 2 may be 0.5 ft wide, Column 3 2 ft.
    void threeColumnsAroundTwoOpenings()
    {
        addEaveWall(1, QStringLiteral("North"), 10, 30, 24);
        addColumn(1, 1, QStringLiteral("10.375"), QStringLiteral("0.5"));
        addColumn(1, 2, QStringLiteral("10.375"), QStringLiteral("0.5"));
        addColumn(1, 3, QStringLiteral("10.375"), QStringLiteral("2"));
        addOpening(1, 1, QStringLiteral("6"), QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("Column 1"),
                   QStringLiteral("Column 2"));
        addOpening(1, 2, QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("Column 2"),
                   QStringLiteral("Column 3"));
        markForCalculation(1, QStringLiteral("North"));
    }

    // A gable wall (12 in 12) with one 6 ft opening, 4 ft high, under two headers.
    void gableWallWithTwoHeaders()
    {
        addGableWall(2, QStringLiteral("Gable End"), 10, 20, 20, 12, 0);
        addOpening(2, 1, QStringLiteral("6"), QStringLiteral("4"), QStringLiteral("2"));
        markForCalculation(2, QStringLiteral("Gable End"));
    }
};

// 10.375 ft columns: L = 10, wind area 100 / 3 (Small): 15.81 - 0.037 x 23.333.
constexpr double kColumnPSF = 15.81 - 0.037 * (100.0 / 3.0 - 10.0);

}  // namespace

// ------------------------------------------------------------------ columns

TEST_F(SizingTest, ColumnsTakeTheirTributaryWidthsFromTheOpeningsBesideThem)
{
    threeColumnsAroundTwoOpenings();
    calculate(CalculateColumns);
    // Column 1: 6 ft opening at side A, nothing at side B (2 x 1.0): 3 + 1 + 1.
    // Column 2: 4 ft at side A, 6 ft at side B: 2 + 3 + 1.
    // Column 3: 4 ft at side B, nothing at side A: 1 + 2 + 1.
    // The chosen column's row carries it in StudSpacing, at every width.
    const char* expected[] = {"5", "6", "4"};
    for (int n = 1; n <= 3; ++n) {
        const QString where = QStringLiteral(" FROM Material_List WHERE MemberType = 'Column' AND MemberName = 'Column %1'").arg(n);
        EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberName = 'Column %1'").arg(n)), 3) << n;
        EXPECT_EQ(text(QStringLiteral("SELECT MIN(StudSpacing)") + where), QLatin1String(expected[n - 1])) << n;
        EXPECT_EQ(text(QStringLiteral("SELECT MAX(StudSpacing)") + where), QLatin1String(expected[n - 1])) << n;
        // 10.375 ft gives L = 10.0, and 10.5 rounds to the even 10.
        EXPECT_EQ(number(QStringLiteral("SELECT MAX(PieceLength)") + where), 10) << n;
    }
}

TEST_F(SizingTest, TheWidthFilterDropsColumnsWiderThanTheRoomLeftBesideTheTrimmers)
{
    // Axial line load 45 x 24 / 2 = 540 lb/ft; every side load here is below
    // 2283 lb, so one trimmer per opening side (0.125 ft). With the LVL out
    // of stock only the 1-ply PSL (3.5 in, 0.2917 ft) is left at 2x6:
    // Column 1 beside one trimmer needs 0.4167 ft, Column 2 between two 0.5417 ft.
    threeColumnsAroundTwoOpenings();
    exec(QStringLiteral("UPDATE Product_Inventory SET Product7 = 0 WHERE CustomerProfileID = 1"));
    const QString psl = QStringLiteral("WallWidth = 6 AND ProductID = 13 AND MemberName = 'Column %1'");
    struct Case { const char* maxWidth; int fits1, fits2; };
    for (const Case& c : {Case{"0.41", 0, 0}, Case{"0.42", 1, 0}, Case{"0.54", 1, 0}, Case{"0.55", 1, 1}}) {
        exec(QStringLiteral("UPDATE Column_Information SET MaxWidth = '%1' WHERE ColumnID <> 'Column 3'").arg(QLatin1String(c.maxWidth)));
        exec(QStringLiteral("DELETE FROM Material_List"));
        calculate(CalculateColumns);
        EXPECT_EQ(count(QStringLiteral("Material_List"), psl.arg(1)), c.fits1) << c.maxWidth;
        EXPECT_EQ(count(QStringLiteral("Material_List"), psl.arg(2)), c.fits2) << c.maxWidth;
    }
}

TEST_F(SizingTest, TheCheapestColumnIsWrittenWithItsTotals)
{
    threeColumnsAroundTwoOpenings();
    calculate(CalculateColumns);
    // The 1-ply LVL wins at every width: 10 ft x 3.1, 4.05 and 5.1.
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Column'")), 9);
    const QString c2 = QStringLiteral(" FROM Material_List WHERE MemberType = 'Column' AND WallWidth = 6 AND MemberName = 'Column 2'");
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + c2), 7);
    EXPECT_EQ(text(QStringLiteral("SELECT ProductName") + c2), QStringLiteral("1.75\" x 5.5\" 2.0E LVL"));
    EXPECT_EQ(text(QStringLiteral("SELECT WallName") + c2), QStringLiteral("North"));
    EXPECT_EQ(number(QStringLiteral("SELECT QtyPieces") + c2), 1);
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + c2), 10);
    EXPECT_EQ(number(QStringLiteral("SELECT LinealFeet") + c2), 10);
    EXPECT_EQ(money(QStringLiteral("SELECT LFPrice") + c2), m("3.1"));
    EXPECT_EQ(money(QStringLiteral("SELECT TotalPrice") + c2), m("31"));
    EXPECT_EQ(text(QStringLiteral("SELECT StudSpacing") + c2), QStringLiteral("6"));
    EXPECT_EQ(money(QStringLiteral("SELECT \"6Columns\" FROM Project_Information WHERE ID = 1")), m("93"));
    EXPECT_EQ(money(QStringLiteral("SELECT \"8Columns\" FROM Project_Information WHERE ID = 1")), m("121.5"));
    EXPECT_EQ(money(QStringLiteral("SELECT \"10Columns\" FROM Project_Information WHERE ID = 1")), m("153"));
}

TEST_F(SizingTest, WithoutTheNarrowProductTheMiddleColumnFindsNothingAt2x6)
{
    threeColumnsAroundTwoOpenings();
    exec(QStringLiteral("UPDATE Product_Inventory SET Product7 = 0 WHERE CustomerProfileID = 1"));
    calculate(CalculateColumns);
    // The 1-ply PSL (0.2917 ft) fits beside one trimmer but not beside two.
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("WallWidth = 6 AND MemberName = 'Column 2'")), 0);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("WallWidth = 6 AND ProductID = 13")), 2);
    EXPECT_EQ(money(QStringLiteral("SELECT \"6Columns\" FROM Project_Information WHERE ID = 1")), m("128"));
}

TEST_F(SizingTest, MultiPlyColumnsArePricedPerPly)
{
    // Only the PSL stocked; a 16.375 ft column beside a 20 ft opening:
    // L = 16, area 256 / 3 (Large): 14.33 - 0.0148 x 35.33 psf on 1 + 10 + 1 ft
    // is about 166 plf, beyond one ply at 16 ft (90) and within two (180).
    addEaveWall(1, QStringLiteral("North"), 10, 30, 24);
    addColumn(1, 1, QStringLiteral("16.375"), QStringLiteral("3"));
    addOpening(1, 1, QStringLiteral("20"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"));
    markForCalculation(1, QStringLiteral("North"));
    exec(QStringLiteral("UPDATE Product_Inventory SET Product7 = 0 WHERE CustomerProfileID = 1"));
    calculate(CalculateColumns);
    const QString w6 = QStringLiteral(" FROM Material_List WHERE MemberType = 'Column' AND WallWidth = 6");
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + w6), 13);
    EXPECT_EQ(number(QStringLiteral("SELECT QtyPieces") + w6), 2);
    // 16.5 rounds to the even 16.
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + w6), 16);
    EXPECT_EQ(number(QStringLiteral("SELECT LinealFeet") + w6), 32);
    // The price per foot is already that of both plies, so LinealFeet x LFPrice is not the total.
    EXPECT_EQ(money(QStringLiteral("SELECT LFPrice") + w6), m("12.8"));
    EXPECT_EQ(money(QStringLiteral("SELECT TotalPrice") + w6), m("204.8"));
}

TEST(CheapestByMember, TheLowestTotalWinsAndAmongEqualTotalsTheLastOffered)
{
    const auto m = [](const char* t) { return Money::fromText(QString::fromLatin1(t)); };
    CheapestByMember<std::pair<int, int>, int> best;
    best.offer({1, 6}, m("64"), 13);
    best.offer({1, 6}, m("64"), 7);
    best.offer({1, 6}, m("70"), 14);
    best.offer({1, 8}, m("1"), 8);
    best.offer({1, 8}, m("1.0001"), 9);
    best.offer({1, 10}, m("5"), 9);
    best.offer({1, 10}, m("4.9999"), 15);
    EXPECT_EQ(*best.find({1, 6}), 7);
    EXPECT_EQ(*best.find({1, 8}), 8);
    EXPECT_EQ(*best.find({1, 10}), 15);
    EXPECT_EQ(best.find({2, 6}), nullptr);
}

TEST_F(SizingTest, CapacityTestsCompareAsTheDatabaseDoes)
{
    // Capacity fields as stored: Null, text in a number field, whole and
    // fractional numbers; each test must agree with the database's own.
    exec(QStringLiteral("CREATE TEMP TABLE Capacity (Number DOUBLE, Small SMALLINT)"));
    exec(QStringLiteral("INSERT INTO Capacity VALUES (NULL, NULL), ('abc', 'abc'), (5, 5), (5.5, 6), (-1, -1), (120, 120)"));
    for (const char* field : {"Number", "Small"}) {
        Recordset rs = DbConnection.query(QStringLiteral("SELECT %1, rowid FROM Capacity ORDER BY rowid").arg(QLatin1String(field)));
        for (; !rs.eof(); rs.moveNext()) {
            const CapacityField f(rs.field(0));
            for (double bound : {-3.0, 5.0, 5.25, 6.0, 200.0}) {
                const auto sql = [&](const char* op) {
                    return scalar(QStringLiteral("SELECT COALESCE(%1 %2 %3, 0) <> 0 FROM Capacity WHERE rowid = %4")
                                      .arg(QLatin1String(field), QLatin1String(op), sqlNumber(bound), rs.field(1).toText()))
                               .toInt32() != 0;
                };
                const std::string what = std::string(field) + " row " + rs.field(1).toText().toStdString() + " bound " + std::to_string(bound);
                EXPECT_EQ(fieldAtLeast(f, bound), sql(">=")) << what;
                EXPECT_EQ(fieldAtMost(f, bound), sql("<=")) << what;
                EXPECT_EQ(fieldEquals(f, bound), sql("=")) << what;
            }
        }
    }
}

TEST_F(SizingTest, EqualPricedColumnsGoToTheProductListedLast)
{
    // The 1-ply PSL priced as the 1-ply LVL: both cost 31 at 2x6, and the PSL
    // comes later in the product list, so it wins wherever it fits.
    threeColumnsAroundTwoOpenings();
    exec(QStringLiteral("UPDATE Product_Pricing SET Product13 = 3.1 WHERE CustomerProfileID = 1"));
    calculate(CalculateColumns);
    const QString w6 = QStringLiteral("SELECT ProductID FROM Material_List WHERE WallWidth = 6 AND MemberName = 'Column %1'");
    EXPECT_EQ(number(w6.arg(1)), 13);
    EXPECT_EQ(number(w6.arg(2)), 7);  // 0.25 ft leaves room for the LVL only
    EXPECT_EQ(number(w6.arg(3)), 13);
    EXPECT_EQ(money(QStringLiteral("SELECT \"6Columns\" FROM Project_Information WHERE ID = 1")), m("93"));
}

TEST_F(SizingTest, AColumnTooTallFindsNoProductAndLeavesTheTotal)
{
    addEaveWall(1, QStringLiteral("North"), 10, 30, 24);
    addColumn(1, 1, QStringLiteral("40"), QStringLiteral("2"));
    markForCalculation(1, QStringLiteral("North"));
    exec(QStringLiteral("UPDATE Project_Information SET \"6Columns\" = 7 WHERE ID = 1"));
    calculate(CalculateColumns);
    EXPECT_EQ(count(QStringLiteral("Material_List")), 0);
    EXPECT_EQ(money(QStringLiteral("SELECT \"6Columns\" FROM Project_Information WHERE ID = 1")), m("7"));
}

TEST_F(SizingTest, BearingMembersByTheSideLoad)
{
    EXPECT_EQ(BearingMembersFor(0), 1);
    EXPECT_EQ(BearingMembersFor(2000), 1);
    EXPECT_EQ(BearingMembersFor(2283), 1);
    EXPECT_EQ(BearingMembersFor(2400), 2);
    EXPECT_EQ(BearingMembersFor(4567), 2);
    EXPECT_EQ(BearingMembersFor(6851), 3);
    EXPECT_EQ(BearingMembersFor(6851.5), 0);
}

TEST_F(SizingTest, ASideLoadBeyondThreeMembersDropsTheCandidates)
{
    // 540 lb/ft: a 25 ft opening gives 6750 lb (three members, 0.375 ft), a
    // 26 ft opening 7020 lb, more than three members carry.
    addEaveWall(1, QStringLiteral("North"), 10, 60, 24);
    addColumn(1, 1, QStringLiteral("10.375"), QStringLiteral("2"));
    addColumn(1, 2, QStringLiteral("10.375"), QStringLiteral("2"));
    addOpening(1, 1, QStringLiteral("25"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"));
    addOpening(1, 2, QStringLiteral("26"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 2"));
    markForCalculation(1, QStringLiteral("North"));
    calculate(CalculateColumns);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberName = 'Column 1'")), 3);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberName = 'Column 2'")), 0);
}

TEST_F(SizingTest, SpacingFactorAndWindSpeedComeFromTheProfile)
{
    // 16-inch spacing only, 110 mph: a column beside one 6 ft opening carries
    // 0.6667 + 3 + 1 ft, and exposure C applies whatever the wall says (the
    // wind table has no 110 mph row for exposure D here).
    exec(QStringLiteral("UPDATE Customer_Profiles SET Spacing24oc = 0, Spacing16oc = 1, Spacing12oc = 1, WindSpeed = 110"));
    exec(QStringLiteral("DELETE FROM Wind_Table WHERE WindSpeed = 110 AND Exposure = 'D'"));
    addEaveWall(1, QStringLiteral("North"), 10, 30, 24, QStringLiteral("EXPOSURE D"));
    addColumn(1, 1, QStringLiteral("12.375"), QStringLiteral("2"));
    addColumn(1, 2, QStringLiteral("10.375"), QStringLiteral("2"));
    addOpening(1, 1, QStringLiteral("6"), QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("Column 1"));
    markForCalculation(1, QStringLiteral("North"));
    calculate(CalculateColumns);
    const QString c1 = QStringLiteral(" FROM Material_List WHERE WallWidth = 6 AND MemberName = 'Column 1'");
    EXPECT_EQ(text(QStringLiteral("SELECT StudSpacing") + c1), QStringLiteral("4.6667"));
    // L = 12, area 48: 33.1 - 0.0775 x 38 = 30.155 psf, 140.7 plf: more than
    // one LVL ply carries at 12 ft (118), so two plies (6.2 per ft) win.
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + c1), 7);
    EXPECT_EQ(number(QStringLiteral("SELECT QtyPieces") + c1), 2);
    EXPECT_EQ(money(QStringLiteral("SELECT TotalPrice") + c1), m("74.4"));
    // No opening at all: 2 x 0.6667 + 1.
    const QString c2 = QStringLiteral("SELECT StudSpacing FROM Material_List WHERE WallWidth = 6 AND MemberName = 'Column 2'");
    EXPECT_EQ(text(c2), QStringLiteral("2.3334"));

    // None of the three spacings: factor 0, a lone column carries 1 ft.
    exec(QStringLiteral("UPDATE Customer_Profiles SET Spacing16oc = NULL, Spacing12oc = 0"));
    exec(QStringLiteral("DELETE FROM Material_List"));
    calculate(CalculateColumns);
    EXPECT_EQ(text(c2), QStringLiteral("1"));
}

TEST_F(SizingTest, RemovedColumnsAndWallsNotMarkedGetNothing)
{
    threeColumnsAroundTwoOpenings();
    exec(QStringLiteral("UPDATE Column_Information SET ColumnHeight = '**Removed**', MaxWidth = 'NA' WHERE ColumnID = 'Column 3'"));
    addEaveWall(5, QStringLiteral("South"), 10, 30, 24);
    addColumn(5, 1, QStringLiteral("10.375"), QStringLiteral("2"));
    markForCalculation(5, QStringLiteral("South"), QStringLiteral("No"));
    exec(QStringLiteral("UPDATE Project_Information SET \"6Columns\" = 9 WHERE ID = 5"));
    calculate(CalculateColumns);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberName = 'Column 3' OR WallID = 5")), 0);
    EXPECT_EQ(money(QStringLiteral("SELECT \"6Columns\" FROM Project_Information WHERE ID = 5")), m("9"));
    EXPECT_EQ(money(QStringLiteral("SELECT \"6Columns\" FROM Project_Information WHERE ID = 1")), m("62"));
}

TEST_F(SizingTest, ColumnErrorsStopTheStepWithAClearNumber)
{
    threeColumnsAroundTwoOpenings();
    exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = 95"));
    EXPECT_EQ(errorNumberOf([] { calculate(CalculateColumns); }), err::MissingWindRow);

    exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = 90"));
    exec(QStringLiteral("UPDATE Product_Pricing SET Product13 = NULL WHERE CustomerProfileID = 1"));
    EXPECT_EQ(errorNumberOf([] { calculate(CalculateColumns); }), err::NoProductPricing);
    EXPECT_EQ(lastError, QStringLiteral("No Product Pricing Found"));

    // An unstocked product needs no price.
    exec(QStringLiteral("UPDATE Product_Inventory SET Product13 = 0 WHERE CustomerProfileID = 1"));
    EXPECT_EQ(errorNumberOf([] { calculate(CalculateColumns); }), 0);
}

// ------------------------------------------------------------------ headers

TEST_F(SizingTest, TrimmersPerHeaderEnd)
{
    // 40 + 15 psf over a 24 ft span: 660 plf; a 6 ft opening gives R = 1980,
    // 1980 / (3.5 x 435) / 1.5 = 0.867, raised to 1.
    EXPECT_EQ(TrimmersPerEnd(true, 6, 660, 3.5), 1);
    // 12 ft: 3960 / (5.25 x 435) / 1.5 = 1.156, raised to 2.
    EXPECT_EQ(TrimmersPerEnd(true, 12, 660, 5.25), 2);
    EXPECT_EQ(TrimmersPerEnd(false, 12, 660, 5.25), 1);
    EXPECT_THROW(TrimmersPerEnd(true, 6, 660, 0), AppError);
}

TEST_F(SizingTest, AGableTopHeaderIsMeasuredAlongTheRakeAndTheBottomHeaderStraight)
{
    gableWallWithTwoHeaders();
    calculate(CalculateHeaders);
    // Top: 45 x 3 = 135 plf, one trimmer per end; Bottom: 100 plf, one.
    const QString top = QStringLiteral(" FROM Material_List WHERE WallWidth = 6 AND MemberName = 'Header 1, ID# 1 (Top)'");
    const QString bottom = QStringLiteral(" FROM Material_List WHERE WallWidth = 6 AND MemberName = 'Header 1, ID# 2 (Bottom)'");
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + top), 16);
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + bottom), 16);
    EXPECT_EQ(text(QStringLiteral("SELECT StudSpacing") + top), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("SELECT StudSpacing") + bottom), QStringLiteral("1"));
    // Run 6 + 2 x 0.125 = 6.25. Top: 6.25 x sqrt(2) + 12 x 9.25 / 144 = 9.61, raised to 10.
    // Bottom: 6.25 raised to 7.
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + top), 10);
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + bottom), 7);
    // The 2x6-wide header fills a 2x6 wall: no plates.
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Plate' AND WallWidth = 6")), 0);

    // With only the 16 in deep header in stock: 8.84 + 1.33 = 10.17, raised to 11.
    exec(QStringLiteral("UPDATE Product_Inventory SET Product16 = 0, Product17 = 0 WHERE CustomerProfileID = 1"));
    exec(QStringLiteral("DELETE FROM Material_List"));
    calculate(CalculateHeaders);
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + top), 18);
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + top), 11);
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + bottom), 7);
}

TEST_F(SizingTest, A2x6HeaderWinningIn2x8And2x10WallsBringsItsPlates)
{
    gableWallWithTwoHeaders();
    calculate(CalculateHeaders);
    // Top 10 ft, Bottom 7 ft of product 16 (6.2 per ft) win at every width:
    //   2x8: plates 2.4 x 20 = 48 (top), 2.4 x 14 = 33.6 (bottom) beat product 19 (11.6 x 10, 11.6 x 7);
    //   2x10: plates 3.05 x 20 = 61, 3.05 x 14 = 42.7 beat product 21 (13.5 x 10, 13.5 x 7).
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Header'")), 6);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Header' AND ProductID <> 16")), 0);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Plate' AND WallWidth = 6")), 0);

    const QString topHeader = QStringLiteral(" FROM Material_List WHERE MemberType = 'Header' AND WallWidth = 8 AND MemberName = 'Header 1, ID# 1 (Top)'");
    EXPECT_EQ(text(QStringLiteral("SELECT ProductName") + topHeader), QStringLiteral("5.25\" x 9.25\" 2.0E PSL Header"));
    EXPECT_EQ(number(QStringLiteral("SELECT QtyPieces") + topHeader), 1);
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + topHeader), 10);
    EXPECT_EQ(number(QStringLiteral("SELECT LinealFeet") + topHeader), 10);
    EXPECT_EQ(money(QStringLiteral("SELECT LFPrice") + topHeader), m("6.2"));
    EXPECT_EQ(money(QStringLiteral("SELECT TotalPrice") + topHeader), m("62"));
    EXPECT_EQ(text(QStringLiteral("SELECT StudSpacing") + topHeader), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("SELECT WallName") + topHeader), QStringLiteral("Gable End"));

    const QString topPlates = QStringLiteral(" FROM Material_List WHERE MemberType = 'Plate' AND WallWidth = 8 AND MemberName = 'Header 1, ID# 1 (Plates)'");
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + topPlates), 11);
    EXPECT_EQ(text(QStringLiteral("SELECT ProductName") + topPlates), QStringLiteral("1.5\" x 7.25\" 1.3E LSL Framing"));
    EXPECT_EQ(number(QStringLiteral("SELECT QtyPieces") + topPlates), 2);
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + topPlates), 10);
    EXPECT_EQ(number(QStringLiteral("SELECT LinealFeet") + topPlates), 20);
    EXPECT_EQ(money(QStringLiteral("SELECT LFPrice") + topPlates), m("4.8"));
    EXPECT_EQ(money(QStringLiteral("SELECT TotalPrice") + topPlates), m("48"));
    EXPECT_EQ(text(QStringLiteral("SELECT StudSpacing") + topPlates), QStringLiteral("Header Plates"));

    const QString bottomPlates10 = QStringLiteral(" FROM Material_List WHERE MemberType = 'Plate' AND WallWidth = 10 AND MemberName = 'Header 1, ID# 2 (Plates)'");
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + bottomPlates10), 12);
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + bottomPlates10), 7);
    EXPECT_EQ(number(QStringLiteral("SELECT LinealFeet") + bottomPlates10), 14);
    EXPECT_EQ(money(QStringLiteral("SELECT LFPrice") + bottomPlates10), m("6.1"));
    EXPECT_EQ(money(QStringLiteral("SELECT TotalPrice") + bottomPlates10), m("42.7"));
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberName = 'Header 1, ID# 2 (Bottom)'")), 3);

    // Header totals leave the plates out: 62 + 43.4 at every width.
    for (const char* f : {"6Headers", "8Headers", "10Headers"})
        EXPECT_EQ(money(QStringLiteral("SELECT \"%1\" FROM Project_Information WHERE ID = 2").arg(QLatin1String(f))), m("105.4")) << f;
    // The header-plate totals belong to the plate step.
    EXPECT_EQ(money(QStringLiteral("SELECT \"8HeaderPlates\" FROM Project_Information WHERE ID = 2")), m("0"));
}

TEST_F(SizingTest, EaveHeadersAreStraightAndRoundHalvesToEven)
{
    // 5.75 ft with one trimmer per end: run 6.0, Round(6.5) = 6.
    addEaveWall(1, QStringLiteral("North"), 10, 30, 24);
    addOpening(1, 1, QStringLiteral("5.75"), QStringLiteral("4"), QStringLiteral("1"));
    markForCalculation(1, QStringLiteral("North"));
    calculate(CalculateHeaders);
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength FROM Material_List WHERE WallWidth = 6 AND MemberType = 'Header'")), 6);
}

TEST_F(SizingTest, EqualPricedHeadersGoToTheProductListedLast)
{
    // The 11.875 in PSL priced as the 9.25 in one: at 2x6 the top header is
    // 10 ft and the bottom one 7 ft either way, and the deeper header comes
    // later in the list.
    gableWallWithTwoHeaders();
    exec(QStringLiteral("UPDATE Product_Pricing SET Product17 = 6.2 WHERE CustomerProfileID = 1"));
    calculate(CalculateHeaders);
    const QString w6 = QStringLiteral(" FROM Material_List WHERE MemberType = 'Header' AND WallWidth = 6 AND MemberName = 'Header 1, ID# %1 (%2)'");
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + w6.arg(1).arg(QStringLiteral("Top"))), 17);
    EXPECT_EQ(number(QStringLiteral("SELECT PieceLength") + w6.arg(1).arg(QStringLiteral("Top"))), 10);
    EXPECT_EQ(number(QStringLiteral("SELECT ProductID") + w6.arg(2).arg(QStringLiteral("Bottom"))), 17);
    EXPECT_EQ(money(QStringLiteral("SELECT \"6Headers\" FROM Project_Information WHERE ID = 2")), m("105.4"));
}

TEST_F(SizingTest, AnOpeningTooWideFindsNoHeaderAndLeavesTheTotal)
{
    addEaveWall(1, QStringLiteral("North"), 10, 40, 24);
    addOpening(1, 1, QStringLiteral("26"), QStringLiteral("7"), QStringLiteral("1"));
    addOpening(1, 2, QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("0"));
    markForCalculation(1, QStringLiteral("North"));
    exec(QStringLiteral("UPDATE Project_Information SET \"6Headers\" = 5 WHERE ID = 1"));
    calculate(CalculateHeaders);
    EXPECT_EQ(count(QStringLiteral("Material_List")), 0);
    EXPECT_EQ(money(QStringLiteral("SELECT \"6Headers\" FROM Project_Information WHERE ID = 1")), m("5"));
}

TEST_F(SizingTest, RemovedOpeningsAndWallsNotMarkedGetNoHeaders)
{
    gableWallWithTwoHeaders();
    addOpening(2, 2, QStringLiteral("**Removed**"), QStringLiteral("NA"), QStringLiteral("NA"));
    addEaveWall(3, QStringLiteral("East"), 10, 30, 24);
    addOpening(3, 1, QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("1"));
    markForCalculation(3, QStringLiteral("East"), QStringLiteral("No"));
    calculate(CalculateHeaders);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberName LIKE 'Header 2,%'")), 0);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("WallID = 3")), 0);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Header'")), 6);
}

TEST_F(SizingTest, ThePlateProductMustBeExactlyOne)
{
    gableWallWithTwoHeaders();
    exec(QStringLiteral("UPDATE Products SET UseForPlates = -1 WHERE ProductID = 16"));
    EXPECT_EQ(errorNumberOf([] { calculate(CalculateHeaders); }), err::ListNotSingle);
    exec(QStringLiteral("UPDATE Products SET UseForPlates = 0 WHERE ProductID IN (10, 16)"));
    EXPECT_EQ(errorNumberOf([] { calculate(CalculateHeaders); }), err::ListNotSingle);
    EXPECT_TRUE(lastError.contains(QStringLiteral("2 x 6"))) << lastError.toStdString();
}

TEST_F(SizingTest, HeaderPricingAndWindErrors)
{
    gableWallWithTwoHeaders();
    exec(QStringLiteral("UPDATE Product_Pricing SET Product17 = NULL WHERE CustomerProfileID = 1"));
    EXPECT_EQ(errorNumberOf([] { calculate(CalculateHeaders); }), err::NoProductPricing);

    // Plates that a candidate needs but that have no price stop the
    // calculation rather than borrowing the price of another width's plates.
    exec(QStringLiteral("UPDATE Product_Pricing SET Product17 = 8.1, Product11 = NULL WHERE CustomerProfileID = 1"));
    EXPECT_EQ(errorNumberOf([] { calculate(CalculateHeaders); }), err::NoProductPricing);
    exec(QStringLiteral("UPDATE Product_Pricing SET Product11 = 4.8 WHERE CustomerProfileID = 1"));

    exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = 95"));
    EXPECT_EQ(errorNumberOf([] { calculate(CalculateHeaders); }), err::MissingWindRow);
}

TEST_F(SizingTest, HeadersOfAProfileWithoutARowUse90MilesAnHour)
{
    gableWallWithTwoHeaders();
    exec(QStringLiteral("INSERT INTO Product_Inventory SELECT * FROM Product_Inventory WHERE CustomerProfileID = 1"));
    exec(QStringLiteral("UPDATE Product_Inventory SET CustomerProfileID = 4 WHERE rowid = (SELECT MAX(rowid) FROM Product_Inventory)"));
    view.profileID = 4;
    view.defaultPricing = true;
    // Only the 90 mph rows are left to find.
    exec(QStringLiteral("DELETE FROM Wind_Table WHERE WindSpeed <> 90"));
    calculate(CalculateHeaders);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Header'")), 6);
}

TEST_F(SizingTest, HeadersAtTheHighWindSpeedsUseExposureC)
{
    // 120 mph on an exposure D wall: exposure C, 39.4 - 0.0925 x 2 psf at 12 sq ft.
    exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = 120"));
    addEaveWall(1, QStringLiteral("North"), 10, 30, 24, QStringLiteral("EXPOSURE D"));
    addOpening(1, 1, QStringLiteral("6"), QStringLiteral("4"), QStringLiteral("1"));
    markForCalculation(1, QStringLiteral("North"));
    exec(QStringLiteral("DELETE FROM Wind_Table WHERE WindSpeed = 120 AND Exposure <> 'C'"));
    calculate(CalculateHeaders);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Header'")), 3);
}

TEST_F(SizingTest, WithinACompareColumnsAndHeadersAreWrittenAndAFailureLeavesNothing)
{
    threeColumnsAroundTwoOpenings();
    RunCompare();
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Column'")), 9);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Header'")), 6);

    exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = 95"));
    EXPECT_EQ(errorNumberOf([] { RunCompare(); }), err::MissingWindRow);
    // The rows of the earlier calculation are still there, untouched.
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Column'")), 9);
    EXPECT_EQ(money(QStringLiteral("SELECT \"6Columns\" FROM Project_Information WHERE ID = 1")), m("93"));
}
