#pragma once
#include <QString>

namespace dv {

// Empties the project's working, scratch and result tables, selects profile
// 1 "Default" in the project window and makes wall 1 current.
void ResetProjectTables();

}  // namespace dv
