// The column and rough-opening pages of the wall editor, on their own: the
// numbering that survives removals, the length and support checks with
// their messages, the refusals, and the mode that follows the chosen item.
#include "core/app_state.h"
#include "core/input_filters.h"
#include "core/translator.h"
#include "core/wall_list.h"
#include "engine/calculate.h"
#include "core/startup.h"
#include "platform/app_error.h"
#include "platform/numbers.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "tests/test_support.h"
#include "ui/project/wall_openings_editor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace {

using namespace Qt::StringLiterals;
using dv::MsgButtons;
using dv::MsgResult;
using dv::WallOpeningsEditor;

const QString kLengthMessage = QStringLiteral(
    "Your input Rough Opening Width's exceed the length of this wall.  Please review your input and make the "
    "necessary adjustments.");
const QString kSameColumnMessage = QStringLiteral(
    "You cannot select the same Column ID for both the left and right support.  Please make a new selection.");

// What a typed length is stored as when its box is read once.
QString storedOnce(const QString& typed)
{
    return dv::sqlNumber(dv::ConvertInputToInches(typed) / 12.0);
}

// The same when the box is read twice: the second time it holds the display
// text that the first reading wrote into it.
QString storedTwice(const QString& typed)
{
    const double shownInches = dv::ConvertInputToInches(dv::FormatInchesForDisplay(dv::ConvertInputToInches(typed)));
    return dv::sqlNumber(shownInches / 12.0);
}

QString shown(const QString& storedText)
{
    return dv::FormatInchesForDisplay(dv::ConvertInputToInches(storedText));
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
        addEaveWall(1, u"North"_s, 10, 20, 24);
        addEaveWall(2, u"South"_s, 10, 20, 24);
        wallLength->setText(u"20"_s);
        eaveHeight->setText(u"10"_s);
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
        if (!headers.isEmpty()) {
            ASSERT_TRUE(pick(ed->cboNumberHeaders, headers));
        }
        if (!left.isEmpty()) {
            ASSERT_TRUE(pick(ed->cboColumnIDLeft, left, 1));
        }
        if (!right.isEmpty()) {
            ASSERT_TRUE(pick(ed->cboColumnIDRight, right, 1));
        }
    }

    // Presses Add with the wall length typed afresh, as the user left it.
    void pressAddRO()
    {
        wallLength->setText(wallLengthText);
        ed->cmdAddRO->click();
    }

    QString cell(const QString& table, const QString& field, const QString& where)
    {
        return scalar(u"SELECT %1 FROM %2 WHERE %3"_s.arg(field, table, where)).toText();
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
    QString wallID = u"1"_s;
    QString wallLengthText = u"20"_s;
    std::unique_ptr<WallOpeningsEditor> ed;
};

// ------------------------------------------------------------ rough openings

TEST_F(OpeningsTest, WallWithoutOpeningsOffersOnlyTheFirstNumber)
{
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(ed->grdROInformation->rows(), 0);
    EXPECT_EQ(listOf(ed->cboROID), QStringList{u"Rough Opening 1"_s});
    EXPECT_EQ(ed->cboROID->text(), u"Rough Opening 1"_s);
    EXPECT_EQ(listOf(ed->cboNumberHeaders), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(ed->cboColumnIDLeft->rows(), 0);  // no columns: no opening can be completed
    ASSERT_TRUE(pick(ed->cboROID, u"Rough Opening 1"_s));
    EXPECT_EQ(ed->cmdAddRO->text(), u"Add ->>"_s);
    EXPECT_FALSE(ed->cmdRemoveRO->isEnabled());
}

TEST_F(OpeningsTest, SupportListsHoldTheWallsLiveColumnsInStoredOrder)
{
    addColumn(1, 2, u"10"_s, u"1"_s);
    addColumn(2, 1, u"10"_s, u"1"_s);
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 3, u"**Removed**"_s, u"NA"_s);
    ed->cboColumnIDLeft->setText(u"Column 9"_s);
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(listOf(ed->cboColumnIDLeft, 1), (QStringList{"Column 2", "Column 1"}));
    EXPECT_EQ(listOf(ed->cboColumnIDRight, 1), (QStringList{"Column 2", "Column 1"}));
    // The first field is the row's own number in the table.
    EXPECT_EQ(ed->cboColumnIDLeft->rowValue(1, 0),
              scalar(u"SELECT rowid FROM Column_Information WHERE WallID = 1 AND ColumnID = 'Column 1'"_s).toText());
    EXPECT_TRUE(ed->cboColumnIDLeft->text().isEmpty());
}

