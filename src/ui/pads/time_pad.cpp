// The time pad: an always-on-top remote control with "▲"/"▼" for each date
// and time field, "Now", "◆" and "■", six unit labels that choose what the
// continuous calculation steps (the chosen one is highlighted), and the step
// size. It computes nothing; every key goes to the model's handlers.
#include <algorithm>
#include <array>
#include <memory>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

#include "core/app.h"
#include "ui/app_setup.h"
#include "ui/pads/pad_frame.h"
#include "ui/pads/pads.h"

namespace korvel::ui {

namespace {

using pads::kTwipsPerPixel;
using pads::px;
using pads::pxRect;

// The area the controls need; a smaller size asked for is raised to it.
constexpr int kDesignWidthTwips = 1812;
constexpr int kDesignHeightTwips = 1644;

constexpr double kPadFontPoints = 7.8;
const QColor kUnitMark(255, 255, 128);

// A unit label: a click chooses the unit.
class UnitLabel : public QLabel {
 public:
  UnitLabel(QWidget* parent, std::function<void()> onClick) : QLabel(parent), onClick_(std::move(onClick)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick_) onClick_();
  }

 private:
  std::function<void()> onClick_;
};

class TimePad : public QWidget {
 public:
  explicit TimePad(core::App& app)
      : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                             Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
        app_(&app) {
    setObjectName(QStringLiteral("Form7"));
    setWindowIcon(programIcon());
    // Above the other windows, without taking the keyboard from them.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont font(QString::fromUtf8(kArrowFontFamily));
    font.setPointSizeF(kPadFontPoints);
    setFont(font);
    setFixedSize(px(kDesignWidthTwips), px(kDesignHeightTwips));
    build();
  }

  void detach() { app_ = nullptr; }

  void showCaption() {
    if (app_) setWindowTitle(QString::fromStdString(app_->form7.caption()));
  }

  void showText1() {
    if (!app_) return;
    const QString t = QString::fromStdString(app_->form7.Text1.text());
    if (text1_->text() != t) text1_->setText(t);
  }

  void showLabel(int n) {
    if (!app_ || n < 1 || n > 6) return;
    const core::Label& model = app_->form7.labels[static_cast<std::size_t>(n)];
    QLabel* label = labels_[static_cast<std::size_t>(n)];
    label->setText(QString::fromStdString(model.caption()));
    // Opaque shows the light yellow; transparent lets the window show through.
    label->setAutoFillBackground(model.opaque());
    label->update();
  }

  // Moves the frame to the model's place and gives the window the model's
  // outer size, never smaller than the controls need.
  void applyGeometry() {
    if (!app_) return;
    const core::Geometry g = app_->form7.geometry();
    applying_ = true;
    move(px(g.left), px(g.top));
    const QMargins m = pads::frameMargins(this);
    const QSize client(std::max(px(g.width) - m.left() - m.right(), px(kDesignWidthTwips)),
                       std::max(px(g.height) - m.top() - m.bottom(), px(kDesignHeightTwips)));
    setFixedSize(client);
    applying_ = false;
    pushGeometry();
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (app_ && app_->form7.loaded()) app_->form7.unload();
    event->accept();
  }

  void moveEvent(QMoveEvent* event) override {
    QWidget::moveEvent(event);
    pushGeometry();
  }

  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    pushGeometry();
  }

