// Stud candidates, the choice among them and the corner studs, against the
// delivered database. Profile 1 allows all three spacings at 90 mph, sawn
// lumber to 20 ft on eave walls and 24 ft on gable walls; the first finish
// ("Cedar Siding") limits deflection to H/180; roof loading 1 is 30 + 15 psf.
#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/engine_common.h"
#include "engine/studs.h"
#include "engine/validation.h"
#include "tests/test_support.h"

using namespace dv;
using dvtest::DbTest;

namespace {

Money money(double v) { return Money::fromDouble(v); }

struct StudRow {
    int productID = 0;
    QString productName;
    double qty = 0, length = 0, lf = 0;
    Money lfPrice, total;
    QString spacing, memberName;
};

std::vector<StudRow> studRows(int wallID, int width)
{
    std::vector<StudRow> rows;
    Recordset rs = DbConnection.query(QStringLiteral("SELECT * FROM Material_List WHERE WallID = %1 AND WallWidth = %2 "
                                                     "AND MemberType = 'Stud' ORDER BY rowid")
                                          .arg(wallID)
                                          .arg(width));
    for (; !rs.eof(); rs.moveNext()) {
        StudRow r;
        r.productID = rs.field(QStringLiteral("ProductID")).toInt16();
        r.productName = rs.field(QStringLiteral("ProductName")).toText();
        r.qty = rs.field(QStringLiteral("QtyPieces")).toDouble();
        r.length = rs.field(QStringLiteral("PieceLength")).toDouble();
        r.lf = rs.field(QStringLiteral("LinealFeet")).toDouble();
        r.lfPrice = rs.field(QStringLiteral("LFPrice")).toMoney();
        r.total = rs.field(QStringLiteral("TotalPrice")).toMoney();
        r.spacing = rs.field(QStringLiteral("StudSpacing")).toText();
        r.memberName = rs.field(QStringLiteral("MemberName")).toText();
        rows.push_back(r);
    }
    return rows;
}

}  // namespace

class StudTest : public DbTest {
protected:
    void complete(int id, const QString& name = QStringLiteral("Wall"))
    {
        view.wallRows.push_back({QString::number(id), name, QStringLiteral("Yes")});
    }
    Money studTotal(int wallID, int width)
    {
        return scalar(QStringLiteral("SELECT \"%1Studs\" FROM Project_Information WHERE ID = %2").arg(width).arg(wallID))
            .toMoney();
    }
    void setProfile(const QString& assignments)
    {
        exec(QStringLiteral("UPDATE Customer_Profiles SET %1 WHERE CustomerProfileID = 1").arg(assignments));
    }
    // Profile 3: a copy of profile 1 with its own prices and stock.
    void addProfile3()
    {
        for (const char* t : {"Customer_Profiles", "Product_Pricing", "Product_Inventory"}) {
            exec(QStringLiteral("CREATE TEMP TABLE cp AS SELECT * FROM %1 WHERE CustomerProfileID = 1").arg(QLatin1String(t)));
            exec(QStringLiteral("UPDATE cp SET CustomerProfileID = 3"));
            exec(QStringLiteral("INSERT INTO %1 SELECT * FROM cp").arg(QLatin1String(t)));
            exec(QStringLiteral("DROP TABLE cp"));
        }
    }
};

// ---------------------------------------------------------------- formulas

