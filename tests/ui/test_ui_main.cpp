// The project window: its start, the pricing-choice handlers, the project
// commands with their messages and file dialogs, Compare around the
// calculation, and the close.
#include "core/app_state.h"
#include "core/wall_list.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/tab_control.h"
#include "reports/frmDorvPrintOptions.h"
#include "reports/frmDorvPrintPreview.h"
#include "tests/test_support.h"
#include "ui/common/app_info.h"
#include "ui/project/frmDorvExposure.h"
#include "ui/project/frmDorvMain.h"
#include "ui/project/frmDorvPlzWait.h"
#include "ui/profiles/frmDorvPreferences.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <deque>
#include <memory>

namespace {

using dv::MsgButtons;
using dv::MsgResult;

struct Message {
    QString text, title;
    MsgButtons buttons;
};

// The project window with its message boxes and file dialog answered by the
// test, and the project file routines recorded.
class TestWindow : public dv::frmDorvMain {
public:
    using frmDorvMain::FileDialogMode;
    struct DialogCall {
        FileDialogMode mode;
        QString folder, fileName;
    };

    std::shared_ptr<std::vector<Message>> messages = std::make_shared<std::vector<Message>>();
    std::deque<MsgResult> answers;
    std::vector<DialogCall> dialogs;
    std::deque<QString> chosenFiles;  // empty text = the user cancelled
    QStringList opened, saved;
    int validationShown = 0;
    std::function<void()> duringCompare;
    std::function<void()> compareInstead;
    QString copyName;  // the copy dialog's answer

    dv::MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons, dv::MsgIcon) override
    {
        messages->push_back({text, title, buttons});
        if (!answers.empty()) {
            const MsgResult r = answers.front();
            answers.pop_front();
            return r;
        }
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
    }
    // Recorded instead of shown: the real one is modal.
    void showValidationResults() override { ++validationShown; }

protected:
    QString chooseProjectFile(FileDialogMode mode, const QString& folder, const QString& fileName) override
    {
        dialogs.push_back({mode, folder, fileName});
        if (chosenFiles.empty())
            return QString();
        const QString f = chosenFiles.front();
        chosenFiles.pop_front();
        return f;
    }
    bool askCopyWall(const QString&, QString& newName) override
    {
        newName = copyName;
        return true;
    }
    void openProjectFile(const QString& path) override { opened << path; }
    void saveProjectFile(const QString& path) override { saved << path; }
    // The preferences window's questions come to this window's queue.
    dv::frmDorvPreferences* createPreferencesWindow() override
    {
        class Answered : public dv::frmDorvPreferences {
        public:
            Answered(TestWindow* owner) : frmDorvPreferences(owner->cboCustomerProfile), owner_(owner) {}
            MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons, dv::MsgIcon icon) override
            {
                return owner_->messageBox(text, title, buttons, icon);
            }

        private:
            TestWindow* owner_;
        };
        return new Answered(this);
    }
    void runCompare() override
    {
        if (duringCompare)
            duringCompare();
        if (compareInstead)
            compareInstead();
        else
            frmDorvMain::runCompare();
    }
};

class ProjectWindowTest : public dvtest::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        w = std::make_unique<TestWindow>();
        dv::setProjectView(w.get());
    }
    void TearDown() override
    {
        w.reset();
        DbTest::TearDown();
    }

    std::vector<Message>& messages() { return *w->messages; }
    void addComparisonRow(int id = 1)
    {
        w->comparisonAddRow({QString::number(id), QStringLiteral("Wall"), QStringLiteral("$10.00/$0.00"), QStringLiteral("$11.00/$0.00"), QStringLiteral("$12.00/$0.00")});
    }
    QAction* toolbarButton(int index)
    {
        for (QAction* a : w->tbrMainToolbar->actions())
            if (!a->isSeparator() && a->data().toInt() == index)
                return a;
        return nullptr;
    }

    std::unique_ptr<TestWindow> w;
};

const QString kNewQuestion = QStringLiteral(
    "This action will remove all wall system configuration information you have configured.  Would you like to proceed?");

}  // namespace

// ---------------------------------------------------------------------------
// Start

