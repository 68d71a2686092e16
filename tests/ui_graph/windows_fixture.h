// A started program on the headless platform with the graph, moon-face and
// orbit windows attached (created hidden by the start-up).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QWidget>

#include "core/app.h"
#include "ui/graph/form4.h"
#include "ui/graph/form5.h"
#include "ui/graph/form6.h"
#include "ui/graph/graph_windows.h"

namespace korvel::test {

using core::App;

class WindowsTest : public ::testing::Test {
 protected:
  core::HeadlessPlatform platform;
  std::unique_ptr<App> app;

  void SetUp() override {
    platform.clock = {2024, 7, 5, 8, 9, 3};
    app = std::make_unique<App>(platform);
    ui::attachGraphWindow(*app);
    ui::attachFaceWindow(*app);
    ui::attachOrbitWindow(*app);
    app->Form_Load();
  }

  void TearDown() override {
    app.reset();
    deleteClosed();
  }

  // Windows closed by the model are deleted once their events are over.
  static void deleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  // The live window of this App's form, or nullptr.
  template <class W>
  W* window() const {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* x = dynamic_cast<W*>(w); x && !x->detached() && &x->app() == app.get()) return x;
    return nullptr;
  }

  // Window geometries arrive through events.
  static void settle() { QCoreApplication::processEvents(); }
};

inline QColor rgb(const render::Rgb& c) { return QColor(c.r, c.g, c.b); }

// The colour of a logical pixel of a picture.
inline QColor pixel(const QImage& image, int x, int y) {
  const qreal dpr = image.devicePixelRatio();
  return QColor(image.pixel(static_cast<int>(x * dpr), static_cast<int>(y * dpr))).toRgb();
}

}  // namespace korvel::test
