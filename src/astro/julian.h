// Julian day and the time steps from a civil date and Japan Standard Time.
#pragma once

namespace korvel::astro {

// Julian day at 0h universal time of a Gregorian date (a whole number + 0.5).
// Months above 12 and days beyond the month's length are carried
// arithmetically.
double julianDay0h(int year, int month, int day);

// The guard before the Julian day: years after 1582, month and day above 0.
bool julianDayAccepts(int year, int month, int day);

// Time of day from 0h UT in days: ((((s + dT)/60 + min)/60 + h) - 9) / 24.
double dayFractionDays(int hour, int minute, int second, double deltaT);

// The same in Julian centuries (divided once more by 36525).
double dayFractionCenturies(int hour, int minute, int second, double deltaT);

// T of 0h UT of the date whose Julian day is jd.
double centuriesOf(double jd);

}  // namespace korvel::astro
