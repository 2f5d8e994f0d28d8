// The column and rough-opening pages inside the project window: entering a
// page reloads it for the wall open in the editor, Return presses its Add
// button, and a wall entered with its columns and openings is compared.
#include "core/app_state.h"
#include "core/translator.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/tab_control.h"
#include "tests/test_support.h"
#include "ui/project/frmDorvMain.h"
#include "ui/project/wall_openings_editor.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace {

using namespace Qt::StringLiterals;
using dv::MsgButtons;
using dv::MsgResult;

class RoadWindow : public dv::frmDorvMain {
public:
    struct Message {
        QString text, title;
    };
    std::vector<Message> messages;
    int validationShown = 0;

    MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons, dv::MsgIcon) override
    {
        messages.push_back({text, title});
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
    }
    void showValidationResults() override { ++validationShown; }
};

bool pick(dv::DataCombo* combo, const QString& text, int column = 0)
{
    for (int r = 0; r < combo->rows(); ++r)
        if (combo->rowValue(r, column) == text) {
            emit combo->activated(r);
            return true;
        }
    return false;
}

class OpeningsWindowTest : public dvtest::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        w = std::make_unique<RoadWindow>();
        dv::setProjectView(w.get());
        ed = w->openingsEditor;
    }
    void TearDown() override
    {
        w.reset();
        DbTest::TearDown();
    }

    // Adds a wall system by name and opens it in the editor.
    void addAndOpenWall(const QString& name)
    {
        w->txtWallSystemName->setText(name);
        w->cmdAddWallSystem_Click();
        const int row = w->wallGridRowCount() - 1;
        w->grdWallSystemInformation->selectRowAt(row);
        w->grdWallSystemInformation_DblClick();
    }

    std::unique_ptr<RoadWindow> w;
    dv::WallOpeningsEditor* ed = nullptr;
};

}  // namespace

TEST_F(OpeningsWindowTest, PagesShowTheRowsOfTheWallOpenInTheEditor)
{
    ASSERT_NE(ed, nullptr);
    addEaveWall(1, u"North"_s, 10, 20, 24);
    addEaveWall(2, u"South"_s, 10, 20, 24);
    addColumn(1, 1, u"10"_s, u"1"_s);
    addColumn(1, 2, u"10"_s, u"1"_s);
    addColumn(2, 1, u"12"_s, u"1"_s);
    addOpening(1, 1, u"3"_s, u"7"_s, u"1"_s, u"Column 1"_s, u"Column 2"_s);
    w->wallGridClear();
    w->wallGridAddRow({QStringLiteral("1"), QStringLiteral("North"), QStringLiteral("Yes")});
    w->wallGridAddRow({QStringLiteral("2"), QStringLiteral("South"), QStringLiteral("Yes")});

    w->grdWallSystemInformation->selectRowAt(0);
    w->grdWallSystemInformation_DblClick();
    EXPECT_EQ(ed->grdColumnInformation->rows(), 2);
    EXPECT_EQ(ed->grdROInformation->rows(), 1);
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::RoughOpeningsPage);
    EXPECT_EQ(ed->cboColumnIDLeft->rows(), 2);
    EXPECT_EQ(ed->cboROID->text(), u"Rough Opening 2"_s);
    EXPECT_EQ(ed->cboNumberHeaders->rows(), 4);

    // Saving takes the editor back to the project page; the next wall's
    // pages hold its own rows only.
    w->cmdAddtoProject_Click();
    w->grdWallSystemInformation->selectRowAt(1);
    w->grdWallSystemInformation_DblClick();
    EXPECT_EQ(ed->grdColumnInformation->rows(), 1);
    EXPECT_EQ(ed->grdROInformation->rows(), 0);
    EXPECT_EQ(ed->cboROID->text(), u"Rough Opening 1"_s);
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::ColumnsPage);
    EXPECT_EQ(ed->cboColumnID->text(), u"Column 2"_s);
    EXPECT_EQ(ed->cmdAddColumn->text(), u"Add ->>"_s);
}

