// The project window driven by the keyboard: a whole project entered by
// keys alone, Return on the buttons of the member pages, and the small
// matters of the wall list, Compare and the preferences window.
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/tab_control.h"
#include "reports/frmDorvPrintOptions.h"
#include "tests/test_support.h"
#include "ui/profiles/frmDorvPreferences.h"
#include "ui/project/frmDorvExposure.h"
#include "ui/project/frmDorvMain.h"
#include "ui/project/wall_openings_editor.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

class KeyWindow : public dv::frmDorvMain {
public:
    QStringList messages;
    int rowsWhenCalculating = -1;
    dv::MsgResult messageBox(const QString& text, const QString&, dv::MsgButtons buttons, dv::MsgIcon) override
    {
        messages << text;
        return buttons == dv::MsgButtons::YesNo ? dv::MsgResult::Yes : dv::MsgResult::Ok;
    }
    void showValidationResults() override {}

protected:
    void runCompare() override
    {
        rowsWhenCalculating = comparisonRowCount();
        frmDorvMain::runCompare();
    }
};

class KeyboardTest : public dvtest::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        w = std::make_unique<KeyWindow>();
        dv::setProjectView(w.get());
        ed = w->openingsEditor;
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void TearDown() override
    {
        w.reset();
        DbTest::TearDown();
    }
    // Keys go to whatever has the focus, as the keyboard sends them.
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focused(), k, m); }
    static void type(const QString& text, int tabs = 1)
    {
        QTest::keyClicks(focused(), text);
        for (int i = 0; i < tabs; ++i)
            key(Qt::Key_Tab);
    }
    static void tabTo(QWidget* target)
    {
        for (int i = 0; i < 40 && focused() != target; ++i)
            key(Qt::Key_Tab);
    }
    // Opens the focused list, goes down from its first row or types the
    // row's start, and picks.
    static void pick(int downs, const QString& typed = QString())
    {
        key(Qt::Key_Down);
        if (typed.isEmpty())
            key(Qt::Key_Home);
        else  // the user's pause that starts a new search
            QTest::qWait(QApplication::keyboardInputInterval() + 50);
        for (int i = 0; i < downs; ++i)
            key(Qt::Key_Down);
        QTest::keyClicks(focused(), typed);
        key(Qt::Key_Return);
    }
    static void mousePick(dv::DataCombo* combo, const QString& text, int column = 0)
    {
        for (int r = 0; r < combo->rows(); ++r)
            if (combo->rowValue(r, column) == text)
                emit combo->activated(r);
    }
    QStringList rows(const QString& sql)
    {
        QStringList out;
        for (dv::Recordset rs = dv::DbConnection.query(sql); !rs.eof(); rs.moveNext()) {
            QStringList fields;
            for (int i = 0; i < rs.fieldCount(); ++i)
                fields << (rs.field(i).isNull() ? u"Null"_s : rs.field(i).toText());
            out << fields.join(u'|');
        }
        return out;
    }
    QStringList storedProject()
    {
        return rows(u"SELECT ID, WallName FROM Project_Information ORDER BY ID"_s)
               + rows(u"SELECT * FROM General_Information ORDER BY WallID"_s)
               + rows(u"SELECT * FROM Column_Information ORDER BY rowid"_s)
               + rows(u"SELECT * FROM Header_Information ORDER BY rowid"_s);
    }

    std::unique_ptr<KeyWindow> w;
    dv::WallOpeningsEditor* ed = nullptr;
};

}  // namespace

