#pragma once
#include "reports/report_options.h"

namespace dv {

// Draws the itemized material report on the report printer, from its footer and title on.
void PrintItemizedReport(const ReportOptions& options);

}  // namespace dv
