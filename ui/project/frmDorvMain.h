#pragma once
// The project window: the hub of the program. Its project page names the
// project and the customer, chooses the pricing profile and options, lists
// the wall systems and shows the priced comparison of the three wall widths;
// its other page holds the wall editor. It is the project view through
// which the core and the engine reach these controls.
#include "core/project_view.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolBar;
class QVBoxLayout;

namespace dv {

class DataCombo;
class DataGrid;
class TabControl;
class frmDorvExposure;
class frmDorvPlzWait;

class frmDorvMain : public QMainWindow, public ProjectView {
    Q_OBJECT
public:
    // Pages of SSTab2.
    enum { WallEditorPage = 0, ProjectPage = 1 };
    // Buttons of the toolbar, by their 1-based index (5 is a separator).
    enum { NewButton = 1, OpenButton = 2, SaveButton = 3, PrintButton = 4, CompareButton = 6 };

    explicit frmDorvMain(QWidget* parent = nullptr);
    ~frmDorvMain() override;

    // ProjectView
    void wallGridClear() override;
    void wallGridAddRow(const QString& rowText) override;
    int wallGridRowCount() const override;
    QString wallGridCell(int row, int column) const override;
    void setSelectedProfile(int profileID, const QString& name) override;
    int selectedProfileID() const override;
    QString selectedProfileName() const override;
    bool defaultPricingSelected() const override;
    int pricingMarkupValue() const override;
    void comparisonClear() override;
    void comparisonAddRow(const QString& rowText) override;
    int comparisonRowCount() const override;
    QString comparisonCell(int row, int column) const override;
    QString projectName() const override;
    void setProjectName(const QString& s) override;
    QString builderName() const override;
    void setBuilderName(const QString& s) override;
    MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                         MsgIcon icon = MsgIcon::None) override;
    void closePleaseWait() override;
    void showValidationResults() override;

    // The two views.
    TabControl* SSTab2 = nullptr;
    // Page 0: the wall editor is built into this frame.
    QWidget* fraWallEditor = nullptr;
    QWidget* fraProjectView = nullptr;

    // Project page.
    QToolBar* tbrMainToolbar = nullptr;
    QLineEdit* txtProjectName = nullptr;
    QLineEdit* txtBuilderName = nullptr;
    DataCombo* cboCustomerProfile = nullptr;
    QRadioButton* optDefaultPricingProfile = nullptr;
    QRadioButton* optCustomerPricingProfile = nullptr;
    QCheckBox* chkPricingMarkup = nullptr;
    QLineEdit* txtWallSystemName = nullptr;
    QPushButton* cmdAddWallSystem = nullptr;
    QPushButton* cmdRemoveWallSystem = nullptr;
    QPushButton* cmdCopyWall = nullptr;
    DataGrid* grdWallSystemInformation = nullptr;
    DataGrid* grdComparisonInformation = nullptr;

    // Menus.
    QMenu* mnuFile = nullptr;
    QAction* subMnuOpen = nullptr;
    QAction* subMnuSave = nullptr;
    QAction* subMnuPrint = nullptr;
    QAction* subMnuExit = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* subMnuManageCustomerProfile = nullptr;

    // The small windows while they are open (null otherwise).
    frmDorvPlzWait* pleaseWaitWindow() const;
    frmDorvExposure* exposureWindow() const;

    // Every handler below catches its own errors and shows them.
public slots:
    void tbrMainToolbar_ButtonClick(int index);
    void subMnuOpen_Click();
    void subMnuSave_Click();
    void subMnuPrint_Click();
    void subMnuExit_Click();
    void subMnuManageCustomerProfile_Click();
    void PrintProject();

    // Each of these only empties the comparison, which is stale once the
    // pricing choice has been touched.
    void cboCustomerProfile_DropDown();
    void cboCustomerProfile_Click();
    void optDefaultPricingProfile_Click();
    void optCustomerPricingProfile_Click();
    void chkPricingMarkup_Click();

    // Shows the exposure help, or brings it forward when it is open.
    void cmdExposureHelp_Click();

protected:
    enum class FileDialogMode { Open, Save };
    // The project file dialog: the chosen full file name, empty when the
    // user cancelled. The window keeps the last chosen name for the next
    // save. Tests replace it.
    virtual QString chooseProjectFile(FileDialogMode mode, const QString& folder, const QString& fileName);
    // The calculation with its comparison, in one transaction.
    virtual void runCompare();
    // Reading and writing project files.
    virtual void openProjectFile(const QString& path);
    virtual void saveProjectFile(const QString& path);

    void closeEvent(QCloseEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildMenus();
    void buildProjectPage();
    void buildToolbar(QWidget* page);
    void connectHandlers();
    void guard(const std::function<void()>& handler);

    void Form_Load();
    void Form_QueryUnload();
    void LoadCustomerProfileList();
    void SetTabOrder(const QString& section);

    void NewProject();
    void OpenProject();
    void SaveProject(bool fromToolbar);
    void CompareProject();
    void ManageCustomerProfiles();
    void showPleaseWait();
    void showPreferencesWindow();
    void showPrintOptionsWindow();
    void selectExposure(QChar exposure);

    // The column and rough-opening lists of the wall editor.
    void RefreshColumnGrid();
    void RefreshRoughOpeningGrid();

    QString fileDialogName_;
    QPointer<frmDorvPlzWait> plzWait_;
    QPointer<frmDorvExposure> exposure_;
    QPointer<QWidget> preferences_;
    QPointer<QWidget> printOptions_;
    bool closing_ = false;
};

}  // namespace dv
