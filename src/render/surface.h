// The drawing operations every drawn window offers. Coordinates are in the
// surface's scale units (twips, or 1 x 1 for the moon-face window), origin
// top-left, y downwards. Fill style, fill colour and line width persist
// between operations.
#pragma once

#include <cstdint>

namespace korvel::render {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kYellow{255, 255, 0};     // palette 14
inline constexpr Rgb kLightRed{255, 0, 0};     // palette 12
inline constexpr Rgb kBlue{0, 0, 255};         // palette 9
inline constexpr Rgb kGreen{0, 128, 0};        // palette 2
inline constexpr Rgb kMagenta{255, 0, 255};    // palette 13
inline constexpr Rgb kCyan{0, 255, 255};       // palette 11
inline constexpr Rgb kGridGrey{200, 200, 200};
inline constexpr Rgb kWhite{255, 255, 255};

class Surface {
 public:
  virtual ~Surface() = default;

  virtual void setFillSolid(bool solid) = 0;
  virtual void setFillColor(Rgb colour) = 0;
  virtual void setLineWidth(int pixels) = 0;
  // Ellipse centred at (x, y): aspect >= 1 gives a vertical semi-axis r and
  // a horizontal one r / aspect; aspect < 1 a horizontal r and vertical
  // r * aspect.
  virtual void ellipse(double x, double y, double r, Rgb outline, double aspect) = 0;
  // Arc from `start` to `end` (radians, counter-clockwise, 0 = 3 o'clock)
  // with the two radii, filled like an ellipse.
  virtual void halfDisc(double x, double y, double r, Rgb outline, double start, double end) = 0;
  virtual void line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
  virtual void clear() = 0;
  virtual double scaleWidth() const = 0;
  virtual double scaleHeight() const = 0;
};

}  // namespace korvel::render
