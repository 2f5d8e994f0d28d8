#pragma once
// Column sizing: the bearing members beside a column. CalculateColumns
// itself, which weighs the candidates of every column and wall width and
// writes the cheapest, is declared with the other steps.

namespace dv {

// Bearing members (1.5 in trimmer studs) that carry a header end with the
// given load (lb): 1 up to 2283, 2 up to 4567, 3 up to 6851; 0 above that,
// where no count of members carries the load.
int BearingMembersFor(double sideLoad);

}  // namespace dv
