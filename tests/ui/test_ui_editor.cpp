// The wall list and the wall editor of the project window: adding,
// selecting, opening, removing and copying walls; typing a wall into the
// editor and saving it; the input rules of the dimension boxes; the wall
// pictures and the wall-type switch; the keyboard order; the reference
// lists.
#include "core/app_state.h"
#include "core/input_filters.h"
#include "core/startup.h"
#include "core/project_reset.h"
#include "core/translator.h"
#include "core/wall_list.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/tab_control.h"
#include "tests/test_support.h"
#include "ui/project/format_messages.h"
#include "ui/project/frmDorvMain.h"
#include "ui/project/wall_pictures.h"
#include "ui/project/wall_openings_editor.h"

#include <QCheckBox>
#include <QProcess>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QApplication>
#include <QFrame>
#include <QTemporaryDir>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <clocale>
#include <deque>
#include <memory>

namespace {

using dv::MsgButtons;
using dv::MsgResult;

struct Message {
    QString text, title;
};

class EditorWindow : public dv::frmDorvMain {
public:
    std::vector<Message> messages;
    std::deque<QString> copyNames;  // empty text = the user cancelled
    std::deque<QString> openedFiles;
    std::function<void()> onOpenFile;

    MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons, dv::MsgIcon) override
    {
        messages.push_back({text, title});
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
    }
    void showValidationResults() override {}

protected:
    bool askCopyWall(const QString&, QString& newName) override
    {
        if (copyNames.empty() || copyNames.front().isEmpty()) {
            if (!copyNames.empty())
                copyNames.pop_front();
            return false;
        }
        newName = copyNames.front();
        copyNames.pop_front();
        return true;
    }
    QString chooseProjectFile(FileDialogMode, const QString&, const QString&) override
    {
        if (openedFiles.empty())
            return QString();
        const QString f = openedFiles.front();
        openedFiles.pop_front();
        return f;
    }
    void openProjectFile(const QString&) override
    {
        if (onOpenFile)
            onOpenFile();
    }
};

// The display text the translator gives a typed length.
QString shown(const QString& typed) { return dv::FormatInchesForDisplay(dv::ConvertInputToInches(typed)).trimmed(); }

// Pixels of a position in twips.
int px(int twips) { return static_cast<int>(std::nearbyint(twips / 15.0)); }

class EditorTest : public dvtest::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        w = std::make_unique<EditorWindow>();
        dv::setProjectView(w.get());
    }
    void TearDown() override
    {
        dv::setPictureFolder(QString());
        w.reset();
        DbTest::TearDown();
    }

    void showActive()
    {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void addWall(const QString& name)
    {
        w->txtWallSystemName->setText(name);
        w->cmdAddWallSystem_Click();
    }
    int rowOf(const QString& name)
    {
        for (int r = 0; r < w->wallGridRowCount(); ++r)
            if (w->wallGridCell(r, 1) == name)
                return r;
        return -1;
    }
    void select(const QString& name)
    {
        w->grdWallSystemInformation->selectRowAt(rowOf(name));
        w->grdWallSystemInformation_Click();
    }
    void open(const QString& name)
    {
        select(name);
        w->grdWallSystemInformation_DblClick();
    }
    QStringList wallIDs()
    {
        QStringList ids;
        for (int r = 0; r < w->wallGridRowCount(); ++r)
            ids << w->wallGridCell(r, 0);
        return ids;
    }
    // Types into a box as the user would and leaves it with Tab.
    void type(QLineEdit* box, const QString& text)
    {
        box->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();  // the select-all on focus
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }
    dv::Value stored(const QString& field, int wallID)
    {
        return scalar(QStringLiteral("SELECT %1 FROM General_Information WHERE WallID = %2").arg(field).arg(wallID));
    }
    // Horizontal centre of a label, in pixels.
    static double centre(const QLabel* l) { return l->x() + l->width() / 2.0; }

    std::unique_ptr<EditorWindow> w;
};


}  // namespace

// ---------------------------------------------------------------------------
// Wall list

