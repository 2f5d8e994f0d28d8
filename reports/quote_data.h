#pragma once
// The figures of the project quote: one priced line per wall at the width
// ticked for it in the report options, the subtotal, the optional state tax
// and delivery charge, and the quote total. Read from the stored totals of
// the last re-pricing; nothing is written.
#include "platform/money.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace dv {

class ReportOptions;

struct QuoteLine {
    QString wallName;
    int width = 0;       // 6, 8 or 10
    Money amount;        // the wall's total less its jamb extensions, in cents
    bool missing = false;  // some stud, column or header of the width found no product
    // Wall name, " 2x6 Wall", "$1380.00" with "*" when missing.
    QStringList cells() const;
};

struct ProjectQuote {
    std::vector<QuoteLine> lines;
    bool anyMissing = false;
    Money subtotal;
    bool stateTax = false;
    QString taxRateText;   // the rate as typed ("6.5")
    QString taxText = QStringLiteral("0");  // the tax in the pattern "#######.00"
    bool deliveryCharge = false;
    Money delivery;        // the charge rounded to cents, halves to even
    Money total;           // subtotal + tax and delivery as shown

    QString taxLabel() const;  // "State Tax (6.5%):"
};

// Table shape of the quote.
QString QuoteTableFormat();
QStringList QuoteTableHeader();

// The quote of the walls in the report options. A wall whose totals row is
// gone, or whose totals at the chosen width are empty, stops the quote with
// AppError MissingTotals naming the wall; a first row with no width ticked
// gives no line. AppError TypeMismatch for a tax rate or delivery charge
// that is not a number.
ProjectQuote BuildProjectQuote(const ReportOptions& options);

}  // namespace dv
