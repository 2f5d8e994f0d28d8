#include "ui/profiles/frmDorvProfileManager.h"
#include "ui/common/message_box.h"
#include "core/input_filters.h"
#include "core/profiles.h"
#include "core/startup.h"
#include "platform/app_error.h"
#include "platform/money.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/focus_select.h"
#include "platform/widgets/key_filter.h"
#include "ui/common/number_box.h"
#include "ui/common/app_info.h"
#include "ui/common/guarded.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace dv {

namespace {

const QString kAddCaption = QStringLiteral("Add ->>");
const QString kSaveCaption = QStringLiteral("Save Changes");
const QString kInformation = QStringLiteral("Information");
const QString kImproperInput = QStringLiteral("Improper Input Format");
// Refusing a changed name "Default" and refusing the row of profile 1 use
// the same words; only the second ends with a period.
const QString kDefaultNameRefused = QStringLiteral("The 'Default' customer profile cannot be modified");
const QString kDefaultRowRefused = QStringLiteral("The 'Default' customer profile cannot be modified.");
const QString kNameExists =
    QStringLiteral("That name already exists.  Please create a unique customer name and resubmit.");
const QString kMarkupFormat = QStringLiteral(
    "Please check your 'Markup %' input for proper formatting.  You must format your input as a number.");
const QString kDeliveryFormat = QStringLiteral(
    "Please check your 'Delivery Charge' input for proper formatting.  You must format your input as currency.");

}  // namespace

