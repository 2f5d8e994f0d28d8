// The detailed summary's figures: wall headings with their member counts,
// the eave and gable table shapes with lengths in feet and inches, the
// hurricane exposure, and the loading table.
#include "platform/app_error.h"
#include "reports/detailed_data.h"
#include "tests/ui/report_test_support.h"

namespace {

class DetailedDataTest : public dvtest::ReportDataTest {};

TEST_F(DetailedDataTest, HighWindSpeedsPrintHurricaneProne)
{
    addEaveWall(1, QStringLiteral("North"), 9, 40, 24, QStringLiteral("EXPOSURE C"));
    listWall(1, QStringLiteral("North"));
    for (int mph : {90, 100, 110, 120}) {
        setWindSpeed(mph);
        const bool high = mph >= 110;
        EXPECT_EQ(dv::BuildWallDetails().at(0).cells[5], high ? QStringLiteral("Hurricane Prone")
                                                              : QStringLiteral("EXPOSURE C")) << mph;
        EXPECT_EQ(dv::BuildLoadingInformation().rows.at(0)[1], QString::number(mph) + QStringLiteral(" mph"));
    }
}

TEST_F(DetailedDataTest, HeadingCountsLiveMembersOnly)
{
    addEaveWall(1, QStringLiteral("North"), 9, 40, 24);
    addColumn(1, 1, QStringLiteral("9"), QStringLiteral("4"));
    addColumn(1, 2, QStringLiteral("**Removed**"), QStringLiteral("NA"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("2"));
    addOpening(1, 2, QStringLiteral("**Removed**"), QStringLiteral("NA"), QStringLiteral("NA"));
    addOpening(1, 3, QStringLiteral("4"), QStringLiteral("6"), QString());  // an empty count reads 0
    listWall(1, QStringLiteral("North"));
    std::vector<dv::WallDetails> d = dv::BuildWallDetails();
    EXPECT_EQ(d.at(0).headingParts, QStringList({", 1 Column", ", 2 Headers"}));

    material(1, 6, QStringLiteral("STUD"), QStringLiteral("2x6 SPF"), 10, 9);
    addColumn(1, 3, QStringLiteral("9"), QStringLiteral("4"));
    exec(QStringLiteral("UPDATE Header_Information SET NumHeaders = '1' WHERE ROID = 'Rough Opening 1'"));
    d = dv::BuildWallDetails();
    EXPECT_EQ(d.at(0).headingParts, QStringList({"Wall Studs", ", 2 Columns", ", 1 Header"}));

    exec(QStringLiteral("UPDATE Header_Information SET NumHeaders = 'two' WHERE ROID = 'Rough Opening 1'"));
    EXPECT_THROW(dv::BuildWallDetails(), dv::AppError);
}

TEST_F(DetailedDataTest, EmptyFiguresReadAsNothingAndMissingWallDataIsLeftOut)
{
    addGableWall(1, QStringLiteral("North"), 10, 18, 30, 6, 2);
    exec(QStringLiteral("UPDATE General_Information SET NumberCorners = Null, MonoSlope = Null"));
    exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = Null"));
    listWall(1, QStringLiteral("North"));
    listWall(7, QStringLiteral("No data"));  // complete in the list, no wall data
    const std::vector<dv::WallDetails> d = dv::BuildWallDetails();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].cells[7], QStringLiteral("0"));
    EXPECT_EQ(d[0].cells[8], QStringLiteral("No"));
    EXPECT_EQ(d[0].headingParts, QStringList());
    EXPECT_EQ(dv::SelectedWindSpeed(), 90);
}

TEST_F(DetailedDataTest, LoadingRowsPerCompleteWallWithItsState)
{
    setWindSpeed(100);
    const dv::Value state = scalar(QStringLiteral("SELECT StateName FROM Roof_Loading WHERE ID = 1"));
    const QString ll = scalar(QStringLiteral("SELECT RoofLL FROM Roof_Loading WHERE ID = 1")).toText();
    addEaveWall(1, QStringLiteral("North"), 9, 40, 24);
    addEaveWall(2, QStringLiteral("South"), 9, 40, 24, QStringLiteral("EXPOSURE B"), 9999);  // no such state
    listWall(1, QStringLiteral("North"));
    listWall(2, QStringLiteral("South"));
    listWall(3, QStringLiteral("Draft"), QStringLiteral("No"));
    dv::LoadingTable t = dv::BuildLoadingInformation();
    EXPECT_EQ(t.header, QStringList({"Wall System Name", "Wind Speed", "State Name", "Live Load", "Dead Load"}));
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0][0], QStringLiteral("North"));
    EXPECT_EQ(t.rows[0][1], QStringLiteral("100 mph"));
    EXPECT_EQ(t.rows[0][2], state.toText());
    EXPECT_EQ(t.rows[0][3], ll + QStringLiteral(" psf"));

    view.profileID = 4242;  // a profile without its settings row
    EXPECT_THROW(dv::BuildLoadingInformation(), dv::AppError);
    EXPECT_EQ(dv::SelectedWindSpeed(), 90);
    view.wallRows.clear();
    EXPECT_TRUE(dv::BuildLoadingInformation().rows.empty());
}

}  // namespace
