// The comparison of the three wall widths: material totals marked up, jamb
// extensions kept apart, amounts raised to whole numbers, widths with a
// missing member marked, and the totals written back to each wall.
#include "core/comparison.h"
#include "core/app_state.h"
#include "engine/calculate.h"
#include "platform/app_error.h"
#include "tests/test_support.h"

namespace {

class ComparisonTest : public dvtest::DbTest {
protected:
    void addWall(int id, const QString& name, const QString& complete = QStringLiteral("Yes"))
    {
        exec(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (%1, %2)").arg(id).arg(dv::sqlQuote(name)));
        view.wallRows.push_back({QString::number(id), name, complete});
    }
    void setTotal(int id, const QString& field, const QString& amount)
    {
        exec(QStringLiteral("UPDATE Project_Information SET \"%1\" = %2 WHERE ID = %3").arg(field, amount).arg(id));
    }
    void missing(int id, int width, const QString& member = QStringLiteral("Stud"))
    {
        exec(QStringLiteral("INSERT INTO Validation_Information (MemberName, WallID, WallName, WallWidth) "
                            "VALUES ('%1', %2, 'W', %3)").arg(member).arg(id).arg(width));
    }
    QString field(int id, const QString& name)
    {
        return scalar(QStringLiteral("SELECT %1 FROM Project_Information WHERE ID = %2").arg(name).arg(id)).toText();
    }
    void build(const QString& factor = QString()) { dv::BuildComparisonGrid(factor); }
};

TEST_F(ComparisonTest, WallsNotCompleteGiveNoRowAndKeepTheirTotals)
{
    addWall(1, QStringLiteral("North"), QStringLiteral("No"));
    addWall(2, QStringLiteral("South"), QStringLiteral("No"));
    setTotal(1, QStringLiteral("6Studs"), QStringLiteral("100"));
    exec(QStringLiteral("UPDATE Project_Information SET Total6 = 55, Missing6 = -1"));
    view.comparisonRows.push_back({QStringLiteral("old")});
    build();
    EXPECT_EQ(view.comparisonRowCount(), 0);
    EXPECT_EQ(field(1, QStringLiteral("Total6")), QStringLiteral("55"));
    EXPECT_EQ(field(2, QStringLiteral("Missing6")), QStringLiteral("-1"));
}

TEST_F(ComparisonTest, CellsAddTheElevenMaterialTotalsAndShowJambExtensionsApart)
{
    addWall(1, QStringLiteral("North"));
    const char* words[] = {"Studs", "Columns", "Headers", "Cripples", "Trimmers", "HeaderPlates",
                           "TopPlates", "BottomPlates", "Blocking", "Sheathing", "Connectors"};
    for (const char* w : words)
        setTotal(1, QStringLiteral("8") + QLatin1String(w), QStringLiteral("10.25"));  // 112.75
    setTotal(1, QStringLiteral("8JambX"), QStringLiteral("56"));
    setTotal(1, QStringLiteral("6Studs"), QStringLiteral("1234.5678"));
    build();
    ASSERT_EQ(view.comparisonRowCount(), 1);
    EXPECT_EQ(view.comparisonCell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(view.comparisonCell(0, 1), QStringLiteral("North"));
    EXPECT_EQ(view.comparisonCell(0, 2), QStringLiteral("$1235.00/$0.00"));
    EXPECT_EQ(view.comparisonCell(0, 3), QStringLiteral("$113.00/$56.00"));
    EXPECT_EQ(view.comparisonCell(0, 4), QStringLiteral("$0.00/$0.00"));
    EXPECT_EQ(field(1, QStringLiteral("Total6")), QStringLiteral("1234.5678"));
    EXPECT_EQ(field(1, QStringLiteral("Total8")), QStringLiteral("168.75"));  // not rounded
    EXPECT_EQ(field(1, QStringLiteral("Total10")), QStringLiteral("0"));
}

TEST_F(ComparisonTest, AmountsAreRaisedToWholeNumbersWithHalvesToEven)
{
    addWall(1, QStringLiteral("A"));
    setTotal(1, QStringLiteral("6Studs"), QStringLiteral("1234"));
    setTotal(1, QStringLiteral("8Studs"), QStringLiteral("1235"));
    setTotal(1, QStringLiteral("10Studs"), QStringLiteral("1234.01"));
    setTotal(1, QStringLiteral("6JambX"), QStringLiteral("12.5"));
    setTotal(1, QStringLiteral("8JambX"), QStringLiteral("10.2"));
    build();
    EXPECT_EQ(view.comparisonCell(0, 2), QStringLiteral("$1234.00/$13.00"));
    EXPECT_EQ(view.comparisonCell(0, 3), QStringLiteral("$1236.00/$11.00"));
    EXPECT_EQ(view.comparisonCell(0, 4), QStringLiteral("$1235.00/$0.00"));
}

TEST_F(ComparisonTest, AMissingMemberMarksOnlyItsWidth)
{
    addWall(1, QStringLiteral("A"));
    setTotal(1, QStringLiteral("8Studs"), QStringLiteral("20"));
    missing(1, 8);
    missing(1, 8, QStringLiteral("Column 1"));
    missing(2, 6);  // another wall's finding
    build();
    EXPECT_EQ(view.comparisonCell(0, 2), QStringLiteral("$0.00/$0.00"));
    EXPECT_EQ(view.comparisonCell(0, 3), QStringLiteral("$20.00/$0.00*"));
    EXPECT_EQ(view.comparisonCell(0, 4), QStringLiteral("$0.00/$0.00"));
    EXPECT_EQ(field(1, QStringLiteral("Missing6")), QStringLiteral("-1"));
    EXPECT_EQ(field(1, QStringLiteral("Missing8")), QStringLiteral("0"));
    EXPECT_EQ(field(1, QStringLiteral("Missing10")), QStringLiteral("-1"));
}

TEST_F(ComparisonTest, TheProfileMarkupAppliesToMaterialOnlyWhenTicked)
{
    addWall(1, QStringLiteral("A"));
    exec(QStringLiteral("UPDATE Customer_ProfileID SET Markup = 15 WHERE ID = 1"));
    setTotal(1, QStringLiteral("6Studs"), QStringLiteral("100"));
    setTotal(1, QStringLiteral("6Sheathing"), QStringLiteral("100"));
    setTotal(1, QStringLiteral("6JambX"), QStringLiteral("50"));
    build();
    EXPECT_EQ(view.comparisonCell(0, 2), QStringLiteral("$200.00/$50.00"));
    EXPECT_EQ(field(1, QStringLiteral("Total6")), QStringLiteral("250"));

    view.markup = 1;
    build();
    ASSERT_EQ(view.comparisonRowCount(), 1);
    EXPECT_EQ(view.comparisonCell(0, 2), QStringLiteral("$230.00/$50.00"));
    EXPECT_EQ(field(1, QStringLiteral("Total6")), QStringLiteral("280"));

    // Default pricing changes prices, not the selected profile's markup.
    exec(QStringLiteral("INSERT INTO Customer_ProfileID (ID, CustomerProfileName, Markup, DeliveryCharge) "
                        "VALUES (2, 'Builder', 20, 0)"));
    view.profileID = 2;
    view.defaultPricing = true;
    build();
    EXPECT_EQ(view.comparisonCell(0, 2), QStringLiteral("$240.00/$50.00"));
}

TEST_F(ComparisonTest, AFactorTextReplacesTheMarkup)
{
    addWall(1, QStringLiteral("A"));
    view.markup = 1;
    setTotal(1, QStringLiteral("10Headers"), QStringLiteral("100"));
    setTotal(1, QStringLiteral("10JambX"), QStringLiteral("7"));
    build(QStringLiteral("1.2"));
    EXPECT_EQ(view.comparisonCell(0, 4), QStringLiteral("$120.00/$8.00"));  // an odd whole 7 goes up
    EXPECT_EQ(field(1, QStringLiteral("Total10")), QStringLiteral("127"));

    try {
        build(QStringLiteral("1,2"));
        FAIL() << "a factor that is not a number must be refused";
    } catch (const dv::AppError& e) {
        EXPECT_EQ(e.number(), dv::err::TypeMismatch);
    }
}

TEST_F(ComparisonTest, TotalsGoToTheWallByItsIDAcrossGaps)
{
    addWall(1, QStringLiteral("Front"));
    addWall(3, QStringLiteral("Bob`s wall"));
    setTotal(3, QStringLiteral("6Studs"), QStringLiteral("40"));
    setTotal(1, QStringLiteral("6Studs"), QStringLiteral("10"));
    build();
    ASSERT_EQ(view.comparisonRowCount(), 2);
    EXPECT_EQ(view.comparisonCell(1, 0), QStringLiteral("3"));
    EXPECT_EQ(view.comparisonCell(1, 1), QStringLiteral("Bob's wall"));
    EXPECT_EQ(field(3, QStringLiteral("Total6")), QStringLiteral("40"));
    EXPECT_EQ(field(1, QStringLiteral("Total6")), QStringLiteral("10"));
    EXPECT_EQ(dv::CurrentWallID, 3);
}

TEST_F(ComparisonTest, ANullMemberTotalIsAnError)
{
    addWall(1, QStringLiteral("A"));
    exec(QStringLiteral("UPDATE Project_Information SET \"8Blocking\" = NULL WHERE ID = 1"));
    EXPECT_THROW(build(), dv::AppError);
}

TEST_F(ComparisonTest, AWidthWhoseStudsFoundNoProductIsMarkedAfterValidation)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24, QStringLiteral("EXPOSURE B"), 1, QString(), 0);
    view.wallRows.push_back({QStringLiteral("1"), QStringLiteral("Front"), QStringLiteral("Yes")});
    exec(QStringLiteral("UPDATE Project_Information SET HasCenterStuds = 'Yes', \"8Studs\" = 300, \"10Studs\" = 400 "
                        "WHERE ID = 1"));
    // The 2x6 studs found no product: only 2x8 and 2x10 have their row.
    exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType, StudSpacing) VALUES "
                        "(1, 8, 'Stud', '1.3334'), (1, 10, 'Stud', '2')"));
    dv::ValidateMaterialList();
    EXPECT_EQ(view.validationShown, 1);
    build();
    ASSERT_EQ(view.comparisonRowCount(), 1);
    EXPECT_EQ(view.comparisonCell(0, 2), QStringLiteral("$0.00/$0.00*"));
    EXPECT_EQ(view.comparisonCell(0, 3), QStringLiteral("$300.00/$0.00"));
    EXPECT_EQ(view.comparisonCell(0, 4), QStringLiteral("$400.00/$0.00"));
    EXPECT_EQ(field(1, QStringLiteral("Missing6")), QStringLiteral("0"));
    EXPECT_EQ(field(1, QStringLiteral("Missing8")), QStringLiteral("-1"));
    EXPECT_EQ(field(1, QStringLiteral("Missing10")), QStringLiteral("-1"));
}

}  // namespace
