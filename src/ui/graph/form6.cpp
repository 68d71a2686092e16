#include "ui/graph/form6.h"

#include <QCheckBox>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>

#include "core/app.h"
#include "ui/app_setup.h"

namespace korvel::ui {

Form6::Form6(core::App& app)
    : SecondaryWindow(app, app.form6, kOnTopFlags),
      surface_(QSizeF(kTwipsPerPixel, kTwipsPerPixel), QSize(1, 1), devicePixelRatioF(),
               palette().color(QPalette::Window)),
      buttons_(this, app) {
  // Always above the other windows, and appearing without taking the focus.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setMinimumSize(2 * px(RemoteButtons::kSizeTwips), 2 * px(RemoteButtons::kSizeTwips));

  check1_ = new QCheckBox(QStringLiteral("軌道"), this);
  check1_->setObjectName(QStringLiteral("Check1"));
  QFont font = windowFont();
  font.setPointSizeF(7.2);
  check1_->setFont(font);
  check1_->setGeometry(pxRect(0, 1980, 612, 192));
  check1_->setFocusPolicy(Qt::NoFocus);
  connect(check1_, &QCheckBox::toggled, this, [&app](bool on) { app.form6.Check1.setValue(on ? 1 : 0); });
  showCheck();

  surface_.onChanged = [this](const QRect& area) {
    // A repaint draws the picture itself; that needs no further repaint.
    if (!painting_) update(area);
  };
  fitSurface();
}

void Form6::showCheck() {
  const bool on = app().form6.Check1.checked();
  if (check1_->isChecked() == on) return;
  const QSignalBlocker block(check1_);
  check1_->setChecked(on);
}

void Form6::fitSurface() {
  const qreal dpr = devicePixelRatioF();
  if (surface_.pixelSize() == size() && qFuzzyCompare(surface_.devicePixelRatio(), dpr)) return;
  surface_.resize(QSizeF(width() * kTwipsPerPixel, height() * kTwipsPerPixel), size(), dpr);
}

void Form6::resizeEvent(QResizeEvent* event) {
  SecondaryWindow::resizeEvent(event);
  if (detached()) return;
  buttons_.place(size());
  check1_->move(0, height() - check1_->height());
  fitSurface();
  app().orbitdraw();
}

void Form6::paintEvent(QPaintEvent* event) {
  fitSurface();
  if (!detached()) {
    painting_ = true;
    app().orbitdraw();
    painting_ = false;
  }
  QPainter p(this);
  p.setClipRect(event->rect());
  p.drawImage(rect(), surface_.image());
}

}  // namespace korvel::ui