TEST_F(EditorTest, AddingWallsNumbersThemAndRemovedNumbersAreNotReusedWhileHeld)
{
    addWall(QStringLiteral("North"));
    EXPECT_EQ(wallIDs(), QStringList({"1"}));
    EXPECT_EQ(w->wallGridCell(0, 2), QStringLiteral("No"));
    EXPECT_TRUE(w->txtWallSystemName->text().isEmpty());
    EXPECT_EQ(dv::CurrentWallID, 1);
    addWall(QStringLiteral("South"));
    addWall(QStringLiteral("East"));
    EXPECT_EQ(wallIDs(), QStringList({"1", "2", "3"}));

    select(QStringLiteral("South"));
    EXPECT_EQ(w->cmdRemoveWallSystem->text(), QStringLiteral("Remove South"));
    w->cmdRemoveWallSystem_Click();
    EXPECT_EQ(wallIDs(), QStringList({"1", "3"}));
    EXPECT_EQ(w->cmdRemoveWallSystem->text(), QStringLiteral("Remove"));
    EXPECT_EQ(w->cmdRemoveWallSystem->width(), px(1215));

    addWall(QStringLiteral("West"));
    EXPECT_EQ(wallIDs(), QStringList({"1", "3", "4"}));
    EXPECT_EQ(count(QStringLiteral("Project_Information")), 3);

    // An empty name adds nothing; an apostrophe is kept as a grave accent.
    addWall(QString());
    EXPECT_EQ(w->wallGridRowCount(), 3);
    addWall(QStringLiteral("O'Hara"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT WallName FROM Project_Information WHERE ID = 5")).toText(),
              QStringLiteral("O`Hara"));
    EXPECT_EQ(w->wallGridCell(3, 1), QStringLiteral("O'Hara"));
}

TEST_F(EditorTest, RemoveButtonIsNamedAfterTheSelectedWallAndSizedToItsCaption)
{
    addWall(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1"));  // 27 characters
    addWall(QStringLiteral("A"));
    addWall(QStringLiteral("ABCDEFGHIJKLM"));  // 13
    // At least the planned width, wider where the caption needs it.
    auto planned = [&](int twips) { return std::max(px(twips), w->cmdRemoveWallSystem->sizeHint().width()); };
    select(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1"));
    EXPECT_EQ(w->cmdRemoveWallSystem->text(), QStringLiteral("Remove ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(w->cmdRemoveWallSystem->width(), planned(2535));
    select(QStringLiteral("A"));
    EXPECT_EQ(w->cmdRemoveWallSystem->text().size(), 8);
    EXPECT_EQ(w->cmdRemoveWallSystem->width(), planned(1215));
    select(QStringLiteral("ABCDEFGHIJKLM"));
    EXPECT_EQ(w->cmdRemoveWallSystem->text().size(), 20);
    EXPECT_EQ(w->cmdRemoveWallSystem->width(), planned(1800));
    // A character of two code units at the cut is left out whole.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8F\xA0");
    addWall(QString(19, QLatin1Char('x')) + emoji + QStringLiteral("y"));
    select(QString(19, QLatin1Char('x')) + emoji + QStringLiteral("y"));
    EXPECT_EQ(w->cmdRemoveWallSystem->text(), QStringLiteral("Remove ") + QString(19, QLatin1Char('x')));
}

TEST_F(EditorTest, RemoveTakesTheSelectedWallWhereverCodeMovedTheCurrentRow)
{
    addWall(QStringLiteral("North"));
    addWall(QStringLiteral("South"));
    addWall(QStringLiteral("East"));
    addEaveWall(2, QString(), 10, 20, 24);  // only its General_Information row matters
    exec(QStringLiteral("DELETE FROM Project_Information WHERE ID = 2 AND WallName = ''"));
    select(QStringLiteral("South"));
    // Code walking the rows moves the current row, not the selection.
    w->grdWallSystemInformation->moveFirst();
    w->cmdRemoveWallSystem_Click();
    EXPECT_EQ(wallIDs(), QStringList({"1", "3"}));
    EXPECT_EQ(count(QStringLiteral("General_Information"), QStringLiteral("WallID = 2")), 0);

    // After a refill nothing is selected: Remove removes nothing.
    w->grdWallSystemInformation->moveFirst();
    w->cmdRemoveWallSystem_Click();
    EXPECT_EQ(wallIDs(), QStringList({"1", "3"}));
}

TEST_F(EditorTest, RemoveCaptionFollowsTheSelectionWhateverMovesIt)
{
    showActive();
    addWall(QStringLiteral("North"));
    addWall(QStringLiteral("South"));
    select(QStringLiteral("North"));
    // The keyboard moves the selection without a click.
    w->grdWallSystemInformation->setFocus();
    w->grdWallSystemInformation->setCurrentCell(0, 1);
    QTest::keyClick(w->grdWallSystemInformation, Qt::Key_Down);
    ASSERT_EQ(w->grdWallSystemInformation->selectedRow(), 1);
    EXPECT_EQ(w->cmdRemoveWallSystem->text(), QStringLiteral("Remove South"));
    w->cmdRemoveWallSystem_Click();
    EXPECT_EQ(wallIDs(), QStringList({"1"}));
    EXPECT_EQ(w->cmdRemoveWallSystem->text(), QStringLiteral("Remove"));
}

TEST_F(EditorTest, CopyTakesANumberNoWallHoldsAndACancelChangesNothing)
{
    addWall(QStringLiteral("North"));
    addWall(QStringLiteral("South"));
    addWall(QStringLiteral("East"));
    select(QStringLiteral("North"));
    w->cmdRemoveWallSystem_Click();  // leaves 2 and 3
    select(QStringLiteral("South"));
    w->copyNames = {QStringLiteral("Copy of South")};
    w->cmdCopyWall_Click();
    EXPECT_EQ(wallIDs(), QStringList({"2", "3", "4"}));
    EXPECT_EQ(w->wallGridCell(2, 1), QStringLiteral("Copy of South"));

    select(QStringLiteral("East"));
    w->copyNames = {QString()};
    w->cmdCopyWall_Click();
    EXPECT_EQ(count(QStringLiteral("Project_Information")), 3);
    EXPECT_EQ(w->wallGridRowCount(), 3);
}

TEST_F(EditorTest, OpeningAWallNeverSavedShowsTheDefaults)
{
    addWall(QStringLiteral("A wall name longer than thirty characters"));
    w->txtEaveHeight->setText(QStringLiteral("left over"));
    w->chkZoneWall->setChecked(true);
    w->optCornerB->setChecked(true);
    open(QStringLiteral("A wall name longer than thirty characters"));
    EXPECT_EQ(w->editedWallID(), 1);
    EXPECT_EQ(w->SSTab2->currentIndex(), dv::frmDorvMain::WallEditorPage);
    EXPECT_FALSE(w->SSTab2->isTabEnabled(dv::frmDorvMain::ProjectPage));
    EXPECT_EQ(w->SSTab2->tabText(0), QStringLiteral("A wall name longer than thirty System Information"));
    EXPECT_TRUE(w->optEave->isChecked());
    for (QLineEdit* box : {w->txtEaveHeight, w->txtWallLength, w->txtRoofSlope, w->txtRidgeHeight,
                           w->txtRoofTrussSpan, w->txtDTFH, w->txtCorners, w->txtZoneCorners})
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_TRUE(w->lblPictureEaveHeight->text().isEmpty());
    EXPECT_FALSE(w->chkZoneWall->isChecked());
    EXPECT_TRUE(w->fraZoneWall->isHidden());
    EXPECT_TRUE(w->optCornerA->isChecked());
    EXPECT_TRUE(w->optJunctionA->isChecked());
    // The profile's roof loading.
    EXPECT_EQ(w->cboRoofLoading->columnValue(0), QStringLiteral("1"));
    EXPECT_EQ(w->cboRoofLoading->text(), QStringLiteral("Missouri (30/15)"));
    // The exterior finish list starts with an empty row.
    ASSERT_GE(w->cboExteriorFinish->rows(), 2);
    EXPECT_TRUE(w->cboExteriorFinish->rowValue(0, 0).isEmpty());
    EXPECT_EQ(w->cboExteriorFinish->rowValue(1, 0), QStringLiteral("Cedar Siding"));
}

// ---------------------------------------------------------------------------
// Typing a wall in and saving it

TEST_F(EditorTest, AnEaveWallTypedInIsStoredInFeet)
{
    showActive();
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    type(w->txtEaveHeight, QStringLiteral("12"));
    EXPECT_EQ(w->txtEaveHeight->text(), shown(QStringLiteral("12")));
    EXPECT_EQ(w->lblPictureEaveHeight->text(), w->txtEaveHeight->text());
    EXPECT_NEAR(centre(w->lblPictureEaveHeight), 4150 / 15.0, 1.0);
    EXPECT_EQ(w->lblPictureEaveHeight->y(), px(2760));
    type(w->txtWallLength, QStringLiteral("40"));
    EXPECT_NEAR(centre(w->lblPictureWallLength), 7800 / 15.0, 1.0);
    EXPECT_EQ(w->lblPictureWallLength->y(), px(5200));
    type(w->txtRoofTrussSpan, QStringLiteral("24"));
    w->cboExteriorFinish->setText(QStringLiteral("Stucco"));
    type(w->txtCorners, QStringLiteral("4"));
    w->optExposureC->click();
    QTest::mouseClick(w->cmdAddtoProject, Qt::LeftButton);

    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(stored(QStringLiteral("WallType"), 1).toText(), QStringLiteral("EAVE"));
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("EaveHeight"), 1).toDouble(), 12.0);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("WallLength"), 1).toDouble(), 40.0);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("TrussSpan"), 1).toDouble(), 24.0);
    EXPECT_EQ(stored(QStringLiteral("RoofLoadingID"), 1).toInt32(), 1);
    EXPECT_EQ(stored(QStringLiteral("ExteriorFinish"), 1).toText(), QStringLiteral("Stucco"));
    EXPECT_EQ(stored(QStringLiteral("Exposure"), 1).toText(), QStringLiteral("EXPOSURE C"));
    EXPECT_EQ(stored(QStringLiteral("NumberCorners"), 1).toInt32(), 4);
    EXPECT_EQ(stored(QStringLiteral("CornerType"), 1).toText(), QStringLiteral("A"));
    EXPECT_EQ(stored(QStringLiteral("IsZoneWall"), 1).toInt32(), 0);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("RoofSlope"), 1).toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("DTFH"), 1).toDouble(), 0.0);

    // Back on the project page with the wall complete.
    EXPECT_EQ(w->SSTab2->currentIndex(), dv::frmDorvMain::ProjectPage);
    EXPECT_FALSE(w->SSTab2->isTabEnabled(dv::frmDorvMain::WallEditorPage));
    EXPECT_EQ(w->SSTab2->tabText(0), QStringLiteral("Wall System Information"));
    EXPECT_EQ(w->wallGridCell(0, 2), QStringLiteral("Yes"));
    EXPECT_EQ(w->editedWallID(), 0);
}

