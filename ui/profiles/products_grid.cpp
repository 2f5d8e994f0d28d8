#include "ui/profiles/products_grid.h"
#include "core/app_state.h"
#include "core/profiles.h"
#include "platform/app_error.h"
#include "platform/db.h"
#include "platform/money.h"
#include "platform/widgets/data_grid.h"
#include "ui/profiles/frmDorvEditProducts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <optional>

namespace dv {

namespace {

bool isSet(const Value& v) { return !v.isNull() && v.toBool(); }

// A product's description by the first rule that applies: a sheathing panel
// by its size in feet, a connector by its bare name, a softwood member by
// its size in inches, any other member by its size and grade.
QString productDescription(const Recordset& product)
{
    const QString name = product[QStringLiteral("ProductName")].toText();
    const QString width = product[QStringLiteral("ProductWidth")].toText();
    const QString depth = product[QStringLiteral("ProductDepth")].toText();
    if (isSet(product[QStringLiteral("UseForSheathing")]))
        return name + QStringLiteral(" Panel (") + width + QStringLiteral("' x ") + depth + QStringLiteral("')");
    if (isSet(product[QStringLiteral("IsConnector")]))
        return name;
    const QString size = width + QStringLiteral("\" x ") + depth + QStringLiteral("\" ");
    if (isSet(product[QStringLiteral("IsSoftwood")]))
        return size + name;
    return size + product[QStringLiteral("eValue")].toText() + QLatin1Char(' ') + name;
}

// First field of the profile's row in a pricing table; nothing without a row.
std::optional<Value> profileField(const QString& column, const QString& table, int profileID)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM ") + table
                                                + QStringLiteral(" WHERE CustomerProfileID = ?"));
    st.bind(1, profileID);
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return std::nullopt;
    return rs.field(0);
}

// Makes the row numbered rowID (from 1) current again, counting from the
// first row, and shows it to the user.
void returnToRow(DataGrid& grid, int rowID)
{
    grid.moveFirst();
    for (int i = 1; i < rowID && grid.cursorRow() >= 0; ++i)
        grid.moveNext();
    const int target = grid.cursorRow();
    if (target < 0)
        return;
    grid.selectRowAt(target);
    grid.scrollToItem(grid.item(target, 0));
}

}  // namespace

QStringList ProductsGridCaptions()
{
    return {QStringLiteral("ID"), QStringLiteral("Product Name"), QStringLiteral("LF Price (SF if Panel)"),
            QStringLiteral("Dealer Inventory"), QStringLiteral("RowID")};
}

QString ProductPriceText(long long raw) { return formatPrice(Money::fromRaw(raw)); }

void FillProductsGrid(DataGrid& grid, int profileID)
{
    grid.removeAll();
    // Amounts stand right-aligned, as in every grid.
    grid.setColumnAlignment(products_col::Price, Qt::AlignRight | Qt::AlignVCenter);
    Recordset products = DbConnection.query(QStringLiteral("SELECT * FROM Products ORDER BY OrderID, rowid"));
    int rowNumber = 1;
    while (!products.eof()) {
        const QString description = productDescription(products);
        const int productID = products[QStringLiteral("ProductID")].toInt16();
        const QString column = ProductColumn(productID);
        // Without the profile's row the price stays 0 and the stock empty.
        Money price;
        if (const std::optional<Value> v = profileField(column, QStringLiteral("Product_Pricing"), profileID))
            price = v->toMoney();
        QString stock;
        if (const std::optional<Value> v = profileField(column, QStringLiteral("Product_Inventory"), profileID))
            stock = isSet(*v) ? QStringLiteral("Yes") : QStringLiteral("No");
        grid.addRowFields({QString::number(productID), description, ProductPriceText(price.raw()), stock,
                           QString::number(rowNumber)});
        products.moveNext();
        ++rowNumber;
    }
}

std::unique_ptr<frmDorvEditProducts> ProductEditorSeam::makeEditor(QWidget* owner, int profileID, int productID)
{
    return std::make_unique<frmDorvEditProducts>(profileID, productID, owner);
}

void ProductEditorSeam::showModal(frmDorvEditProducts& editor) { editor.exec(); }

void EditProductAt(QWidget* owner, DataGrid& grid, int profileID, int row, const std::function<void()>& refill,
                   ProductEditorSeam* seam)
{
    if (row >= 0)
        grid.setCursorRow(row);
    if (grid.cursorRow() < 0)
        return;
    bool ok = false;
    int rowID = grid.value(products_col::RowID).toInt(&ok);
    if (!ok || rowID < 1)
        rowID = grid.cursorRow() + 1;
    const int productID = grid.value(products_col::ID).toInt(&ok);
    if (!ok)
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    ProductColumn(productID);  // refuses an ID without columns before anything opens

    ProductEditorSeam plain;
    ProductEditorSeam& s = seam ? *seam : plain;
    std::unique_ptr<frmDorvEditProducts> editor = s.makeEditor(owner, profileID, productID);
    editor->lblProductName->setText(grid.value(products_col::Name));
    editor->txtLFPrice->setText(grid.value(products_col::Price));
    editor->chkInventory->setChecked(grid.value(products_col::Stock) != QLatin1String("No"));
    s.showModal(*editor);
    const bool updated = editor->updated();
    editor.reset();

    if (updated) {
        try {
            if (refill)
                refill();
            else
                FillProductsGrid(grid, profileID);
        } catch (...) {
            returnToRow(grid, rowID);
            throw;
        }
    }
    returnToRow(grid, rowID);
}

}  // namespace dv
