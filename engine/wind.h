#pragma once
// Wind pressure from the wind table, and lengths along the roof slope.
#include <QString>
#include <cstdint>

namespace dv {

// Design wind pressure (psf) for an effective wind area (sq ft, already
// clamped to 10..100 by the caller), a size class ("Small"/"Large"), a wind
// speed (mph) and an exposure letter.
double GetWindTableValue(double EffectiveArea, const QString& SizeClass, std::int32_t WindSpeed, const QString& Exposure);

// A horizontal run (ft) measured along the roof slope (inches of rise per
// 12 of run); with AddFlag 1 the length a member of the given depth (in)
// takes up along the slope is added.
double CalculateRakeLength(double Run, double RoofSlope, std::int16_t AddFlag, double Depth);

}  // namespace dv
