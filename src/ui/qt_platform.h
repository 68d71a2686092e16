// The desktop services of the program, provided by Qt.
#pragma once

#include <functional>

#include "core/platform.h"

class QWidget;

namespace korvel::ui {

class QtPlatform : public core::Platform {
 public:
  QtPlatform() = default;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;
  ~QtPlatform() override;

  core::LocalTime now() override;
  void beep() override;
  // Nested calls are counted; the normal pointer comes back with the last.
  void setBusy(bool busy) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  std::optional<std::string> chooseSaveFile(const core::SaveFileRequest& request) override;
  bool printText(const std::string& title, const std::string& text, std::string& reason) override;
  void showError(const std::string& text, const std::string& title) override;
  std::pair<int, int> screenSize() override;
  void repaintField(const core::TextField& field) override;

  // Prints one text on the default printer; set by the program.
  std::function<bool(const std::string& title, const std::string& text, std::string& reason)> printer;

  // The windows that show the fields repaint them on request.
  std::function<void(const core::TextField&)> fieldRepainter;

 private:
  static QWidget* dialogParent();
  int busy_ = 0;
};

}  // namespace korvel::ui
