// The column and rough-opening pages of the wall editor, on their own: the
// numbering that survives removals, the length and support checks with
// their messages, the refusals, and the mode that follows the chosen item.
#include "core/app_state.h"
#include "core/input_filters.h"
#include "platform/app_error.h"
#include "core/translator.h"
#include "core/wall_list.h"
#include "engine/calculate.h"
#include "platform/numbers.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "tests/test_support.h"
#include "ui/project/frmDorvMain_openings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace {

using dv::MsgButtons;
using dv::MsgResult;
using dv::WallOpeningsEditor;

const QString kLengthMessage = QStringLiteral(
    "Your input Rough Opening Width's exceed the length of this wall.  Please review your input and make the "
    "necessary adjustments.");
const QString kSameColumnMessage = QStringLiteral(
    "You cannot select the same Column ID for both the left and right support.  Please make a new selection.");

// What a typed length is stored as when its box is read once.
QString storedOnce(const QString& typed) { return dv::sqlNumber(dv::ConvertInputToInches(typed) / 12.0); }

// The same when the box is read twice: the second time it holds the display
// text that the first reading wrote into it.
QString storedTwice(const QString& typed)
{
    const double shownInches = dv::ConvertInputToInches(dv::FormatInchesForDisplay(dv::ConvertInputToInches(typed)));
    dv::gLastDisplayValue = 0;
    return dv::sqlNumber(shownInches / 12.0);
}

QString shown(const QString& storedText)
{
    const QString s = dv::FormatInchesForDisplay(dv::ConvertInputToInches(storedText));
    dv::gLastDisplayValue = 0;
    return s;
}

// Picks a row of a combo as the user would; false when no row shows text.
bool pick(dv::DataCombo* combo, const QString& text, int displayColumn = 0)
{
    for (int r = 0; r < combo->rows(); ++r)
        if (combo->rowValue(r, displayColumn) == text) {
            emit combo->activated(r);
            return true;
        }
    return false;
}

QStringList listOf(dv::DataCombo* combo, int column = 0)
{
    QStringList out;
    for (int r = 0; r < combo->rows(); ++r)
        out << combo->rowValue(r, column);
    return out;
}

QStringList gridRow(dv::DataGrid* grid, int row)
{
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out << grid->cellText(row, c);
    return out;
}

class OpeningsTest : public dvtest::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        wallLength = new QLineEdit(&host);
        eaveHeight = new QLineEdit(&host);
        optEave = new QRadioButton(&host);
        optGable = new QRadioButton(&host);
        lblColumnHeight = new QLabel(&host);
        lblROWidth = new QLabel(&host);
        columnsPage = new QWidget(&host);
        openingsPage = new QWidget(&host);
        optEave->setChecked(true);
        addEaveWall(1, QStringLiteral("North"), 10, 20, 24);
        addEaveWall(2, QStringLiteral("South"), 10, 20, 24);
        wallLength->setText(QStringLiteral("20"));
        eaveHeight->setText(QStringLiteral("10"));
        WallOpeningsEditor::WallSide side;
        side.wallID = [this] { return wallID; };
        side.txtWallLength = wallLength;
        side.txtEaveHeight = eaveHeight;
        side.optEave = optEave;
        side.lblColumnHeight = lblColumnHeight;
        side.lblROWidth = lblROWidth;
        side.view = &view;
        ed = std::make_unique<WallOpeningsEditor>(columnsPage, openingsPage, side);
    }
    void TearDown() override
    {
        ed.reset();
        DbTest::TearDown();
    }

    QStringList titles() const
    {
        QStringList t;
        for (const auto& m : view.messages)
            t << m.title;
        return t;
    }

    // Fills the rough-opening boxes and lists as the user would.
    void enterOpening(const QString& width, const QString& height, const QString& headers, const QString& left,
                      const QString& right)
    {
        ed->txtROWidth->setText(width);
        ed->txtAverageROHeight->setText(height);
        if (!headers.isEmpty())
            ASSERT_TRUE(pick(ed->cboNumberHeaders, headers));
        if (!left.isEmpty())
            ASSERT_TRUE(pick(ed->cboColumnIDLeft, left, 1));
        if (!right.isEmpty())
            ASSERT_TRUE(pick(ed->cboColumnIDRight, right, 1));
    }

    // Presses Add with the wall length typed afresh, as the user left it.
    void pressAddRO()
    {
        wallLength->setText(wallLengthText);
        ed->cmdAddRO->click();
    }

    QString cell(const QString& table, const QString& field, const QString& where)
    {
        return scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(field, table, where)).toText();
    }

    QWidget host;
    QLineEdit* wallLength = nullptr;
    QLineEdit* eaveHeight = nullptr;
    QRadioButton* optEave = nullptr;
    QRadioButton* optGable = nullptr;
    QLabel* lblColumnHeight = nullptr;
    QLabel* lblROWidth = nullptr;
    QWidget* columnsPage = nullptr;
    QWidget* openingsPage = nullptr;
    QString wallID = QStringLiteral("1");
    QString wallLengthText = QStringLiteral("20");
    std::unique_ptr<WallOpeningsEditor> ed;
};

