// The products grid of the preferences window and the product price editor.
#include "core/profiles.h"
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

class TestEditor : public frmDorvEditProducts {
public:
    using frmDorvEditProducts::frmDorvEditProducts;
    QStringList messages;  // "title|text"
    std::vector<dv::MsgIcon> icons;

protected:
    dv::MsgResult messageBox(const QString& text, const QString& title, dv::MsgButtons buttons, dv::MsgIcon icon) override
    {
        EXPECT_EQ(buttons, dv::MsgButtons::Ok);
        messages << title + '|' + text;
        icons.push_back(icon);
        return dv::MsgResult::Ok;
    }
};

// Makes test editors and, in place of the modal show, records what the
// editor was filled with ("name|price|stock") and works it.
class ScriptSeam : public dv::ProductEditorSeam {
public:
    std::function<void(TestEditor&)> work;
    QStringList shown;

    std::unique_ptr<frmDorvEditProducts> makeEditor(QWidget* owner, int profileID, int productID) override
    {
        return std::make_unique<TestEditor>(profileID, productID, owner);
    }
    void showModal(frmDorvEditProducts& e) override
    {
        shown << e.lblProductName->text() + '|' + e.txtLFPrice->text() + (e.chkInventory->isChecked() ? "|Yes" : "|No");
        if (work)
            work(static_cast<TestEditor&>(e));
    }
};

class ProductsTest : public dvtest::DbTest {
protected:
    DataGrid grid{dv::ProductsGridCaptions()};

    QString field(const char* table, int profile, int product)
    {
        return scalar(QStringLiteral("SELECT Product%1 FROM %2 WHERE CustomerProfileID = %3")
                          .arg(product).arg(QLatin1String(table)).arg(profile)).toText();
    }
    QString price(int profile, int product) { return field("Product_Pricing", profile, product); }
    QString stock(int profile, int product) { return field("Product_Inventory", profile, product); }
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

TEST_F(ProductsTest, GridShowsEveryProductAndAProfileWithoutPricingRowsShowsZeroAndNoStock)
{
    dv::FillProductsGrid(grid, 1);
    ASSERT_EQ(grid.rows(), 24);
    EXPECT_EQ(grid.horizontalHeaderItem(2)->text() + '/' + grid.horizontalHeaderItem(3)->text(),
              "LF Price (SF if Panel)/Dealer Inventory");
    // Softwood, engineered, sheathing panel and connector rows.
    EXPECT_EQ(row(0), QStringList({"1", "1.5\" x 5.5\" SPF No.2 Stud", "1.10", "Yes", "1"}));
    EXPECT_EQ(row(3), QStringList({"4", "1.5\" x 5.5\" 1.55E LSL Stud", "2.20", "Yes", "4"}));
    EXPECT_EQ(row(16), QStringList({"17", "5.25\" x 11.875\" 2.0E PSL Header", "8.10", "Yes", "17"}));
    EXPECT_EQ(row(22), QStringList({"23", "OSB Sheathing Panel (4' x 8')", "0.45", "Yes", "23"}));
    EXPECT_EQ(row(23), QStringList({"24", "Column and Header Connector", "1.35", "Yes", "24"}));

    dv::FillProductsGrid(grid, 7);  // a refill replaces every row
    ASSERT_EQ(grid.rows(), 24);
    for (int r = 0; r < grid.rows(); ++r)
        EXPECT_EQ(row(r).mid(col::Price), QStringList({"0.00", "", QString::number(r + 1)})) << r;
}

TEST_F(ProductsTest, PricesStandRightAligned)
{
    dv::FillProductsGrid(grid, 1);
    for (int c = 0; c < grid.columnCount(); ++c)
        EXPECT_EQ(grid.item(0, c)->textAlignment() & Qt::AlignHorizontal_Mask,
                  c == col::Price ? int(Qt::AlignRight) : int(Qt::AlignLeft)) << c;
}

TEST_F(ProductsTest, GridFollowsProductOrderAndRuleOrderAndRoundsHalfCentsAwayFromZero)
{
    exec("UPDATE Products SET OrderID = 0 WHERE ProductID = 24");
    exec("UPDATE Products SET IsSoftwood = -1 WHERE ProductID = 23");
    exec("UPDATE Products SET UseForSheathing = -1 WHERE ProductID = 24");
    exec("UPDATE Product_Pricing SET Product1 = 1.125, Product2 = 1.135, Product3 = 0, Product4 = 12345.6, "
         "Product5 = 1.1251 WHERE CustomerProfileID = 1");
    exec("UPDATE Product_Inventory SET Product1 = 1, Product2 = 0 WHERE CustomerProfileID = 1");
    dv::FillProductsGrid(grid, 1);
    // A connector that is also a panel is described as a panel; a softwood panel too.
    // Prices show two decimals, halves away from zero like every amount text.
    EXPECT_EQ(row(0), QStringList({"24", "Column and Header Connector Panel (0' x 0')", "1.35", "Yes", "1"}));
    EXPECT_EQ(grid.cellText(23, col::Name), "OSB Sheathing Panel (4' x 8')");
    const struct { int r; const char* price; const char* stock; } cases[] = {
        {1, "1.13", "Yes"}, {2, "1.14", "No"}, {3, "0.00", "Yes"}, {4, "12345.60", "Yes"}, {5, "1.13", "Yes"}};
    for (const auto& c : cases)
        EXPECT_EQ(row(c.r).mid(col::Price, 2), QStringList({c.price, c.stock})) << "row " << c.r;
}

TEST_F(ProductsTest, ColumnNamesOnlyFromProductIDsThatHaveColumns)
{
    EXPECT_EQ(dv::ProductColumn(1) + dv::ProductColumn(40), "Product1Product40");
    EXPECT_THROW(dv::ProductColumn(0), dv::AppError);
    EXPECT_THROW(dv::ProductColumn(41), dv::AppError);
    exec("UPDATE Products SET ProductID = 41 WHERE ProductID = 24");
    EXPECT_THROW(dv::FillProductsGrid(grid, 1), dv::AppError);
}

TEST_F(ProductsTest, PriceBoxTakesOnlyDigitsAndPointsTypedAndAPasteAsItStands)
{
    TestEditor e(1, 5);
    EXPECT_EQ(e.windowTitle(), "Dorvane [Edit Product]");
    EXPECT_TRUE(e.isModal());
    e.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&e));
    e.txtLFPrice->setFocus();
    QTest::keyClicks(e.txtLFPrice, "a1,2.x5-");
    EXPECT_EQ(e.txtLFPrice->text(), "12.5");
    e.txtLFPrice->clear();
    QApplication::clipboard()->setText("$1 234.50e3");
    QTest::keySequence(e.txtLFPrice, QKeySequence::Paste);
    EXPECT_EQ(e.txtLFPrice->text(), "$1 234.50e3");  // as it stands, for the save to refuse
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
        SCOPED_TRACE(c.typed);
        auto e = update(1, 5, c.typed);
        EXPECT_EQ(e->txtLFPrice->text(), c.kept);
        EXPECT_TRUE(e->updated());
        EXPECT_TRUE(e->messages.empty());
        if (c.stored)
            EXPECT_EQ(price(1, 5), c.stored);
        else  // beyond what the stored number holds exactly
            EXPECT_NEAR(scalar("SELECT Product5 FROM Product_Pricing").toDouble(), QString(c.kept).toDouble(), 0.01);
    }
}

