// The products grid of the preferences window and the product price editor.
#include "engine/calculate.h"
#include "platform/widgets/data_grid.h"
#include "tests/qstring_print.h"
#include "tests/test_support.h"
#include "ui/profiles/frmDorvEditProducts.h"
#include "ui/profiles/products_grid.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using dv::DataGrid;
using dv::frmDorvEditProducts;
namespace col = dv::products_col;

const QString kCurrencyMessage = QStringLiteral(
    "Please check your input for proper formatting.  You must format your input as currency.");

class TestEditor : public frmDorvEditProducts {
public:
    using frmDorvEditProducts::frmDorvEditProducts;
    struct Shown { QString text, title; dv::MsgIcon icon; };
    std::vector<Shown> messages;

protected:
    dv::MsgResult messageBox(const QString& text, const QString& title, dv::MsgButtons buttons, dv::MsgIcon icon) override
    {
        EXPECT_EQ(buttons, dv::MsgButtons::Ok);
        messages.push_back({text, title, icon});
        return dv::MsgResult::Ok;
    }
};

// Makes test editors and, in place of the modal show, records what the
// editor was filled with and works it.
class ScriptSeam : public dv::ProductEditorSeam {
public:
    std::function<void(TestEditor&)> work;
    int shown = 0;
    QString label, price;
    bool stocked = false;

    std::unique_ptr<frmDorvEditProducts> makeEditor(QWidget* owner, int profileID, int productID) override
    {
        return std::make_unique<TestEditor>(profileID, productID, owner);
    }
    void showModal(frmDorvEditProducts& editor) override
    {
        ++shown;
        label = editor.lblProductName->text();
        price = editor.txtLFPrice->text();
        stocked = editor.chkInventory->isChecked();
        if (work)
            work(static_cast<TestEditor&>(editor));
    }
};

class ProductsTest : public dvtest::DbTest {
protected:
    DataGrid grid{dv::ProductsGridCaptions()};

    QString price(int profile, int product)
    {
        return scalar(QStringLiteral("SELECT Product%1 FROM Product_Pricing WHERE CustomerProfileID = %2").arg(product).arg(profile))
            .toText();
    }
    QString stock(int profile, int product)
    {
        return scalar(QStringLiteral("SELECT Product%1 FROM Product_Inventory WHERE CustomerProfileID = %2").arg(product).arg(profile))
            .toText();
    }
    // Profile 2: a copy of the delivered profile's price and stock rows.
    void addSecondProfile()
    {
        for (const char* table : {"Product_Pricing", "Product_Inventory"}) {
            exec(QStringLiteral("INSERT INTO %1 SELECT * FROM %1 WHERE CustomerProfileID = 1").arg(QLatin1String(table)));
            exec(QStringLiteral("UPDATE %1 SET CustomerProfileID = 2 WHERE rowid = (SELECT MAX(rowid) FROM %1)")
                     .arg(QLatin1String(table)));
        }
    }
    // Runs Update on an editor holding text.
    std::unique_ptr<TestEditor> update(int profile, int product, const QString& text, bool stocked = true)
    {
        auto e = std::make_unique<TestEditor>(profile, product);
        e->txtLFPrice->setText(text);
        e->chkInventory->setChecked(stocked);
        QTest::mouseClick(e->cmdUpdate, Qt::LeftButton);
        return e;
    }
    QStringList row(int r)
    {
        QStringList fields;
        for (int c = 0; c < grid.columnCount(); ++c)
            fields << grid.cellText(r, c);
        return fields;
    }
};

TEST_F(ProductsTest, GridShowsEveryProductWithItsDescriptionPriceStockAndRowNumber)
{
    dv::FillProductsGrid(grid, 1);
    ASSERT_EQ(grid.rows(), 24);
    EXPECT_EQ(grid.horizontalHeaderItem(2)->text(), QStringLiteral("LF Price (SF if Panel)"));
    EXPECT_EQ(grid.horizontalHeaderItem(3)->text(), QStringLiteral("Dealer Inventory"));
    // Softwood, engineered, sheathing panel and connector rows.
    EXPECT_EQ(row(0), QStringList({"1", "1.5\" x 5.5\" SPF No.2 Stud", "1.10", "Yes", "1"}));
    EXPECT_EQ(row(3), QStringList({"4", "1.5\" x 5.5\" 1.55E LSL Stud", "2.20", "Yes", "4"}));
    EXPECT_EQ(row(16), QStringList({"17", "5.25\" x 11.875\" 2.0E PSL Header", "8.10", "Yes", "17"}));
    EXPECT_EQ(row(22), QStringList({"23", "OSB Sheathing Panel (4' x 8')", "0.45", "Yes", "23"}));
    EXPECT_EQ(row(23), QStringList({"24", "Column and Header Connector", "1.35", "Yes", "24"}));
}

