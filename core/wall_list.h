#pragma once
#include <QString>
#include <cstdint>

namespace dv {

// Rebuilds the project window's wall list from Project_Information, marking
// each wall "Yes" when its data is complete enough to calculate, and tells
// the windows that follow the project.
void RefreshWallSystemGrid();
// Copies a wall with its columns and openings under a new ID and name.
void CopyWallSystem(const QString& newWallName, std::int16_t sourceWallID, const QString& newWallID);
// One more than the largest wall ID in use; 1 for the first wall.
std::int16_t NextWallID();

}  // namespace dv