TEST_F(ProductsTest, RefusedPriceLeavesTheEditorOpenAndNothingWritten)
{
    for (const char* typed : {"1.2.3", "", ".", "1..", "-3", "1e5"}) {
        SCOPED_TRACE(typed);
        auto e = update(1, 5, typed, false);
        EXPECT_EQ(e->messages, QStringList{"Improper Input Format|Please check your input for proper formatting.  "
                                           "You must format your input as currency."});
        EXPECT_EQ(e->icons, std::vector<dv::MsgIcon>{dv::MsgIcon::None});
        EXPECT_FALSE(e->updated());
        EXPECT_EQ(e->result(), QDialog::Rejected);
        EXPECT_EQ(e->txtLFPrice->text(), typed);
        EXPECT_EQ(price(1, 5) + '/' + stock(1, 5), "2.9/-1");
    }
}

TEST_F(ProductsTest, UpdateWritesItsProfileOnlyEmptiesAComparisonPricedFromItAndNeedsPricingRows)
{
    addSecondProfile();
    const struct { int selected; bool defaultPricing; int edited; bool cleared; } pricedBy[] = {
        {1, false, 1, true}, {1, false, 2, false}, {2, false, 2, true}, {2, true, 1, true}, {2, false, 1, false}};
    for (const auto& c : pricedBy) {
        view.profileID = c.selected;
        view.defaultPricing = c.defaultPricing;
        view.comparisonRows = {{"1", "North", "$1.00/$0.00", "$2.00/$0.00", "$3.00/$0.00"}};
        update(c.edited, 3, "2");
        EXPECT_EQ(view.comparisonRows.empty(), c.cleared) << c.selected << " " << c.edited;
    }

    auto e = update(2, 5, "7.25", false);
    EXPECT_TRUE(e->updated());
    EXPECT_EQ(e->result(), QDialog::Accepted);
    EXPECT_EQ(price(2, 5) + '/' + stock(2, 5), "7.25/0");
    EXPECT_EQ(price(1, 5) + '/' + stock(1, 5), "2.9/-1");
    update(2, 5, "7.25", true);
    EXPECT_EQ(stock(2, 5), "-1");

    // No stock row: the price written first is rolled back.
    exec("DELETE FROM Product_Inventory WHERE CustomerProfileID = 2");
    const struct { int profile; const char* message; } cases[] = {
        {2, "Error 100: No Product Inventory Found"}, {7, "Error 100: No Product Pricing Found"}};
    for (const auto& c : cases) {
        auto failed = update(c.profile, 5, "9", false);
        EXPECT_EQ(failed->messages, QStringList{QStringLiteral("Dorvane|") + c.message}) << c.profile;
        EXPECT_FALSE(failed->updated());
    }
    EXPECT_EQ(price(2, 5), "7.25");
}

