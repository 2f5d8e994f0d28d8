#include "ui/project/frmDorvMain.h"
#include "ui/common/message_box.h"
#include "ui/project/wall_openings_editor.h"
#include "ui/profiles/frmDorvPreferences.h"
#include "core/project_files.h"
#include "core/app_state.h"
#include "core/data_location.h"
#include "core/project_reset.h"
#include "core/wall_list.h"
#include "engine/calculate.h"
#include "platform/numbers.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/focus_select.h"
#include "platform/widgets/key_filter.h"
#include "platform/widgets/on_screen.h"
#include "platform/widgets/tab_control.h"
#include "reports/frmDorvPrintOptions.h"
#include "reports/frmDorvValidationResults.h"
#include "ui/common/app_info.h"
#include "ui/project/frmDorvExposure.h"
#include "ui/project/frmDorvPlzWait.h"
#include "ui/common/guarded.h"
#include "ui/project/toolbar_icons.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace dv {

namespace {

const QString kNewQuestion = QStringLiteral(
    "This action will remove all wall system configuration information you have configured.  Would you like to proceed?");
const QString kNothingToSave = QStringLiteral("There is no information to save.");
const QString kNothingToCompare = QStringLiteral("There is no information to compare.");
const QString kNothingToPrint = QStringLiteral("There is no information to print.");
const QString kNamesMissing = QStringLiteral("Please enter customer and project information prior to printing.");
const QString kProjectFilter = QStringLiteral("Ostrel Dorvane Files (*.dvwp)");

QLabel* noteLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

QLabel* headingLabel(const QString& text, QWidget* parent)
{
    QLabel* label = noteLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

// A view that scrolls where the window is smaller than the view needs. The
// view is as large as the visible area, and never smaller than its least
// size at that width (wrapped texts take more lines on a narrow window).
class ViewScroller : public QScrollArea {
public:
    ViewScroller(QWidget* view, QWidget* parent) : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(false);
        setWidget(view);
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            fitView();
        return QScrollArea::eventFilter(watched, event);
    }
    bool viewportEvent(QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            fitView();
        return QScrollArea::viewportEvent(event);
    }

private:
    void fitView()
    {
        QWidget* view = widget();
        if (!view)
            return;
        const QLayout* layout = view->layout();
        const QSize least = layout ? layout->totalMinimumSize() : view->minimumSizeHint();
        const int width = std::max(viewport()->width(), least.width());
        int height = least.height();
        if (layout && layout->hasHeightForWidth())
            height = std::max(height, layout->totalMinimumHeightForWidth(width));
        const QSize size(width, std::max(viewport()->height(), height));
        if (view->size() != size)
            view->resize(size);
    }
};

}  // namespace

frmDorvMain::frmDorvMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmDorvMain"));
    SSTab2 = new TabControl(this);
    SSTab2->setObjectName(QStringLiteral("SSTab2"));

    // Each view scrolls where the window is smaller than the view needs, so
    // the window fits a small screen whatever the fonts.
    fraWallEditor = new QWidget;
    fraWallEditor->setObjectName(QStringLiteral("fraWallEditor"));
    new QVBoxLayout(fraWallEditor);
    SSTab2->addTab(new ViewScroller(fraWallEditor, SSTab2), QStringLiteral("Wall System Information"));

    fraProjectView = new QWidget;
    fraProjectView->setObjectName(QStringLiteral("fraProjectView"));
    SSTab2->addTab(new ViewScroller(fraProjectView, SSTab2), QStringLiteral("Project Summary Information"));

    buildProjectPage();
    buildWallEditor();
    buildOpeningsEditor();
    buildMenus();
    setCentralWidget(SSTab2);
    // As large as the views like, within the screen's free area (title bar
    // and frame allowed for).
    QSize size(1060, 780);
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() - QSize(16, 48));
    resize(size);
    connectHandlers();
    connectEditorHandlers();
    Form_Load();
}

