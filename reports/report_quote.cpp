#include "reports/report_quote.h"

#include "platform/print_document.h"
#include "reports/modDorvPrint.h"
#include "reports/quote_data.h"
#include "reports/report_notes.h"
#include "reports/report_rows.h"

namespace dv {

namespace {

// A right-aligned bold label ending 2.25 in from the right edge, then its
// value from 6.5 in.
void figureLine(PrintDocument& doc, const QString& label, const QString& value)
{
    doc.setLeftMargin(0.5);
    doc.setRightMargin(2.25);
    doc.setParagraphAlign(2);
    doc.setTypeBold(true);
    doc.setTypeSize(12);
    doc.WriteText(QStringLiteral("\r\n\n") + label);
    doc.setRightMargin(0.5);
    doc.setLeftMargin(6.5);
    doc.setParagraphLeft(6.5);
    doc.setParagraphAlign(0);
    doc.setTypeBold(false);
    doc.WriteText(value);
}

}  // namespace

void PrintQuoteReport(const ReportOptions& options)
{
    PrintDocument& doc = gReportPrinter ? *gReportPrinter : SetReportPrinter();
    SetPageFooter();
    PrintQuoteReportTitle();
    PrintProjectQuote(doc, options);
    PrintGeneralNotes(doc);
    PrintWarningNotes(doc);
    PrintProjectInformation(options);
}

void PrintProjectQuote(PrintDocument& doc, const ReportOptions& options)
{
    const ProjectQuote q = BuildProjectQuote(options);
    std::vector<QStringList> rows;
    for (const QuoteLine& line : q.lines)
        rows.push_back(line.cells());

    doc.setLeftMargin(0.5);
    doc.setParagraphLeft(0.5);
    doc.setTypeSize(11);
    doc.OpenTable();
    doc.setTableRuling(0);
    doc.AddTableRows(QuoteTableFormat(), QuoteTableHeader(), rows);
    doc.TableCellSetting(TableCellBold, 0, true);
    doc.CloseTable();

    // The subtotal's label follows the table with one line end only.
    doc.setParagraphAlign(2);
    doc.setTypeBold(true);
    doc.setTypeSize(12);
    doc.WriteText(QStringLiteral("\r\n"));
    doc.setRightMargin(2.25);
    doc.WriteText(QStringLiteral("Subtotal:"));
    doc.setRightMargin(0.5);
    doc.setLeftMargin(6.5);
    doc.setParagraphLeft(6.5);
    doc.setParagraphAlign(0);
    doc.setTypeBold(false);
    doc.WriteText(DollarText(q.subtotal));

    if (q.stateTax)
        figureLine(doc, q.taxLabel(), QStringLiteral("$") + q.taxText);
    if (q.deliveryCharge)
        figureLine(doc, QStringLiteral("Delivery Charge:"), DollarText(q.delivery));
    figureLine(doc, QStringLiteral("Quote Total:"), DollarText(q.total));
    doc.setLeftMargin(0.5);

    if (q.anyMissing) {
        doc.setLeftMargin(0.5);
        doc.setParagraphLeft(0.5);
        doc.WriteText(QStringLiteral("\r\n"));
        doc.setParagraphLeft(0.5);
        doc.setTypeBold(true);
        doc.setTypeSize(12);
        doc.WriteText(QStringLiteral("Note:"));
        doc.setTypeBold(false);
        doc.setTypeSize(9);
        doc.WriteText(QStringLiteral("\n*Subsequent Cripple Studs, Trimmer Studs, Header Plates, and Connectors may "
                                     "also be missing from the summary totals for the wall systems shown above."));
    }
}

}  // namespace dv
