#include "core/wall_grid.h"
#include "core/project_view.h"
#include "platform/app_error.h"
#include "platform/numbers.h"

namespace dv {

namespace {

// The wall ID in column 0 of a grid row.
std::int16_t gridWallID(ProjectView& view, int row)
{
    double id = 0;
    if (!parseStrictNumber(view.wallGridCell(row, 0), &id))
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    return toInt16(id);
}

}  // namespace

void ForEachCheckedWall(const std::function<void(std::int16_t)>& fn)
{
    ProjectView& view = projectView();
    const int n = view.wallGridRowCount();
    for (int i = 0; i < n; ++i) {
        if (view.wallGridCell(i, 2) != QLatin1String("Yes"))
            continue;
        fn(gridWallID(view, i));
    }
}

void ForEachWallInGrid(const std::function<void(std::int16_t)>& fn)
{
    ProjectView& view = projectView();
    const int n = view.wallGridRowCount();
    for (int i = 0; i < n; ++i)
        fn(gridWallID(view, i));
}

}  // namespace dv
