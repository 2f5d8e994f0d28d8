// The grid, data combo and tab helpers the windows are built from.
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/tab_control.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using dv::DataCombo;
using dv::DataGrid;
using dv::TabControl;

namespace {

DataGrid* threeColumnGrid()
{
    auto* g = new DataGrid({QStringLiteral("WallID"), QStringLiteral("Wall System Name"), QStringLiteral("Configured")});
    g->resize(400, 300);
    return g;
}

QPoint rowCentre(DataGrid& g, int row) { return g.visualItemRect(g.item(row, 1)).center(); }

}  // namespace

TEST(DataGridRows, RowTextFieldsGoIntoColumnsInOrder)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    g->addRowFields({QStringLiteral("1"), QStringLiteral("Front Wall"), QStringLiteral("Yes")});
    g->addRowFields({QStringLiteral("2"), QStringLiteral("Back Wall"), QStringLiteral("No")});
    ASSERT_EQ(g->rows(), 2);
    EXPECT_EQ(g->cellText(0, 0), QStringLiteral("1"));
    EXPECT_EQ(g->cellText(0, 1), QStringLiteral("Front Wall"));
    EXPECT_EQ(g->cellText(1, 2), QStringLiteral("No"));
    // Out of range reads give empty text, never a failure.
    EXPECT_EQ(g->cellText(2, 0), QString());
    EXPECT_EQ(g->cellText(0, 3), QString());
}

TEST(DataGridRows, FieldListsShortAndLongFillTheColumnsThereAre)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    g->addRowFields({QStringLiteral("7"), QStringLiteral("Only two")});
    g->addRowFields({QStringLiteral("8"), QStringLiteral("Four"), QStringLiteral("Yes"), QStringLiteral("extra")});
    g->addRowFields({QStringLiteral("9"), QString(), QStringLiteral("No")});
    EXPECT_EQ(g->cellText(0, 1), QStringLiteral("Only two"));
    EXPECT_EQ(g->cellText(0, 2), QString());
    EXPECT_EQ(g->cellText(1, 2), QStringLiteral("Yes"));
    EXPECT_EQ(g->columnCount(), 3);
    EXPECT_EQ(g->cellText(2, 1), QString());
    EXPECT_EQ(g->cellText(2, 2), QStringLiteral("No"));
}

TEST(DataGridRows, CellsCannotBeEdited)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    g->addRowFields({QStringLiteral("1"), QStringLiteral("Front Wall"), QStringLiteral("Yes")});
    EXPECT_EQ(g->editTriggers(), QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < 3; ++c)
        EXPECT_FALSE(g->item(0, c)->flags() & Qt::ItemIsEditable);
}

TEST(DataGridWalk, WalkingVisitsEveryRowOnceAndLeavesTheSelectionAlone)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    for (int i = 1; i <= 4; ++i)
        g->addRowFields({QString::number(i), QStringLiteral("Wall %1").arg(i), QStringLiteral("Yes")});
    g->selectRowAt(2);
    ASSERT_EQ(g->selectedRow(), 2);

    QStringList seen;
    g->moveFirst();
    for (int i = 0; i < g->rows(); ++i) {
        seen << g->value(0);
        g->moveNext();
    }
    EXPECT_EQ(seen, (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(g->selectedRow(), 2);
    // Past the last row nothing is current.
    EXPECT_EQ(g->cursorRow(), -1);
    EXPECT_EQ(g->value(0), QString());
}

TEST(DataGridWalk, ValueOfTheCurrentRowCanBeWritten)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    g->addRowFields({QStringLiteral("1"), QStringLiteral("Front Wall"), QStringLiteral("No")});
    g->addRowFields({QStringLiteral("2"), QStringLiteral("Back Wall"), QStringLiteral("No")});
    g->moveFirst();
    g->moveNext();
    g->setValue(2, QStringLiteral("Yes"));
    EXPECT_EQ(g->cellText(0, 2), QStringLiteral("No"));
    EXPECT_EQ(g->cellText(1, 2), QStringLiteral("Yes"));
}

