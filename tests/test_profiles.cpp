// The customer profile list: a new profile is a complete copy of "Default"
// under its own ID, a removed one leaves no row behind, neither half-happens
// on an error, and the profile manager's boxes, buttons and messages.
#include "core/compact.h"
#include "core/profiles.h"
#include "engine/calculate.h"
#include "platform/app_error.h"
#include "platform/widgets/data_grid.h"
#include "tests/test_support.h"
#include "ui/profiles/frmDorvProfileManager.h"

#include <QLineEdit>
#include <QPushButton>
#include <deque>

namespace {

using dv::MsgButtons;
using dv::MsgResult;

const char* const kProfileTables[] = {"Customer_ProfileID", "Customer_Profiles", "Product_Pricing", "Product_Inventory"};

class ProfilesTest : public dvtest::DbTest {
protected:
    // Every field of a table's row of one profile, as text ("<Null>" for Null).
    QStringList rowOf(const QString& table, int profileID)
    {
        dv::Recordset rs = dv::DbConnection.query(
            QStringLiteral("SELECT * FROM %1 WHERE CustomerProfileID = %2").arg(table).arg(profileID));
        QStringList fields;
        if (rs.eof())
            return fields;
        for (int i = 1; i < rs.fieldCount(); ++i)
            fields << rs.fieldName(i) + QLatin1Char('=')
                          + (rs.field(i).isNull() ? QStringLiteral("<Null>") : rs.field(i).toText());
        return fields;
    }
    // Row counts of the four profile tables.
    std::vector<long long> profileCounts()
    {
        std::vector<long long> c;
        for (const char* t : kProfileTables)
            c.push_back(count(QLatin1String(t)));
        return c;
    }
    long long rowsOf(int profileID)
    {
        long long n = count(QStringLiteral("Customer_ProfileID"), QStringLiteral("ID = %1").arg(profileID));
        for (int i = 1; i < 4; ++i)
            n += count(QLatin1String(kProfileTables[i]), QStringLiteral("CustomerProfileID = %1").arg(profileID));
        return n;
    }
};

TEST_F(ProfilesTest, CopyCarriesEveryStoredValueOfDefaultExactly)
{
    exec(QStringLiteral("UPDATE Customer_Profiles SET LaborRate = 32.5, MaxStudHeightEaveSL = 14.5, "
                        "Jamb2x6L = 'O`Neil''s', Jamb2x8M = NULL, MfrName = 'Brightwater Windows' WHERE CustomerProfileID = 1"));
    exec(QStringLiteral("UPDATE Product_Pricing SET Product3 = 1.2345, Product4 = NULL WHERE CustomerProfileID = 1"));
    exec(QStringLiteral("UPDATE Product_Inventory SET Product2 = 0, Product40 = -1 WHERE CustomerProfileID = 1"));
    const QStringList settings = rowOf(QStringLiteral("Customer_Profiles"), 1);
    const QStringList prices = rowOf(QStringLiteral("Product_Pricing"), 1);
    const QStringList stock = rowOf(QStringLiteral("Product_Inventory"), 1);
    ASSERT_EQ(settings.size(), 31);
    ASSERT_EQ(prices.size(), 40);

    const int a = dv::AddProfile(QStringLiteral("Acme"), 12.5, dv::Money::fromDouble(50));
    const int b = dv::AddProfile(QStringLiteral("Birch"), 0, dv::Money());
    EXPECT_NE(a, b);
    for (int id : {a, b}) {
        EXPECT_EQ(rowOf(QStringLiteral("Customer_Profiles"), id), settings);
        EXPECT_EQ(rowOf(QStringLiteral("Product_Pricing"), id), prices);
        EXPECT_EQ(rowOf(QStringLiteral("Product_Inventory"), id), stock);
        EXPECT_EQ(rowsOf(id), 4);
    }
    EXPECT_EQ(rowsOf(1), 4);
    EXPECT_EQ(rowOf(QStringLiteral("Customer_Profiles"), 1), settings);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Markup FROM Customer_ProfileID WHERE ID = %1").arg(a)).toText(), "12.5");
    EXPECT_EQ(scalar(QStringLiteral("SELECT DeliveryCharge FROM Customer_ProfileID WHERE ID = %1").arg(a)).toText(), "50");
}

TEST_F(ProfilesTest, WithoutASettingsRowOfDefaultTheNewProfileGetsPricesAndStockOnly)
{
    exec(QStringLiteral("DELETE FROM Customer_Profiles WHERE CustomerProfileID = 1"));
    const int id = dv::AddProfile(QStringLiteral("Acme"), 0, dv::Money());
    EXPECT_EQ(count(QStringLiteral("Customer_Profiles"), QStringLiteral("CustomerProfileID = %1").arg(id)), 0);
    EXPECT_EQ(rowsOf(id), 3);
}

TEST_F(ProfilesTest, ANumericLookingNameKeepsItsTextAndGetsACompleteProfile)
{
    const int id = dv::AddProfile(dv::StoredProfileName(QStringLiteral(" 007 ")), 0, dv::Money());
    EXPECT_EQ(scalar(QStringLiteral("SELECT CustomerProfileName FROM Customer_ProfileID WHERE ID = %1").arg(id)).toText(),
              "007");
    EXPECT_EQ(scalar(QStringLiteral("SELECT typeof(CustomerProfileName) FROM Customer_ProfileID WHERE ID = %1").arg(id))
                  .toText(),
              "text");
    EXPECT_EQ(rowsOf(id), 4);
    EXPECT_EQ(dv::StoredProfileName(QString(300, QLatin1Char('x'))).size(), 255);
}

TEST_F(ProfilesTest, AFailureInTheMiddleOfAnAddOrARemoveLeavesEveryTableAsItWas)
{
    const int kept = dv::AddProfile(QStringLiteral("Kept"), 5, dv::Money());
    const auto before = profileCounts();
    exec(QStringLiteral("CREATE TRIGGER stop_add BEFORE INSERT ON Product_Inventory BEGIN SELECT RAISE(ABORT, 'full'); END"));
    EXPECT_THROW(dv::AddProfile(QStringLiteral("Lost"), 0, dv::Money()), dv::AppError);
    EXPECT_EQ(profileCounts(), before);
    EXPECT_EQ(count(QStringLiteral("Customer_ProfileID"), QStringLiteral("CustomerProfileName = 'Lost'")), 0);

    exec(QStringLiteral("CREATE TRIGGER stop_remove BEFORE DELETE ON Product_Pricing BEGIN SELECT RAISE(ABORT, 'locked'); END"));
    EXPECT_THROW(dv::RemoveProfile(kept), dv::AppError);
    EXPECT_EQ(profileCounts(), before);
    EXPECT_EQ(rowsOf(kept), 4);
}

TEST_F(ProfilesTest, RemovedIDsAreNeverGivenOutAgainNotEvenAfterCompaction)
{
    const int first = dv::AddProfile(QStringLiteral("First"), 0, dv::Money());
    dv::RemoveProfile(first);
    EXPECT_EQ(rowsOf(first), 0);
    exec(QStringLiteral("INSERT INTO Window_Manufacturer (MfrName) VALUES ('Gone')"));
    const int maker = scalar(QStringLiteral("SELECT ID FROM Window_Manufacturer WHERE MfrName = 'Gone'")).toInt32();
    exec(QStringLiteral("DELETE FROM Window_Manufacturer WHERE ID = %1").arg(maker));

    dv::DbConnection.close();
    ASSERT_TRUE(dv::Compact(dbPath, QString(), true));
    dv::OpenDatabase();

    const int second = dv::AddProfile(QStringLiteral("Second"), 0, dv::Money());
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(rowsOf(second), 4);
    exec(QStringLiteral("INSERT INTO Window_Manufacturer (MfrName) VALUES ('New')"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ID FROM Window_Manufacturer WHERE MfrName = 'New'")).toInt32(), maker + 1);
}

TEST_F(ProfilesTest, TheProjectWindowShowsARenamedProfileAndKeepsItsComparison)
{
    const int id = dv::AddProfile(QStringLiteral("Acme"), 0, dv::Money());
    view.comparisonRows.push_back({QStringLiteral("1")});
    view.setSelectedProfile(id, QStringLiteral("Acme"));
    dv::UpdateProfile(id, QStringLiteral("Acme`s"), 0, dv::Money());
    dv::AfterProfilesChanged(view);
    EXPECT_EQ(view.profileID, id);
    EXPECT_EQ(view.profileName, "Acme`s");  // as its list row reads
    EXPECT_EQ(view.comparisonRowCount(), 1);
}

TEST_F(ProfilesTest, ANewMarkupOfTheSelectedProfileEmptiesTheComparisonWhileTheMarkupApplies)
{
    const int a = dv::AddProfile(QStringLiteral("Alder"), 10, dv::Money());
    const int b = dv::AddProfile(QStringLiteral("Birch"), 10, dv::Money());
    const struct { int edited; int applies; double markup; bool cleared; } cases[] = {
        {a, 1, 10, false}, {a, 1, 12, true}, {a, 0, 14, false}, {b, 1, 16, false}};
    for (const auto& c : cases) {
        view.setSelectedProfile(a, QStringLiteral("Alder"));
        view.markup = c.applies;
        view.comparisonRows = {{QStringLiteral("1"), QStringLiteral("North")}};
        dv::UpdateProfile(c.edited, c.edited == a ? QStringLiteral("Alder") : QStringLiteral("Birch"), c.markup, dv::Money());
        EXPECT_EQ(view.comparisonRowCount() == 0, c.cleared) << c.edited << " " << c.applies << " " << c.markup;
    }
}

TEST_F(ProfilesTest, CompareIsPricedByANewProfileAndByDefaultOnceItIsRemoved)
{
    addEaveWall(1, QStringLiteral("North"), 10, 30, 24);
    view.wallRows.push_back({QStringLiteral("1"), QStringLiteral("North"), QStringLiteral("Yes")});
    auto compareTotals = [&] {
        dv::RunCompare();
        EXPECT_EQ(view.comparisonRowCount(), 1);
        return scalar(QStringLiteral("SELECT Total6 FROM Project_Information WHERE ID = 1")).toMoney();
    };
    const dv::Money byDefault = compareTotals();
    ASSERT_GT(byDefault, dv::Money());

    const int id = dv::AddProfile(QStringLiteral("Dear"), 0, dv::Money());
    QStringList doubled;
    for (int i = 1; i <= 40; ++i)
        doubled << QStringLiteral("Product%1 = Product%1 * 2").arg(i);
    exec(QStringLiteral("UPDATE Product_Pricing SET %1 WHERE CustomerProfileID = %2").arg(doubled.join(", ")).arg(id));
    view.setSelectedProfile(id, QStringLiteral("Dear"));
    const dv::Money byNew = compareTotals();
    // The same members are chosen, each at twice the price.
    EXPECT_EQ(byNew, byDefault + byDefault);

    // Removed: the project window falls back to "Default" and must compare again.
    dv::RemoveProfile(id);
    dv::AfterProfilesChanged(view);
    EXPECT_EQ(view.profileID, 1);
    EXPECT_EQ(view.profileName, "Default");
    EXPECT_EQ(view.comparisonRowCount(), 0);
    EXPECT_EQ(compareTotals(), byDefault);
}

// ---------------------------------------------------------------- the window

struct Message {
    QString text, title;
    MsgButtons buttons;
};

class TestManager : public dv::frmDorvProfileManager {
public:
    std::vector<Message> messages;
    std::deque<MsgResult> answers;

protected:
    MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons, dv::MsgIcon) override
    {
        messages.push_back({text, title, buttons});
        if (!answers.empty()) {
            const MsgResult r = answers.front();
            answers.pop_front();
            return r;
        }
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
    }
};

const QString kMarkupMsg = QStringLiteral(
    "Please check your 'Markup %' input for proper formatting.  You must format your input as a number.");
const QString kDeliveryMsg = QStringLiteral(
    "Please check your 'Delivery Charge' input for proper formatting.  You must format your input as currency.");
const QString kExists = QStringLiteral("That name already exists.  Please create a unique customer name and resubmit.");
const QString kRowRefused = QStringLiteral("The 'Default' customer profile cannot be modified.");
const QString kNameRefused = QStringLiteral("The 'Default' customer profile cannot be modified");

class ProfileManagerTest : public ProfilesTest {
protected:
    void SetUp() override
    {
        ProfilesTest::SetUp();
        w = std::make_unique<TestManager>();
    }
    void TearDown() override
    {
        w.reset();
        ProfilesTest::TearDown();
    }
    void type(const QString& name, const QString& markup = QString(), const QString& delivery = QString())
    {
        w->txtCustomerName->setText(name);
        w->txtMarkupPercent->setText(markup);
        w->txtDeliveryCharge->setText(delivery);
    }
    void add(const QString& name, const QString& markup = QString(), const QString& delivery = QString())
    {
        type(name, markup, delivery);
        w->cmdAddWallSystem->click();
    }
    int rowNamed(const QString& name)
    {
        for (int r = 0; r < w->grdCustomerProfileList->rows(); ++r)
            if (w->grdCustomerProfileList->cellText(r, 1) == name)
                return r;
        return -1;
    }
    void doubleClick(const QString& name) { emit w->grdCustomerProfileList->cellDoubleClicked(rowNamed(name), 1); }
    int idOf(const QString& storedName)
    {
        dv::PreparedStatement st =
            dv::DbConnection.prepare(QStringLiteral("SELECT ID FROM Customer_ProfileID WHERE CustomerProfileName = ?"));
        st.bind(1, storedName);
        dv::Recordset rs = dv::DbConnection.query(st);
        return rs.eof() ? 0 : rs.field(0).toInt32();
    }
    QStringList boxes() const
    {
        return {w->txtCustomerName->text(), w->txtMarkupPercent->text(), w->txtDeliveryCharge->text()};
    }
    QStringList texts() const
    {
        QStringList t;
        for (const Message& m : w->messages)
            t << m.text;
        return t;
    }
    std::unique_ptr<TestManager> w;
};

TEST_F(ProfileManagerTest, OpensInAddModeWithEveryProfileListed)
{
    EXPECT_TRUE(w->windowTitle().endsWith(" [Profile Manager]"));
    EXPECT_EQ(w->cmdAddWallSystem->text(), "Add ->>");
    ASSERT_EQ(w->grdCustomerProfileList->rows(), 1);
    EXPECT_EQ(w->grdCustomerProfileList->cellText(0, 0), "1");
    EXPECT_EQ(w->grdCustomerProfileList->cellText(0, 1), "Default");
    EXPECT_EQ(w->grdCustomerProfileList->cellText(0, 2), "10%");
    EXPECT_EQ(w->grdCustomerProfileList->cellText(0, 3), "95");
    // No current row yet: Remove asks nothing and changes nothing.
    const auto before = profileCounts();
    w->cmdRemoveProfile->click();
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(profileCounts(), before);
}

TEST_F(ProfileManagerTest, MarkupAndDeliveryMustBeNumbersMoneyCanHold)
{
    struct Case { const char* markup; const char* delivery; const char* storedMarkup; const char* storedDelivery; QStringList messages; };
    const Case cases[] = {
        {"", "", "0", "0", {}},
        {"12.5", "50", "12.5", "50", {}},
        {"1.2.3", "", nullptr, nullptr, {kMarkupMsg}},
        {"1.2.3", "4..5", nullptr, nullptr, {kMarkupMsg, kDeliveryMsg}},
        {".", "7", nullptr, nullptr, {kMarkupMsg}},
        {"5", "1000000000000000", nullptr, nullptr, {kDeliveryMsg}},
        {"99999999999999999999", "1", nullptr, nullptr, {kMarkupMsg}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.markup) + " / " + c.delivery);
        w->messages.clear();
        const QString name = QStringLiteral("P%1").arg(++n);
        const auto before = profileCounts();
        add(name, QLatin1String(c.markup), QLatin1String(c.delivery));
        EXPECT_EQ(texts(), c.messages);
        if (c.storedMarkup) {
            const int id = idOf(name);
            ASSERT_NE(id, 0);
            EXPECT_EQ(rowsOf(id), 4);
            EXPECT_EQ(scalar(QStringLiteral("SELECT Markup FROM Customer_ProfileID WHERE ID = %1").arg(id)).toText(),
                      QLatin1String(c.storedMarkup));
            EXPECT_EQ(scalar(QStringLiteral("SELECT DeliveryCharge FROM Customer_ProfileID WHERE ID = %1").arg(id)).toText(),
                      QLatin1String(c.storedDelivery));
            EXPECT_EQ(boxes(), QStringList({"", "", ""}));
        } else {
            for (const Message& m : w->messages)
                EXPECT_EQ(m.title, "Improper Input Format");
            EXPECT_EQ(profileCounts(), before);
            EXPECT_EQ(boxes(), QStringList({name, QLatin1String(c.markup), QLatin1String(c.delivery)}));
        }
    }
}

TEST_F(ProfileManagerTest, NamesThatCannotBeAddedAsTyped)
{
    const auto before = profileCounts();
    // Empty, or blanks only: nothing written, the boxes emptied.
    for (const char* name : {"", "   "}) {
        add(QLatin1String(name), QStringLiteral("3"), QStringLiteral("4"));
        EXPECT_TRUE(w->messages.empty());
        EXPECT_EQ(boxes(), QStringList({"", "", ""}));
    }
    // "Default" itself: refused, the boxes emptied.
    add(QStringLiteral("Default"), QStringLiteral("3"));
    EXPECT_EQ(texts(), QStringList{kNameRefused});
    EXPECT_EQ(w->messages.back().title, "Information");
    EXPECT_EQ(boxes(), QStringList({"", "", ""}));
    // Another spelling of a present name: refused, the boxes kept.
    w->messages.clear();
    add(QStringLiteral("default"), QStringLiteral("3"));
    EXPECT_EQ(texts(), QStringList{kExists});
    EXPECT_EQ(boxes(), QStringList({"default", "3", ""}));
    EXPECT_EQ(profileCounts(), before);
}

TEST_F(ProfileManagerTest, ANameWithBlanksAndApostrophesIsStoredTrimmedAndShownAsTyped)
{
    add(QStringLiteral("  O'Brien Homes  "), QStringLiteral("7.5"), QStringLiteral("20"));
    const int id = idOf(QStringLiteral("O`Brien Homes"));
    ASSERT_NE(id, 0);
    EXPECT_EQ(rowsOf(id), 4);
    const int row = rowNamed(QStringLiteral("O'Brien Homes"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(w->grdCustomerProfileList->cellText(row, 2), "7.5%");
    doubleClick(QStringLiteral("O'Brien Homes"));
    EXPECT_EQ(boxes(), QStringList({"O'Brien Homes", "7.5", "20"}));
    EXPECT_EQ(w->cmdAddWallSystem->text(), "Save Changes");
    // Saved unchanged: the name still belongs to it alone.
    w->cmdAddWallSystem->click();
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(idOf(QStringLiteral("O`Brien Homes")), id);
    EXPECT_EQ(w->cmdAddWallSystem->text(), "Add ->>");
}

TEST_F(ProfileManagerTest, SaveChangesWritesTheProfileThatWasDoubleClicked)
{
    add(QStringLiteral("Alder"), QStringLiteral("1"));
    add(QStringLiteral("Birch"), QStringLiteral("2"));
    const int alder = idOf(QStringLiteral("Alder")), birch = idOf(QStringLiteral("Birch"));
    doubleClick(QStringLiteral("Alder"));
    w->grdCustomerProfileList->selectRowAt(rowNamed(QStringLiteral("Birch")));
    type(QStringLiteral("x', Markup = 99 WHERE 1=1 --"), QStringLiteral("4"), QStringLiteral("8"));
    w->cmdAddWallSystem->click();
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(idOf(QStringLiteral("x`, Markup = 99 WHERE 1=1 --")), alder);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Markup FROM Customer_ProfileID WHERE ID = %1").arg(alder)).toText(), "4");
    EXPECT_EQ(scalar(QStringLiteral("SELECT Markup FROM Customer_ProfileID WHERE ID = %1").arg(birch)).toText(), "2");
    EXPECT_EQ(scalar(QStringLiteral("SELECT Markup FROM Customer_ProfileID WHERE ID = 1")).toText(), "10");
    EXPECT_EQ(idOf(QStringLiteral("Birch")), birch);
    EXPECT_EQ(count(QStringLiteral("Customer_ProfileID")), 3);
}

TEST_F(ProfileManagerTest, AnEditedNameMustStayUniqueAndMayNotBecomeDefault)
{
    add(QStringLiteral("Alder"));
    add(QStringLiteral("Birch"));
    doubleClick(QStringLiteral("Alder"));
    type(QStringLiteral("BIRCH"), QStringLiteral("3"));
    w->cmdAddWallSystem->click();
    EXPECT_EQ(texts(), QStringList{kExists});
    EXPECT_EQ(w->cmdAddWallSystem->text(), "Save Changes");
    EXPECT_EQ(boxes(), QStringList({"BIRCH", "3", ""}));
    // A change of case of its own name is no clash.
    type(QStringLiteral("ALDER"));
    w->cmdAddWallSystem->click();
    EXPECT_EQ(w->messages.size(), 1u);
    EXPECT_NE(idOf(QStringLiteral("ALDER")), 0);

    doubleClick(QStringLiteral("ALDER"));
    type(QStringLiteral("Default"));
    w->cmdAddWallSystem->click();
    EXPECT_EQ(w->messages.back().text, kNameRefused);
    EXPECT_EQ(w->cmdAddWallSystem->text(), "Add ->>");
    EXPECT_EQ(boxes(), QStringList({"", "", ""}));
    EXPECT_EQ(count(QStringLiteral("Customer_ProfileID"), QStringLiteral("CustomerProfileName = 'Default'")), 1);
}

TEST_F(ProfileManagerTest, TheDefaultRowCanBeNeitherLoadedNorRemoved)
{
    add(QStringLiteral("Alder"));
    doubleClick(QStringLiteral("Alder"));
    doubleClick(QStringLiteral("Default"));
    EXPECT_EQ(texts(), QStringList{kRowRefused});
    EXPECT_EQ(w->cmdAddWallSystem->text(), "Save Changes");
    EXPECT_EQ(w->editedProfileID(), idOf(QStringLiteral("Alder")));
    w->grdCustomerProfileList->selectRowAt(rowNamed(QStringLiteral("Default")));
    w->cmdRemoveProfile->click();
    EXPECT_EQ(texts(), QStringList({kRowRefused, kRowRefused}));
    EXPECT_EQ(rowsOf(1), 4);
}

TEST_F(ProfileManagerTest, RemoveAsksAndTakesEveryRowOfTheProfile)
{
    add(QStringLiteral("O'Hara"));
    const int id = idOf(QStringLiteral("O`Hara"));
    doubleClick(QStringLiteral("O'Hara"));
    w->cmdRemoveProfile->click();  // answered No
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_EQ(w->messages[0].text, "Are you sure you would like to Delete O'Hara from the list?");
    EXPECT_EQ(w->messages[0].title, "Confirm Delete");
    EXPECT_EQ(w->messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(rowsOf(id), 4);
    EXPECT_EQ(w->cmdAddWallSystem->text(), "Save Changes");
    EXPECT_EQ(boxes(), QStringList({"O'Hara", "0", "0"}));

    w->answers.push_back(MsgResult::Yes);
    w->cmdRemoveProfile->click();
    EXPECT_EQ(rowsOf(id), 0);
    EXPECT_EQ(w->grdCustomerProfileList->rows(), 1);
    EXPECT_EQ(w->cmdAddWallSystem->text(), "Add ->>");
    EXPECT_EQ(boxes(), QStringList({"", "", ""}));
}

TEST_F(ProfileManagerTest, AFailedAddIsShownAndChangesNothing)
{
    const auto before = profileCounts();
    exec(QStringLiteral("CREATE TRIGGER stop_add BEFORE INSERT ON Product_Pricing BEGIN SELECT RAISE(ABORT, 'full'); END"));
    add(QStringLiteral("Alder"), QStringLiteral("3"));
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_TRUE(w->messages[0].text.startsWith("Error ")) << w->messages[0].text.toStdString();
    EXPECT_TRUE(w->messages[0].text.contains("full"));
    EXPECT_EQ(profileCounts(), before);
    EXPECT_EQ(boxes(), QStringList({"Alder", "3", ""}));
}

}  // namespace
