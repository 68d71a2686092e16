// The services of the desktop the behaviour needs, so that windows, tests
// and the command-line tool can each supply their own.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvel::core {

class TextField;

struct LocalTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct SaveFileRequest {
  std::string title;
  std::string initialName;  // the last chosen path once there is one
  // (label, pattern) pairs, in order.
  std::vector<std::pair<std::string, std::string>> filters;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual LocalTime now() = 0;
  virtual void beep() = 0;
  virtual void setBusy(bool busy) = 0;
  // Modal Yes/No question with the question icon; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
  // The system's save dialog; nothing when cancelled.
  virtual std::optional<std::string> chooseSaveFile(const SaveFileRequest& request) = 0;
  // Prints one text on the default printer; false with a reason on failure.
  virtual bool printText(const std::string& title, const std::string& text, std::string& reason) = 0;
  // A clear message about something that did not work.
  virtual void showError(const std::string& text, const std::string& title) = 0;
  // Screen width and height in twips.
  virtual std::pair<int, int> screenSize() = 0;
  // Repaints one field at once (while a long operation holds the events).
  virtual void repaintField(const TextField& field) = 0;
};

// A platform without a desktop: a fixed clock, no sound, No to every
// question, no dialogs; errors are kept for the caller.
class HeadlessPlatform : public Platform {
 public:
  LocalTime clock;
  int beeps = 0;
  std::vector<std::string> errors;
  std::optional<std::string> saveAnswer;
  bool yesAnswer = false;

  LocalTime now() override { return clock; }
  void beep() override { ++beeps; }
  void setBusy(bool) override {}
  bool askYesNo(const std::string&, const std::string&) override { return yesAnswer; }
  std::optional<std::string> chooseSaveFile(const SaveFileRequest&) override { return saveAnswer; }
  bool printText(const std::string&, const std::string&, std::string& reason) override {
    reason = "プリンタがありません";
    return false;
  }
  void showError(const std::string& text, const std::string&) override { errors.push_back(text); }
  std::pair<int, int> screenSize() override { return {19200, 14400}; }
  void repaintField(const TextField&) override {}
};

}  // namespace korvel::core
