// The moon-face window: the lit Moon drawn large on a surface whose client
// area always measures 1 x 1 units, with the three remote buttons.
#pragma once

#include "ui/graph/remote_buttons.h"
#include "ui/secondary_window.h"
#include "ui/qt_surface.h"

namespace korvel::ui {

// A retained picture whose client area measures 1 x 1 units whatever its
// shape. Radii count in horizontal units and shapes stay round on the
// screen: a radius of 1 is the client width, up and across alike.
class NormalisedSurface : public render::Surface {
 public:
  explicit NormalisedSurface(QColor background);

  // A new size or pixel density; the picture is cleared.
  void resize(QSize pixels, qreal dpr);
  const QImage& image() const { return inner_.image(); }
  std::function<void(const QRect&)>& onChanged() { return inner_.onChanged; }

  void setFillSolid(bool solid) override { inner_.setFillSolid(solid); }
  void setFillColor(render::Rgb colour) override { inner_.setFillColor(colour); }
  void setLineWidth(int pixels) override { inner_.setLineWidth(pixels); }
  void ellipse(double x, double y, double r, render::Rgb outline, double aspect) override;
  void halfDisc(double x, double y, double r, render::Rgb outline, double start, double end) override;
  void line(double x1, double y1, double x2, double y2, render::Rgb colour) override;
  void clear() override { inner_.clear(); }
  double scaleWidth() const override { return 1; }
  double scaleHeight() const override { return 1; }

 private:
  // Underneath, one unit is the client width both ways; heights are
  // stretched by the client's height over its width on the way in.
  QtSurface inner_;
  double down_ = 1;
};

class Form5 : public SecondaryWindow {
 public:
  explicit Form5(core::App& app);

  NormalisedSurface& surface() { return surface_; }
  const RemoteButtons& buttons() const { return buttons_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Buttons to their corners, the picture drawn afresh at the window's size.
  void relayout();

  NormalisedSurface surface_;
  RemoteButtons buttons_;
};

}  // namespace korvel::ui