TEST_F(OpeningsTest, AddStoresTheOpeningInTheEditedWallAndOffersTheNextNumber)
{
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    dv::CurrentWallID = 2;  // as a calculation leaves it: the last wall walked
    ed->EnterRoughOpeningsPage();
    enterOpening(u"3.5"_s, u"7"_s, u"2"_s, u"Column 1"_s, u"Column 2"_s);
    pressAddRO();

    EXPECT_TRUE(view.messages.empty());
    ASSERT_EQ(count(u"Header_Information"_s), 1);
    EXPECT_EQ(count(u"Header_Information"_s, u"WallID = 1"_s), 1);
    const QString where = u"ROID = 'Rough Opening 1'"_s;
    EXPECT_EQ(cell("Header_Information", "ROWidth", where), storedTwice(u"3.5"_s));
    EXPECT_EQ(cell("Header_Information", "AverageROHeight", where), storedOnce(u"7"_s));
    EXPECT_EQ(cell("Header_Information", "NumHeaders", where), u"2"_s);
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", where), u"Column 1"_s);
    EXPECT_EQ(cell("Header_Information", "ColIDRight", where), u"Column 2"_s);

    ASSERT_EQ(ed->grdROInformation->rows(), 1);
    EXPECT_EQ(gridRow(ed->grdROInformation, 0), (QStringList{"Rough Opening 1", shown(storedTwice("3.5")),
                                                             shown(storedOnce("7")), "2", "Column 1", "Column 2"}));
    EXPECT_EQ(listOf(ed->cboROID), (QStringList{"Rough Opening 1", "Rough Opening 2"}));
    EXPECT_EQ(ed->cboROID->text(), u"Rough Opening 2"_s);
    EXPECT_EQ(ed->cmdAddRO->text(), u"Add ->>"_s);
    EXPECT_FALSE(ed->cmdRemoveRO->isEnabled());
    EXPECT_TRUE(ed->txtROWidth->text().isEmpty());
    EXPECT_TRUE(ed->txtAverageROHeight->text().isEmpty());
    // The header count and supports stay offered for the next opening.
    EXPECT_EQ(ed->cboNumberHeaders->text(), u"2"_s);
    EXPECT_EQ(ed->cboColumnIDLeft->text(), u"Column 1"_s);
    EXPECT_EQ(ed->cboColumnIDRight->text(), u"Column 2"_s);
}