TEST(DataGridWalk, RemoveAllEmptiesTheListAndTheCurrentRow)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    g->addRowFields({QStringLiteral("1"), QStringLiteral("Front Wall"), QStringLiteral("Yes")});
    g->moveFirst();
    g->removeAll();
    EXPECT_EQ(g->rows(), 0);
    EXPECT_EQ(g->cursorRow(), -1);
    EXPECT_EQ(g->value(1), QString());
}

TEST(DataGridMouse, ClickSelectsAndMakesCurrentDoubleClickActivates)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    for (int i = 1; i <= 3; ++i)
        g->addRowFields({QString::number(i), QStringLiteral("Wall %1").arg(i), QStringLiteral("Yes")});
    g->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.get()));
    QSignalSpy clicked(g.get(), &DataGrid::rowClicked);
    QSignalSpy activated(g.get(), &DataGrid::rowDoubleClicked);

    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, rowCentre(*g, 1));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1);
    EXPECT_EQ(g->selectedRow(), 1);
    EXPECT_EQ(g->value(1), QStringLiteral("Wall 2"));
    EXPECT_EQ(activated.count(), 0);

    // A double click is a press and release followed by the double-click
    // event on the same row.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, rowCentre(*g, 2));
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, rowCentre(*g, 2));
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.at(0).at(0).toInt(), 2);
    EXPECT_EQ(g->value(0), QStringLiteral("3"));
}

TEST(DataGridMouse, AddingRowsDoesNotMoveTheUsersRow)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    g->addRowFields({QStringLiteral("1"), QStringLiteral("Wall 1"), QStringLiteral("Yes")});
    g->addRowFields({QStringLiteral("2"), QStringLiteral("Wall 2"), QStringLiteral("Yes")});
    g->selectRowAt(1);
    g->addRowFields({QStringLiteral("3"), QStringLiteral("Wall 3"), QStringLiteral("Yes")});
    EXPECT_EQ(g->selectedRow(), 1);
    EXPECT_EQ(g->value(0), QStringLiteral("2"));
}

TEST(DataGridColumns, CaptionsAndValuesAreNeverCutTheStretchColumnTakesTheRest)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    g->setStretchColumn(1);
    g->show();
    const QFontMetrics header(g->horizontalHeader()->font());
    const QFontMetrics cells(g->font());
    auto fitsCaptions = [&] {
        for (int c = 0; c < 3; ++c)
            EXPECT_GT(g->columnWidth(c), header.horizontalAdvance(g->horizontalHeaderItem(c)->text())) << c;
    };
    fitsCaptions();
    const QString longName = QStringLiteral("North elevation over the double garage, second floor");
    g->addRowFields({QStringLiteral("123456789"), longName, QStringLiteral("Yes")});
    EXPECT_GT(g->columnWidth(0), cells.horizontalAdvance(QStringLiteral("123456789")));
    EXPECT_GT(g->columnWidth(1), cells.horizontalAdvance(longName));
    fitsCaptions();

    // Wide: the columns fill the grid, the name column taking what is left.
    g->resize(2000, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(g->columnWidth(0) + g->columnWidth(1) + g->columnWidth(2), g->viewport()->width());
    EXPECT_EQ(g->columnWidth(2), g->neededColumnWidth(2));
    // Narrow: nothing is squeezed; the grid scrolls sideways.
    g->resize(200, 300);
    QCoreApplication::processEvents();
    EXPECT_GT(g->columnWidth(1), cells.horizontalAdvance(longName));
    EXPECT_GT(g->horizontalScrollBar()->maximum(), 0);
    // Emptied, the columns go back to their captions.
    g->removeAll();
    EXPECT_LT(g->neededColumnWidth(1), cells.horizontalAdvance(longName));
    fitsCaptions();
}

