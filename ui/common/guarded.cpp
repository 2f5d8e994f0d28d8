#include "ui/common/guarded.h"
#include "core/project_view.h"
#include "core/startup.h"
#include "platform/app_error.h"
#include "ui/common/app_info.h"

#include <QMessageBox>
#include <new>

namespace dv {

namespace {

// Error numbers of failures that are not ours: out of memory is 7, an
// internal error 51.
constexpr long kOutOfMemory = 7;
constexpr long kInternalError = 51;

void showError(QWidget* owner, ProjectView* reporter, long number, const QString& text)
{
    const QString message = errorMessageText(number, text);
    if (reporter) {
        reporter->messageBox(message, appTitle(), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    if (hasProjectView()) {
        projectView().messageBox(message, appTitle(), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    QMessageBox::critical(owner, appTitle(), message);
}

}  // namespace

void runGuarded(QWidget* owner, const std::function<void()>& handler, ProjectView* reporter)
{
    try {
        try {
            handler();
        } catch (const AppError& e) {
            showError(owner, reporter, e.number(), e.description());
        } catch (const std::bad_alloc&) {
            showError(owner, reporter, kOutOfMemory, QStringLiteral("Out of memory"));
        } catch (const std::exception& e) {
            showError(owner, reporter, kInternalError, QString::fromUtf8(e.what()));
        } catch (...) {
            showError(owner, reporter, kInternalError, QStringLiteral("Internal error"));
        }
    } catch (...) {
        // Showing the message failed as well; there is nothing left to tell
        // the user with, and Qt must not see the exception.
    }
}

}  // namespace dv
