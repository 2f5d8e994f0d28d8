#pragma once
// What the reports read of the report options window: the values of its
// controls when the user asked for the reports. The window fills one of
// these and hands it to PrintReports; the report procedures read nothing
// else of the window.
#include <QString>
#include <vector>

namespace dv {

// One row of the wall grid of the report options: a complete wall and the
// widths ticked for it.
struct WallReportRow {
    QString wallID;    // column 0, the WallID as the wall grid shows it
    QString wallName;  // column 1
    bool width6 = false;   // "2x6 Wall"
    bool width8 = false;   // "2x8 Wall"
    bool width10 = false;  // "2x10 Wall"
};

struct ReportOptions {
    // The four reports, drawn in the order summary, detailed, itemized, quote.
    bool summaryReport = true;
    bool detailedReport = true;
    bool itemizedReport = false;
    bool projectQuote = false;

    std::vector<WallReportRow> walls;

    bool overrideMarkup = false;
    QString overrideMarkupText;  // percent, as typed
    bool deliveryCharge = true;
    QString deliveryChargeText;  // amount, as typed
    bool stateTax = true;
    QString stateTaxText;        // percent, as typed

    bool expirationDate = true;
    int expirationDays = 30;                             // column 0 of the current combo row
    QString expirationText = QStringLiteral("30 Days");  // the combo's text
    bool blueprintDate = false;
    QString blueprintDateText;
    bool customNote = false;
    QString notesText;
};

}  // namespace dv