TEST_F(ProductsTest, GridFollowsProductOrderAndRuleOrderAndRoundsHalfCentsAwayFromZero)
{
    exec(QStringLiteral("UPDATE Products SET OrderID = 0 WHERE ProductID = 24"));
    exec(QStringLiteral("UPDATE Products SET IsSoftwood = -1 WHERE ProductID = 23"));
    exec(QStringLiteral("UPDATE Products SET UseForSheathing = -1 WHERE ProductID = 24"));
    exec(QStringLiteral("UPDATE Product_Pricing SET Product1 = 1.125, Product2 = 1.135, Product3 = 0, Product4 = 12345.6, "
                        "Product5 = 1.1251 WHERE CustomerProfileID = 1"));
    exec(QStringLiteral("UPDATE Product_Inventory SET Product1 = 1, Product2 = 0 WHERE CustomerProfileID = 1"));
    dv::FillProductsGrid(grid, 1);
    // A connector that is also a panel is described as a panel; a softwood panel too.
    // Prices show two decimals, halves away from zero like every amount text.
    EXPECT_EQ(row(0), QStringList({"24", "Column and Header Connector Panel (0' x 0')", "1.35", "Yes", "1"}));
    EXPECT_EQ(grid.cellText(23, col::Name), QStringLiteral("OSB Sheathing Panel (4' x 8')"));
    const struct { int r; const char* price; const char* stock; } cases[] = {
        {1, "1.13", "Yes"}, {2, "1.14", "No"}, {3, "0.00", "Yes"}, {4, "12345.60", "Yes"}, {5, "1.13", "Yes"}};
    for (const auto& c : cases) {
        EXPECT_EQ(grid.cellText(c.r, col::Price), QLatin1String(c.price)) << "row " << c.r;
        EXPECT_EQ(grid.cellText(c.r, col::Stock), QLatin1String(c.stock)) << "row " << c.r;
    }
}

TEST_F(ProductsTest, ProfileWithoutPricingRowsShowsZeroPricesAndNoStock)
{
    dv::FillProductsGrid(grid, 1);
    dv::FillProductsGrid(grid, 7);  // a refill replaces every row
    ASSERT_EQ(grid.rows(), 24);
    for (int r = 0; r < grid.rows(); ++r) {
        EXPECT_EQ(grid.cellText(r, col::Price), QStringLiteral("0.00"));
        EXPECT_EQ(grid.cellText(r, col::Stock), QString());
        EXPECT_EQ(grid.cellText(r, col::RowID), QString::number(r + 1));
    }
}

TEST_F(ProductsTest, ColumnNamesOnlyFromProductIDsThatHaveColumns)
{
    EXPECT_EQ(dv::ProductColumnName(1), QStringLiteral("Product1"));
    EXPECT_EQ(dv::ProductColumnName(40), QStringLiteral("Product40"));
    EXPECT_THROW(dv::ProductColumnName(0), dv::AppError);
    EXPECT_THROW(dv::ProductColumnName(41), dv::AppError);
    exec(QStringLiteral("UPDATE Products SET ProductID = 41 WHERE ProductID = 24"));
    EXPECT_THROW(dv::FillProductsGrid(grid, 1), dv::AppError);
}

TEST_F(ProductsTest, PriceBoxTakesOnlyDigitsAndPointsTypedOrPasted)
{
    TestEditor e(1, 5);
    EXPECT_EQ(e.windowTitle(), QStringLiteral("Dorvane [Edit Product]"));
    EXPECT_TRUE(e.isModal());
    e.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&e));
    e.txtLFPrice->setFocus();
    QTest::keyClicks(e.txtLFPrice, QStringLiteral("a1,2.x5-"));
    EXPECT_EQ(e.txtLFPrice->text(), QStringLiteral("12.5"));
    e.txtLFPrice->clear();
    QApplication::clipboard()->setText(QStringLiteral("$1 234.50e3"));
    QTest::keySequence(e.txtLFPrice, QKeySequence::Paste);
    EXPECT_EQ(e.txtLFPrice->text(), QStringLiteral("1234.503"));
}

