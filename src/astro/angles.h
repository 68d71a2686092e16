// Trigonometry in degrees. The constants carry fourteen significant digits
// and are used as written: every displayed result depends on them.
#pragma once

namespace korvel::astro {

inline constexpr double kDegreeFactor = 0.017453292519943;  // radians per degree
inline constexpr double kRadianFactor = 57.295779513082;    // degrees per radian
inline constexpr double kRightAngle = 1.5707963267949;      // radians

double dsin(double degrees);
double dcos(double degrees);
// Arcsine and arccosine through the arctangent; |x| >= 1 gives NaN.
double dasin(double x);
double dacos(double x);
double deg(double radians);

}  // namespace korvel::astro
