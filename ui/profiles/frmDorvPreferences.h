#pragma once
// The preferences window: the customer pricing profiles. For the profile
// chosen at its top it shows and edits the optional members with their
// products, the stud spacings, the wind speed, the roof-loading default
// with its loads, the jamb-extension method with the builder's labour and
// the window manufacturer with its material costs, and on a tab of its own
// the price and stock of every product.
//
// The window is modeless and loads once per creation (Form_Load, called by
// whoever creates it); it closes with a question whether to save.
#include "core/project_view.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dv {

class DataCombo;
class DataGrid;
class TabControl;

class frmDorvPreferences : public QWidget {
    Q_OBJECT
public:
    enum { ComponentPage = 0, GeneralPage = 1, ProductPage = 2, JambPage = 3 };

    // projectProfileList: the project window's profile combo, refilled with
    // this window's list; may be null.
    explicit frmDorvPreferences(DataCombo* projectProfileList = nullptr, QWidget* parent = nullptr);
    ~frmDorvPreferences() override;

    // The loading: lists, profile "Default" and its values. Errors are shown.
    void Form_Load();

    // Moving one profile between the database and the controls.
    void LoadProfileSettings();
    void SaveProfileSettings(std::int16_t profileId);
    void FillCustomerProfileLists();
    // The member product lists and the wind speeds.
    void FillProductLists();
    // The roof loadings with the shown profile's selected; the makers.
    void LoadRoofLoadingList();
    void FillWindowManufacturerList();
    // Asks to save edited material costs of the maker shown. False when the
    // user said Yes and the costs were refused (the refusal already shown):
    // the caller then keeps the typed costs in their boxes.
    bool SaveWindowManufacturerMaterials();

    // The profile whose values the controls show (0 before any load).
    std::int16_t shownProfileID() const { return shownProfileID_; }
    // A write changed what a calculation reads for this profile: the
    // project window's comparison is emptied when it was priced with it.
    void profileDataChanged(std::int16_t profileID);

    // Window state.
    std::int16_t PreviousProfileID = 1;
    std::int16_t RoofLoadingChanged = 0;
    bool MaterialsChanged = false;
    std::int16_t CurrentMfrID = 0;

    // Above the tabs.
    QLabel* lblCustomerProfile = nullptr;
    DataCombo* cboCustomerProfile = nullptr;
    QPushButton* cmdProfileManager = nullptr;
    QPushButton* cmdSaveProfile = nullptr;
    QLabel* Image1 = nullptr;
    TabControl* SSTab1 = nullptr;

    // Component Options.
    QGroupBox* Frame1 = nullptr;
    QCheckBox* chkCripples = nullptr;
    QCheckBox* chkBlocking = nullptr;
    QCheckBox* chkPlates = nullptr;
    QCheckBox* chkTrimmers = nullptr;
    QCheckBox* chkSheathing = nullptr;
    DataCombo* cboCrippleProducts = nullptr;
    DataCombo* cboBlockingProducts = nullptr;
    DataCombo* cboPlateProducts = nullptr;
    DataCombo* cboTrimmerProducts = nullptr;
    DataCombo* cboSheathingProducts = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label17 = nullptr;

    // General Options.
    QGroupBox* Frame2 = nullptr;
    QLabel* Label16 = nullptr;
    DataCombo* cboRoofLoading = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtRoofLL = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtRoofDL = nullptr;
    QGroupBox* fraStudSpacing = nullptr;
    QCheckBox* chkSelectAll = nullptr;
    QCheckBox* chk12oc = nullptr;
    QCheckBox* chk16oc = nullptr;
    QCheckBox* chk24oc = nullptr;
    QGroupBox* fraZoneWallOptions = nullptr;
    QLineEdit* txtCornerFactor = nullptr;
    QLineEdit* txtJunctionFactor = nullptr;
    QLineEdit* txtWindowFactor = nullptr;
    QLineEdit* txtDoorFactor = nullptr;
    QGroupBox* Frame4 = nullptr;
    DataCombo* cboWindSpeed = nullptr;

    // Product Options.
    QGroupBox* Frame3 = nullptr;
    DataGrid* grdProducts = nullptr;
    QLabel* Label5 = nullptr;

    // Window Jamb Options.
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame7 = nullptr;
    QRadioButton* optJambXMethod1 = nullptr;
    QRadioButton* optJambXMethod2 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label18 = nullptr;
    DataCombo* cboWindowMfrName = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* txt2x6Materials = nullptr;
    QLineEdit* txt2x8Materials = nullptr;
    QLineEdit* txt2x10Materials = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* txtNewMfrName = nullptr;
    QPushButton* cmdAddMfrName = nullptr;
    QGroupBox* fraJambExtensions = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txtLaborRate = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* txt2x6Labor = nullptr;
    QLineEdit* txt2x8Labor = nullptr;
    QLineEdit* txt2x10Labor = nullptr;

    // Every handler below catches its own errors and shows them.
public slots:
    void cboCustomerProfile_BeforeSelect();
    void cboCustomerProfile_Selected();
    void cmdProfileManager_Click();
    void cmdAddMfrName_Click();
    void cboRoofLoading_Selected();
    void cboWindowMfrName_Selected();
    void SSTab1_Click(int previousPage);
    void grdProducts_DblClick(int row);

public:
    // Message boxes of this window. Tests answer them.
    virtual MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                                 MsgIcon icon = MsgIcon::None);

protected:
    // The profile manager, modal; the profile lists are refilled after it.
    virtual void openProfileManager();
    // Fills grdProducts for the shown profile.
    virtual void fillProductsGrid();
    // The price editor for a row of grdProducts, modal.
    virtual void editProduct(int row);

    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void followProfileList();
    void buildLayout();
    QWidget* buildComponentPage();
    QWidget* buildGeneralPage();
    QWidget* buildProductPage();
    QWidget* buildJambPage();
    void connectHandlers();
    void attachInputRules();
    void guard(const std::function<void()>& handler);
    void showError(long number, const QString& text);

    void Form_QueryUnload();
    // The refusal message of a number box; false when it was shown.
    bool checkNumberBox(QLineEdit* box, bool emptyAllowed);
    void numberBoxLeft(QLineEdit* box);
    void putProfileComboBack();
    void showShownMaker();

    QPointer<DataCombo> projectProfileList_;
    std::int16_t shownProfileID_ = 0;
    QString shownProfileName_;
    // The name of the maker whose costs the material boxes show.
    QString shownMfrText_;
    int guardDepth_ = 0;
    bool closing_ = false;
};

}  // namespace dv
