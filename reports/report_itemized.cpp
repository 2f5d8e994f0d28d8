#include "reports/report_itemized.h"

#include "reports/modDorvPrint.h"

namespace dv {

// The itemized report has no project information block.
void PrintItemizedReport(const ReportOptions&)
{
    SetPageFooter();
    PrintItemizedReportTitle();
}

}  // namespace dv
