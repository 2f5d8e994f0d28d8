// The checks at the end of a calculation: studs, columns and headers per
// wall and width against the material list, the findings recorded, and the
// results window asked for only when something is missing.
#include "engine/calculate.h"
#include "engine/validation.h"
#include "tests/test_support.h"

namespace {

class ValidationTest : public dvtest::DbTest {
protected:
    void check(int id)
    {
        view.wallRows.push_back({QString::number(id), QStringLiteral("W"), QStringLiteral("Yes")});
    }
    void studInfo(int id, int interp, const QString& centre)
    {
        exec(QStringLiteral("UPDATE Project_Information SET InterpValue = %1, HasCenterStuds = '%2' WHERE ID = %3")
                 .arg(interp).arg(centre).arg(id));
    }
    void rows(int id, int width, const QString& type, int n, const QString& memberName = QString())
    {
        for (int i = 0; i < n; ++i)
            exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType, MemberName) VALUES (%1, %2, '%3', %4)")
                     .arg(id).arg(width).arg(type, memberName.isNull() ? QStringLiteral("NULL") : dv::sqlQuote(memberName)));
    }
    void rowsAllWidths(int id, const QString& type, int n, const QString& memberName = QString())
    {
        for (int w : {6, 8, 10})
            rows(id, w, type, n, memberName);
    }
    // Findings as "member/wall/width" in the order they were recorded.
    QStringList findings()
    {
        QStringList out;
        dv::Recordset rs = dv::DbConnection.query(
            QStringLiteral("SELECT MemberName, WallID, WallWidth FROM Validation_Information ORDER BY ID"));
        for (; !rs.eof(); rs.moveNext())
            out << rs.field(0).toText() + QLatin1Char('/') + rs.field(1).toText() + QLatin1Char('/') + rs.field(2).toText();
        return out;
    }
};

TEST_F(ValidationTest, AProjectWithEverythingFoundRecordsNothingAndShowsNoWindow)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);  // two corners
    studInfo(1, 1, QStringLiteral("Yes"));
    rowsAllWidths(1, QStringLiteral("Stud"), 1);
    rowsAllWidths(1, QStringLiteral("Stud"), 1, QStringLiteral("Corner Stud"));
    addColumn(1, 1, QStringLiteral("12"), QStringLiteral("4"));
    rowsAllWidths(1, QStringLiteral("Column"), 1, QStringLiteral("Column 1"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("2"));
    rowsAllWidths(1, QStringLiteral("Header"), 1, QStringLiteral("Header 1, ID# 1 (Top)"));
    rowsAllWidths(1, QStringLiteral("Header"), 1, QStringLiteral("Header 1, ID# 2 (Bottom)"));
    exec(QStringLiteral("INSERT INTO Validation_Information (MemberName, WallID) VALUES ('old', 9)"));
    check(1);
    dv::ValidateMaterialList();
    EXPECT_TRUE(findings().isEmpty());
    EXPECT_EQ(view.pleaseWaitClosed, 1);
    EXPECT_EQ(view.validationShown, 0);
}

TEST_F(ValidationTest, GableStudsExpectOneRowPerHeightLocationPlusCentreAndCorner)
{
    addGableWall(1, QStringLiteral("Gable"), 10, 20, 30, 6, 0);
    studInfo(1, 3, QStringLiteral("Yes"));
    rows(1, 6, QStringLiteral("Stud"), 4);
    rows(1, 6, QStringLiteral("Stud"), 1, QStringLiteral("Corner Stud"));  // 5: complete
    rows(1, 8, QStringLiteral("Stud"), 4);                                  // 4: short
    rows(1, 10, QStringLiteral("Stud"), 6);                                 // 6: too many
    check(1);
    EXPECT_EQ(dv::ValidateStuds(), 0);
    EXPECT_EQ(findings(), (QStringList{QStringLiteral("Stud/1/8"), QStringLiteral("Stud/1/10")}));
}

TEST_F(ValidationTest, EaveStudsAreCheckedByCentreStretchAndAWallWithNoStudRowIsShort)
{
    addEaveWall(1, QStringLiteral("Corners"), 10, 30, 24, QStringLiteral("EXPOSURE B"), 1, QString(), 2);
    studInfo(1, 0, QStringLiteral("Yes"));
    rows(1, 6, QStringLiteral("Stud"), 2);  // stud + corner stud
    rows(1, 8, QStringLiteral("Stud"), 1);
    rows(1, 10, QStringLiteral("Stud"), 2);
    addEaveWall(2, QStringLiteral("No corners"), 10, 30, 24, QStringLiteral("EXPOSURE B"), 1, QString(), 0);
    studInfo(2, 0, QStringLiteral("Yes"));
    rowsAllWidths(2, QStringLiteral("Stud"), 1);
    // No centre stretch: the layout is not checked, but no stud row at all
    // for a width still means the studs are missing.
    addEaveWall(3, QStringLiteral("No stretch"), 10, 30, 24);
    studInfo(3, 0, QStringLiteral("No"));
    rows(3, 6, QStringLiteral("Stud"), 1, QStringLiteral("Corner Stud"));
    rows(3, 8, QStringLiteral("Stud"), 3);
    check(1);
    check(2);
    check(3);
    EXPECT_EQ(dv::ValidateStuds(), 0);
    EXPECT_EQ(findings(), (QStringList{QStringLiteral("Stud/1/8"), QStringLiteral("Stud/3/10")}));
}

