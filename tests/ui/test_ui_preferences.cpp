// The preferences window: its load on the delivered data, the member lists,
// the switch between profiles and the close with their questions, the input
// rules and refusals of the number boxes, roof loads, window makers and
// their costs, and a Compare priced with what was saved.
#include "core/app_state.h"
#include "core/profiles.h"
#include "core/wall_list.h"
#include "engine/calculate.h"
#include "platform/money.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/tab_control.h"
#include "tests/qstring_print.h"
#include "tests/test_support.h"
#include "ui/profiles/frmDorvPreferences.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <clocale>
#include <deque>
#include <memory>

namespace {

using dv::DataCombo;
using dv::MsgButtons;
using dv::MsgResult;

struct Message {
    QString text, title;
};

class TestPreferences : public dv::frmDorvPreferences {
public:
    explicit TestPreferences(DataCombo* projectList) : frmDorvPreferences(projectList)
    {
        // Kept after a close, so the test can look at it.
        setAttribute(Qt::WA_DeleteOnClose, false);
    }
    std::vector<Message> messages;
    std::deque<MsgResult> answers;  // No when empty
    int managerOpened = 0, gridFilled = 0;
    std::vector<int> edited;
    std::function<void()> duringManager;

    MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons, dv::MsgIcon) override
    {
        messages.push_back({text, title});
        if (!answers.empty()) {
            const MsgResult r = answers.front();
            answers.pop_front();
            return r;
        }
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
    }

protected:
    void openProfileManager() override
    {
        ++managerOpened;
        if (duringManager)
            duringManager();
    }
    void fillProductsGrid() override { ++gridFilled; }
    void editProduct(int row) override { edited.push_back(row); }
};

QString formatMessage(const char* label)
{
    return QStringLiteral("Please check your '") + QLatin1String(label)
           + QStringLiteral("' input for proper formatting.  You must format your input as a number.");
}

bool pick(DataCombo* combo, const QString& text)
{
    for (int r = 0; r < combo->rows(); ++r)
        if (combo->rowValue(r, 1) == text) {
            emit combo->activated(r);
            return true;
        }
    return false;
}

void leave(QLineEdit* box)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
}

class PreferencesTest : public dvtest::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        projectList = std::make_unique<DataCombo>(QStringList{"ProfileID", "Name"}, 1);
        open();
    }
    void TearDown() override
    {
        w.reset();
        projectList.reset();
        DbTest::TearDown();
    }
    void open()
    {
        w = std::make_unique<TestPreferences>(projectList.get());
        w->Form_Load();
    }
    // A copy of profile 1 under another ID, with some settings changed.
    void addProfile(int id, const QString& name, const QString& set)
    {
        exec(QStringLiteral("INSERT INTO Customer_ProfileID (ID, CustomerProfileName, Markup, DeliveryCharge) "
                            "VALUES (%1, %2, 0, 0)").arg(id).arg(dv::sqlQuote(name)));
        exec("INSERT INTO Customer_Profiles SELECT * FROM Customer_Profiles WHERE CustomerProfileID = 1");
        exec(QStringLiteral("UPDATE Customer_Profiles SET CustomerProfileID = %1, %2 WHERE rowid = last_insert_rowid()")
                 .arg(id).arg(set));
    }
    // The stored settings fields of a profile, joined by "|".
    QString stored(const char* fields, int id = 1)
    {
        dv::Recordset rs = dv::DbConnection.query(
            QStringLiteral("SELECT %1 FROM Customer_Profiles WHERE CustomerProfileID = %2").arg(QLatin1String(fields)).arg(id));
        QStringList f;
        for (int i = 0; i < rs.fieldCount(); ++i)
            f << rs.field(i).toText();
        return f.join('|');
    }
    QString roofLoads(int id)
    {
        return scalar(QStringLiteral("SELECT RoofLL || '/' || RoofDL FROM Roof_Loading WHERE ID = %1").arg(id)).toText();
    }
    double makerCost(const char* field, int id)
    {
        return scalar(QStringLiteral("SELECT %1 FROM Window_Manufacturer WHERE ID = %2").arg(QLatin1String(field)).arg(id))
            .toDouble();
    }
    void type(QLineEdit* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
    QStringList titles() { return collect(&Message::title); }
    QStringList texts() { return collect(&Message::text); }
    QStringList collect(QString Message::*part)
    {
        QStringList t;
        for (const Message& m : w->messages)
            t << m.*part;
        return t;
    }

    std::unique_ptr<DataCombo> projectList;
    std::unique_ptr<TestPreferences> w;
};

}  // namespace

