#include "core/comparison.h"
#include "core/app_state.h"
#include "core/project_view.h"
#include "core/sql_literals.h"
#include "core/wall_grid.h"
#include "platform/app_error.h"
#include "platform/money.h"
#include "platform/numbers.h"

namespace dv {

namespace {

// The eleven member words whose totals make up a width's material total;
// the jamb extensions are kept apart and never marked up.
const char* const kMaterialWords[] = {"Studs",        "Columns",   "Headers",      "Cripples",
                                      "Trimmers",     "HeaderPlates", "TopPlates", "BottomPlates",
                                      "Blocking",     "Sheathing", "Connectors"};

Money memberTotal(const Recordset& rs, int width, const char* word)
{
    // A null total is an error (Invalid use of Null), raised by the read.
    return rs.field(QString::number(width) + QLatin1String(word)).toMoney();
}

// Round(x + 0.5) of an amount, written as a whole number.
QString wholeAmount(Money m)
{
    const double r = raiseToWhole(m.toDouble());
    return QString::number(static_cast<long long>(r));
}

bool widthComplete(std::int16_t wallID, int width)
{
    PreparedStatement& st = DbConnection.cached(
        QStringLiteral("SELECT * FROM Validation_Information WHERE WallID = ? AND WallWidth = ?"));
    st.bind(1, static_cast<long long>(wallID)).bind(2, width);
    Recordset rs = DbConnection.query(st);
    return rs.eof();
}

double markupFactor(const QString& markupFactorText)
{
    ProjectView& view = projectView();
    double factor = 1.0;
    if (view.pricingMarkupValue() == 1) {
        const QString SqlText = QStringLiteral("SELECT * FROM Customer_ProfileID WHERE ID = ") + sqlNumber(view.selectedProfileID());
        Recordset rs = DbConnection.query(SqlText);
        if (!rs.eof())
            factor = (rs.field(QStringLiteral("Markup")).toDouble() + 100.0) / 100.0;
    }
    if (!markupFactorText.isEmpty()) {
        if (!parseStrictNumber(markupFactorText, &factor))
            throw AppError(err::TypeMismatch,
                           QStringLiteral("The markup factor '%1' is not a number.").arg(markupFactorText));
    }
    return checkedFinite(factor, "markup factor");
}

}  // namespace

void BuildComparisonGrid(const QString& markupFactorText)
{
    ProjectView& view = projectView();
    view.comparisonClear();
    // The wall count is a 16-bit number: a larger grid is an overflow.
    toInt16(view.wallGridRowCount());

    ForEachCheckedWall([&](std::int16_t wallID) {
        CurrentWallID = wallID;

        PreparedStatement& wallSt = DbConnection.cached(QStringLiteral("SELECT * FROM Project_Information WHERE ID = ?"));
        wallSt.bind(1, static_cast<long long>(CurrentWallID));
        Recordset wall = DbConnection.query(wallSt);
        if (wall.eof())
            return;

        Money material[3], jamb[3];
        for (int w = 0; w < 3; ++w) {
            Money sum;
            for (const char* word : kMaterialWords)
                sum += memberTotal(wall, kWallWidths[w], word);
            material[w] = sum;
            jamb[w] = memberTotal(wall, kWallWidths[w], "JambX");
        }
        const QString wallName = wall.field(QStringLiteral("WallName")).toText();
        wall.close();

        bool complete[3];
        for (int w = 0; w < 3; ++w)
            complete[w] = widthComplete(CurrentWallID, kWallWidths[w]);

        const double factor = markupFactor(markupFactorText);

        QStringList fields;
        fields << QString::number(CurrentWallID) << RestoreQuotes(wallName);
        Money total[3];
        for (int w = 0; w < 3; ++w) {
            const Money m = Money::fromDouble(material[w].toDouble() * factor);
            total[w] = m + jamb[w];
            QString cell = QStringLiteral("$") + wholeAmount(m) + QStringLiteral(".00/$") + wholeAmount(jamb[w])
                           + QStringLiteral(".00");
            if (!complete[w])
                cell += QLatin1Char('*');
            fields << cell;
        }
        view.comparisonAddRow(fields);

        // Missing<W> holds -1 when nothing is missing for that width, 0 otherwise.
        PreparedStatement& up = DbConnection.cached(QStringLiteral(
            "UPDATE Project_Information SET Total6 = ?, Total8 = ?, Total10 = ?, Missing6 = ?, Missing8 = ?, "
            "Missing10 = ? WHERE ID = ?"));
        up.bind(1, total[0]).bind(2, total[1]).bind(3, total[2]);
        for (int w = 0; w < 3; ++w)
            up.bind(4 + w, complete[w] ? -1 : 0);
        up.bind(7, static_cast<long long>(CurrentWallID));
        up.exec();
    });
}

}  // namespace dv