TEST_F(OpeningsTest, LengthTestCountsOnlyTheOtherLiveOpenings)
{
    for (int c = 1; c <= 8; ++c)
        addColumn(1, c, u"10"_s, u"1"_s);
    addOpening(1, 1, u"8"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    addOpening(1, 2, u"6"_s, u"7"_s, u"1"_s, u"Column 3"_s, u"Column 4"_s);
    addOpening(1, 3, u"**Removed**"_s, u"NA"_s, u"NA"_s);
    addOpening(2, 1, u"15"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    ed->EnterRoughOpeningsPage();

    // 8 + 6 + 6' 1" is more than the 20-foot wall: refused, nothing stored.
    enterOpening(u"6' 1\""_s, u"7"_s, u"1"_s, u"Column 5"_s, u"Column 6"_s);
    pressAddRO();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, kLengthMessage);
    EXPECT_EQ(view.messages[0].title, u"Error"_s);
    EXPECT_EQ(view.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(count(u"Header_Information"_s, u"WallID = 1"_s), 3);
    // The boxes keep the user's input, shown in display notation.
    EXPECT_EQ(ed->txtROWidth->text(), shown(u"6' 1\""_s));
    EXPECT_EQ(wallLength->text(), shown(u"20"_s));

    // Exactly the wall's length passes.
    view.messages.clear();
    ed->txtROWidth->setText(u"6"_s);
    pressAddRO();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(count(u"Header_Information"_s, u"WallID = 1"_s), 4);

    // The opening being saved is left out: 8 feet becomes 14 beside 6 and 0.
    exec(u"UPDATE Header_Information SET ROWidth = '0' WHERE WallID = 1 AND ROID = 'Rough Opening 4'"_s);
    ed->RefreshRoughOpeningGrid();
    ASSERT_TRUE(pick(ed->cboROID, u"Rough Opening 1"_s));
    ed->txtROWidth->setText(u"14"_s);
    pressAddRO();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(cell("Header_Information", "ROWidth", "WallID = 1 AND ROID = 'Rough Opening 1'"), storedTwice(u"14"_s));
}

TEST_F(OpeningsTest, OpeningsThatFillTheWallExactlyAreAccepted)
{
    // Three openings of 6' 8" fill 20 feet; their stored widths carry 15
    // significant digits and add up a hair above 20.
    for (int c = 1; c <= 6; ++c)
        addColumn(1, c, u"10"_s, u"1"_s);
    const QString third = dv::sqlNumber(80.0 / 12.0);
    addOpening(1, 1, third, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    addOpening(1, 2, third, u"7"_s, u"1"_s, u"Column 3"_s, u"Column 4"_s);
    ASSERT_GT(3 * third.toDouble(), 20.0);
    ed->EnterRoughOpeningsPage();
    enterOpening(third, u"7"_s, u"1"_s, u"Column 5"_s, u"Column 6"_s);
    pressAddRO();
    EXPECT_FALSE(titles().contains(u"Error"_s));
}

TEST_F(OpeningsTest, EmptyWallLengthRefusesAnyOpening)
{
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    wallLengthText.clear();
    ed->EnterRoughOpeningsPage();
    enterOpening(u"3"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    pressAddRO();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, kLengthMessage);
    EXPECT_EQ(count(u"Header_Information"_s), 0);
}

TEST_F(OpeningsTest, IncompleteOpeningIsNotStoredAndNothingIsSaid)
{
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    ed->EnterRoughOpeningsPage();
    enterOpening(u"3"_s, QString(), u"1"_s, u"Column 1"_s, u"Column 2"_s);
    pressAddRO();  // no average height
    enterOpening(u"3"_s, u"7"_s, QString(), QString(), u"Column 2"_s);
    ed->cboNumberHeaders->setText(QString());
    pressAddRO();  // no header count
    ed->cboNumberHeaders->setText(u"1"_s);
    ed->cboColumnIDLeft->setText(QString());
    ed->txtROWidth->setText(u"3"_s);
    pressAddRO();  // no left support
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(count(u"Header_Information"_s), 0);
    EXPECT_EQ(ed->txtROWidth->text(), shown(u"3"_s));
}

TEST_F(OpeningsTest, EmptyWidthBoxIsReadAsNoughtAndCountsAsFilledIn)
{
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    ed->EnterRoughOpeningsPage();
    enterOpening(QString(), u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    pressAddRO();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(cell("Header_Information", "ROWidth", "ROID = 'Rough Opening 1'"), u"0"_s);
}

TEST_F(OpeningsTest, AddingRefusesASupportAlreadyUsedOnTheSameSide)
{
    for (int c = 1; c <= 5; ++c)
        addColumn(1, c, u"10"_s, u"1"_s);
    addOpening(1, 1, u"3"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    addOpening(1, 2, u"3"_s, u"7"_s, u"1"_s, u"Column 3"_s, u"Column 4"_s);
    addOpening(1, 3, u"**Removed**"_s, u"NA"_s, u"NA"_s);
    ed->EnterRoughOpeningsPage();

    // Left against left, right against right: one message per opening.
    enterOpening(u"2"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 4"_s);
    pressAddRO();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0].text, QStringLiteral("Column 1 has already been used as a left column support.  "
                                                    "Please choose a different column support"));
    EXPECT_EQ(view.messages[1].text, QStringLiteral("Column 4 has already been used as a right column support.  "
                                                    "Please choose a different column support"));
    EXPECT_EQ(titles(), (QStringList{"Column Support Conflict", "Column Support Conflict"}));
    EXPECT_EQ(count(u"Header_Information"_s), 3);

    // A column may carry the right side of one opening and the left of the
    // next; the removed opening's 'NA' supports conflict with nothing.
    view.messages.clear();
    ed->cboColumnIDLeft->setText(u"Column 2"_s);
    ed->cboColumnIDRight->setText(u"Column 5"_s);
    pressAddRO();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", "ROID = 'Rough Opening 4'"), u"Column 2"_s);
}

TEST_F(OpeningsTest, UpdatingKeepsItsSupportsWithoutTheSupportCheck)
{
    for (int c = 1; c <= 4; ++c)
        addColumn(1, c, u"10"_s, u"1"_s);
    addOpening(1, 1, u"3"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    addOpening(1, 2, u"4"_s, u"6.5"_s, u"3"_s, u"Column 3"_s, u"Column 4"_s);
    ed->EnterRoughOpeningsPage();
    ASSERT_TRUE(pick(ed->cboROID, u"Rough Opening 2"_s));
    EXPECT_EQ(ed->cmdAddRO->text(), u"Update ->>"_s);
    EXPECT_TRUE(ed->cmdRemoveRO->isEnabled());
    EXPECT_EQ(ed->txtROWidth->text(), shown(u"4"_s));
    EXPECT_EQ(ed->txtAverageROHeight->text(), shown(u"6.5"_s));
    EXPECT_EQ(ed->cboNumberHeaders->text(), u"3"_s);
    EXPECT_EQ(ed->cboColumnIDLeft->text(), u"Column 3"_s);
    EXPECT_EQ(ed->cboColumnIDRight->text(), u"Column 4"_s);
    EXPECT_EQ(ed->grdROInformation->cursorRow(), 1);

    ed->cboColumnIDLeft->setText(u"Column 1"_s);
    pressAddRO();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(count(u"Header_Information"_s), 2);
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", "ROID = 'Rough Opening 2'"), u"Column 1"_s);
    EXPECT_EQ(ed->cmdAddRO->text(), u"Add ->>"_s);
    EXPECT_EQ(ed->cboROID->text(), u"Rough Opening 3"_s);
}

TEST_F(OpeningsTest, SameColumnOnBothSidesIsRefusedAtThePick)
{
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    ed->EnterRoughOpeningsPage();
    ASSERT_TRUE(pick(ed->cboColumnIDRight, u"Column 1"_s, 1));
    EXPECT_TRUE(view.messages.empty());
    ASSERT_TRUE(pick(ed->cboColumnIDLeft, u"Column 1"_s, 1));
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, kSameColumnMessage);
    EXPECT_EQ(view.messages[0].title, u"Error"_s);
    EXPECT_TRUE(ed->cboColumnIDLeft->text().isEmpty());
    EXPECT_EQ(ed->cboColumnIDRight->text(), u"Column 1"_s);

    ASSERT_TRUE(pick(ed->cboColumnIDLeft, u"Column 2"_s, 1));
    ASSERT_TRUE(pick(ed->cboColumnIDRight, u"Column 2"_s, 1));
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_TRUE(ed->cboColumnIDRight->text().isEmpty());
    EXPECT_EQ(ed->cboColumnIDLeft->text(), u"Column 2"_s);
}

TEST_F(OpeningsTest, RemovalKeepsTheRowAndNeverReusesItsNumber)
{
    for (int c = 1; c <= 8; ++c)
        addColumn(1, c, u"10"_s, u"1"_s);
    for (int n = 1; n <= 3; ++n)
        addOpening(1, n, u"2"_s, u"7"_s, u"1"_s, u"Column %1"_s.arg(2 * n - 1), u"Column %1"_s.arg(2 * n));
    ed->EnterRoughOpeningsPage();
    ASSERT_TRUE(pick(ed->cboROID, u"Rough Opening 2"_s));

    view.answers = {MsgResult::No};
    ed->cmdRemoveRO->click();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, u"Are you sure you want to remove Rough Opening 2?"_s);
    EXPECT_EQ(view.messages[0].title, u"Confirm Delete"_s);
    EXPECT_EQ(view.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(count(u"Header_Information"_s, u"ROWidth = '**Removed**'"_s), 0);

    // A grid row clicked after choosing does not change what is removed.
    ed->grdROInformation->selectRowAt(2);
    view.answers = {MsgResult::Yes};
    ed->cmdRemoveRO->click();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].text, u"Are you sure you want to remove Rough Opening 2?"_s);
    EXPECT_EQ(count(u"Header_Information"_s, u"ROWidth = '**Removed**'"_s), 1);
    EXPECT_EQ(cell("Header_Information", "ColIDRight", "ROID = 'Rough Opening 2'"), u"NA"_s);
    EXPECT_EQ(cell("Header_Information", "ROWidth", "ROID = 'Rough Opening 3'"), u"2"_s);

    ASSERT_EQ(ed->grdROInformation->rows(), 3);
    EXPECT_EQ(gridRow(ed->grdROInformation, 1),
              (QStringList{"Rough Opening 2", "**Removed**", "NA", "NA", "NA", "NA"}));
    EXPECT_EQ(listOf(ed->cboROID),
              (QStringList{"Rough Opening 1", "Rough Opening 2", "Rough Opening 3", "Rough Opening 4"}));
    EXPECT_EQ(ed->cboROID->text(), u"Rough Opening 4"_s);
    EXPECT_EQ(ed->cmdAddRO->text(), u"Add ->>"_s);
    EXPECT_FALSE(ed->cmdRemoveRO->isEnabled());

    // Its supports are free again, and the next opening is number 4.
    enterOpening(u"2"_s, u"7"_s, u"1"_s, u"Column 3"_s, u"Column 4"_s);
    pressAddRO();
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", "ROID = 'Rough Opening 4'"), u"Column 3"_s);

    // A removed opening comes up empty in update mode and can live again.
    ASSERT_TRUE(pick(ed->cboROID, u"Rough Opening 2"_s));
    EXPECT_TRUE(ed->txtROWidth->text().isEmpty());
    EXPECT_TRUE(ed->cboColumnIDLeft->text().isEmpty());
    EXPECT_EQ(ed->cmdAddRO->text(), u"Update ->>"_s);
    enterOpening(u"1.5"_s, u"7"_s, u"4"_s, u"Column 7"_s, u"Column 8"_s);
    pressAddRO();
    EXPECT_EQ(cell("Header_Information", "NumHeaders", "ROID = 'Rough Opening 2'"), u"4"_s);
    EXPECT_EQ(cell("Header_Information", "ColIDLeft", "ROID = 'Rough Opening 2'"), u"Column 7"_s);
    EXPECT_EQ(count(u"Header_Information"_s), 4);
}

TEST_F(OpeningsTest, MarkersAndSupportsReadWithoutCase)
{
    // Rows as a project file may bring them.
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    addOpening(1, 1, u"**removed**"_s, u"na"_s, u"na"_s, u"na"_s, u"na"_s);
    addOpening(1, 2, u"3"_s, u"7"_s, u"1"_s, u"column 1"_s, u"column 2"_s);
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(ed->grdROInformation->cellText(0, 1), u"**removed**"_s);
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, u"Column 1"_s));
    ed->cmdRemoveColumn->click();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, u"Column Support Conflict"_s);
}

