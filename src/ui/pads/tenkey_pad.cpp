// The ten-key pad: a small fixed window with a display of the field's value,
// an entry line, ten digit keys, "AC", "BS" and "OK". It holds no state of
// its own; the entry lives in the model (form2.Text2) and "OK" hands it to
// the field named by the shared field code.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
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

// The pad's size. It is kept as the client area, so that the keys are never
// cut off by a caption bar taller than the one the layout was made for.
constexpr int kClientWidthTwips = 2040;
constexpr int kClientHeightTwips = 2400;

const QColor kDisplayGrey(192, 192, 192);

// Where the entry fields lie in the main window's client area, in twips
// (the step size field with the left and top of its frame added), and
// whether the pad opens above the field, because it lies near the bottom.
struct FieldPlace {
  int code;
  int left;
  int top;
  int height;
  bool above;
};
constexpr FieldPlace kFields[] = {
    {1, 120, 240, 288, false},   {2, 1800, 240, 288, false}, {3, 3360, 240, 288, false},
    {7, 120, 840, 288, false},   {8, 1800, 840, 288, false}, {9, 3360, 840, 288, false},
    {12, 4920, 840, 288, false}, {17, 120 + 2400, 3840 + 600, 264, true}, {18, 3480, 5400, 264, true},
};

const FieldPlace* placeOf(int code) {
  for (const FieldPlace& f : kFields)
    if (f.code == code) return &f;
  return nullptr;
}

class TenKeyPad : public QWidget {
 public:
  TenKeyPad(core::App& app, std::function<void()> afterOk)
      : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                             Qt::MSWindowsFixedSizeDialogHint),
        app_(&app),
        afterOk_(std::move(afterOk)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowIcon(programIcon());
    setFixedSize(px(kClientWidthTwips), px(kClientHeightTwips));
    build();
  }

  // The model no longer has this window: nothing is forwarded any more.
  void detach() { app_ = nullptr; }

  void showText1() {
    if (app_) setEditText(text1_, app_->form2.Text1.text());
  }
  void showText2() {
    if (app_) setEditText(text2_, app_->form2.Text2.text());
  }
  void showCaption() {
    if (app_) setWindowTitle(QString::fromStdString(app_->form2.caption()));
  }

  // On the screen, in front, with the keyboard on the entry line.
  void present() {
    show();
    raise();
    activateWindow();
    text2_->setFocus(Qt::OtherFocusReason);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!app_) return QWidget::keyPressEvent(event);
    const int key = event->key();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && key >= Qt::Key_0 && key <= Qt::Key_9) {
      app_->Form2_Digit(static_cast<char>('0' + (key - Qt::Key_0)));
      return;
    }
    switch (key) {
      case Qt::Key_Backspace:
        app_->Form2_BS();
        return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        ok();
        return;
      case Qt::Key_Escape:
        close();
        return;
      default:
        QWidget::keyPressEvent(event);
    }
  }

  // The close box (or Escape): the pad goes away without writing anything.
  void closeEvent(QCloseEvent* event) override {
    if (app_ && app_->form2.loaded()) app_->form2.unload();
    event->accept();
  }

  void moveEvent(QMoveEvent* event) override {
    QWidget::moveEvent(event);
    pushGeometry();
  }

  void showEvent(QShowEvent* event) override {
    QWidget::showEvent(event);
    pushGeometry();
  }

 private:
  static void setEditText(QLineEdit* edit, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (edit->text() != t) edit->setText(t);
  }

  void pushGeometry() {
    if (app_ && isVisible()) app_->form2.geometryFromView(pads::outerTwips(this));
  }

  void ok() {
    if (!app_) return;
    app_->Form2_OK();
    if (afterOk_) afterOk_();
  }

  QPushButton* key(int number, const QString& caption, int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("Command%1").arg(number));
    button->setGeometry(pxRect(left, top, width, height));
    button->setAutoDefault(false);
    // A click leaves the keyboard on the entry line.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
  }

  void build() {
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(pxRect(120, 120, 612, 264));
    text1_->setReadOnly(true);
    text1_->setTextMargins(0, 0, 0, 0);
    QPalette grey = text1_->palette();
    grey.setColor(QPalette::Base, kDisplayGrey);
    text1_->setPalette(grey);

    text2_ = new QLineEdit(this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setGeometry(pxRect(840, 120, 1092, 264));
    text2_->setTextMargins(0, 0, 0, 0);
    connect(text2_, &QLineEdit::textEdited, this, [this](const QString& text) {
      if (!app_) return;
      app_->form2.Text2.setText(text.toStdString());
      showText2();
    });

    struct Key {
      int number;
      const char* caption;
      int left, top, width, height;
    };
    static constexpr Key kKeys[] = {
        {1, "1", 120, 1440, 372, 372},   {2, "2", 600, 1440, 372, 372},  {3, "3", 1080, 1440, 372, 372},
        {4, "4", 120, 960, 372, 372},    {5, "5", 600, 960, 372, 372},   {6, "6", 1080, 960, 372, 372},
        {7, "7", 120, 480, 372, 372},    {8, "8", 600, 480, 372, 372},   {9, "9", 1080, 480, 372, 372},
        {10, "0", 120, 1920, 852, 372},  {11, "AC", 1560, 480, 372, 732}, {12, "OK", 1080, 1920, 852, 372},
        {13, "BS", 1560, 1320, 372, 492},
    };
    QWidget* previous = text1_;
    setTabOrder(text2_, text1_);
    for (const Key& k : kKeys) {
      QPushButton* button = key(k.number, QString::fromUtf8(k.caption), k.left, k.top, k.width, k.height);
      // Every key but "BS" takes the window's face colour.
      if (k.number != 13) {
        QPalette face = button->palette();
        face.setColor(QPalette::Button, face.color(QPalette::Window));
        button->setPalette(face);
      }
      setTabOrder(previous, button);
      previous = button;
      if (k.number <= 10) {
        const char digit = k.caption[0];
        connect(button, &QPushButton::clicked, this, [this, digit] {
          if (app_) app_->Form2_Digit(digit);
        });
      }
    }
    connect(findChild<QPushButton*>(QStringLiteral("Command11")), &QPushButton::clicked, this, [this] {
      if (app_) app_->Form2_AC();
    });
    connect(findChild<QPushButton*>(QStringLiteral("Command13")), &QPushButton::clicked, this, [this] {
      if (app_) app_->Form2_BS();
    });
    connect(findChild<QPushButton*>(QStringLiteral("Command12")), &QPushButton::clicked, this, [this] { ok(); });
  }

  core::App* app_;
  std::function<void()> afterOk_;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
};

