#include "ui/data/data_window.h"

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

#include <QCloseEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>

#include "core/app.h"
#include "ui/twips.h"

namespace korvel::ui {

namespace {


// The client area the window is laid out for.
constexpr int kClientWidthTwips = 8640;
constexpr int kClientHeightTwips = 5064;
constexpr int kButtonTop = 0;
constexpr int kButtonWidth = 972;
constexpr int kButtonHeight = 372;
constexpr int kButtonStep = 960;

const QColor kBackground(192, 192, 192);

// Monospaced Japanese Gothics, most wanted first: in these an ideographic
// space is as wide as two digits, which puts the heading's words over the
// columns (the last five exactly). Proportional Gothics drift further off
// with every column, and a sign or a narrower digit shifts a whole line.
const char* const kListFamilies[] = {"IPAGothic", "TakaoGothic", "VL Gothic", "Noto Sans Mono CJK JP",
                                     "Source Han Code JP"};
constexpr int kListFontPoints = 9;

// The model's lines end with CR LF; the widget's with LF.
QString widgetText(const std::string& modelText) {
  QString s = QString::fromStdString(modelText);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

}  // namespace

QFont listFont() {
  QStringList families;
  const QStringList installed = QFontDatabase::families();
  for (const char* name : kListFamilies) {
    const QString family = QString::fromUtf8(name);
    if (installed.contains(family, Qt::CaseInsensitive)) families << family;
  }
  QFont font;
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  if (!fixed.isEmpty() && !families.contains(fixed)) families << fixed;
  if (!families.isEmpty()) font.setFamilies(families);
  font.setPointSize(kListFontPoints);
  return font;
}

namespace {

// The Qt window of the data window. It holds nothing of its own: the list
// text, the caption and the place are the model's, and the buttons call the
// model's handlers.
class DataWindow : public QWidget {
 public:
  // `frame`: the frame margins the window system gave an earlier data
  // window, kept for the next one.
  DataWindow(core::App& app, std::optional<QMargins>& frame)
      : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint),
        app_(app),
        frame_(frame) {
    setObjectName(QStringLiteral("Form3"));
    // Closing this window never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(px(kClientWidthTwips), px(kClientHeightTwips));

    list_ = new QPlainTextEdit(this);
    list_->setObjectName(QStringLiteral("Text1"));
    list_->setGeometry(pxRect(0, 360, 8652, 4452));
    list_->setFont(listFont());
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    list_->setWordWrapMode(QTextOption::NoWrap);
    list_->setReadOnly(true);
    list_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list_->setUndoRedoEnabled(false);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const std::array<std::function<void()>, 10> actions = {
        nullptr,
        [this] { app_.Form3_Command1_Click(); },
        [this] { app_.Form3_Command2_Click(); },
        nullptr,
        [this] { app_.Form3_Command4_Click(); },
        [this] { app_.Form3_Command5_Click(); },
        [this] { app_.Form3_Command6_Click(); },
        [this] { app_.Form3_Command7_Click(); },
        nullptr,
        [this] { app_.Form3_Command9_Click(); },
    };
    QWidget* previous = list_;  // the list comes first in the tab order
    for (int n = 1; n <= 9; ++n) {
      auto* button = new QPushButton(this);
      button->setObjectName(QStringLiteral("Command%1").arg(n));
      button->setGeometry(pxRect((n - 1) * kButtonStep, kButtonTop, kButtonWidth, kButtonHeight));
      button->setAutoDefault(false);
      if (actions[n]) connect(button, &QPushButton::clicked, this, actions[n]);
      buttons_[n] = button;
      setTabOrder(previous, button);
      previous = button;
    }
    list_->setFocus();
  }

  void showCaptions() {
    for (int n = 1; n <= 9; ++n) buttons_[n]->setText(QString::fromStdString(app_.form3.captions[n]));
  }

  void showCaption() { setWindowTitle(QString::fromStdString(app_.form3.caption())); }

  void resetList() {
    list_->setPlainText(widgetText(app_.form3.Text1.text()));
    followNewest();
  }