TEST_F(PreferencesTest, LoadsDefaultWithItsValuesOnTheDeliveredData)
{
    EXPECT_TRUE(w->cmdSaveProfile->isHidden());
    EXPECT_FALSE(w->cmdProfileManager->isHidden());
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(w->shownProfileID(), 1);
    EXPECT_EQ(w->gridFilled, 1);
    EXPECT_EQ(w->CurrentMfrID, 1);
    EXPECT_EQ(w->RoofLoadingChanged, 0);
    EXPECT_FALSE(w->MaterialsChanged);
    ASSERT_EQ(projectList->rows(), 1);
    ASSERT_EQ(w->cboWindSpeed->rows(), 4);
    // One product per group: blocking from the stud and framing groups.
    ASSERT_EQ(w->cboBlockingProducts->rows(), 2);
    for (QCheckBox* c : {w->chkCripples, w->chkBlocking, w->chkPlates, w->chkTrimmers, w->chkSheathing, w->chk12oc,
                         w->chk16oc, w->chk24oc})
        EXPECT_TRUE(c->isChecked()) << c->objectName().toStdString();
    EXPECT_TRUE(w->cboBlockingProducts->isEnabled());
    EXPECT_TRUE(w->optJambXMethod2->isChecked());
    EXPECT_EQ((QStringList{w->cboCustomerProfile->text(), projectList->rowValue(0, 1), w->cboCrippleProducts->text(),
                           w->cboPlateProducts->text(), w->cboPlateProducts->columnValue(0),
                           w->cboBlockingProducts->rowValue(1, 0), w->cboSheathingProducts->text(),
                           w->cboWindSpeed->text(), w->cboWindSpeed->rowValue(2, 1), w->txtLaborRate->text(),
                           w->txt2x8Labor->text(), w->cboWindowMfrName->text(), w->cboWindowMfrName->rowValue(3, 1),
                           w->txt2x10Materials->text(), w->cboRoofLoading->text(), w->cboRoofLoading->rowValue(0, 1),
                           w->txtRoofLL->text(), w->txtRoofDL->text()}),
              (QStringList{"Default", "Default", "SPF No.2 Stud", "LSL Framing", "10", "10", "4'x8' OSB Sheathing",
                           "90 mph", "110 mph (hp)", "45", "0.75", "Brightwater Windows", "Tamarack Door and Window",
                           "150", "Missouri (30/15)", "Alabama (20/10)", "30", "15"}));
}

TEST_F(PreferencesTest, MemberListsShowTheFirstProductOfEachGroupInTheOrderTheGroupsAreMet)
{
    exec("UPDATE Products SET UseForBlocking = -1 WHERE ProductID IN (4, 13)");
    exec("UPDATE Products SET ProductGroupID = 12 WHERE ProductID = 1");
    exec("UPDATE Products SET UseForSheathing = 0");
    open();
    QStringList ids;
    for (int r = 0; r < w->cboBlockingProducts->rows(); ++r)
        ids << w->cboBlockingProducts->rowValue(r, 0);
    EXPECT_EQ(ids, (QStringList{"1", "2", "4", "10", "13"}));
    EXPECT_EQ(w->cboSheathingProducts->rows(), 0);
    EXPECT_EQ(w->cboPlateProducts->rows(), 1);
}