TEST_F(ValidationTest, AnyWallWithoutAStudRowIsShortAndMemberTypesMatchWithoutCase)
{
    // A gable wall whose layout asks for no row at all still needs its studs.
    addGableWall(1, QStringLiteral("Gable"), 10, 20, 30, 6, 0, QStringLiteral("EXPOSURE B"), 1, QString(), 0);
    studInfo(1, 0, QStringLiteral("No"));
    addEaveWall(2, QStringLiteral("Eave"), 10, 30, 24, QStringLiteral("EXPOSURE B"), 1, QString(), 0);
    studInfo(2, 0, QStringLiteral("Yes"));
    rows(2, 6, QStringLiteral("STUD"), 1);
    rows(2, 10, QStringLiteral("stud"), 1);
    check(1);
    check(2);
    EXPECT_EQ(dv::ValidateStuds(), 0);
    EXPECT_EQ(findings(), (QStringList{QStringLiteral("Stud/1/6"), QStringLiteral("Stud/1/8"), QStringLiteral("Stud/1/10"),
                                       QStringLiteral("Stud/2/8")}));
}

TEST_F(ValidationTest, ColumnsNeedExactlyOneRowAndRemovedColumnsArePassedOver)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    addColumn(1, 1, QStringLiteral("12"), QStringLiteral("4"));
    addColumn(1, 2, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"));
    addColumn(1, 3, QStringLiteral("12"), QStringLiteral("4"));
    rowsAllWidths(1, QStringLiteral("Column"), 1, QStringLiteral("Column 1"));
    rows(1, 6, QStringLiteral("Column"), 1, QStringLiteral("Column 3"));
    rows(1, 8, QStringLiteral("Column"), 2, QStringLiteral("Column 3"));  // two rows: as bad as none
    check(1);
    EXPECT_EQ(dv::ValidateColumns(), 0);
    EXPECT_EQ(findings(), (QStringList{QStringLiteral("Column 3/1/8"), QStringLiteral("Column 3/1/10")}));
}

TEST_F(ValidationTest, HeadersAreCountedPerOpeningWithoutConfusingOpening1With10And11)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 60, 24);
    for (int k = 1; k <= 11; ++k) {
        addOpening(1, k, QStringLiteral("3"), QStringLiteral("7"), k == 1 ? QStringLiteral("2") : QStringLiteral("1"));
        if (k > 1)
            rowsAllWidths(1, QStringLiteral("Header"), 1, QStringLiteral("Header %1, ID# 1 (Top)").arg(k));
    }
    addOpening(1, 12, QStringLiteral("**Removed**"), QStringLiteral("**Removed**"), QStringLiteral("NA"));
    // Opening 1 needs two headers; only its top one was found.
    rowsAllWidths(1, QStringLiteral("Header"), 1, QStringLiteral("Header 1, ID# 1 (Top)"));
    rows(1, 8, QStringLiteral("Header"), 1, QStringLiteral("Header 1, ID# 2 (Bottom)"));
    check(1);
    EXPECT_EQ(dv::ValidateHeaders(), 0);
    EXPECT_EQ(findings(), (QStringList{QStringLiteral("Rough Opening 1/1/6"), QStringLiteral("Rough Opening 1/1/10")}));
}

TEST_F(ValidationTest, OnlyCheckedWallsAreValidatedAndFindingsComeCheckByCheck)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    studInfo(1, 0, QStringLiteral("Yes"));
    addColumn(1, 1, QStringLiteral("12"), QStringLiteral("4"));
    addEaveWall(2, QStringLiteral("Back"), 10, 30, 24);
    studInfo(2, 0, QStringLiteral("Yes"));
    view.wallRows.push_back({QStringLiteral("2"), QStringLiteral("Back"), QStringLiteral("No")});
    check(1);
    dv::ValidateMaterialList();
    EXPECT_EQ(findings(), (QStringList{QStringLiteral("Stud/1/6"), QStringLiteral("Stud/1/8"), QStringLiteral("Stud/1/10"),
                                       QStringLiteral("Column 1/1/6"), QStringLiteral("Column 1/1/8"),
                                       QStringLiteral("Column 1/1/10")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT WallName FROM Validation_Information WHERE ID = (SELECT MIN(ID) FROM "
                                    "Validation_Information)")).toText(),
              QStringLiteral("Front"));
    EXPECT_EQ(view.pleaseWaitClosed, 1);
    EXPECT_EQ(view.validationShown, 1);
}

TEST_F(ValidationTest, TheStudCheckAloneFailingStillOpensTheResults)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    studInfo(1, 0, QStringLiteral("Yes"));
    rows(1, 6, QStringLiteral("Stud"), 2);
    rows(1, 8, QStringLiteral("Stud"), 2);
    check(1);
    dv::ValidateMaterialList();
    EXPECT_EQ(findings(), QStringList{QStringLiteral("Stud/1/10")});
    EXPECT_EQ(view.validationShown, 1);
}

}  // namespace
