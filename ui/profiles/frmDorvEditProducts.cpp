#include "ui/profiles/frmDorvEditProducts.h"
#include "ui/common/message_box.h"
#include "core/app_state.h"
#include "core/profiles.h"
#include "core/input_filters.h"
#include "core/startup.h"
#include "platform/app_error.h"
#include "platform/db.h"
#include "platform/widgets/focus_select.h"
#include "platform/widgets/key_filter.h"
#include "ui/common/number_box.h"
#include "ui/profiles/products_grid.h"
#include "ui/common/app_info.h"
#include "ui/common/guarded.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dv {

namespace {

constexpr int kMaxIntegerDigits = 14;
constexpr int kDefaultProfileID = 1;

const QString kCurrencyFormat = QStringLiteral(
    "Please check your input for proper formatting.  You must format your input as currency.");
const QString kImproperFormat = QStringLiteral("Improper Input Format");

// A price is digits with at most one "." and at least one digit; anything
// else (empty text, a lone ".", a sign, an exponent) is refused.
bool readPrice(const QString& text, Money* price)
{
    if (!IsTypedNumberText(text))
        return false;
    *price = Money::fromText(text);
    return true;
}

void updateProductColumn(const QString& table, const QString& column, const Value& value, int profileID,
                         const QString& missingText)
{
    PreparedStatement st = DbConnection.prepare(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + column
                                                + QStringLiteral(" = ? WHERE CustomerProfileID = ?"));
    st.bind(1, value).bind(2, profileID).exec();
    // A profile without its pricing rows would otherwise lose the edit
    // without a word.
    if (DbConnection.changes() == 0)
        throw AppError(err::NoProductPricing, missingText);
}

}  // namespace

QString LimitPriceDigits(const QString& text)
{
    const int point = text.indexOf(QLatin1Char('.'));
    if (point > kMaxIntegerDigits)
        return text.left(kMaxIntegerDigits) + text.mid(point);
    if (point < 0 && text.size() > kMaxIntegerDigits)
        return text.left(kMaxIntegerDigits);
    return text;
}

frmDorvEditProducts::frmDorvEditProducts(int profileID, int productID, QWidget* owner)
    : QDialog(owner), profileID_(profileID), productID_(productID)
{
    setObjectName(QStringLiteral("frmDorvEditProducts"));
    setModal(true);
    lblProductName = new QLabel(QStringLiteral("Product Name"), this);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    Label2 = new QLabel(QStringLiteral("LF Price (SF if Panel)"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtLFPrice = new QLineEdit(this);
    txtLFPrice->setObjectName(QStringLiteral("txtLFPrice"));
    Label2->setBuddy(txtLFPrice);
    selectAllOnFocus(txtLFPrice);
    installNumericKeyFilter(txtLFPrice);
    chkInventory = new QCheckBox(QStringLiteral("Inventory"), this);
    chkInventory->setObjectName(QStringLiteral("chkInventory"));
    cmdUpdate = new QPushButton(QStringLiteral("Update"), this);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    cmdUpdate->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(lblProductName, 0, 0, 1, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtLFPrice, 1, 1);
    // Only as wide as its caption: a click beside it would not tick it.
    grid->addWidget(chkInventory, 2, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdUpdate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(cmdUpdate, &QPushButton::clicked, this, [this] { runUpdate(); });
    Form_Load();
}

void frmDorvEditProducts::Form_Load()
{
    setWindowTitle(appTitle() + QStringLiteral(" [Edit Product]"));
    txtLFPrice->setFocus();
}

void frmDorvEditProducts::runUpdate()
{
    runGuarded(this, [this] {
        try {
            cmdUpdate_Click();
        } catch (const AppError& e) {
            messageBox(errorMessageText(e.number(), e.description()), appTitle(), MsgButtons::Ok, MsgIcon::Critical);
        }
    });
}

void frmDorvEditProducts::cmdUpdate_Click()
{
    QString text = txtLFPrice->text();
    if (text.count(QLatin1Char('.')) > 1) {
        messageBox(kCurrencyFormat, kImproperFormat, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    const QString limited = LimitPriceDigits(text);
    if (limited != text) {
        txtLFPrice->setText(limited);
        text = limited;
    }
    Money price;
    if (!readPrice(text, &price)) {
        messageBox(kCurrencyFormat, kImproperFormat, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    const QString column = ProductColumn(productID_);
    {
        // Price and stock are written together or not at all.
        Transaction t(DbConnection);
        updateProductColumn(QStringLiteral("Product_Pricing"), column, Value::money(price), profileID_,
                            QStringLiteral("No Product Pricing Found"));
        updateProductColumn(QStringLiteral("Product_Inventory"), column, Value::yesNo(chkInventory->isChecked()),
                            profileID_, QStringLiteral("No Product Inventory Found"));
        t.commit();
    }
    updated_ = true;
    // A comparison priced from this profile no longer matches its prices:
    // it is emptied so that it cannot be printed before a new Compare.
    if (hasProjectView()) {
        ProjectView& view = projectView();
        if (view.selectedProfileID() == profileID_
            || (profileID_ == kDefaultProfileID && view.defaultPricingSelected()))
            view.comparisonClear();
    }
    accept();
}

MsgResult frmDorvEditProducts::messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    return execMessageBox(this, text, title, buttons, icon);
}

}  // namespace dv
