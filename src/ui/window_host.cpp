#include "ui/window_host.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>

#include "core/app.h"
#include "ui/main/form1.h"
#include "ui/qt_platform.h"
#include "ui/twips.h"

namespace korvel::ui {

namespace {


QString windowName(const core::Form& form) {
  const std::string& n = form.name();
  if (n == "Form2") return QStringLiteral("テンキー");
  if (n == "Form3") return QStringLiteral("データ");
  if (n == "Form4") return QStringLiteral("グラフ");
  if (n == "Form5") return QStringLiteral("月相拡大");
  if (n == "Form6") return QStringLiteral("軌道表示");
  if (n == "Form7") return QStringLiteral("タイムパッド");
  return QString::fromStdString(n);
}

}  // namespace

WindowHost::WindowHost(core::App& app) : app_(app), form1_(std::make_unique<Form1>(app)) {
  onQuit = [] { QCoreApplication::exit(0); };
  form1_->onClosed = [this] {
    if (onQuit) onQuit();
  };
  onMissingWindow = [this](const core::Form& form) {
    QMessageBox::information(form1_.get(), QString::fromStdString(app_.st.apptitle),
                             QStringLiteral("%1ウィンドウは、このバージョンにはまだありません。").arg(windowName(form)));
  };
  if (auto* qt = dynamic_cast<QtPlatform*>(&app_.platform()))
    qt->fieldRepainter = [this](const core::TextField& field) { form1_->repaintField(field); };
  bindForms();
}

WindowHost::~WindowHost() {
  if (auto* qt = dynamic_cast<QtPlatform*>(&app_.platform())) qt->fieldRepainter = nullptr;
}

// A form whose window is already attached keeps its own hook; the others
// tell the user their window is not there yet.
void WindowHost::bindForms() {
  for (core::Form* form : std::initializer_list<core::Form*>{&app_.form2, &app_.form3, &app_.form4, &app_.form5,
                                                              &app_.form6, &app_.form7}) {
    if (form->onViewShow) continue;
    form->onViewShow = [alive = std::weak_ptr<bool>(alive_), this, form] {
      if (!alive.expired()) missingWindow(*form);
    };
  }
}

void WindowHost::missingWindow(core::Form& form) {
  // Nothing is on the screen, so the model must not believe otherwise.
  form.hide();
  // Told after the handler that asked has finished.
  QTimer::singleShot(0, form1_.get(), [this, &form] {
    if (onMissingWindow) onMissingWindow(form);
  });
}

void WindowHost::start() {
  // The model centres the window by its outer size; the frame is not known
  // before the window is shown, so the caption bar is estimated.
  const QSize client = Form1::clientPixels();
  const int caption = form1_->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  app_.form1.setWidth(client.width() * kTwipsPerPixel);
  app_.form1.setHeight((client.height() + caption) * kTwipsPerPixel);
  app_.Form_Load();
  form1_->show();
}

}  // namespace korvel::ui