TEST_F(ProductsTest, UpdateCutsTheIntegerPartToFourteenDigitsAndKeepsDecimals)
{
    const struct { const char* typed; const char* kept; const char* stored; } cases[] = {
        {"1234567890123456.12", "12345678901234.12", nullptr},
        {"123456789012345", "12345678901234", "12345678901234"},
        {"12345678901234.5", "12345678901234.5", nullptr},
        {"1.123456", "1.123456", "1.1235"},
        {".5", ".5", "0.5"},
        {"7.", "7.", "7"},
    };
    for (const auto& c : cases) {
        auto e = update(1, 5, QLatin1String(c.typed));
        EXPECT_EQ(e->txtLFPrice->text(), QLatin1String(c.kept)) << c.typed;
        EXPECT_TRUE(e->updated()) << c.typed;
        EXPECT_TRUE(e->messages.empty()) << c.typed;
        if (c.stored)
            EXPECT_EQ(price(1, 5), QLatin1String(c.stored)) << c.typed;
        else  // beyond what the stored number holds exactly
            EXPECT_NEAR(scalar(QStringLiteral("SELECT Product5 FROM Product_Pricing")).toDouble(),
                        QString::fromLatin1(c.kept).toDouble(), 0.01) << c.typed;
    }
}

TEST_F(ProductsTest, RefusedPriceLeavesTheEditorOpenAndNothingWritten)
{
    for (const char* typed : {"1.2.3", "", ".", "1..", "-3", "1e5"}) {
        auto e = update(1, 5, QLatin1String(typed), false);
        ASSERT_EQ(e->messages.size(), 1u) << typed;
        EXPECT_EQ(e->messages[0].text, kCurrencyMessage);
        EXPECT_EQ(e->messages[0].title, QStringLiteral("Improper Input Format"));
        EXPECT_EQ(e->messages[0].icon, dv::MsgIcon::None);
        EXPECT_FALSE(e->updated()) << typed;
        EXPECT_EQ(e->result(), QDialog::Rejected);
        EXPECT_EQ(e->txtLFPrice->text(), QLatin1String(typed));
        EXPECT_EQ(price(1, 5), QStringLiteral("2.9"));
        EXPECT_EQ(stock(1, 5), QStringLiteral("-1"));
    }
}

TEST_F(ProductsTest, UpdateWritesPriceAndStockForItsProfileOnly)
{
    addSecondProfile();
    auto e = update(2, 5, QStringLiteral("7.25"), false);
    EXPECT_TRUE(e->updated());
    EXPECT_EQ(e->result(), QDialog::Accepted);
    EXPECT_EQ(price(2, 5), QStringLiteral("7.25"));
    EXPECT_EQ(stock(2, 5), QStringLiteral("0"));
    EXPECT_EQ(price(1, 5), QStringLiteral("2.9"));
    EXPECT_EQ(stock(1, 5), QStringLiteral("-1"));
    update(2, 5, QStringLiteral("7.25"), true);
    EXPECT_EQ(stock(2, 5), QStringLiteral("-1"));
}

TEST_F(ProductsTest, UpdateOnAProfileWithoutPricingRowsIsAnErrorAndWritesNothing)
{
    addSecondProfile();
    exec(QStringLiteral("DELETE FROM Product_Inventory WHERE CustomerProfileID = 2"));
    auto e = update(2, 5, QStringLiteral("9"), false);
    ASSERT_EQ(e->messages.size(), 1u);
    EXPECT_EQ(e->messages[0].text, QStringLiteral("Error 100: No Product Inventory Found"));
    EXPECT_FALSE(e->updated());
    EXPECT_EQ(price(2, 5), QStringLiteral("2.9"));  // the price written first was rolled back

    auto none = update(7, 5, QStringLiteral("9"));
    ASSERT_EQ(none->messages.size(), 1u);
    EXPECT_EQ(none->messages[0].text, QStringLiteral("Error 100: No Product Pricing Found"));
    EXPECT_FALSE(none->updated());
}

TEST_F(ProductsTest, UpdateEmptiesTheComparisonOnlyWhenItIsPricedFromTheProfile)
{
    addSecondProfile();
    const struct { int selected; bool defaultPricing; int edited; bool cleared; } cases[] = {
        {1, false, 1, true}, {1, false, 2, false}, {2, false, 2, true}, {2, true, 1, true}, {2, false, 1, false}};
    for (const auto& c : cases) {
        view.profileID = c.selected;
        view.defaultPricing = c.defaultPricing;
        view.comparisonRows = {{"1", "North", "$1.00/$0.00", "$2.00/$0.00", "$3.00/$0.00"}};
        update(c.edited, 3, QStringLiteral("2"));
        EXPECT_EQ(view.comparisonRows.empty(), c.cleared) << c.selected << " " << c.edited;
    }
}

