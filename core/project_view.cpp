#include "core/project_view.h"
#include "platform/app_error.h"

#include <algorithm>

namespace dv {

namespace {
// The project window (or a test's view): set by the window and the tests,
// read by every core routine that shows or reads the project.
ProjectView* gView = nullptr;

struct Listener {
    int handle;
    ProjectChangeListener call;
};
std::vector<Listener> gListeners;
int gLastHandle = 0;
}

int subscribeProjectChanges(ProjectChangeListener listener)
{
    gListeners.push_back({++gLastHandle, std::move(listener)});
    return gLastHandle;
}

void unsubscribeProjectChanges(int handle)
{
    std::erase_if(gListeners, [handle](const Listener& l) { return l.handle == handle; });
}

void notifyProjectChange(ProjectChange change)
{
    // A listener may end its own or another's subscription while it is told.
    std::vector<int> handles;
    for (const Listener& l : gListeners)
        handles.push_back(l.handle);
    for (int handle : handles) {
        const auto it = std::find_if(gListeners.begin(), gListeners.end(),
                                     [handle](const Listener& l) { return l.handle == handle; });
        if (it != gListeners.end()) {
            const ProjectChangeListener call = it->call;
            call(change);
        }
    }
}

void ProjectView::comparisonClear()
{
    removeComparisonRows();
    notifyProjectChange(ProjectChange::Comparison);
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