TEST_F(PreferencesTest, IncludeBoxesEnableTheirProductsAndSelectAllSetsTheSpacings)
{
    exec("UPDATE Customer_Profiles SET IncludeBlocking = 0, IncludeSheathing = -1, Spacing16oc = 0");
    open();
    EXPECT_FALSE(w->cboBlockingProducts->isEnabled());
    EXPECT_FALSE(w->chkSheathing->isChecked());  // only 1 includes a member
    EXPECT_TRUE(w->cboCrippleProducts->isEnabled());
    w->chkBlocking->click();
    EXPECT_TRUE(w->cboBlockingProducts->isEnabled());
    w->chkCripples->click();
    EXPECT_FALSE(w->cboCrippleProducts->isEnabled());

    w->chkSelectAll->click();
    EXPECT_TRUE(w->chk12oc->isChecked() && w->chk16oc->isChecked() && w->chk24oc->isChecked());
    w->chk16oc->click();
    EXPECT_TRUE(w->chkSelectAll->isChecked());
    w->SaveProfileSettings(1);
    EXPECT_EQ(stored("IncludeCripples, IncludeBlocking, IncludeSheathing, Spacing16oc, Spacing24oc"), "0|1|0|0|1");
}

TEST_F(PreferencesTest, SwitchingAsksOnlyWhenLeavingAnotherProfileAndSavesItOnYes)
{
    addProfile(2, "Builder", "WindSpeed = 110, JambMethod = 0, IncludeBlocking = 0, LaborRate = 30, MfrID = 2, "
                             "MfrName = 'Kestrel Window Works', RoofLoadingID = 5");
    w->FillCustomerProfileLists();
    type(w->txtLaborRate, "99");
    ASSERT_TRUE(pick(w->cboCustomerProfile, "Builder"));
    EXPECT_TRUE(w->messages.empty());  // edits of "Default" are not offered
    EXPECT_EQ(stored("LaborRate"), "45");
    EXPECT_EQ(w->shownProfileID(), 2);
    EXPECT_EQ(w->gridFilled, 2);
    EXPECT_TRUE(w->optJambXMethod2->isChecked());
    EXPECT_FALSE(w->cboBlockingProducts->isEnabled());
    EXPECT_EQ((QStringList{w->cboWindSpeed->text(), w->cboWindSpeed->columnValue(0), w->txt2x8Materials->text(),
                           w->cboRoofLoading->text()}),
              (QStringList{"110 mph", "110", "105", "Georgia (20/15)"}));

    const struct { MsgResult answer; const char* typed; const char* stored; } cases[] = {
        {MsgResult::Yes, "33", "33"}, {MsgResult::No, "44", "33"}};
    for (const auto& c : cases) {
        w->messages.clear();
        type(w->txtLaborRate, c.typed);
        w->answers = {c.answer};
        ASSERT_TRUE(pick(w->cboCustomerProfile, "Default"));
        ASSERT_EQ(titles(), QStringList{"Confirm Changes"});
        EXPECT_EQ(stored("LaborRate", 2), c.stored);
        EXPECT_EQ(w->txtLaborRate->text(), "45");
        ASSERT_TRUE(pick(w->cboCustomerProfile, "Builder"));
    }
    // Picking the shown profile again asks nothing and reloads it.
    EXPECT_EQ(stored("JambMethod", 2), "2");
    w->messages.clear();
    type(w->txtLaborRate, "77");
    ASSERT_TRUE(pick(w->cboCustomerProfile, "Builder"));
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(w->txtLaborRate->text(), "33");
}

TEST_F(PreferencesTest, AProfileWithoutSettingsCannotBeLoadedNorSaved)
{
    exec("INSERT INTO Customer_ProfileID (ID, CustomerProfileName) VALUES (3, 'No settings')");
    w->FillCustomerProfileLists();
    type(w->txtLaborRate, "12");
    ASSERT_TRUE(pick(w->cboCustomerProfile, "No settings"));
    // The combo is put back and the controls kept.
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_TRUE(w->messages[0].text.startsWith("Error 3021"));
    EXPECT_EQ(w->cboCustomerProfile->text() + '/' + w->cboCustomerProfile->columnValue(0), "Default/1");
    EXPECT_EQ(w->txtLaborRate->text(), "12");
    // A save that changes no row is an error.
    EXPECT_THROW(w->SaveProfileSettings(3), dv::AppError);
    EXPECT_EQ(count("Customer_Profiles"), 1);
}

