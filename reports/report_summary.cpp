#include "reports/report_summary.h"

#include "reports/modDorvPrint.h"

namespace dv {

void PrintSummaryReport(const ReportOptions& options)
{
    SetPageFooter();
    PrintSummaryReportTitle();
    PrintProjectInformation(options);
}

}  // namespace dv