TEST_F(OpeningsTest, RowsComeBackInTheOrderTheyWereStored)
{
    addOpening(1, 2, u"2"_s, u"7"_s, u"1"_s);
    addOpening(2, 1, u"2"_s, u"7"_s, u"1"_s);
    addOpening(1, 1, u"3"_s, u"7"_s, u"1"_s);
    ed->RefreshRoughOpeningGrid();
    ASSERT_EQ(ed->grdROInformation->rows(), 2);
    EXPECT_EQ(ed->grdROInformation->cellText(0, 0), u"Rough Opening 2"_s);
    EXPECT_EQ(ed->grdROInformation->cellText(1, 0), u"Rough Opening 1"_s);
}

TEST_F(OpeningsTest, ModeFollowsTheChosenOpeningWhenThePageIsEnteredAgain)
{
    addOpening(1, 1, u"2"_s, u"7"_s, u"1"_s);
    ed->EnterRoughOpeningsPage();
    ASSERT_TRUE(pick(ed->cboROID, u"Rough Opening 1"_s));
    EXPECT_EQ(ed->cmdAddRO->text(), u"Update ->>"_s);
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(ed->cboROID->text(), u"Rough Opening 2"_s);
    EXPECT_EQ(ed->cmdAddRO->text(), u"Add ->>"_s);
    EXPECT_FALSE(ed->cmdRemoveRO->isEnabled());
    ASSERT_TRUE(pick(ed->cboROID, u"Rough Opening 2"_s));
    EXPECT_EQ(ed->cmdAddRO->text(), u"Add ->>"_s);
}