TEST_F(PreferencesTest, CloseYesSavesTheShownProfileAndEmptiesTheComparisonNoChangesNothing)
{
    for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
        view.comparisonRows = {{"1", "Wall"}};
        type(w->txtLaborRate, "50");
        exec("UPDATE Customer_Profiles SET ZoneCornerFactor = 4");
        w->answers = {answer};
        answer == MsgResult::No ? void(w->close()) : QTest::keyClick(w.get(), Qt::Key_Escape);
        ASSERT_EQ(titles(), QStringList{"Confirm Close"});
        const bool yes = answer == MsgResult::Yes;
        EXPECT_EQ(stored("LaborRate, ZoneCornerFactor"), yes ? "50|0" : "45|4");
        EXPECT_EQ(view.comparisonRowCount(), yes ? 0 : 1);
        open();
    }
}

TEST_F(PreferencesTest, RefusedNumbersShowTheirMessagesInOrderAndAreNeverStored)
{
    const QString before = stored("*");
    w->RoofLoadingChanged = 1;
    w->txtRoofLL->setText("1.2.3");
    w->txtRoofDL->setText("");
    w->txtLaborRate->setText(".");
    w->txt2x6Labor->setText("");  // no time: allowed
    w->txt2x8Labor->setText("12.5.1");
    w->txt2x10Labor->setText("12.5");
    w->txt2x8Materials->setText("99999999999999999");  // beyond the money range
    w->txt2x10Materials->setText("");
    w->SaveProfileSettings(1);
    EXPECT_EQ(titles(), QStringList(6, "Improper Input Format"));
    EXPECT_EQ(texts(), (QStringList{formatMessage("Roof Snow Load (psf)"), formatMessage("Roof Dead Load (psf)"),
                                  formatMessage("Labor ($/Per Hour)"), formatMessage("Time (Hr/Opening) - 2x8 Wall"),
                                  formatMessage("Materials ($ Adder) - 2x8 Wall"),
                                  formatMessage("Materials ($ Adder) - 2x10 Wall")}));
    EXPECT_EQ(stored("*"), before);
    EXPECT_EQ(roofLoads(1), "30.0/15.0");
    EXPECT_EQ(w->RoofLoadingChanged, 1);
    EXPECT_EQ(w->txt2x8Labor->text(), "12.5.1");  // left as typed
}

TEST_F(PreferencesTest, LeavingABoxWarnsOfASecondPointAndCutsLongText)
{
    const struct { QLineEdit* box; const char* text; QStringList warned; } cases[] = {
        {w->txtLaborRate, "1.2.5", {formatMessage("Labor ($/Per Hour)")}},
        {w->txtLaborRate, "12.5", {}},
        {w->txtLaborRate, "", {}},
        {w->txt2x6Materials, "1.2.5", {formatMessage("Materials ($ Adder) - 2x6 Wall")}}};
    for (const auto& c : cases) {
        w->messages.clear();
        c.box->setText(c.text);
        leave(c.box);
        EXPECT_EQ(texts(), c.warned) << c.text;
        EXPECT_EQ(c.box->text(), c.text);
    }
    w->txtNewMfrName->setText(QString(300, 'x'));
    leave(w->txtNewMfrName);
    EXPECT_EQ(w->txtNewMfrName->text().size(), 255);
}

TEST_F(PreferencesTest, EveryEditOfALoadOrCostBoxMarksItTypedPastedOrDeleted)
{
    QTest::keyClick(w->txtRoofLL, Qt::Key_A);
    EXPECT_EQ(w->txtRoofLL->text(), "30");
    EXPECT_EQ(w->RoofLoadingChanged, 1);

    QTest::keyClick(w->txt2x6Materials, Qt::Key_End);
    EXPECT_FALSE(w->MaterialsChanged);
    QTest::keyClick(w->txt2x6Materials, Qt::Key_Home);
    QTest::keyClick(w->txt2x6Materials, Qt::Key_Delete);
    EXPECT_EQ(w->txt2x6Materials->text(), "0");
    EXPECT_TRUE(w->MaterialsChanged);
    w->MaterialsChanged = false;
    QGuiApplication::clipboard()->setText("7a.5");
    QTest::keySequence(w->txt2x8Materials, QKeySequence::Paste);
    EXPECT_TRUE(w->MaterialsChanged);
    EXPECT_TRUE(w->txt2x8Materials->text().contains("7a.5"));  // as it stands, for the save to check
}