frmDorvProfileManager::frmDorvProfileManager(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmDorvProfileManager"));
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Customer Name"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtCustomerName = new QLineEdit(this);
    txtCustomerName->setObjectName(QStringLiteral("txtCustomerName"));
    txtCustomerName->setMinimumWidth(240);
    cmdAddWallSystem = new QPushButton(kAddCaption, this);
    cmdAddWallSystem->setObjectName(QStringLiteral("cmdAddWallSystem"));
    cmdAddWallSystem->setAutoDefault(false);
    cmdRemoveProfile = new QPushButton(QStringLiteral("Remove"), this);
    cmdRemoveProfile->setObjectName(QStringLiteral("cmdRemoveProfile"));
    cmdRemoveProfile->setAutoDefault(false);
    Label3 = new QLabel(QStringLiteral("Markup %"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    txtMarkupPercent = new QLineEdit(this);
    txtMarkupPercent->setObjectName(QStringLiteral("txtMarkupPercent"));
    Label4 = new QLabel(QStringLiteral("Delivery Charge"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    txtDeliveryCharge = new QLineEdit(this);
    txtDeliveryCharge->setObjectName(QStringLiteral("txtDeliveryCharge"));
    Label2 = new QLabel(QStringLiteral("Double click on the name in the list to edit it."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    grdCustomerProfileList = new DataGrid(
        {QStringLiteral("ProfileID"), QStringLiteral("Customer Name"), QStringLiteral("Markup"),
         QStringLiteral("Delivery Charge")},
        this);
    grdCustomerProfileList->setObjectName(QStringLiteral("grdCustomerProfileList"));
    grdCustomerProfileList->setStretchColumn(1);
    grdCustomerProfileList->setMinimumHeight(180);

    for (QLineEdit* box : {txtCustomerName, txtMarkupPercent, txtDeliveryCharge})
        selectAllOnFocus(box);
    installNumericKeyFilter(txtMarkupPercent);
    installNumericKeyFilter(txtDeliveryCharge);

    auto* top = new QGridLayout;
    top->addWidget(Label1, 0, 0, 1, 2);
    top->addWidget(txtCustomerName, 1, 0, 1, 2);
    top->addWidget(cmdAddWallSystem, 1, 2);
    top->addWidget(Label3, 2, 0);
    top->addWidget(Label4, 2, 1);
    top->addWidget(cmdRemoveProfile, 3, 2);
    top->addWidget(txtMarkupPercent, 3, 0);
    top->addWidget(txtDeliveryCharge, 3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(Label2);
    layout->addWidget(grdCustomerProfileList, 1);

    connect(cmdAddWallSystem, &QPushButton::clicked, this, &frmDorvProfileManager::cmdAddWallSystem_Click);
    connect(cmdRemoveProfile, &QPushButton::clicked, this, &frmDorvProfileManager::cmdRemoveProfile_Click);
    connect(grdCustomerProfileList, &DataGrid::rowDoubleClicked, this,
            [this](int) { grdCustomerProfileList_RowActivated(); });
    guard([this] { Form_Load(); });
    // The list shows its four columns whole, without a sideways scroll.
    int listWidth = 2 * grdCustomerProfileList->frameWidth()
                    + grdCustomerProfileList->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < grdCustomerProfileList->columnCount(); ++c)
        listWidth += grdCustomerProfileList->neededColumnWidth(c);
    grdCustomerProfileList->setMinimumWidth(listWidth);
}

void frmDorvProfileManager::Form_Load()
{
    setWindowTitle(appTitle() + QStringLiteral(" [Profile Manager]"));
    FillProfileGrid();
}

void frmDorvProfileManager::guard(const std::function<void()>& handler)
{
    runGuarded(this, [this, &handler] {
        try {
            handler();
        } catch (const AppError& e) {
            messageBox(errorMessageText(e.number(), e.description()), appTitle(), MsgButtons::Ok, MsgIcon::Critical);
        }
    });
}

MsgResult frmDorvProfileManager::messageBox(const QString& text, const QString& title, MsgButtons buttons,
                                            MsgIcon icon)
{
    return execMessageBox(this, text, title, buttons, icon);
}

void frmDorvProfileManager::FillProfileGrid()
{
    grdCustomerProfileList->removeAll();
    for (const QStringList& row : ProfileListRows())
        grdCustomerProfileList->addRowFields(row);
}

bool frmDorvProfileManager::readAmount(QLineEdit* box, const QString& message, double* value)
{
    const QString text = box->text();
    *value = 0;
    if (text.isEmpty())
        return true;
    // Read as the box's keys let it be typed, whether typed or pasted. A
    // markup multiplies money amounts and a delivery charge is one, so
    // both must be numbers that money can hold.
    double v = 0;
    bool ok = ReadTypedNumber(text, &v);
    if (ok) {
        try {
            Money::fromDouble(v);
        } catch (const AppError&) {
            ok = false;
        }
    }
    if (!ok) {
        messageBox(message, kImproperInput, MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    *value = v;
    return true;
}

void frmDorvProfileManager::endEditMode()
{
    txtCustomerName->setText(QString());
    txtMarkupPercent->setText(QString());
    txtDeliveryCharge->setText(QString());
    editedProfileID_ = 0;
    FillProfileGrid();
    cmdAddWallSystem->setText(kAddCaption);
}

void frmDorvProfileManager::cmdAddWallSystem_Click()
{
    guard([this] {
        double markup = 0, delivery = 0;
        // Both boxes are checked, so that one click reports both.
        const bool markupOk = readAmount(txtMarkupPercent, kMarkupFormat, &markup);
        const bool deliveryOk = readAmount(txtDeliveryCharge, kDeliveryFormat, &delivery);
        if (!markupOk || !deliveryOk)
            return;
        const QString name = StoredProfileName(txtCustomerName->text());
        if (name.isEmpty()) {
            endEditMode();
            return;
        }
        if (name == QLatin1String("Default")) {
            messageBox(kDefaultNameRefused, kInformation, MsgButtons::Ok, MsgIcon::Information);
            endEditMode();
            return;
        }
        if (editedProfileID_ == DefaultProfileID) {
            messageBox(kDefaultRowRefused, kInformation, MsgButtons::Ok, MsgIcon::Information);
            endEditMode();
            return;
        }
        if (ProfileNameTaken(name, editedProfileID_)) {
            messageBox(kNameExists, kInformation, MsgButtons::Ok, MsgIcon::Information);
            return;
        }
        if (editedProfileID_ == 0)
            AddProfile(name, markup, Money::fromDouble(delivery));
        else
            UpdateProfile(editedProfileID_, name, markup, Money::fromDouble(delivery));
        endEditMode();
    });
}

int frmDorvProfileManager::currentChangeableProfile()
{
    // Nothing happens without a current row; "Default" is refused by its ID.
    if (grdCustomerProfileList->cursorRow() < 0)
        return 0;
    const int id = grdCustomerProfileList->value(0).toInt();
    if (id == DefaultProfileID) {
        messageBox(kDefaultRowRefused, kInformation, MsgButtons::Ok, MsgIcon::Information);
        return 0;
    }
    return id;
}

void frmDorvProfileManager::cmdRemoveProfile_Click()
{
    guard([this] {
        const int id = currentChangeableProfile();
        if (id == 0)
            return;
        const QString name = grdCustomerProfileList->value(1);
        if (messageBox(QStringLiteral("Are you sure you would like to Delete ") + name + QStringLiteral(" from the list?"),
                       QStringLiteral("Confirm Delete"), MsgButtons::YesNo, MsgIcon::Question)
            != MsgResult::Yes)
            return;
        RemoveProfile(id);
        endEditMode();
    });
}

void frmDorvProfileManager::grdCustomerProfileList_RowActivated()
{
    guard([this] {
        const int id = currentChangeableProfile();
        if (id == 0)
            return;
        QString markup = grdCustomerProfileList->value(2);
        if (markup.endsWith(QLatin1Char('%')))
            markup.chop(1);
        txtCustomerName->setText(grdCustomerProfileList->value(1));
        txtMarkupPercent->setText(markup);
        txtDeliveryCharge->setText(grdCustomerProfileList->value(3));
        editedProfileID_ = id;
        cmdAddWallSystem->setText(kSaveCaption);
    });
}

}  // namespace dv
