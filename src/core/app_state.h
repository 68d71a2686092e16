// The one record of application state shared by every window. It starts
// zeroed and lives as long as the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace korvel::core {

struct AppState {
  // The entered instant as last read from the fields (Japan Standard Time).
  std::int16_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  double deltat = 0;   // Delta-T, seconds
  double jd = 0;       // Julian day at 0h UT of the entered date
  double T0 = 0;       // T of 0h UT of that date
  double dayfrac = 0;  // time of day: days after jdcalc, centuries after the time steps
  double T = 0;        // Julian centuries from JD 2451545.0, dynamical time

  double slong = 0;    // Sun's ecliptic longitude, degrees
  double mlong = 0;    // Moon's ecliptic longitude, degrees
  double mlat = 0;     // Moon's ecliptic latitude, degrees
  double mdist = 0;    // Moon's distance, km
  double sundist = 0;  // Sun's distance, au

  std::int16_t fieldcode = 0;  // field being entered: 1 2 3 7 8 9 12 17 18; 0 none
  std::int16_t stepunit = 0;   // field the continuous calculation advances
  std::int16_t stepsize = 0;   // 1 ... 3600
  std::int16_t stepval = 0;    // +stepsize (future) or -stepsize (past)
  std::int16_t interval = 0;   // timer period, ms
  std::int16_t listcount = 0;  // lines listed since the listing started
  std::int16_t filecount = 0;  // lines written since the file was opened
  std::string filetype;        // "csv", "tsv" or anything else
  std::int16_t gpoint = 0;     // graph point index
  std::int16_t ggrid = 0;      // graph grid counter
  std::array<double, 4> gprev{};  // previous plotted value of each graph series
  std::int16_t faceopen = 0;
  std::int16_t orbitopen = 0;
  std::string apptitle;

  std::int32_t datatop = 0, dataleft = 0, datawidth = 0, dataheight = 0;
  std::int32_t graphtop = 0, graphleft = 0, graphwidth = 0, graphheight = 0;
  std::int32_t facetop = 0, faceleft = 0, facewidth = 0, faceheight = 0;
  std::int32_t orbittop = 0, orbitleft = 0, orbitwidth = 0, orbitheight = 0;
  std::int32_t padtop = 0, padleft = 0, padwidth = 0, padheight = 0;
};

// Counters stop at the top of their 16-bit range instead of wrapping.
inline void countUp(std::int16_t& counter) {
  if (counter < INT16_MAX) ++counter;
}

}  // namespace korvel::core
