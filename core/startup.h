#pragma once
#include "core/database_lock.h"
#include "core/project_view.h"

#include <QString>
#include <functional>

namespace dv {

// The start of the program: opens the database (beside the executable, or
// the user's copy of the delivered one; see data_location.h), creates the project window (whose load reads the profile list), empties
// the project, compacts the file and opens it again. The caller shows the
// window it gets back. Any failure raises an AppError before a window is
// shown; the caller reports it and ends the program. `lockOptions` are
// the database lock's, for tests.
ProjectView* Main(const QString& exeFolder,
                  const std::function<ProjectView*()>& createProjectWindow,
                  const std::function<void()>& pumpEvents = {}, const LockOptions& lockOptions = {});

// Shown for an error that reaches a window: "Error <n>: <text>".
QString errorMessageText(long number, const QString& description);

}  // namespace dv