TEST_F(PreferencesTest, RoofLoadsAreWrittenOnlyAfterAnEditAndToTheChosenState)
{
    ASSERT_TRUE(pick(w->cboRoofLoading, "Texas (20/15)"));
    EXPECT_EQ(w->txtRoofLL->text(), "20");
    EXPECT_EQ(w->RoofLoadingChanged, 0);
    w->SaveProfileSettings(1);
    EXPECT_EQ(stored("RoofLoadingID"), "6");
    EXPECT_EQ(roofLoads(6), "20.0/15.0");

    view.comparisonRows = {{"1"}};
    type(w->txtRoofLL, "25.5");
    EXPECT_EQ(w->RoofLoadingChanged, 1);
    w->SaveProfileSettings(1);
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(roofLoads(6) + ' ' + roofLoads(1), "25.5/15.0 30.0/15.0");
    EXPECT_EQ(w->RoofLoadingChanged, 0);
    EXPECT_EQ(view.comparisonRowCount(), 0);
}

TEST_F(PreferencesTest, ALoadingOrProductThatIsGoneClearsItsControlAndTheSaveKeepsTheStoredValue)
{
    exec("UPDATE Customer_Profiles SET RoofLoadingID = 99, CrippleProductID = 98, MfrID = 97");
    open();
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ((QStringList{w->cboRoofLoading->text(), w->txtRoofLL->text(), w->cboCrippleProducts->columnValue(0),
                           w->cboWindowMfrName->text()}),
              (QStringList{"", "", "", ""}));
    EXPECT_EQ(w->CurrentMfrID, 0);
    w->SaveProfileSettings(1);
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(stored("RoofLoadingID, CrippleProductID, MfrID, Jamb2x6M"), "99|98|97|50");
}

TEST_F(PreferencesTest, AMakerWithAnApostropheIsAddedListedAndSavedWithTheProfile)
{
    w->txtNewMfrName->setText("  O'Hara Windows ");
    w->cmdAddMfrName->click();
    EXPECT_EQ(w->txtNewMfrName->text(), "");
    const int id = scalar("SELECT MAX(ID) FROM Window_Manufacturer").toInt32();
    EXPECT_EQ(scalar(QStringLiteral("SELECT MfrName || '/' || Material2x6 || '/' || Material2x8 || '/' || Material2x10 "
                                    "FROM Window_Manufacturer WHERE ID = %1").arg(id)).toText(),
              "O`Hara Windows/50/100/150");
    ASSERT_TRUE(pick(w->cboWindowMfrName, "O'Hara Windows"));
    EXPECT_EQ(w->CurrentMfrID, id);
    EXPECT_EQ(w->txt2x10Materials->text(), "150");
    w->SaveProfileSettings(1);
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(stored("MfrName, MfrID"), "O`Hara Windows|" + QString::number(id));
    // A blank name adds nothing.
    w->txtNewMfrName->setText("   ");
    w->cmdAddMfrName->click();
    EXPECT_EQ(count("Window_Manufacturer"), 5);
}

TEST_F(PreferencesTest, EditedCostsAreOfferedOnATabChangeAMakerPickASwitchAndTheClose)
{
    type(w->txt2x8Materials, "120");
    w->SSTab1->setCurrentIndex(dv::frmDorvPreferences::GeneralPage);
    EXPECT_EQ(titles(), QStringList{"Confirm Save"});
    EXPECT_EQ(makerCost("Material2x8", 1), 100.0);
    w->answers = {MsgResult::Yes};
    w->SSTab1->setCurrentIndex(dv::frmDorvPreferences::JambPage);
    EXPECT_EQ(w->messages.size(), 2u);
    EXPECT_EQ(makerCost("Material2x8", 1), 120.0);
    EXPECT_FALSE(w->MaterialsChanged);
    EXPECT_EQ(w->cboWindowMfrName->rowValue(0, 3), "120");

    // Another maker: the old maker's costs are offered first.
    w->messages.clear();
    type(w->txt2x6Materials, "51");
    w->answers = {MsgResult::Yes};
    ASSERT_TRUE(pick(w->cboWindowMfrName, "Northfield Glazing"));
    EXPECT_EQ(titles(), QStringList{"Confirm Save"});
    EXPECT_EQ(makerCost("Material2x6", 1), 51.0);
    EXPECT_EQ(w->txt2x6Materials->text(), "45");
    w->messages.clear();
    ASSERT_TRUE(pick(w->cboWindowMfrName, "Northfield Glazing"));
    EXPECT_TRUE(w->messages.empty());

    // The close offers them before it saves the profile.
    type(w->txt2x10Materials, "141");
    w->answers = {MsgResult::Yes, MsgResult::Yes};
    w->close();
    EXPECT_EQ(titles(), (QStringList{"Confirm Close", "Confirm Save"}));
    EXPECT_EQ(makerCost("Material2x10", 3), 141.0);
    EXPECT_EQ(stored("MfrID, Jamb2x10M"), "3|141");
}

