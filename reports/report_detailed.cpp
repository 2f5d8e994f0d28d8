#include "reports/report_detailed.h"

#include "platform/print_document.h"
#include "reports/detailed_data.h"
#include "reports/modDorvPrint.h"

namespace dv {

namespace {

PrintDocument& reportPrinter() { return gReportPrinter ? *gReportPrinter : SetReportPrinter(); }

void drawTable(PrintDocument& doc, const QString& format, const QStringList& header,
               const std::vector<QStringList>& rows)
{
    doc.OpenTable();
    doc.setTableRuling(0);
    doc.AddTableRows(format, header, rows);
    doc.TableCellSetting(TableCellBold, 0, true);
    doc.CloseTable();
}

}  // namespace

void PrintDetailedReport(const ReportOptions& options)
{
    PrintDocument& doc = reportPrinter();
    SetPageFooter();
    PrintDetailedReportTitle();
    PrintWallSystemDetails(doc);
    PrintLoadingInformation(doc);
    PrintProjectInformation(options);
}

void PrintWallSystemDetails(PrintDocument& doc)
{
    for (const WallDetails& d : BuildWallDetails()) {
        doc.setLeftMargin(0.5);
        doc.setParagraphLeft(0.5);
        doc.setTypeSize(11);
        doc.setTypeBold(true);
        doc.WriteText(QStringLiteral("\r\n") + d.wallName + QStringLiteral(" - "));
        doc.setTypeBold(false);
        doc.setTypeAccent(true);
        for (const QString& part : d.headingParts)
            doc.WriteText(part);
        doc.WriteText(QStringLiteral("\n"));
        doc.setTypeAccent(false);
        doc.setTypeSize(10);
        doc.setParagraphLeft(0.5);
        const double left = d.gable ? 0.25 : 0.5;
        doc.setLeftMargin(left);
        doc.setParagraphLeft(left);
        drawTable(doc, d.format, d.header, {d.cells});
    }
}

void PrintLoadingInformation(PrintDocument& doc)
{
    const LoadingTable t = BuildLoadingInformation();
    doc.setLeftMargin(0.5);
    doc.setParagraphLeft(0.5);
    doc.setTypeSize(11);
    doc.setTypeBold(true);
    doc.WriteText(QStringLiteral("\r\n\nLoading Information:\n"));
    doc.setTypeBold(false);
    doc.setLeftMargin(0.75);
    doc.setParagraphLeft(0.75);
    doc.setTypeSize(9);
    drawTable(doc, t.format, t.header, t.rows);
}

}  // namespace dv