TEST(StudFormulas, GeometryAndCounts)
{
    EXPECT_EQ(ComputeStudGeometry(6, 10, 40, 1, 0, 0).interpValue, 2);  // 2.5 -> 2
    EXPECT_EQ(ComputeStudGeometry(6, 14, 40, 1, 0, 0).interpValue, 4);  // 3.5 -> 4
    EXPECT_EQ(ComputeStudGeometry(4, 10, 40, 1, 0, 0).interpValue, 1);  // 1.67 is below 2
    const StudGeometry g = ComputeStudGeometry(6, 10, 40, 2, 9, 0);
    EXPECT_DOUBLE_EQ(g.netWallLength, 29);
    EXPECT_DOUBLE_EQ(g.centerStretch, 9);
    EXPECT_DOUBLE_EQ(ComputeStudGeometry(6, 10, 40, 2, 9, 1).centerStretch, 19);  // one raking part
    EXPECT_EQ(EaveStudCount(20, 2, 0), 10);
    EXPECT_EQ(EaveStudCount(22, 2, 0), 12);  // 11.5 -> 12
    EXPECT_EQ(EaveStudCount(21, 2, 0), 11);  // 11.0 -> 11
    EXPECT_EQ(EaveStudCount(11, 2, 2), 8);   // 7.5 + 0.5 -> 8
    EXPECT_EQ(LocationStudCount(12, 3, 1.3334), 7);
    EXPECT_EQ(CenterStudCount(9, 2), 6);
    EXPECT_THROW(EaveStudCount(20, 0, 0), AppError);
    EXPECT_THROW(LocationStudCount(12, 0, 1), AppError);
}

TEST(StudFormulas, CornersAndExposure)
{
    const int expected[] = {0, 3, 6, 8, 10, 13, 16, 18, 20, 23, 26};
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(CornerStudCount(n), expected[n]) << n << " corners";
    EXPECT_EQ(StudExposureLetter("EXPOSURE D", 110), "C");
    EXPECT_EQ(StudExposureLetter("EXPOSURE D", 120), "C");
    EXPECT_EQ(StudExposureLetter("EXPOSURE D", 100), "D");
}

// ---------------------------------------------------------------- eave walls

// Eave 10 ft, 20 ft long, truss span 24: studs 9.625 ft, 10-ft pieces; axial
// 45 psf x 12 ft = 540 plf. The cheapest is the sawn stud at 24 in.: 10
// pieces; 2 corners give 6 more of the same.
TEST_F(StudTest, EaveWallHandComputed)
{
    addEaveWall(1, "North", 10, 20, 24);
    complete(1, "North");
    CalculateStudSolutions();

    const double lfPrice[] = {1.1, 1.45, 1.8};
    const int product[] = {1, 2, 3};
    for (int i = 0; i < 3; ++i) {
        const int w = kWallWidths[i];
        const auto rows = studRows(1, w);
        ASSERT_EQ(rows.size(), 2u) << w;
        EXPECT_EQ(rows[0].productID, product[i]);
        EXPECT_EQ(rows[0].qty, 10);
        EXPECT_EQ(rows[0].length, 10);
        EXPECT_EQ(rows[0].lf, 100);
        EXPECT_EQ(rows[0].lfPrice, money(lfPrice[i]));
        EXPECT_EQ(rows[0].total, money(100 * lfPrice[i]));
        EXPECT_EQ(rows[0].spacing, "2");
        EXPECT_EQ(rows[0].memberName, "");
        EXPECT_EQ(rows[1].memberName, "Corner Stud");
        EXPECT_EQ(rows[1].productID, product[i]);
        EXPECT_EQ(rows[1].productName, rows[0].productName);
        EXPECT_EQ(rows[1].qty, 6);
        EXPECT_EQ(rows[1].lf, 60);
        EXPECT_EQ(rows[1].total, money(60 * lfPrice[i]));
        EXPECT_EQ(studTotal(1, w), money(160 * lfPrice[i]));
    }
    EXPECT_EQ(studRows(1, 6)[0].productName, "1.5\" x 5.5\" SPF No.2 Stud");
    EXPECT_EQ(scalar("SELECT WallName FROM Material_List WHERE WallWidth = 8").toText(), "North");
    EXPECT_EQ(scalar("SELECT InterpValue FROM Project_Information WHERE ID = 1").toInt32(), 1);
    EXPECT_EQ(scalar("SELECT HasCenterStuds FROM Project_Information WHERE ID = 1").toText(), "Yes");

    // At 16 in. alone: 20 / 1.3334 = 14.9993, raised to 15 pieces.
    setProfile("Spacing12oc = 0, Spacing24oc = 0");
    exec("DELETE FROM Material_List");
    CalculateStudSolutions();
    EXPECT_EQ(studRows(1, 6)[0].qty, 15);
    EXPECT_EQ(studRows(1, 6)[0].spacing, "1.3334");
}