TEST_F(ProjectWindowTest, StartsOnTheProjectPageWithTheEditorLocked)
{
    EXPECT_EQ(w->SSTab2->currentIndex(), dv::frmDorvMain::ProjectPage);
    EXPECT_FALSE(w->SSTab2->isTabEnabled(dv::frmDorvMain::WallEditorPage));
    EXPECT_TRUE(w->SSTab2->isTabEnabled(dv::frmDorvMain::ProjectPage));
    EXPECT_EQ(w->SSTab2->tabText(0), QStringLiteral("Wall System Information"));
    EXPECT_EQ(w->SSTab2->tabText(1), QStringLiteral("Project Summary Information"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Dorvane Version 1.1.24"));
}

TEST_F(ProjectWindowTest, StartsWithProfileDefaultDefaultPricingMarkupAndNoComparison)
{
    EXPECT_EQ(w->cboCustomerProfile->text(), QStringLiteral("Default"));
    EXPECT_EQ(w->cboCustomerProfile->columnValue(0), QStringLiteral("1"));
    EXPECT_EQ(w->selectedProfileID(), 1);
    EXPECT_TRUE(w->optDefaultPricingProfile->isChecked());
    EXPECT_FALSE(w->optCustomerPricingProfile->isChecked());
    EXPECT_TRUE(w->defaultPricingSelected());
    EXPECT_TRUE(w->chkPricingMarkup->isChecked());
    EXPECT_EQ(w->pricingMarkupValue(), 1);
    EXPECT_EQ(w->comparisonRowCount(), 0);
    EXPECT_EQ(w->wallGridRowCount(), 0);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProjectWindowTest, ProfileListHoldsEveryProfileInTableOrder)
{
    exec(QStringLiteral("INSERT INTO Customer_ProfileID (ID, CustomerProfileName, Markup, DeliveryCharge) "
                        "VALUES (56, 'Zeta Builders', 10, 0)"));
    exec(QStringLiteral("INSERT INTO Customer_ProfileID (ID, CustomerProfileName, Markup, DeliveryCharge) "
                        "VALUES (57, 'Alder `s Homes', 5, 0)"));
    // A new window lists what the table holds now.
    w.reset();
    w = std::make_unique<TestWindow>();
    dv::setProjectView(w.get());

    const int expected = static_cast<int>(count(QStringLiteral("Customer_ProfileID")));
    ASSERT_EQ(w->cboCustomerProfile->rows(), expected);
    dv::Recordset rs = dv::DbConnection.query(QStringLiteral("SELECT ID, CustomerProfileName FROM Customer_ProfileID ORDER BY rowid"));
    for (int r = 0; !rs.eof(); ++r, rs.moveNext()) {
        EXPECT_EQ(w->cboCustomerProfile->rowValue(r, 0), rs.field(0).toText());
        EXPECT_EQ(w->cboCustomerProfile->rowValue(r, 1), rs.field(1).toText());
    }
    EXPECT_EQ(w->cboCustomerProfile->rowValue(expected - 2, 0), QStringLiteral("56"));
    EXPECT_EQ(w->cboCustomerProfile->rowValue(expected - 1, 0), QStringLiteral("57"));
    // Names are listed as stored.
    EXPECT_EQ(w->cboCustomerProfile->rowValue(expected - 1, 1), QStringLiteral("Alder `s Homes"));
    // Listing selects nothing: profile 1 stays chosen.
    EXPECT_EQ(w->selectedProfileID(), 1);
    EXPECT_EQ(w->cboCustomerProfile->text(), QStringLiteral("Default"));
}

TEST_F(ProjectWindowTest, MenusAndToolbarCarryTheirCommands)
{
    EXPECT_EQ(w->mnuFile->title(), QStringLiteral("&File"));
    EXPECT_EQ(w->subMnuOpen->text(), QStringLiteral("&Open"));
    EXPECT_EQ(w->subMnuSave->text(), QStringLiteral("&Save"));
    EXPECT_EQ(w->subMnuPrint->text(), QStringLiteral("&Print"));
    EXPECT_EQ(w->subMnuExit->text(), QStringLiteral("&Exit"));
    EXPECT_EQ(w->mnuTools->title(), QStringLiteral("&Tools"));
    EXPECT_EQ(w->subMnuManageCustomerProfile->text(), QStringLiteral("&Manage Customer Profiles"));

    const std::pair<int, const char*> tips[] = {{1, "New Project (Ctrl+N)"}, {2, "Open Project (Ctrl+O)"},
                                                {3, "Save Project (Ctrl+S)"}, {4, "Print Project Details (Ctrl+P)"},
                                                {6, "Calculate Results (F9)"}};
    for (const auto& [index, tip] : tips) {
        QAction* a = toolbarButton(index);
        ASSERT_NE(a, nullptr) << index;
        EXPECT_EQ(a->toolTip(), QString::fromLatin1(tip));
        EXPECT_FALSE(a->icon().isNull());
    }
    EXPECT_EQ(toolbarButton(5), nullptr);
    // The toolbar sits on the project page, out of sight with the editor.
    EXPECT_TRUE(w->fraProjectView->isAncestorOf(w->tbrMainToolbar));
}

TEST_F(ProjectWindowTest, ButtonIndexesOutsideTheCommandsDoNothing)
{
    addComparisonRow();
    for (int index : {0, 5, 7, -1})
        w->tbrMainToolbar_ButtonClick(index);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(w->dialogs.empty());
    EXPECT_EQ(w->comparisonRowCount(), 1);
}

// ---------------------------------------------------------------------------
// Pricing choice

TEST_F(ProjectWindowTest, TouchingThePricingChoiceEmptiesTheComparisonEvenWithoutAChange)
{
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));

    // On the box or the dot, not on the empty width beside the caption.
    const auto onButton = [](QWidget* button) { return QPoint(8, button->height() / 2); };
    addComparisonRow();
    QTest::mouseClick(w->optDefaultPricingProfile, Qt::LeftButton, {}, onButton(w->optDefaultPricingProfile));  // already set
    EXPECT_TRUE(w->optDefaultPricingProfile->isChecked());
    EXPECT_EQ(w->comparisonRowCount(), 0);

    addComparisonRow();
    QTest::mouseClick(w->optCustomerPricingProfile, Qt::LeftButton, {}, onButton(w->optCustomerPricingProfile));
    EXPECT_FALSE(w->defaultPricingSelected());
    EXPECT_EQ(w->comparisonRowCount(), 0);

    addComparisonRow();
    QTest::mouseClick(w->chkPricingMarkup, Qt::LeftButton, {}, onButton(w->chkPricingMarkup));
    EXPECT_EQ(w->pricingMarkupValue(), 0);
    EXPECT_EQ(w->comparisonRowCount(), 0);

    // Dropping the profile list down empties it, and so does a pick of the
    // profile already chosen.
    addComparisonRow();
    QTest::mousePress(w->cboCustomerProfile, Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_TRUE(w->cboCustomerProfile->droppedDown());
    EXPECT_EQ(w->comparisonRowCount(), 0);
    addComparisonRow();
    QAbstractItemView* list = w->cboCustomerProfile->view();
    list->setCurrentIndex(list->model()->index(0, 1));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(w->comparisonRowCount(), 0);
    EXPECT_EQ(w->cboCustomerProfile->text(), w->cboCustomerProfile->rowValue(0, 1));
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProjectWindowTest, APickedProfileIsWhatTheEngineReads)
{
    exec(QStringLiteral("INSERT INTO Customer_ProfileID (ID, CustomerProfileName, Markup, DeliveryCharge) "
                        "VALUES (23, 'Corran Build', 10, 0)"));
    w.reset();
    w = std::make_unique<TestWindow>();
    dv::setProjectView(w.get());
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    const int row = w->cboCustomerProfile->rows() - 1;
    w->cboCustomerProfile->setDroppedDown(true);
    QAbstractItemView* list = w->cboCustomerProfile->view();
    list->setCurrentIndex(list->model()->index(row, 1));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(w->selectedProfileID(), 23);
    EXPECT_EQ(w->selectedProfileName(), QStringLiteral("Corran Build"));
}

TEST_F(ProjectWindowTest, AProfileColumnThatIsNotANumberIsAnErrorNotProfileOne)
{
    w->cboCustomerProfile->setColumnValue(0, QStringLiteral("1 OR 1=1"));
    EXPECT_THROW(w->selectedProfileID(), dv::AppError);
}

TEST_F(ProjectWindowTest, TabFromTheMarkupBoxGoesRoundToTheWallSystemName)
{
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->chkPricingMarkup->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(w->chkPricingMarkup->hasFocus());
    QTest::keyClick(w->chkPricingMarkup, Qt::Key_Tab);
    EXPECT_TRUE(w->txtWallSystemName->hasFocus());
    QTest::keyClick(w->txtWallSystemName, Qt::Key_Tab);
    EXPECT_TRUE(w->cmdAddWallSystem->hasFocus());
    QTest::keyClick(w->cmdAddWallSystem, Qt::Key_Backtab);
    QTest::keyClick(w->txtWallSystemName, Qt::Key_Backtab);
    EXPECT_TRUE(w->chkPricingMarkup->hasFocus());
    // A click elsewhere keeps the focus where the user put it.
    QTest::mouseClick(w->txtProjectName, Qt::LeftButton);
    EXPECT_TRUE(w->txtProjectName->hasFocus());
}

// ---------------------------------------------------------------------------
// New

TEST_F(ProjectWindowTest, NewAnsweredNoChangesNothing)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    dv::RefreshWallSystemGrid();
    addComparisonRow();
    w->txtProjectName->setText(QStringLiteral("Lakeside"));
    w->txtBuilderName->setText(QStringLiteral("Hallam"));
    w->answers.push_back(MsgResult::No);

    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::NewButton);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, kNewQuestion);
    EXPECT_EQ(messages()[0].title, QStringLiteral("Confirm Delete"));
    EXPECT_EQ(messages()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(count(QStringLiteral("Project_Information")), 1);
    EXPECT_EQ(count(QStringLiteral("General_Information")), 1);
    EXPECT_EQ(w->wallGridRowCount(), 1);
    EXPECT_EQ(w->comparisonRowCount(), 1);
    EXPECT_EQ(w->projectName(), QStringLiteral("Lakeside"));
    EXPECT_EQ(w->builderName(), QStringLiteral("Hallam"));
}

