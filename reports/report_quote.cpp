#include "reports/report_quote.h"

#include "reports/modDorvPrint.h"

namespace dv {

void PrintQuoteReport(const ReportOptions& options)
{
    SetPageFooter();
    PrintQuoteReportTitle();
    PrintProjectInformation(options);
}

}  // namespace dv