TEST_F(ProductsTest, EditFillsTheEditorAndReturnsToTheEditedRowAndNeedsACurrentRow)
{
    ScriptSeam seam;
    dv::EditProductAt(nullptr, grid, 1, -1, {}, &seam);  // empty grid
    exec("UPDATE Product_Inventory SET Product12 = 0 WHERE CustomerProfileID = 1");
    dv::FillProductsGrid(grid, 1);
    dv::EditProductAt(nullptr, grid, 1, -1, {}, &seam);  // filled, nothing current
    dv::EditProductAt(nullptr, grid, 1, 24, {}, &seam);  // beyond the last row
    EXPECT_TRUE(seam.shown.empty());

    seam.work = [](TestEditor& e) {
        e.txtLFPrice->setText("4.5");
        QTest::mouseClick(e.cmdUpdate, Qt::LeftButton);
    };
    int refills = 0;
    dv::EditProductAt(nullptr, grid, 1, 11, [&] { ++refills; dv::FillProductsGrid(grid, 1); }, &seam);
    EXPECT_EQ(seam.shown, QStringList{"1.5\" x 9.25\" 1.3E LSL Framing|3.05|No"});
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(row(11).mid(col::Price, 2), QStringList({"4.50", "No"}));
    EXPECT_EQ(grid.cursorRow(), 11);
    EXPECT_EQ(grid.selectedRow(), 11);

    // The first row, closed without Update: nothing written, no refill.
    seam.work = nullptr;
    dv::EditProductAt(nullptr, grid, 1, 0, [&] { ++refills; }, &seam);
    ASSERT_EQ(seam.shown.size(), 2);
    EXPECT_EQ(seam.shown[1], "1.5\" x 5.5\" SPF No.2 Stud|1.10|Yes");
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(grid.cursorRow(), 0);
    EXPECT_EQ(grid.selectedRow(), 0);
    EXPECT_EQ(price(1, 1), "1.1");
}

TEST_F(ProductsTest, EditShowsTheEditorModallyAndRefillsTheGrid)
{
    dv::FillProductsGrid(grid, 1);
    grid.selectRowAt(4);
    QTimer::singleShot(0, [] {
        auto* e = qobject_cast<frmDorvEditProducts*>(QApplication::activeModalWidget());
        ASSERT_NE(e, nullptr);
        e->txtLFPrice->setText("6");
        QTest::mouseClick(e->cmdUpdate, Qt::LeftButton);
    });
    dv::EditProductAt(nullptr, grid, 1);
    EXPECT_EQ(price(1, 5), "6");
    EXPECT_EQ(grid.cellText(4, col::Price), "6.00");
    EXPECT_EQ(grid.cursorRow(), 4);
}

TEST_F(ProductsTest, CompareTakesTheEditedPriceAndStock)
{
    addEaveWall(1, "North", 10, 30, 24);
    view.wallRows.push_back({"1", "North", "Yes"});
    auto studRows = [&](int product) {
        return count("Material_List", QStringLiteral("ProductID = %1 AND MemberType = 'Stud'").arg(product));
    };
    dv::RunCompare();
    ASSERT_GT(studRows(1), 0);
    ASSERT_GT(count("Material_List", "ProductID = 10"), 0);

    update(1, 10, "9.99");
    update(1, 1, "1.10", false);
    dv::RunCompare();
    EXPECT_EQ(studRows(1), 0);
    EXPECT_GT(studRows(4), 0);  // the engineered stud of the same width instead
    EXPECT_EQ(count("Material_List", "ProductID = 10 AND LFPrice <> 9.99"), 0);
}

}  // namespace