  void showEvent(QShowEvent* event) override {
    QWidget::showEvent(event);
    pushGeometry();
  }

  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    // Line1 divides the date and time columns, Line2 sets off the step row.
    p.drawLine(px(900), px(300), px(900), px(1200));
    p.drawLine(px(0), px(1260), px(1800), px(1260));
  }

 private:
  void pushGeometry() {
    if (app_ && !applying_ && isVisible()) app_->form7.geometryFromView(pads::outerTwips(this));
  }

  QPushButton* button(int number, const char* caption, int left, int top, int width, int height) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QStringLiteral("Command%1").arg(number));
    b->setGeometry(pxRect(left, top, width, height));
    b->setAutoDefault(false);
    return b;
  }

  void build() {
    // The labels first, so that the buttons they touch lie above them.
    struct Unit {
      int n;
      int left, top;
    };
    static constexpr Unit kUnits[] = {{1, 300, 360}, {2, 300, 660}, {3, 300, 960},
                                      {4, 1260, 360}, {5, 1260, 660}, {6, 1260, 960}};
    for (const Unit& u : kUnits) {
      auto* label = new UnitLabel(this, [this, n = u.n] {
        if (app_) app_->Form7_Label_Click(n);
      });
      label->setObjectName(QStringLiteral("Label%1").arg(u.n));
      label->setGeometry(pxRect(u.left, u.top, 252, 252));
      label->setAlignment(Qt::AlignCenter);
      QPalette palette = label->palette();
      palette.setColor(QPalette::Window, kUnitMark);
      label->setPalette(palette);
      labels_[static_cast<std::size_t>(u.n)] = label;
    }
    auto* label7 = new QLabel(QStringLiteral("変化分"), this);
    label7->setObjectName(QStringLiteral("Label7"));
    label7->setGeometry(pxRect(0, 1380, 612, 252));
    label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    struct Arrow {
      int number;
      const char* caption;
      int left, top;
    };
    static constexpr Arrow kArrows[] = {
        {1, "▲", 0, 300},   {2, "▼", 540, 300},  {3, "▲", 0, 600},     {4, "▼", 540, 600},
        {5, "▲", 0, 900},   {6, "▼", 540, 900},  {7, "▲", 960, 300},   {8, "▼", 1500, 300},
        {9, "▲", 960, 600}, {10, "▼", 1500, 600}, {11, "▲", 960, 900}, {12, "▼", 1500, 900},
    };
    const QFont small = arrowFont();
    std::vector<QWidget*> order;
    for (const Arrow& a : kArrows) {
      QPushButton* b = button(a.number, a.caption, a.left, a.top, 312, 312);
      b->setFont(small);
      connect(b, &QPushButton::clicked, this, [this, n = a.number] {
        if (app_) app_->Form7_Arrow(n);
      });
      order.push_back(b);
    }

    QPushButton* now = button(13, "Now", 540, 0, 732, 252);
    connect(now, &QPushButton::clicked, this, [this] {
      if (app_) app_->Form7_Now();
    });
    QPushButton* start = button(14, "◆", 0, 0, 312, 252);
    start->setFont(small);
    connect(start, &QPushButton::clicked, this, [this] {
      if (app_) app_->reverseOrStart();
    });
    QPushButton* stop = button(15, "■", 1500, 0, 312, 252);
    stop->setFont(small);
    connect(stop, &QPushButton::clicked, this, [this] {
      if (app_) app_->stopContinuous();
    });

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(pxRect(1020, 1380, 432, 252));
    text1_->setTextMargins(0, 0, 0, 0);
    // Only shows the step size; it is changed by the keys beside it.
    text1_->setReadOnly(true);

    QPushButton* up = button(16, "▲", 660, 1320, 312, 312);
    up->setFont(small);
    connect(up, &QPushButton::clicked, this, [this] {
      if (app_) app_->Form7_Step(+1);
    });
    QPushButton* down = button(17, "▼", 1500, 1320, 312, 312);
    down->setFont(small);
    connect(down, &QPushButton::clicked, this, [this] {
      if (app_) app_->Form7_Step(-1);
    });

    for (QWidget* w : {static_cast<QWidget*>(now), static_cast<QWidget*>(start), static_cast<QWidget*>(stop),
                       static_cast<QWidget*>(text1_), static_cast<QWidget*>(up), static_cast<QWidget*>(down)})
      order.push_back(w);
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  }

  core::App* app_;
  bool applying_ = false;
  std::array<QLabel*, 7> labels_{};
  QLineEdit* text1_ = nullptr;
};

// Follows the model's form7: makes the window when the form is created and
// drops it when the form is closed.
class TimePadController {
 public:
  explicit TimePadController(core::App& app) : app_(app) {}
  TimePadController(const TimePadController&) = delete;
  TimePadController& operator=(const TimePadController&) = delete;
  ~TimePadController() {
    if (pad_) {
      pad_->detach();
      delete pad_;
    }
  }

  TimePad* pad() const { return pad_; }

  void create() {
    if (pad_) return;
    pad_ = new TimePad(app_);
    pad_->showCaption();
    pad_->showText1();
    for (int n = 1; n <= 6; ++n) pad_->showLabel(n);
    pad_->applyGeometry();
  }

  void destroy() {
    if (!pad_) return;
    TimePad* pad = pad_;
    pad_ = nullptr;
    pad->detach();
    pad->hide();
    // The close box may have brought us here, with the window's own event
    // still running.
    pad->deleteLater();
  }

 private:
  core::App& app_;
  TimePad* pad_ = nullptr;
};

}  // namespace

void attachTimePad(core::App& app) {
  auto controller = std::make_shared<TimePadController>(app);
  core::TimePadForm& form = app.form7;
  form.onViewCreate = [controller] { controller->create(); };
  form.onViewDestroy = [controller] { controller->destroy(); };
  form.onViewShow = [controller] {
    if (TimePad* pad = controller->pad()) {
      pad->show();
      pad->raise();
    }
  };
  form.onViewHide = [controller] {
    if (TimePad* pad = controller->pad()) pad->hide();
  };
  form.onViewGeometry = [controller] {
    if (TimePad* pad = controller->pad()) pad->applyGeometry();
  };
  form.onViewCaption = [controller] {
    if (TimePad* pad = controller->pad()) pad->showCaption();
  };
  form.Text1.onView = [controller] {
    if (TimePad* pad = controller->pad()) pad->showText1();
  };
  for (int n = 1; n <= 6; ++n)
    form.labels[static_cast<std::size_t>(n)].onView = [controller, n] {
      if (TimePad* pad = controller->pad()) pad->showLabel(n);
    };
}

}  // namespace korvel::ui