TEST_F(EditorTest, AGableWallTypedInIsStoredAndShownAgainWhenReopened)
{
    showActive();
    addWall(QStringLiteral("Gable End"));
    open(QStringLiteral("Gable End"));
    w->optGable->click();
    EXPECT_EQ(QApplication::focusWidget(), w->txtRoofSlope);
    type(w->txtRoofSlope, QStringLiteral("6"));
    EXPECT_EQ(w->txtRoofSlope->text(), QStringLiteral("6/12"));
    EXPECT_EQ(w->lblPictureSlope->text(), QStringLiteral("6"));
    type(w->txtDTFH, QStringLiteral("8"));
    EXPECT_EQ(w->lblDTFHLabel->text(), shown(QStringLiteral("8")));
    EXPECT_NEAR(centre(w->lblDTFHLabel), 5280 / 15.0, 1.0);
    type(w->txtEaveHeight, QStringLiteral("10"));
    EXPECT_NEAR(centre(w->lblPictureEaveHeight), 4440 / 15.0, 1.0);
    EXPECT_EQ(w->lblPictureEaveHeight->y(), px(3480));
    type(w->txtRidgeHeight, QStringLiteral("20"));
    EXPECT_NEAR(centre(w->lblPictureRidgeHeight), 4060 / 15.0, 1.0);
    type(w->txtWallLength, QStringLiteral("30"));
    EXPECT_EQ(w->lblPictureWallLength->y(), px(5520));
    w->chkMonoSlope->click();
    w->cboExteriorFinish->setText(QStringLiteral("Cedar Siding"));
    w->txtCorners->setText(QStringLiteral("2"));
    w->optExposureB->click();
    w->cmdAddtoProject->click();

    ASSERT_TRUE(w->messages.empty());
    EXPECT_EQ(stored(QStringLiteral("WallType"), 1).toText(), QStringLiteral("GABLE"));
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("RoofSlope"), 1).toDouble(), 6.0);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("EaveHeight"), 1).toDouble(), 10.0);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("RidgeHeight"), 1).toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("WallLength"), 1).toDouble(), 30.0);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("DTFH"), 1).toDouble(), 8.0);
    EXPECT_EQ(stored(QStringLiteral("MonoSlope"), 1).toInt32(), 1);
    EXPECT_EQ(stored(QStringLiteral("Exposure"), 1).toText(), QStringLiteral("EXPOSURE B"));
    EXPECT_EQ(w->wallGridCell(0, 2), QStringLiteral("Yes"));

    // Reopened: the gable switch ran, lengths in display notation, the
    // truss span as stored. A second save updates the one row.
    exec(QStringLiteral("UPDATE General_Information SET TrussSpan = 22.5, RoofLoadingID = 3 WHERE WallID = 1"));
    open(QStringLiteral("Gable End"));
    EXPECT_TRUE(w->optGable->isChecked());
    EXPECT_FALSE(w->txtRoofSlope->isHidden());
    EXPECT_EQ(w->txtRoofSlope->text(), QStringLiteral("6/12"));
    EXPECT_EQ(w->txtEaveHeight->text(), shown(QStringLiteral("10")));
    EXPECT_EQ(w->txtRidgeHeight->text(), shown(QStringLiteral("20")));
    EXPECT_EQ(w->txtRoofTrussSpan->text(), QStringLiteral("22.5"));
    EXPECT_TRUE(w->chkMonoSlope->isChecked());
    EXPECT_EQ(w->cboExteriorFinish->text(), QStringLiteral("Cedar Siding"));
    EXPECT_TRUE(w->optExposureB->isChecked());
    EXPECT_EQ(w->cboRoofLoading->columnValue(0), QStringLiteral("3"));
    EXPECT_EQ(w->cboRoofLoading->text(), QStringLiteral("Arizona (20/10)"));
    w->cmdAddtoProject->click();
    EXPECT_EQ(count(QStringLiteral("General_Information")), 1);
    EXPECT_EQ(stored(QStringLiteral("RoofLoadingID"), 1).toInt32(), 3);
}

TEST_F(EditorTest, SaveReadsTheSlopeBeforeTheSlashAndRefusesBadSlopeOrCorners)
{
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    w->txtRoofSlope->setText(QStringLiteral("1.2.3"));
    w->txtCorners->setText(QStringLiteral("1.2.3"));
    w->cmdAddtoProject_Click();
    ASSERT_EQ(w->messages.size(), 2u);
    EXPECT_EQ(w->messages[0].text, QStringLiteral("Please check your 'Roof Slope' input for proper formatting.  You "
                                                  "must format your input as a number."));
    EXPECT_EQ(w->messages[1].text, QStringLiteral("Please check your 'Number of Corners' input for proper "
                                                  "formatting.  You must format your input as a number."));
    EXPECT_EQ(w->messages[1].title, QStringLiteral("Improper Input Format"));
    EXPECT_EQ(count(QStringLiteral("General_Information")), 0);
    EXPECT_EQ(w->SSTab2->currentIndex(), dv::frmDorvMain::WallEditorPage);
    EXPECT_EQ(w->txtRoofSlope->text(), QStringLiteral("1.2.3"));

    // 4.5/12 is stored as 4.5; neither B nor C stores exposure D.
    w->messages.clear();
    w->txtRoofSlope->setText(QStringLiteral("4.5/12"));
    w->txtCorners->setText(QStringLiteral("2"));
    w->cmdAddtoProject_Click();
    EXPECT_TRUE(w->messages.empty());
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("RoofSlope"), 1).toDouble(), 4.5);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("NumberCorners"), 1).toDouble(), 2.0);
    EXPECT_EQ(stored(QStringLiteral("Exposure"), 1).toText(), QStringLiteral("EXPOSURE D"));

    // A slope without "/" is read whole; pasted text that is no number is
    // refused like a bad format.
    open(QStringLiteral("North"));
    w->txtRoofSlope->setText(QStringLiteral("7"));
    w->cmdAddtoProject_Click();
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("RoofSlope"), 1).toDouble(), 7.0);
    open(QStringLiteral("North"));
    w->txtRoofSlope->setText(QStringLiteral("/12"));
    w->cmdAddtoProject_Click();
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_EQ(w->messages[0].title, QStringLiteral("Improper Input Format"));
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("RoofSlope"), 1).toDouble(), 7.0);
}