TEST_F(ProjectWindowTest, NewAnsweredYesEmptiesTheProjectAndSelectsDefault)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    addEaveWall(2, QStringLiteral("Back"), 10, 30, 24);
    addOpening(1, 1, QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("1"));
    addColumn(2, 1, QStringLiteral("10"), QStringLiteral("1"));
    exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType) VALUES (1, 6, 'Stud')"));
    dv::RefreshWallSystemGrid();
    dv::CurrentWallID = 2;
    addComparisonRow();
    w->txtProjectName->setText(QStringLiteral("Lakeside"));
    w->txtBuilderName->setText(QStringLiteral("Hallam"));
    w->setSelectedProfile(7, QStringLiteral("Someone Else"));
    w->answers.push_back(MsgResult::Yes);

    QToolBar* bar = w->tbrMainToolbar;
    QAction* newButton = toolbarButton(dv::frmDorvMain::NewButton);
    ASSERT_NE(newButton, nullptr);
    emit bar->actionTriggered(newButton);

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, kNewQuestion);
    for (const char* table : {"Project_Information", "General_Information", "Column_Information", "Header_Information",
                              "Material_List"})
        EXPECT_EQ(count(QString::fromLatin1(table)), 0) << table;
    EXPECT_EQ(w->wallGridRowCount(), 0);
    EXPECT_EQ(w->comparisonRowCount(), 0);
    EXPECT_EQ(w->projectName(), QString());
    EXPECT_EQ(w->builderName(), QString());
    EXPECT_EQ(w->selectedProfileID(), 1);
    EXPECT_EQ(w->cboCustomerProfile->text(), QStringLiteral("Default"));
    EXPECT_EQ(dv::CurrentWallID, 1);
}