frmDorvMain::~frmDorvMain()
{
    // The controls go after this body; what they signal while they go
    // (a page change, a box losing the focus) must not reach the window.
    tearingDown_ = true;
    // The preferences window has no owner; it goes with the program.
    if (preferences_)
        delete preferences_.data();
    for (QObject* sender : std::initializer_list<QObject*>{SSTab1, SSTab2, grdWallSystemInformation})
        if (sender)
            disconnect(sender, nullptr, this, nullptr);
    if (hasProjectView() && &projectView() == static_cast<ProjectView*>(this))
        setProjectView(nullptr);
}

frmDorvPlzWait* frmDorvMain::pleaseWaitWindow() const { return plzWait_; }
frmDorvExposure* frmDorvMain::exposureWindow() const { return exposure_; }

// ---------------------------------------------------------------------------
// Layout

void frmDorvMain::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    subMnuOpen = mnuFile->addAction(QStringLiteral("&Open"));
    subMnuSave = mnuFile->addAction(QStringLiteral("&Save"));
    subMnuPrint = mnuFile->addAction(QStringLiteral("&Print"));
    // The standard keys; the toolbar's tips name them too.
    subMnuOpen->setShortcut(QKeySequence::Open);
    subMnuSave->setShortcut(QKeySequence::Save);
    subMnuPrint->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator();
    subMnuExit = mnuFile->addAction(QStringLiteral("&Exit"));
    mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    subMnuManageCustomerProfile = mnuTools->addAction(QStringLiteral("&Manage Customer Profiles"));
}

void frmDorvMain::buildToolbar(QWidget* page)
{
    tbrMainToolbar = new QToolBar(page);
    tbrMainToolbar->setObjectName(QStringLiteral("tbrMainToolbar"));
    tbrMainToolbar->setIconSize(QSize(24, 24));
    tbrMainToolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbrMainToolbar->setFloatable(false);
    tbrMainToolbar->setMovable(false);
    // Every button has a key, named in its tip. Open, Save and Print take
    // theirs from the File menu, whose entries do the same; New and Compare,
    // which have no entry, own theirs (working while the toolbar is shown).
    const struct {
        int index;
        ToolbarPicture picture;
        const char* tip;
        QKeySequence key;
        bool ownKey;
    } buttons[] = {{NewButton, ToolbarPicture::New, "New Project", QKeySequence(QKeySequence::New), true},
                   {OpenButton, ToolbarPicture::Open, "Open Project", QKeySequence(QKeySequence::Open), false},
                   {SaveButton, ToolbarPicture::Save, "Save Project", QKeySequence(QKeySequence::Save), false},
                   {PrintButton, ToolbarPicture::Print, "Print Project Details", QKeySequence(QKeySequence::Print),
                    false},
                   {CompareButton, ToolbarPicture::Compare, "Calculate Results", QKeySequence(Qt::Key_F9), true}};
    for (const auto& b : buttons) {
        if (b.index == CompareButton)
            tbrMainToolbar->addSeparator();
        QAction* a = tbrMainToolbar->addAction(toolbarIcon(b.picture), QString::fromLatin1(b.tip));
        if (b.ownKey)
            a->setShortcut(b.key);
        a->setToolTip(toolTipWithKey(QString::fromLatin1(b.tip), b.key));
        a->setData(b.index);
    }
}

