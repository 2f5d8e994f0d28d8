#pragma once
#include "reports/report_options.h"

namespace dv {

class PrintDocument;

// Draws the project quote report on the report printer, from its footer and title on.
void PrintQuoteReport(const ReportOptions& options);

// The quote table (one line per wall at its ticked width), the subtotal,
// the state tax and delivery charge when ticked, the quote total, and the
// note on missing members when some line is marked.
void PrintProjectQuote(PrintDocument& doc, const ReportOptions& options);

}  // namespace dv
