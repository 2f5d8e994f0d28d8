// The take-off steps after the sizing: trimmers, cripples, plates,
// blocking, sheathing, connectors and jamb extensions, on small projects in
// the delivered database (profile 1, Default). Stud and header rows that the
// sizing steps would write are seeded directly.
#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/wind.h"
#include "platform/app_error.h"
#include "tests/test_support.h"

namespace {

class TakeoffTest : public dvtest::DbTest {
protected:
    void check(int id, const QString& complete = QStringLiteral("Yes"))
    {
        view.wallRows.push_back({QString::number(id), QStringLiteral("W"), complete});
    }
    void seed(int id, int width, const QString& type, const QString& spacing, const QString& memberName)
    {
        exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType, StudSpacing, MemberName) "
                            "VALUES (%1, %2, '%3', %4, %5)")
                 .arg(id).arg(width).arg(type)
                 .arg(spacing.isNull() ? QStringLiteral("NULL") : dv::sqlQuote(spacing),
                      memberName.isNull() ? QStringLiteral("NULL") : dv::sqlQuote(memberName)));
    }
    void seedHeader(int id, int opening, int number, const QString& position, int trimmers = 2)
    {
        for (int w : {6, 8, 10})
            seed(id, w, QStringLiteral("Header"), QString::number(trimmers),
                 QStringLiteral("Header %1, ID# %2 (%3)").arg(opening).arg(number).arg(position));
    }
    // "product|qty|length|feet|price|total|name" of each row, in write order.
    QStringList rows(int id, int width, const QString& type)
    {
        QStringList out;
        dv::Recordset rs = dv::DbConnection.query(
            QStringLiteral("SELECT ProductID, QtyPieces, PieceLength, LinealFeet, LFPrice, TotalPrice, MemberName "
                           "FROM Material_List WHERE WallID = %1 AND WallWidth = %2 AND MemberType = '%3' ORDER BY rowid")
                .arg(id).arg(width).arg(type));
        for (; !rs.eof(); rs.moveNext()) {
            QStringList f;
            for (int i = 0; i < 7; ++i)
                f << rs.field(i).toText();
            out << f.join(QLatin1Char('|'));
        }
        return out;
    }
    QString productName(int id, int width, const QString& type)
    {
        return scalar(QStringLiteral("SELECT ProductName FROM Material_List WHERE WallID = %1 AND WallWidth = %2 "
                                     "AND MemberType = '%3'").arg(id).arg(width).arg(type)).toText();
    }
    QString total(int id, const QString& field)
    {
        return scalar(QStringLiteral("SELECT \"%1\" FROM Project_Information WHERE ID = %2").arg(field).arg(id)).toText();
    }
    void profile(const QString& assignments)
    {
        exec(QStringLiteral("UPDATE Customer_Profiles SET %1 WHERE CustomerProfileID = 1").arg(assignments));
    }
    void price(int product, const QString& amount)
    {
        exec(QStringLiteral("UPDATE Product_Pricing SET Product%1 = %2 WHERE CustomerProfileID = 1").arg(product).arg(amount));
    }
};

// ------------------------------------------------------------------ plates