TEST(DataGridColumns, AColumnKeepsItsAlignmentForRowsAddedBeforeAndAfter)
{
    std::unique_ptr<DataGrid> g(threeColumnGrid());
    g->addRowFields({QStringLiteral("1"), QStringLiteral("Front"), QStringLiteral("$10.00/$0.00")});
    g->setColumnAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    g->addRowFields({QStringLiteral("2"), QStringLiteral("Back"), QStringLiteral("$9.00/$0.00")});
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(g->item(r, 2)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter)) << r;
        EXPECT_EQ(g->item(r, 1)->textAlignment() & Qt::AlignHorizontal_Mask, int(Qt::AlignLeft)) << r;
    }
}

// ---------------------------------------------------------------------------

namespace {

std::unique_ptr<DataCombo> profileCombo()
{
    auto c = std::make_unique<DataCombo>(QStringList{QStringLiteral("ProfileID"), QStringLiteral("CustomerName")}, 1);
    c->addRowFields({QStringLiteral("1"), QStringLiteral("Default")});
    c->addRowFields({QStringLiteral("4"), QStringLiteral("Hallam Homes")});
    c->addRowFields({QStringLiteral("9"), QStringLiteral("Brightwater")});
    c->resize(200, 28);
    return c;
}

// Opens the list, moves down `steps` rows from the top and presses Enter,
// as a user choosing a row with the keyboard.
void pickWithKeyboard(DataCombo& c, int row)
{
    c.setDroppedDown(true);
    QAbstractItemView* list = c.view();
    list->setCurrentIndex(list->model()->index(row, 1));
    QTest::keyClick(list, Qt::Key_Return);
}

}  // namespace

TEST(DataComboValues, TextAndColumnsAreHeldApartFromTheList)
{
    auto c = profileCombo();
    QSignalSpy picked(c.get(), &DataCombo::picked);
    c->setColumnValue(0, QStringLiteral("1"));
    c->setText(QStringLiteral("Default"));
    EXPECT_EQ(c->columnValue(0), QStringLiteral("1"));
    EXPECT_EQ(c->text(), QStringLiteral("Default"));

    // Writing a value or the text searches nothing and raises nothing.
    c->setColumnValue(0, QStringLiteral("77"));
    c->setText(QStringLiteral("Not in the list"));
    EXPECT_EQ(c->columnValue(0), QStringLiteral("77"));
    EXPECT_EQ(c->text(), QStringLiteral("Not in the list"));
    EXPECT_EQ(picked.count(), 0);
    EXPECT_EQ(c->columnValue(5), QString());
}

TEST(DataComboValues, RemoveAllKeepsTheTextAndValues)
{
    auto c = profileCombo();
    c->setColumnValue(0, QStringLiteral("4"));
    c->setText(QStringLiteral("Hallam Homes"));
    c->removeAll();
    EXPECT_EQ(c->rows(), 0);
    EXPECT_EQ(c->text(), QStringLiteral("Hallam Homes"));
    EXPECT_EQ(c->columnValue(0), QStringLiteral("4"));
    c->addRowFields({QStringLiteral("2"), QStringLiteral("Other")});
    EXPECT_EQ(c->rowValue(0, 1), QStringLiteral("Other"));
    EXPECT_EQ(c->rowValue(1, 1), QString());
}

TEST(DataComboPick, AUserPickCopiesTheRowAndIsRaisedOnce)
{
    auto c = profileCombo();
    c->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.get()));
    c->setColumnValue(0, QStringLiteral("1"));
    c->setText(QStringLiteral("Default"));
    QSignalSpy picked(c.get(), &DataCombo::picked);
    QSignalSpy dropped(c.get(), &DataCombo::dropDown);

    pickWithKeyboard(*c, 2);
    EXPECT_EQ(dropped.count(), 1);
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(c->columnValue(0), QStringLiteral("9"));
    EXPECT_EQ(c->columnValue(1), QStringLiteral("Brightwater"));
    EXPECT_EQ(c->text(), QStringLiteral("Brightwater"));
    EXPECT_FALSE(c->droppedDown());
}

