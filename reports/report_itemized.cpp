#include "reports/report_itemized.h"

#include "platform/print_document.h"
#include "reports/itemized_data.h"
#include "reports/modDorvPrint.h"

namespace dv {

// The itemized report has no project information block.
void PrintItemizedReport(const ReportOptions& options)
{
    PrintDocument& doc = gReportPrinter ? *gReportPrinter : SetReportPrinter();
    SetPageFooter();
    PrintItemizedReportTitle();
    PrintItemizedMaterialLists(doc, options);
}

void PrintItemizedMaterialLists(PrintDocument& doc, const ReportOptions& options)
{
    for (const ItemizedSection& s : BuildItemizedMaterialLists(options)) {
        doc.setLeftMargin(0.5);
        doc.setTypeSize(12);
        doc.setTypeBold(true);
        doc.WriteText(QStringLiteral("\n") + s.heading() + QStringLiteral("\n"));
        doc.setTypeBold(false);
        for (const MemberTable& t : s.lists) {
            doc.setLeftMargin(1.0);
            doc.setParagraphLeft(1.0);
            doc.setTypeSize(11);
            doc.setTypeAccent(true);
            doc.WriteText(QStringLiteral("\r\n") + t.caption);
            doc.setTypeAccent(false);
            doc.setLeftMargin(1.25);
            doc.setTypeSize(10);
            doc.WriteText(QStringLiteral("\n"));
            doc.OpenTable();
            doc.setTableRuling(0);
            doc.AddTableRows(t.format, t.header, t.rows);
            doc.TableCellSetting(TableCellBold, 0, true);
            doc.CloseTable();
        }
    }
}

}  // namespace dv