// ------------------------------------------------------------ rough openings

TEST_F(OpeningsTest, WallWithoutOpeningsOffersOnlyTheFirstNumber)
{
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(ed->grdROInformation->rows(), 0);
    EXPECT_EQ(listOf(ed->cboROID), QStringList{QStringLiteral("Rough Opening 1")});
    EXPECT_EQ(ed->cboROID->text(), QStringLiteral("Rough Opening 1"));
    EXPECT_EQ(listOf(ed->cboNumberHeaders), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(ed->cboColumnIDLeft->rows(), 0);  // no columns: no opening can be completed
    ASSERT_TRUE(pick(ed->cboROID, QStringLiteral("Rough Opening 1")));
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Add ->>"));
    EXPECT_FALSE(ed->cmdRemoveRO->isEnabled());
}

TEST_F(OpeningsTest, SupportListsHoldTheWallsLiveColumnsInStoredOrder)
{
    addColumn(1, 2, QStringLiteral("10"), QStringLiteral("1"));
    addColumn(2, 1, QStringLiteral("10"), QStringLiteral("1"));
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("1"));
    addColumn(1, 3, QStringLiteral("**Removed**"), QStringLiteral("NA"));
    ed->cboColumnIDLeft->setText(QStringLiteral("Column 9"));
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(listOf(ed->cboColumnIDLeft, 1), (QStringList{"Column 2", "Column 1"}));
    EXPECT_EQ(listOf(ed->cboColumnIDRight, 1), (QStringList{"Column 2", "Column 1"}));
    // The first field is the row's own number in the table.
    EXPECT_EQ(ed->cboColumnIDLeft->rowValue(1, 0),
              scalar(QStringLiteral("SELECT rowid FROM Column_Information WHERE WallID = 1 AND ColumnID = 'Column 1'")).toText());
    EXPECT_TRUE(ed->cboColumnIDLeft->text().isEmpty());
}

TEST_F(OpeningsTest, AddStoresTheOpeningInTheEditedWallAndOffersTheNextNumber)
{
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("1"));
    addColumn(1, 2, QStringLiteral("10"), QStringLiteral("1"));
    dv::CurrentWallID = 2;  // as a calculation leaves it: the last wall walked
    ed->EnterRoughOpeningsPage();
    enterOpening(QStringLiteral("3.5"), QStringLiteral("7"), QStringLiteral("2"), QStringLiteral("Column 1"),
                 QStringLiteral("Column 2"));
    pressAddRO();

    EXPECT_TRUE(view.messages.empty());
    ASSERT_EQ(count(QStringLiteral("Header_Information")), 1);
    EXPECT_EQ(count(QStringLiteral("Header_Information"), QStringLiteral("WallID = 1")), 1);
    const QString where = QStringLiteral("ROID = 'Rough Opening 1'");
    EXPECT_EQ(cell("Header_Information", "ROWidth", where), storedTwice(QStringLiteral("3.5")));
    EXPECT_EQ(cell("Header_Information", "AverageROHeight", where), storedOnce(QStringLiteral("7")));
    EXPECT_EQ(cell("Header_Information", "NumHeaders", where), QStringLiteral("2"));
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", where), QStringLiteral("Column 1"));
    EXPECT_EQ(cell("Header_Information", "ColIDRight", where), QStringLiteral("Column 2"));

    ASSERT_EQ(ed->grdROInformation->rows(), 1);
    EXPECT_EQ(gridRow(ed->grdROInformation, 0),
              (QStringList{"Rough Opening 1", shown(storedTwice("3.5")), shown(storedOnce("7")), "2", "Column 1",
                           "Column 2"}));
    EXPECT_EQ(listOf(ed->cboROID), (QStringList{"Rough Opening 1", "Rough Opening 2"}));
    EXPECT_EQ(ed->cboROID->text(), QStringLiteral("Rough Opening 2"));
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Add ->>"));
    EXPECT_FALSE(ed->cmdRemoveRO->isEnabled());
    EXPECT_TRUE(ed->txtROWidth->text().isEmpty());
    EXPECT_TRUE(ed->txtAverageROHeight->text().isEmpty());
    // The header count and supports stay offered for the next opening.
    EXPECT_EQ(ed->cboNumberHeaders->text(), QStringLiteral("2"));
    EXPECT_EQ(ed->cboColumnIDLeft->text(), QStringLiteral("Column 1"));
    EXPECT_EQ(ed->cboColumnIDRight->text(), QStringLiteral("Column 2"));
}

