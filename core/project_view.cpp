#include "core/project_view.h"
#include "platform/app_error.h"

namespace dv {

namespace {
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

QStringList splitRowText(const QString& rowText)
{
    QStringList out;
    const QStringList parts = rowText.split(QStringLiteral("|~|"));
    for (int i = 0; i < parts.size(); ++i) {
        QString f = parts[i];
        if (i == 0 && f.startsWith(QLatin1Char('|')))
            f.remove(0, 1);
        if (i == parts.size() - 1 && f.endsWith(QLatin1Char('|')))
            f.chop(1);
        out << f;
    }
    return out;
}

QString joinRowText(const QStringList& fields)
{
    return QLatin1Char('|') + fields.join(QStringLiteral("|~|")) + QLatin1Char('|');
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
