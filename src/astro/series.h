// The Sun's and the Moon's series for an instant T in Julian centuries of
// 36525 days from JD 2451545.0 (dynamical time). Each function evaluates its
// table in order, in double precision, exactly as the sums are written.
#pragma once

namespace korvel::astro {

// Reduces a longitude to one turn: w = x/360; w = (w - trunc w) + 1;
// x = (w - trunc w) * 360. Always 0 <= result < 360.
double reduceTurn(double degrees);

// Sun's ecliptic longitude, degrees, reduced to one turn.
double sunLongitude(double T);

// Moon's mean longitude 218.316 + 481267.8809 T.
double moonMeanLongitude(double T);

// Moon's ecliptic longitude: the series added to `meanLongitude` (which the
// caller forms with moonMeanLongitude), reduced to one turn.
double moonLongitude(double meanLongitude, double T);

// Moon's ecliptic latitude, degrees (not reduced).
double moonLatitude(double T);

// Sun's geocentric distance, astronomical units.
double sunDistance(double T);

// Moon's horizontal parallax, degrees, and the distance it gives, km.
double moonParallax(double T);
double moonDistance(double T);

// Phase angle from the two longitudes: 0 < p <= 360.
double phaseAngle(double moonLong, double sunLong);

// Illuminated fraction (1 - dcos p) / 2.
double illuminatedFraction(double phase);

}  // namespace korvel::astro
