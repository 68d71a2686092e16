// A started program on the headless platform, at a chosen clock.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "core/app.h"

namespace korvel::test {

using core::App;
using core::HeadlessPlatform;
using core::LocalTime;

using Fields = std::array<std::string, 6>;

// The six date and time fields as they read.
inline Fields fieldsOf(const App& a) {
  return {a.Text1.text(), a.Text2.text(), a.Text3.text(), a.Text7.text(), a.Text8.text(), a.Text9.text()};
}

// Ticks the continuous calculation until it stops (at most `limit` ticks).
inline int runUntilStopped(App& a, int limit = 2000) {
  int ticks = 0;
  while (a.Timer1.running() && ticks < limit) {
    a.Timer1_Timer();
    ++ticks;
  }
  return ticks;
}

// Counts recalculations through the data list: each one lists a line, and
// the count is then app.st.listcount.
inline void countRecalculations(App& a) {
  a.Text18.setText("600");
  a.Check4.setValue(1);
  a.st.listcount = 0;
}

class AppTest : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
  std::unique_ptr<App> app;

  void SetUp() override { startAt({2024, 7, 5, 8, 9, 3}); }

  void startAt(LocalTime t) {
    platform.clock = t;
    app = std::make_unique<App>(platform);
    app->Form_Load();
  }

  // Sets the six date and time fields by typing (no recalculation).
  void type(int y, int mo, int d, int h, int mi, int s) {
    App& a = *app;
    a.Text1.setText(std::to_string(y));
    a.Text2.setText(std::to_string(mo));
    a.Text3.setText(std::to_string(d));
    a.Text7.setText(std::to_string(h));
    a.Text8.setText(std::to_string(mi));
    a.Text9.setText(std::to_string(s));
  }

  Fields fields() const { return fieldsOf(*app); }
  void countRecalculations() { test::countRecalculations(*app); }
  int recalculations() const { return app->st.listcount; }
};

}  // namespace korvel::test
