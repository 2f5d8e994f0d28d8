// The profile manager's boxes, buttons and messages.
#include "core/profiles.h"
#include "platform/app_error.h"
#include "platform/widgets/data_grid.h"
#include "tests/profiles_fixture.h"
#include "ui/profiles/frmDorvProfileManager.h"

#include <QLineEdit>
#include <QPushButton>
#include <deque>

namespace {

using dv::MsgButtons;
using dv::MsgResult;
using dvtest::ProfilesTest;
using dvtest::kProfileTables;

struct Message {
    QString text, title;
    MsgButtons buttons;
};

class TestManager : public dv::frmDorvProfileManager {
public:
    std::vector<Message> messages;
    std::deque<MsgResult> answers;  // No when empty

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
const QStringList kEmpty{"", "", ""};

class ProfileManagerTest : public ProfilesTest {
protected:
    void SetUp() override { ProfilesTest::SetUp(); w = std::make_unique<TestManager>(); }
    void TearDown() override { w.reset(); ProfilesTest::TearDown(); }
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
    QString mode() const { return w->cmdAddWallSystem->text(); }
    std::unique_ptr<TestManager> w;
};

TEST_F(ProfileManagerTest, OpensInAddModeWithEveryProfileListed)
{
    EXPECT_TRUE(w->windowTitle().endsWith(" [Profile Manager]"));
    EXPECT_EQ(mode(), "Add ->>");
    ASSERT_EQ(w->grdCustomerProfileList->rows(), 1);
    QStringList row;
    for (int c = 0; c < 4; ++c)
        row << w->grdCustomerProfileList->cellText(0, c);
    EXPECT_EQ(row, QStringList({"1", "Default", "10%", "95"}));
    // No current row yet: Remove asks nothing and changes nothing.
    const auto before = profileCounts();
    w->cmdRemoveProfile->click();
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(profileCounts(), before);
}

TEST_F(ProfileManagerTest, MarkupAndDeliveryMustBeNumbersMoneyCanHold)
{
    struct Case { const char* markup; const char* delivery; const char* stored; QStringList messages; };
    const Case cases[] = {
        {"", "", "0/0", {}},
        {"12.5", "50", "12.5/50", {}},
        {"1.2.3", "", nullptr, {kMarkupMsg}},
        {"1.2.3", "4..5", nullptr, {kMarkupMsg, kDeliveryMsg}},
        {".", "7", nullptr, {kMarkupMsg}},
        {"5", "1000000000000000", nullptr, {kDeliveryMsg}},
        {"99999999999999999999", "1", nullptr, {kMarkupMsg}},
        // Pasted text is held to what the keys let in: no sign, no exponent.
        {"-200", "-150", nullptr, {kMarkupMsg, kDeliveryMsg}},
        {"1e2", "+5", nullptr, {kMarkupMsg, kDeliveryMsg}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.markup) + " / " + c.delivery);
        w->messages.clear();
        const QString name = QStringLiteral("P%1").arg(++n);
        const auto before = profileCounts();
        add(name, c.markup, c.delivery);
        EXPECT_EQ(texts(), c.messages);
        if (c.stored) {
            const int id = idOf(name);
            ASSERT_NE(id, 0);
            EXPECT_EQ(rowsOf(id), 4);
            EXPECT_EQ(charges(id), c.stored);
            EXPECT_EQ(boxes(), kEmpty);
        } else {
            for (const Message& m : w->messages)
                EXPECT_EQ(m.title, "Improper Input Format");
            EXPECT_EQ(profileCounts(), before);
            EXPECT_EQ(boxes(), QStringList({name, c.markup, c.delivery}));
        }
    }
}

TEST_F(ProfileManagerTest, ANameWithBlanksAndApostrophesIsStoredTrimmedAndShownAsTyped)
{
    add("  O'Brien Homes  ", "7.5", "20");
    const int id = idOf("O`Brien Homes");
    ASSERT_NE(id, 0);
    EXPECT_EQ(rowsOf(id), 4);
    const int row = rowNamed("O'Brien Homes");
    ASSERT_GE(row, 0);
    EXPECT_EQ(w->grdCustomerProfileList->cellText(row, 2), "7.5%");
    doubleClick("O'Brien Homes");
    EXPECT_EQ(boxes(), QStringList({"O'Brien Homes", "7.5", "20"}));
    EXPECT_EQ(mode(), "Save Changes");
    // Saved unchanged: the name still belongs to it alone.
    w->cmdAddWallSystem->click();
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(idOf("O`Brien Homes"), id);
    EXPECT_EQ(mode(), "Add ->>");
}

TEST_F(ProfileManagerTest, SaveChangesWritesTheProfileThatWasDoubleClicked)
{
    add("Alder", "1");
    add("Birch", "2");
    const int alder = idOf("Alder"), birch = idOf("Birch");
    doubleClick("Alder");
    w->grdCustomerProfileList->selectRowAt(rowNamed("Birch"));
    type("x', Markup = 99 WHERE 1=1 --", "4", "8");
    w->cmdAddWallSystem->click();
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(idOf("x`, Markup = 99 WHERE 1=1 --"), alder);
    EXPECT_EQ(charges(alder) + ' ' + charges(birch) + ' ' + charges(1), "4/8 2/0 10/95");
    EXPECT_EQ(idOf("Birch"), birch);
    EXPECT_EQ(count("Customer_ProfileID"), 3);
}

TEST_F(ProfileManagerTest, NamesMustBeUniqueWithoutCaseAndNeverDefaultOnAddAndOnEdit)
{
    add("Alder");
    add("Birch");
    const int alder = idOf("Alder");
    const auto before = profileCounts();
    const struct { const char* edited; const char* name; QStringList messages, boxes; const char* mode; } cases[] = {
        // Empty, or blanks only: nothing written, the boxes emptied.
        {nullptr, "", {}, kEmpty, "Add ->>"},
        {nullptr, "   ", {}, kEmpty, "Add ->>"},
        // "Default" itself: refused, the boxes emptied; another spelling of a present name: the boxes kept.
        {nullptr, "Default", {kNameRefused}, kEmpty, "Add ->>"},
        {nullptr, "default", {kExists}, {"default", "3", ""}, "Add ->>"},
        {"Alder", "BIRCH", {kExists}, {"BIRCH", "3", ""}, "Save Changes"},
        // A change of case of its own name is no clash.
        {"Alder", "ALDER", {}, kEmpty, "Add ->>"},
        {"ALDER", "Default", {kNameRefused}, kEmpty, "Add ->>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w->messages.clear();
        if (c.edited)
            doubleClick(c.edited);
        add(c.name, "3");
        EXPECT_EQ(texts(), c.messages);
        for (const Message& m : w->messages)
            EXPECT_EQ(m.title, "Information");
        EXPECT_EQ(boxes(), c.boxes);
        EXPECT_EQ(mode(), c.mode);
    }
    EXPECT_EQ(profileCounts(), before);
    EXPECT_EQ(idOf("ALDER"), alder);
    EXPECT_EQ(count("Customer_ProfileID", "CustomerProfileName = 'Default'"), 1);
}

TEST_F(ProfileManagerTest, TheDefaultRowCanBeNeitherLoadedNorRemovedAnotherIsRemovedWhole)
{
    add("O'Hara");
    const int id = idOf("O`Hara");
    doubleClick("O'Hara");
    doubleClick("Default");
    EXPECT_EQ(texts(), QStringList{kRowRefused});
    EXPECT_EQ(mode(), "Save Changes");
    EXPECT_EQ(w->editedProfileID(), id);
    w->grdCustomerProfileList->selectRowAt(rowNamed("Default"));
    w->cmdRemoveProfile->click();
    EXPECT_EQ(texts(), QStringList({kRowRefused, kRowRefused}));
    EXPECT_EQ(rowsOf(1), 4);

    w->messages.clear();
    doubleClick("O'Hara");
    w->cmdRemoveProfile->click();  // answered No
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_EQ(w->messages[0].text, "Are you sure you would like to Delete O'Hara from the list?");
    EXPECT_EQ(w->messages[0].title, "Confirm Delete");
    EXPECT_EQ(w->messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(rowsOf(id), 4);
    EXPECT_EQ(mode(), "Save Changes");
    EXPECT_EQ(boxes(), QStringList({"O'Hara", "0", "0"}));

    w->answers.push_back(MsgResult::Yes);
    w->cmdRemoveProfile->click();
    EXPECT_EQ(rowsOf(id), 0);
    EXPECT_EQ(w->grdCustomerProfileList->rows(), 1);
    EXPECT_EQ(mode(), "Add ->>");
    EXPECT_EQ(boxes(), kEmpty);
}

TEST_F(ProfileManagerTest, AFailedAddIsShownAndChangesNothing)
{
    const auto before = profileCounts();
    exec("CREATE TRIGGER stop_add BEFORE INSERT ON Product_Pricing BEGIN SELECT RAISE(ABORT, 'full'); END");
    add("Alder", "3");
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_TRUE(w->messages[0].text.startsWith("Error ")) << w->messages[0].text.toStdString();
    EXPECT_TRUE(w->messages[0].text.contains("full"));
    EXPECT_EQ(profileCounts(), before);
    EXPECT_EQ(boxes(), QStringList({"Alder", "3", ""}));
}

}  // namespace
