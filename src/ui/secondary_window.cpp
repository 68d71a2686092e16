#include "ui/secondary_window.h"

#include <map>
#include <string>

#include <QCloseEvent>
#include <QStyle>

#include "core/app.h"

namespace korvel::ui {

namespace {

// The frame the window manager gave the last framed window of each form. A
// window made again is sized by it from the start: an assumed frame that
// differs from the real one would make the window grow or shrink at every
// reopening.
std::map<std::string, QSize>& framesSeen() {
  static std::map<std::string, QSize> frames;
  return frames;
}

}  // namespace

SecondaryWindow::SecondaryWindow(core::App& app, core::Form& form, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), app_(app), form_(form) {
  setObjectName(QString::fromStdString(form.name()));
  // Until a window of the form has been framed, a caption bar is assumed.
  const auto seen = framesSeen().find(form.name());
  frameExtra_ = seen != framesSeen().end() ? seen->second : QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
}

void SecondaryWindow::showModelGeometry() {
  // A copy: the moves below report back into the form.
  const core::Geometry g = form_.geometry();
  applying_ = true;
  placedWith_ = frameExtra_;
  move(px(g.left), px(g.top));
  applyClientSize(QSize(px(g.width), px(g.height)) - frameExtra_);
  applying_ = false;
  // The form keeps what it asked for; the program sets the four values one
  // by one, and a size the window cannot take yet must not overwrite the
  // others on the way. Moves and resizes the user makes are reported.
}

void SecondaryWindow::applyClientSize(QSize client) { resize(client.expandedTo(minimumSize())); }

void SecondaryWindow::showModelCaption() { setWindowTitle(QString::fromStdString(form_.caption())); }

void SecondaryWindow::reportGeometry() {
  if (detached_ || applying_) return;
  if (isVisible()) {
    const QSize framed = frameGeometry().size() - size();
    if (framed.width() >= 0 && framed.height() > 0) {
      frameExtra_ = framed;
      framesSeen()[form_.name()] = framed;
    }
  }
  if (frameExtra_ != placedWith_) {
    // The frame turned out other than assumed: the client area is sized
    // again so that the outer size stays the form's.
    showModelGeometry();
    return;
  }
  // pos() is where move() puts the window: the frame's corner.
  const QPoint at = pos();
  const QSize outer = size() + frameExtra_;
  const core::Geometry& g = form_.geometry();
  core::Geometry now = g;
  if (px(g.left) != at.x()) now.left = at.x() * kTwipsPerPixel;
  if (px(g.top) != at.y()) now.top = at.y() * kTwipsPerPixel;
  if (px(g.width) != outer.width()) now.width = outer.width() * kTwipsPerPixel;
  if (px(g.height) != outer.height()) now.height = outer.height() * kTwipsPerPixel;
  if (now.left != g.left || now.top != g.top || now.width != g.width || now.height != g.height)
    form_.geometryFromView(now);
}

void SecondaryWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  reportGeometry();
}

void SecondaryWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  reportGeometry();
}

void SecondaryWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  reportGeometry();
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // The form's closing steps run and the form is destroyed, which hides
  // this window and deletes it once this event is over.
  if (!detached_) form_.unload();
}

}  // namespace korvel::ui
