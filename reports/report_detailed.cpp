#include "reports/report_detailed.h"

#include "reports/modDorvPrint.h"

namespace dv {

void PrintDetailedReport(const ReportOptions& options)
{
    SetPageFooter();
    PrintDetailedReportTitle();
    PrintProjectInformation(options);
}

}  // namespace dv
