#pragma once
#include <QString>

namespace dv {

// Empties the project's working, scratch and result tables, selects profile
// 1 "Default" in the project window and makes wall 1 current.
void ResetProjectTables();

// Empties the calculation's scratch tables (the Temp_ tables), which nothing
// outside a calculation reads, so that a compaction need not copy them.
void EmptyScratchTables();

}  // namespace dv