void frmDorvMain::buildProjectPage()
{
    QWidget* page = fraProjectView;
    buildToolbar(page);

    // Project and customer.
    auto* fraProject = new QGroupBox(QStringLiteral("Project and Builder Information"), page);
    txtProjectName = new QLineEdit(fraProject);
    txtProjectName->setObjectName(QStringLiteral("txtProjectName"));
    txtBuilderName = new QLineEdit(fraProject);
    txtBuilderName->setObjectName(QStringLiteral("txtBuilderName"));
    auto* projectForm = new QGridLayout(fraProject);
    projectForm->addWidget(new QLabel(QStringLiteral("Project Name"), fraProject), 0, 0);
    projectForm->addWidget(txtProjectName, 0, 1);
    projectForm->addWidget(new QLabel(QStringLiteral("Customer Name"), fraProject), 1, 0);
    projectForm->addWidget(txtBuilderName, 1, 1);
    projectForm->setColumnStretch(1, 1);

    // Pricing profile and options.
    auto* fraProfile = new QGroupBox(QStringLiteral("Customer Profile Information"), page);
    cboCustomerProfile = new DataCombo({QStringLiteral("ProfileID"), QStringLiteral("CustomerName")}, 1, fraProfile);
    cboCustomerProfile->setObjectName(QStringLiteral("cboCustomerProfile"));
    optDefaultPricingProfile =
        new QRadioButton(QStringLiteral("Use Customer Profile for options and use Default Profile for pricing."), fraProfile);
    optDefaultPricingProfile->setObjectName(QStringLiteral("optDefaultPricingProfile"));
    optCustomerPricingProfile = new QRadioButton(QStringLiteral("Use Customer Profile for both options and pricing."), fraProfile);
    optCustomerPricingProfile->setObjectName(QStringLiteral("optCustomerPricingProfile"));
    chkPricingMarkup = new QCheckBox(QStringLiteral("Apply Pricing Markup"), fraProfile);
    chkPricingMarkup->setObjectName(QStringLiteral("chkPricingMarkup"));
    auto* profileLayout = new QGridLayout(fraProfile);
    profileLayout->addWidget(new QLabel(QStringLiteral("Customer Profile"), fraProfile), 0, 0);
    profileLayout->addWidget(cboCustomerProfile, 0, 1);
    profileLayout->addWidget(optDefaultPricingProfile, 1, 0, 1, 2);
    profileLayout->addWidget(optCustomerPricingProfile, 2, 0, 1, 2);
    profileLayout->addWidget(chkPricingMarkup, 3, 0, 1, 2);
    profileLayout->setColumnStretch(1, 1);

    // The rules a wall must meet; information only.
    auto* criteria = new QWidget(page);
    auto* criteriaLayout = new QVBoxLayout(criteria);
    criteriaLayout->setContentsMargins(4, 4, 4, 4);
    criteriaLayout->addWidget(headingLabel(
        QStringLiteral("This tool can only be used for wall systems that meet the following criteria:"), criteria));
    for (const char* line : {"--Walls must have headers that stack vertically - no point loads on headers.",
                             "--A maximum wall height of 27' can be achieved if the wall is configured with: Stone or "
                             "Stucco exterior finish in Exposure C areas.",
                             "--A maximum wall height of 25' can be achieved if the wall is configured with: Stone, "
                             "Stucco, Brick, or EIFS exterior finish in Exposure D areas.",
                             "--Consult your local Ostrel technical team to consider walls with varying column and stud "
                             "depths."})
        criteriaLayout->addWidget(noteLabel(QString::fromLatin1(line), criteria));

    // Wall systems.
    auto* fraWallSystem = new QGroupBox(QStringLiteral("Wall System Information"), page);
    txtWallSystemName = new QLineEdit(fraWallSystem);
    txtWallSystemName->setObjectName(QStringLiteral("txtWallSystemName"));
    cmdAddWallSystem = new QPushButton(QStringLiteral("Add ->>"), fraWallSystem);
    cmdAddWallSystem->setObjectName(QStringLiteral("cmdAddWallSystem"));
    cmdRemoveWallSystem = new QPushButton(QStringLiteral("Remove"), fraWallSystem);
    cmdRemoveWallSystem->setObjectName(QStringLiteral("cmdRemoveWallSystem"));
    cmdCopyWall = new QPushButton(QStringLiteral("Copy ->>"), fraWallSystem);
    cmdCopyWall->setObjectName(QStringLiteral("cmdCopyWall"));
    grdWallSystemInformation = new DataGrid(
        {QStringLiteral("WallID"), QStringLiteral("Wall System Name"), QStringLiteral("Configured")}, fraWallSystem);
    grdWallSystemInformation->setObjectName(QStringLiteral("grdWallSystemInformation"));
    grdWallSystemInformation->setStretchColumn(1);
    auto* wallLayout = new QGridLayout(fraWallSystem);
    wallLayout->addWidget(new QLabel(QStringLiteral("Wall System Name"), fraWallSystem), 0, 0);
    wallLayout->addWidget(txtWallSystemName, 0, 1);
    wallLayout->addWidget(cmdAddWallSystem, 0, 2);
    wallLayout->addWidget(grdWallSystemInformation, 1, 0, 1, 2);
    auto* wallButtons = new QVBoxLayout;
    wallButtons->addWidget(cmdRemoveWallSystem);
    wallButtons->addWidget(cmdCopyWall);
    wallButtons->addStretch(1);
    wallLayout->addLayout(wallButtons, 1, 2);
    auto* hint = noteLabel(QStringLiteral("Double click in list to view wall system information"), fraWallSystem);
    QFont hintFont = hint->font();
    hintFont.setItalic(true);
    hint->setFont(hintFont);
    wallLayout->addWidget(hint, 2, 0, 1, 3);
    wallLayout->setColumnStretch(1, 1);
    wallLayout->setRowStretch(1, 1);

    // The comparison and its notes.
    grdComparisonInformation = new DataGrid({QStringLiteral("WallID"), QStringLiteral("Wall System Name"),
                                             QStringLiteral("2x6 Wall Total/Jamb Ext."),
                                             QStringLiteral("2x8 Wall Total/Jamb Ext."),
                                             QStringLiteral("2x10 Wall Total/Jamb Ext.")},
                                            page);
    grdComparisonInformation->setObjectName(QStringLiteral("grdComparisonInformation"));
    grdComparisonInformation->setStretchColumn(1);
    for (int c = 2; c <= 4; ++c)
        grdComparisonInformation->setColumnAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    auto* notes = new QWidget(page);
    auto* notesLayout = new QVBoxLayout(notes);
    notesLayout->setContentsMargins(4, 0, 4, 0);
    notesLayout->addWidget(headingLabel(QStringLiteral("General Notes:"), notes));
    notesLayout->addWidget(noteLabel(
        QStringLiteral("*In the summary grid above the 2x_ Wall Total does not include the jamb extension. For a total "
                       "wall price add the two numbers together."),
        notes));
    notesLayout->addWidget(noteLabel(
        QStringLiteral("*Subsequent Cripple Studs, Trimmer Studs, Header Plates, and Connectors may be missing from the "
                       "summary totals as applicable for each wall member listed above.  This is identified in the "
                       "comparison summary by an asterisk (*) character next to each affected wall system total."),
        notes));

    // Left: project, profile and the criteria; right: the wall systems;
    // below, across the page: the comparison and its notes.
    auto* left = new QVBoxLayout;
    left->addWidget(fraProject);
    left->addWidget(fraProfile);
    left->addWidget(criteria);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 0);
    top->addWidget(fraWallSystem, 1);
    // The left column is as wide as its widest line; the criteria wrap
    // within it and keep the height they need.
    const int leftWidth = std::max(440, fraProfile->sizeHint().width());
    fraProject->setFixedWidth(leftWidth);
    fraProfile->setFixedWidth(leftWidth);
    criteria->setFixedWidth(leftWidth);
    criteria->setMinimumHeight(criteriaLayout->totalHeightForWidth(leftWidth) + fontMetrics().height());
    // The comparison shows at least its captions and two walls.
    grdComparisonInformation->setMinimumHeight(grdComparisonInformation->horizontalHeader()->sizeHint().height()
                                               + 2 * grdComparisonInformation->verticalHeader()->defaultSectionSize()
                                               + 2 * grdComparisonInformation->frameWidth());
    grdWallSystemInformation->setMinimumHeight(140);

    auto* page_layout = new QVBoxLayout(page);
    page_layout->addWidget(tbrMainToolbar);
    page_layout->addLayout(top, 3);
    page_layout->addSpacing(4);
    page_layout->addWidget(grdComparisonInformation, 2);
    page_layout->addWidget(notes);

    for (QLineEdit* box : {txtProjectName, txtBuilderName, txtWallSystemName}) {
        selectAllOnFocus(box);
        refuseNulCharacters(box);
    }
    // The grids are reached by mouse; the keyboard goes round the boxes and
    // buttons of the page.
    grdWallSystemInformation->setFocusPolicy(Qt::ClickFocus);
    grdComparisonInformation->setFocusPolicy(Qt::ClickFocus);
    SSTab2->tabBar()->setFocusPolicy(Qt::NoFocus);
}