TEST_F(OpeningsWindowTest, AWallEnteredWithColumnsAndOpeningsIsCompared)
{
    ASSERT_NE(ed, nullptr);
    // Every length box is read again after it shows display text.
    addAndOpenWall(u"North"_s);
    ASSERT_EQ(w->editedWallID(), 1);

    w->optEave->setChecked(true);
    w->optEave_Click();
    w->txtEaveHeight->setText(u"10"_s);
    w->txtEaveHeight_LostFocus();
    w->txtWallLength->setText(u"20"_s);
    w->txtWallLength_LostFocus();
    w->txtRoofTrussSpan->setText(u"24"_s);
    w->txtRoofTrussSpan_LostFocus();
    ASSERT_GT(w->cboExteriorFinish->rows(), 1);
    emit w->cboExteriorFinish->activated(1);  // the first row is the empty choice
    w->optExposureB->setChecked(true);
    w->txtCorners->setText(u"2"_s);

    // Columns: the eave height is proposed for every new column.
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::ColumnsPage);
    for (int i = 0; i < 2; ++i) {
        if (ed->txtColumnHeight->text().isEmpty())
            ed->txtColumnHeight->setText(u"10"_s);
        ed->txtMaxColumnWidth->setText(u"1"_s);
        ed->cmdAddColumn->click();
    }
    EXPECT_EQ(count(u"Column_Information"_s, u"WallID = 1"_s), 2);

    // One opening through Add, one through the Return key.
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::RoughOpeningsPage);
    ASSERT_TRUE(pick(ed->cboNumberHeaders, u"1"_s));
    ASSERT_TRUE(pick(ed->cboColumnIDLeft, u"Column 1"_s, 1));
    ASSERT_TRUE(pick(ed->cboColumnIDRight, u"Column 2"_s, 1));
    ed->txtROWidth->setText(u"3"_s);
    ed->txtAverageROHeight->setText(u"7"_s);
    ed->cmdAddRO->click();
    EXPECT_EQ(count(u"Header_Information"_s, u"WallID = 1"_s), 1);
    EXPECT_EQ(ed->cboROID->text(), u"Rough Opening 2"_s);
    for (const auto& m : w->messages)
        ADD_FAILURE() << m.title.toStdString() << ": " << m.text.toStdString();

    w->cmdAddtoProject_Click();
    ASSERT_EQ(w->wallGridRowCount(), 1);
    ASSERT_EQ(w->wallGridCell(0, 2), u"Yes"_s);

    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    ASSERT_GT(count(u"Material_List"_s, u"WallID = 1 AND MemberType = 'Stud'"_s), 0);
    EXPECT_GT(count(u"Material_List"_s, u"WallID = 1 AND MemberType = 'Header'"_s), 0);
    ASSERT_EQ(w->comparisonRowCount(), 1);
    EXPECT_EQ(w->comparisonCell(0, 1), u"North"_s);
    EXPECT_TRUE(w->comparisonCell(0, 2).startsWith(QLatin1Char('$')));
}

TEST_F(OpeningsWindowTest, ReturnOnAPagePressesItsAddButtonOnce)
{
    ASSERT_NE(ed, nullptr);
    addAndOpenWall(u"North"_s);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::ColumnsPage);
    ed->txtColumnHeight->setFocus();
    ed->txtColumnHeight->setText(u"9"_s);
    QTest::keyClick(ed->txtColumnHeight, Qt::Key_Return);
    EXPECT_EQ(count(u"Column_Information"_s, u"WallID = 1"_s), 1);
    // A pasted length is read as leaving the box reads it: capped at 300'.
    ed->txtColumnHeight->setText(u"1e9"_s);
    ed->txtMaxColumnWidth->setText(u"5000"_s);
    QTest::keyClick(ed->txtMaxColumnWidth, Qt::Key_Return);
    EXPECT_EQ(count(u"Column_Information"_s, u"WallID = 1 AND ColumnHeight = '300' AND MaxWidth = '300'"_s), 1);
}
