#include "ui/graph/form5.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include "core/app.h"

namespace korvel::ui {

NormalisedSurface::NormalisedSurface(QColor background) : inner_(QSizeF(1, 1), QSize(1, 1), 1.0, background) {}

void NormalisedSurface::resize(QSize pixels, qreal dpr) {
  pixels = pixels.expandedTo(QSize(1, 1));
  down_ = static_cast<double>(pixels.height()) / pixels.width();
  inner_.resize(QSizeF(1, down_), pixels, dpr);
}

void NormalisedSurface::ellipse(double x, double y, double r, render::Rgb outline, double aspect) {
  inner_.ellipse(x, y * down_, r, outline, aspect);
}

void NormalisedSurface::halfDisc(double x, double y, double r, render::Rgb outline, double start, double end) {
  inner_.halfDisc(x, y * down_, r, outline, start, end);
}

void NormalisedSurface::line(double x1, double y1, double x2, double y2, render::Rgb colour) {
  inner_.line(x1, y1 * down_, x2, y2 * down_, colour);
}

Form5::Form5(core::App& app)
    : SecondaryWindow(app, app.form5, kOnTopFlags), surface_(palette().color(QPalette::Window)), buttons_(this, app) {
  // Always above the other windows, and appearing without taking the focus.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setMinimumSize(2 * px(RemoteButtons::kSizeTwips), 2 * px(RemoteButtons::kSizeTwips));
  surface_.onChanged() = [this](const QRect& area) { update(area); };
  surface_.resize(size(), devicePixelRatioF());
}

void Form5::relayout() {
  if (detached()) return;
  buttons_.place(size());
  surface_.resize(size(), devicePixelRatioF());
  surface_.clear();
  app().facedraw();
}

void Form5::resizeEvent(QResizeEvent* event) {
  SecondaryWindow::resizeEvent(event);
  relayout();
}

void Form5::showEvent(QShowEvent* event) {
  SecondaryWindow::showEvent(event);
  // What was calculated while the window was hidden is not drawn yet.
  relayout();
}

void Form5::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setClipRect(event->rect());
  p.drawImage(rect(), surface_.image());
}

}  // namespace korvel::ui