TEST_F(OpeningsTest, LengthTestCountsOnlyTheOtherLiveOpenings)
{
    for (int c = 1; c <= 8; ++c)
        addColumn(1, c, QStringLiteral("10"), QStringLiteral("1"));
    addOpening(1, 1, QStringLiteral("8"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
               QStringLiteral("Column 2"));
    addOpening(1, 2, QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 3"),
               QStringLiteral("Column 4"));
    addOpening(1, 3, QStringLiteral("**Removed**"), QStringLiteral("NA"), QStringLiteral("NA"));
    addOpening(2, 1, QStringLiteral("15"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
               QStringLiteral("Column 2"));
    ed->EnterRoughOpeningsPage();

    // 8 + 6 + 6.1 feet is more than the 20-foot wall: refused, nothing stored.
    enterOpening(QStringLiteral("6.1"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 5"),
                 QStringLiteral("Column 6"));
    pressAddRO();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, kLengthMessage);
    EXPECT_EQ(view.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(view.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(count(QStringLiteral("Header_Information"), QStringLiteral("WallID = 1")), 3);
    // The boxes keep the user's input, shown in display notation.
    EXPECT_EQ(ed->txtROWidth->text(), shown(QStringLiteral("6.1")));
    EXPECT_EQ(wallLength->text(), shown(QStringLiteral("20")));

    // Exactly the wall's length passes.
    view.messages.clear();
    ed->txtROWidth->setText(QStringLiteral("6"));
    pressAddRO();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(count(QStringLiteral("Header_Information"), QStringLiteral("WallID = 1")), 4);

    // The opening being saved is left out: 8 feet becomes 14 beside 6 and 0.
    exec(QStringLiteral("UPDATE Header_Information SET ROWidth = '0' WHERE WallID = 1 AND ROID = 'Rough Opening 4'"));
    ed->RefreshRoughOpeningGrid();
    ASSERT_TRUE(pick(ed->cboROID, QStringLiteral("Rough Opening 1")));
    ed->txtROWidth->setText(QStringLiteral("14"));
    pressAddRO();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(cell("Header_Information", "ROWidth", "WallID = 1 AND ROID = 'Rough Opening 1'"),
              storedTwice(QStringLiteral("14")));
}

TEST_F(OpeningsTest, OpeningsThatFillTheWallExactlyAreAccepted)
{
    // Three openings of 6' 8" fill 20 feet; their stored widths carry 15
    // significant digits and add up a hair above 20.
    for (int c = 1; c <= 6; ++c)
        addColumn(1, c, QStringLiteral("10"), QStringLiteral("1"));
    const QString third = dv::sqlNumber(80.0 / 12.0);
    addOpening(1, 1, third, QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"), QStringLiteral("Column 2"));
    addOpening(1, 2, third, QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 3"), QStringLiteral("Column 4"));
    ASSERT_GT(3 * third.toDouble(), 20.0);
    ed->EnterRoughOpeningsPage();
    enterOpening(third, QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 5"), QStringLiteral("Column 6"));
    pressAddRO();
    EXPECT_FALSE(titles().contains(QStringLiteral("Error")));
}

TEST_F(OpeningsTest, EmptyWallLengthRefusesAnyOpening)
{
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("1"));
    addColumn(1, 2, QStringLiteral("10"), QStringLiteral("1"));
    wallLengthText.clear();
    ed->EnterRoughOpeningsPage();
    enterOpening(QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
                 QStringLiteral("Column 2"));
    pressAddRO();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, kLengthMessage);
    EXPECT_EQ(count(QStringLiteral("Header_Information")), 0);
}

TEST_F(OpeningsTest, IncompleteOpeningIsNotStoredAndNothingIsSaid)
{
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("1"));
    addColumn(1, 2, QStringLiteral("10"), QStringLiteral("1"));
    ed->EnterRoughOpeningsPage();
    enterOpening(QStringLiteral("3"), QString(), QStringLiteral("1"), QStringLiteral("Column 1"), QStringLiteral("Column 2"));
    pressAddRO();  // no average height
    enterOpening(QStringLiteral("3"), QStringLiteral("7"), QString(), QString(), QStringLiteral("Column 2"));
    ed->cboNumberHeaders->setText(QString());
    pressAddRO();  // no header count
    ed->cboNumberHeaders->setText(QStringLiteral("1"));
    ed->cboColumnIDLeft->setText(QString());
    ed->txtROWidth->setText(QStringLiteral("3"));
    pressAddRO();  // no left support
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(count(QStringLiteral("Header_Information")), 0);
    EXPECT_EQ(ed->txtROWidth->text(), shown(QStringLiteral("3")));
}

TEST_F(OpeningsTest, AddingRefusesASupportAlreadyUsedOnTheSameSide)
{
    for (int c = 1; c <= 5; ++c)
        addColumn(1, c, QStringLiteral("10"), QStringLiteral("1"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
               QStringLiteral("Column 2"));
    addOpening(1, 2, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 3"),
               QStringLiteral("Column 4"));
    addOpening(1, 3, QStringLiteral("**Removed**"), QStringLiteral("NA"), QStringLiteral("NA"));
    ed->EnterRoughOpeningsPage();

    // Left against left, right against right: one message per opening.
    enterOpening(QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
                 QStringLiteral("Column 4"));
    pressAddRO();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0].text, QStringLiteral("Column 1 has already been used as a left column support.  "
                                                    "Please choose a different column support"));
    EXPECT_EQ(view.messages[1].text, QStringLiteral("Column 4 has already been used as a right column support.  "
                                                    "Please choose a different column support"));
    EXPECT_EQ(titles(), (QStringList{"Column Support Conflict", "Column Support Conflict"}));
    EXPECT_EQ(count(QStringLiteral("Header_Information")), 3);

    // A column may carry the right side of one opening and the left of the
    // next; the removed opening's 'NA' supports conflict with nothing.
    view.messages.clear();
    ed->cboColumnIDLeft->setText(QStringLiteral("Column 2"));
    ed->cboColumnIDRight->setText(QStringLiteral("Column 5"));
    pressAddRO();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", "ROID = 'Rough Opening 4'"), QStringLiteral("Column 2"));
}

TEST_F(OpeningsTest, UpdatingKeepsItsSupportsWithoutTheSupportCheck)
{
    for (int c = 1; c <= 4; ++c)
        addColumn(1, c, QStringLiteral("10"), QStringLiteral("1"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
               QStringLiteral("Column 2"));
    addOpening(1, 2, QStringLiteral("4"), QStringLiteral("6.5"), QStringLiteral("3"), QStringLiteral("Column 3"),
               QStringLiteral("Column 4"));
    ed->EnterRoughOpeningsPage();
    ASSERT_TRUE(pick(ed->cboROID, QStringLiteral("Rough Opening 2")));
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Update ->>"));
    EXPECT_TRUE(ed->cmdRemoveRO->isEnabled());
    EXPECT_EQ(ed->txtROWidth->text(), shown(QStringLiteral("4")));
    EXPECT_EQ(ed->txtAverageROHeight->text(), shown(QStringLiteral("6.5")));
    EXPECT_EQ(ed->cboNumberHeaders->text(), QStringLiteral("3"));
    EXPECT_EQ(ed->cboColumnIDLeft->text(), QStringLiteral("Column 3"));
    EXPECT_EQ(ed->cboColumnIDRight->text(), QStringLiteral("Column 4"));
    EXPECT_EQ(ed->grdROInformation->cursorRow(), 1);

    ed->cboColumnIDLeft->setText(QStringLiteral("Column 1"));
    pressAddRO();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(count(QStringLiteral("Header_Information")), 2);
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", "ROID = 'Rough Opening 2'"), QStringLiteral("Column 1"));
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Add ->>"));
    EXPECT_EQ(ed->cboROID->text(), QStringLiteral("Rough Opening 3"));
}

TEST_F(OpeningsTest, SameColumnOnBothSidesIsRefusedAtThePick)
{
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("1"));
    addColumn(1, 2, QStringLiteral("10"), QStringLiteral("1"));
    ed->EnterRoughOpeningsPage();
    ASSERT_TRUE(pick(ed->cboColumnIDRight, QStringLiteral("Column 1"), 1));
    EXPECT_TRUE(view.messages.empty());
    ASSERT_TRUE(pick(ed->cboColumnIDLeft, QStringLiteral("Column 1"), 1));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, kSameColumnMessage);
    EXPECT_EQ(view.messages[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(ed->cboColumnIDLeft->text().isEmpty());
    EXPECT_EQ(ed->cboColumnIDRight->text(), QStringLiteral("Column 1"));

    ASSERT_TRUE(pick(ed->cboColumnIDLeft, QStringLiteral("Column 2"), 1));
    ASSERT_TRUE(pick(ed->cboColumnIDRight, QStringLiteral("Column 2"), 1));
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_TRUE(ed->cboColumnIDRight->text().isEmpty());
    EXPECT_EQ(ed->cboColumnIDLeft->text(), QStringLiteral("Column 2"));
}

TEST_F(OpeningsTest, RemovalKeepsTheRowAndNeverReusesItsNumber)
{
    for (int c = 1; c <= 8; ++c)
        addColumn(1, c, QStringLiteral("10"), QStringLiteral("1"));
    for (int n = 1; n <= 3; ++n)
        addOpening(1, n, QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1"),
                   QStringLiteral("Column %1").arg(2 * n - 1), QStringLiteral("Column %1").arg(2 * n));
    ed->EnterRoughOpeningsPage();
    ASSERT_TRUE(pick(ed->cboROID, QStringLiteral("Rough Opening 2")));

    view.answers = {MsgResult::No};
    ed->cmdRemoveRO->click();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, QStringLiteral("Are you sure you want to remove Rough Opening 2?"));
    EXPECT_EQ(view.messages[0].title, QStringLiteral("Confirm Delete"));
    EXPECT_EQ(view.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(count(QStringLiteral("Header_Information"), QStringLiteral("ROWidth = '**Removed**'")), 0);

    // A grid row clicked after choosing does not change what is removed.
    ed->grdROInformation->selectRowAt(2);
    view.answers = {MsgResult::Yes};
    ed->cmdRemoveRO->click();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].text, QStringLiteral("Are you sure you want to remove Rough Opening 2?"));
    EXPECT_EQ(count(QStringLiteral("Header_Information"), QStringLiteral("ROWidth = '**Removed**'")), 1);
    EXPECT_EQ(cell("Header_Information", "ColIDRight", "ROID = 'Rough Opening 2'"), QStringLiteral("NA"));
    EXPECT_EQ(cell("Header_Information", "ROWidth", "ROID = 'Rough Opening 3'"), QStringLiteral("2"));

    ASSERT_EQ(ed->grdROInformation->rows(), 3);
    EXPECT_EQ(gridRow(ed->grdROInformation, 1),
              (QStringList{"Rough Opening 2", "**Removed**", "NA", "NA", "NA", "NA"}));
    EXPECT_EQ(listOf(ed->cboROID),
              (QStringList{"Rough Opening 1", "Rough Opening 2", "Rough Opening 3", "Rough Opening 4"}));
    EXPECT_EQ(ed->cboROID->text(), QStringLiteral("Rough Opening 4"));
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Add ->>"));
    EXPECT_FALSE(ed->cmdRemoveRO->isEnabled());

    // Its supports are free again, and the next opening is number 4.
    enterOpening(QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 3"),
                 QStringLiteral("Column 4"));
    pressAddRO();
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", "ROID = 'Rough Opening 4'"), QStringLiteral("Column 3"));

    // A removed opening comes up empty in update mode and can live again.
    ASSERT_TRUE(pick(ed->cboROID, QStringLiteral("Rough Opening 2")));
    EXPECT_TRUE(ed->txtROWidth->text().isEmpty());
    EXPECT_TRUE(ed->cboColumnIDLeft->text().isEmpty());
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Update ->>"));
    enterOpening(QStringLiteral("1.5"), QStringLiteral("7"), QStringLiteral("4"), QStringLiteral("Column 7"),
                 QStringLiteral("Column 8"));
    pressAddRO();
    EXPECT_EQ(cell("Header_Information", "NumHeaders", "ROID = 'Rough Opening 2'"), QStringLiteral("4"));
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", "ROID = 'Rough Opening 2'"), QStringLiteral("Column 7"));
    EXPECT_EQ(count(QStringLiteral("Header_Information")), 4);
}

TEST_F(OpeningsTest, RowsComeBackInTheOrderTheyWereStored)
{
    addOpening(1, 2, QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1"));
    addOpening(2, 1, QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"));
    ed->RefreshRoughOpeningGrid();
    ASSERT_EQ(ed->grdROInformation->rows(), 2);
    EXPECT_EQ(ed->grdROInformation->cellText(0, 0), QStringLiteral("Rough Opening 2"));
    EXPECT_EQ(ed->grdROInformation->cellText(1, 0), QStringLiteral("Rough Opening 1"));
}

TEST_F(OpeningsTest, ModeFollowsTheChosenOpeningWhenThePageIsEnteredAgain)
{
    addOpening(1, 1, QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1"));
    ed->EnterRoughOpeningsPage();
    ASSERT_TRUE(pick(ed->cboROID, QStringLiteral("Rough Opening 1")));
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Update ->>"));
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(ed->cboROID->text(), QStringLiteral("Rough Opening 2"));
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Add ->>"));
    EXPECT_FALSE(ed->cmdRemoveRO->isEnabled());
    ASSERT_TRUE(pick(ed->cboROID, QStringLiteral("Rough Opening 2")));
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Add ->>"));
}

TEST_F(OpeningsTest, NoWallOpenStoresNothing)
{
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("1"));
    addColumn(1, 2, QStringLiteral("10"), QStringLiteral("1"));
    ed->EnterRoughOpeningsPage();
    enterOpening(QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
                 QStringLiteral("Column 2"));
    wallID.clear();
    pressAddRO();
    ed->txtColumnHeight->setText(QStringLiteral("9"));
    ed->cmdAddColumn->click();
    EXPECT_EQ(count(QStringLiteral("Header_Information")), 0);
    EXPECT_EQ(count(QStringLiteral("Column_Information")), 2);
    ed->RefreshRoughOpeningGrid();
    EXPECT_EQ(ed->grdROInformation->rows(), 0);
    EXPECT_EQ(ed->cmdAddRO->text(), QStringLiteral("Add ->>"));
}

TEST_F(OpeningsTest, ReturnOnAPagePressesItsAddButton)
{
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("1"));
    ed->EnterColumnsPage();
    ed->txtColumnHeight->setText(QStringLiteral("9"));
    QTest::keyClick(ed->txtColumnHeight, Qt::Key_Return);
    EXPECT_EQ(count(QStringLiteral("Column_Information"), QStringLiteral("ColumnID = 'Column 2'")), 1);

    addColumn(1, 3, QStringLiteral("10"), QStringLiteral("1"));
    ed->EnterRoughOpeningsPage();
    enterOpening(QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
                 QStringLiteral("Column 2"));
    QTest::keyClick(ed->txtAverageROHeight, Qt::Key_Return);
    EXPECT_EQ(count(QStringLiteral("Header_Information")), 1);
}

TEST_F(OpeningsTest, WidthBoxFollowsItsLabelWhenLeft)
{
    ed->txtROWidth->setText(QStringLiteral("3"));
    ed->txtROWidth_LostFocus();
    EXPECT_EQ(ed->txtROWidth->text(), shown(QStringLiteral("3")));
    EXPECT_EQ(lblROWidth->text(), ed->txtROWidth->text());
    // An empty box is left alone.
    ed->txtAverageROHeight->clear();
    ed->txtAverageROHeight_LostFocus();
    EXPECT_TRUE(ed->txtAverageROHeight->text().isEmpty());
}

TEST_F(OpeningsTest, LengthBoxesTakeOnlyTheKeysOfALength)
{
    const QString typed = QStringLiteral("12a' 6-1/2\",x");
    QString expected;
    for (QChar c : typed)
        if (dv::FilterLengthKey(c.unicode()) != 0)
            expected += c;
    for (QLineEdit* box : {ed->txtROWidth, ed->txtAverageROHeight, ed->txtColumnHeight, ed->txtMaxColumnWidth}) {
        box->clear();
        QTest::keyClicks(box, typed);
        EXPECT_EQ(box->text(), expected) << box->objectName().toStdString();
    }
}

TEST_F(OpeningsTest, UnreadableWidthIsReportedAndNothingStored)
{
    bool raises = false;
    try {
        dv::ConvertInputToInches(QStringLiteral("abc"));
    } catch (const dv::AppError&) {
        raises = true;
    }
    if (!raises)
        GTEST_SKIP() << "the length translator reads any text";
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("1"));
    addColumn(1, 2, QStringLiteral("10"), QStringLiteral("1"));
    ed->EnterRoughOpeningsPage();
    enterOpening(QStringLiteral("abc"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
                 QStringLiteral("Column 2"));
    pressAddRO();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(view.messages[0].text.contains(QStringLiteral("Invalid Input string format.")));
    EXPECT_EQ(count(QStringLiteral("Header_Information")), 0);
}

// ------------------------------------------------------------------ columns

TEST_F(OpeningsTest, WallWithoutColumnsOffersOnlyTheFirstNumber)
{
    optEave->setChecked(false);
    optGable->setChecked(true);
    ed->EnterColumnsPage();
    EXPECT_EQ(ed->grdColumnInformation->rows(), 0);
    EXPECT_EQ(listOf(ed->cboColumnID), QStringList{QStringLiteral("Column 1")});
    ASSERT_TRUE(pick(ed->cboColumnID, QStringLiteral("Column 1")));
    EXPECT_EQ(ed->cmdAddColumn->text(), QStringLiteral("Add ->>"));
    EXPECT_FALSE(ed->cmdRemoveColumn->isEnabled());
    EXPECT_TRUE(ed->txtColumnHeight->text().isEmpty());  // a gable wall proposes nothing
}

TEST_F(OpeningsTest, AddColumnStoresItAndProposesTheEaveHeightAgain)
{
    dv::CurrentWallID = 2;
    ed->EnterColumnsPage();
    EXPECT_EQ(ed->txtColumnHeight->text(), shown(QStringLiteral("10")));
    EXPECT_EQ(lblColumnHeight->text(), ed->txtColumnHeight->text());

    ed->txtColumnHeight->setText(QStringLiteral("10.5"));
    ed->txtMaxColumnWidth->clear();
    ed->cmdAddColumn->click();
    ASSERT_EQ(count(QStringLiteral("Column_Information"), QStringLiteral("WallID = 1")), 1);
    EXPECT_EQ(count(QStringLiteral("Column_Information"), QStringLiteral("WallID = 2")), 0);
    EXPECT_EQ(cell("Column_Information", "ColumnID", "WallID = 1"), QStringLiteral("Column 1"));
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "WallID = 1"), storedOnce(QStringLiteral("10.5")));
    EXPECT_EQ(cell("Column_Information", "MaxWidth", "WallID = 1"), QStringLiteral("0"));
    // The empty width box shows 0 and keeps it for the next column.
    EXPECT_EQ(ed->txtMaxColumnWidth->text(), shown(QStringLiteral("0")));
    EXPECT_EQ(ed->txtColumnHeight->text(), shown(QStringLiteral("10")));
    EXPECT_EQ(gridRow(ed->grdColumnInformation, 0),
              (QStringList{"Column 1", shown(storedOnce("10.5")), shown(QStringLiteral("0"))}));
    EXPECT_EQ(listOf(ed->cboColumnID), (QStringList{"Column 1", "Column 2"}));
    EXPECT_EQ(ed->cboColumnID->text(), QStringLiteral("Column 2"));
    EXPECT_EQ(ed->cmdAddColumn->text(), QStringLiteral("Add ->>"));
}

TEST_F(OpeningsTest, ColumnWithoutHeightIsNotStored)
{
    optEave->setChecked(false);
    optGable->setChecked(true);
    ed->EnterColumnsPage();
    ed->txtMaxColumnWidth->setText(QStringLiteral("1"));
    ed->cmdAddColumn->click();
    EXPECT_EQ(count(QStringLiteral("Column_Information")), 0);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(ed->txtColumnHeight->text().isEmpty());
}

TEST_F(OpeningsTest, ChoosingAndUpdatingAColumn)
{
    addColumn(1, 1, QStringLiteral("12"), QStringLiteral("1.5"));
    addColumn(1, 2, QStringLiteral("14"), QStringLiteral("2"));
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, QStringLiteral("Column 2")));
    EXPECT_EQ(ed->txtColumnHeight->text(), shown(QStringLiteral("14")));
    EXPECT_EQ(ed->txtMaxColumnWidth->text(), shown(QStringLiteral("2")));
    EXPECT_EQ(ed->cmdAddColumn->text(), QStringLiteral("Update ->>"));
    EXPECT_TRUE(ed->cmdRemoveColumn->isEnabled());
    EXPECT_EQ(ed->grdColumnInformation->cursorRow(), 1);

    ed->txtColumnHeight->setText(QStringLiteral("13"));
    ed->txtMaxColumnWidth->setText(QStringLiteral("1.25"));
    ed->cmdAddColumn->click();
    EXPECT_EQ(count(QStringLiteral("Column_Information")), 2);
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "ColumnID = 'Column 2'"), storedOnce(QStringLiteral("13")));
    EXPECT_EQ(cell("Column_Information", "MaxWidth", "ColumnID = 'Column 2'"), storedOnce(QStringLiteral("1.25")));
    EXPECT_EQ(ed->cmdAddColumn->text(), QStringLiteral("Add ->>"));
    EXPECT_FALSE(ed->cmdRemoveColumn->isEnabled());
    EXPECT_EQ(ed->cboColumnID->text(), QStringLiteral("Column 3"));
}