TEST_F(OpeningsTest, NoWallOpenStoresNothing)
{
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    ed->EnterRoughOpeningsPage();
    enterOpening(u"2"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    wallID.clear();
    pressAddRO();
    ed->txtColumnHeight->setText(u"9"_s);
    ed->cmdAddColumn->click();
    EXPECT_EQ(count(u"Header_Information"_s), 0);
    EXPECT_EQ(count(u"Column_Information"_s), 2);
    ed->RefreshRoughOpeningGrid();
    EXPECT_EQ(ed->grdROInformation->rows(), 0);
    EXPECT_EQ(ed->cmdAddRO->text(), u"Add ->>"_s);
}

TEST_F(OpeningsTest, ReturnOnAPagePressesItsAddButton)
{
    addColumn(1, 1, u"10"_s, u"1"_s);
    ed->EnterColumnsPage();
    ed->txtColumnHeight->setText(u"9"_s);
    QTest::keyClick(ed->txtColumnHeight, Qt::Key_Return);
    EXPECT_EQ(count(u"Column_Information"_s, u"ColumnID = 'Column 2'"_s), 1);

    addColumn(1, 3, u"10"_s, u"1"_s);
    ed->EnterRoughOpeningsPage();
    enterOpening(u"2"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    QTest::keyClick(ed->txtAverageROHeight, Qt::Key_Return);
    EXPECT_EQ(count(u"Header_Information"_s), 1);
}

TEST_F(OpeningsTest, WidthBoxFollowsItsLabelWhenLeft)
{
    ed->txtROWidth->setText(u"3"_s);
    ed->txtROWidth_LostFocus();
    EXPECT_EQ(ed->txtROWidth->text(), shown(u"3"_s));
    EXPECT_EQ(lblROWidth->text(), ed->txtROWidth->text());
    // An empty box is left alone.
    ed->txtAverageROHeight->clear();
    ed->txtAverageROHeight_LostFocus();
    EXPECT_TRUE(ed->txtAverageROHeight->text().isEmpty());
}

TEST_F(OpeningsTest, LengthBoxesTakeOnlyTheKeysOfALength)
{
    const QString typed = u"12a' 6-1/2\",x"_s;
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
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    ed->EnterRoughOpeningsPage();
    enterOpening(u"abc"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    pressAddRO();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text,
              dv::errorMessageText(dv::err::InvalidInputFormat, u"Rough Opening Width: Invalid Input string format."_s));
    EXPECT_EQ(count(u"Header_Information"_s), 0);
}

// ------------------------------------------------------------------ columns

TEST_F(OpeningsTest, WallWithoutColumnsOffersOnlyTheFirstNumber)
{
    optEave->setChecked(false);
    optGable->setChecked(true);
    ed->EnterColumnsPage();
    EXPECT_EQ(ed->grdColumnInformation->rows(), 0);
    EXPECT_EQ(listOf(ed->cboColumnID), QStringList{u"Column 1"_s});
    ASSERT_TRUE(pick(ed->cboColumnID, u"Column 1"_s));
    EXPECT_EQ(ed->cmdAddColumn->text(), u"Add ->>"_s);
    EXPECT_FALSE(ed->cmdRemoveColumn->isEnabled());
    EXPECT_TRUE(ed->txtColumnHeight->text().isEmpty());  // a gable wall proposes nothing
}

TEST_F(OpeningsTest, AddColumnStoresItAndProposesTheEaveHeightAgain)
{
    dv::CurrentWallID = 2;
    ed->EnterColumnsPage();
    EXPECT_EQ(lblColumnHeight->text(), shown(u"10"_s));
    EXPECT_TRUE(ed->txtColumnHeight->text().isEmpty());

    ed->txtColumnHeight->setText(u"10.5"_s);
    ed->txtMaxColumnWidth->clear();
    ed->cmdAddColumn->click();
    ASSERT_EQ(count(u"Column_Information"_s, u"WallID = 1"_s), 1);
    EXPECT_EQ(count(u"Column_Information"_s, u"WallID = 2"_s), 0);
    EXPECT_EQ(cell("Column_Information", "ColumnID", "WallID = 1"), u"Column 1"_s);
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "WallID = 1"), storedOnce(u"10.5"_s));
    EXPECT_EQ(cell("Column_Information", "MaxWidth", "WallID = 1"), u"0"_s);
    // The empty width box shows 0 and keeps it for the next column.
    EXPECT_EQ(ed->txtMaxColumnWidth->text(), shown(u"0"_s));
    EXPECT_EQ(ed->txtColumnHeight->text(), shown(u"10"_s));
    EXPECT_EQ(gridRow(ed->grdColumnInformation, 0),
              (QStringList{"Column 1", shown(storedOnce("10.5")), shown(u"0"_s)}));
    EXPECT_EQ(listOf(ed->cboColumnID), (QStringList{"Column 1", "Column 2"}));
    EXPECT_EQ(ed->cboColumnID->text(), u"Column 2"_s);
    EXPECT_EQ(ed->cmdAddColumn->text(), u"Add ->>"_s);
}

