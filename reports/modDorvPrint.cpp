#include "reports/modDorvPrint.h"

#include "core/app_state.h"
#include "core/project_view.h"
#include "core/sql_literals.h"
#include "platform/print_document.h"
#include "reports/frmDorvPrintPreview.h"
#include "reports/page_logo.h"
#include "reports/report_detailed.h"
#include "reports/report_itemized.h"
#include "reports/report_quote.h"
#include "reports/report_summary.h"
#include "core/data_location.h"
#include "ui/common/app_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QStandardPaths>
#include <QStringDecoder>

namespace dv {

// The document the report being made draws on: set by the report start,
// drawn on by every report procedure.
PrintDocument* gReportPrinter = nullptr;
// Test seam: set by tests, read for the date the reports print.
std::function<QDateTime()> reportClock;
// Test seam: set by tests, read where the operator's file is found.
std::optional<QString> operatorFileOverride;

namespace {

PrintDocument& printer()
{
    if (!gReportPrinter)
        SetReportPrinter();
    return *gReportPrinter;
}

void printTitle(const QString& title, const QString& lineEnd)
{
    PrintDocument& p = printer();
    p.setLeftMargin(0.5);
    p.setParagraphLeft(0.5);
    p.setTypeface(QStringLiteral("Arial"));
    p.setTypeSize(16);
    p.setTypeBold(true);
    p.WriteText(title + lineEnd);
    p.setTypeSize(8);
    p.setTypeBold(false);
}

const QString LF = QStringLiteral("\n");
const QString CRLF = QStringLiteral("\r\n");

// Windows-1252: Latin-1 but for the printable characters at 0x80 to 0x9F.
QString decodeWindows1252(const QByteArray& bytes)
{
    static const char16_t high[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out += (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return out;
}

}  // namespace

PrintDocument& SetReportPrinter()
{
    gReportPrinter = &frmDorvPrintPreview::instance().VSPrint;
    return *gReportPrinter;
}

QDateTime reportNow() { return reportClock ? reportClock() : QDateTime::currentDateTime(); }

QString reportDateText(const QDate& date) { return QLocale::c().toString(date, QStringLiteral("MM/dd/yyyy")); }

QString reportDateTimeText(const QDateTime& time)
{
    return QLocale::c().toString(time, QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
}

void PrintReports(const ReportOptions& options, bool includeQuote)
{
    PrintDocument& p = SetReportPrinter();
    p.OpenDocument();
    p.setTypeface(QStringLiteral("Arial"));
    bool drawn = false;
    auto next = [&] {
        if (drawn)
            p.BreakPage();
        drawn = true;
    };
    if (options.summaryReport()) {
        next();
        PrintSummaryReport(options);
    }
    if (options.detailedReport()) {
        next();
        PrintDetailedReport(options);
    }
    if (options.itemizedReport()) {
        next();
        PrintItemizedReport(options);
    }
    if (options.projectQuote() && includeQuote) {
        next();
        PrintQuoteReport(options);
    }
    p.CloseDocument();
    ReportPrinted = true;
}

void SetPageFooter()
{
    PrintDocument& p = printer();
    p.setFooterTypeface(QStringLiteral("Arial"));
    p.setFooterTypeSize(8);
    p.setFooterText(QStringLiteral("||Ostrel Dorvane Dozurorer") + LF + QStringLiteral("Version ") + appVersionText() +
                    LF + reportDateTimeText(reportNow()) + LF + QStringLiteral("Page %d"));
}

void PrintSummaryReportTitle() { printTitle(QStringLiteral("Ostrel Dorvane - Summary Report"), LF); }
void PrintDetailedReportTitle() { printTitle(QStringLiteral("Ostrel Dorvane - Detailed Summary Report"), LF); }
void PrintItemizedReportTitle() { printTitle(QStringLiteral("Ostrel Dorvane - Itemized Material Report"), LF); }
void PrintQuoteReportTitle() { printTitle(QStringLiteral("Ostrel Dorvane - Project Quote Report"), CRLF); }
void PrintValidationReportTitle() { printTitle(QStringLiteral("Ostrel Dorvane - Product Validation Report"), CRLF); }

void DrawPageLogo()
{
    PrintDocument& p = printer();
    p.setLeftMargin(0.5);
    p.setRightMargin(0.5);
    p.setHeaderMargin(0.5);
    p.setTopMargin(1.0);
    p.setBottomMargin(1.0);
    p.KeepPageMargins();
    // Read anew for every page; a picture that cannot be read shows none.
    const QImage logo(programFolder() + QLatin1Char('/') + pageLogoFileName());
    p.DrawImage(logo, p.LeftMargin(), p.HeaderMargin());
}

QString operatorInformationFile()
{
    if (operatorFileOverride)
        return *operatorFileOverride;
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString path = QDir(dir).filePath(QStringLiteral("Ostrel/UserInformation.txt"));
        if (QFileInfo(path).isFile())
            return path;
    }
    const QString local = QDir(programFolder()).filePath(QStringLiteral("UserInformation.txt"));
    return QFileInfo(local).isFile() ? local : QString();
}

std::optional<QStringList> readOperatorInformation(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = decodeWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    QStringList values;
    for (int i = 0; i < 9; ++i) {
        QString line = i < lines.size() ? lines[i] : QString();
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        values << ValueAfterColon(line);
    }
    return values;
}

QString formatDigitPattern(const QString& value, const QString& pattern)
{
    if (value.isEmpty())
        return value;
    for (QChar c : value) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return value;
    }
    const qsizetype firstPlace = pattern.indexOf(QLatin1Char('#'));
    if (firstPlace < 0)
        return pattern;
    QString out;
    qsizetype d = value.size() - 1;
    for (qsizetype i = pattern.size() - 1; i >= 0; --i) {
        if (pattern[i] != QLatin1Char('#')) {
            out.prepend(pattern[i]);
        } else if (i == firstPlace) {
            out.prepend(value.left(d + 1));
            d = -1;
        } else if (d >= 0) {
            out.prepend(value[d]);
            --d;
        }
    }
    return out;
}

void PrintProjectInformation(const ReportOptions& options)
{
    PrintDocument& p = printer();
    p.setBottomMargin(0.375);
    p.setFooterTypeface(QStringLiteral("Arial"));
    p.setFooterTypeSize(8);

    ProjectView& view = projectView();
    const QString projectName = view.projectName();
    const QString customerName = view.builderName();
    QString expiration;
    if (options.expirationDateTicked()) {
        // The combo's days are one of its fixed rows: 30, 60 or 90.
        const int days = options.expirationDays().toInt();
        expiration = reportDateText(reportNow().date().addDays(days)) + QStringLiteral(" (") +
                     options.expirationText() + QStringLiteral(")");
    }
    const QString blueprint = options.blueprintDateTicked() ? options.blueprintDateText() : QString();

    // The project and operator blocks stand together on one page.
    p.setKeepTogether(true);
    p.setLeftMargin(0.5);
    p.setParagraphLeft(0.5);
    p.setParagraphRight(9.5);
    p.setTypeBold(true);
    p.setTypeSize(10);
    p.WriteText(QStringLiteral("Project Information:") + LF);
    p.setTypeBold(false);
    p.setTypeSize(8);
    QString block = QStringLiteral("Project Name: ") + projectName + LF + QStringLiteral("Customer Name: ") + customerName;
    if (!expiration.isEmpty())
        block += LF + QStringLiteral("Expiration Date: ") + expiration;
    if (!blueprint.isEmpty())
        block += LF + QStringLiteral("Blueprint Date: ") + blueprint;
    p.WriteText(block);

    // A missing or unreadable operator file leaves the operator block out: a
    // fresh installation can print.
    const std::optional<QStringList> read = readOperatorInformation(operatorInformationFile());
    if (!read) {
        p.setKeepTogether(false);
        return;
    }
    QStringList v = *read;
    v[6] = formatDigitPattern(v[6], QStringLiteral("(###)###-####"));
    v[7] = formatDigitPattern(v[7], QStringLiteral("(###)###-####"));

    p.setLeftMargin(5.0);
    p.setParagraphLeft(5.0);
    p.setParagraphRight(9.5);
    p.setTypeBold(true);
    p.setTypeSize(10);
    p.WriteText(QStringLiteral("Operator Information:") + LF);
    p.setTypeBold(false);
    p.setTypeSize(8);
    p.WriteText(v[1] + LF + v[0] + LF + v[2] + LF + v[3] + QStringLiteral(", ") + v[4] + QStringLiteral(" ") + v[5] + LF +
                QStringLiteral("Phone: ") + formatDigitPattern(v[6], QStringLiteral("(###) ###-####")) + LF +
                QStringLiteral("Fax: ") + formatDigitPattern(v[7], QStringLiteral("(###) ###-####")) + LF +
                QStringLiteral("Email: ") + v[8]);
    p.setKeepTogether(false);
}

void PrintValidationReport()
{
    PrintDocument& p = SetReportPrinter();
    p.OpenDocument();
    p.setTypeface(QStringLiteral("Arial"));
    SetPageFooter();
    PrintValidationReportTitle();
    PrintValidationResults();
    p.CloseDocument();
    frmDorvPrintPreview::instance().showModal();
}

void PrintValidationResults()
{
    PrintDocument& p = printer();
    std::vector<QStringList> rows;
    Recordset rs = DbConnection.query(QStringLiteral("SELECT * FROM Validation_Information ORDER BY rowid"));
    for (; !rs.eof(); rs.moveNext()) {
        rows.push_back({rs.field(QStringLiteral("MemberName")).toText(),
                        RestoreQuotes(rs.field(QStringLiteral("WallName")).toText()),
                        QStringLiteral("2 x ") + rs.field(QStringLiteral("WallWidth")).toText() + QStringLiteral(" Wall")});
    }
    rs.close();
    p.setLeftMargin(0.5);
    p.setParagraphLeft(0.5);
    p.setTypeSize(11);
    p.OpenTable();
    p.setTableRuling(0);
    p.AddTableRows(QStringLiteral("<+~2.00in|<+~4.00in|<+~1.50in"),
                   {QStringLiteral("Member Name"), QStringLiteral("Wall Name"), QStringLiteral("Wall Width")}, rows);
    p.TableCellSetting(TableCellBold, 0, true);
    p.CloseTable();
    p.setTypeSize(12);
    p.setTypeBold(true);
    p.WriteText(CRLF + QStringLiteral("Note:"));
    p.setTypeBold(false);
    p.setTypeSize(9);
    p.WriteText(LF + QStringLiteral("Subsequent Cripple Studs, Trimmer Studs, Header Plates, and Connectors may also be "
                                    "missing from the summary totals for the wall systems shown above."));
}

}  // namespace dv
