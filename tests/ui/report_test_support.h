#pragma once
// Fixture for report tests: a copy of the database, a project view in
// memory, a fixed clock (12/09/2026 02:05:09 PM), no operator information
// file unless a test writes one, and a preview window that records its
// showings instead of opening.
#include "platform/numbers.h"
#include "platform/print_document.h"
#include "reports/report_options.h"
#include "tests/test_support.h"

#include <QDateTime>
#include <QStringList>

namespace dvtest {

// The items of one kind on a page (1-based) of a finished document.
std::vector<dv::PrintItem> itemsOf(const dv::PrintDocument& doc, int page, dv::PrintItem::Kind kind);
// The texts of the cells on a page.
QStringList cellTexts(const dv::PrintDocument& doc, int page);
// The first item whose text is exactly `text`, with its page; nullptr if none.
const dv::PrintItem* findText(const dv::PrintDocument& doc, const QString& text, int* page = nullptr);
// A tool's standard output once it ends; empty if it did not end in time.
QString runTool(const QString& program, const QStringList& args);
inline QString pdfText(const QString& pdf)
{
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

class ReportTest : public DbTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The report printer's finished document.
    const dv::PrintDocument& doc() const;
    // Writes the operator information file with these lines (CR LF ends each)
    // and makes the reports read it.
    void writeOperatorFile(const QStringList& lines);
    // The texts of every page of the finished document, in drawing order.
    QStringList allTexts() const;

    static QDateTime fixedNow() { return QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9)); }
    int modalShows = 0;
    int modelessShows = 0;
    dv::MemoryReportOptions options;
};

// Walls, totals and material rows for the report bodies, and report options
// held in memory.
class ReportDataTest : public ReportTest {
protected:
    // A wall row of the options window with the given widths ticked.
    void optionsWall(int id, const QString& name, bool w6, bool w8 = false, bool w10 = false)
    {
        options.walls.push_back({QString::number(id), name, {w6, w8, w10}});
    }
    void listWall(int id, const QString& name, const QString& complete = QStringLiteral("Yes"))
    {
        view.wallRows.push_back({QString::number(id), name, complete});
    }
    // Stores a wall's total, jamb extensions and missing flag at a width.
    void setTotals(int id, int width, const QString& total, const QString& jamb, int missing = -1)
    {
        exec(QStringLiteral("UPDATE Project_Information SET Total%1 = %2, \"%1JambX\" = %3, Missing%1 = %4 WHERE ID = %5")
                 .arg(width).arg(total, jamb).arg(missing).arg(id));
    }
    void addTotalsRow(int id, const QString& name)
    {
        exec(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (%1, %2)").arg(id).arg(dv::sqlQuote(name)));
    }
    void material(int wallID, int width, const QString& type, const QString& product, double qty, double length,
                  const QString& memberName = QString())
    {
        exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType, ProductName, QtyPieces, PieceLength, "
                            "MemberName) VALUES (%1, %2, %3, %4, %5, %6, %7)")
                 .arg(wallID).arg(width)
                 .arg(dv::sqlQuote(type), dv::sqlQuote(product), dv::sqlNumber(qty), dv::sqlNumber(length),
                      memberName.isNull() ? QStringLiteral("Null") : dv::sqlQuote(memberName)));
    }
    void setWindSpeed(int mph)
    {
        exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = %1 WHERE CustomerProfileID = 1").arg(mph));
    }
};

}  // namespace dvtest