TEST_F(StudTest, OpeningsColumnsAndPieceLength)
{
    // Openings of 4 and 5 ft (after one of no width, which restarts the
    // count) in a 20-ft wall: 11 ft net, one more stud per opening; removed
    // rows take no length. Eave 12.375 gives 12-ft studs, 13.375 gives 14.
    addEaveWall(1, "A", 12.375, 20, 24, "EXPOSURE B", 1, QString(), 0);
    addOpening(1, 1, "0", "6", "1");
    addOpening(1, 2, "4", "6", "1");
    addOpening(1, 3, "5", "6", "1");
    addOpening(1, 4, "**Removed**", "NA", "NA");
    addColumn(1, 1, "**Removed**", "NA");
    addEaveWall(2, "B", 13.375, 20, 24, "EXPOSURE B", 1, QString(), 0);
    complete(1);
    complete(2);
    CalculateStudSolutions();
    const auto a = studRows(1, 6), b = studRows(2, 6);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(a[0].spacing, "1.3334");
    EXPECT_EQ(a[0].qty, 11);  // 11 / 1.3334 + 2 = 10.25, raised to 11
    EXPECT_EQ(a[0].length, 12);
    EXPECT_EQ(b[0].length, 14);
    EXPECT_EQ(CurrentWallID, 2);

    addOpening(2, 1, "4'", "6", "1");  // a width that is no number
    try {
        CalculateStudSolutions();
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), err::TypeMismatch);
        EXPECT_TRUE(e.description().contains("Rough Opening 1"));
    }
}

TEST_F(StudTest, SawnEaveHeightLimitAtItsBoundary)
{
    addEaveWall(1, "A", 10, 20, 24, "EXPOSURE B", 1, QString(), 0);
    complete(1);
    // Studs of 9.625 ft reach a limit of 9.625: the sawn stud is left out.
    setProfile("MaxStudHeightEaveSL = 9.625");
    CalculateStudSolutions();
    EXPECT_EQ(studRows(1, 6)[0].productID, 4);
    EXPECT_EQ(studTotal(1, 6), money(220));  // LSL at 24 in.: 10 x 10 ft x 2.2

    setProfile("MaxStudHeightEaveSL = 9.6251");
    exec("DELETE FROM Material_List");
    CalculateStudSolutions();
    EXPECT_EQ(studRows(1, 6)[0].productID, 1);
}

TEST_F(StudTest, HighWindSpeedsReadExposureC)
{
    addEaveWall(1, "A", 10, 20, 24, "EXPOSURE D", 1, QString(), 0);
    complete(1);
    // Only the capacity rows of one exposure letter are left at a time; the
    // letter matches whatever its case.
    struct Case { const char* kept; int speed; bool studs; };
    for (const Case& c : {Case{"C", 110, true}, Case{"C", 120, true}, Case{"C", 100, false}, Case{"d", 110, false},
                          Case{"d", 100, true}}) {
        exec("UPDATE Stud_Solutions SET Exposure = substr(Exposure, 2) WHERE Exposure LIKE 'X%'");
        exec("UPDATE Stud_Solutions SET Exposure = 'd' WHERE Exposure = 'D'");
        exec(QStringLiteral("UPDATE Stud_Solutions SET Exposure = 'X' || Exposure WHERE Exposure <> '%1'").arg(c.kept));
        setProfile(QStringLiteral("WindSpeed = %1").arg(c.speed));
        exec("DELETE FROM Material_List");
        CalculateStudSolutions();
        EXPECT_EQ(studRows(1, 6).size(), c.studs ? 1u : 0u) << c.kept << " " << c.speed;
    }
}