// ---------------------------------------------------------------------------
// Open and Save

TEST_F(ProjectWindowTest, OpenStartsEmptyInTheProjectsFolderAndACancelDoesNothing)
{
    w->chosenFiles.push_back(QString());
    w->subMnuOpen_Click();
    ASSERT_EQ(w->dialogs.size(), 1u);
    EXPECT_EQ(w->dialogs[0].mode, TestWindow::FileDialogMode::Open);
    // Beside the database in use, made when missing.
    EXPECT_EQ(w->dialogs[0].folder, dir.path() + QStringLiteral("/Projects"));
    EXPECT_TRUE(QFileInfo(dir.path() + QStringLiteral("/Projects")).isDir());
    EXPECT_EQ(w->dialogs[0].fileName, QString());
    EXPECT_TRUE(w->opened.isEmpty());
    EXPECT_TRUE(messages().empty());

    const QString file = dir.path() + QStringLiteral("/Lakeside.dvwp");
    w->chosenFiles.push_back(file);
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::OpenButton);
    ASSERT_EQ(w->dialogs.size(), 2u);
    EXPECT_EQ(w->dialogs[1].fileName, QString());
    EXPECT_EQ(w->opened, QStringList{file});
}

TEST_F(ProjectWindowTest, SaveFromTheToolbarRefusesAnEmptyProjectTheMenuDoesNot)
{
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::SaveButton);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("There is no information to save."));
    EXPECT_EQ(messages()[0].title, QStringLiteral("Information"));
    EXPECT_EQ(messages()[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(w->dialogs.empty());

    const QString file = dir.path() + QStringLiteral("/Empty.dvwp");
    w->chosenFiles.push_back(file);
    w->subMnuSave_Click();
    EXPECT_EQ(messages().size(), 1u);
    ASSERT_EQ(w->dialogs.size(), 1u);
    EXPECT_EQ(w->dialogs[0].mode, TestWindow::FileDialogMode::Save);
    EXPECT_EQ(w->dialogs[0].folder, dir.path() + QStringLiteral("/Projects/"));
    EXPECT_EQ(w->saved, QStringList{file});
}

TEST_F(ProjectWindowTest, SaveProposesTheNameLastChosenAndACancelWritesNothing)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    dv::RefreshWallSystemGrid();
    const QString first = dir.path() + QStringLiteral("/First.dvwp");
    w->chosenFiles.push_back(first);
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::SaveButton);
    EXPECT_EQ(w->saved, QStringList{first});

    w->chosenFiles.push_back(QString());
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::SaveButton);
    ASSERT_EQ(w->dialogs.size(), 2u);
    EXPECT_EQ(w->dialogs[1].fileName, first);
    EXPECT_EQ(w->saved, QStringList{first});
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProjectWindowTest, AFailingProjectFileRoutineIsShownWithItsNumber)
{
    // The window's own file routines, not the test's.
    class RealFiles : public TestWindow {
    protected:
        void openProjectFile(const QString& path) override { frmDorvMain::openProjectFile(path); }
    };
    w.reset();
    auto real = std::make_unique<RealFiles>();
    real->chosenFiles.push_back(dir.path() + QStringLiteral("/Missing.dvwp"));
    dv::setProjectView(real.get());
    real->subMnuOpen_Click();
    ASSERT_EQ(real->messages->size(), 1u);
    EXPECT_TRUE((*real->messages)[0].text.startsWith(QStringLiteral("Error ")));
    EXPECT_EQ((*real->messages)[0].title, dv::appTitle());
    w = std::move(real);
}

// ---------------------------------------------------------------------------
// Print

TEST_F(ProjectWindowTest, PrintBeforeACompareHasNothingToPrint)
{
    w->txtProjectName->setText(QStringLiteral("Lakeside"));
    w->txtBuilderName->setText(QStringLiteral("Hallam"));
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::PrintButton);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("There is no information to print."));
    EXPECT_EQ(messages()[0].title, QStringLiteral("Information"));
}

TEST_F(ProjectWindowTest, PrintWantsBothNames)
{
    addComparisonRow();
    w->txtBuilderName->setText(QStringLiteral("Hallam"));
    w->subMnuPrint_Click();
    w->txtProjectName->setText(QStringLiteral("Lakeside"));
    w->txtBuilderName->clear();
    w->PrintProject();
    ASSERT_EQ(messages().size(), 2u);
    for (const Message& m : messages()) {
        EXPECT_EQ(m.text, QStringLiteral("Please enter customer and project information prior to printing."));
        EXPECT_EQ(m.title, QStringLiteral("Missing Information"));
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
    }
}

