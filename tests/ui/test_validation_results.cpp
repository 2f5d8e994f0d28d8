// The validation results window lists the recorded findings.
#include "platform/widgets/data_grid.h"
#include "reports/frmDorvValidationResults.h"
#include "tests/test_support.h"
#include "ui/common/app_info.h"
#include "ui/project/frmDorvMain.h"

namespace {

using ValidationResultsTest = dvtest::DbTest;

TEST_F(ValidationResultsTest, TheResultsWindowListsTheFindingsWithNamesRestored)
{
    exec(QStringLiteral("INSERT INTO Validation_Information (MemberName, WallID, WallName, WallWidth) "
                        "VALUES ('Rough Opening 2', 4, 'Bob`s porch', 8)"));
    exec(QStringLiteral("INSERT INTO Validation_Information (MemberName, WallID, WallName, WallWidth) "
                        "VALUES ('Stud', 1, 'Front', 10)"));
    dv::frmDorvMain main;
    int shown = 0;
    dv::frmDorvValidationResults::showHook = [&](dv::frmDorvValidationResults& w) {
        ++shown;
        EXPECT_TRUE(w.isModal());
        EXPECT_EQ(w.windowTitle(), dv::appTitle() + QStringLiteral(" [Validation Results]"));
        ASSERT_EQ(w.grdValidationResults->rows(), 2);
        EXPECT_EQ(w.grdValidationResults->cellText(0, 0), QStringLiteral("1"));
        EXPECT_EQ(w.grdValidationResults->cellText(0, 1), QStringLiteral("Rough Opening 2"));
        EXPECT_EQ(w.grdValidationResults->cellText(0, 2), QStringLiteral("4"));
        EXPECT_EQ(w.grdValidationResults->cellText(0, 3), QStringLiteral("Bob's porch"));
        EXPECT_EQ(w.grdValidationResults->cellText(0, 4), QStringLiteral("2 x 8 Wall"));
        EXPECT_EQ(w.grdValidationResults->cellText(1, 4), QStringLiteral("2 x 10 Wall"));
    };
    main.showValidationResults();
    dv::frmDorvValidationResults::showHook = nullptr;
    EXPECT_EQ(shown, 1);
}

}  // namespace