TEST_F(StudTest, SpacingFlagsAndAxialLoadLimitCandidates)
{
    addEaveWall(1, "A", 10, 20, 24, "EXPOSURE B", 1, QString(), 0);
    // Roof loading 23 (150 + 15 psf) on a 30-ft span: 2475 plf, more than
    // any sawn stud carries at any spacing.
    addEaveWall(2, "B", 10, 20, 30, "EXPOSURE B", 23, QString(), 0);
    complete(1);
    complete(2);
    setProfile("Spacing12oc = 2, Spacing16oc = -1, Spacing24oc = 1");  // only a flag of 1 allows
    CalculateStudSolutions();
    for (int w : kWallWidths) {
        const auto a = studRows(1, w);
        ASSERT_EQ(a.size(), 1u) << w;
        EXPECT_EQ(a[0].spacing, "2");
        for (const StudRow& r : studRows(2, w)) {
            EXPECT_EQ(r.spacing, "2");
            EXPECT_NE(r.productID, kWallWidths[0] == w ? 1 : 2);
        }
    }
    EXPECT_EQ(studRows(1, 6)[0].productID, 1);
}

// ---------------------------------------------------------------- pricing

TEST_F(StudTest, DefaultPricingTakesPricesFromProfileOneAndStockFromSelected)
{
    addProfile3();
    exec("UPDATE Product_Pricing SET Product1 = 0.5, Product4 = 5 WHERE CustomerProfileID = 3");
    exec("UPDATE Product_Inventory SET Product1 = 0 WHERE CustomerProfileID = 3");
    view.profileID = 3;
    view.defaultPricing = true;
    addEaveWall(1, "A", 10, 20, 24, "EXPOSURE B", 1, QString(), 0);
    complete(1);
    CalculateStudSolutions();
    const auto rows = studRows(1, 6);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].productID, 4);
    EXPECT_EQ(rows[0].lfPrice, money(2.2));  // profile 1's price, not 5
    EXPECT_EQ(studTotal(1, 6), money(220));

    view.defaultPricing = false;  // the customer's own prices
    exec("DELETE FROM Material_List");
    CalculateStudSolutions();
    EXPECT_EQ(studRows(1, 6)[0].productID, 7);  // LVL 3.1 beats LSL at 5
}

TEST_F(StudTest, StockedProductWithoutPriceRaises100)
{
    exec("UPDATE Product_Pricing SET Product4 = NULL WHERE CustomerProfileID = 1");
    addEaveWall(1, "A", 10, 20, 24);
    complete(1);
    try {
        CalculateStudSolutions();
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), 100);
        EXPECT_EQ(e.description(), "No Product Pricing Found");
    }
    EXPECT_EQ(count("Material_List"), 0);

    // An unstocked product is skipped before its price is asked for.
    exec("UPDATE Product_Inventory SET Product4 = 0 WHERE CustomerProfileID = 1");
    EXPECT_NO_THROW(CalculateStudSolutions());
}

TEST_F(StudTest, ZeroPriceIsAPrice)
{
    exec("UPDATE Product_Pricing SET Product7 = 0 WHERE CustomerProfileID = 1");
    addEaveWall(1, "A", 10, 20, 24);
    complete(1);
    CalculateStudSolutions();
    const auto rows = studRows(1, 6);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].productID, 7);
    EXPECT_EQ(rows[0].total, Money());
    EXPECT_EQ(rows[1].memberName, "Corner Stud");
    EXPECT_EQ(studTotal(1, 6), Money());
}

// ---------------------------------------------------------------- gable walls