// A wall that cannot be built is refused on save, and its stored row stays.
TEST_F(EditorTest, ASaveRefusesAWallThatCannotBeBuilt)
{
    addGableWall(1, "North", 10, 20, 30, 6, 0);
    addOpening(1, 1, "6", "7", "1");
    dv::RefreshWallSystemGrid();
    const QString review = "  Please review your input and make the necessary adjustments.";
    using Case = std::tuple<QLineEdit*, QString, QString, QString>;  // box, typed, message, title
    for (const auto& [box, typed, text, title] :
         {Case{w->txtRidgeHeight, "8", "The Ridge Height (8) of this gable wall is lower than its Eave Height ("
                                           + shown("10") + ")." + review, "Error"},
          Case{w->txtCorners, "1.5", dv::kCornersFormat, "Improper Input Format"},
          Case{w->txtWallLength, "5", "Your input Rough Opening Width's exceed the length of this wall." + review, "Error"}}) {
        open("North");
        box->setText(typed);
        w->messages.clear();
        w->cmdAddtoProject_Click();
        ASSERT_EQ(w->messages.size(), 1u);
        EXPECT_EQ(std::pair(w->messages[0].text, w->messages[0].title), std::pair(text, title));
        EXPECT_EQ(count("General_Information", "RidgeHeight = 20 AND NumberCorners = 2 AND WallLength = 30"), 1);
    }
}

TEST_F(EditorTest, TypedTextReachesTheDatabaseOnlyAsValues)
{
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    // A finish text with the SQL quote is stored exactly as it stands.
    w->cboExteriorFinish->setText(QStringLiteral("O'Brien's Brick'); DELETE FROM Project_Information; --"));
    w->cmdAddtoProject_Click();
    EXPECT_EQ(stored(QStringLiteral("ExteriorFinish"), 1).toText(),
              QStringLiteral("O'Brien's Brick'); DELETE FROM Project_Information; --"));
    EXPECT_EQ(count(QStringLiteral("Project_Information")), 1);

    // Zone counts and corners that are no numbers are refused with a
    // message; nothing is written.
    open(QStringLiteral("North"));
    w->chkZoneWall->setChecked(true);
    w->chkZoneWall_Click();
    w->txtZoneCorners->setText(QStringLiteral("1, ExteriorFinish = 'x'"));
    w->cmdAddtoProject_Click();
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_TRUE(w->messages[0].text.contains(QStringLiteral("Zone Corners"))) << w->messages[0].text.toStdString();
    EXPECT_EQ(stored(QStringLiteral("IsZoneWall"), 1).toInt32(), 0);
    EXPECT_EQ(w->SSTab2->currentIndex(), dv::frmDorvMain::WallEditorPage);
    w->messages.clear();
    w->txtZoneCorners->setText(QStringLiteral("3"));
    w->txtZoneJunctions->setText(QStringLiteral("2"));
    w->optJunctionB->setChecked(true);
    w->txtCorners->setText(QStringLiteral("4 OR 1=1"));
    w->cmdAddtoProject_Click();
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_EQ(stored(QStringLiteral("IsZoneWall"), 1).toInt32(), 0);
    w->txtCorners->setText(QStringLiteral("4"));
    w->cmdAddtoProject_Click();
    EXPECT_EQ(stored(QStringLiteral("IsZoneWall"), 1).toInt32(), 1);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("ZoneCorners"), 1).toDouble(), 3.0);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("ZoneJunctions"), 1).toDouble(), 2.0);
    EXPECT_EQ(stored(QStringLiteral("JunctionType"), 1).toText(), QStringLiteral("B"));
}

TEST_F(EditorTest, AnUnsetRoofLoadingIsStoredAsNoneAndTheWallStaysIncomplete)
{
    exec(QStringLiteral("UPDATE Customer_Profiles SET RoofLoadingID = 99 WHERE CustomerProfileID = 1"));
    addWall(QStringLiteral("North"));
    addWall(QStringLiteral("South"));
    addEaveWall(1, QString(), 10, 20, 24, QStringLiteral("EXPOSURE B"), 2);
    exec(QStringLiteral("DELETE FROM Project_Information WHERE WallName = ''"));
    // The loading of the wall opened before does not carry over.
    open(QStringLiteral("North"));
    EXPECT_EQ(w->cboRoofLoading->columnValue(0), QStringLiteral("2"));
    w->cmdAddtoProject_Click();
    open(QStringLiteral("South"));
    EXPECT_TRUE(w->cboRoofLoading->text().isEmpty());
    EXPECT_TRUE(w->cboRoofLoading->columnValue(0).isEmpty());
    EXPECT_EQ(w->cboRoofLoading->rows(), count(QStringLiteral("Roof_Loading")));
    w->txtEaveHeight->setText(QStringLiteral("10"));
    w->txtWallLength->setText(QStringLiteral("20"));
    w->txtRoofTrussSpan->setText(QStringLiteral("24"));
    w->cboExteriorFinish->setText(QStringLiteral("Stucco"));
    w->optExposureB->setChecked(true);
    w->cmdAddtoProject_Click();
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(stored(QStringLiteral("RoofLoadingID"), 2).toInt32(), 0);
    EXPECT_EQ(w->wallGridCell(rowOf(QStringLiteral("South")), 2), QStringLiteral("No"));
}

