#include "ui/qt_surface.h"

#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPen>

namespace korvel::ui {

QColor toQColor(render::Rgb c) { return QColor(c.r, c.g, c.b); }

QtSurface::QtSurface(QSizeF scale, QSize pixels, qreal dpr, QColor background) : background_(background) {
  resize(scale, pixels, dpr);
}

void QtSurface::resize(QSizeF scale, QSize pixels, qreal dpr) {
  scale_ = scale;
  pixels_ = pixels.expandedTo(QSize(1, 1));
  if (dpr <= 0) dpr = 1;
  image_ = QImage(QSize(static_cast<int>(std::ceil(pixels_.width() * dpr)),
                        static_cast<int>(std::ceil(pixels_.height() * dpr))),
                  QImage::Format_ARGB32_Premultiplied);
  image_.setDevicePixelRatio(dpr);
  image_.fill(background_);
  sx_ = scale_.width() > 0 ? pixels_.width() / scale_.width() : 1;
  sy_ = scale_.height() > 0 ? pixels_.height() / scale_.height() : 1;
}

void QtSurface::preparePainter(QPainter& p, render::Rgb outline, bool closedShape) const {
  p.setRenderHint(QPainter::Antialiasing, antialiasing_);
  QPen pen(toQColor(outline));
  pen.setWidth(lineWidth_);
  pen.setCapStyle(Qt::FlatCap);
  p.setPen(pen);
  if (closedShape && fillSolid_)
    p.setBrush(toQColor(fill_));
  else
    p.setBrush(Qt::NoBrush);
}

void QtSurface::changed(const QRectF& area) {
  if (!onChanged) return;
  const int margin = lineWidth_ + 1;
  onChanged(area.toAlignedRect().adjusted(-margin, -margin, margin, margin) & QRect(QPoint(0, 0), pixels_));
}

void QtSurface::ellipse(double x, double y, double r, render::Rgb outline, double aspect) {
  double rx = r;
  double ry = r;
  if (aspect >= 1) {
    rx = r / aspect;
  } else {
    ry = r * aspect;
  }
  const QRectF box((x - rx) * sx_, (y - ry) * sy_, 2 * rx * sx_, 2 * ry * sy_);
  QPainter p(&image_);
  preparePainter(p, outline, true);
  p.drawEllipse(box);
  p.end();
  changed(box);
}

void QtSurface::halfDisc(double x, double y, double r, render::Rgb outline, double start, double end) {
  constexpr double kTurn = 2 * std::numbers::pi;
  double span = std::fmod(end - start, kTurn);
  if (span <= 0) span += kTurn;
  const auto sixteenths = [](double radians) { return static_cast<int>(std::lround(radians * 180 / std::numbers::pi * 16)); };
  const QRectF box((x - r) * sx_, (y - r) * sy_, 2 * r * sx_, 2 * r * sy_);
  QPainter p(&image_);
  preparePainter(p, outline, true);
  p.drawPie(box, sixteenths(start), sixteenths(span));
  p.end();
  changed(box);
}

void QtSurface::line(double x1, double y1, double x2, double y2, render::Rgb colour) {
  const QPointF a(x1 * sx_, y1 * sy_);
  const QPointF b(x2 * sx_, y2 * sy_);
  QPainter p(&image_);
  preparePainter(p, colour, false);
  p.drawLine(a, b);
  p.end();
  changed(QRectF(a, b).normalized());
}

void QtSurface::clear() {
  image_.fill(background_);
  if (onChanged) onChanged(QRect(QPoint(0, 0), pixels_));
}

}  // namespace korvel::ui