TEST_F(TakeoffTest, EaveWallPlatesAreRaisedToWholeFeetWithHalvesToEven)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 24, 24);
    addEaveWall(2, QStringLiteral("Back"), 10, 25, 24);
    check(1);
    check(2);
    dv::CalculateTopPlates();
    dv::CalculateBottomPlates();
    // Engineered plate products 10, 11, 12 at 1.95, 2.4 and 3.05 a foot.
    EXPECT_EQ(rows(1, 6, QStringLiteral("Plate")),
              (QStringList{QStringLiteral("10|2|24|48|1.95|93.6|Wall Top Plates"),
                           QStringLiteral("10|1|24|24|1.95|46.8|Wall Bottom Plate")}));
    EXPECT_EQ(rows(1, 10, QStringLiteral("Plate")),
              (QStringList{QStringLiteral("12|2|24|48|3.05|146.4|Wall Top Plates"),
                           QStringLiteral("12|1|24|24|3.05|73.2|Wall Bottom Plate")}));
    EXPECT_EQ(rows(2, 8, QStringLiteral("Plate")),
              (QStringList{QStringLiteral("11|2|26|52|2.4|124.8|Wall Top Plates"),
                           QStringLiteral("11|1|26|26|2.4|62.4|Wall Bottom Plate")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ProductName FROM Material_List WHERE WallWidth = 6 AND WallID = 1 LIMIT 1")).toText(),
              QStringLiteral("1.5\" x 5.5\" 1.3E LSL Framing"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT WallName FROM Material_List WHERE WallID = 2 LIMIT 1")).toText(),
              QStringLiteral("Back"));
}

TEST_F(TakeoffTest, GableTopPlatesFollowTheSlope)
{
    addGableWall(1, QStringLiteral("Gable"), 10, 17.5, 30, 6, 0);
    addGableWall(2, QStringLiteral("Lean-to"), 10, 25, 30, 6, 0, QStringLiteral("EXPOSURE B"), 1, QString(), 2, 1);
    check(1);
    check(2);
    dv::CalculateTopPlates();
    EXPECT_EQ(rows(1, 6, QStringLiteral("Plate")), QStringList{QStringLiteral("10|4|17|68|1.95|132.6|Wall Top Plates")});
    EXPECT_EQ(rows(2, 6, QStringLiteral("Plate")), QStringList{QStringLiteral("10|2|34|68|1.95|132.6|Wall Top Plates")});
}

TEST_F(TakeoffTest, PlateTotalsTellTheThreeKindsApartAndZeroWallsNotCalculated)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 24, 24);
    addEaveWall(2, QStringLiteral("Back"), 10, 24, 24);
    exec(QStringLiteral("UPDATE Project_Information SET \"6TopPlates\" = 9, \"8HeaderPlates\" = 9 WHERE ID = 2"));
    check(1);
    check(2, QStringLiteral("No"));
    exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType, TotalPrice, StudSpacing, MemberName) VALUES "
                        "(1, 8, 'Plate', 12.5, 'Header Plates', 'Header 1, ID# 1 (Top)'), "
                        "(1, 8, 'Plate', 7.25, 'Header Plates', 'Header 2, ID# 1 (Top)'), "
                        "(1, 8, 'Plate', 100, 'Other', 'Other plate')"));
    dv::CalculateTopPlates();
    dv::CalculateBottomPlates();
    dv::TotalPlates();
    EXPECT_EQ(total(1, QStringLiteral("8HeaderPlates")), QStringLiteral("19.75"));
    EXPECT_EQ(total(1, QStringLiteral("6HeaderPlates")), QStringLiteral("0"));
    EXPECT_EQ(total(1, QStringLiteral("8TopPlates")), QStringLiteral("115.2"));
    EXPECT_EQ(total(1, QStringLiteral("8BottomPlates")), QStringLiteral("57.6"));
    EXPECT_EQ(total(2, QStringLiteral("6TopPlates")), QStringLiteral("0"));
    EXPECT_EQ(total(2, QStringLiteral("8HeaderPlates")), QStringLiteral("0"));
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("WallID = 2")), 0);
    EXPECT_EQ(dv::CurrentWallID, 2);
}

TEST_F(TakeoffTest, APlateListThatIsNotOneProductIsAClearError)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 24, 24);
    check(1);
    exec(QStringLiteral("UPDATE Products SET UseForPlates = -1 WHERE ProductID = 4"));  // 2x6 now has 4 and 10
    try {
        dv::CalculateTopPlates();
        FAIL() << "two plate products for one width must be refused";
    } catch (const dv::AppError& e) {
        EXPECT_EQ(e.number(), dv::err::ListNotSingle);
    }
    exec(QStringLiteral("UPDATE Products SET UseForPlates = 0 WHERE ProductID IN (4, 10)"));  // 2x6 has none
    EXPECT_THROW(dv::CalculateBottomPlates(), dv::AppError);
}

// ---------------------------------------------------------------- trimmers

