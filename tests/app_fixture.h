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

  std::array<std::string, 6> fields() const {
    return {app->Text1.text(), app->Text2.text(), app->Text3.text(),
            app->Text7.text(), app->Text8.text(), app->Text9.text()};
  }

  // Counts recalculations through the data list: each one lists a line.
  void countRecalculations() {
    app->Text18.setText("600");
    app->Check4.setValue(1);
    app->st.listcount = 0;
  }
  int recalculations() const { return app->st.listcount; }
};

using Fields = std::array<std::string, 6>;

}  // namespace korvel::test
