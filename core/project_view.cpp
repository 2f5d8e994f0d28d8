#include "core/project_view.h"
#include "platform/app_error.h"

namespace dv {

namespace {
// The project window (or a test's view): set by the window and the tests,
// read by every core routine that shows or reads the project.
ProjectView* gView = nullptr;
}

void setProjectView(ProjectView* view) { gView = view; }
bool hasProjectView() { return gView != nullptr; }

ProjectView& projectView()
{
    if (!gView)
        throw AppError(91, QStringLiteral("The project window is not available."));
    return *gView;
}

QString MemoryProjectView::wallGridCell(int row, int column) const
{
    if (row < 0 || row >= wallGridRowCount() || column < 0 || column >= wallRows[row].size())
        return QString();
    return wallRows[row][column];
}

QString MemoryProjectView::comparisonCell(int row, int column) const
{
    if (row < 0 || row >= comparisonRowCount() || column < 0 || column >= comparisonRows[row].size())
        return QString();
    return comparisonRows[row][column];
}

MsgResult MemoryProjectView::messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon)
{
    messages.push_back({text, title, buttons});
    if (!answers.empty()) {
        MsgResult r = answers.front();
        answers.erase(answers.begin());
        return r;
    }
    return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::Ok;
}

}  // namespace dv
