#include "reports/quote_data.h"

#include "core/app_state.h"
#include "platform/app_error.h"
#include "platform/numbers.h"
#include "reports/report_options.h"
#include "reports/report_rows.h"

namespace dv {

QStringList QuoteLine::cells() const
{
    return {wallName, QStringLiteral(" 2x%1 Wall").arg(width),
            DollarText(amount) + (missing ? QStringLiteral("*") : QString())};
}

QString ProjectQuote::taxLabel() const { return QStringLiteral("State Tax (") + taxRateText + QStringLiteral("%):"); }

QString QuoteTableFormat() { return QStringLiteral("<+~4.00in|<+~2.00in|<+~2.00in"); }

QStringList QuoteTableHeader()
{
    return {QStringLiteral("Wall Name"), QStringLiteral("Wall Width"), QStringLiteral("Total")};
}

namespace {

// The width ticked in a row; with several ticked the widest wins, with none
// the previous row's width stays.
int tickedWidth(const ReportOptions& options, int row, int previous)
{
    int width = previous;
    static constexpr int kWidths[3] = {6, 8, 10};
    for (int i = 0; i < 3; ++i)
        if (options.widthTicked(row, i))
            width = kWidths[i];
    return width;
}

// Reads the wall's totals at the width into line; false when the row is
// gone or its figures are empty.
bool readTotals(std::int16_t wallID, int width, QuoteLine& line)
{
    PreparedStatement& st =
        DbConnection.cached(QStringLiteral("SELECT * FROM Project_Information WHERE ID = ? ORDER BY rowid LIMIT 1"));
    st.bind(1, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return false;
    const QString w = QString::number(width);
    const Value total = rs.field(QStringLiteral("Total") + w);
    const Value missing = rs.field(QStringLiteral("Missing") + w);
    const Value jamb = rs.field(w + QStringLiteral("JambX"));
    if (total.isNull() || missing.isNull())
        return false;
    const Money jambCost = jamb.isNull() ? Money() : jamb.toMoney();
    // Kept to the cents the quote shows: the amount's text read back.
    line.amount = Money::fromText(formatAmount(total.toMoney() - jambCost));
    line.missing = missing.toDouble() == 0;
    return true;
}

double typedRate(const QString& text)
{
    double v = 0;
    if (!parseStrictNumber(text, &v))
        throw AppError(err::TypeMismatch, QStringLiteral("Please check your 'State Tax' input for proper formatting.  "
                                                         "You must format your input as a number."));
    return v;
}

Money typedDelivery(const QString& text)
{
    if (!parseStrictNumber(text, nullptr))
        throw AppError(err::TypeMismatch, QStringLiteral("Please check your 'Delivery Charge' input for proper "
                                                         "formatting.  You must format your input as currency."));
    return roundCentsHalfEven(Money::fromText(text));
}

}  // namespace

ProjectQuote BuildProjectQuote(const ReportOptions& options)
{
    ProjectQuote q;
    int width = 0;
    const int rows = options.wallRowCount();
    for (int row = 0; row < rows; ++row) {
        QuoteLine line;
        const std::int16_t wallID = ReportWallID(options.wallRowID(row));
        line.wallName = options.wallRowName(row);
        width = tickedWidth(options, row, width);
        line.width = width;
        // A first row with no width ticked has nothing to price; the options
        // window lets no such row through.
        if (width != 6 && width != 8 && width != 10)
            continue;
        // A quote without one of its walls would read as complete: it stops.
        if (!readTotals(wallID, width, line))
            throw AppError(err::MissingTotals,
                           QStringLiteral("The quote cannot price wall system '%1' at 2x%2: its totals are missing.  "
                                          "Press Compare to calculate the project again.")
                               .arg(line.wallName)
                               .arg(width));
        q.anyMissing = q.anyMissing || line.missing;
        q.subtotal += line.amount;
        q.lines.push_back(line);
    }
    Money tax;
    if (options.stateTaxTicked()) {
        q.stateTax = true;
        q.taxRateText = options.stateTaxText();
        const double rate = typedRate(q.taxRateText) / 100.0;
        q.taxText = formatAmount(checkedFinite(q.subtotal.toDouble() * rate, "state tax"));
        tax = Money::fromText(q.taxText);
    }
    if (options.deliveryChargeTicked()) {
        q.deliveryCharge = true;
        q.delivery = typedDelivery(options.deliveryChargeText());
    }
    q.total = q.subtotal + tax + q.delivery;
    return q;
}

}  // namespace dv