  // Only the new part is laid out; the lines above stay as they are.
  void appendList(const std::string& part) {
    QTextCursor end(list_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(widgetText(part));
    followNewest();
  }

  // The view shows the newest line, unless the user holds the scroll bar.
  void followNewest() {
    QScrollBar* bar = list_->verticalScrollBar();
    if (!bar->isSliderDown()) bar->setValue(bar->maximum());
  }

  // The model's place is the outer frame in twips; the window is moved by
  // its frame and its client area sized to the frame less its margins.
  void showGeometry() {
    const core::Geometry& g = app_.form3.geometry();
    const QMargins m = frameMarginsNow();
    placedWith_ = m;
    QSize client = size();
    const int width = px(g.width) - m.left() - m.right();
    const int height = px(g.height) - m.top() - m.bottom();
    if (g.width > 0 && width > 0) client.setWidth(width);
    if (g.height > 0 && height > 0) client.setHeight(height);
    placing_ = true;
    if (client != size()) setFixedSize(client);
    const QPoint at(px(g.left), px(g.top));
    if (pos() != at) move(at);
    placing_ = false;
  }

  // The user (or the window system) moved the window: the model learns the
  // new place. Twips that round to the same pixels are kept as they are.
  void reportGeometry() {
    if (placing_ || released_ || !app_.form3.loaded()) return;
    const QMargins m = frameMarginsNow();
    if (m != placedWith_) {
      // The frame turned out other than assumed: the client area is sized
      // again so that the outer size stays the model's.
      showGeometry();
      return;
    }
    const int outerW = width() + m.left() + m.right();
    const int outerH = height() + m.top() + m.bottom();
    const core::Geometry& g = app_.form3.geometry();
    core::Geometry now = g;
    if (px(g.left) != pos().x()) now.left = pos().x() * kTwipsPerPixel;
    if (px(g.top) != pos().y()) now.top = pos().y() * kTwipsPerPixel;
    if (px(g.width) != outerW) now.width = outerW * kTwipsPerPixel;
    if (px(g.height) != outerH) now.height = outerH * kTwipsPerPixel;
    if (now.left != g.left || now.top != g.top || now.width != g.width || now.height != g.height)
      app_.form3.geometryFromView(now);
  }

  // Follow the model hooks only while the window is the model's.
  void release() { released_ = true; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The close box: the model runs its closing steps and destroys the window.
    if (!released_ && app_.form3.loaded()) app_.form3.unload();
    event->accept();
  }

  void moveEvent(QMoveEvent* event) override {
    QWidget::moveEvent(event);
    reportGeometry();
  }

  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    reportGeometry();
  }

  void showEvent(QShowEvent* event) override {
    QWidget::showEvent(event);
    reportGeometry();
    followNewest();
  }

 private:
  // The frame around the client area: the real one once the window system
  // has framed this window or an earlier one; before that a caption bar and
  // no borders. The same margins serve both directions, so that a place
  // survives the round trip through the model unchanged.
  QMargins frameMarginsNow() const {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    if (frame != client)
      frame_ = QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                        frame.bottom() - client.bottom());
    if (frame_) return *frame_;
    return QMargins(0, style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
  }

  core::App& app_;
  QPlainTextEdit* list_ = nullptr;
  std::array<QPushButton*, 10> buttons_{};
  std::optional<QMargins>& frame_;
  QMargins placedWith_;  // the frame margins of the last placing
  bool placing_ = false;
  bool released_ = false;
};

// Keeps the model's data window and its Qt window together.
class DataWindowBinding {
 public:
  explicit DataWindowBinding(core::App& app) : app_(app) {}
  DataWindowBinding(const DataWindowBinding&) = delete;
  DataWindowBinding& operator=(const DataWindowBinding&) = delete;
  ~DataWindowBinding() { delete window_.data(); }

  void create() {
    discard();
    window_ = new DataWindow(app_, frame_);
    window_->showCaption();
    window_->showCaptions();
    window_->showGeometry();
    window_->resetList();
  }

  // The model has dropped the window. It may be inside the window's own
  // close event, so the widget goes away once that has returned.
  void discard() {
    if (!window_) return;
    DataWindow* old = window_;
    window_ = nullptr;
    old->release();
    old->hide();
    old->deleteLater();
  }

  void show() {
    if (!window_) create();
    window_->show();
    window_->reportGeometry();  // the frame may be known only now
    window_->raise();
    window_->activateWindow();
  }

  void hide() {
    if (window_) window_->hide();
  }

  DataWindow* window() const { return window_; }

 private:
  core::App& app_;
  QPointer<DataWindow> window_;
  std::optional<QMargins> frame_;
};

}  // namespace

void attachDataWindow(core::App& app) {
  auto binding = std::make_shared<DataWindowBinding>(app);
  core::DataForm& form = app.form3;

  form.onViewCreate = [binding] { binding->create(); };
  form.onViewDestroy = [binding] { binding->discard(); };
  form.onViewShow = [binding] { binding->show(); };
  form.onViewHide = [binding] { binding->hide(); };
  form.onViewGeometry = [binding] {
    if (DataWindow* w = binding->window()) w->showGeometry();
  };
  form.onViewCaption = [binding] {
    if (DataWindow* w = binding->window()) w->showCaption();
  };
  // The load assigns the button captions; they show once it has run.
  form.onLoad = [binding, load = form.onLoad] {
    if (load) load();
    if (DataWindow* w = binding->window()) w->showCaptions();
  };
  form.Text1.onReset = [binding] {
    if (DataWindow* w = binding->window()) w->resetList();
  };
  form.Text1.onAppend = [binding](const std::string& part) {
    if (DataWindow* w = binding->window()) w->appendList(part);
  };

  // Attached to a model that already has the window.
  if (form.loaded()) {
    binding->create();
    if (form.visible()) binding->show();
  }
}

}  // namespace korvel::ui