TEST_F(PreferencesTest, TheManagerRefillsBothListsAndTheShownProfileFollowsItsRenameOrRemoval)
{
    int id = 0;
    w->duringManager = [&id] { id = dv::AddProfile("Smith", 0, dv::Money()); };
    w->cmdProfileManager->click();
    EXPECT_EQ(w->managerOpened, 1);
    EXPECT_EQ(w->cboCustomerProfile->rows(), 2);
    EXPECT_EQ(projectList->rowValue(1, 1), "Smith");
    EXPECT_EQ(w->cboCustomerProfile->text(), "Default");
    ASSERT_TRUE(pick(w->cboCustomerProfile, "Smith"));
    ASSERT_EQ(w->shownProfileID(), id);

    w->duringManager = [id] { dv::UpdateProfile(id, "Smith`s", 0, dv::Money()); };
    w->cmdProfileManager->click();
    EXPECT_EQ(w->cboCustomerProfile->text(), "Smith`s");  // as its list row reads
    EXPECT_EQ(w->cboCustomerProfile->rowValue(1, 1), w->cboCustomerProfile->text());
    EXPECT_EQ(w->shownProfileID(), id);

    w->duringManager = [id] { dv::RemoveProfile(id); };
    // Refused costs stay in their boxes, the removed profile shown with them.
    type(w->txt2x6Materials, "61");
    w->txt2x8Materials->clear();
    w->answers = {MsgResult::Yes};
    w->cmdProfileManager->click();
    EXPECT_EQ(titles(), (QStringList{"Confirm Save", "Improper Input Format"}));
    EXPECT_EQ(QStringList({w->txt2x6Materials->text(), w->txt2x8Materials->text(), w->cboCustomerProfile->text()}),
              QStringList({"61", "", "Smith`s"}));
    EXPECT_EQ(w->shownProfileID(), id);
    w->messages.clear();
    type(w->txt2x8Materials, "125");
    w->answers = {MsgResult::Yes};
    w->cmdProfileManager->click();
    EXPECT_EQ(w->cboCustomerProfile->text(), "Default");
    EXPECT_EQ(w->shownProfileID(), 1);
    // The costs typed for the maker shown were offered before Default loaded.
    EXPECT_EQ(titles(), QStringList{"Confirm Save"});
    EXPECT_EQ(makerCost("Material2x8", 1), 125.0);
}

TEST_F(PreferencesTest, TheProductsTabShowsTheShownProfilesPricesAndADoubleClickEditsTheRow)
{
    // The real grid fill, not the test's counter.
    struct RealGrid : TestPreferences {
        using TestPreferences::TestPreferences;
        void fillProductsGrid() override { frmDorvPreferences::fillProductsGrid(); }
    };
    exec("UPDATE Product_Pricing SET Product1 = 9.5 WHERE CustomerProfileID = 1");
    w = std::make_unique<RealGrid>(projectList.get());
    w->Form_Load();
    ASSERT_EQ(w->grdProducts->rows(), 24);
    EXPECT_EQ(w->grdProducts->cellText(0, 2), "9.50");
    emit w->grdProducts->rowDoubleClicked(4);
    EXPECT_EQ(w->edited, std::vector<int>{4});
    // The descriptions are shown whole; the name column takes the spare width.
    w->resize(940, 560);
    w->show();
    QCoreApplication::processEvents();
    w->grdProducts->selectRowAt(6);  // Return, Enter and F2 open it as a double-click does
    w->grdProducts->setFocus();
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2})
        QTest::keyClick(w->grdProducts, k);
    EXPECT_EQ(w->edited, (std::vector<int>{4, 6, 6, 6}));
    const QFontMetrics fm(w->grdProducts->font());
    for (int r = 0; r < w->grdProducts->rows(); ++r)
        EXPECT_GT(w->grdProducts->columnWidth(1), fm.horizontalAdvance(w->grdProducts->cellText(r, 1))) << r;
}

