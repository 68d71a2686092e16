#include "astro/angles.h"

#include <cmath>
#include <limits>

namespace korvel::astro {

double dsin(double degrees) { return std::sin(degrees * kDegreeFactor); }

double dcos(double degrees) { return std::cos(degrees * kDegreeFactor); }

double dasin(double x) {
  if (!(std::fabs(x) < 1.0)) return std::numeric_limits<double>::quiet_NaN();
  return std::atan(x / std::sqrt(1.0 - x * x)) * kRadianFactor;
}

double dacos(double x) {
  if (!(std::fabs(x) < 1.0)) return std::numeric_limits<double>::quiet_NaN();
  return (kRightAngle - std::atan(x / std::sqrt(1.0 - x * x))) * kRadianFactor;
}

double deg(double radians) { return radians * kRadianFactor; }

}  // namespace korvel::astro