TEST_F(ProductsTest, EditFillsTheEditorAndReturnsToTheEditedRow)
{
    exec(QStringLiteral("UPDATE Product_Inventory SET Product12 = 0 WHERE CustomerProfileID = 1"));
    dv::FillProductsGrid(grid, 1);
    ScriptSeam seam;
    seam.work = [](TestEditor& e) {
        e.txtLFPrice->setText(QStringLiteral("4.5"));
        QTest::mouseClick(e.cmdUpdate, Qt::LeftButton);
    };
    int refills = 0;
    dv::EditProductAt(nullptr, grid, 1, 11, [&] { ++refills; dv::FillProductsGrid(grid, 1); }, &seam);
    EXPECT_EQ(seam.shown, 1);
    EXPECT_EQ(seam.label, QStringLiteral("1.5\" x 9.25\" 1.3E LSL Framing"));
    EXPECT_EQ(seam.price, QStringLiteral("3.05"));
    EXPECT_FALSE(seam.stocked);
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(grid.cellText(11, col::Price), QStringLiteral("4.50"));
    EXPECT_EQ(grid.cellText(11, col::Stock), QStringLiteral("No"));
    EXPECT_EQ(grid.cursorRow(), 11);
    EXPECT_EQ(grid.selectedRow(), 11);

    // The first row, closed without Update: nothing written, no refill.
    seam.work = nullptr;
    dv::EditProductAt(nullptr, grid, 1, 0, [&] { ++refills; }, &seam);
    EXPECT_EQ(seam.shown, 2);
    EXPECT_TRUE(seam.stocked);
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(grid.cursorRow(), 0);
    EXPECT_EQ(grid.selectedRow(), 0);
    EXPECT_EQ(price(1, 1), QStringLiteral("1.1"));
}

TEST_F(ProductsTest, EditWithoutACurrentRowDoesNothing)
{
    ScriptSeam seam;
    dv::EditProductAt(nullptr, grid, 1, -1, {}, &seam);  // empty grid
    dv::FillProductsGrid(grid, 1);
    dv::EditProductAt(nullptr, grid, 1, -1, {}, &seam);  // filled, nothing current
    dv::EditProductAt(nullptr, grid, 1, 24, {}, &seam);  // beyond the last row
    EXPECT_EQ(seam.shown, 0);
}

TEST_F(ProductsTest, EditShowsTheEditorModallyAndRefillsTheGrid)
{
    dv::FillProductsGrid(grid, 1);
    grid.selectRowAt(4);
    QTimer::singleShot(0, [] {
        auto* e = qobject_cast<frmDorvEditProducts*>(QApplication::activeModalWidget());
        ASSERT_NE(e, nullptr);
        e->txtLFPrice->setText(QStringLiteral("6"));
        QTest::mouseClick(e->cmdUpdate, Qt::LeftButton);
    });
    dv::EditProductAt(nullptr, grid, 1);
    EXPECT_EQ(price(1, 5), QStringLiteral("6"));
    EXPECT_EQ(grid.cellText(4, col::Price), QStringLiteral("6.00"));
    EXPECT_EQ(grid.cursorRow(), 4);
}

TEST_F(ProductsTest, CompareTakesTheEditedPriceAndStock)
{
    addEaveWall(1, QStringLiteral("North"), 10, 30, 24);
    view.wallRows.push_back({"1", "North", "Yes"});
    auto rowsOf = [&](int product) {
        return count(QStringLiteral("Material_List"), QStringLiteral("ProductID = %1 AND MemberType = 'Stud'").arg(product));
    };
    dv::RunCompare();
    ASSERT_GT(rowsOf(1), 0);
    ASSERT_GT(count(QStringLiteral("Material_List"), QStringLiteral("ProductID = 10")), 0);

    update(1, 10, QStringLiteral("9.99"));
    update(1, 1, QStringLiteral("1.10"), false);
    dv::RunCompare();
    EXPECT_EQ(rowsOf(1), 0);
    EXPECT_GT(rowsOf(4), 0);  // the engineered stud of the same width instead
    EXPECT_EQ(count(QStringLiteral("Material_List"), QStringLiteral("ProductID = 10 AND LFPrice <> 9.99")), 0);
}

}  // namespace