TEST_F(OpeningsTest, GableWallColumnsAreNotOfferedAHeight)
{
    optEave->setChecked(false);
    optGable->setChecked(true);
    ed->EnterColumnsPage();
    ed->txtMaxColumnWidth->setText(u"1"_s);
    ed->cmdAddColumn->click();  // no height: nothing stored, nothing said
    EXPECT_EQ(count(u"Column_Information"_s), 0);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(ed->txtColumnHeight->text().isEmpty());

    ed->txtColumnHeight->setText(u"12"_s);
    ed->cmdAddColumn->click();
    EXPECT_EQ(count(u"Column_Information"_s), 1);
    EXPECT_TRUE(ed->txtColumnHeight->text().isEmpty());
}

TEST_F(OpeningsTest, ChoosingAndUpdatingAColumn)
{
    addColumn(1, 1, u"12"_s, u"1.5"_s);
    addColumn(1, 2, u"14"_s, u"2"_s);
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, u"Column 2"_s));
    EXPECT_EQ(ed->txtColumnHeight->text(), shown(u"14"_s));
    EXPECT_EQ(ed->txtMaxColumnWidth->text(), shown(u"2"_s));
    EXPECT_EQ(ed->cmdAddColumn->text(), u"Update ->>"_s);
    EXPECT_TRUE(ed->cmdRemoveColumn->isEnabled());
    EXPECT_EQ(ed->grdColumnInformation->cursorRow(), 1);

    ed->txtColumnHeight->setText(u"13"_s);
    ed->txtMaxColumnWidth->setText(u"1.25"_s);
    ed->cmdAddColumn->click();
    EXPECT_EQ(count(u"Column_Information"_s), 2);
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "ColumnID = 'Column 2'"), storedOnce(u"13"_s));
    EXPECT_EQ(cell("Column_Information", "MaxWidth", "ColumnID = 'Column 2'"), storedOnce(u"1.25"_s));
    EXPECT_EQ(ed->cmdAddColumn->text(), u"Add ->>"_s);
    EXPECT_FALSE(ed->cmdRemoveColumn->isEnabled());
    EXPECT_EQ(ed->cboColumnID->text(), u"Column 3"_s);
}

