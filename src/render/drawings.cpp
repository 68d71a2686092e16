#include "render/drawings.h"

#include <cmath>

#include "astro/angles.h"

namespace korvel::render {

namespace {

void disc(Surface& s, double cx, double cy, double r, Rgb c) {
  s.setFillSolid(true);
  s.setFillColor(c);
  s.ellipse(cx, cy, r, c, 1.0);
}

// The terminator: vertical semi-axis r, horizontal r * |f|. A factor of 0
// is the vertical diameter, which the half disc drawn with it already shows.
void terminator(Surface& s, double cx, double cy, double r, double f, Rgb c) {
  f = std::fabs(f);
  if (f == 0) return;
  s.setFillSolid(true);
  s.setFillColor(c);
  s.ellipse(cx, cy, r, c, 1 / f);
}

void half(Surface& s, double cx, double cy, double r, bool left, Rgb c) {
  s.setFillSolid(true);
  s.setFillColor(c);
  if (left)
    s.halfDisc(cx, cy, r, c, kPi / 2, 3 * kPi / 2);
  else
    s.halfDisc(cx, cy, r, c, 3 * kPi / 2, kPi / 2);
}

}  // namespace

void drawPhase(Surface& s, double cx, double cy, double r, double e, double k) {
  disc(s, cx, cy, r, kYellow);
  if (e <= 90) {
    terminator(s, cx, cy, r, 1 - 2 * k, kBlack);
    half(s, cx, cy, r, true, kBlack);
  } else if (e <= 180) {
    half(s, cx, cy, r, true, kBlack);
    terminator(s, cx, cy, r, 2 * k - 1, kYellow);
  } else if (e <= 270) {
    half(s, cx, cy, r, false, kBlack);
    terminator(s, cx, cy, r, 2 * k - 1, kYellow);
  } else {
    terminator(s, cx, cy, r, 1 - 2 * k, kBlack);
    half(s, cx, cy, r, false, kBlack);
  }
}

void drawMainMoon(Surface& s, double clientWidth, double clientHeight, double e, double k) {
  const float cx = static_cast<float>(clientWidth / 2 + 2100);
  const float cy = static_cast<float>(clientHeight / 2 - 200);
  const double r = std::nearbyint(clientHeight / 6) - 700;
  drawPhase(s, cx, cy, r, e, k);
}

void drawFace(Surface& s, double e, double k) {
  const double cx = s.scaleWidth() / 2;
  const double cy = s.scaleHeight() / 2;
  double r = (cx > cy ? cy : cx) - 10;
  if (r < 1) r = 1;
  drawPhase(s, cx, cy, r, e, k);
}

void drawOrbit(Surface& s, double slong, double e, bool rings) {
  s.clear();
  const double cy = s.scaleHeight() / 2;
  const double cx = s.scaleWidth() / 2;
  const double R = 0.75 * (cx > cy ? cy : cx);
  const double a = 180 - slong;
  const double ex = cx + R * astro::dsin(a);
  const double ey = cy - R * astro::dcos(a);
  const double b = (180 - slong) - e + 180;
  const double mx = ex + (R / 4) * astro::dsin(b);
  const double my = ey - (R / 4) * astro::dcos(b);
  s.setFillSolid(true);
  s.setFillColor(kLightRed);
  s.ellipse(cx, cy, R / 8, kLightRed, 1.0);
  if (rings) {
    s.setFillSolid(false);
    s.ellipse(cx, cy, R, kBlue, 1.0);
    s.setFillSolid(false);
    s.ellipse(ex, ey, R / 4, kYellow, 1.0);
  }
  s.setFillSolid(true);
  s.setFillColor(kBlue);
  s.ellipse(ex, ey, R / 12, kBlue, 1.0);
  s.setFillSolid(true);
  s.setFillColor(kYellow);
  s.ellipse(mx, my, R / 15, kYellow, 1.0);
}

void drawGraphBackground(Surface& s) {
  s.clear();
  s.setLineWidth(1);
  s.line(0, s.scaleHeight() / 2, s.scaleWidth(), s.scaleHeight() / 2, kLightRed);
}

double graphY(int series, double v) {
  switch (series) {
    case 0: return kGraphCentre - (v - 0.5) * 4000;
    case 1: return kGraphCentre - (v - 1) * 50 * 2000;
    case 2: return kGraphCentre - (v - 384401) / 25000 * 2000;
    default: return kGraphCentre - v / 10 * 4000;
  }
}

Rgb graphColour(int series) {
  switch (series) {
    case 0: return kGreen;
    case 1: return kMagenta;
    case 2: return kBlue;
    default: return kCyan;
  }
}

}  // namespace korvel::render