TEST_F(TakeoffTest, AnOpeningGetsItsTrimmersOnceFromItsTopHeader)
{
    addEaveWall(1, QStringLiteral("Front"), 14, 30, 24);
    addColumn(1, 1, QStringLiteral("12.375"), QStringLiteral("4"));
    addColumn(1, 2, QStringLiteral("12.375"), QStringLiteral("4"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("2"), QStringLiteral("Column 1"),
               QStringLiteral("Column 2"));
    seedHeader(1, 1, 1, QStringLiteral("Top"));
    seedHeader(1, 1, 2, QStringLiteral("Bottom"));
    check(1);
    dv::CalculateTrimmers();
    // Sawn trimmers (the profile's product 1 is softwood): 1, 2, 3.
    EXPECT_EQ(rows(1, 6, QStringLiteral("Trimmer")), QStringList{QStringLiteral("1|4|12|48|1.1|52.8|Trimmer Studs")});
    EXPECT_EQ(rows(1, 10, QStringLiteral("Trimmer")), QStringList{QStringLiteral("3|4|12|48|1.8|86.4|Trimmer Studs")});
    EXPECT_EQ(productName(1, 8, QStringLiteral("Trimmer")), QStringLiteral("1.5\" x 7.25\" SPF No.2 Stud"));
    EXPECT_EQ(total(1, QStringLiteral("6Trimmers")), QStringLiteral("52.8"));
    EXPECT_EQ(total(1, QStringLiteral("8Trimmers")), QStringLiteral("69.6"));
}

TEST_F(TakeoffTest, TrimmerSidesOfDifferentHeightsGiveTwoRowsRightSideFirst)
{
    addEaveWall(1, QStringLiteral("Front"), 16, 30, 24);
    addColumn(1, 1, QStringLiteral("13.375"), QStringLiteral("4"));
    addColumn(1, 2, QStringLiteral("10.375"), QStringLiteral("4"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
               QStringLiteral("Column 2"));
    seedHeader(1, 1, 1, QStringLiteral("Top"), 3);
    profile(QStringLiteral("TrimmerProductID = 10"));  // engineered trimmers
    check(1);
    dv::CalculateTrimmers();
    EXPECT_EQ(rows(1, 6, QStringLiteral("Trimmer")),
              (QStringList{QStringLiteral("10|3|10|30|1.95|58.5|Trimmer Studs"),
                           QStringLiteral("10|3|14|42|1.95|81.9|Trimmer Studs")}));
    EXPECT_EQ(productName(1, 6, QStringLiteral("Trimmer")), QStringLiteral("1.5\" x 5.5\" 1.3E LSL Framing"));
}

TEST_F(TakeoffTest, ASideWithoutSupportColumnTakesItsOwnOpeningsHeight)
{
    addEaveWall(1, QStringLiteral("Front"), 16, 40, 24);
    addColumn(1, 1, QStringLiteral("12.375"), QStringLiteral("4"));
    addColumn(1, 2, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
               QStringLiteral("Column 1"));
    // No columns named, and a removed column: both sides stand on nothing.
    addOpening(1, 2, QStringLiteral("3"), QStringLiteral("6.5"), QStringLiteral("1"));
    addOpening(1, 3, QStringLiteral("3"), QStringLiteral("8"), QStringLiteral("1"), QStringLiteral("Column 2"),
               QStringLiteral("Column 1"));
    addOpening(1, 4, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 9"),
               QStringLiteral("NA"));
    for (int k = 1; k <= 4; ++k)
        seedHeader(1, k, 1, QStringLiteral("Top"));
    check(1);
    dv::CalculateTrimmers();
    EXPECT_EQ(rows(1, 6, QStringLiteral("Trimmer")),
              (QStringList{QStringLiteral("1|4|12|48|1.1|52.8|Trimmer Studs"),   // opening 1
                           QStringLiteral("1|4|7|28|1.1|30.8|Trimmer Studs"),    // 2: 6.5 ft -> 7
                           QStringLiteral("1|2|12|24|1.1|26.4|Trimmer Studs"),   // 3: right on column 1
                           QStringLiteral("1|2|8|16|1.1|17.6|Trimmer Studs"),    //    left: its 8 ft -> 8
                           QStringLiteral("1|4|8|32|1.1|35.2|Trimmer Studs")})); // 4: 7 ft -> 8 both sides
}

TEST_F(TakeoffTest, TrimmerTotalsOfWallsNotCalculatedAreZero)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    addEaveWall(2, QStringLiteral("Back"), 10, 30, 24);
    exec(QStringLiteral("UPDATE Project_Information SET \"6Trimmers\" = 5, \"10Trimmers\" = 5"));
    addOpening(2, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"));
    seedHeader(2, 1, 1, QStringLiteral("Top"));
    check(1);
    check(2, QStringLiteral("No"));
    dv::CalculateTrimmers();
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Trimmer'")), 0);
    for (int id : {1, 2})
        for (const char* f : {"6Trimmers", "8Trimmers", "10Trimmers"})
            EXPECT_EQ(total(id, QLatin1String(f)), QStringLiteral("0"));
}

// ---------------------------------------------------------------- cripples

TEST_F(TakeoffTest, CripplesAreSpacedByTheWidestWallStudRow)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("1"));
    addOpening(1, 2, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"), QStringLiteral("NA"));
    // 2x6: wall studs at 1.3334 and 2 ft (no member name), and a corner-stud
    // row whose spacing must not count.
    seed(1, 6, QStringLiteral("Stud"), QStringLiteral("1.3334"), QString());
    seed(1, 6, QStringLiteral("Stud"), QStringLiteral("2"), QString());
    seed(1, 6, QStringLiteral("Stud"), QStringLiteral("4"), QStringLiteral("Corner Stud"));
    // 2x8: no stud row at all. 2x10: a row with an empty name.
    seed(1, 10, QStringLiteral("Stud"), QStringLiteral("1"), QStringLiteral(""));
    check(1);
    dv::CalculateCripples();
    // Stack 6.875 ft in a 10 ft wall: cripples of Round(3.625) = 4 ft.
    EXPECT_EQ(rows(1, 6, QStringLiteral("Cripple")), QStringList{QStringLiteral("1|1|8|8|1.1|8.8|Cripple Studs")});   // 2 x 4
    EXPECT_EQ(rows(1, 8, QStringLiteral("Cripple")), QStringList{QStringLiteral("2|1|12|12|1.45|17.4|Cripple Studs")}); // 3 x 4
    EXPECT_EQ(rows(1, 10, QStringLiteral("Cripple")), QStringList{QStringLiteral("3|1|16|16|1.8|28.8|Cripple Studs")}); // 4 x 4
    EXPECT_EQ(total(1, QStringLiteral("6Cripples")), QStringLiteral("8.8"));
    EXPECT_EQ(total(1, QStringLiteral("10Cripples")), QStringLiteral("28.8"));
}

TEST_F(TakeoffTest, CripplesOverATallStackAreTwoFeetAndGableWallsUseTheAverageHeight)
{
    // Eave 10, ridge 16: average 13 ft. Opening 1: two 6 ft headers, stack
    // 13.375 ft, above the wall: 2 ft. Opening 2: stack 8.875 ft: 5 ft.
    addGableWall(1, QStringLiteral("Gable"), 10, 16, 30, 6, 0);
    addOpening(1, 1, QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("2"));
    addOpening(1, 2, QStringLiteral("2"), QStringLiteral("8"), QStringLiteral("1"));
    profile(QStringLiteral("CrippleProductID = 10"));  // engineered
    for (int w : {6, 8, 10})
        seed(1, w, QStringLiteral("Stud"), QStringLiteral("2"), QString());
    check(1);
    dv::CalculateCripples();
    // Opening 1: Round(2.5) = 2 cripples of 2 ft; opening 2: Round(1.5) = 2 of 5 ft.
    EXPECT_EQ(rows(1, 6, QStringLiteral("Cripple")), QStringList{QStringLiteral("10|1|14|14|1.95|27.3|Cripple Studs")});
    EXPECT_EQ(productName(1, 6, QStringLiteral("Cripple")), QStringLiteral("1.5\" x 5.5\" 1.3E LSL Framing"));
}

TEST_F(TakeoffTest, AWallWithoutOpeningsKeepsItsCrippleTotalsAndAnUnpricedProductWritesNoRow)
{
    addEaveWall(1, QStringLiteral("Plain"), 10, 30, 24);
    addOpening(1, 1, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"), QStringLiteral("NA"));
    addEaveWall(2, QStringLiteral("Free"), 10, 30, 24);
    addOpening(2, 1, QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("1"));
    exec(QStringLiteral("UPDATE Project_Information SET \"6Cripples\" = 5, \"8Cripples\" = 5"));
    price(1, QStringLiteral("0"));
    check(1);
    check(2);
    dv::CalculateCripples();
    EXPECT_EQ(total(1, QStringLiteral("6Cripples")), QStringLiteral("5"));
    EXPECT_EQ(total(2, QStringLiteral("6Cripples")), QStringLiteral("0"));
    EXPECT_EQ(total(2, QStringLiteral("8Cripples")), QStringLiteral("17.4"));
    EXPECT_TRUE(rows(2, 6, QStringLiteral("Cripple")).isEmpty());
    EXPECT_EQ(rows(2, 8, QStringLiteral("Cripple")).size(), 1);
}

// ------------------------------------------------------ blocking, sheathing

TEST_F(TakeoffTest, BlockingRowsFollowTheWallHeightBands)
{
    addEaveWall(1, QStringLiteral("Low eave"), 8, 30, 24);
    addEaveWall(2, QStringLiteral("High eave"), 16, 30, 24);
    addGableWall(3, QStringLiteral("Tall gable"), 20, 30, 30, 6, 0);
    addGableWall(4, QStringLiteral("Even gable"), 20, 20, 30, 6, 0);
    addGableWall(5, QStringLiteral("Low gable"), 8, 20, 30, 6, 0);
    addGableWall(6, QStringLiteral("Mid gable"), 10, 20, 30, 6, 0);
    for (int id = 1; id <= 6; ++id)
        check(id);
    dv::CalculateBlocking();
    EXPECT_EQ(rows(1, 6, QStringLiteral("Blocking")), QStringList{QStringLiteral("1|1|0|0|1.1|0|Wall Blocking")});
    EXPECT_EQ(rows(2, 6, QStringLiteral("Blocking")), QStringList{QStringLiteral("1|1|60|60|1.1|66|Wall Blocking")});
    EXPECT_EQ(rows(3, 8, QStringLiteral("Blocking")), QStringList{QStringLiteral("2|1|75|75|1.45|108.75|Wall Blocking")});
    EXPECT_EQ(rows(4, 10, QStringLiteral("Blocking")), QStringList{QStringLiteral("3|1|60|60|1.8|108|Wall Blocking")});
    EXPECT_EQ(rows(5, 6, QStringLiteral("Blocking")), QStringList{QStringLiteral("1|1|0|0|1.1|0|Wall Blocking")});
    EXPECT_EQ(rows(6, 6, QStringLiteral("Blocking")), QStringList{QStringLiteral("1|1|45|45|1.1|49.5|Wall Blocking")});
    EXPECT_EQ(total(2, QStringLiteral("6Blocking")), QStringLiteral("66"));
    EXPECT_EQ(total(1, QStringLiteral("6Blocking")), QStringLiteral("0"));
    EXPECT_EQ(productName(2, 6, QStringLiteral("Blocking")), QStringLiteral("1.5\" x 5.5\" SPF No.2 Stud"));
}

TEST_F(TakeoffTest, AnEngineeredBlockingChoiceUsesTheEngineeredProductOfEachWidth)
{
    addEaveWall(1, QStringLiteral("Front"), 16, 30, 24);
    profile(QStringLiteral("BlockingProductID = 11"));
    check(1);
    dv::CalculateBlocking();
    EXPECT_EQ(rows(1, 6, QStringLiteral("Blocking")), QStringList{QStringLiteral("10|1|60|60|1.95|117|Wall Blocking")});
    EXPECT_EQ(rows(1, 10, QStringLiteral("Blocking")), QStringList{QStringLiteral("12|1|60|60|3.05|183|Wall Blocking")});
    EXPECT_EQ(productName(1, 10, QStringLiteral("Blocking")), QStringLiteral("1.5\" x 9.25\" 1.3E LSL Framing"));
}

TEST_F(TakeoffTest, SheathingCountsWholePanelsOfTheProfilesProduct)
{
    addGableWall(1, QStringLiteral("Gable"), 10, 20, 40, 6, 0);
    addEaveWall(2, QStringLiteral("Exact"), 10, 32, 24);  // 320 sq ft: exactly 10 panels
    check(1);
    check(2);
    dv::CalculateSheathing();
    // 660 sq ft of 32 sq ft panels: Round(20.625 + 0.5) = 21 panels of 14.40.
    for (int w : {6, 8, 10})
        EXPECT_EQ(rows(1, w, QStringLiteral("Sheathing")),
                  QStringList{QStringLiteral("23|21|32|660|0.45|302.4|Wall Sheathing")});
    EXPECT_EQ(productName(1, 8, QStringLiteral("Sheathing")), QStringLiteral("OSB Sheathing Panel (4 x 8)"));
    EXPECT_EQ(rows(2, 6, QStringLiteral("Sheathing")), QStringList{QStringLiteral("23|10|32|320|0.45|144|Wall Sheathing")});
    EXPECT_EQ(total(1, QStringLiteral("10Sheathing")), QStringLiteral("302.4"));
}

TEST_F(TakeoffTest, ASheathingProductWithoutPanelSizeIsAClearError)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 32, 24);
    check(1);
    exec(QStringLiteral("UPDATE Products SET ProductDepth = 0 WHERE ProductID = 23"));
    try {
        dv::CalculateSheathing();
        FAIL() << "a panel of no area must not be divided by";
    } catch (const dv::AppError& e) {
        EXPECT_EQ(e.number(), dv::err::BadValue);
        EXPECT_TRUE(e.description().contains(QStringLiteral("Front")));
    }
    EXPECT_EQ(count(QStringLiteral("Material_List")), 0);
}