TEST_F(KeyboardTest, AWholeProjectIsBuiltByKeysAloneAndStoresWhatTheMouseStores)
{
    w->txtWallSystemName->setFocus();
    type(u"Front"_s);
    key(Qt::Key_Return);
    type(u"Side"_s);
    key(Qt::Key_Return);
    ASSERT_EQ(w->wallGridRowCount(), 2);
    ASSERT_EQ(focused(), w->txtWallSystemName);

    // The eave wall: down into the list, Return opens the first wall.
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_EQ(w->editedWallID(), 1);
    EXPECT_EQ(focused(), w->optEave);
    tabTo(w->txtEaveHeight);
    type(u"12"_s);
    type(u"40"_s);
    type(u"24"_s);
    pick(0, u"Stucco"_s);
    EXPECT_EQ(w->cboExteriorFinish->text(), u"Stucco"_s);
    key(Qt::Key_Tab);
    type(u"4"_s, 2);
    key(Qt::Key_Space);  // Exposure C
    tabTo(w->cmdAddtoProject);
    key(Qt::Key_Return);
    ASSERT_EQ(w->SSTab2->currentIndex(), dv::frmDorvMain::ProjectPage);

    // The gable wall, the second row: its type, dimensions, two columns
    // and one opening between them.
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_EQ(w->editedWallID(), 2);
    EXPECT_EQ(focused(), w->optEave);
    key(Qt::Key_Tab);
    key(Qt::Key_Space);
    ASSERT_EQ(focused(), w->txtRoofSlope);
    for (const QString& typed : {u"6"_s, u"8"_s, u"10"_s, u"20"_s, u"30"_s})
        type(typed);
    key(Qt::Key_Space);  // mono slope
    key(Qt::Key_Tab);
    pick(0, u"Cedar"_s);
    EXPECT_EQ(w->cboExteriorFinish->text(), u"Cedar Siding"_s);
    key(Qt::Key_Tab);
    type(u"2"_s);
    key(Qt::Key_Space);  // Exposure B
    key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(focused(), ed->txtColumnHeight);
    for (int i = 0; i < 2; ++i) {
        type(u"10"_s);
        QTest::keyClicks(focused(), u"1"_s);
        key(Qt::Key_Return);
    }
    key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(focused(), ed->txtROWidth);
    type(u"3"_s);
    type(u"7"_s);
    pick(0);  // 1 header
    key(Qt::Key_Tab);
    pick(0);  // Column 1
    key(Qt::Key_Tab);
    pick(1);  // Column 2
    key(Qt::Key_Return);
    EXPECT_EQ(ed->cboROID->text(), u"Rough Opening 2"_s);
    key(Qt::Key_Backtab);
    ASSERT_EQ(focused(), w->cmdAddtoProject);
    key(Qt::Key_Return);
    // The saved wall's row has the focus, shown; Shift+Tab leaves the list.
    EXPECT_EQ(focused(), w->grdWallSystemInformation);
    EXPECT_EQ(w->grdWallSystemInformation->currentRow(), 1);
    EXPECT_TRUE(w->testAttribute(Qt::WA_KeyboardFocusChange));
    key(Qt::Key_Backtab);
    type(u"Back"_s);
    key(Qt::Key_Return);
    key(Qt::Key_F9);
    EXPECT_EQ(w->messages, QStringList());
    ASSERT_EQ(w->comparisonRowCount(), 2);
    EXPECT_EQ(w->comparisonCell(0, 1), u"Front"_s);
    EXPECT_EQ(w->comparisonCell(1, 1), u"Side"_s);
    // The rows the mouse-driven tests store for the same input.
    EXPECT_EQ(storedProject(), QStringList({u"1|Front"_s, u"2|Side"_s, u"3|Back"_s,
                                            u"1|EAVE|12|0|0|40|1|24|Stucco|EXPOSURE C|0|0|0|A|A|4|0|0"_s,
                                            u"2|GABLE|10|6|20|30|1|0|Cedar Siding|EXPOSURE B|0|0|0|A|A|2|8|1"_s,
                                            u"2|Column 1|10|1"_s, u"2|Column 2|10|1"_s,
                                            u"2|Rough Opening 1|3|7|1|Column 1|Column 2"_s}));
    w->setProjectName(u"Job"_s);
    w->setBuilderName(u"Builder"_s);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    key(Qt::Key_P, Qt::ControlModifier);
    auto* options = w->findChild<dv::frmDorvPrintOptions*>();
    ASSERT_NE(options, nullptr);
    w->subMnuManageCustomerProfile_Click();
    dv::frmDorvPreferences* preferences = nullptr;
    QTRY_VERIFY((preferences = qobject_cast<dv::frmDorvPreferences*>(QApplication::activeWindow())));
    preferences->SSTab1->setCurrentIndex(dv::frmDorvPreferences::ProductPage);
    const struct { QWidget* list; Qt::Key key; QString lands; } cases[] = {
        {w->grdWallSystemInformation, Qt::Key_Tab, u"cmdAddWallSystem"_s},
        {w->grdWallSystemInformation, Qt::Key_Backtab, u"txtWallSystemName"_s},
        {options->grdWallReportOptions, Qt::Key_Tab, u"chkOverrideMarkup"_s},
        {options->grdWallReportOptions, Qt::Key_Backtab, u"chkProjectQuote"_s},
        {preferences->grdProducts, Qt::Key_Tab, u"cboCustomerProfile"_s},
        {preferences->grdProducts, Qt::Key_Backtab, u"qt_tabwidget_tabbar"_s}};  // the tabs' captions
    for (const auto& c : cases) {
        c.list->setFocus();
        QTest::keyClick(c.list, c.key);
        EXPECT_EQ(c.list->window()->focusWidget()->objectName(), c.lands) << c.list->objectName().toStdString();
    }
}