TEST_F(ProjectWindowTest, PrintWithAComparisonAndBothNamesOpensTheReportOptions)
{
    for (int id = 1; id <= 3; ++id)
        addEaveWall(id, QStringLiteral("Wall %1").arg(id), 10, 30, 24);
    dv::RefreshWallSystemGrid();
    addComparisonRow();
    w->txtProjectName->setText(QStringLiteral("Lakeside"));
    w->txtBuilderName->setText(QStringLiteral("Hallam"));
    w->subMnuPrint_Click();
    EXPECT_TRUE(messages().empty());
    QWidget* options = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == dv::appTitle() + QStringLiteral(" [Print Options]"))
            options = top;
    ASSERT_NE(options, nullptr);
    EXPECT_FALSE(options->isModal());

    // Shown again it keeps its settings; closed, it starts afresh next time.
    auto* first = qobject_cast<dv::frmDorvPrintOptions*>(options);
    ASSERT_NE(first, nullptr);
    // A wall removed, Compare again: the project's walls, each with its ticks.
    first->setWidthTicked(2, 2, true);
    w->grdWallSystemInformation->selectRowAt(1);
    w->cmdRemoveWallSystem_Click();
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    ASSERT_EQ(first->wallRowCount(), 2);
    EXPECT_EQ(first->wallRowID(1), QStringLiteral("3"));
    EXPECT_TRUE(first->widthTicked(1, 2));
    // Wall 3 removed, Wall 1 copied as East and West, which take the free
    // numbers 2 and 3: both start unticked, Wall 1 keeps its tick.
    first->setWidthTicked(0, 0, true);
    w->grdWallSystemInformation->selectRowAt(1);
    w->cmdRemoveWallSystem_Click();
    for (const char* name : {"East", "West"}) {
        w->copyName = QLatin1String(name);
        w->grdWallSystemInformation->selectRowAt(0);
        w->cmdCopyWall_Click();
    }
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    ASSERT_EQ(first->wallRowCount(), 3);
    EXPECT_EQ(first->wallRowName(2) + first->wallRowID(2), QStringLiteral("West3"));
    for (int width = 0; width < 3; ++width)
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(first->widthTicked(row, width), row == 0 && width == 0) << row << " " << width;
    first->chkProjectQuote->setChecked(true);
    w->subMnuPrint_Click();
    EXPECT_TRUE(first->projectQuote());
    QPointer<QWidget> closed(first);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    w->subMnuPrint_Click();
    dv::frmDorvPrintOptions* second = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* o = qobject_cast<dv::frmDorvPrintOptions*>(top); o && o->isVisible())
            second = o;
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->projectQuote());
}

// ---------------------------------------------------------------------------
// Compare

TEST_F(ProjectWindowTest, CompareWithoutWallsOnlySaysSo)
{
    exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType) VALUES (4, 6, 'Stud')"));
    bool ran = false;
    w->duringCompare = [&] { ran = true; };
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("There is no information to compare."));
    EXPECT_EQ(messages()[0].title, QStringLiteral("Information"));
    EXPECT_FALSE(ran);
    EXPECT_EQ(w->pleaseWaitWindow(), nullptr);
    EXPECT_EQ(count(QStringLiteral("Material_List")), 1);
}

TEST_F(ProjectWindowTest, CompareShowsPleaseWaitOnScreenBeforeCalculatingAndClosesIt)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    dv::RefreshWallSystemGrid();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    bool shown = false, exposed = false;
    QString caption, label;
    w->duringCompare = [&] {
        dv::frmDorvPlzWait* plz = w->pleaseWaitWindow();
        shown = plz && plz->isVisible();
        exposed = plz && plz->windowHandle() && plz->windowHandle()->isExposed();
        if (plz) {
            caption = plz->windowTitle();
            label = plz->lblPlzWait->text();
        }
    };
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(exposed);
    EXPECT_EQ(caption, QStringLiteral("Please Wait..."));
    EXPECT_EQ(label, QStringLiteral("Please wait a moment while the information is processed."));
    EXPECT_EQ(w->pleaseWaitWindow(), nullptr);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProjectWindowTest, CompareEmptiesTheMaterialListAndZeroesTotalsOfEveryWallByItsID)
{
    // Walls 1 and 3 after wall 2 was removed: wall 3 is the grid's second
    // row, and its totals are reset as well. Wall 3 is not complete, so the
    // calculation leaves its totals alone.
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    exec(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (3, 'Porch')"));
    exec(QStringLiteral("UPDATE Project_Information SET \"6Studs\" = 5, \"8Headers\" = 6, \"10JambX\" = 7, "
                        "\"6Connectors\" = 8 WHERE ID = 3"));
    exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType) VALUES (9, 6, 'Stud')"));
    dv::RefreshWallSystemGrid();
    ASSERT_EQ(w->wallGridRowCount(), 2);
    ASSERT_EQ(w->wallGridCell(1, 2), QStringLiteral("No"));
    addComparisonRow(1);

    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("WallID = 9")), 0);
    for (const char* field : {"6Studs", "8Headers", "10JambX", "6Connectors"})
        EXPECT_EQ(scalar(QStringLiteral("SELECT \"%1\" FROM Project_Information WHERE ID = 3").arg(QLatin1String(field))).toDouble(),
                  0.0)
            << field;
    // Wall 3 is incomplete and so never in the comparison.
    for (int r = 0; r < w->comparisonRowCount(); ++r)
        EXPECT_NE(w->comparisonCell(r, 0), QStringLiteral("3"));
}

