#pragma once
// The calculation: every complete wall of the project, for the wall widths
// 2x6, 2x8 and 2x10, through the member steps in their fixed order.

namespace dv {

// Runs the whole calculation. Raises on the first error; the caller owns the
// transaction around it (see RunCompare).
void CalculateProject();

// What the Compare command does around the calculation, in one transaction:
// empties the material list, zeroes every wall's member totals, empties the
// comparison, calculates and builds the comparison. On an error everything
// the calculation wrote is rolled back, the please-wait window is closed
// and the error is raised again for the window to show.
void RunCompare();

// Sets the twelve member totals of every wall of the wall grid to 0.
void ResetProjectTotals();

// The member steps, in calculation order.
void CalculateStudSolutions();   // ends with SelectStudsForWall for every wall
void CalculateColumns();
void CalculateHeaders();
void CalculateTrimmers();
void CalculateCripples();
void CalculateTopPlates();
void CalculateBottomPlates();
void TotalPlates();
void CalculateBlocking();
void CalculateSheathing();
void CalculateConnectors();
void CalculateJambExtensions();
void ValidateMaterialList();

}  // namespace dv
