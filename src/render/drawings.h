// The Moon, orbit and graph pictures, drawn through a Surface.
#pragma once

#include "render/surface.h"

namespace korvel::render {

inline constexpr double kPi = 3.14159;  // as the pictures take it

// The lit Moon at (cx, cy) with radius r for phase angle e (degrees) and
// illuminated fraction k, lit on the right while waxing.
void drawPhase(Surface& s, double cx, double cy, double r, double e, double k);

// The main window's Moon: centre (W/2 + 2100, H/2 - 200), radius round(H/6) - 700.
void drawMainMoon(Surface& s, double clientWidth, double clientHeight, double e, double k);

// The moon-face picture on its normalised surface.
void drawFace(Surface& s, double e, double k);

// Sun, Earth and Moon seen from the ecliptic's north pole.
void drawOrbit(Surface& s, double slong, double e, bool rings);

// Graph frame: x from 0 to 8585 twips, value axis centred on y = 2202.
inline constexpr double kGraphWidth = 8585;
inline constexpr double kGraphCentre = 2202;

// The erased graph with its centre line.
void drawGraphBackground(Surface& s);

// y of a value in each series (0 fraction, 1 Sun's distance, 2 Moon's
// distance, 3 latitude) and its colour.
double graphY(int series, double v);
Rgb graphColour(int series);

}  // namespace korvel::render