void frmDorvMain::connectHandlers()
{
    connect(tbrMainToolbar, &QToolBar::actionTriggered, this,
            [this](QAction* a) { tbrMainToolbar_ButtonClick(a->data().toInt()); });
    connect(subMnuOpen, &QAction::triggered, this, &frmDorvMain::subMnuOpen_Click);
    connect(subMnuSave, &QAction::triggered, this, &frmDorvMain::subMnuSave_Click);
    connect(subMnuPrint, &QAction::triggered, this, &frmDorvMain::subMnuPrint_Click);
    connect(subMnuExit, &QAction::triggered, this, &frmDorvMain::subMnuExit_Click);
    connect(subMnuManageCustomerProfile, &QAction::triggered, this, &frmDorvMain::subMnuManageCustomerProfile_Click);
    connect(cboCustomerProfile, &DataCombo::dropDown, this, &frmDorvMain::cboCustomerProfile_DropDown);
    connect(cboCustomerProfile, &DataCombo::picked, this, &frmDorvMain::cboCustomerProfile_Click);
    connect(optDefaultPricingProfile, &QRadioButton::clicked, this, &frmDorvMain::optDefaultPricingProfile_Click);
    connect(optCustomerPricingProfile, &QRadioButton::clicked, this, &frmDorvMain::optCustomerPricingProfile_Click);
    connect(chkPricingMarkup, &QCheckBox::clicked, this, &frmDorvMain::chkPricingMarkup_Click);
}