TEST_F(OpeningsTest, ColumnCarryingTwoOpeningsCannotBeRemoved)
{
    for (int c = 1; c <= 3; ++c)
        addColumn(1, c, QStringLiteral("10"), QStringLiteral("1"));
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
               QStringLiteral("Column 2"));
    addOpening(1, 2, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 2"),
               QStringLiteral("Column 3"));
    addOpening(2, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
               QStringLiteral("Column 3"));
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, QStringLiteral("Column 2")));
    ed->cmdRemoveColumn->click();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0].text, QStringLiteral("Column 2 is required to support one side of Rough Opening 1.  "
                                                    "You must first remove the Rough Opening before the column can "
                                                    "be removed."));
    EXPECT_EQ(view.messages[1].text, QStringLiteral("Column 2 is required to support one side of Rough Opening 2.  "
                                                    "You must first remove the Rough Opening before the column can "
                                                    "be removed."));
    EXPECT_EQ(titles(), (QStringList{"Column Support Conflict", "Column Support Conflict"}));
    EXPECT_EQ(count(QStringLiteral("Column_Information"), QStringLiteral("ColumnHeight = '**Removed**'")), 0);

    // Only openings of this wall count; removed openings hold 'NA'.
    view.messages.clear();
    exec(QStringLiteral("UPDATE Header_Information SET ROWidth = '**Removed**', AverageROHeight = 'NA', "
                        "NumHeaders = 'NA', ColIDLeft = 'NA', ColIDRight = 'NA' WHERE WallID = 1"));
    ASSERT_TRUE(pick(ed->cboColumnID, QStringLiteral("Column 1")));
    view.answers = {MsgResult::Yes};
    ed->cmdRemoveColumn->click();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, QStringLiteral("Are you sure you want to remove Column 1?"));
    EXPECT_EQ(view.messages[0].title, QStringLiteral("Confirm Delete"));
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "WallID = 1 AND ColumnID = 'Column 1'"),
              QStringLiteral("**Removed**"));
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "WallID = 1 AND ColumnID = 'Column 2'"), QStringLiteral("10"));
}