TEST_F(OpeningsTest, ColumnCarryingTwoOpeningsCannotBeRemoved)
{
    for (int c = 1; c <= 3; ++c)
        addColumn(1, c, u"10"_s, u"1"_s);
    addOpening(1, 1, u"3"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    addOpening(1, 2, u"3"_s, u"7"_s, u"1"_s, u"Column 2"_s, u"Column 3"_s);
    addOpening(2, 1, u"3"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 3"_s);
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, u"Column 2"_s));
    ed->cmdRemoveColumn->click();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0].text, QStringLiteral("Column 2 is required to support one side of Rough Opening 1.  "
                                                    "You must first remove the Rough Opening before the column can "
                                                    "be removed."));
    EXPECT_EQ(view.messages[1].text, QStringLiteral("Column 2 is required to support one side of Rough Opening 2.  "
                                                    "You must first remove the Rough Opening before the column can "
                                                    "be removed."));
    EXPECT_EQ(titles(), (QStringList{"Column Support Conflict", "Column Support Conflict"}));
    EXPECT_EQ(count(u"Column_Information"_s, u"ColumnHeight = '**Removed**'"_s), 0);

    // Only openings of this wall count; removed openings hold 'NA'.
    view.messages.clear();
    exec(
        QStringLiteral("UPDATE Header_Information SET ROWidth = '**Removed**', AverageROHeight = 'NA', "
                       "NumHeaders = 'NA', ColIDLeft = 'NA', ColIDRight = 'NA' WHERE WallID = 1"));
    ASSERT_TRUE(pick(ed->cboColumnID, u"Column 1"_s));
    view.answers = {MsgResult::Yes};
    ed->cmdRemoveColumn->click();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, u"Are you sure you want to remove Column 1?"_s);
    EXPECT_EQ(view.messages[0].title, u"Confirm Delete"_s);
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "WallID = 1 AND ColumnID = 'Column 1'"), u"**Removed**"_s);
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "WallID = 1 AND ColumnID = 'Column 2'"), u"10"_s);
}