void frmDorvMain::guard(const std::function<void()>& handler)
{
    // A handler called by another handler lets its error travel on, so that
    // the outer one stops where it stands and the error is shown once.
    if (guardDepth_ > 0) {
        handler();
        return;
    }
    ++guardDepth_;
    runGuarded(this, handler, this);
    --guardDepth_;
}

// ---------------------------------------------------------------------------
// Load and close

void frmDorvMain::Form_Load()
{
    SSTab2->showOnlyPage(ProjectPage);
    SetTabOrder(QStringLiteral("ProjectTab"));
    setWindowTitle(appTitle() + QStringLiteral(" Version ") + appVersionText());
    LoadCustomerProfileList();
    setSelectedProfile(1, QStringLiteral("Default"));
    comparisonClear();
    optDefaultPricingProfile->setChecked(true);
    chkPricingMarkup->setChecked(true);
    txtWallSystemName->setFocus();
}

void frmDorvMain::LoadCustomerProfileList()
{
    cboCustomerProfile->removeAll();
    const QString SqlText = QStringLiteral("SELECT * FROM Customer_ProfileID ORDER BY rowid");
    Recordset rs = DbConnection.query(SqlText);
    while (!rs.eof()) {
        cboCustomerProfile->addRowFields(
            {rs.field(QStringLiteral("ID")).toText(), rs.field(QStringLiteral("CustomerProfileName")).toText()});
        rs.moveNext();
    }
}

