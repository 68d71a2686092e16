// Reading the instant, the series, the recalculation and the new-moon search.
#include <cmath>
#include <cstdint>

#include "astro/julian.h"
#include "astro/series.h"
#include "astro/textform.h"
#include "core/app.h"

namespace korvel::core {

using astro::val;

std::int16_t App::toState(double value) {
  const double r = astro::roundHalfEven(value);
  if (!(r >= INT16_MIN)) return INT16_MIN;  // also NaN
  if (r > INT16_MAX) return INT16_MAX;
  return static_cast<std::int16_t>(r);
}

void App::dtread() {
  st.year = toState(Text1.value());
  st.month = toState(Text2.value());
  st.day = toState(Text3.value());
  st.hour = toState(Text7.value());
  st.minute = toState(Text8.value());
  st.second = toState(Text9.value());
  const double y = Text1.value();
  if (y > 1934 && Check3.checked()) Text12.setText(astro::twoDigitText(y - 1934));
  st.deltat = Text12.value();
  if (astro::julianDayAccepts(st.year, st.month, st.day)) jdcalc();
}

void App::jdcalc() {
  st.jd = astro::julianDay0h(st.year, st.month, st.day);
  st.dayfrac = astro::dayFractionDays(st.hour, st.minute, st.second, st.deltat);
  Text4.setText(astro::jdText(st.jd + st.dayfrac));
}

void App::timeSteps() {
  dtread();
  st.T0 = astro::centuriesOf(st.jd);
  st.dayfrac = astro::dayFractionCenturies(st.hour, st.minute, st.second, st.deltat);
  st.T = st.T0 + st.dayfrac;
}

void App::sunlon() {
  st.slong = astro::sunLongitude(st.T);
  Text5.setText(astro::text12(st.slong));
}

void App::moonlon() {
  st.mlong = astro::moonLongitude(st.mlong, st.T);
  Text6.setText(astro::text12(st.mlong));
}

void App::moonyh() {
  st.mlat = astro::moonLatitude(st.T);
  Text20.setText(astro::text12(st.mlat));
}

void App::sundis() {
  st.sundist = astro::sunDistance(st.T);
  Text15.setText(astro::text14(st.sundist));
}

void App::moondis() {
  st.mdist = astro::moonDistance(st.T);
  Text16.setText(astro::textKm(st.mdist));
}

void App::phase() {
  const double p = astro::phaseAngle(st.mlong, st.slong);
  Text10.setText(astro::text12(p));
  Text11.setText(astro::text12(astro::illuminatedFraction(p)));
}

void App::calcn() {
  timeSteps();
  sunlon();
  st.mlong = astro::moonMeanLongitude(st.T);
  moonlon();
  phase();
}

void App::showAge() {
  Text14.setText(astro::text12(Text4.value() - Text13.value()));
}

void App::recalc() {
  timeSteps();
  sunlon();
  st.mlong = astro::moonMeanLongitude(st.T);
  moonlon();
  phase();
  moonyh();
  sundis();
  moondis();
  if (!Text13.text().empty()) showAge();
  if (Check1.checked()) {
    if (Text14.value() > 29 && Text10.value() < 300) agecalc();
    if (Text14.value() < 0) agecalc();
  }
  if (Check4.value() == 1) listline();
  if (Check2.checked()) graphstep();
  if (Check5.checked()) fileline();
  moondraw();
  if (st.faceopen == 1) facedraw();
  if (st.orbitopen == 1) orbitdraw();
}

// ---- new-moon search ---------------------------------------------------------

namespace {

// Steps a stage may take before it gives up. The ordinary search needs at
// most 30 day steps, 25 hour steps and 61 minute steps.
constexpr int kDaySteps = 31;
constexpr int kHourSteps = 50;
constexpr int kMinuteSteps = 130;
constexpr int kSecondSteps = 61;

}  // namespace

void App::moveAndEvaluate(TextField& field, double amount, bool live) {
  add(field, amount);
  calcn();
  if (live) platform_.repaintField(field);
}

// Steps the fields back to the last new moon at or before the instant they
// show. Returns false when a stage found no stopping point (the fields are
// then put back by the caller).
bool App::searchNewMoon(bool live) {
  searchStop.reset();
  // Day stage: whole days back until the phase rises, then one day forward.
  int s = -1;
  int steps = 0;
  double e = 0;
  do {
    if (++steps > kDaySteps) return false;
    e = Text10.value();
    add(Text3, s);
    calcn();
    if (live) {
      moondraw();
      platform_.repaintField(Text1);
      platform_.repaintField(Text2);
      platform_.repaintField(Text3);
    }
  } while (!(e < Text10.value()));
  moveAndEvaluate(Text3, 1, live);

  // Hour and minute stages: test one step back, turn forward if it crossed,
  // run to the first rising reading and undo that step.
  auto stage = [&](TextField& field, int limit, bool drawFirst) {
    int dir = -1;
    double prev = Text10.value();
    add(field, dir);
    calcn();
    if (live) {
      if (drawFirst) moondraw();
      platform_.repaintField(field);
    }
    if (Text10.value() > prev) dir = -dir;
    int n = 0;
    do {
      if (++n > limit) return false;
      prev = Text10.value();
      moveAndEvaluate(field, dir, live);
    } while (!(prev < Text10.value()));
    moveAndEvaluate(field, -dir, live);
    return true;
  };
  if (!stage(Text7, kHourSteps, true)) return false;
  if (!stage(Text8, kMinuteSteps, false)) return false;

  // Second stage: one second at a time until the fraction reads zero. When
  // no whole second reads zero (a fast Moon), stop at the second of smallest
  // fraction among those visited.
  s = -1;
  e = Text11.value();
  moveAndEvaluate(Text9, s, live);
  if (Text11.value() > e) s = -s;
  moveAndEvaluate(Text9, -s, live);
  int offset = 0;
  int bestOffset = 0;
  double best = Text11.value();
  int n = 0;
  do {
    moveAndEvaluate(Text9, s, live);
    offset += s;
    if (Text11.value() < best) {
      best = Text11.value();
      bestOffset = offset;
    }
  } while (Text11.value() != 0 && ++n < kSecondSteps);
  if (Text11.value() != 0 && offset != bestOffset) moveAndEvaluate(Text9, bestOffset - offset, live);
  searchStop = LocalTime{st.year, st.month, st.day, st.hour, st.minute, st.second};
  return true;
}

// Both searches start alike: the busy pointer, and nothing to do when the
// fraction already reads zero (or is empty).
bool App::searchCanStart() {
  platform_.setBusy(true);
  if (Text11.value() != 0) return true;
  platform_.setBusy(false);
  platform_.beep();
  return false;
}

void App::putInstantBack(const LocalTime& t) {
  const int values[6] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
  TextField* fields[6] = {&Text1, &Text2, &Text3, &Text7, &Text8, &Text9};
  for (int i = 0; i < 6; ++i) fields[i]->setText(astro::plainText(values[i]));
  calcn();
}

void App::agecalc() {
  if (!searchCanStart()) return;
  const LocalTime entered{st.year, st.month, st.day, st.hour, st.minute, st.second};
  const bool found = searchNewMoon(false);
  if (found) Text13.setText(Text4.text());
  putInstantBack(entered);
  if (found) showAge();
  platform_.setBusy(false);
  platform_.beep();
}

void App::Command35_Click() {
  if (!searchCanStart()) return;
  const LocalTime entered{st.year, st.month, st.day, st.hour, st.minute, st.second};
  if (searchNewMoon(true)) {
    recalc();
  } else {
    // No new moon within the years the Julian day admits: the entered
    // instant comes back and nothing else changes.
    putInstantBack(entered);
    for (TextField* f : {&Text1, &Text2, &Text3, &Text7, &Text8, &Text9}) platform_.repaintField(*f);
  }
  platform_.setBusy(false);
  platform_.beep();
}

}  // namespace korvel::core