TEST_F(OpeningsTest, ColumnRemovalKeepsTheRowAndNeverReusesItsNumber)
{
    for (int c = 1; c <= 3; ++c)
        addColumn(1, c, QStringLiteral("10"), QStringLiteral("1"));
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, QStringLiteral("Column 2")));
    view.answers = {MsgResult::No};
    ed->cmdRemoveColumn->click();
    EXPECT_EQ(count(QStringLiteral("Column_Information"), QStringLiteral("ColumnHeight = '**Removed**'")), 0);

    ed->grdColumnInformation->selectRowAt(0);  // the chosen column is still the one removed
    view.answers = {MsgResult::Yes};
    ed->cmdRemoveColumn->click();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].text, QStringLiteral("Are you sure you want to remove Column 2?"));
    EXPECT_EQ(cell("Column_Information", "MaxWidth", "ColumnID = 'Column 2'"), QStringLiteral("NA"));
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "ColumnID = 'Column 1'"), QStringLiteral("10"));

    ASSERT_EQ(ed->grdColumnInformation->rows(), 3);
    EXPECT_EQ(gridRow(ed->grdColumnInformation, 1), (QStringList{"Column 2", "**Removed**", "NA"}));
    EXPECT_EQ(listOf(ed->cboColumnID), (QStringList{"Column 1", "Column 2", "Column 3", "Column 4"}));
    EXPECT_EQ(ed->cboColumnID->text(), QStringLiteral("Column 4"));
    EXPECT_EQ(ed->cmdAddColumn->text(), QStringLiteral("Add ->>"));
    EXPECT_FALSE(ed->cmdRemoveColumn->isEnabled());

    ed->txtColumnHeight->setText(QStringLiteral("11"));
    ed->cmdAddColumn->click();
    EXPECT_EQ(count(QStringLiteral("Column_Information"), QStringLiteral("ColumnID = 'Column 4'")), 1);

    // The removed column is no support any more, until it is saved again.
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(listOf(ed->cboColumnIDLeft, 1), (QStringList{"Column 1", "Column 3", "Column 4"}));
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, QStringLiteral("Column 2")));
    EXPECT_TRUE(ed->txtColumnHeight->text().isEmpty());
    EXPECT_EQ(ed->cmdAddColumn->text(), QStringLiteral("Update ->>"));
    ed->txtColumnHeight->setText(QStringLiteral("9"));
    ed->cmdAddColumn->click();
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(listOf(ed->cboColumnIDLeft, 1), (QStringList{"Column 1", "Column 2", "Column 3", "Column 4"}));
}

