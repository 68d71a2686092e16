// The window tests need a QApplication; they run without a display.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/app_setup.h"

namespace {

// The offscreen platform cannot stack windows and says so at every raise.
QtMessageHandler standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("does not support raise()"))) return;
  if (standardHandler) standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  standardHandler = qInstallMessageHandler(quietHandler);
  korvel::ui::setupApplication(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