TEST_F(OpeningsTest, ColumnRemovalKeepsTheRowAndNeverReusesItsNumber)
{
    for (int c = 1; c <= 3; ++c)
        addColumn(1, c, u"10"_s, u"1"_s);
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, u"Column 2"_s));
    view.answers = {MsgResult::No};
    ed->cmdRemoveColumn->click();
    EXPECT_EQ(count(u"Column_Information"_s, u"ColumnHeight = '**Removed**'"_s), 0);

    ed->grdColumnInformation->selectRowAt(0);  // the chosen column is still the one removed
    view.answers = {MsgResult::Yes};
    ed->cmdRemoveColumn->click();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].text, u"Are you sure you want to remove Column 2?"_s);
    EXPECT_EQ(cell("Column_Information", "MaxWidth", "ColumnID = 'Column 2'"), u"NA"_s);
    EXPECT_EQ(cell("Column_Information", "ColumnHeight", "ColumnID = 'Column 1'"), u"10"_s);

    ASSERT_EQ(ed->grdColumnInformation->rows(), 3);
    EXPECT_EQ(gridRow(ed->grdColumnInformation, 1), (QStringList{"Column 2", "**Removed**", "NA"}));
    EXPECT_EQ(listOf(ed->cboColumnID), (QStringList{"Column 1", "Column 2", "Column 3", "Column 4"}));
    EXPECT_EQ(ed->cboColumnID->text(), u"Column 4"_s);
    EXPECT_EQ(ed->cmdAddColumn->text(), u"Add ->>"_s);
    EXPECT_FALSE(ed->cmdRemoveColumn->isEnabled());

    ed->txtColumnHeight->setText(u"11"_s);
    ed->cmdAddColumn->click();
    EXPECT_EQ(count(u"Column_Information"_s, u"ColumnID = 'Column 4'"_s), 1);

    // The removed column is no support any more, until it is saved again.
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(listOf(ed->cboColumnIDLeft, 1), (QStringList{"Column 1", "Column 3", "Column 4"}));
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, u"Column 2"_s));
    EXPECT_TRUE(ed->txtColumnHeight->text().isEmpty());
    EXPECT_EQ(ed->cmdAddColumn->text(), u"Update ->>"_s);
    ed->txtColumnHeight->setText(u"9"_s);
    ed->cmdAddColumn->click();
    ed->EnterRoughOpeningsPage();
    EXPECT_EQ(listOf(ed->cboColumnIDLeft, 1), (QStringList{"Column 1", "Column 2", "Column 3", "Column 4"}));
}

TEST_F(OpeningsTest, ColumnModeFollowsTheChosenColumnWhenThePageIsEnteredAgain)
{
    addColumn(1, 1, u"10"_s, u"1"_s);
    ed->EnterColumnsPage();
    ASSERT_TRUE(pick(ed->cboColumnID, u"Column 1"_s));
    EXPECT_EQ(ed->cmdAddColumn->text(), u"Update ->>"_s);
    // The wall data page offers the first column again, as the window does.
    ed->cboColumnID->setText(u"Column 1"_s);
    ed->cmdRemoveColumn->setEnabled(false);
    ed->EnterColumnsPage();
    EXPECT_EQ(ed->cboColumnID->text(), u"Column 2"_s);
    EXPECT_EQ(ed->cmdAddColumn->text(), u"Add ->>"_s);
    EXPECT_FALSE(ed->cmdRemoveColumn->isEnabled());
}

// ---------------------------------------------------------------- the road

TEST_F(OpeningsTest, ColumnsAndOpeningsEnteredHereReachTheCalculation)
{
    ed->EnterColumnsPage();
    for (const char* height : {"10", "10"}) {
        ed->txtColumnHeight->setText(QString::fromLatin1(height));
        ed->txtMaxColumnWidth->setText(u"1"_s);
        ed->cmdAddColumn->click();
    }
    ed->EnterRoughOpeningsPage();
    enterOpening(u"3"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    pressAddRO();
    ASSERT_TRUE(view.messages.empty());
    ASSERT_EQ(count(u"Column_Information"_s, u"WallID = 1"_s), 2);
    ASSERT_EQ(count(u"Header_Information"_s, u"WallID = 1"_s), 1);

    exec(u"DELETE FROM General_Information WHERE WallID = 2"_s);
    exec(u"DELETE FROM Project_Information WHERE ID = 2"_s);
    dv::RefreshWallSystemGrid();
    ASSERT_EQ(view.wallGridRowCount(), 1);
    ASSERT_EQ(view.wallGridCell(0, 2), u"Yes"_s);
    dv::RunCompare();
    ASSERT_GT(count(u"Material_List"_s, u"WallID = 1 AND MemberType = 'Stud'"_s), 0);
    EXPECT_GT(count(u"Material_List"_s, u"WallID = 1 AND MemberType = 'Header'"_s), 0);
    ASSERT_EQ(view.comparisonRowCount(), 1);
    EXPECT_EQ(view.comparisonCell(0, 0), u"1"_s);
    EXPECT_EQ(view.comparisonCell(0, 1), u"North"_s);
}

}  // namespace
