#include "astro/series.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/terms.h"

namespace korvel::astro {

double reduceTurn(double degrees) {
  double w = degrees / 360;
  w = (w - std::trunc(w)) + 1;
  return (w - std::trunc(w)) * 360;
}

double sunLongitude(double T) {
  double s = 280.4659 + 36000.7695 * T;
  s = s + 1.9147 * dcos(35999.05 * T + 267.52);
  s = s - (0.0048 * T) * dcos(35999.05 * T + 267.52);
  for (const Term& t : kSunLongitudeTerms) s = s + t.a * dcos(t.b * T + t.c);
  return reduceTurn(s);
}

double moonMeanLongitude(double T) { return 218.316 + 481267.8809 * T; }

double moonLongitude(double meanLongitude, double T) {
  double m = meanLongitude;
  for (const Term& t : kMoonLongitudeTerms) m = m + t.a * dcos(t.b * T + t.c);
  return reduceTurn(m);
}

double moonLatitude(double T) {
  double b = kMoonLatitudeTerms[0].a *
             dcos(kMoonLatitudeTerms[0].b * T + kMoonLatitudeTerms[0].c);
  for (std::size_t i = 1; i < kMoonLatitudeTerms.size(); ++i) {
    const Term& t = kMoonLatitudeTerms[i];
    b = b + t.a * dcos(t.b * T + t.c);
  }
  return b;
}

double sunDistance(double T) {
  double r = 1.00014;
  r = r + 0.016706 * dcos(35999.05 * T + 177.53);
  r = r - (0.000042 * T) * dcos(35999.05 * T + 177.53);
  for (const Term& t : kSunDistanceTerms) r = r + t.a * dcos(t.b * T + t.c);
  return r;
}

double moonParallax(double T) {
  double p = 0.950725;
  for (const Term& t : kMoonParallaxTerms) p = p + t.a * dcos(t.b * T + t.c);
  return p;
}

double moonDistance(double T) { return (1 / dsin(moonParallax(T))) * 6378.14; }

double phaseAngle(double moonLong, double sunLong) {
  if (moonLong - sunLong > 0) return moonLong - sunLong;
  return (moonLong + 360) - sunLong;
}

double illuminatedFraction(double phase) { return (1 - dcos(phase)) / 2; }

}  // namespace korvel::astro