TEST_F(EditorTest, OpeningAProjectFileWhileEditingClosesTheEditorSoNoOtherWallIsWritten)
{
    addWall(QStringLiteral("North"));
    addWall(QStringLiteral("South"));
    open(QStringLiteral("South"));
    w->txtEaveHeight->setText(QStringLiteral("14"));
    // The file replaces the project with one wall numbered 1.
    w->onOpenFile = [this] {
        exec(QStringLiteral("DELETE FROM Project_Information"));
        exec(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (1, 'Loaded')"));
        dv::CurrentWallID = 1;
    };
    w->openedFiles = {QStringLiteral("/tmp/other.dvwp")};
    w->subMnuOpen_Click();
    EXPECT_EQ(w->SSTab2->currentIndex(), dv::frmDorvMain::ProjectPage);
    EXPECT_FALSE(w->SSTab2->isTabEnabled(dv::frmDorvMain::WallEditorPage));
    EXPECT_EQ(w->editedWallID(), 0);
    w->cmdAddtoProject_Click();
    EXPECT_EQ(count(QStringLiteral("General_Information")), 0);
}

// ---------------------------------------------------------------------------
// Input rules

TEST_F(EditorTest, SlopeRuleAddsTheRunAndCapsAtTwelve)
{
    auto leave = [this](const QString& text) {
        w->txtRoofSlope->setText(text);
        w->txtRoofSlope_LostFocus();
        return w->txtRoofSlope->text();
    };
    EXPECT_EQ(leave(QStringLiteral("12")), QStringLiteral("12/12"));
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(leave(QStringLiteral("6/12")), QStringLiteral("6/12"));
    EXPECT_EQ(leave(QStringLiteral("6.5")), QStringLiteral("6.5/12"));
    EXPECT_EQ(w->lblPictureSlope->text(), QStringLiteral("6.5"));
    EXPECT_TRUE(w->messages.empty());
    EXPECT_EQ(leave(QStringLiteral("12.5")), QStringLiteral("12/12"));
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_EQ(w->messages[0].text, QStringLiteral("Maximum roof slope is 12/12.  The value will be reset to 12."));
    EXPECT_EQ(w->messages[0].title, QStringLiteral("Overflow"));
    EXPECT_EQ(w->lblPictureSlope->text(), QStringLiteral("12"));
    // Empty: nothing happens. Two points: reported, left as typed.
    w->messages.clear();
    EXPECT_EQ(leave(QString()), QString());
    EXPECT_EQ(leave(QStringLiteral("1.2.3")), QStringLiteral("1.2.3"));
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_EQ(w->messages[0].title, QStringLiteral("Improper Input Format"));
}

TEST_F(EditorTest, CornersRuleReportsTwoPointsAndLeavesTheText)
{
    w->txtCorners->setText(QStringLiteral("2.5"));
    w->txtCorners_LostFocus();
    EXPECT_TRUE(w->messages.empty());
    w->txtCorners->setText(QStringLiteral("2.5.1"));
    w->txtCorners_LostFocus();
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_EQ(w->messages[0].text, QStringLiteral("Please check your 'Number of Corners' input for proper "
                                                  "formatting.  You must format your input as a number."));
    EXPECT_EQ(w->messages[0].title, QStringLiteral("Improper Input Format"));
    EXPECT_EQ(w->txtCorners->text(), QStringLiteral("2.5.1"));
}

TEST_F(EditorTest, LengthRuleLeavesEmptyBoxesAloneExceptTheFirstColumnDistance)
{
    w->txtEaveHeight->setText(QStringLiteral("12"));
    w->txtEaveHeight_LostFocus();
    const QString label = w->lblPictureEaveHeight->text();
    const QPoint at = w->lblPictureEaveHeight->pos();
    w->txtEaveHeight->clear();
    w->txtEaveHeight_LostFocus();
    EXPECT_EQ(w->lblPictureEaveHeight->text(), label);
    EXPECT_EQ(w->lblPictureEaveHeight->pos(), at);

    w->txtDTFH->setText(QStringLiteral("8"));
    w->txtDTFH_LostFocus();
    EXPECT_FALSE(w->lblDTFHLabel->text().isEmpty());
    w->txtDTFH->clear();
    w->txtDTFH_LostFocus();
    EXPECT_TRUE(w->lblDTFHLabel->text().isEmpty());

    // The rule is its own fixed point.
    w->txtWallLength->setText(QStringLiteral("40"));
    w->txtWallLength_LostFocus();
    const QString once = w->txtWallLength->text();
    w->txtWallLength_LostFocus();
    EXPECT_EQ(w->txtWallLength->text(), once);
}

TEST_F(EditorTest, TypedLengthsAreCappedTranslatedAndStoredInFeet)
{
    showActive();
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    type(w->txtWallLength, QStringLiteral("400"));
    EXPECT_EQ(w->txtWallLength->text(), shown(QStringLiteral("300")));
    EXPECT_EQ(w->lblPictureWallLength->text(), w->txtWallLength->text());
    EXPECT_NEAR(centre(w->lblPictureWallLength), 7800 / 15.0, 1.0);
    EXPECT_EQ(w->lblPictureWallLength->y(), px(5200));

    // Feet, inches and sixteenths, or marks and a fraction: the same length.
    type(w->txtEaveHeight, QStringLiteral("12 6 8"));
    EXPECT_DOUBLE_EQ(dv::ConvertInputToInches(w->txtEaveHeight->text()), 150.5);
    const QString first = w->txtEaveHeight->text();
    type(w->txtEaveHeight, QStringLiteral("12' 6 1/2\""));
    EXPECT_EQ(w->txtEaveHeight->text(), first);
    w->cmdAddtoProject_Click();
    // Numbers reach the statement with 15 significant digits.
    EXPECT_NEAR(stored(QStringLiteral("EaveHeight"), 1).toDouble(), 150.5 / 12.0, 1e-12);
    EXPECT_DOUBLE_EQ(stored(QStringLiteral("WallLength"), 1).toDouble(), 300.0);
}

TEST_F(EditorTest, ARefusedLengthNamesItsBoxAndKeepsItsNumber)
{
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    const struct {
        QLineEdit* box;
        void (dv::frmDorvMain::*rule)();
        const char* caption;
    } boxes[] = {{w->txtWallLength, &dv::frmDorvMain::txtWallLength_LostFocus, "Wall Length"},
                 {w->txtEaveHeight, &dv::frmDorvMain::txtEaveHeight_LostFocus, "Eave Height"},
                 {w->txtRoofTrussSpan, &dv::frmDorvMain::txtRoofTrussSpan_LostFocus, "Truss Span (plus overhang)"}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.caption);
        const QString expected = dv::errorMessageText(
            dv::err::InvalidInputFormat, QLatin1String(b.caption) + QStringLiteral(": Invalid Input string format."));
        // Leaving the box, and saving the wall with it.
        w->messages.clear();
        b.box->setText(QStringLiteral("1.2.3"));
        (w.get()->*b.rule)();
        w->cmdAddtoProject_Click();
        ASSERT_EQ(w->messages.size(), 2u);
        EXPECT_EQ(w->messages[0].text, expected);
        EXPECT_EQ(w->messages[1].text, expected);
        b.box->setText(QStringLiteral("10"));
    }
}

TEST_F(EditorTest, LengthBoxesLetOnlyLengthCharactersThrough)
{
    showActive();
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    w->optGable->click();
    w->txtWallLength->setFocus();
    QTest::keyClicks(w->txtWallLength, QStringLiteral("1a2-3,4' 5\"/."));
    EXPECT_EQ(w->txtWallLength->text(), QStringLiteral("1234' 5\"/."));
    w->txtRoofSlope->setFocus();
    QTest::keyClicks(w->txtRoofSlope, QStringLiteral("6/'\"x.5"));
    EXPECT_EQ(w->txtRoofSlope->text(), QStringLiteral("6.5"));
    w->txtCorners->setFocus();
    QTest::keyClicks(w->txtCorners, QStringLiteral("4/b"));
    EXPECT_EQ(w->txtCorners->text(), QStringLiteral("4"));
    // Pasted text goes in as it stands, for the leave rule to read.
    QGuiApplication::clipboard()->setText(QStringLiteral("12x' 6-"));
    w->txtEaveHeight->setFocus();
    w->txtEaveHeight->clear();
    QTest::keyClick(w->txtEaveHeight, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->txtEaveHeight->text(), QStringLiteral("12x' 6-"));
}

TEST_F(EditorTest, APastedLengthOrSlopeIsReadByTheBoxsLeaveAndSaveRules)
{
    showActive();
    addWall(QStringLiteral("North"));
    QLineEdit *eave = w->txtEaveHeight, *slope = w->txtRoofSlope;
    // Shown once left, and stored by the save (feet, or the rise); a refusal is reported twice, nothing stored.
    const struct { QLineEdit* box; const char *pasted, *shows; double stored; bool refused = false; } cases[] = {
        {eave, "3 m", "9' 10 1/8\"", 118.125 / 12}, {eave, "3000 mm", "9' 10 1/8\"", 118.125 / 12},
        {eave, "12,5", "12' 6\"", 12.5}, {eave, "12\r\n", "12'", 12}, {eave, "400 6\"", "300' 6\"", 300.5},
        {slope, "6/12", "6/12", 6}, {slope, " 4.5 / 12", "4.5/12", 4.5}, {slope, "abc", "abc", 4.5, true},
        {slope, "-3", "-3", 4.5, true}, {eave, "abc", "abc", 300.5, true}, {eave, "12 abc", "12 abc", 300.5, true},
        {eave, "-10", "-10", 300.5, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        open(QStringLiteral("North"));
        w->optGable->click();
        w->messages.clear();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        c.box->setFocus();
        c.box->selectAll();
        QTest::keyClick(c.box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(c.box, Qt::Key_Tab);
        EXPECT_EQ(c.box->text(), QString::fromUtf8(c.shows));
        w->cmdAddtoProject_Click();
        EXPECT_DOUBLE_EQ(stored(c.box == eave ? "EaveHeight" : "RoofSlope", 1).toDouble(), c.stored);
        EXPECT_EQ(w->messages.size(), c.refused ? 2u : 0u);
        EXPECT_TRUE(!c.refused || w->messages.back().text.contains(c.box == slope ? "Slope'" : "Eave Height: "));
    }
}

TEST_F(EditorTest, EditingKeysAndShortcutsPassTheFilters)
{
    showActive();
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    QLineEdit* box = w->txtWallLength;
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("123"));
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("13"));
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), QStringLiteral("3"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->selectedText(), QStringLiteral("3"));
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("3"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);  // undo still works
    // Pasting a clean length keeps it whole.
    QGuiApplication::clipboard()->setText(QStringLiteral("12 6 8"));
    box->clear();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("12 6 8"));
}

