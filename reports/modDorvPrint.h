#pragma once
// The report printer and what every report shares: the document of the
// ticked reports, the page logo and margins of each new page, the running
// footer, the report titles and the project and operator information block.
// Every report procedure draws through gReportPrinter with the operations of
// PrintDocument; each section sets the margins and fonts it needs and leaves
// them so.
#include "reports/report_options.h"

#include <QDateTime>
#include <QStringList>
#include <functional>
#include <optional>

namespace dv {

class PrintDocument;

// The document of the preview window; set by PrintReports and
// PrintValidationReport before they open a document, and left set.
extern PrintDocument* gReportPrinter;

// The preview window's document, creating the window when it does not exist
// yet; also sets gReportPrinter to it.
PrintDocument& SetReportPrinter();

// Draws the ticked reports as one new document in the order summary,
// detailed summary, itemized material, project quote, each after the first
// on a new page; the quote only when includeQuote is true. Sets
// ReportPrinted when the document is finished, also when nothing was ticked.
void PrintReports(const ReportOptions& options, bool includeQuote);

// Running footer: the program's name, version, the time now and the page.
void SetPageFooter();
void PrintSummaryReportTitle();
void PrintDetailedReportTitle();
void PrintItemizedReportTitle();
void PrintQuoteReportTitle();
void PrintValidationReportTitle();
// The project block (names, expiration and blueprint dates) and, when the
// operator information file can be read, the operator block beside it.
void PrintProjectInformation(const ReportOptions& options);
// Margins of a new page, which place its footer, and its logo at the left
// and header margins.
void DrawPageLogo();

// The product validation report: the members of the last calculation that
// found no product, drawn as a document of its own and shown modally.
void PrintValidationReport();
void PrintValidationResults();

// The time the reports print; tests set the clock.
QDateTime reportNow();
extern std::function<QDateTime()> reportClock;

// Where the operator information file is: "Ostrel/UserInformation.txt" in
// the user's, then the system's configuration folders, then
// "UserInformation.txt" in the program folder; empty when there is none.
// When operatorFileOverride holds a value (tests), that path is used.
QString operatorInformationFile();
extern std::optional<QString> operatorFileOverride;
// The nine values of the file (the text after each line's colon and blank),
// empty values for lines it lacks; nothing when it cannot be read. The file
// is read as UTF-8 when it is valid UTF-8, else as Windows-1252.
std::optional<QStringList> readOperatorInformation(const QString& path);

// Fills the "#" places of pattern from the right with the digits of value;
// digits left over go before the first place. A value that is not made of
// ASCII digits only is returned as it is.
QString formatDigitPattern(const QString& value, const QString& pattern);

// Dates as the reports print them, whatever the user's locale:
// "12/09/2026" and "12/09/2026 02:05:09 PM".
QString reportDateText(const QDate& date);
QString reportDateTimeText(const QDateTime& time);

}  // namespace dv
