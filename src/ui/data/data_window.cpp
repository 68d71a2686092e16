#include "ui/data/data_window.h"

#include <array>
#include <functional>

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "core/app.h"
#include "ui/form_binding.h"
#include "ui/secondary_window.h"
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
class DataWindow : public SecondaryWindow {
 public:
  explicit DataWindow(core::App& model)
      : SecondaryWindow(model, model.form3,
                        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint) {
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
        [this] { app().Form3_Command1_Click(); },
        [this] { app().Form3_Command2_Click(); },
        nullptr,
        [this] { app().Form3_Command4_Click(); },
        [this] { app().Form3_Command5_Click(); },
        [this] { app().Form3_Command6_Click(); },
        [this] { app().Form3_Command7_Click(); },
        nullptr,
        [this] { app().Form3_Command9_Click(); },
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
    for (int n = 1; n <= 9; ++n) buttons_[n]->setText(QString::fromStdString(app().form3.captions[n]));
  }

  void resetList() {
    list_->setPlainText(widgetText(app().form3.Text1.text()));
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

 protected:
  // The window has one size: the client area the form's outer size leaves.
  void applyClientSize(QSize client) override {
    QSize fixed = size();
    if (client.width() > 0) fixed.setWidth(client.width());
    if (client.height() > 0) fixed.setHeight(client.height());
    if (fixed != size()) setFixedSize(fixed);
  }

  void showEvent(QShowEvent* event) override {
    SecondaryWindow::showEvent(event);
    followNewest();
  }

 private:
  QPlainTextEdit* list_ = nullptr;
  std::array<QPushButton*, 10> buttons_{};
};

}  // namespace

void attachDataWindow(core::App& app) {
  auto b = bindForm<DataWindow>(app, app.form3);
  core::DataForm& form = app.form3;
  // The load assigns the button captions; they show once it has run.
  form.onLoad = [b, load = form.onLoad] {
    if (load) load();
    if (b->window) b->window->showCaptions();
  };
  form.Text1.onReset = [b] {
    if (b->window) b->window->resetList();
  };
  form.Text1.onAppend = [b](const std::string& part) {
    if (b->window) b->window->appendList(part);
  };
}

}  // namespace korvel::ui
