#include "astro/julian.h"

#include <cmath>

namespace korvel::astro {

double julianDay0h(int year, int month, int day) {
  double y = year;
  double m = month;
  if (m <= 2) {
    y = y - 1;
    m = m + 12;
  }
  const double a = std::floor(y / 100);
  const double b = 2 - a + std::floor(a / 4);
  return 1720994.5 + std::floor(30.6001 * (m + 1)) + b + std::floor(365.25 * y) + day;
}

bool julianDayAccepts(int year, int month, int day) {
  return year > 1582 && month > 0 && day > 0;
}

double dayFractionDays(int hour, int minute, int second, double deltaT) {
  return ((((second + deltaT) / 60 + minute) / 60 + hour) - 9) / 24;
}

double dayFractionCenturies(int hour, int minute, int second, double deltaT) {
  return ((((second + deltaT) / 60 + minute) / 60 + hour) - 9) / 24 / 36525;
}

double centuriesOf(double jd) { return (jd - 2451545.0) / 36525; }

}  // namespace korvel::astro