TEST_F(ProjectWindowTest, CompareWithTheRealEngineFillsTheComparison)
{
    // An eave wall with a column and an opening, and a gable wall: every
    // width prices, so each cell reads "$N.00/$M.00" and none is missing.
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    addColumn(1, 1, QStringLiteral("10"), QStringLiteral("2"));
    addOpening(1, 1, QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("1"));
    addGableWall(2, QStringLiteral("Side"), 10, 16, 24, 6, 12);
    dv::RefreshWallSystemGrid();
    ASSERT_EQ(w->wallGridCell(0, 2), QStringLiteral("Yes"));
    ASSERT_EQ(w->wallGridCell(1, 2), QStringLiteral("Yes"));

    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    ASSERT_TRUE(messages().empty()) << messages().front().text.toStdString();
    EXPECT_EQ(w->validationShown, 0);
    EXPECT_EQ(w->pleaseWaitWindow(), nullptr);
    ASSERT_EQ(w->comparisonRowCount(), 2);
    const QRegularExpression cell(QStringLiteral("^\\$[0-9,]+\\.00/\\$[0-9,]+\\.00$"));
    for (int r = 0; r < 2; ++r)
        for (int c = 2; c <= 4; ++c)
            EXPECT_TRUE(cell.match(w->comparisonCell(r, c)).hasMatch()) << r << c << w->comparisonCell(r, c).toStdString();
    EXPECT_GT(count(QStringLiteral("Material_List"), QStringLiteral("WallID = 2 AND MemberType = 'Stud'")), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Missing6 FROM Project_Information WHERE ID = 1")).toInt32(), -1);
}

TEST_F(ProjectWindowTest, ACompareErrorIsShownWithItsNumberAndPleaseWaitCloses)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    dv::RefreshWallSystemGrid();
    addComparisonRow();
    w->compareInstead = [] { throw dv::AppError(100, QStringLiteral("No Product Pricing Found")); };
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Error 100: No Product Pricing Found"));
    EXPECT_EQ(w->pleaseWaitWindow(), nullptr);
}

TEST_F(ProjectWindowTest, AnyOtherFailureIsShownAsAnErrorToo)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    dv::RefreshWallSystemGrid();
    w->compareInstead = [] { throw std::runtime_error("disk full"); };
    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Error 51: disk full"));
    EXPECT_EQ(w->pleaseWaitWindow(), nullptr);
}

TEST_F(ProjectWindowTest, AnErrorInsideTheCalculationRollsBackAndClosesPleaseWait)
{
    addEaveWall(1, QStringLiteral("Front"), 10, 30, 24);
    exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType) VALUES (1, 6, 'Stud')"));
    exec(QStringLiteral("UPDATE Project_Information SET \"6Studs\" = 5 WHERE ID = 1"));
    dv::RefreshWallSystemGrid();
    addComparisonRow();
    // The calculation reads the profile from the combo; this one is no ID.
    w->cboCustomerProfile->setColumnValue(0, QStringLiteral("x"));

    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Error 13: Type mismatch"));
    EXPECT_EQ(w->pleaseWaitWindow(), nullptr);
    EXPECT_EQ(w->comparisonRowCount(), 0);
    // Nothing of the failed run is kept.
    EXPECT_EQ(count(QStringLiteral("Material_List")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT \"6Studs\" FROM Project_Information WHERE ID = 1")).toDouble(), 5.0);
}

// ---------------------------------------------------------------------------
// Manage Customer Profiles

TEST_F(ProjectWindowTest, ManageCustomerProfilesSetsTheFlagAndShowsOneWindow)
{
    dv::PreferencesMode = 0;
    w->subMnuManageCustomerProfile_Click();
    EXPECT_EQ(dv::PreferencesMode, 1);
    auto findProfileWindows = [] {
        QList<QWidget*> found;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->windowTitle() == dv::appTitle() + QStringLiteral(" [Manage Customer Profiles]"))
                found << top;
        return found;
    };
    ASSERT_EQ(findProfileWindows().size(), 1);
    QWidget* first = findProfileWindows().first();
    EXPECT_FALSE(first->isModal());
    w->subMnuManageCustomerProfile_Click();
    ASSERT_EQ(findProfileWindows().size(), 1);
    EXPECT_EQ(findProfileWindows().first(), first);
    EXPECT_TRUE(messages().empty());
}

// ---------------------------------------------------------------------------
// Exposure help

TEST_F(ProjectWindowTest, ExposureHelpOpensOverTheProjectWindowAndOnTheScreen)
{
    const QRect free = w->screen()->availableGeometry();
    w->show();
    w->move(free.left(), free.bottom() - 120);
    w->cmdExposureHelp_Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w->exposureWindow()));
    const QRect help = w->exposureWindow()->frameGeometry();
    EXPECT_TRUE(free.contains(help)) << help.bottom() << " below " << free.bottom();
    EXPECT_TRUE(w->frameGeometry().contains(help.center()));  // over the window it helps
}

