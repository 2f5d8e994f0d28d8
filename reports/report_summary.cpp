#include "reports/report_summary.h"

#include "reports/modDorvPrint.h"
#include "reports/report_notes.h"
#include "reports/summary_sections.h"

namespace dv {

void PrintSummaryReport(const ReportOptions& options)
{
    PrintDocument& doc = gReportPrinter ? *gReportPrinter : SetReportPrinter();
    SetPageFooter();
    PrintSummaryReportTitle();
    PrintWallSystemComparison(doc, options);
    PrintIncludedProducts(doc);
    PrintGeneralNotes(doc);
    if (options.customNoteTicked() && !options.notesText().isEmpty())
        PrintUserNotes(doc, options);
    PrintProjectInformation(options);
}

}  // namespace dv