TEST_F(OpeningsTest, ColumnModeFollowsTheChosenColumnWhenThePageIsEnteredAgain)
{
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("1"));
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, QStringLiteral("Column 1")));
    EXPECT_EQ(ed->cmdAddColumn->text(), QStringLiteral("Update ->>"));
    ed->ResetChoices();
    EXPECT_FALSE(ed->cmdRemoveColumn->isEnabled());
    ed->EnterColumnsPage();
    EXPECT_EQ(ed->cboColumnID->text(), QStringLiteral("Column 2"));
    EXPECT_EQ(ed->cmdAddColumn->text(), QStringLiteral("Add ->>"));
    EXPECT_FALSE(ed->cmdRemoveColumn->isEnabled());
}

// ---------------------------------------------------------------- the road

TEST_F(OpeningsTest, ColumnsAndOpeningsEnteredHereReachTheCalculation)
{
    ed->EnterColumnsPage();
    for (const char* height : {"10", "10"}) {
        ed->txtColumnHeight->setText(QString::fromLatin1(height));
        ed->txtMaxColumnWidth->setText(QStringLiteral("1"));
        ed->cmdAddColumn->click();
    }
    ed->EnterRoughOpeningsPage();
    enterOpening(QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("Column 1"),
                 QStringLiteral("Column 2"));
    pressAddRO();
    ASSERT_TRUE(view.messages.empty());
    ASSERT_EQ(count(QStringLiteral("Column_Information"), QStringLiteral("WallID = 1")), 2);
    ASSERT_EQ(count(QStringLiteral("Header_Information"), QStringLiteral("WallID = 1")), 1);

    exec(QStringLiteral("DELETE FROM General_Information WHERE WallID = 2"));
    exec(QStringLiteral("DELETE FROM Project_Information WHERE ID = 2"));
    dv::RefreshWallSystemGrid();
    ASSERT_EQ(view.wallGridRowCount(), 1);
    ASSERT_EQ(view.wallGridCell(0, 2), QStringLiteral("Yes"));
    dv::RunCompare();
    if (count(QStringLiteral("Material_List"), QStringLiteral("WallID = 1 AND MemberType = 'Stud'")) == 0)
        GTEST_SKIP() << "the calculation gives no stud results yet";
    EXPECT_GT(count(QStringLiteral("Material_List"), QStringLiteral("WallID = 1 AND MemberType = 'Header'")), 0);
    ASSERT_EQ(view.comparisonRowCount(), 1);
    EXPECT_EQ(view.comparisonCell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(view.comparisonCell(0, 1), QStringLiteral("North"));
}

}  // namespace
