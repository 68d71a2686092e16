#include "ui/pads/pad_frame.h"

#include <cmath>
#include <optional>

#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace korvel::ui::pads {

namespace {

std::optional<QMargins>& lastSeen() {
  static std::optional<QMargins> margins;
  return margins;
}

QMargins measured(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}

}  // namespace

QWidget* findMainWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("Form1")) return w;
  return nullptr;
}

QMargins frameMargins(const QWidget* window) {
  if (window && window->isVisible()) {
    lastSeen() = measured(window);
    return *lastSeen();
  }
  if (const QWidget* main = findMainWindow(); main && main->isVisible()) return measured(main);
  if (lastSeen()) return *lastSeen();
  const QStyle* style = window ? window->style() : QApplication::style();
  return QMargins(0, style->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
}

core::Geometry outerTwips(const QWidget* window) {
  const QMargins m = frameMargins(window);
  // pos() of a window is the position of its frame.
  const QPoint at = window->pos();
  const QSize size = window->size().grownBy(m);
  return {at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel, size.width() * kTwipsPerPixel,
          size.height() * kTwipsPerPixel};
}

}  // namespace korvel::ui::pads