TEST_F(ProjectWindowTest, ExposureHelpPicksTheOptionOfTheClickedPictureAndCloses)
{
    // The wall editor's exposure options.
    QRadioButton* b = w->optExposureB;
    QRadioButton* c = w->optExposureC;
    QRadioButton* d = w->optExposureD;
    b->setChecked(true);

    w->cmdExposureHelp_Click();
    QPointer<dv::frmDorvExposure> help = w->exposureWindow();
    ASSERT_FALSE(help.isNull());
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Dorvane [Exposure Description]"));
    // Asking again brings the same window forward.
    w->cmdExposureHelp_Click();
    EXPECT_EQ(w->exposureWindow(), help.data());

    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.data()));
    QTest::mouseClick(help->Image2, Qt::LeftButton);
    EXPECT_TRUE(d->isChecked());
    EXPECT_FALSE(b->isChecked());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());

    w->cmdExposureHelp_Click();
    help = w->exposureWindow();
    ASSERT_FALSE(help.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.data()));
    QTest::mouseClick(help->Image1, Qt::LeftButton);
    EXPECT_TRUE(c->isChecked());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());
}

// ---------------------------------------------------------------------------
// Close

namespace {

// A window of another part of the program that still writes to the
// database as it closes.
class WritesWhenClosed : public QWidget {
public:
    bool databaseOpenAtClose = false;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        databaseOpenAtClose = dv::DbConnection.isOpen();
        if (databaseOpenAtClose)
            dv::DbConnection.execute(QStringLiteral("UPDATE Customer_ProfileID SET Markup = 12 WHERE ID = 1"));
        QWidget::closeEvent(e);
    }
};

}  // namespace

TEST_F(ProjectWindowTest, CloseAsksOnlyThePreferencesQuestionUnloadsEveryWindowAndClosesTheDatabaseLast)
{
    const bool quitOnLast = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);

    addEaveWall(1, QStringLiteral("Unsaved"), 10, 30, 24);
    dv::RefreshWallSystemGrid();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    w->cmdExposureHelp_Click();
    w->subMnuManageCustomerProfile_Click();
    QPointer<QWidget> exposure = w->exposureWindow();
    auto other = std::make_unique<WritesWhenClosed>();
    other->show();
    // The preferences window closes with its question while the database
    // is open; a Yes saves the profile it shows.
    exec(QStringLiteral("UPDATE Customer_Profiles SET ZoneDoorFactor = 3 WHERE CustomerProfileID = 1"));
    w->answers.push_back(MsgResult::Yes);

    auto messages = w->messages;
    w->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TestWindow> window = w.release();
    window->subMnuExit_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(exposure.isNull());
    ASSERT_EQ(messages->size(), 1u);
    EXPECT_EQ(messages->front().title, QStringLiteral("Confirm Close"));
    EXPECT_FALSE(dv::hasProjectView());
    EXPECT_FALSE(dv::DbConnection.isOpen());
    EXPECT_TRUE(other->databaseOpenAtClose);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible()) << top->metaObject()->className() << " " << top->windowTitle().toStdString();

    // The project stays in the working tables until the next start empties
    // them; the profile was saved.
    dv::OpenDatabase();
    EXPECT_EQ(count(QStringLiteral("Project_Information")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Markup FROM Customer_ProfileID WHERE ID = 1")).toDouble(), 12.0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT ZoneDoorFactor FROM Customer_Profiles WHERE CustomerProfileID = 1")).toDouble(), 0.0);
    QApplication::setQuitOnLastWindowClosed(quitOnLast);
}

// ---------------------------------------------------------------------------
// Fit on a laptop screen

TEST_F(ProjectWindowTest, FitsASmallLaptopScreen)
{
    // 1366 x 768 less the title bar and a desktop panel.
    const QSize room(1280, 700);
    for (int page : {dv::frmDorvMain::ProjectPage, dv::frmDorvMain::WallEditorPage}) {
        w->SSTab2->setCurrentIndex(page);
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        EXPECT_LE(least.width(), room.width()) << "page " << page;
        EXPECT_LE(least.height(), room.height()) << "page " << page;
    }
    // The windows it opens come up within the same room.
    dv::frmDorvPreferences preferences(w->cboCustomerProfile);
    dv::frmDorvPrintOptions options;
    for (const QWidget* other : {static_cast<QWidget*>(&dv::frmDorvPrintPreview::instance()),
                                 static_cast<QWidget*>(&preferences), static_cast<QWidget*>(&options)}) {
        EXPECT_LE(other->width(), room.width()) << other->metaObject()->className();
        EXPECT_LE(other->height(), room.height()) << other->metaObject()->className();
    }
    // There every page shows whole: the project page, and each page of the
    // wall editor for either wall type, with the zone wall box open.
    w->resize(room);
    w->show();
    auto showsWhole = [&](QWidget* view, const std::string& what) {
        QCoreApplication::processEvents();
        auto* area = qobject_cast<QScrollArea*>(w->SSTab2->currentWidget());
        ASSERT_NE(area, nullptr) << what;
        EXPECT_EQ(area->widget(), view) << what;
        EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << what;
        EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << what;
    };
    w->SSTab2->showOnlyPage(dv::frmDorvMain::ProjectPage);
    showsWhole(w->fraProjectView, "project");
    w->SSTab2->showOnlyPage(dv::frmDorvMain::WallEditorPage);
    w->chkZoneWall->setChecked(true);
    for (QRadioButton* type : {w->optEave, w->optGable}) {
        type->click();
        for (int tab : {dv::frmDorvMain::ColumnsPage, dv::frmDorvMain::RoughOpeningsPage,
                        dv::frmDorvMain::WallDataPage}) {
            w->SSTab1->setCurrentIndex(tab);
            showsWhole(w->fraWallEditor, type->objectName().toStdString() + " page " + std::to_string(tab));
        }
    }
}

