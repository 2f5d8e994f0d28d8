#pragma once
// The project window: the hub of the program. Its project page names the
// project and the customer, chooses the pricing profile and options, lists
// the wall systems and shows the priced comparison of the three wall widths;
// its other page holds the wall editor. It is the project view through
// which the core and the engine reach these controls.
#include "core/project_view.h"

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
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
class WallOpeningsEditor;
class frmDorvExposure;
class frmDorvPreferences;
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
    void wallGridAddRow(const QStringList& fields) override;
    int wallGridRowCount() const override;
    QString wallGridCell(int row, int column) const override;
    void setSelectedProfile(int profileID, const QString& name) override;
    int selectedProfileID() const override;
    QString selectedProfileName() const override;
    bool defaultPricingSelected() const override;
    int pricingMarkupValue() const override;
    void comparisonAddRow(const QStringList& fields) override;
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

    // ---- The wall editor (page 0) ----
    // Its inner pages: wall data, columns, rough openings.
    enum { WallDataPage = 0, ColumnsPage = 1, RoughOpeningsPage = 2 };
    TabControl* SSTab1 = nullptr;
    QWidget* fraWallPage = nullptr;
    QWidget* fraColumnsPage = nullptr;
    QWidget* fraRoughOpeningsPage = nullptr;
    // The wall open in the editor; 0 while none is.
    std::int16_t editedWallID() const { return editedWallID_; }
    // The columns and rough-openings pages.
    WallOpeningsEditor* openingsEditor = nullptr;

    // The wall picture and the member picture with their labels and guides.
    QWidget* fraPictures = nullptr;
    QLabel* imgMain = nullptr;
    QLabel* imgMember = nullptr;
    QLabel* lblPictureEaveHeight = nullptr;
    QLabel* lblPictureWallLength = nullptr;
    QLabel* lblPictureRidgeHeight = nullptr;
    QLabel* lblPictureSlope = nullptr;
    QLabel* lblDTFHLabel = nullptr;
    QLabel* lblTwelve = nullptr;
    QLabel* lblColumnHeight = nullptr;
    QLabel* lblROWidth = nullptr;
    QLabel* lblColumnIDLeft = nullptr;
    QLabel* lblColumnIDRight = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label11 = nullptr;
    QFrame* Line2 = nullptr;
    QFrame* Line4 = nullptr;
    QFrame* Line5 = nullptr;

    // Wall data.
    QRadioButton* optEave = nullptr;
    QRadioButton* optGable = nullptr;
    QLineEdit* txtEaveHeight = nullptr;
    QLineEdit* txtWallLength = nullptr;
    QLineEdit* txtRidgeHeight = nullptr;
    QLineEdit* txtRoofSlope = nullptr;
    QLineEdit* txtDTFH = nullptr;
    QLineEdit* txtRoofTrussSpan = nullptr;
    QLineEdit* txtCorners = nullptr;
    QLabel* lblRoofSlope = nullptr;
    QLabel* lblRidgeHeight = nullptr;
    QLabel* lblDTFH = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* lblRoofLoading = nullptr;
    QCheckBox* chkMonoSlope = nullptr;
    DataCombo* cboExteriorFinish = nullptr;
    DataCombo* cboRoofLoading = nullptr;
    QRadioButton* optExposureB = nullptr;
    QRadioButton* optExposureC = nullptr;
    QRadioButton* optExposureD = nullptr;
    QPushButton* cmdExposureHelp = nullptr;
    QCheckBox* chkZoneWall = nullptr;
    QGroupBox* fraZoneWall = nullptr;
    QLineEdit* txtZoneCorners = nullptr;
    QLineEdit* txtZoneJunctions = nullptr;
    QRadioButton* optCornerA = nullptr;
    QRadioButton* optCornerB = nullptr;
    QRadioButton* optJunctionA = nullptr;
    QRadioButton* optJunctionB = nullptr;
    QPushButton* cmdAddtoProject = nullptr;

    // Pictures and guides.
    void ClearPictureLabels();
    void ShowMemberGuides(const QString& kind);
    void SetTabOrder(const QString& section);
    // Reference lists.
    void LoadExteriorFinishList();
    // fromWall: select wallRoofLoadingID (the stored wall's), else the
    // selected profile's roof loading.
    void LoadRoofLoadingList(bool fromWall, int wallRoofLoadingID = 0);
    // Gives the boxes of the column and rough-opening pages their key
    // filters and focus-leave rules; boxes already served are left alone.
    void attachMemberPageInputs();

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

    // Wall list.
    void cmdAddWallSystem_Click();
    void grdWallSystemInformation_Click();
    void grdWallSystemInformation_DblClick();
    void cmdRemoveWallSystem_Click();
    void cmdCopyWall_Click();
    // Save of the wall open in the editor.
    void cmdAddtoProject_Click();
    // Wall type, pages and the zone-wall box.
    void optEave_Click();
    void optGable_Click();
    void SSTab1_Click(int previousPage);
    void SSTab2_Click(int previousPage);
    void chkZoneWall_Click();
    // Focus-leave rules of the dimension and number boxes.
    void txtEaveHeight_LostFocus();
    void txtWallLength_LostFocus();
    void txtRidgeHeight_LostFocus();
    void txtDTFH_LostFocus();
    void txtRoofTrussSpan_LostFocus();
    void txtRoofSlope_LostFocus();
    void txtCorners_LostFocus();
    void txtColumnHeight_LostFocus();
    void txtMaxColumnWidth_LostFocus();
    void txtROWidth_LostFocus();
    void txtAverageROHeight_LostFocus();

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
    // The copy dialog, modal: true when the user confirmed, with the new
    // name in newName. Tests replace it.
    virtual bool askCopyWall(const QString& existingWallName, QString& newName);
    // The preferences window, not yet loaded. Tests answer its questions.
    virtual frmDorvPreferences* createPreferencesWindow();
    // ProjectView
    void removeComparisonRows() override;

    void closeEvent(QCloseEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildProjectPage();
    void buildToolbar(QWidget* page);
    void connectHandlers();
    void guard(const std::function<void()>& handler);

    void Form_Load();
    void Form_QueryUnload();
    void LoadCustomerProfileList();

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
    void LoadSupportColumnLists();
    void buildOpeningsEditor();

    // Wall editor (frmDorvMain_editor.cpp, frmDorvMain_walls.cpp).
    void buildWallEditor();
    void connectEditorHandlers();
    void closeWallEditor();
    void saveWall();
    void openWall(int row);
    // A control of the editor by name, wherever it was built; null if none.
    QWidget* editorControl(const char* name) const;
    QLineEdit* editorBox(const char* name) const;
    void attachLengthBox(QLineEdit* box, void (frmDorvMain::*rule)());
    void attachNumberBox(QLineEdit* box, void (frmDorvMain::*rule)());
    void setRemoveCaption(const QString& caption);
    // The controls Tab walks on the page shown, in their order.
    std::vector<QWidget*> keyboardOrder() const;

    std::int16_t editedWallID_ = 0;
    bool tearingDown_ = false;
    int guardDepth_ = 0;
    std::vector<QPointer<QWidget>> tabChain_;
    QString fileDialogName_;
    QPointer<frmDorvPlzWait> plzWait_;
    QPointer<frmDorvExposure> exposure_;
    QPointer<QWidget> preferences_;
    QPointer<QWidget> printOptions_;
    bool closing_ = false;
};

}  // namespace dv
