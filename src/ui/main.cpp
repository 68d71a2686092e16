// Korvel: the Moon's and the Sun's positions, the Moon's age and phase.
#include <QApplication>

#include "core/app.h"
#include "ui/app_setup.h"
#include "ui/data/data_window.h"
#include "ui/main/form1.h"
#include "ui/data/print_text.h"
#include "ui/graph/graph_windows.h"
#include "ui/pads/pads.h"
#include "ui/qt_platform.h"
#include "ui/window_host.h"

int main(int argc, char* argv[]) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("korvel"));
  QApplication::setApplicationVersion(QStringLiteral(KORVEL_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("korvel"));
  korvel::ui::setupApplication(qapp);

  korvel::ui::QtPlatform platform;
  platform.printer = [](const std::string& title, const std::string& text, std::string& reason) {
    return korvel::ui::printPlainText(title, text, reason);
  };
  korvel::core::App app(platform);

  // The secondary windows follow their models from start-up on.
  korvel::ui::attachDataWindow(app);
  korvel::ui::attachGraphWindow(app);
  korvel::ui::attachFaceWindow(app);
  korvel::ui::attachOrbitWindow(app);
  korvel::ui::attachTimePad(app);

  korvel::ui::WindowHost host(app);
  korvel::ui::attachTenKeyPad(app, &host.mainWindow());
  host.mainWindow().onFieldDoubleClick = [&app](int code) { korvel::ui::openTenKeyPad(app, code); };
  host.start();
  return QApplication::exec();
}