TEST_F(EditorTest, PastingFromTheBoxMenuPutsTheTextInAsItStands)
{
    showActive();
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    QLineEdit* box = w->txtEaveHeight;
    box->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("12x' 6-"));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(box, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().section(QLatin1Char('\t'), 0, 0) == QCoreApplication::translate("QLineEdit", "&Paste"))
            paste = a;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(box->text(), QStringLiteral("12x' 6-"));
    EXPECT_FALSE(box->acceptDrops());
}

TEST_F(EditorTest, FocusLeaveRunsOnceWhenAMessageTakesTheFocus)
{
    showActive();
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    w->optGable->click();
    type(w->txtRoofSlope, QStringLiteral("13"));
    ASSERT_EQ(w->messages.size(), 1u);
    EXPECT_EQ(w->txtRoofSlope->text(), QStringLiteral("12/12"));
    // Another window taking the focus does not run the rule.
    w->txtCorners->setFocus();
    QTest::keyClicks(w->txtCorners, QStringLiteral("1.2.3"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(w->txtCorners, &away);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(w->txtCorners, &popup);
    EXPECT_EQ(w->messages.size(), 1u);
    QTest::keyClick(w->txtCorners, Qt::Key_Tab);
    EXPECT_EQ(w->messages.size(), 2u);
}

TEST_F(EditorTest, BoxesSelectTheirWholeTextOnFocus)
{
    showActive();
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    w->txtWallLength->setText(QStringLiteral("40"));
    w->txtWallLength->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->txtWallLength->selectedText(), QStringLiteral("40"));
}

// ---------------------------------------------------------------------------
// Wall type, pictures, pages

TEST_F(EditorTest, SwitchingTheWallTypeShowsItsFieldsAndMovesTheLabels)
{
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    EXPECT_FALSE(w->imgMain->pixmap().isNull());
    EXPECT_TRUE(w->txtRoofSlope->isHidden());
    EXPECT_TRUE(w->txtDTFH->isHidden());
    EXPECT_FALSE(w->txtRoofTrussSpan->isHidden());
    EXPECT_TRUE(w->cboRoofLoading->isEnabled());
    w->txtEaveHeight->setText(QStringLiteral("12"));
    w->txtWallLength->setText(QStringLiteral("40"));
    w->optEave_Click();
    EXPECT_EQ(w->lblPictureWallLength->text(), shown(QStringLiteral("40")));
    EXPECT_EQ(w->lblPictureWallLength->y(), px(5200));
    const QImage eave = w->imgMain->pixmap().toImage();

    // Eave to gable keeps the labels and centres them on the gable anchors.
    w->optGable->setChecked(true);
    w->optGable_Click();
    EXPECT_EQ(w->lblPictureWallLength->text(), shown(QStringLiteral("40")));
    EXPECT_NEAR(centre(w->lblPictureWallLength), 7920 / 15.0, 1.0);
    EXPECT_EQ(w->lblPictureWallLength->y(), px(5520));
    EXPECT_NEAR(centre(w->lblPictureEaveHeight), 4440 / 15.0, 1.0);
    EXPECT_FALSE(w->txtRoofSlope->isHidden());
    EXPECT_FALSE(w->chkMonoSlope->isHidden());
    EXPECT_FALSE(w->lblTwelve->isHidden());
    EXPECT_EQ(w->lblTwelve->pos(), QPoint(px(9960), px(1110)));
    EXPECT_TRUE(w->txtRoofTrussSpan->isHidden());
    EXPECT_TRUE(w->lblRoofLoading->isHidden());
    EXPECT_FALSE(w->cboRoofLoading->isEnabled());
    EXPECT_FALSE(w->cboRoofLoading->isHidden());
    EXPECT_NE(w->imgMain->pixmap().toImage(), eave);
    EXPECT_EQ(w->imgMain->pos(), QPoint(px(3720), px(480)));

    // Gable to eave empties the four picture labels first.
    w->txtEaveHeight->clear();
    w->txtWallLength->clear();
    w->txtRoofSlope->setText(QStringLiteral("6"));
    w->txtRoofSlope_LostFocus();
    w->optEave->setChecked(true);
    w->optEave_Click();
    for (QLabel* l : {w->lblPictureWallLength, w->lblPictureEaveHeight, w->lblPictureSlope, w->lblPictureRidgeHeight})
        EXPECT_TRUE(l->text().isEmpty()) << l->objectName().toStdString();
    EXPECT_EQ(w->lblPictureWallLength->pos(), QPoint(px(7800), px(5325)));
    EXPECT_TRUE(w->lblTwelve->isHidden());
}

TEST_F(EditorTest, AMissingPictureShowsBlankAndTheSwitchGoesOn)
{
    QTemporaryDir empty;
    dv::setPictureFolder(empty.path());
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    w->optGable->setChecked(true);
    w->optGable_Click();
    EXPECT_TRUE(w->imgMain->pixmap().isNull());
    EXPECT_TRUE(w->messages.empty());
    EXPECT_FALSE(w->txtRoofSlope->isHidden());  // the handler ran on
    EXPECT_EQ(QApplication::focusWidget() == w->txtRoofSlope || !w->isVisible(), true);
}

TEST_F(EditorTest, ZoneWallBoxShowsItsFrameAndClearsItWhenUnchecked)
{
    w->chkZoneWall->setChecked(true);
    w->chkZoneWall_Click();
    EXPECT_FALSE(w->fraZoneWall->isHidden());
    w->txtZoneCorners->setText(QStringLiteral("2"));
    w->txtZoneJunctions->setText(QStringLiteral("3"));
    w->optCornerB->setChecked(true);
    w->optJunctionB->setChecked(true);
    w->chkZoneWall->setChecked(false);
    w->chkZoneWall_Click();
    EXPECT_TRUE(w->fraZoneWall->isHidden());
    EXPECT_TRUE(w->txtZoneCorners->text().isEmpty());
    EXPECT_TRUE(w->txtZoneJunctions->text().isEmpty());
    EXPECT_TRUE(w->optCornerA->isChecked());
    EXPECT_TRUE(w->optJunctionA->isChecked());
}

TEST_F(EditorTest, MemberPagesShowTheirPictureGuidesAndLists)
{
    // The boxes and lists of the member pages, by their names.
    auto* height = new QLineEdit(w->fraColumnsPage);
    height->setObjectName(QStringLiteral("txtColumnHeight"));
    auto* width = new QLineEdit(w->fraRoughOpeningsPage);
    width->setObjectName(QStringLiteral("txtROWidth"));
    auto* headers = new dv::DataCombo({QStringLiteral("Headers")}, 0, w->fraRoughOpeningsPage);
    headers->setObjectName(QStringLiteral("cboNumberHeaders"));
    headers->addRowFields({QStringLiteral("9")});
    auto* left = new dv::DataCombo({QStringLiteral("ID")}, 0, w->fraRoughOpeningsPage);
    left->setObjectName(QStringLiteral("cboColumnIDLeft"));
    left->setText(QStringLiteral("Column 2"));
    w->attachMemberPageInputs();

    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    w->txtEaveHeight->setText(QStringLiteral("12"));
    w->txtEaveHeight_LostFocus();
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::ColumnsPage);
    EXPECT_EQ(w->lblColumnHeight->text(), w->txtEaveHeight->text());
    EXPECT_FALSE(w->lblColumnHeight->isHidden());
    EXPECT_NEAR(centre(w->lblColumnHeight), 600 / 15.0, 1.0);
    EXPECT_FALSE(w->imgMember->pixmap().isNull());
    EXPECT_TRUE(w->Label17->isHidden());

    width->setText(QStringLiteral("3"));
    w->txtROWidth_LostFocus();
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::RoughOpeningsPage);
    EXPECT_TRUE(w->lblColumnHeight->isHidden());
    for (QWidget* g : std::initializer_list<QWidget*>{w->Line2, w->Label11, w->Line4, w->Label16, w->Line5, w->Label17,
                                                       w->lblColumnIDLeft, w->lblColumnIDRight, w->lblROWidth})
        EXPECT_FALSE(g->isHidden()) << g->objectName().toStdString();
    EXPECT_EQ(w->lblROWidth->text(), shown(QStringLiteral("3")));
    EXPECT_TRUE(left->isEnabled());
    EXPECT_TRUE(left->text().isEmpty());
    ASSERT_EQ(headers->rows(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(headers->rowValue(i, 0), QString::number(i + 1));

    w->SSTab1->setCurrentIndex(dv::frmDorvMain::WallDataPage);
    EXPECT_TRUE(w->Label17->isHidden());
    EXPECT_FALSE(left->isEnabled());
    EXPECT_TRUE(w->lblColumnHeight->text().isEmpty());
}

TEST_F(EditorTest, ReturnPressesTheAddButtonOfTheMemberPage)
{
    QLineEdit* box = w->openingsEditor->txtMaxColumnWidth;
    QPushButton* add = w->openingsEditor->cmdAddColumn;
    int pressed = 0;
    QObject::connect(add, &QPushButton::clicked, [&] { ++pressed; });
    showActive();
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    QTest::keyClick(w->txtEaveHeight, Qt::Key_Return);
    EXPECT_EQ(pressed, 0);  // the wall page has no such button
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::ColumnsPage);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(pressed, 1);
    // A list open on the page takes Return to pick its row.
    auto* list = new dv::DataCombo({QStringLiteral("ColumnID")}, 0, w->fraColumnsPage);
    list->setObjectName(QStringLiteral("cboColumnID"));
    list->addRowFields({QStringLiteral("Column 1")});
    list->show();
    list->setFocus();
    list->showPopup();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(list->text(), QStringLiteral("Column 1"));
}

