#pragma once
// Header sizing: the trimmers at the ends of a header. CalculateHeaders
// itself, which weighs the candidates of every header of every opening and
// wall width and writes the cheapest with its plates, is declared with the
// other steps.
#include <cstdint>

namespace dv {

// Trimmer studs at each end of a header: a top header carries its end
// reaction on Round(R / (width x 435) / 1.5 + 0.5) studs, raised to a whole
// number; a bottom header needs one.
std::int16_t TrimmersPerEnd(bool top, double openingWidth, double verticalPLF, double productWidth);

}  // namespace dv
