// Money texts of the reports and the products grid, and exact decimal reads.
#include "platform/app_error.h"
#include "platform/money.h"

#include <gtest/gtest.h>

using dv::Money;

namespace {
Money m(const char* s) { return Money::fromText(QString::fromLatin1(s)); }
}

TEST(MoneyFormat, AmountPattern)
{
    const struct { double v; const char* text; } cases[] = {
        {1380, "1380.00"},   {0.5, ".50"},        {0, ".00"},          {-0.25, "-.25"},
        {1380 * 0.04225, "58.31"},                // 58.305 once taken to 15 digits
        {2.3331, "2.33"},    {49.995, "50.00"},   {1234.5, "1234.50"}, {-1.005, "-1.01"},
        {0.004, ".00"},      {-0.004, ".00"},     {1e-9, ".00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dv::formatAmount(c.v), QString::fromLatin1(c.text)) << c.v;
    EXPECT_EQ(dv::formatAmount(m("0.125")), ".13");
    EXPECT_EQ(dv::formatPrice(m("0.5")), "0.50");
    EXPECT_EQ(dv::formatPrice(m("0")), "0.00");
    EXPECT_EQ(dv::formatPrice(m("12.3456")), "12.35");
    EXPECT_THROW(dv::formatAmount(1e300), dv::AppError);
}

TEST(MoneyFormat, CentsHalfEvenAndExactText)
{
    const struct { const char* in; const char* cents; } cases[] = {
        {"2.125", "2.12"}, {"2.135", "2.14"}, {"-2.125", "-2.12"}, {"49.999", "50"}, {"0.005", "0"}, {"0.0051", "0.01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dv::roundCentsHalfEven(m(c.in)).toText(), QString::fromLatin1(c.cents)) << c.in;
    // Exact decimal reads: halves to even at the fourth decimal, exponents shift the point.
    const struct { const char* in; long long raw; } reads[] = {
        {"49.995", 499950}, {"1.00005", 10000}, {"1.00015", 10002}, {"1.000051", 10001}, {"1e3", 10000000},
        {"2.5E-3", 25}, {"-0.00005", 0}, {" 7.25 ", 72500}, {"922337203685477", 9223372036854770000LL},
    };
    for (const auto& r : reads)
        EXPECT_EQ(m(r.in).raw(), r.raw) << r.in;
    for (const char* bad : {"", ".", "1,5", "1e400", "99999999999999999999"})
        EXPECT_THROW(m(bad), dv::AppError) << bad;
}
