#pragma once
// The two sections of the summary report that follow its title: the
// comparison of the three wall widths, re-priced with the markup chosen in
// the report options, and the products included in each wall system.
#include <QString>

namespace dv {

class PrintDocument;
class ReportOptions;

// The price factor text for an override markup in percent, in C notation:
// "15" gives "1.15", "0" gives "1". AppError TypeMismatch when the text is
// no number.
QString OverrideFactorText(const QString& markupPercent);

// Re-prices the project (with the override factor when the override is
// ticked, else with the profile's own markup) and prints the comparison
// table, with its footnote when any cell holds "*". The totals and the
// comparison stay re-priced afterwards.
void PrintWallSystemComparison(PrintDocument& doc, const ReportOptions& options);
// The fixed product lines, then the trimmer, cripple, blocking and
// sheathing products the selected profile includes.
void PrintIncludedProducts(PrintDocument& doc);

}  // namespace dv
