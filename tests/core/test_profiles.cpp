// The customer profile list: a new profile is a complete copy of "Default"
// under its own ID, a removed one leaves no row behind, neither half-happens
// on an error.
#include "core/compact.h"
#include "core/profiles.h"
#include "engine/calculate.h"
#include "platform/app_error.h"
#include "tests/profiles_fixture.h"

namespace {

using dvtest::ProfilesTest;

TEST_F(ProfilesTest, CopyCarriesEveryStoredValueOfDefaultExactly)
{
    exec("UPDATE Customer_Profiles SET LaborRate = 32.5, MaxStudHeightEaveSL = 14.5, "
         "Jamb2x6L = 'O`Neil''s', Jamb2x8M = NULL, MfrName = 'Brightwater Windows' WHERE CustomerProfileID = 1");
    exec("UPDATE Product_Pricing SET Product3 = 1.2345, Product4 = NULL WHERE CustomerProfileID = 1");
    exec("UPDATE Product_Inventory SET Product2 = 0, Product40 = -1 WHERE CustomerProfileID = 1");
    const QStringList stored = copyOf(1);
    ASSERT_EQ(stored.size(), 31 + 40 + 40);

    const int a = dv::AddProfile("Acme", 12.5, dv::Money::fromDouble(50));
    const int b = dv::AddProfile("Birch", 0, dv::Money());
    EXPECT_NE(a, b);
    for (int id : {a, b}) {
        EXPECT_EQ(copyOf(id), stored);
        EXPECT_EQ(rowsOf(id), 4);
    }
    EXPECT_EQ(rowsOf(1), 4);
    EXPECT_EQ(copyOf(1), stored);
    EXPECT_EQ(charges(a), "12.5/50");
}

TEST_F(ProfilesTest, WithoutASettingsRowOfDefaultTheNewProfileGetsPricesAndStockOnly)
{
    exec("DELETE FROM Customer_Profiles WHERE CustomerProfileID = 1");
    const int id = dv::AddProfile("Acme", 0, dv::Money());
    EXPECT_EQ(count("Customer_Profiles", QStringLiteral("CustomerProfileID = %1").arg(id)), 0);
    EXPECT_EQ(rowsOf(id), 3);
}

TEST_F(ProfilesTest, ANumericLookingNameKeepsItsTextAndGetsACompleteProfile)
{
    const int id = dv::AddProfile(dv::StoredProfileName(" 007 "), 0, dv::Money());
    EXPECT_EQ(scalar(QStringLiteral("SELECT CustomerProfileName || '/' || typeof(CustomerProfileName) "
                                    "FROM Customer_ProfileID WHERE ID = %1").arg(id)).toText(), "007/text");
    EXPECT_EQ(rowsOf(id), 4);
    EXPECT_EQ(dv::StoredProfileName(QString(300, 'x')).size(), 255);
}

TEST_F(ProfilesTest, AFailureInTheMiddleOfAnAddOrARemoveLeavesEveryTableAsItWas)
{
    const int kept = dv::AddProfile("Kept", 5, dv::Money());
    const auto before = profileCounts();
    exec("CREATE TRIGGER stop_add BEFORE INSERT ON Product_Inventory BEGIN SELECT RAISE(ABORT, 'full'); END");
    EXPECT_THROW(dv::AddProfile("Lost", 0, dv::Money()), dv::AppError);
    EXPECT_EQ(profileCounts(), before);
    EXPECT_EQ(count("Customer_ProfileID", "CustomerProfileName = 'Lost'"), 0);

    exec("CREATE TRIGGER stop_remove BEFORE DELETE ON Product_Pricing BEGIN SELECT RAISE(ABORT, 'locked'); END");
    EXPECT_THROW(dv::RemoveProfile(kept), dv::AppError);
    EXPECT_EQ(profileCounts(), before);
    EXPECT_EQ(rowsOf(kept), 4);
}

TEST_F(ProfilesTest, RemovedIDsAreNeverGivenOutAgainNotEvenAfterCompaction)
{
    const int first = dv::AddProfile("First", 0, dv::Money());
    dv::RemoveProfile(first);
    EXPECT_EQ(rowsOf(first), 0);
    exec("INSERT INTO Window_Manufacturer (MfrName) VALUES ('Gone')");
    const int maker = scalar("SELECT ID FROM Window_Manufacturer WHERE MfrName = 'Gone'").toInt32();
    exec(QStringLiteral("DELETE FROM Window_Manufacturer WHERE ID = %1").arg(maker));

    dv::DbConnection.close();
    ASSERT_TRUE(dv::Compact(dbPath, QString(), true));
    dv::OpenDatabase();

    const int second = dv::AddProfile("Second", 0, dv::Money());
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(rowsOf(second), 4);
    exec("INSERT INTO Window_Manufacturer (MfrName) VALUES ('New')");
    EXPECT_EQ(scalar("SELECT ID FROM Window_Manufacturer WHERE MfrName = 'New'").toInt32(), maker + 1);
}

TEST_F(ProfilesTest, ANewMarkupOfTheSelectedProfileEmptiesTheComparisonWhileTheMarkupApplies)
{
    const int a = dv::AddProfile("Alder", 10, dv::Money());
    const int b = dv::AddProfile("Birch", 10, dv::Money());
    const struct { int edited; int applies; double markup; bool cleared; } cases[] = {
        {a, 1, 10, false}, {a, 1, 12, true}, {a, 0, 14, false}, {b, 1, 16, false}};
    for (const auto& c : cases) {
        view.setSelectedProfile(a, "Alder");
        view.markup = c.applies;
        view.comparisonRows = {{"1", "North"}};
        dv::UpdateProfile(c.edited, c.edited == a ? "Alder" : "Birch", c.markup, dv::Money());
        EXPECT_EQ(view.comparisonRowCount() == 0, c.cleared) << c.edited << " " << c.applies << " " << c.markup;
    }
}

TEST_F(ProfilesTest, CompareIsPricedByANewProfileKeptWhenRenamedAndByDefaultOnceItIsRemoved)
{
    addEaveWall(1, "North", 10, 30, 24);
    view.wallRows.push_back({"1", "North", "Yes"});
    auto compareTotals = [&] {
        dv::RunCompare();
        EXPECT_EQ(view.comparisonRowCount(), 1);
        return scalar("SELECT Total6 FROM Project_Information WHERE ID = 1").toMoney();
    };
    const dv::Money byDefault = compareTotals();
    ASSERT_GT(byDefault, dv::Money());

    const int id = dv::AddProfile("Dear", 0, dv::Money());
    QStringList doubled;
    for (int i = 1; i <= 40; ++i)
        doubled << QStringLiteral("Product%1 = Product%1 * 2").arg(i);
    exec(QStringLiteral("UPDATE Product_Pricing SET %1 WHERE CustomerProfileID = %2").arg(doubled.join(", ")).arg(id));
    view.setSelectedProfile(id, "Dear");
    // The same members are chosen, each at twice the price.
    EXPECT_EQ(compareTotals(), byDefault + byDefault);

    // Renamed: the project window shows the new name and keeps its comparison.
    dv::UpdateProfile(id, "Dear`s", 0, dv::Money());
    dv::AfterProfilesChanged(view);
    EXPECT_EQ(view.profileID, id);
    EXPECT_EQ(view.profileName, "Dear`s");  // as its list row reads
    EXPECT_EQ(view.comparisonRowCount(), 1);

    // Removed: the project window falls back to "Default" and must compare again.
    dv::RemoveProfile(id);
    dv::AfterProfilesChanged(view);
    EXPECT_EQ(view.profileID, 1);
    EXPECT_EQ(view.profileName, "Default");
    EXPECT_EQ(view.comparisonRowCount(), 0);
    EXPECT_EQ(compareTotals(), byDefault);
}

}  // namespace
