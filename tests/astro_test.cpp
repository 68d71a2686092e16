#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/julian.h"
#include "astro/series.h"

using namespace korvel::astro;

TEST(Angles, FourteenDigitFactorsShowInTheResults) {
  EXPECT_DOUBLE_EQ(dsin(30), 0.4999999999999923);
  EXPECT_NE(dsin(30), 0.5);
  EXPECT_NEAR(dcos(90), 2.648e-14, 1e-17);
  EXPECT_NEAR(dsin(180), 5.297e-14, 1e-17);
  EXPECT_NEAR(dcos(270), -8.01e-14, 1e-16);
  EXPECT_EQ(dcos(0), 1.0);
  EXPECT_EQ(dsin(0), 0.0);
  EXPECT_NEAR(dasin(0.5), 29.9999999999998, 1e-12);
  EXPECT_NEAR(dacos(0), 89.9999999999997, 1e-12);
  EXPECT_NEAR(deg(M_PI), 179.999999999999, 1e-11);
}

TEST(Angles, InverseFunctionsOutsideTheOpenIntervalGiveNaN) {
  for (double x : {1.0, -1.0, 1.5, -7.0}) {
    EXPECT_TRUE(std::isnan(dasin(x))) << x;
    EXPECT_TRUE(std::isnan(dacos(x))) << x;
  }
}

struct SeriesCase {
  double T;
  double sun, moon, lat, moonDist;
};

TEST(Series, ValuesAtKnownInstants) {
  // NaN marks a value not checked at that instant.
  const double n = NAN;
  const SeriesCase cases[] = {
      {0, 280.3773624988, 223.3137267251, 5.1713188696, 402451.148251},
      {0.1, 280.4509355813, 103.2311029591, 0.7255242148, 359361.083476},
      {-1, 279.6442151440, 265.2989345232, 0.4613765096, 370495.291809},
      {0.05, n, 156.2527595015, n, n},
      {0.25, 280.5629103828, n, -4.7159802596, n},
  };
  for (const SeriesCase& c : cases) {
    SCOPED_TRACE(c.T);
    if (!std::isnan(c.sun)) {
      EXPECT_NEAR(sunLongitude(c.T), c.sun, 1e-10);
    }
    if (!std::isnan(c.moon)) {
      EXPECT_NEAR(moonLongitude(moonMeanLongitude(c.T), c.T), c.moon, 1e-10);
    }
    if (!std::isnan(c.lat)) {
      EXPECT_NEAR(moonLatitude(c.T), c.lat, 1e-10);
    }
    if (!std::isnan(c.moonDist)) {
      EXPECT_NEAR(moonDistance(c.T), c.moonDist, 1e-6);
    }
  }
  EXPECT_NEAR(moonParallax(0), 0.9080749408, 1e-10);
  EXPECT_NEAR(moonParallax(0.1), 1.0169706988, 1e-10);
  EXPECT_DOUBLE_EQ(moonMeanLongitude(-1), 218.316 - 481267.8809);
}

TEST(Series, SunDistanceToFourteenDecimals) {
  EXPECT_NEAR(sunDistance(0), 0.98330973485562, 5e-15);
  // JD 2451729.5: 2000-07-04 09:00 JST with Delta-T 0.
  EXPECT_NEAR(sunDistance(centuriesOf(2451729.5)), 1.01674664759121, 5e-15);
}

TEST(Series, ReductionToOneTurn) {
  EXPECT_EQ(reduceTurn(720), 0.0);
  EXPECT_EQ(reduceTurn(-360), 0.0);
  EXPECT_EQ(reduceTurn(0), 0.0);
  EXPECT_NEAR(reduceTurn(-481049.5649 + 0), reduceTurn(-481049.5649 + 360 * 1400), 1e-6);
  for (double x : {-1e6, -0.5, 359.999999, 1e7 + 0.25}) {
    const double r = reduceTurn(x);
    EXPECT_GE(r, 0) << x;
    EXPECT_LT(r, 360) << x;
  }
}

TEST(Series, PhaseAngleAndFraction) {
  EXPECT_EQ(phaseAngle(10, 350), 20);
  EXPECT_EQ(phaseAngle(350, 10), 340);
  EXPECT_EQ(phaseAngle(123.5, 123.5), 360);
  EXPECT_EQ(illuminatedFraction(0), 0);
  EXPECT_NEAR(illuminatedFraction(180), 1, 1e-15);
}

TEST(JulianDay, GregorianFormulaWithoutCenturyShortcuts) {
  const struct {
    int y, m, d;
    double jd;
  } cases[] = {
      {2000, 1, 1, 2451544.5}, {1999, 12, 31, 2451543.5}, {1583, 1, 1, 2299238.5},
      {1700, 3, 1, 2342031.5}, {2024, 3, 1, 2460370.5},   {1900, 2, 29, 2415079.5},
      {1900, 3, 1, 2415079.5}, {2024, 1, 32, 2460341.5},  {2023, 13, 1, 2460310.5},
  };
  for (const auto& c : cases) EXPECT_EQ(julianDay0h(c.y, c.m, c.d), c.jd) << c.y << "-" << c.m << "-" << c.d;
}

TEST(JulianDay, TimeOfDayCountsFromNineHoursBeforeJst) {
  EXPECT_DOUBLE_EQ(dayFractionDays(8, 0, 0, 0), -1.0 / 24);
  EXPECT_EQ(dayFractionDays(21, 0, 0, 0), 0.5);
  EXPECT_EQ(centuriesOf(2451544.5), -0.000013689253935660506);
  EXPECT_EQ(centuriesOf(2451544.5) + dayFractionCenturies(21, 0, 0, 0), 0.0);
  EXPECT_FALSE(julianDayAccepts(1582, 12, 31));
  EXPECT_FALSE(julianDayAccepts(2000, 0, 1));
  EXPECT_FALSE(julianDayAccepts(2000, 1, 0));
  EXPECT_TRUE(julianDayAccepts(1583, 1, 1));
}
