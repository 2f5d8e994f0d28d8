// The calculation's scratch rows are not carried into a compaction, and
// freed pages are not overwritten: emptying tables costs little.
#include "core/project_reset.h"
#include "tests/test_support.h"

namespace {

class ScratchTables : public dvtest::DbTest {};

TEST_F(ScratchTables, EmptyingThemLeavesTheProjectAndItsResults)
{
    addEaveWall(1, QStringLiteral("North"), 10, 30, 24);
    exec(QStringLiteral("INSERT INTO Material_List (WallID, WallName, WallWidth, MemberType) VALUES (1, 'North', 6, 'Stud')"));
    exec(QStringLiteral("INSERT INTO Validation_Information (MemberName, WallID) VALUES ('Stud', 1)"));
    for (const char* t : {"Temp_Stud_Table", "Temp_Gable_Table", "Temp_CornerStud_Table", "Temp_Column_Table", "Temp_Header_Table"})
        exec(QStringLiteral("INSERT INTO %1 (WallID) VALUES (1)").arg(QLatin1String(t)));
    dv::EmptyScratchTables();
    for (const char* t : {"Temp_Stud_Table", "Temp_Gable_Table", "Temp_CornerStud_Table", "Temp_Column_Table", "Temp_Header_Table"})
        EXPECT_EQ(count(QLatin1String(t)), 0) << t;
    EXPECT_EQ(count(QStringLiteral("Material_List")), 1);
    EXPECT_EQ(count(QStringLiteral("Validation_Information")), 1);
    EXPECT_EQ(count(QStringLiteral("General_Information")), 1);
    EXPECT_EQ(count(QStringLiteral("Project_Information")), 1);
}

TEST_F(ScratchTables, FreedPagesAreNotOverwritten)
{
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA secure_delete")).toInt32(), 0);
}

}  // namespace
