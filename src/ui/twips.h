// Positions and sizes of the windows come in twips: 15 twips are one
// logical pixel, and Qt's high-DPI scaling does the rest.
#pragma once

#include <cmath>

#include <QRect>

namespace korvel::ui {

inline constexpr int kTwipsPerPixel = 15;

inline int px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// A rectangle in twips to logical pixels; shared edges stay shared.
inline QRect pxRect(int left, int top, int width, int height) {
  const int l = px(left);
  const int t = px(top);
  return QRect(l, t, px(left + width) - l, px(top + height) - t);
}

}  // namespace korvel::ui
