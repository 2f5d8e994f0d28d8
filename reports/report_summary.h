#pragma once
#include "reports/report_options.h"

namespace dv {

// Draws the summary report on the report printer, from its footer and title on.
void PrintSummaryReport(const ReportOptions& options);

}  // namespace dv