TEST_F(ProjectWindowTest, ComparisonAmountsAreRightAlignedAndShownWhole)
{
    w->comparisonAddRow({QStringLiteral("12"), QStringLiteral("North elevation over the garage"),
                         QStringLiteral("$1234567.00/$12345.00*"), QStringLiteral("$1.00/$0.00"), QStringLiteral("$2.00/$0.00")});
    dv::DataGrid* g = w->grdComparisonInformation;
    const QFontMetrics fm(g->font());
    for (int c = 0; c < 5; ++c) {
        const int horizontal = g->item(0, c)->textAlignment() & Qt::AlignHorizontal_Mask;
        EXPECT_EQ(horizontal, c >= 2 ? int(Qt::AlignRight) : int(Qt::AlignLeft)) << c;
        EXPECT_GT(g->columnWidth(c), fm.horizontalAdvance(g->cellText(0, c))) << c;
    }
}

// Names that hold the characters of a list-row text

TEST_F(ProjectWindowTest, NamesWithRowMarksStayInTheirOwnColumn)
{
    const QStringList names = {QStringLiteral("Fake|~|Yes"), QStringLiteral("a|b"), QStringLiteral("x~y"),
                               QStringLiteral("p;q|~|")};
    for (int i = 0; i < names.size(); ++i)
        exec(QStringLiteral("INSERT INTO Customer_ProfileID (ID, CustomerProfileName, Markup, DeliveryCharge) "
                            "VALUES (%1, %2, 0, 0)").arg(60 + i).arg(dv::sqlQuote(names[i])));
    exec(QStringLiteral("UPDATE Products SET ProductName = 'Stud|~|Yes|~|9;x' WHERE ProductID IN "
                        "(SELECT ProductID FROM Products LIMIT 5)"));
    exec(QStringLiteral("INSERT INTO Exterior_Finish (FinishName, StudDeflectionLimit) VALUES ('Brick|~|Stone', 360)"));
    w.reset();
    w = std::make_unique<TestWindow>();
    dv::setProjectView(w.get());
    const int profiles = w->cboCustomerProfile->rows();
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(w->cboCustomerProfile->rowValue(profiles - names.size() + i, 0), QString::number(60 + i));
        EXPECT_EQ(w->cboCustomerProfile->rowValue(profiles - names.size() + i, 1), names[i]);
    }
    w->LoadExteriorFinishList();
    bool finishListed = false;
    for (int r = 0; r < w->cboExteriorFinish->rows(); ++r)
        finishListed |= w->cboExteriorFinish->rowValue(r, 0) == QStringLiteral("Brick|~|Stone");
    EXPECT_TRUE(finishListed);

    // An unsaved wall whose name ends in "|~|Yes" is still incomplete, and
    // Compare leaves it out; the complete wall's name is one cell.
    exec(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (1, %1)").arg(dv::sqlQuote(names[0])));
    addEaveWall(2, names[3], 10, 30, 24);
    dv::RefreshWallSystemGrid();
    ASSERT_EQ(w->wallGridRowCount(), 2);
    EXPECT_EQ(w->wallGridCell(0, 1), names[0]);
    EXPECT_EQ(w->wallGridCell(0, 2), QStringLiteral("No"));
    EXPECT_EQ(w->wallGridCell(1, 1), names[3]);
    EXPECT_EQ(w->wallGridCell(1, 2), QStringLiteral("Yes"));

    w->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
    ASSERT_TRUE(messages().empty()) << messages().front().text.toStdString();
    ASSERT_EQ(w->comparisonRowCount(), 1);
    EXPECT_EQ(w->comparisonCell(0, 0), QStringLiteral("2"));
    EXPECT_EQ(w->comparisonCell(0, 1), names[3]);
    const QRegularExpression cell(QStringLiteral("^\\$[0-9,]+\\.00/\\$[0-9,]+\\.00\\*?$"));
    for (int c = 2; c <= 4; ++c)
        EXPECT_TRUE(cell.match(w->comparisonCell(0, c)).hasMatch()) << w->comparisonCell(0, c).toStdString();
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("WallID = 1")), 0);
}

TEST_F(ProjectWindowTest, APastedNulCharacterIsRefusedInTheNameBoxes)
{
    w->show();
    QGuiApplication::clipboard()->setText(QStringLiteral("North") + QChar(0) + QStringLiteral(" wall"));
    for (QLineEdit* box : {w->txtWallSystemName, w->txtProjectName, w->txtBuilderName}) {
        box->setFocus();
        box->clear();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), QStringLiteral("North wall")) << box->objectName().toStdString();
        EXPECT_EQ(box->cursorPosition(), 10);
    }
}