TEST_F(EditorTest, EachSectionHasItsKeyboardOrderAndFirstFocus)
{
    showActive();
    addWall(QStringLiteral("North"));
    open(QStringLiteral("North"));
    w->optEave->click();
    EXPECT_EQ(QApplication::focusWidget(), w->txtEaveHeight);
    const std::vector<QWidget*> eave = {w->txtWallLength, w->txtRoofTrussSpan, w->cboExteriorFinish,
                                        w->txtCorners,    w->optExposureB,     w->optExposureC,
                                        w->optExposureD,  w->cmdExposureHelp,  w->cboRoofLoading,
                                        w->chkZoneWall,   w->cmdAddtoProject,  w->optEave,
                                        w->optGable,      w->txtEaveHeight};
    for (QWidget* next : eave) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w->optGable);

    w->optGable->click();
    EXPECT_EQ(QApplication::focusWidget(), w->txtRoofSlope);
    for (QWidget* next : std::initializer_list<QWidget*>{w->txtDTFH, w->txtEaveHeight, w->txtRidgeHeight,
                                                         w->txtWallLength, w->chkMonoSlope, w->cboExteriorFinish}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }

    // The wall page's own order starts on the wall type.
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::ColumnsPage);
    w->SSTab1->setCurrentIndex(dv::frmDorvMain::WallDataPage);
    EXPECT_EQ(QApplication::focusWidget(), w->optGable);
    for (QWidget* next : std::initializer_list<QWidget*>{
             w->txtRoofSlope, w->txtDTFH, w->txtEaveHeight, w->txtRidgeHeight, w->txtWallLength, w->chkMonoSlope,
             w->cboExteriorFinish, w->txtCorners, w->optExposureB, w->optExposureC, w->optExposureD,
             w->cmdExposureHelp, w->chkZoneWall, w->cmdAddtoProject, w->optEave, w->optGable}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }

    // Saving goes back to the project page's order.
    w->cmdAddtoProject_Click();
    w->txtWallSystemName->setFocus();
    QTest::keyClick(w->txtWallSystemName, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->cmdAddWallSystem);
}

// ---------------------------------------------------------------------------
// Reference lists

TEST_F(EditorTest, RoofLoadingListShowsStatesWithTheirLoadsAndSelectsByID)
{
    w->LoadRoofLoadingList(false);
    const int states = static_cast<int>(count(QStringLiteral("Roof_Loading")));
    ASSERT_EQ(w->cboRoofLoading->rows(), states);
    EXPECT_EQ(w->cboRoofLoading->rowValue(0, 1), QStringLiteral("Alabama (20/10)"));
    EXPECT_EQ(w->cboRoofLoading->rowValue(0, 0), QStringLiteral("2"));
    EXPECT_EQ(w->cboRoofLoading->rowValue(0, 2), QStringLiteral("20"));
    EXPECT_EQ(w->cboRoofLoading->rowValue(0, 3), QStringLiteral("10"));
    for (int r = 1; r < states; ++r)
        EXPECT_LT(w->cboRoofLoading->rowValue(r - 1, 1), w->cboRoofLoading->rowValue(r, 1));
    EXPECT_EQ(w->cboRoofLoading->text(), QStringLiteral("Missouri (30/15)"));
    EXPECT_EQ(w->cboRoofLoading->columnValue(2), QStringLiteral("30"));

    exec(QStringLiteral("UPDATE Roof_Loading SET RoofLL = 25, RoofDL = 12.5 WHERE ID = 6"));
    w->LoadRoofLoadingList(true, 6);
    EXPECT_EQ(w->cboRoofLoading->text(), QStringLiteral("Texas (25/12.5)"));
    EXPECT_EQ(w->cboRoofLoading->columnValue(0), QStringLiteral("6"));
    w->LoadRoofLoadingList(true, 420);
    EXPECT_EQ(w->cboRoofLoading->rows(), states);
    EXPECT_TRUE(w->cboRoofLoading->text().isEmpty());
}