// Eave 10, slope 6, 24 ft long, no columns: DTFH 12, three locations of
// 15.625, 13.625 and 11.625 ft (pieces 16, 14, 12) with 9 / 7 / 5 studs at
// 12 / 16 / 24 in.; no centre stretch. The sawn stud wins: 158.4 + 107.8 + 66.
TEST_F(StudTest, GableWallHandComputed)
{
    addGableWall(1, "Gable", 10, 16, 24, 6, 0);
    complete(1, "Gable");
    CalculateStudSolutions();
    EXPECT_EQ(scalar("SELECT InterpValue FROM Project_Information WHERE ID = 1").toInt32(), 3);
    EXPECT_EQ(scalar("SELECT HasCenterStuds FROM Project_Information WHERE ID = 1").toText(), "No");

    const auto rows = studRows(1, 6);
    ASSERT_EQ(rows.size(), 4u);  // no centre stretch
    const double qty[] = {9, 7, 5}, length[] = {16, 14, 12};
    const char* spacing[] = {"1", "1.3334", "2"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].productID, 1);
        EXPECT_EQ(rows[i].qty, qty[i]);
        EXPECT_EQ(rows[i].length, length[i]);
        EXPECT_EQ(rows[i].spacing, spacing[i]);
        EXPECT_EQ(rows[i].total, money(qty[i] * length[i] * 1.1));
    }
    // Corners from the first location's row: 6 pieces of 16 ft.
    EXPECT_EQ(rows[3].memberName, "Corner Stud");
    EXPECT_EQ(rows[3].length, 16);
    EXPECT_EQ(rows[3].total, money(105.6));
    EXPECT_EQ(studTotal(1, 6), money(332.2 + 105.6));
}

TEST_F(StudTest, TheScratchTablesAreEmptiedAndKeepNoCandidates)
{
    exec("INSERT INTO Temp_Stud_Table (WallID, WallThickness, TotalPrice) VALUES (1, 6, 1)");
    exec("INSERT INTO Temp_Gable_Table (ID, WallID, WallThickness, TotalPrice) VALUES (1, 1, 6, 1)");
    exec("INSERT INTO Temp_CornerStud_Table (WallID, WallThickness, TotalPrice) VALUES (1, 6, 1)");
    addGableWall(1, "Gable", 10, 16, 24, 6, 0);
    addEaveWall(2, "Eave", 10, 20, 24);
    complete(1);
    complete(2);
    CalculateStudSolutions();
    // At each width: three locations and the corners, an eave row and the corners.
    EXPECT_EQ(count("Material_List"), 3 * (4 + 2));
    for (const char* t : {"Temp_Stud_Table", "Temp_Gable_Table", "Temp_CornerStud_Table"})
        EXPECT_EQ(count(t), 0) << t;
}

// With a column the stored DTFH (10) holds: two locations and a 9-ft centre
// stretch of 16-ft pieces. The centre rows come once for each location.
TEST_F(StudTest, GableWallWithCentreStretch)
{
    addGableWall(1, "Gable", 10, 16, 30, 6, 10);
    addColumn(1, 1, "10", "0.5");
    complete(1);
    CalculateStudSolutions();
    EXPECT_EQ(scalar("SELECT InterpValue FROM Project_Information WHERE ID = 1").toInt32(), 2);
    EXPECT_EQ(scalar("SELECT HasCenterStuds FROM Project_Information WHERE ID = 1").toText(), "Yes");

    const auto rows = studRows(1, 6);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].total, money(148.5));  // 9 x 15 ft at 16 in.
    EXPECT_EQ(rows[1].total, money(128.7));  // 9 x 13 ft at 16 in.
    EXPECT_EQ(rows[2].qty, 11);              // centre: 10 + 1 at 12 in.
    EXPECT_EQ(rows[2].length, 16);
    EXPECT_EQ(rows[2].total, money(193.6));
    EXPECT_EQ(rows[3].total, money(99));     // 6 x 15 ft x 1.1
    EXPECT_EQ(studTotal(1, 6), money(470.8 + 99));
}

TEST_F(StudTest, SawnGableLimitSkipsTallLocationsOnly)
{
    addGableWall(1, "Gable", 10, 16, 24, 6, 0, "EXPOSURE B", 1, QString(), 0);
    complete(1);
    setProfile("MaxStudHeightGableSL = 15.625");  // location 1 reaches it
    CalculateStudSolutions();
    // The sawn stud lacks location 1 and is not considered.
    const auto rows = studRows(1, 6);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].productID, 4);
    EXPECT_EQ(studTotal(1, 6), money(246.4 + 154 + 132));
}

