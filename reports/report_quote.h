#pragma once
#include "reports/report_options.h"

namespace dv {

// Draws the project quote report on the report printer, from its footer and title on.
void PrintQuoteReport(const ReportOptions& options);

}  // namespace dv