TEST_F(KeyboardTest, ReturnPressesTheFocusedButtonOfAMemberPage)
{
    w->txtWallSystemName->setText(u"North"_s);
    w->cmdAddWallSystem_Click();
    w->grdWallSystemInformation->selectRowAt(0);
    w->grdWallSystemInformation_DblClick();
    w->txtWallLength->setText(u"30"_s);
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    addColumn(1, 3, u"10"_s, u"1"_s);
    addOpening(1, 1, u"3"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    const struct {
        int page;
        QPushButton* button;
        std::function<void()> choose;
        QString question, stored;
    } cases[] = {
        {dv::frmDorvMain::ColumnsPage, ed->cmdAddColumn, [&] {
             ed->txtColumnHeight->setText(u"9"_s);
             ed->txtMaxColumnWidth->setText(u"1"_s);
         }, QString(),
         u"1|Column 4|9|1"_s},
        {dv::frmDorvMain::ColumnsPage, ed->cmdRemoveColumn, [&] { mousePick(ed->cboColumnID, u"Column 3"_s); },
         u"Are you sure you want to remove Column 3?"_s, u"1|Column 3|**Removed**|NA"_s},
        {dv::frmDorvMain::RoughOpeningsPage, ed->cmdAddRO,
         [&] {
             mousePick(ed->cboNumberHeaders, u"2"_s);
             mousePick(ed->cboColumnIDLeft, u"Column 2"_s, 1);
             mousePick(ed->cboColumnIDRight, u"Column 4"_s, 1);
             ed->txtROWidth->setText(u"4"_s);
             ed->txtAverageROHeight->setText(u"6"_s);
         },
         QString(), u"1|Rough Opening 2|4|6|2|Column 2|Column 4"_s},
        {dv::frmDorvMain::RoughOpeningsPage, ed->cmdRemoveRO, [&] { mousePick(ed->cboROID, u"Rough Opening 1"_s); },
         u"Are you sure you want to remove Rough Opening 1?"_s, u"1|Rough Opening 1|**Removed**|NA|NA|NA|NA"_s},
    };
    for (const auto& c : cases) {
        w->SSTab1->setCurrentIndex(dv::frmDorvMain::WallDataPage);
        w->SSTab1->setCurrentIndex(c.page);
        c.choose();
        w->messages.clear();
        c.button->setFocus();
        QTest::keyClick(c.button, Qt::Key_Return);
        EXPECT_EQ(w->messages, c.question.isEmpty() ? QStringList() : QStringList{c.question}) << c.stored.toStdString();
        EXPECT_TRUE(storedProject().contains(c.stored)) << c.stored.toStdString();
    }
    // The exposure help on the wall page opens too.
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::WallDataPage);
    w->cmdExposureHelp->setFocus();
    QTest::keyClick(w->cmdExposureHelp, Qt::Key_Return);
    ASSERT_NE(w->exposureWindow(), nullptr);
    QTest::keyClick(w->exposureWindow(), Qt::Key_Escape);  // closes it
    QTRY_COMPARE(w->exposureWindow(), nullptr);
}

TEST_F(KeyboardTest, RemoveShowsTheWholeCaptionCompareEmptiesFirstPreferencesComeBack)
{
    w->resize(1060, 780);
    QTRY_COMPARE(w->width(), 1060);
    w->txtWallSystemName->setText(u"WWWWWWWWWWWWWWWWWWWWWWWWWWW"_s);
    w->cmdAddWallSystem_Click();
    w->grdWallSystemInformation->selectRowAt(0);
    EXPECT_EQ(w->cmdRemoveWallSystem->text(), u"Remove WWWWWWWWWWWWWWWWWWWW"_s);
    EXPECT_GE(w->cmdRemoveWallSystem->width(), w->cmdRemoveWallSystem->sizeHint().width());

    addEaveWall(2, u"Back"_s, 10, 30, 24);
    w->comparisonAddRow({u"2"_s, u"Back"_s, u"$1.00/$0.00"_s, u"$1.00/$0.00"_s, u"$1.00/$0.00"_s});
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    EXPECT_EQ(w->rowsWhenCalculating, 0);

    w->subMnuManageCustomerProfile_Click();
    QWidget* preferences = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle().endsWith(u"[Manage Customer Profiles]"_s))
            preferences = top;
    ASSERT_NE(preferences, nullptr);
    preferences->showMinimized();
    w->subMnuManageCustomerProfile_Click();
    EXPECT_FALSE(preferences->isMinimized());
    EXPECT_TRUE(preferences->isVisible());
}
