#include "core/wall_list.h"
#include "core/app_state.h"
#include "core/project_view.h"
#include "core/sql_literals.h"
#include "core/wall_store.h"
#include "platform/numbers.h"

namespace dv {

void RefreshWallSystemGrid()
{
    ProjectView& view = projectView();
    view.wallGridClear();
    WallStore store(DbConnection);
    std::vector<std::pair<std::int16_t, QString>> walls;
    {
        Recordset rs = DbConnection.query(QStringLiteral("SELECT ID, WallName FROM Project_Information ORDER BY rowid"));
        for (; !rs.eof(); rs.moveNext())
            walls.emplace_back(rs.field(QStringLiteral("ID")).toInt16(), rs.field(QStringLiteral("WallName")).toText());
    }
    for (const auto& [id, name] : walls) {
        const std::optional<WallGeneral> general = store.general(id);
        view.wallGridAddRow({QString::number(id), RestoreQuotes(name),
                             general ? wallCompleteText(*general) : QStringLiteral("No")});
    }
    notifyProjectChange(ProjectChange::WallList);
}

std::int16_t NextWallID() { return WallStore(DbConnection).nextWallID(); }

void CopyWallSystem(const QString& newWallName, std::int16_t sourceWallID, const QString& newWallID)
{
    // The new ID must be a whole number.
    double idValue = 0;
    if (!parseStrictNumber(newWallID, &idValue) || idValue != static_cast<double>(toInt16(idValue)))
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    WallStore(DbConnection).copyWall(sourceWallID, toInt16(idValue), newWallName);

    ProjectView& view = projectView();
    if (view.comparisonRowCount() >= 1) {
        view.messageBox(QStringLiteral("You must re-calculate this project to update the comparison and estimate.  "
                                       "The comparison grid will be cleared."),
                        QStringLiteral("Reseting Results"), MsgButtons::Ok);
        view.comparisonClear();
    }
}

}  // namespace dv
