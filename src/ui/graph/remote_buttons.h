// The three tiny buttons of the moon-face and orbit windows: "◆" reverses
// a running continuous calculation or starts it, "■" stops it, "T" opens
// the time pad. They keep to the corners of the client area.
#pragma once

#include <array>

#include <QSize>

class QPushButton;
class QWidget;

namespace korvel::core {
class App;
}

namespace korvel::ui {

class RemoteButtons {
 public:
  static constexpr int kSizeTwips = 252;

  RemoteButtons(QWidget* parent, core::App& app);

  // Command1..Command3 (index 1..3).
  QPushButton* command(int n) const { return buttons_.at(n); }

  // "◆" top-left, "■" top-right, "T" bottom-right.
  void place(QSize client);

 private:
  std::array<QPushButton*, 4> buttons_{};
};

}  // namespace korvel::ui