// Follows the model's form2: makes the window when the form is created and
// drops it when the form is closed.
class TenKeyController {
 public:
  TenKeyController(core::App& app, QWidget* mainWindow) : app_(app), mainWindow_(mainWindow) {}
  TenKeyController(const TenKeyController&) = delete;
  TenKeyController& operator=(const TenKeyController&) = delete;
  ~TenKeyController() {
    if (pad_) {
      pad_->detach();
      delete pad_;
    }
  }

  TenKeyPad* pad() const { return pad_; }

  QWidget* mainWindow() const { return mainWindow_ ? mainWindow_.data() : pads::findMainWindow(); }

  void create() {
    if (pad_) return;
    pad_ = new TenKeyPad(app_, [this] { activateMainWindow(); });
    const core::Geometry g = app_.form2.geometry();
    pad_->move(px(g.left), px(g.top));
    pad_->showCaption();
    pad_->showText1();
    pad_->showText2();
    keepSize();
  }

  void destroy() {
    if (!pad_) return;
    TenKeyPad* pad = pad_;
    pad_ = nullptr;
    pad->detach();
    pad->hide();
    // The close box may have brought us here, with the window's own event
    // still running.
    pad->deleteLater();
  }

  void place() {
    if (!pad_) return;
    const core::Geometry g = app_.form2.geometry();
    pad_->move(px(g.left), px(g.top));
    keepSize();
  }

 private:
  // The pad cannot be resized: the model keeps its real outer size.
  void keepSize() {
    core::Geometry g = app_.form2.geometry();
    const core::Geometry outer = pads::outerTwips(pad_);
    g.width = outer.width;
    g.height = outer.height;
    app_.form2.geometryFromView(g);
  }

  void activateMainWindow() {
    if (QWidget* main = mainWindow(); main && main->isVisible()) main->activateWindow();
  }

  core::App& app_;
  QPointer<QWidget> mainWindow_;
  TenKeyPad* pad_ = nullptr;
};

std::map<const core::App*, std::weak_ptr<TenKeyController>>& controllers() {
  static std::map<const core::App*, std::weak_ptr<TenKeyController>> map;
  return map;
}

}  // namespace

void attachTenKeyPad(core::App& app, QWidget* mainWindow) {
  auto controller = std::make_shared<TenKeyController>(app, mainWindow);
  controllers()[&app] = controller;
  core::PadForm& form = app.form2;
  form.onViewCreate = [controller] { controller->create(); };
  form.onViewDestroy = [controller] { controller->destroy(); };
  form.onViewShow = [controller] {
    if (TenKeyPad* pad = controller->pad()) pad->present();
  };
  form.onViewHide = [controller] {
    if (TenKeyPad* pad = controller->pad()) pad->hide();
  };
  form.onViewGeometry = [controller] { controller->place(); };
  form.onViewCaption = [controller] {
    if (TenKeyPad* pad = controller->pad()) pad->showCaption();
  };
  form.Text1.onView = [controller] {
    if (TenKeyPad* pad = controller->pad()) pad->showText1();
  };
  form.Text2.onView = [controller] {
    if (TenKeyPad* pad = controller->pad()) pad->showText2();
  };
}

void openTenKeyPad(core::App& app, int code) {
  const FieldPlace* field = placeOf(code);
  if (!field) return;
  app.Text_DblClick(code);
  if (!app.form2.loaded()) return;

  std::shared_ptr<TenKeyController> controller;
  if (auto it = controllers().find(&app); it != controllers().end()) controller = it->second.lock();

  // The field's place on the screen is the main window's frame position plus
  // its place in the client area. A caption bar taller than a field would
  // put the pad over the field; it is then moved just clear of it.
  const core::Geometry main = app.form1.geometry();
  const int padHeight = app.form2.geometry().height;
  int captionBar = 0;
  if (controller) {
    if (const QWidget* w = controller->mainWindow(); w && w->isVisible())
      captionBar = (w->geometry().top() - w->frameGeometry().top()) * kTwipsPerPixel;
  }
  const int fieldTop = main.top + captionBar + field->top;  // on the screen
  int top = 0;
  if (field->above)
    top = std::min(main.top + field->top + field->height - padHeight, fieldTop - padHeight);
  else
    top = std::max(main.top + field->top + 2 * field->height, fieldTop + field->height);
  app.form2.setLeft(main.left + field->left);
  app.form2.setTop(top);
  app.form2.show();
  if (controller && controller->pad()) controller->pad()->present();
}

}  // namespace korvel::ui