// ---------------------------------------------------------------- no length

TEST_F(StudTest, OnlyANegativeNetLengthLeavesAWallWithoutStuds)
{
    addEaveWall(1, "Filled", 10, 10, 24);  // openings take the whole wall: net 0
    addOpening(1, 1, "6", "6", "1");
    addOpening(1, 2, "4", "6", "1");
    addEaveWall(2, "Too wide", 10, 10, 24);
    addOpening(2, 1, "12", "6", "1");
    addGableWall(3, "Columns", 10, 16, 10, 6, 2);  // 8 ft of openings + 2 columns: net 0
    addColumn(3, 1, "10", "0.5");
    addColumn(3, 2, "10", "0.5");
    addOpening(3, 1, "8", "6", "1");
    addEaveWall(4, "Fine", 10, 20, 24);
    addEaveWall(5, "Columns too many", 10, 10, 24);  // 9 ft of openings + 2 columns: net -1
    addColumn(5, 1, "10", "0.5");
    addColumn(5, 2, "10", "0.5");
    addOpening(5, 1, "9", "6", "1");
    for (int i = 1; i <= 5; ++i)
        complete(i);
    CalculateStudSolutions();
    // Net 0: each width has the studs of its two openings, Round(2.5) = 2.
    for (int id : {1, 3})
        for (int width : {6, 8, 10}) {
            EXPECT_GT(studTotal(id, width).raw(), 0) << id << " " << width;
            EXPECT_GT(count("Material_List", QStringLiteral("WallID = %1 AND WallWidth = %2 AND MemberType = 'Stud'")
                                                 .arg(id).arg(width)), 0) << id << " " << width;
        }
    EXPECT_EQ(count("Material_List", "WallID = 1 AND MemberType = 'Stud' AND IFNULL(MemberName, '') <> 'Corner Stud' "
                                     "AND QtyPieces <> 2"), 0);
    EXPECT_EQ(scalar("SELECT HasCenterStuds FROM Project_Information WHERE ID = 1").toText(), "No");
    // Wider than the wall: nothing, not even corner studs.
    for (int id : {2, 5}) {
        EXPECT_EQ(count("Temp_Stud_Table", QStringLiteral("WallID = %1").arg(id)), 0) << id;
        EXPECT_EQ(count("Material_List", QStringLiteral("WallID = %1").arg(id)), 0) << id;
    }
    EXPECT_EQ(count("Material_List", "WallID = 4"), 6);
    EXPECT_EQ(count("Material_List", "QtyPieces < 1 OR TotalPrice < 0"), 0);
    // Only the walls without studs are reported as missing them.
    ValidateStuds();
    EXPECT_EQ(count("Validation_Information", "MemberName = 'Stud' AND WallID IN (1, 3, 4)"), 0);
    EXPECT_EQ(count("Validation_Information", "MemberName = 'Stud' AND WallID IN (2, 5)"), 6);
}

TEST_F(StudTest, CornerSearchWhenTheWallHasNoStudRow)
{
    // No spacing allowed: no candidates; the search still finds 12-in.
    // solutions and prices 6 corner pieces of 10 ft (eave 10 gives 10).
    setProfile("Spacing12oc = 0, Spacing16oc = 0, Spacing24oc = 0");
    addEaveWall(1, "A", 10, 20, 24);
    complete(1);
    CalculateStudSolutions();
    const auto rows = studRows(1, 6);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].memberName, "Corner Stud");
    EXPECT_EQ(rows[0].productID, 1);
    EXPECT_EQ(rows[0].qty, 6);
    EXPECT_EQ(rows[0].length, 10);
    EXPECT_EQ(rows[0].lf, 60);
    EXPECT_EQ(rows[0].total, money(66));
    EXPECT_EQ(rows[0].productName, "1.5\" x 5.5\" SPF No.2 Stud");
    EXPECT_EQ(studTotal(1, 6), money(66));
}

