// Korvel: the Moon's and the Sun's positions, the Moon's age and phase.
#include <QApplication>

#include "core/app.h"
#include "ui/app_setup.h"
#include "ui/qt_platform.h"
#include "ui/window_host.h"

int main(int argc, char* argv[]) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("korvel"));
  QApplication::setApplicationVersion(QStringLiteral(KORVEL_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("korvel"));
  korvel::ui::setupApplication(qapp);

  korvel::ui::QtPlatform platform;
  korvel::core::App app(platform);
  korvel::ui::WindowHost host(app);
  host.onQuit = [] { QCoreApplication::quit(); };
  host.start();
  return QApplication::exec();
}
