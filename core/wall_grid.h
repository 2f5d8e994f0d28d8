#pragma once
// The wall widths and the walks over the project window's wall grid that
// the calculation and the comparison share.
#include <cstdint>
#include <functional>

namespace dv {

// The three wall widths, always in this order.
inline constexpr int kWallWidths[3] = {6, 8, 10};

// fn(wallID) for each row of the wall grid whose column 2 reads "Yes".
void ForEachCheckedWall(const std::function<void(std::int16_t)>& fn);

// fn(wallID) for every row of the wall grid, calculated or not.
void ForEachWallInGrid(const std::function<void(std::int16_t)>& fn);

}  // namespace dv
