// A drawing surface kept as a retained picture: every operation paints into
// an off-screen image at once, and the window that shows it copies the
// image to the screen when it paints. Coordinates are in scale units (twips
// for the main window), mapped linearly onto the image's logical pixels.
#pragma once

#include <functional>

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QSizeF>

#include "render/surface.h"

class QPainter;

namespace korvel::ui {

class QtSurface : public render::Surface {
 public:
  // `scale`: width and height in scale units; `pixels`: the same area in
  // logical pixels; `dpr`: device pixels per logical pixel; `background`:
  // what clear() leaves (transparent shows the window beneath).
  QtSurface(QSizeF scale, QSize pixels, qreal dpr = 1.0, QColor background = Qt::transparent);

  // A new size or pixel density; the picture is cleared.
  void resize(QSizeF scale, QSize pixels, qreal dpr);
  qreal devicePixelRatio() const { return image_.devicePixelRatio(); }
  QSize pixelSize() const { return pixels_; }

  const QImage& image() const { return image_; }

  // Edges drawn smooth or hard; hard edges keep shapes drawn over each other
  // free of coloured fringes, which is what the Moon pictures need.
  void setAntialiasing(bool on) { antialiasing_ = on; }

  // Told the area (logical pixels) each operation changed.
  std::function<void(const QRect&)> onChanged;

  void setFillSolid(bool solid) override { fillSolid_ = solid; }
  void setFillColor(render::Rgb colour) override { fill_ = colour; }
  void setLineWidth(int pixels) override { lineWidth_ = pixels < 1 ? 1 : pixels; }
  void ellipse(double x, double y, double r, render::Rgb outline, double aspect) override;
  void halfDisc(double x, double y, double r, render::Rgb outline, double start, double end) override;
  void line(double x1, double y1, double x2, double y2, render::Rgb colour) override;
  void clear() override;
  double scaleWidth() const override { return scale_.width(); }
  double scaleHeight() const override { return scale_.height(); }

 private:
  void preparePainter(QPainter& p, render::Rgb outline, bool closedShape) const;
  void changed(const QRectF& area);

  QSizeF scale_;
  QSize pixels_;
  QColor background_;
  QImage image_;
  double sx_ = 1;
  double sy_ = 1;
  bool fillSolid_ = false;
  render::Rgb fill_{};
  int lineWidth_ = 1;
  bool antialiasing_ = false;
};

QColor toQColor(render::Rgb c);

}  // namespace korvel::ui
