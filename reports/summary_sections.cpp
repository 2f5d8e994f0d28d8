#include "reports/summary_sections.h"
#include "core/app_state.h"
#include "core/comparison.h"
#include "core/project_view.h"
#include "core/sql_literals.h"
#include "platform/app_error.h"
#include "platform/numbers.h"
#include "platform/print_document.h"
#include "reports/report_options.h"

#include <vector>

namespace dv {

namespace {

const QString kFootnote = QStringLiteral(
    "*One or more Stud, Column, or Header were not selected.  Subsequent Cripple Studs, Trimmer Studs, Header "
    "Plates, and Connectors may also be missing from the summary totals as applicable.");

void setIndent(PrintDocument& doc, const char* length)
{
    doc.setLeftMargin(QLatin1String(length));
    doc.setParagraphLeft(QLatin1String(length));
}

}  // namespace

QString OverrideFactorText(const QString& markupPercent)
{
    double percent = 0;
    if (!parseStrictNumber(markupPercent, &percent))
        throw AppError(err::TypeMismatch,
                       QStringLiteral("The override markup '%1' is not a number.").arg(markupPercent));
    return sqlNumber(checkedFinite((percent + 100.0) / 100.0, "markup factor"));
}

void PrintWallSystemComparison(PrintDocument& doc, const ReportOptions& options)
{
    setIndent(doc, "0.5in");
    doc.setTypeSize(12);
    doc.setTypeBold(true);
    doc.WriteText(QStringLiteral("\nWall Systems included in this comparison and estimate:"));
    doc.setTypeBold(false);

    BuildComparisonGrid(options.overrideMarkupTicked() ? OverrideFactorText(options.overrideMarkupText()) : QString());

    // The table is read from the refilled comparison, every row once, in
    // its order; cells are handed over whole, so a name holding "|" or ";"
    // stays one cell.
    ProjectView& view = projectView();
    const int rows = toInt16(view.comparisonRowCount());
    std::vector<QStringList> body;
    bool starred = false;
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (int c = 1; c <= 4; ++c) {
            cells << view.comparisonCell(r, c);
            starred = starred || cells.back().contains(QLatin1Char('*'));
        }
        body.push_back(cells);
    }

    doc.setLeftMargin(QStringLiteral("0.5in"));
    doc.setTypeSize(11);
    doc.WriteText(QStringLiteral("\n"));
    doc.OpenTable();
    doc.setTableRuling(7);
    doc.AddTableRows(QStringLiteral("<+2.50in|<+~1.67in|<+~1.67in|<+~1.67in"),
                     QStringList{QStringLiteral("Wall System Name"), QStringLiteral("2x6 Wall"),
                                 QStringLiteral("2x8 Wall"), QStringLiteral("2x10 Wall")},
                     body);
    doc.TableCellSetting(TableCellBold, 0, true);
    doc.CloseTable();

    // The footnote shows as soon as any cell, a wall name included, holds "*".
    if (starred) {
        setIndent(doc, "0.5in");
        doc.setTypeSize(9);
        doc.WriteText(kFootnote);
    }
}

void PrintIncludedProducts(PrintDocument& doc)
{
    ProjectView& view = projectView();
    setIndent(doc, "0.5in");
    doc.setTypeSize(11);
    doc.setTypeBold(true);
    doc.WriteText(QStringLiteral("\nProducts included in each wall system (based on '") +
                  RestoreQuotes(view.selectedProfileName()) + QStringLiteral("' profile):\n"));
    doc.setTypeBold(false);

    setIndent(doc, "0.75in");
    doc.setTypeSize(9);
    doc.WriteText(QStringLiteral("Ostrel\u00ae Kelbrin\u00ae LSL wall studs\n"
                                 "Ostrel\u00ae Kelbrin\u00ae LSL or Mirrow\u00ae PSL columns\n"
                                 "Ostrel\u00ae Kelbrin\u00ae LSL or Mirrow\u00ae PSL window and door headers "
                                 "(connectors included)\n"
                                 "Ostrel\u00ae Kelbrin\u00ae LSL wall plates"));

    PreparedStatement& st = DbConnection.cached(
        QStringLiteral("SELECT * FROM Customer_Profiles WHERE CustomerProfileID = ? ORDER BY rowid LIMIT 1"));
    st.bind(1, static_cast<long long>(view.selectedProfileID()));
    Recordset profile = DbConnection.query(st);
    if (profile.eof())
        return;

    struct Member {
        const char* include;
        const char* product;
        const char* ending;
        const char* searchWord;
    };
    static const Member kMembers[] = {
        {"IncludeTrimmers", "TrimmerProductID", " trimmer studs", "Kelb"},
        {"IncludeCripples", "CrippleProductID", " cripple studs", "Kelb"},
        {"IncludeBlocking", "BlockingProductID", " blocking", "Kelb"},
        {"IncludeSheathing", "SheathingProductID", " wall panels", "Brist"},
    };
    // Read the profile's fields before any product is looked up.
    std::vector<std::pair<const Member*, Value>> included;
    for (const Member& m : kMembers) {
        const Value include = profile.field(QLatin1String(m.include));
        if (!include.isNull() && include.toDouble() == 1)
            included.emplace_back(&m, profile.field(QLatin1String(m.product)));
    }
    profile.close();

    PreparedStatement& productSt =
        DbConnection.cached(QStringLiteral("SELECT ProductName FROM Products WHERE ProductID = ? ORDER BY rowid LIMIT 1"));
    for (const auto& [m, productID] : included) {
        if (productID.isNull())
            continue;
        productSt.bind(1, productID);
        Recordset product = DbConnection.query(productSt);
        // A product the profile names but the list lacks is left out.
        if (product.eof())
            continue;
        const QString name = product.field(0).toText();
        const QString prefix =
            name.contains(QLatin1String(m->searchWord), Qt::CaseSensitive) ? QStringLiteral("Ostrel\u00ae ") : QString();
        doc.WriteText(QLatin1Char('\n') + prefix + name + QLatin1String(m->ending));
    }
}

}  // namespace dv