bool frmDorvMain::focusNextPrevChild(bool next)
{
    // The keyboard order of the page shown goes round, passing over the
    // lists in it: Tab leaves a list for the control after it. From a
    // control of the page outside the order (a list reached by mouse) Tab
    // enters it at its start and Shift+Tab at its end.
    const std::vector<QWidget*> order = keyboardOrder();
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    auto stop = [&](std::ptrdiff_t from) -> QWidget* {
        for (std::ptrdiff_t k = 0, i = from; k < n; ++k, i = (i + (next ? 1 : -1) + n) % n)
            if (!qobject_cast<QAbstractItemView*>(order[static_cast<std::size_t>(i)]))
                return order[static_cast<std::size_t>(i)];
        return nullptr;
    };
    QWidget* f = focusWidget();
    const auto at = std::find(order.begin(), order.end(), f);
    QWidget* w = nullptr;
    if (at != order.end())
        w = stop(((at - order.begin()) + (next ? 1 : -1) + n) % n);
    else if (n > 0 && f && SSTab2->currentWidget() && SSTab2->currentWidget()->isAncestorOf(f))
        w = stop(next ? 0 : n - 1);
    if (!w)
        return QMainWindow::focusNextPrevChild(next);
    w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(p)) {
            area->ensureWidgetVisible(w);
            break;
        }
    return true;
}

void frmDorvMain::closeEvent(QCloseEvent* e)
{
    // Nothing is asked and nothing is saved; the close always goes ahead.
    if (!closing_) {
        closing_ = true;
        guard([this] { Form_QueryUnload(); });
    }
    e->accept();
}

void frmDorvMain::Form_QueryUnload()
{
    // Every other window closes first, while the database is still open,
    // so that whatever a window does as it closes can still reach it.
    if (plzWait_)
        delete plzWait_.data();
    QList<QPointer<QWidget>> others;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            others << w;
    for (const QPointer<QWidget>& w : others)
        if (w)
            w->close();
    if (exposure_)
        delete exposure_.data();
    if (preferences_)
        delete preferences_.data();
    if (printOptions_)
        delete printOptions_.data();
    QApplication::processEvents();
    DbConnection.close();
}

// ---------------------------------------------------------------------------
// Commands

void frmDorvMain::tbrMainToolbar_ButtonClick(int index)
{
    guard([&] {
        switch (index) {
        case NewButton: NewProject(); break;
        case OpenButton: OpenProject(); break;
        case SaveButton: SaveProject(true); break;
        case PrintButton: PrintProject(); break;
        case CompareButton: CompareProject(); break;
        default: break;
        }
    });
}

void frmDorvMain::subMnuOpen_Click() { guard([this] { OpenProject(); }); }
void frmDorvMain::subMnuSave_Click() { guard([this] { SaveProject(false); }); }
void frmDorvMain::subMnuPrint_Click() { guard([this] { PrintProject(); }); }
void frmDorvMain::subMnuExit_Click() { guard([this] { close(); }); }
void frmDorvMain::subMnuManageCustomerProfile_Click() { guard([this] { ManageCustomerProfiles(); }); }

