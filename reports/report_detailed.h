#pragma once
#include "reports/report_options.h"

namespace dv {

// Draws the detailed summary report on the report printer, from its footer and title on.
void PrintDetailedReport(const ReportOptions& options);

}  // namespace dv