TEST_F(StudTest, CornerSearchSkipsAProductWithoutPrice)
{
    addEaveWall(1, "A", 10, 20, 24);
    exec("UPDATE Project_Information SET InterpValue = 1, HasCenterStuds = 'Yes' WHERE ID = 1");
    exec("UPDATE Product_Pricing SET Product1 = NULL WHERE CustomerProfileID = 1");
    SelectStudsForWall(StudChoices(), 6, 1);
    const auto rows = studRows(1, 6);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].productID, 4);
    EXPECT_EQ(rows[0].lfPrice, money(2.2));
    EXPECT_EQ(rows[0].total, money(132));
    EXPECT_EQ(rows[0].productName, "1.5\" x 5.5\" 1.55E LSL Stud");

    // Sawn lumber must stay below its limit; reaching it is not enough.
    exec("UPDATE Product_Pricing SET Product1 = 1.1 WHERE CustomerProfileID = 1");
    setProfile("MaxStudHeightEaveSL = 9.625");
    exec("DELETE FROM Material_List");
    SelectStudsForWall(StudChoices(), 6, 1);
    ASSERT_EQ(studRows(1, 6).size(), 1u);
    EXPECT_EQ(studRows(1, 6)[0].productID, 4);
}

// ---------------------------------------------------------------- tie rules

TEST_F(StudTest, EaveTieGoesToTheCandidateWrittenFirst)
{
    addEaveWall(1, "A", 10, 20, 24, "EXPOSURE B", 1, QString(), 0);
    StudChoices choices;
    choices.offer(1, 6, {1, 1, 0, 10, 0, money(1), Money()});  // no pieces: no stud
    choices.offer(1, 6, {7, 2, 10, 10, 0, money(1), money(100)});
    choices.offer(1, 6, {1, 1, 20, 5, 0, money(1), money(100)});
    choices.offer(1, 6, {4, 1, 20, 5, 0, money(1), money(100.0001)});
    choices.offer(2, 6, {4, 1, 1, 1, 0, money(1), money(1)});  // another wall
    SelectStudsForWall(choices, 6, 1);
    const auto rows = studRows(1, 6);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].productID, 7);
    EXPECT_EQ(rows[0].spacing, "2");
    EXPECT_EQ(studTotal(1, 6), money(100));
}

TEST_F(StudTest, GableTieGoesToTheHigherProductAndTheFirstRowAtALocation)
{
    addGableWall(1, "G", 10, 16, 24, 6, 0, "EXPOSURE B", 1, QString(), 0);
    exec("UPDATE Project_Information SET InterpValue = 2, HasCenterStuds = 'No' WHERE ID = 1");
    // Product 7 at location 2 costs 60 (an equal sum of 100: the later
    // product wins) or 61 (product 4 wins with the first of its two rows of
    // the same total at location 2).
    for (double seven : {60.0, 61.0}) {
        StudChoices choices;
        const auto add = [&](std::int16_t product, std::int16_t loc, double qty, double total) {
            choices.offer(1, 6, {product, 1, qty, 10, loc, money(1), money(total)});
        };
        add(4, 1, 5, 50);
        add(4, 2, 6, 50);
        add(4, 2, 7, 50);
        add(7, 1, 4, 40);
        add(7, 2, 6, seven);
        add(1, 1, 1, 1);  // location 2 missing: not considered
        exec("DELETE FROM Material_List");
        SelectStudsForWall(choices, 6, 1);
        const auto rows = studRows(1, 6);
        ASSERT_EQ(rows.size(), 2u) << seven;
        EXPECT_EQ(rows[0].productID, seven == 60 ? 7 : 4);
        EXPECT_EQ(rows[0].total, money(seven == 60 ? 40 : 50));
        EXPECT_EQ(rows[1].total, money(seven == 60 ? 60 : 50));
        EXPECT_EQ(rows[1].qty, 6);
        EXPECT_EQ(studTotal(1, 6), money(100));
    }
}