TEST(DataComboPick, PickingTheRowAlreadyShownIsStillAPick)
{
    auto c = profileCombo();
    c->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.get()));
    QSignalSpy picked(c.get(), &DataCombo::picked);
    pickWithKeyboard(*c, 0);
    pickWithKeyboard(*c, 0);
    EXPECT_EQ(picked.count(), 2);
    EXPECT_EQ(c->text(), QStringLiteral("Default"));
}

TEST(DataComboMouse, AnyButtonOpensAClosedList)
{
    auto c = profileCombo();
    c->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.get()));
    QSignalSpy pressed(c.get(), &DataCombo::mousePressed);
    QSignalSpy dropped(c.get(), &DataCombo::dropDown);
    QSignalSpy picked(c.get(), &DataCombo::picked);

    QTest::mousePress(c.get(), Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_TRUE(c->droppedDown());
    EXPECT_EQ(dropped.count(), 1);
    c->setDroppedDown(false);
    EXPECT_FALSE(c->droppedDown());

    QTest::mousePress(c.get(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(pressed.count(), 2);
    EXPECT_TRUE(c->droppedDown());
    EXPECT_EQ(dropped.count(), 2);
    c->setDroppedDown(false);
    EXPECT_EQ(picked.count(), 0);
}

TEST(DataComboKeys, ArrowKeysOpenTheListInsteadOfPicking)
{
    auto c = profileCombo();
    c->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.get()));
    c->setColumnValue(0, QStringLiteral("1"));
    c->setText(QStringLiteral("Default"));
    QSignalSpy picked(c.get(), &DataCombo::picked);
    QSignalSpy dropped(c.get(), &DataCombo::dropDown);

    QTest::keyClick(c.get(), Qt::Key_Down);
    EXPECT_TRUE(c->droppedDown());
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_EQ(picked.count(), 0);
    EXPECT_EQ(c->text(), QStringLiteral("Default"));
    c->setDroppedDown(false);
}

TEST(DataComboKeys, TheWheelPicksNothing)
{
    auto c = profileCombo();
    c->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.get()));
    QSignalSpy picked(c.get(), &DataCombo::picked);
    QWheelEvent wheel(QPointF(10, 10), c->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(c.get(), &wheel);
    EXPECT_EQ(picked.count(), 0);
    EXPECT_EQ(c->text(), QString());
}

// ---------------------------------------------------------------------------

TEST(TabControlPages, ChangingThePageInCodeRaisesTheEventWithThePreviousPage)
{
    TabControl tabs;
    tabs.addTab(new QLabel(QStringLiteral("editor")), QStringLiteral("Wall System Information"));
    tabs.addTab(new QLabel(QStringLiteral("project")), QStringLiteral("Project Summary Information"));
    QSignalSpy clicked(&tabs, &TabControl::pageClicked);
    tabs.setCurrentIndex(1);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 0);
    tabs.setCurrentIndex(0);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), 1);
}

TEST(TabControlPages, ShowOnlyPageLeavesOnePageEnabled)
{
    TabControl tabs;
    tabs.addTab(new QLabel(QStringLiteral("editor")), QStringLiteral("Wall System Information"));
    tabs.addTab(new QLabel(QStringLiteral("project")), QStringLiteral("Project Summary Information"));
    tabs.showOnlyPage(1);
    EXPECT_EQ(tabs.currentIndex(), 1);
    EXPECT_FALSE(tabs.isTabEnabled(0));
    EXPECT_TRUE(tabs.isTabEnabled(1));
    // And back: the page that was disabled can be shown again.
    tabs.showOnlyPage(0);
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_TRUE(tabs.isTabEnabled(0));
    EXPECT_FALSE(tabs.isTabEnabled(1));
    tabs.setCurrentCaption(QStringLiteral("Front Wall System Information"));
    EXPECT_EQ(tabs.currentCaption(), QStringLiteral("Front Wall System Information"));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("Project Summary Information"));
}
