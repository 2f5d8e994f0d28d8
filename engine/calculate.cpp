#include "engine/calculate.h"
#include "core/app_state.h"
#include "core/comparison.h"
#include "core/project_view.h"
#include "engine/engine_common.h"
#include "platform/numbers.h"

namespace dv {

namespace {
bool flagIsOne(const Recordset& rs, const char* field)
{
    const Value v = rs.field(QLatin1String(field));
    if (v.isNull())
        return false;
    double d = 0;
    if (v.type() == Value::Type::Text)
        return parseStrictNumber(v.toText(), &d) && d == 1.0;
    return v.toDouble() == 1.0;
}
}  // namespace

void CalculateProject()
{
    bool trimmers = false, cripples = false, blocking = false, sheathing = false;
    {
        Recordset rs = SelectedProfileRow();
        if (!rs.eof()) {
            cripples = flagIsOne(rs, "IncludeCripples");
            trimmers = flagIsOne(rs, "IncludeTrimmers");
            blocking = flagIsOne(rs, "IncludeBlocking");
            sheathing = flagIsOne(rs, "IncludeSheathing");
        }
    }
    CalculateStudSolutions();
    CalculateColumns();
    CalculateHeaders();
    if (trimmers)
        CalculateTrimmers();
    if (cripples)
        CalculateCripples();
    CalculateTopPlates();
    CalculateBottomPlates();
    TotalPlates();
    if (blocking)
        CalculateBlocking();
    if (sheathing)
        CalculateSheathing();
    CalculateConnectors();
    CalculateJambExtensions();
    ValidateMaterialList();
}

void ResetProjectTotals()
{
    static const char* const kWords[] = {"Studs", "Columns", "Headers", "Cripples", "Trimmers", "HeaderPlates",
                                         "TopPlates", "BottomPlates", "Blocking", "Sheathing", "Connectors", "JambX"};
    // Every wall by the ID in its row, whatever the row's position; one
    // statement for all walls, prepared once.
    QStringList sets;
    for (int width : kWallWidths)
        for (const char* w : kWords)
            sets << MemberTotalField(width, QLatin1String(w)) + QStringLiteral(" = 0");
    PreparedStatement& st = DbConnection.cached(QStringLiteral("UPDATE Project_Information SET ")
                                                + sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ID = ?"));
    ProjectView& view = projectView();
    for (int i = 0; i < view.wallGridRowCount(); ++i) {
        double id = 0;
        if (!parseStrictNumber(view.wallGridCell(i, 0), &id))
            continue;
        st.bind(1, static_cast<long long>(toInt16(id))).exec();
    }
}

void RunCompare()
{
    ProjectView& view = projectView();
    try {
        Transaction t(DbConnection);
        const QString SqlText = QStringLiteral("DELETE FROM Material_List");
        DbConnection.execute(SqlText);
        ResetProjectTotals();
        view.comparisonClear();
        CalculateProject();
        QString noFactor;
        BuildComparisonGrid(noFactor);
        t.commit();
    } catch (...) {
        // Nothing half-written is left for the reports, and the please-wait
        // window never outlives the calculation.
        view.comparisonClear();
        view.closePleaseWait();
        throw;
    }
}

}  // namespace dv
