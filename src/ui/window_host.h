// Puts the program's windows on the screen: creates the Qt window of each
// form of the model when the model creates the form, shows and hides it
// with the model, and runs start-up.
#pragma once

#include <functional>
#include <memory>

namespace korvel::core {
class App;
class Form;
}  // namespace korvel::core

namespace korvel::ui {

class Form1;

class WindowHost {
 public:
  explicit WindowHost(core::App& app);
  WindowHost(const WindowHost&) = delete;
  WindowHost& operator=(const WindowHost&) = delete;
  ~WindowHost();

  // Start-up: the model loads the main window (placing every window and
  // computing the present moment), then the main window opens.
  void start();

  Form1& mainWindow() { return *form1_; }

  // The main window was closed for good. By default the event loop ends
  // at once: the user has answered the question, so no window is asked
  // again.
  std::function<void()> onQuit;

  // A window the model asked for that has no screen window attached (a
  // window attached before or after the host is made shows instead). By
  // default the user is told so in a message box.
  std::function<void(const core::Form&)> onMissingWindow;

 private:
  void bindForms();
  void missingWindow(core::Form& form);

  core::App& app_;
  std::unique_ptr<Form1> form1_;
  // Lets the hooks left in the model outlive the host harmlessly.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace korvel::ui
