#pragma once
// The products grid of the preferences window: every product with one
// profile's price and stock flag, and the road from a double-click on a row
// through the price editor back to the same row.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace dv {

class DataGrid;
class frmDorvEditProducts;

// Columns of the products grid.
namespace products_col {
constexpr int ID = 0;
constexpr int Name = 1;
constexpr int Price = 2;
constexpr int Stock = 3;
constexpr int RowID = 4;  // running row number from 1, used to find the row again
}  // namespace products_col

// "ID", "Product Name", "LF Price (SF if Panel)", "Dealer Inventory", "RowID".
QStringList ProductsGridCaptions();

// A price as the grid shows it: two decimals, halves away from zero like
// every amount text, "." whatever the user's locale ("#0.00").
QString ProductPriceText(long long rawTenThousandths);

// Refills the grid: every product in its order, its description, the
// profile's price and stock, and the row number. Without a pricing row the
// price reads "0.00"; without a stock row the stock cell is empty.
void FillProductsGrid(DataGrid& grid, int profileID);

// How the price editor is made and shown; tests put a stand-in here that
// answers the editor's message boxes and works it.
class ProductEditorSeam {
public:
    virtual ~ProductEditorSeam() = default;
    virtual std::unique_ptr<frmDorvEditProducts> makeEditor(QWidget* owner, int profileID, int productID);
    // Shows the editor modally; returns when it has closed.
    virtual void showModal(frmDorvEditProducts& editor);
};

// The double-click on a products grid row: row becomes the current row
// (row < 0 keeps the current one); with no current row nothing happens.
// The editor is filled from the row and shown modally for profileID (the
// profile the grid shows); after an Update the grid is refilled by refill
// (FillProductsGrid for profileID when empty). However the editor closed,
// the edited product's row is current, selected and scrolled into view
// again. Errors are raised to the caller.
void EditProductAt(QWidget* owner, DataGrid& grid, int profileID, int row = -1,
                   const std::function<void()>& refill = {}, ProductEditorSeam* seam = nullptr);

}  // namespace dv
