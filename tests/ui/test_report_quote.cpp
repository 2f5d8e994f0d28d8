// The project quote's figures: amounts less jamb extensions kept to cents,
// the missing mark, subtotal, state tax, delivery charge and the total built
// from the figures as shown; a wall whose totals are gone stops the quote.
#include "platform/app_error.h"
#include "reports/quote_data.h"
#include "reports/report_rows.h"
#include "tests/ui/report_test_support.h"

namespace {

using dv::Money;

class QuoteDataTest : public dvtest::ReportDataTest {
protected:
    void SetUp() override
    {
        ReportDataTest::SetUp();
        options.quote = true;
        options.stateTax = false;
        options.deliveryCharge = false;
    }
    // One wall quoted at 2x6 with the given figures.
    dv::ProjectQuote quoteOne(const QString& total, const QString& jamb, int missing = -1)
    {
        addTotalsRow(1, QStringLiteral("North"));
        setTotals(1, 6, total, jamb, missing);
        optionsWall(1, QStringLiteral("North"), true);
        return dv::BuildProjectQuote(options);
    }
};

TEST_F(QuoteDataTest, AmountIsTheTotalLessJambExtensionsInCents)
{
    struct Case { const char* total; const char* jamb; const char* cell; };
    const Case cases[] = {
        {"1500", "120", "$1380.00"},
        {"0.5", "0", "$.50"},
        {"0", "0", "$.00"},
        {"10.005", "0", "$10.01"},  // the amount is kept to cents, halves away from zero
        {"10", "12.5", "$-2.50"},
    };
    for (const Case& c : cases) {
        exec(QStringLiteral("DELETE FROM Project_Information"));
        options.walls.clear();
        const dv::ProjectQuote q = quoteOne(QLatin1String(c.total), QLatin1String(c.jamb));
        ASSERT_EQ(q.lines.size(), 1u) << c.total;
        EXPECT_EQ(q.lines[0].cells(), QStringList({"North", " 2x6 Wall", QLatin1String(c.cell)})) << c.total;
        EXPECT_EQ(dv::DollarText(q.subtotal), QLatin1String(c.cell));
        EXPECT_EQ(q.total, q.subtotal);
        EXPECT_FALSE(q.anyMissing);
    }
}

TEST_F(QuoteDataTest, TaxAndDeliveryAddAsShown)
{
    struct Case {
        const char* total; bool tax; const char* rate; bool delivery; const char* charge;
        const char* taxText; const char* deliveryShown; const char* quoteTotal;
    };
    const Case cases[] = {
        {"1000", true, "6.5", false, "", "65.00", "$.00", "$1065.00"},
        {"1000", true, "6.5", true, "25", "65.00", "$25.00", "$1090.00"},
        {"33.33", true, "7", false, "", "2.33", "$.00", "$35.66"},       // 2.3331 adds as 2.33
        {"1380", true, "4.225", false, "", "58.31", "$.00", "$1438.31"},  // 58.305 to cents away from zero
        {"100", false, "", true, "49.999", "0", "$50.00", "$150.00"},
        {"100", false, "", true, "49.995", "0", "$50.00", "$150.00"},     // halves to even, read exactly
        {"100", false, "", true, "49.985", "0", "$49.98", "$149.98"},
        {"100", false, "9", false, "7", "0", "$.00", "$100.00"},          // unticked boxes are not read
    };
    for (const Case& c : cases) {
        exec(QStringLiteral("DELETE FROM Project_Information"));
        options.walls.clear();
        options.stateTax = c.tax;
        options.stateTaxValue = QLatin1String(c.rate);
        options.deliveryCharge = c.delivery;
        options.deliveryChargeValue = QLatin1String(c.charge);
        const dv::ProjectQuote q = quoteOne(QLatin1String(c.total), QStringLiteral("0"));
        SCOPED_TRACE(c.total);
        EXPECT_EQ(q.stateTax, c.tax);
        EXPECT_EQ(q.deliveryCharge, c.delivery);
        EXPECT_EQ(q.taxText, QLatin1String(c.taxText));
        EXPECT_EQ(dv::DollarText(q.delivery), QLatin1String(c.deliveryShown));
        EXPECT_EQ(dv::DollarText(q.total), QLatin1String(c.quoteTotal));
        if (c.tax) {
            EXPECT_EQ(q.taxLabel(), QStringLiteral("State Tax (") + QLatin1String(c.rate) + QStringLiteral("%):"));
        }
    }
}

TEST_F(QuoteDataTest, RatesThatAreNotNumbersAreRefused)
{
    options.stateTax = true;
    options.stateTaxValue = QString();
    try {
        quoteOne(QStringLiteral("10"), QStringLiteral("0"));
        FAIL() << "an empty tax rate was read";
    } catch (const dv::AppError& e) {
        EXPECT_EQ(e.number(), dv::err::TypeMismatch);
    }
    options.stateTax = false;
    options.deliveryCharge = true;
    options.deliveryChargeValue = QStringLiteral("1.2.3");
    EXPECT_THROW(dv::BuildProjectQuote(options), dv::AppError);
}

TEST_F(QuoteDataTest, WallsAtTheirWidthsWithMissingMarksAndAWallWithoutTotalsStopping)
{
    addTotalsRow(1, QStringLiteral("North"));
    addTotalsRow(2, QStringLiteral("South"));
    addTotalsRow(3, QStringLiteral("East"));
    addTotalsRow(5, QStringLiteral("Empty"));
    setTotals(1, 8, QStringLiteral("200"), QStringLiteral("20"), 0);   // missing at 2x8
    setTotals(1, 6, QStringLiteral("999"), QStringLiteral("0"));
    setTotals(2, 10, QStringLiteral("300.25"), QStringLiteral("0.25"));
    setTotals(3, 10, QStringLiteral("50"), QStringLiteral("0"));
    exec(QStringLiteral("UPDATE Project_Information SET Total6 = Null WHERE ID = 5"));
    optionsWall(1, QStringLiteral("North"), false, true);
    optionsWall(2, QStringLiteral("South"), false, false, true);
    optionsWall(3, QStringLiteral("East"), false, false, false);  // none ticked: keeps 2x10
    options.stateTax = true;
    options.stateTaxValue = QStringLiteral("10");
    const dv::ProjectQuote q = dv::BuildProjectQuote(options);
    ASSERT_EQ(q.lines.size(), 3u);
    EXPECT_EQ(q.lines[0].cells(), QStringList({"North", " 2x8 Wall", "$180.00*"}));
    EXPECT_EQ(q.lines[1].cells(), QStringList({"South", " 2x10 Wall", "$300.00"}));
    EXPECT_EQ(q.lines[2].cells(), QStringList({"East", " 2x10 Wall", "$50.00"}));
    EXPECT_TRUE(q.anyMissing);
    EXPECT_EQ(dv::DollarText(q.subtotal), QStringLiteral("$530.00"));
    EXPECT_EQ(q.taxText, QStringLiteral("53.00"));
    EXPECT_EQ(dv::DollarText(q.total), QStringLiteral("$583.00"));
    optionsWall(5, QStringLiteral("Empty"), true);  // empty totals
    try {
        dv::BuildProjectQuote(options);
        ADD_FAILURE() << "the quote left out a wall without totals";
    } catch (const dv::AppError& e) {
        EXPECT_EQ(e.description(), "The quote cannot price wall system 'Empty' at 2x6: its totals are missing.  "
                                   "Press Compare to calculate the project again.");
    }
}

TEST_F(QuoteDataTest, AFirstRowWithoutAWidthGivesNoLine)
{
    addTotalsRow(1, QStringLiteral("North"));
    setTotals(1, 6, QStringLiteral("10"), QStringLiteral("0"));
    optionsWall(1, QStringLiteral("North"), false);
    EXPECT_TRUE(dv::BuildProjectQuote(options).lines.empty());
    options.walls[0].id = QStringLiteral("x");
    EXPECT_THROW(dv::BuildProjectQuote(options), dv::AppError);
}

}  // namespace