TEST_F(StudTest, GableWithoutAQualifyingProductWritesAZeroTotal)
{
    addGableWall(1, "G", 10, 16, 24, 6, 0, "EXPOSURE B", 1, QString(), 0);
    exec("UPDATE Project_Information SET \"6Studs\" = 5, InterpValue = 2, HasCenterStuds = 'No' WHERE ID = 1");
    StudChoices choices;
    choices.offer(1, 6, {1, 1, 5, 10, 1, money(1), money(50)});
    SelectStudsForWall(choices, 6, 1);
    EXPECT_EQ(count("Material_List"), 0);
    EXPECT_EQ(studTotal(1, 6), Money());
}

// ---------------------------------------------------------------- shared operations

TEST_F(StudTest, ProductListsAndDescriptions)
{
    EXPECT_EQ(GetProductIDList(6, "Stud", 3), "1,4,7");
    EXPECT_EQ(GetProductIDList(10, "Column", 0), "9,15");
    EXPECT_EQ(GetProductIDList(8, "Stud", 1), "2");
    EXPECT_EQ(ProductIDsOf(" 3, 7"), (QList<int>{3, 7}));
    EXPECT_EQ(ProductDescription(7, true), "1.75\" x 5.5\" 2.0E LVL");
    EXPECT_EQ(ProductDescription(17, false), "5.25\" x 11.875\" PSL Header");
}

TEST_F(StudTest, WallsNotMarkedCompleteAreLeftAlone)
{
    addEaveWall(1, "A", 10, 20, 24);
    addEaveWall(2, "B", 10, 20, 24);
    complete(1);
    view.wallRows.push_back({"2", "B", "No"});
    CurrentWallID = 0;
    CalculateStudSolutions();
    EXPECT_EQ(count("Material_List", "WallID = 2"), 0);
    EXPECT_TRUE(scalar("SELECT HasCenterStuds FROM Project_Information WHERE ID = 2").isNull());
    EXPECT_EQ(CurrentWallID, 1);

    view.profileID = 5;  // a profile without its settings row
    EXPECT_THROW(CalculateStudSolutions(), AppError);
}

TEST_F(StudTest, MonoSlopeWithoutColumnsRunsToTheFullLength)
{
    addGableWall(1, "Mono", 10, 14, 12, 4, 3, "EXPOSURE B", 1, QString(), 0, 1);
    complete(1);
    CalculateStudSolutions();
    // DTFH becomes the wall length, 12: 4 x 12 / 24 = 2 locations, no centre.
    EXPECT_EQ(scalar("SELECT InterpValue FROM Project_Information WHERE ID = 1").toInt32(), 2);
    EXPECT_EQ(scalar("SELECT HasCenterStuds FROM Project_Information WHERE ID = 1").toText(), "No");
    EXPECT_EQ(studRows(1, 6).size(), 2u);
}

TEST_F(StudTest, WallWithUnknownFinishOrRoofLoadingIsNotSized)
{
    // Sizing it with the loads of the wall before would price studs that
    // may not carry it; it gets none, and the validation reports it.
    addEaveWall(1, "Known", 10, 20, 24, "EXPOSURE B", 1, QString(), 0);
    addEaveWall(2, "No finish", 10, 20, 24, "EXPOSURE B", 1, "Thatch", 0);
    addEaveWall(3, "No loading", 10, 20, 24, "EXPOSURE B", 99, QString(), 0);
    for (int i = 1; i <= 3; ++i)
        complete(i);
    CalculateStudSolutions();
    EXPECT_GT(count("Material_List", "WallID = 1"), 0);
    EXPECT_EQ(count("Material_List", "WallID > 1"), 0);
    EXPECT_EQ(scalar("SELECT HasCenterStuds FROM Project_Information WHERE ID = 3").toText(), "Yes");
}
