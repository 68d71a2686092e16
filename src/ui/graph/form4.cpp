#include "ui/graph/form4.h"

#include <QCheckBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "core/app.h"

namespace korvel::ui {

namespace {

constexpr int kPictureBorder = 2;  // pixels of the sunken frame around the plot

struct Legend {
  int number;
  int shapeLeft;
  int checkLeft;
  int checkWidth;
  const char* caption;
  QColor colour;
};
// Shape1..Shape4 and Check1..Check4, left to right.
const Legend kLegend[] = {
    {1, 120, 360, 1572, "太陽の地心距離", QColor(255, 0, 255)},
    {2, 2100, 2340, 1392, "月の地心距離", QColor(0, 0, 255)},
    {3, 3840, 4080, 852, "輝面比", QColor(0, 128, 0)},
    {4, 5040, 5280, 1092, "月の黄緯", QColor(0, 255, 255)},
};
constexpr int kLegendTop = 4860;
constexpr int kLegendSize = 192;

core::CheckBox& modelCheck(core::App& app, int n) {
  switch (n) {
    case 1: return app.form4.Check1;
    case 2: return app.form4.Check2;
    case 3: return app.form4.Check3;
    default: return app.form4.Check4;
  }
}

QSize pictureInner() {
  const QRect outer = pxRect(0, 360, 8635, 4452);
  return outer.size() - QSize(2 * kPictureBorder, 2 * kPictureBorder);
}

}  // namespace

GraphPicture::GraphPicture(QtSurface& surface, QWidget* parent) : QFrame(parent), surface_(surface) {
  setObjectName(QStringLiteral("Picture1"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kPictureBorder);
}

void GraphPicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  const QRect inner = contentsRect();
  p.setClipRect(event->rect() & inner);
  p.drawImage(inner, surface_.image());
}

Form4::Form4(core::App& app)
    : SecondaryWindow(app, app.form4,
                      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      surface_(QSizeF(kScaleWidth, kScaleHeight), pictureInner(), devicePixelRatioF(), Qt::white) {
  setFixedSize(layoutClient());

  for (int n = 1; n <= 9; ++n) {
    auto* b = new QPushButton(this);
    b->setObjectName(QStringLiteral("Command%1").arg(n));
    b->setGeometry(pxRect((n - 1) * 960, 0, 972, 372));
    commands_[n] = b;
  }
  core::App& a = app;
  connect(commands_[1], &QPushButton::clicked, this, [&a] { a.Form4_Command1_Click(); });
  connect(commands_[3], &QPushButton::clicked, this, [&a] { a.Form4_Command3_Click(); });
  connect(commands_[4], &QPushButton::clicked, this, [&a] { a.Form4_Command4_Click(); });
  connect(commands_[5], &QPushButton::clicked, this, [&a] { a.Form4_Command5_Click(); });
  connect(commands_[6], &QPushButton::clicked, this, [&a] { a.Form4_Command6_Click(); });
  connect(commands_[7], &QPushButton::clicked, this, [&a] { a.Form4_Command7_Click(); });
  connect(commands_[8], &QPushButton::clicked, this, [this] { toCorner(); });
  connect(commands_[9], &QPushButton::clicked, this, [&a] { a.Form4_Command9_Click(); });

  picture1_ = new GraphPicture(surface_, this);
  picture1_->setGeometry(pxRect(0, 360, 8635, 4452));
  surface_.onChanged = [this](const QRect& area) {
    picture1_->update(area.translated(picture1_->contentsRect().topLeft()));
  };

  for (const Legend& l : kLegend) {
    auto* box = new QCheckBox(QString::fromUtf8(l.caption), this);
    box->setObjectName(QStringLiteral("Check%1").arg(l.number));
    box->setGeometry(pxRect(l.checkLeft, kLegendTop, l.checkWidth, kLegendSize));
    checks_[l.number] = box;
    const int n = l.number;
    connect(box, &QCheckBox::toggled, this, [&a, n](bool on) { modelCheck(a, n).setValue(on ? 1 : 0); });
    showCheck(n);
  }
  showCaptions();
}

void Form4::showCaptions() {
  for (int n = 1; n <= 9; ++n) commands_[n]->setText(QString::fromStdString(app().form4.captions[n]));
}

void Form4::showCheck(int n) {
  QCheckBox* box = checks_.at(n);
  const bool on = modelCheck(app(), n).checked();
  if (box->isChecked() == on) return;
  const QSignalBlocker block(box);
  box->setChecked(on);
}

void Form4::applyClientSize(QSize client) {
  // The size asked for is taken as the window's one size unless it is far
  // below it: the frames of window managers differ, and the legend must
  // not be cut off for a few pixels of caption bar.
  const QSize normal = layoutClient();
  const bool small = client.width() < normal.width() / 2 || client.height() < normal.height() / 2;
  setFixedSize(small ? smallestClient() : normal);
}

void Form4::toCorner() {
  core::App& a = app();
  // Changing the flags takes the window off the screen; it is shown below.
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint)) setWindowFlag(Qt::WindowStaysOnTopHint, false);
  const QScreen* s = screen();
  move(s ? s->geometry().topLeft() : QPoint(0, 0));
  applyClientSize(smallestClient());
  show();
  a.form4.show();
  reportGeometry();
  a.form4.setTop(a.st.graphtop);
  a.form4.setLeft(a.st.graphleft);
  a.form4.setHeight(a.st.graphheight);
  a.form4.setWidth(a.st.graphwidth);
}

void Form4::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter p(this);
  p.setPen(Qt::black);
  for (const Legend& l : kLegend) {
    const QRect square = pxRect(l.shapeLeft, kLegendTop, kLegendSize, kLegendSize);
    p.fillRect(square, l.colour);
    p.drawRect(square.adjusted(0, 0, -1, -1));
  }
}

}  // namespace korvel::ui