void frmDorvMain::NewProject()
{
    if (messageBox(kNewQuestion, QStringLiteral("Confirm Delete"), MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return;
    ResetProjectTables();
    closeWallEditor();
    RefreshColumnGrid();
    RefreshRoughOpeningGrid();
    RefreshWallSystemGrid();
    comparisonClear();
    txtProjectName->clear();
    txtBuilderName->clear();
}

void frmDorvMain::OpenProject()
{
    fileDialogName_.clear();
    fileDialogName_ = chooseProjectFile(FileDialogMode::Open, ProjectsFolder(), fileDialogName_);
    if (fileDialogName_.isEmpty())
        return;
    openProjectFile(fileDialogName_);
    // The wall in the editor belonged to the project just replaced.
    closeWallEditor();
}

void frmDorvMain::SaveProject(bool fromToolbar)
{
    if (fromToolbar && wallGridRowCount() == 0) {
        messageBox(kNothingToSave, QStringLiteral("Information"), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    // The dialog proposes the name last chosen in it.
    fileDialogName_ = chooseProjectFile(FileDialogMode::Save, ProjectsFolder() + QLatin1Char('/'), fileDialogName_);
    if (fileDialogName_.isEmpty())
        return;
    saveProjectFile(fileDialogName_);
}

void frmDorvMain::PrintProject()
{
    guard([this] {
        if (comparisonRowCount() == 0) {
            messageBox(kNothingToPrint, QStringLiteral("Information"), MsgButtons::Ok, MsgIcon::Information);
            return;
        }
        if (txtBuilderName->text().isEmpty() || txtProjectName->text().isEmpty()) {
            messageBox(kNamesMissing, QStringLiteral("Missing Information"), MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
        showPrintOptionsWindow();
    });
}

void frmDorvMain::CompareProject()
{
    if (wallGridRowCount() == 0) {
        messageBox(kNothingToCompare, QStringLiteral("Information"), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    // The old comparison is gone before the please-wait window is drawn,
    // not left on screen behind it for the whole calculation.
    comparisonClear();
    showPleaseWait();
    // The calculation closes the window when it ends; it must not stay open
    // whatever way the calculation ends.
    try {
        runCompare();
    } catch (...) {
        closePleaseWait();
        throw;
    }
    closePleaseWait();
    // The keys go on to the project window, whichever window the system
    // activates when the please-wait window closes.
    activateWindow();
}

void frmDorvMain::runCompare() { RunCompare(); }

void frmDorvMain::ManageCustomerProfiles()
{
    PreferencesMode = 1;
    showPreferencesWindow();
}

void frmDorvMain::showPleaseWait()
{
    if (!plzWait_)
        plzWait_ = new frmDorvPlzWait(this);
    plzWait_->showAndPaint();
}

QString frmDorvMain::chooseProjectFile(FileDialogMode mode, const QString& folder, const QString& fileName)
{
    const bool open = mode == FileDialogMode::Open;
    QFileDialog dialog(this, open ? QStringLiteral("Open Project") : QStringLiteral("Save Project"), folder, kProjectFilter);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("dvwp"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

void frmDorvMain::openProjectFile(const QString& path) { OpenProjectFile(path); }

void frmDorvMain::saveProjectFile(const QString& path) { SaveProjectFile(path); }

// The preferences window is modeless and has no owner. There is one; asking
// again brings it forward, and it loads only when it is created.
frmDorvPreferences* frmDorvMain::createPreferencesWindow() { return new frmDorvPreferences(cboCustomerProfile); }

void frmDorvMain::showPreferencesWindow()
{
    if (!preferences_) {
        frmDorvPreferences* window = createPreferencesWindow();
        preferences_ = window;
        window->Form_Load();
    }
    // show() alone leaves a minimized window minimized.
    preferences_->setWindowState((preferences_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    preferences_->show();
    preferences_->raise();
    preferences_->activateWindow();
}

// The report options window keeps its settings while it is open; closing it
// discards them, and the next showing loads the defaults afresh.
void frmDorvMain::showPrintOptionsWindow()
{
    if (!printOptions_) {
        printOptions_ = new frmDorvPrintOptions(this);
        printOptions_->setAttribute(Qt::WA_DeleteOnClose);
    }
    printOptions_->show();
    printOptions_->raise();
    printOptions_->activateWindow();
}

// The columns and rough-openings pages of the wall editor.
void frmDorvMain::buildOpeningsEditor()
{
    WallOpeningsEditor::WallSide side;
    side.wallID = [this] { return editedWallID_ ? QString::number(editedWallID_) : QString(); };
    side.txtWallLength = txtWallLength;
    side.txtEaveHeight = txtEaveHeight;
    side.optEave = optEave;
    side.lblColumnHeight = lblColumnHeight;
    side.lblROWidth = lblROWidth;
    side.view = this;
    // The window gives the boxes their key filters and focus-leave rules,
    // and Return its Add button.
    side.inputRules = false;
    openingsEditor = new WallOpeningsEditor(fraColumnsPage, fraRoughOpeningsPage, side, this);
    attachMemberPageInputs();
}

void frmDorvMain::RefreshColumnGrid() { openingsEditor->RefreshColumnGrid(); }
void frmDorvMain::RefreshRoughOpeningGrid() { openingsEditor->RefreshRoughOpeningGrid(); }
void frmDorvMain::LoadSupportColumnLists() { openingsEditor->LoadSupportColumnLists(); }

// ---------------------------------------------------------------------------
// Pricing choice: any touch makes the comparison stale.

void frmDorvMain::cboCustomerProfile_DropDown() { guard([this] { comparisonClear(); }); }
void frmDorvMain::cboCustomerProfile_Click() { guard([this] { comparisonClear(); }); }
void frmDorvMain::optDefaultPricingProfile_Click() { guard([this] { comparisonClear(); }); }
void frmDorvMain::optCustomerPricingProfile_Click() { guard([this] { comparisonClear(); }); }
void frmDorvMain::chkPricingMarkup_Click() { guard([this] { comparisonClear(); }); }

// ---------------------------------------------------------------------------
// Exposure help

void frmDorvMain::cmdExposureHelp_Click()
{
    guard([this] {
        if (!exposure_) {
            exposure_ = new frmDorvExposure(this);
            connect(exposure_, &frmDorvExposure::exposurePicked, this, &frmDorvMain::selectExposure);
            // Centred over the project window, and on the screen however
            // low the project window stands.
            exposure_->adjustSize();
            exposure_->move(frameGeometry().center() - exposure_->rect().center());
            keepOnScreen(exposure_);
        }
        exposure_->show();
        keepOnScreen(exposure_);  // now with its frame, where the window system tells it
        exposure_->raise();
        exposure_->activateWindow();
    });
}

void frmDorvMain::selectExposure(QChar exposure)
{
    if (exposure == QLatin1Char('B'))
        optExposureB->setChecked(true);
    else if (exposure == QLatin1Char('C'))
        optExposureC->setChecked(true);
    else if (exposure == QLatin1Char('D'))
        optExposureD->setChecked(true);
}

// ---------------------------------------------------------------------------
// ProjectView

void frmDorvMain::wallGridClear() { grdWallSystemInformation->removeAll(); }
void frmDorvMain::wallGridAddRow(const QStringList& fields) { grdWallSystemInformation->addRowFields(fields); }
int frmDorvMain::wallGridRowCount() const { return grdWallSystemInformation->rows(); }
QString frmDorvMain::wallGridCell(int row, int column) const { return grdWallSystemInformation->cellText(row, column); }

void frmDorvMain::setSelectedProfile(int profileID, const QString& name)
{
    cboCustomerProfile->setColumnValue(0, QString::number(profileID));
    cboCustomerProfile->setColumnValue(1, name);
    cboCustomerProfile->setText(name);
}

int frmDorvMain::selectedProfileID() const
{
    double id = 0;
    const QString text = cboCustomerProfile->columnValue(0);
    if (!parseStrictNumber(text, &id) || id != static_cast<double>(static_cast<long long>(id)))
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    return toInt32(id);
}

QString frmDorvMain::selectedProfileName() const { return cboCustomerProfile->text(); }
bool frmDorvMain::defaultPricingSelected() const { return optDefaultPricingProfile->isChecked(); }
int frmDorvMain::pricingMarkupValue() const { return chkPricingMarkup->isChecked() ? 1 : 0; }
void frmDorvMain::removeComparisonRows() { grdComparisonInformation->removeAll(); }
void frmDorvMain::comparisonAddRow(const QStringList& fields) { grdComparisonInformation->addRowFields(fields); }
int frmDorvMain::comparisonRowCount() const { return grdComparisonInformation->rows(); }
QString frmDorvMain::comparisonCell(int row, int column) const { return grdComparisonInformation->cellText(row, column); }
QString frmDorvMain::projectName() const { return txtProjectName->text(); }
void frmDorvMain::setProjectName(const QString& s) { txtProjectName->setText(s); }
QString frmDorvMain::builderName() const { return txtBuilderName->text(); }
void frmDorvMain::setBuilderName(const QString& s) { txtBuilderName->setText(s); }

MsgResult frmDorvMain::messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    return execMessageBox(this, text, title, buttons, icon);
}

void frmDorvMain::closePleaseWait()
{
    if (plzWait_)
        delete plzWait_.data();
}

// Modal: the calculation goes on when the user closes it.
void frmDorvMain::showValidationResults()
{
    frmDorvValidationResults results(this);
    results.showModal();
}

}  // namespace dv
