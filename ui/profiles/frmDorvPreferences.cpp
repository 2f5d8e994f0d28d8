#include "ui/profiles/frmDorvPreferences.h"
#include "ui/common/message_box.h"

#include "core/app_state.h"
#include "core/input_filters.h"
#include "core/profiles.h"
#include "core/sql_literals.h"
#include "core/startup.h"
#include "platform/app_error.h"
#include "platform/numbers.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/focus_select.h"
#include "platform/widgets/key_filter.h"
#include "platform/widgets/tab_control.h"
#include "ui/profiles/frmDorvProfileManager.h"
#include "ui/profiles/number_text.h"
#include "ui/profiles/products_grid.h"
#include "ui/common/app_info.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <new>

namespace dv {

namespace {

const QString kConfirmChanges = QStringLiteral("Would you like to save any changes you made to the previous profile?");
const QString kConfirmClose = QStringLiteral(
    "Would you like to save any changes you made?  If you have solutions that have been calculated you will have to "
    "re-calculate them.");

// Errors that are not ours, numbered as the rest of the program numbers them.
constexpr long kOutOfMemory = 7;
constexpr long kInternalError = 51;

QLineEdit* lineEdit(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QGroupBox* frame(const char* name, const QString& caption, QWidget* parent)
{
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

DataCombo* productCombo(const char* name, QWidget* parent)
{
    auto* c = new DataCombo({QStringLiteral("ProductID"), QStringLiteral("Product Name")}, 1, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setListColumnHidden(0, true);
    return c;
}

}  // namespace

frmDorvPreferences::frmDorvPreferences(DataCombo* projectProfileList, QWidget* parent)
    : QWidget(parent, Qt::Window), projectProfileList_(projectProfileList)
{
    setObjectName(QStringLiteral("frmDorvPreferences"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    connectHandlers();
    attachInputRules();
}

frmDorvPreferences::~frmDorvPreferences()
{
    // The tab control reports the page change of its own teardown.
    if (SSTab1)
        disconnect(SSTab1, nullptr, this, nullptr);
}

// ---------------------------------------------------------------------------
// Layout

void frmDorvPreferences::buildLayout()
{
    lblCustomerProfile = label("lblCustomerProfile", QStringLiteral("Customer Profile"), this);
    cboCustomerProfile = new DataCombo({QStringLiteral("ProfileID"), QStringLiteral("CustomerName")}, 1, this);
    cboCustomerProfile->setObjectName(QStringLiteral("cboCustomerProfile"));
    cmdProfileManager = new QPushButton(QStringLiteral("Edit Profiles"), this);
    cmdProfileManager->setObjectName(QStringLiteral("cmdProfileManager"));
    cmdSaveProfile = new QPushButton(QStringLiteral("Save Profile"), this);
    cmdSaveProfile->setObjectName(QStringLiteral("cmdSaveProfile"));
    Image1 = label("Image1", QString(), this);

    SSTab1 = new TabControl(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildComponentPage(), QStringLiteral("Component Options"));
    SSTab1->addTab(buildGeneralPage(), QStringLiteral("General Options"));
    SSTab1->addTab(buildProductPage(), QStringLiteral("Product Options"));
    SSTab1->addTab(buildJambPage(), QStringLiteral("&Window Jamb Options"));

    auto* top = new QHBoxLayout;
    top->addWidget(lblCustomerProfile);
    top->addWidget(cboCustomerProfile, 1);
    top->addWidget(cmdProfileManager);
    top->addWidget(cmdSaveProfile);
    top->addWidget(Image1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(SSTab1, 1);
    resize(820, 560);
}

QWidget* frmDorvPreferences::buildComponentPage()
{
    auto* page = new QWidget;
    Frame1 = frame("Frame1", QStringLiteral("Wall Options"), page);
    chkCripples = new QCheckBox(QStringLiteral("Include Cripples"), Frame1);
    chkBlocking = new QCheckBox(QStringLiteral("Include Blocking"), Frame1);
    chkPlates = new QCheckBox(QStringLiteral("Include Plates"), Frame1);
    chkTrimmers = new QCheckBox(QStringLiteral("Include Trimmers"), Frame1);
    chkSheathing = new QCheckBox(QStringLiteral("Include Sheathing"), Frame1);
    chkCripples->setObjectName(QStringLiteral("chkCripples"));
    chkBlocking->setObjectName(QStringLiteral("chkBlocking"));
    chkPlates->setObjectName(QStringLiteral("chkPlates"));
    chkTrimmers->setObjectName(QStringLiteral("chkTrimmers"));
    chkSheathing->setObjectName(QStringLiteral("chkSheathing"));
    cboCrippleProducts = productCombo("cboCrippleProducts", Frame1);
    cboBlockingProducts = productCombo("cboBlockingProducts", Frame1);
    cboPlateProducts = productCombo("cboPlateProducts", Frame1);
    cboTrimmerProducts = productCombo("cboTrimmerProducts", Frame1);
    cboSheathingProducts = productCombo("cboSheathingProducts", Frame1);
    Label1 = label("Label1", QStringLiteral("Products"), Frame1);
    Label2 = label("Label2", QStringLiteral("Products"), Frame1);
    Label17 = label("Label17",
                    QStringLiteral("--NOTE: All Wall plates are included automatically and will be Kelbrin\u00AE LSL "
                                   "products."),
                    Frame1);
    Label17->setWordWrap(true);

    // Two columns of members, each headed "Products" above its combos.
    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(Label2, 0, 3);
    const std::pair<QCheckBox*, DataCombo*> rows[] = {{chkCripples, cboCrippleProducts},
                                                       {chkBlocking, cboBlockingProducts},
                                                       {chkPlates, cboPlateProducts},
                                                       {chkTrimmers, cboTrimmerProducts},
                                                       {chkSheathing, cboSheathingProducts}};
    for (int i = 0; i < 5; ++i) {
        const int row = 1 + i % 3;
        const int column = i < 3 ? 0 : 2;
        grid->addWidget(rows[i].first, row, column);
        grid->addWidget(rows[i].second, row, column + 1);
        // A member left out has no product to choose.
        rows[i].second->setEnabled(false);
    }
    grid->addWidget(Label17, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Frame1);
    return page;
}

QWidget* frmDorvPreferences::buildGeneralPage()
{
    auto* page = new QWidget;
    Frame2 = frame("Frame2", QStringLiteral("Roof Loading Defaults"), page);
    Label16 = label("Label16", QStringLiteral("State/Loading"), Frame2);
    cboRoofLoading = new DataCombo({QStringLiteral("ID"), QStringLiteral("State/Loading"), QStringLiteral("RoofLL"),
                                    QStringLiteral("RoofDL")},
                                   1, Frame2);
    cboRoofLoading->setObjectName(QStringLiteral("cboRoofLoading"));
    for (int c : {0, 2, 3})
        cboRoofLoading->setListColumnHidden(c, true);
    Label3 = label("Label3", QStringLiteral("Roof Snow Load (psf)"), Frame2);
    txtRoofLL = lineEdit("txtRoofLL", Frame2);
    Label4 = label("Label4", QStringLiteral("Roof Dead Load (psf)"), Frame2);
    txtRoofDL = lineEdit("txtRoofDL", Frame2);
    auto* roof = new QGridLayout(Frame2);
    roof->addWidget(Label16, 0, 0);
    roof->addWidget(cboRoofLoading, 0, 1);
    roof->addWidget(Label3, 1, 0);
    roof->addWidget(txtRoofLL, 1, 1);
    roof->addWidget(Label4, 2, 0);
    roof->addWidget(txtRoofDL, 2, 1);
    roof->setColumnStretch(1, 1);

    fraStudSpacing = frame("fraStudSpacing", QStringLiteral("Stud Spacing Options"), page);
    chkSelectAll = new QCheckBox(QStringLiteral("Select All"), fraStudSpacing);
    chkSelectAll->setObjectName(QStringLiteral("chkSelectAll"));
    chk12oc = new QCheckBox(QStringLiteral("12\" on center"), fraStudSpacing);
    chk12oc->setObjectName(QStringLiteral("chk12oc"));
    chk16oc = new QCheckBox(QStringLiteral("16\" on center"), fraStudSpacing);
    chk16oc->setObjectName(QStringLiteral("chk16oc"));
    chk24oc = new QCheckBox(QStringLiteral("24\" on center"), fraStudSpacing);
    chk24oc->setObjectName(QStringLiteral("chk24oc"));
    auto* spacing = new QVBoxLayout(fraStudSpacing);
    for (QCheckBox* c : {chkSelectAll, chk12oc, chk16oc, chk24oc})
        spacing->addWidget(c);

    fraZoneWallOptions = frame("fraZoneWallOptions", QStringLiteral("Zone Wall Options"), page);
    txtCornerFactor = lineEdit("txtCornerFactor", fraZoneWallOptions);
    txtJunctionFactor = lineEdit("txtJunctionFactor", fraZoneWallOptions);
    txtWindowFactor = lineEdit("txtWindowFactor", fraZoneWallOptions);
    txtDoorFactor = lineEdit("txtDoorFactor", fraZoneWallOptions);
    auto* zone = new QGridLayout(fraZoneWallOptions);
    const std::pair<const char*, QLineEdit*> factors[] = {{"Corner Factor", txtCornerFactor},
                                                          {"Junction Factor", txtJunctionFactor},
                                                          {"Window Factor", txtWindowFactor},
                                                          {"Door Factor", txtDoorFactor}};
    int r = 0;
    for (const auto& [caption, box] : factors) {
        zone->addWidget(new QLabel(QString::fromLatin1(caption), fraZoneWallOptions), r, 0);
        zone->addWidget(box, r, 1);
        ++r;
    }

    Frame4 = frame("Frame4", QStringLiteral("Wind Speed"), page);
    cboWindSpeed = new DataCombo({QStringLiteral("WindSpeed"), QStringLiteral("Wind Speed")}, 1, Frame4);
    cboWindSpeed->setObjectName(QStringLiteral("cboWindSpeed"));
    cboWindSpeed->setListColumnHidden(0, true);
    auto* wind = new QVBoxLayout(Frame4);
    wind->addWidget(cboWindSpeed);

    auto* layout = new QGridLayout(page);
    layout->addWidget(Frame2, 0, 0);
    layout->addWidget(fraStudSpacing, 0, 1);
    layout->addWidget(fraZoneWallOptions, 1, 0);
    layout->addWidget(Frame4, 1, 1, Qt::AlignTop);
    layout->setRowStretch(2, 1);
    return page;
}

QWidget* frmDorvPreferences::buildProductPage()
{
    auto* page = new QWidget;
    Frame3 = frame("Frame3", QStringLiteral("Product Options"), page);
    grdProducts = new DataGrid(ProductsGridCaptions(), Frame3);
    grdProducts->setObjectName(QStringLiteral("grdProducts"));
    grdProducts->setStretchColumn(1);
    Label5 = label("Label5", QStringLiteral("Double click on grid to edit record information"), Frame3);
    QFont hint = Label5->font();
    hint.setItalic(true);
    Label5->setFont(hint);
    auto* products = new QVBoxLayout(Frame3);
    products->addWidget(grdProducts, 1);
    products->addWidget(Label5);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Frame3);
    return page;
}

QWidget* frmDorvPreferences::buildJambPage()
{
    auto* page = new QWidget;
    Frame5 = frame("Frame5", QStringLiteral("Jamb Extension Options"), page);

    Frame7 = frame("Frame7", QStringLiteral("Jamb Extension Method Options"), Frame5);
    optJambXMethod1 = new QRadioButton(
        QStringLiteral("Method 1: Window manufacturer cost includes labor and materials (i.e. pre-installed jambs)."), Frame7);
    optJambXMethod1->setObjectName(QStringLiteral("optJambXMethod1"));
    optJambXMethod2 = new QRadioButton(
        QStringLiteral("Method 2: Window manufacturer cost includes materials, use builder cost for labor (i.e. jambs "
                       "are shipped separately from window unit)."),
        Frame7);
    optJambXMethod2->setObjectName(QStringLiteral("optJambXMethod2"));
    auto* method = new QVBoxLayout(Frame7);
    method->addWidget(optJambXMethod1);
    method->addWidget(optJambXMethod2);

    Frame6 = frame("Frame6", QStringLiteral("Window Manufacturer Options"), Frame5);
    Label18 = label("Label18", QStringLiteral("Window Manufacturer Name"), Frame6);
    cboWindowMfrName = new DataCombo({QStringLiteral("ID"), QStringLiteral("Window Manufacturer"),
                                      QStringLiteral("2x6"), QStringLiteral("2x8"), QStringLiteral("2x10")},
                                     1, Frame6);
    cboWindowMfrName->setObjectName(QStringLiteral("cboWindowMfrName"));
    for (int c : {0, 2, 3, 4})
        cboWindowMfrName->setListColumnHidden(c, true);
    Label7 = label("Label7", QStringLiteral("Materials ($ Adder)"), Frame6);
    txt2x6Materials = lineEdit("txt2x6Materials", Frame6);
    txt2x8Materials = lineEdit("txt2x8Materials", Frame6);
    txt2x10Materials = lineEdit("txt2x10Materials", Frame6);
    Label23 = label("Label23",
                    QStringLiteral("--If you do not find the window manufacturer you are looking for in the list at "
                                   "the left, enter their name below and click the 'Add to List' button."),
                    Frame6);
    Label23->setWordWrap(true);
    Label22 = label("Label22", QStringLiteral("Name"), Frame6);
    txtNewMfrName = lineEdit("txtNewMfrName", Frame6);
    cmdAddMfrName = new QPushButton(QStringLiteral("Add to List"), Frame6);
    cmdAddMfrName->setObjectName(QStringLiteral("cmdAddMfrName"));
    auto* mfr = new QGridLayout(Frame6);
    mfr->addWidget(Label18, 0, 0);
    mfr->addWidget(new QLabel(QStringLiteral("2x6 Wall"), Frame6), 0, 2);
    mfr->addWidget(new QLabel(QStringLiteral("2x8 Wall"), Frame6), 0, 3);
    mfr->addWidget(new QLabel(QStringLiteral("2x10 Wall"), Frame6), 0, 4);
    mfr->addWidget(cboWindowMfrName, 1, 0);
    mfr->addWidget(Label7, 1, 1);
    mfr->addWidget(txt2x6Materials, 1, 2);
    mfr->addWidget(txt2x8Materials, 1, 3);
    mfr->addWidget(txt2x10Materials, 1, 4);
    mfr->addWidget(Label23, 2, 0, 1, 5);
    mfr->addWidget(Label22, 3, 0);
    mfr->addWidget(txtNewMfrName, 3, 1, 1, 3);
    mfr->addWidget(cmdAddMfrName, 3, 4);
    mfr->setColumnStretch(0, 1);

    fraJambExtensions = frame("fraJambExtensions", QStringLiteral("Builder Options"), Frame5);
    Label6 = label("Label6", QStringLiteral("Labor ($/Per Hour)"), fraJambExtensions);
    txtLaborRate = lineEdit("txtLaborRate", fraJambExtensions);
    Label8 = label("Label8", QStringLiteral("Time (Hr/Opening)"), fraJambExtensions);
    txt2x6Labor = lineEdit("txt2x6Labor", fraJambExtensions);
    txt2x8Labor = lineEdit("txt2x8Labor", fraJambExtensions);
    txt2x10Labor = lineEdit("txt2x10Labor", fraJambExtensions);
    auto* builder = new QGridLayout(fraJambExtensions);
    builder->addWidget(Label6, 1, 0);
    builder->addWidget(txtLaborRate, 1, 1);
    builder->addWidget(new QLabel(QStringLiteral("2x6 Wall"), fraJambExtensions), 0, 3);
    builder->addWidget(new QLabel(QStringLiteral("2x8 Wall"), fraJambExtensions), 0, 4);
    builder->addWidget(new QLabel(QStringLiteral("2x10 Wall"), fraJambExtensions), 0, 5);
    builder->addWidget(Label8, 1, 2);
    builder->addWidget(txt2x6Labor, 1, 3);
    builder->addWidget(txt2x8Labor, 1, 4);
    builder->addWidget(txt2x10Labor, 1, 5);

    auto* jamb = new QVBoxLayout(Frame5);
    jamb->addWidget(Frame7);
    jamb->addWidget(Frame6);
    jamb->addWidget(fraJambExtensions);
    jamb->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Frame5);
    return page;
}

// ---------------------------------------------------------------------------
// Handlers and input rules

void frmDorvPreferences::connectHandlers()
{
    connect(cboCustomerProfile, &DataCombo::dropDown, this, &frmDorvPreferences::cboCustomerProfile_BeforeSelect);
    connect(cboCustomerProfile, &DataCombo::picked, this, &frmDorvPreferences::cboCustomerProfile_Selected);
    connect(cmdProfileManager, &QPushButton::clicked, this, &frmDorvPreferences::cmdProfileManager_Click);
    connect(cmdAddMfrName, &QPushButton::clicked, this, &frmDorvPreferences::cmdAddMfrName_Click);
    connect(cboRoofLoading, &DataCombo::picked, this, &frmDorvPreferences::cboRoofLoading_Selected);
    connect(cboWindowMfrName, &DataCombo::picked, this, &frmDorvPreferences::cboWindowMfrName_Selected);
    connect(SSTab1, &TabControl::pageClicked, this, &frmDorvPreferences::SSTab1_Click);
    connect(grdProducts, &DataGrid::rowDoubleClicked, this, &frmDorvPreferences::grdProducts_DblClick);

    // A member's product can be chosen exactly while the member is included,
    // whether the user or a load changes the box.
    const std::pair<QCheckBox*, DataCombo*> members[] = {{chkCripples, cboCrippleProducts},
                                                          {chkBlocking, cboBlockingProducts},
                                                          {chkPlates, cboPlateProducts},
                                                          {chkTrimmers, cboTrimmerProducts},
                                                          {chkSheathing, cboSheathingProducts}};
    for (const auto& [check, combo] : members)
        connect(check, &QCheckBox::toggled, combo, &QWidget::setEnabled);
    // Select All sets the three spacings; a single spacing leaves it alone.
    connect(chkSelectAll, &QCheckBox::toggled, this, [this](bool on) {
        for (QCheckBox* c : {chk12oc, chk16oc, chk24oc})
            c->setChecked(on);
    });
}

void frmDorvPreferences::attachInputRules()
{
    for (QLineEdit* box : findChildren<QLineEdit*>())
        selectAllOnFocus(box);

    auto numericKey = [](int code) {
        FilterNumericKey(code);
        return code;
    };
    for (QLineEdit* box : {txtLaborRate, txt2x6Labor, txt2x8Labor, txt2x10Labor}) {
        installKeyFilter(box, numericKey, nullptr);
        installFocusLeave(box, [this, box] { numberBoxLeft(box); });
    }
    // Every edit of the cost boxes marks the costs for saving: a typed key,
    // kept or not, a paste, a deletion.
    for (QLineEdit* box : {txt2x6Materials, txt2x8Materials, txt2x10Materials}) {
        installKeyFilter(
            box, [this, numericKey](int code) { MaterialsChanged = true; return numericKey(code); },
            [this](const QString& text) { MaterialsChanged = true; return text; });
        connect(box, &QLineEdit::textEdited, this, [this] { MaterialsChanged = true; });
        installFocusLeave(box, [this, box] { numberBoxLeft(box); });
    }
    // The load boxes likewise mark the loads of the chosen state.
    for (QLineEdit* box : {txtRoofLL, txtRoofDL}) {
        installKeyFilter(
            box, [this, numericKey](int code) { RoofLoadingChanged = 1; return numericKey(code); },
            [this](const QString& text) { RoofLoadingChanged = 1; return text; });
        connect(box, &QLineEdit::textEdited, this, [this] { RoofLoadingChanged = 1; });
        installFocusLeave(box, [box] {
            if (box->text().size() > 255)
                box->setText(LeftWhole(box->text(), 255));
        });
    }
    installFocusLeave(txtNewMfrName, [this] {
        if (txtNewMfrName->text().size() > 255)
            txtNewMfrName->setText(LeftWhole(txtNewMfrName->text(), 255));
    });
}

void frmDorvPreferences::numberBoxLeft(QLineEdit* box)
{
    guard([this, box] {
        if (box->text().size() > 255)
            box->setText(LeftWhole(box->text(), 255));
        // Only a warning: the text stays as typed and the save refuses it.
        checkNumberBox(box, true);
    });
}

void frmDorvPreferences::guard(const std::function<void()>& handler)
{
    // A handler called by another lets its error travel on, so that the
    // outer one stops where it stands and the error is shown once.
    if (guardDepth_ > 0) {
        handler();
        return;
    }
    ++guardDepth_;
    try {
        try {
            handler();
        } catch (const AppError& e) {
            showError(e.number(), e.description());
        } catch (const std::bad_alloc&) {
            showError(kOutOfMemory, QStringLiteral("Out of memory"));
        } catch (const std::exception& e) {
            showError(kInternalError, QString::fromUtf8(e.what()));
        } catch (...) {
            showError(kInternalError, QStringLiteral("Internal error"));
        }
    } catch (...) {
        // Showing the message failed too; Qt must not see the exception.
    }
    --guardDepth_;
}

void frmDorvPreferences::showError(long number, const QString& text)
{
    messageBox(errorMessageText(number, text), appTitle(), MsgButtons::Ok, MsgIcon::Critical);
}

MsgResult frmDorvPreferences::messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    return execMessageBox(this, text, title, buttons, icon);
}

// ---------------------------------------------------------------------------
// Load, switch and close

void frmDorvPreferences::Form_Load()
{
    guard([this] {
        setWindowTitle(appTitle() + QStringLiteral(" [Manage Customer Profiles]"));
        cboCustomerProfile->setVisible(true);
        lblCustomerProfile->setVisible(true);
        cmdProfileManager->setVisible(true);
        cmdSaveProfile->setVisible(false);
        FillCustomerProfileLists();
        // The window always opens on "Default".
        cboCustomerProfile->setColumnValue(0, QStringLiteral("1"));
        cboCustomerProfile->setColumnValue(1, QStringLiteral("Default"));
        cboCustomerProfile->setText(QStringLiteral("Default"));
        FillProductLists();
        try {
            LoadProfileSettings();
            fillProductsGrid();
            FillWindowManufacturerList();
            LoadRoofLoadingList();
        } catch (...) {
            putProfileComboBack();
            throw;
        }
        PreviousProfileID = 1;
        RoofLoadingChanged = 0;
        MaterialsChanged = false;
    });
}

void frmDorvPreferences::cboCustomerProfile_BeforeSelect()
{
    // The profile the controls show, whatever the combo was last set to.
    PreviousProfileID = shownProfileID_;
}

void frmDorvPreferences::cboCustomerProfile_Selected()
{
    guard([this] {
        // The controls still show the profile loaded last, whichever way the
        // pick was made.
        PreviousProfileID = shownProfileID_;
        try {
            double picked = 0;
            if (!parseStrictNumber(cboCustomerProfile->columnValue(0), &picked))
                throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
            const std::int16_t newID = toInt16(picked);
            // Costs typed for the maker shown would be replaced by the next
            // profile's maker: they are offered first. Refused, they stay in
            // their boxes and the shown profile with them.
            if (!SaveWindowManufacturerMaterials()) {
                putProfileComboBack();
                return;
            }
            if (PreviousProfileID != 1 && PreviousProfileID != 0 && newID != PreviousProfileID
                && messageBox(kConfirmChanges, QStringLiteral("Confirm Changes"), MsgButtons::YesNo, MsgIcon::Question)
                       == MsgResult::Yes)
                SaveProfileSettings(PreviousProfileID);
            LoadProfileSettings();
            fillProductsGrid();
            LoadRoofLoadingList();
        } catch (...) {
            putProfileComboBack();
            throw;
        }
    });
}

void frmDorvPreferences::putProfileComboBack()
{
    // The combo names the profile the controls show, or none before the
    // first load.
    const QString id = shownProfileID_ ? QString::number(shownProfileID_) : QString();
    cboCustomerProfile->setColumnValue(0, id);
    cboCustomerProfile->setColumnValue(1, shownProfileName_);
    cboCustomerProfile->setText(shownProfileName_);
}

void frmDorvPreferences::closeEvent(QCloseEvent* e)
{
    // The close always goes ahead.
    if (!closing_) {
        closing_ = true;
        guard([this] { Form_QueryUnload(); });
    }
    e->accept();
}

// Esc closes the window as its frame does, with the close question. Return,
// Enter or F2 on a product row opens the price editor as a double-click does.
void frmDorvPreferences::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (key == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) && focusWidget() == grdProducts
        && grdProducts->selectedRow() >= 0) {
        grdProducts_DblClick(grdProducts->selectedRow());
        return;
    }
    QWidget::keyPressEvent(e);
}

void frmDorvPreferences::Form_QueryUnload()
{
    // Nothing can be saved once the database is closed, and nothing is
    // shown before a profile has been loaded.
    if (!DbConnection.isOpen() || shownProfileID_ == 0)
        return;
    if (messageBox(kConfirmClose, QStringLiteral("Confirm Close"), MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return;
    // Refused costs would refuse the profile's save as well: the refusal is
    // shown once and nothing is written.
    if (!SaveWindowManufacturerMaterials())
        return;
    SaveProfileSettings(shownProfileID_);
    if (hasProjectView())
        projectView().comparisonClear();
}

void frmDorvPreferences::cmdProfileManager_Click()
{
    guard([this] {
        openProfileManager();
        FillCustomerProfileLists();
        followProfileList();
        if (hasProjectView())
            AfterProfilesChanged(projectView());
    });
}

void frmDorvPreferences::followProfileList()
{
    // A profile removed in the manager can't be shown or saved any more: the
    // window goes back to "Default". A renamed one shows its new name.
    if (shownProfileID_ == 0)
        return;
    PreparedStatement st =
        DbConnection.prepare(QStringLiteral("SELECT CustomerProfileName FROM Customer_ProfileID WHERE ID = ?"));
    st.bind(1, static_cast<long long>(shownProfileID_));
    Recordset rs = DbConnection.query(st);
    if (rs.eof()) {
        // Costs typed for the maker shown belong to the maker, which is
        // still there: they are offered before Default's maker replaces
        // them. Refused, they stay in their boxes with what is shown, and
        // the window follows the next time the manager closes.
        if (!SaveWindowManufacturerMaterials()) {
            putProfileComboBack();
            return;
        }
        cboCustomerProfile->setColumnValue(0, QStringLiteral("1"));
        cboCustomerProfile->setColumnValue(1, QStringLiteral("Default"));
        cboCustomerProfile->setText(QStringLiteral("Default"));
        try {
            LoadProfileSettings();
            fillProductsGrid();
            LoadRoofLoadingList();
        } catch (...) {
            putProfileComboBack();
            throw;
        }
        return;
    }
    // As stored, like the row of the profile list.
    const QString name = rs.field(0).toText();
    shownProfileName_ = name;
    cboCustomerProfile->setColumnValue(1, name);
    cboCustomerProfile->setText(name);
}

void frmDorvPreferences::SSTab1_Click(int) { guard([this] { SaveWindowManufacturerMaterials(); }); }

void frmDorvPreferences::grdProducts_DblClick(int row) { guard([this, row] { editProduct(row); }); }

void frmDorvPreferences::openProfileManager()
{
    frmDorvProfileManager manager(this);
    manager.exec();
}

void frmDorvPreferences::fillProductsGrid() { FillProductsGrid(*grdProducts, shownProfileID_); }

void frmDorvPreferences::editProduct(int row)
{
    EditProductAt(this, *grdProducts, shownProfileID_, row, [this] { fillProductsGrid(); });
}

void frmDorvPreferences::profileDataChanged(std::int16_t profileID)
{
    if (!hasProjectView())
        return;
    ProjectView& view = projectView();
    if (view.comparisonRowCount() == 0)
        return;
    bool pricedWith = true;  // when the project's profile can't be read, clear to be safe
    try {
        pricedWith = view.selectedProfileID() == profileID || (profileID == 1 && view.defaultPricingSelected());
    } catch (const AppError&) {
    }
    if (pricedWith)
        view.comparisonClear();
}

}  // namespace dv