// ------------------------------------------------ connectors, jamb extensions

TEST_F(TakeoffTest, EightConnectorsForEveryColumnAndHeader)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    addColumn(1, 1, QStringLiteral("12"), QStringLiteral("4"));
    addColumn(1, 2, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"));
    addColumn(1, 3, QStringLiteral("12"), QStringLiteral("4"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"));
    addOpening(1, 2, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"), QStringLiteral("NA"));
    addOpening(1, 3, QStringLiteral("4"), QStringLiteral("7"), QStringLiteral("2"));
    addEaveWall(2, QStringLiteral("Columns only"), 10, 30, 24);
    addColumn(2, 1, QStringLiteral("12"), QStringLiteral("4"));
    addColumn(2, 2, QStringLiteral("12"), QStringLiteral("4"));
    addEaveWall(3, QStringLiteral("Bare"), 10, 30, 24);
    exec(QStringLiteral("UPDATE Project_Information SET \"6Connectors\" = 5, NumberColumns = 7 WHERE ID = 3"));
    price(24, QStringLiteral("1.25"));
    check(1);
    check(2);
    check(3);
    dv::CalculateConnectors();
    for (int w : {6, 8, 10})
        EXPECT_EQ(rows(1, w, QStringLiteral("Connectors")), QStringList{QStringLiteral("24|40|1|40|1.25|50|Connectors")});
    EXPECT_EQ(productName(1, 6, QStringLiteral("Connectors")), QStringLiteral("Column and Header Connector"));
    EXPECT_EQ(total(1, QStringLiteral("8Connectors")), QStringLiteral("50"));
    EXPECT_EQ(total(1, QStringLiteral("NumberColumns")), QStringLiteral("2"));
    EXPECT_EQ(total(1, QStringLiteral("NumberHeaders")), QStringLiteral("3"));
    EXPECT_EQ(rows(2, 10, QStringLiteral("Connectors")), QStringList{QStringLiteral("24|16|1|16|1.25|20|Connectors")});
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("WallID = 3")), 0);
    EXPECT_EQ(total(3, QStringLiteral("6Connectors")), QStringLiteral("5"));
    EXPECT_EQ(total(3, QStringLiteral("NumberColumns")), QStringLiteral("7"));
}

TEST_F(TakeoffTest, JambExtensionsCostMaterialAndLabourByTheProfilesMethod)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"));
    addOpening(1, 2, QStringLiteral("4"), QStringLiteral("7"), QStringLiteral("2"));
    addOpening(1, 3, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"), QStringLiteral("NA"));
    addEaveWall(2, QStringLiteral("No openings"), 10, 30, 24);
    addColumn(2, 1, QStringLiteral("12"), QStringLiteral("4"));
    exec(QStringLiteral("UPDATE Project_Information SET \"6JambX\" = 9 WHERE ID = 2"));
    check(1);
    check(2);
    // Maker 1: 50, 100, 150 a header; 0.5, 0.75 and 1 hour at 40 an hour.
    profile(QStringLiteral("LaborRate = 40, Jamb2x6L = '0.5', Jamb2x8L = '0.75', Jamb2x10L = '1', MfrID = 1, JambMethod = 2"));
    dv::CalculateJambExtensions();
    EXPECT_EQ(total(1, QStringLiteral("6JambX")), QStringLiteral("210"));
    EXPECT_EQ(total(1, QStringLiteral("8JambX")), QStringLiteral("390"));
    EXPECT_EQ(total(1, QStringLiteral("10JambX")), QStringLiteral("570"));
    EXPECT_EQ(total(2, QStringLiteral("6JambX")), QStringLiteral("9"));

    profile(QStringLiteral("JambMethod = 0"));  // no method chosen: like material and labour
    dv::CalculateJambExtensions();
    EXPECT_EQ(total(1, QStringLiteral("6JambX")), QStringLiteral("210"));

    profile(QStringLiteral("JambMethod = 1"));
    dv::CalculateJambExtensions();
    EXPECT_EQ(total(1, QStringLiteral("6JambX")), QStringLiteral("150"));
    EXPECT_EQ(total(1, QStringLiteral("8JambX")), QStringLiteral("300"));

    profile(QStringLiteral("JambMethod = 2, MfrID = 99"));  // no such maker: labour only
    dv::CalculateJambExtensions();
    EXPECT_EQ(total(1, QStringLiteral("6JambX")), QStringLiteral("60"));

    profile(QStringLiteral("Jamb2x8L = 'an hour'"));
    EXPECT_THROW(dv::CalculateJambExtensions(), dv::AppError);
}

TEST_F(TakeoffTest, CountsAndFootagesOfAVeryLargeWallDoNotOverflow)
{
    addEaveWall(1, QStringLiteral("Warehouse"), 10, 40000, 24);
    addOpening(1, 1, QStringLiteral("30000"), QStringLiteral("6"), QStringLiteral("5000"));
    seedHeader(1, 1, 1, QStringLiteral("Top"), 20000);
    price(24, QStringLiteral("1"));
    check(1);
    dv::CalculateConnectors();
    dv::CalculateCripples();
    dv::CalculateTrimmers();
    EXPECT_EQ(rows(1, 6, QStringLiteral("Connectors")), QStringList{QStringLiteral("24|40000|1|40000|1|40000|Connectors")});
    // Round(30000 / 1.334 + 0.5) = 22489 cripples of 2 ft.
    EXPECT_EQ(rows(1, 6, QStringLiteral("Cripple")), QStringList{QStringLiteral("1|1|44978|44978|1.1|49475.8|Cripple Studs")});
    // No support columns: 40000 trimmers of Round(6 + 0.5) = 6 ft.
    EXPECT_EQ(rows(1, 6, QStringLiteral("Trimmer")),
              QStringList{QStringLiteral("1|40000|6|240000|1.1|264000|Trimmer Studs")});
}

TEST_F(TakeoffTest, AHeaderOfNoKnownOpeningGetsNoTrimmers)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    seedHeader(1, 7, 1, QStringLiteral("Top"));
    check(1);
    dv::CalculateTrimmers();
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("MemberType = 'Trimmer'")), 0);
    EXPECT_EQ(total(1, QStringLiteral("6Trimmers")), QStringLiteral("0"));
}