TEST_F(EditorTest, ExteriorFinishListIsRebuiltInNameOrderAfterAnEmptyRow)
{
    w->cboExteriorFinish->setText(QStringLiteral("Stucco"));
    w->LoadExteriorFinishList();
    w->LoadExteriorFinishList();
    const QStringList expected = {QString(), "Cedar Siding", "Fiber Cement Siding", "Masonry Veneer", "Stucco",
                                  "Vinyl Siding"};
    ASSERT_EQ(w->cboExteriorFinish->rows(), expected.size());
    for (int r = 0; r < expected.size(); ++r)
        EXPECT_EQ(w->cboExteriorFinish->rowValue(r, 0), expected[r]);
    EXPECT_EQ(w->cboExteriorFinish->text(), QStringLiteral("Stucco"));
}

// ---------------------------------------------------------------------------
// The pictures themselves

namespace {

// True when a pixel near (x, y) is drawn in the blue of the dimension lines.
bool onDimensionLine(const QImage& img, double x, double y)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor c = img.pixelColor(static_cast<int>(x) + dx, static_cast<int>(y) + dy);
            if (c.blue() > 120 && c.blue() > c.red() + 60 && c.blue() > c.green() + 40)
                return true;
        }
    return false;
}

// Where the middle of a label centred on an anchor (twips) falls in a
// picture placed at the given pixel position.
QPointF labelMiddle(int anchorX, int anchorY, QPoint pictureAt)
{
    return QPointF(anchorX / 15.0 - pictureAt.x(), anchorY / 15.0 + 8 - pictureAt.y());
}

}  // namespace

TEST(WallPictures, DimensionLabelsLandOnTheirDimensionLines)
{
    using dv::WallPicture;
    const QImage eave = dv::drawWallPicture(WallPicture::EaveWall);
    const QImage gable = dv::drawWallPicture(WallPicture::GableWall);
    const QImage column = dv::drawWallPicture(WallPicture::ColumnPicture);
    const QImage header = dv::drawWallPicture(WallPicture::HeaderPicture);
    const QPoint wallAt = dv::kWallPictureAt, memberAt = dv::kMemberPictureAt;
    struct Case {
        const QImage* img;
        int x, y;
        QPoint at;
        const char* what;
    } cases[] = {{&eave, 4150, 2760, wallAt, "eave height"},    {&eave, 7800, 5200, wallAt, "eave wall length"},
                 {&gable, 4440, 3480, wallAt, "gable eave"},    {&gable, 7920, 5520, wallAt, "gable wall length"},
                 {&gable, 4060, 1440, wallAt, "ridge height"},  {&gable, 5280, 1280, wallAt, "first column"},
                 {&column, 600, 2880, memberAt, "column height"}, {&header, 2115, 3270, memberAt, "opening width"}};
    for (const Case& c : cases) {
        const QPointF m = labelMiddle(c.x, c.y, c.at);
        EXPECT_TRUE(onDimensionLine(*c.img, m.x(), m.y())) << c.what;
    }
    // The clear picture is blank; the others are not.
    const QImage clear = dv::drawWallPicture(WallPicture::ClearPicture);
    EXPECT_FALSE(onDimensionLine(clear, 32, 168));
    EXPECT_EQ(eave.size(), gable.size());
}

TEST(WallPictures, TheBuildPlacesThePicturesBesideTheProgram)
{
    for (const char* name : {"EaveWall.jpg", "GableWall.jpg", "ClearPicture.jpg", "ColumnPicture.jpg",
                             "HeaderPicture.jpg"}) {
        const QImage img(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name));
        EXPECT_FALSE(img.isNull()) << name;
    }
}

// ---------------------------------------------------------------------------
// Numbers whatever the C library's locale

namespace {

// Puts LC_NUMERIC on a locale whose decimal separator is a comma, as the
// toolkit does on a German desktop; makes the locale first when the machine
// lacks it. False when neither works.
bool commaNumericLocale()
{
    const char* const name = "de_DE.UTF-8";
    if (!std::setlocale(LC_NUMERIC, name)) {
        QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
                           QString::fromLatin1(name)});
        if (!std::setlocale(LC_NUMERIC, name))
            return false;
    }
    return std::localeconv()->decimal_point == std::string(",");
}

}  // namespace

TEST_F(EditorTest, TypedDecimalsSaveAndPriceTheSameUnderACommaLocale)
{
    showActive();
    // Half an hour of labour per opening, typed into the profile as text.
    exec(QStringLiteral("UPDATE Customer_Profiles SET Jamb2x6L = '0.5', Jamb2x8L = '0.5', Jamb2x10L = '0.5', "
                        "LaborRate = 40, JambMethod = 2 WHERE CustomerProfileID = 1"));
    const auto road = [&]() -> QStringList {
        dv::ResetProjectTables();
        w->wallGridClear();
        w->comparisonClear();
        addWall(QStringLiteral("Gable End"));
        open(QStringLiteral("Gable End"));
        w->optGable->click();
        type(w->txtRoofSlope, QStringLiteral("6.5"));
        type(w->txtDTFH, QStringLiteral("8.5"));
        type(w->txtEaveHeight, QStringLiteral("10.5"));
        type(w->txtRidgeHeight, QStringLiteral("16.25"));
        type(w->txtWallLength, QStringLiteral("30.5"));
        w->cboExteriorFinish->setText(firstFinish());
        w->txtCorners->setText(QStringLiteral("2"));
        w->optExposureB->click();
        w->cmdAddtoProject->click();
        EXPECT_TRUE(w->messages.empty()) << (w->messages.empty() ? "" : w->messages.front().text.toStdString());
        EXPECT_DOUBLE_EQ(stored(QStringLiteral("RoofSlope"), 1).toDouble(), 6.5);
        EXPECT_DOUBLE_EQ(stored(QStringLiteral("EaveHeight"), 1).toDouble(), 10.5);
        EXPECT_DOUBLE_EQ(stored(QStringLiteral("RidgeHeight"), 1).toDouble(), 16.25);
        EXPECT_DOUBLE_EQ(stored(QStringLiteral("WallLength"), 1).toDouble(), 30.5);
        addOpening(1, 1, QStringLiteral("3.5"), QStringLiteral("6.5"), QStringLiteral("1"));
        w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
        QStringList result;
        for (int c = 0; c < 5; ++c)
            result << w->comparisonCell(0, c);
        dv::Recordset rs = dv::DbConnection.query(QStringLiteral(
            "SELECT MemberType, ProductID, QtyPieces, PieceLength, TotalPrice FROM Material_List ORDER BY rowid"));
        for (; !rs.eof(); rs.moveNext())
            for (int i = 0; i < rs.fieldCount(); ++i)
                result << rs.field(i).toText();
        return result;
    };
    const QStringList inC = road();
    ASSERT_EQ(w->comparisonRowCount(), 1);
    // 0.5 h at $40 for the one opening: the jamb extensions are not free.
    EXPECT_FALSE(inC[2].endsWith(QStringLiteral("/$0.00"))) << inC[2].toStdString();

    DV_NEED(commaNumericLocale(), "a locale with a decimal comma (localedef -i de_DE -f UTF-8 de_DE.UTF-8)");
    EXPECT_EQ(road().join(QLatin1Char('|')).toStdString(), inC.join(QLatin1Char('|')).toStdString());
}