TEST_F(PreferencesTest, ACompareRunsWithTheSavedProfile)
{
    addEaveWall(1, "Front", 10, 30, 24);
    addOpening(1, 1, "6", "7", "1", "NA");
    dv::RefreshWallSystemGrid();
    auto jamb = [&] {
        dv::RunCompare();
        return scalar("SELECT \"6JambX\" FROM Project_Information WHERE ID = 1").toDouble();
    };
    // Method 2: the maker's cost and the builder's labour per header.
    type(w->txtLaborRate, "60");
    type(w->txt2x6Labor, "0.25");
    w->SaveProfileSettings(1);
    ASSERT_TRUE(w->messages.empty());
    EXPECT_EQ(jamb(), 65.0);
    w->optJambXMethod1->setChecked(true);
    w->SaveProfileSettings(1);
    EXPECT_EQ(jamb(), 50.0);
    EXPECT_EQ(view.comparisonRowCount(), 1);
}

TEST_F(PreferencesTest, NumbersAreSavedAndReadInCNotationUnderACommaLocale)
{
    const std::string oldLocale = std::setlocale(LC_NUMERIC, nullptr);
    const QLocale oldDefault;
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type(w->txtLaborRate, "12.5");
    type(w->txtRoofLL, "32.5");
    type(w->txt2x6Materials, "50.25");
    w->SaveProfileSettings(1);
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(scalar("SELECT LaborRate FROM Customer_Profiles").toDouble(), 12.5);
    EXPECT_EQ(roofLoads(1), "32.5/15.0");
    open();
    EXPECT_EQ(w->txtLaborRate->text(), "12.5");
    EXPECT_EQ(w->cboRoofLoading->text(), "Missouri (32.5/15)");
    std::setlocale(LC_NUMERIC, oldLocale.c_str());
    QLocale::setDefault(oldDefault);
}

TEST_F(PreferencesTest, NoCostQuestionWithoutAMakerAndARefusedSaveKeepsTheCostsAndIsReportedOnce)
{
    addProfile(2, "Builder", "MfrID = 99");  // its maker was removed
    w->FillCustomerProfileLists();
    ASSERT_TRUE(pick(w->cboCustomerProfile, "Builder"));
    type(w->txt2x6Materials, "61");
    w->SSTab1->setCurrentIndex(dv::frmDorvPreferences::GeneralPage);
    ASSERT_TRUE(pick(w->cboCustomerProfile, "Default"));
    EXPECT_EQ(titles(), QStringList{"Confirm Changes"});
    const std::function<void()> offers[] = {[&] { w->SSTab1->setCurrentIndex(dv::frmDorvPreferences::JambPage); },
                                          [&] { pick(w->cboWindowMfrName, "Northfield Glazing"); },
                                          [&] { pick(w->cboCustomerProfile, "Builder"); }, [&] { w->close(); }};
    for (const auto& offer : offers) {
        w->messages.clear();
        type(w->txt2x6Materials, "61");
        w->txt2x8Materials->clear();  // refused by the save the user says Yes to
        w->answers = {MsgResult::Yes, MsgResult::Yes};
        offer();
        EXPECT_EQ(titles().join('|').remove("Confirm Close|"), "Confirm Save|Improper Input Format");
        EXPECT_EQ(QStringList({w->txt2x6Materials->text(), w->txt2x8Materials->text(), w->cboWindowMfrName->text(),
                               w->cboCustomerProfile->text(), stored("Jamb2x6M")}),
                  QStringList({"61", "", "Brightwater Windows", "Default", "50"}));
    }
}