TEST_F(TakeoffTest, WallsNotMarkedCompleteGetNothingFromTheTakeoff)
{
    addEaveWall(1, QStringLiteral("Front"), 16, 30, 24);
    addColumn(1, 1, QStringLiteral("12"), QStringLiteral("4"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"));
    seedHeader(1, 1, 1, QStringLiteral("Top"));
    check(1, QStringLiteral("No"));
    const long long before = count(QStringLiteral("Material_List"));
    dv::CalculateCripples();
    dv::CalculateTopPlates();
    dv::CalculateBottomPlates();
    dv::CalculateBlocking();
    dv::CalculateSheathing();
    dv::CalculateConnectors();
    dv::CalculateJambExtensions();
    EXPECT_EQ(count(QStringLiteral("Material_List")), before);
    EXPECT_EQ(total(1, QStringLiteral("6JambX")), QStringLiteral("0"));
    EXPECT_EQ(total(1, QStringLiteral("NumberColumns")), QStringLiteral("0"));
}

}  // namespace

namespace {

// The whole Compare on a small project: every step's rows and totals agree
// with each other and with the comparison.
TEST_F(TakeoffTest, AWholeCompareKeepsRowsTotalsAndComparisonInStep)
{
    addEaveWall(1, QStringLiteral("North"), 10, 30, 24);
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("4"));
    addColumn(1, 2, QStringLiteral("10"), QStringLiteral("4"));
    addColumn(1, 3, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
               QStringLiteral("Column 2"));
    addOpening(1, 2, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"), QStringLiteral("NA"));
    addGableWall(2, QStringLiteral("Gable End"), 10, 17.5, 30, 6, 0);
    check(1);
    check(2);
    dv::RunCompare();
    ASSERT_EQ(view.comparisonRowCount(), 2);
    EXPECT_EQ(view.pleaseWaitClosed, 1);

    struct Member { const char* type; const char* word; const char* condition; };
    const Member members[] = {{"Trimmer", "Trimmers", ""},
                              {"Cripple", "Cripples", ""},
                              {"Plate", "TopPlates", " AND MemberName = 'Wall Top Plates'"},
                              {"Plate", "BottomPlates", " AND MemberName = 'Wall Bottom Plate'"},
                              {"Plate", "HeaderPlates", " AND StudSpacing = 'Header Plates'"},
                              {"Blocking", "Blocking", ""},
                              {"Sheathing", "Sheathing", ""},
                              {"Connectors", "Connectors", ""}};
    for (int id : {1, 2}) {
        for (int w : {6, 8, 10}) {
            for (const Member& m : members) {
                const dv::Money rowsTotal = scalar(QStringLiteral("SELECT COALESCE(SUM(TotalPrice), 0) FROM Material_List "
                                                                  "WHERE WallID = %1 AND WallWidth = %2 AND MemberType = '%3'%4")
                                                       .arg(id).arg(w).arg(QLatin1String(m.type), QLatin1String(m.condition)))
                                                .toMoney();
                EXPECT_EQ(total(id, QString::number(w) + QLatin1String(m.word)), rowsTotal.toText())
                    << "wall " << id << " width " << w << " " << m.word;
            }
            const bool missing = count(QStringLiteral("Validation_Information"),
                                       QStringLiteral("WallID = %1 AND WallWidth = %2").arg(id).arg(w)) > 0;
            EXPECT_EQ(view.comparisonCell(id - 1, 2 + (w - 6) / 2).endsWith(QLatin1Char('*')), missing);
            EXPECT_EQ(total(id, QStringLiteral("Missing%1").arg(w)), missing ? QStringLiteral("0") : QStringLiteral("-1"));
        }
    }
    // Wall 1: one opening under one header, two columns standing.
    EXPECT_EQ(total(1, QStringLiteral("NumberColumns")), QStringLiteral("2"));
    EXPECT_EQ(total(1, QStringLiteral("NumberHeaders")), QStringLiteral("1"));
    EXPECT_EQ(total(2, QStringLiteral("6JambX")), QStringLiteral("0"));
    // Columns 10 ft high carry the trimmers: 9.625 ft raised to 10.
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Material_List WHERE WallID = 1 AND MemberType = 'Trimmer' "
                                    "AND PieceLength <> 10")).toInt32(), 0);
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("WallID = 1 AND MemberType = 'Trimmer'")), 3);
}

}  // namespace
