// A small headless model of the window controls the behaviour is written
// against. A text field runs its change rule inside every assignment that
// changes its text; a check box raises its click when its value changes; an
// option button raises its click when it becomes selected. Each control also
// has a view hook through which a window mirrors it on screen.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace korvel::core {

class TextField {
 public:
  explicit TextField(std::string name = {}) : name_(std::move(name)) {}
  TextField(const TextField&) = delete;
  TextField& operator=(const TextField&) = delete;

  const std::string& name() const { return name_; }
  const std::string& text() const { return text_; }
  // The text the field held before its latest change.
  const std::string& previousText() const { return previous_; }
  double value() const;

  // Assigning the text the field already holds runs nothing.
  void setText(const std::string& text);

  std::function<void()> onChange;  // the field's change rule
  std::function<void()> onView;    // the window mirrors the new text

 private:
  std::string name_;
  std::string text_;
  std::string previous_;
};

class CheckBox {
 public:
  explicit CheckBox(std::string name = {}, int value = 0) : name_(std::move(name)), value_(value) {}
  CheckBox(const CheckBox&) = delete;
  CheckBox& operator=(const CheckBox&) = delete;

  const std::string& name() const { return name_; }
  int value() const { return value_; }
  bool checked() const { return value_ == 1; }
  void setValue(int value);
  void setChecked(bool checked) { setValue(checked ? 1 : 0); }

  std::function<void()> onClick;
  std::function<void()> onView;

 private:
  std::string name_;
  int value_;
};

class OptionButton;

// Option buttons that exclude each other (a frame).
class OptionGroup {
 public:
  void add(OptionButton* button) { buttons_.push_back(button); }
  const std::vector<OptionButton*>& buttons() const { return buttons_; }

 private:
  std::vector<OptionButton*> buttons_;
};

class OptionButton {
 public:
  OptionButton(std::string name, OptionGroup& group, bool selected = false);
  OptionButton(const OptionButton&) = delete;
  OptionButton& operator=(const OptionButton&) = delete;

  const std::string& name() const { return name_; }
  bool selected() const { return selected_; }
  // Selects this button and clears the others of its group; raises the click
  // only when the button was not selected before.
  void select();

  std::function<void()> onClick;
  std::function<void()> onView;

 private:
  std::string name_;
  OptionGroup* group_;
  bool selected_;
};

// A periodic timer; the period is its only switch (0 = stopped).
class Timer {
 public:
  int interval() const { return interval_; }
  bool running() const { return interval_ > 0; }
  void setInterval(int ms);

  std::function<void()> onTimer;  // the tick handler
  std::function<void()> onView;   // the window (re)starts its clock

 private:
  int interval_ = 0;
};

// A static text whose background can be opaque (highlighted) or transparent.
class Label {
 public:
  const std::string& caption() const { return caption_; }
  bool opaque() const { return opaque_; }
  void setCaption(const std::string& caption);
  void setOpaque(bool opaque);

  std::function<void()> onView;

 private:
  std::string caption_;
  bool opaque_ = false;
};

}  // namespace korvel::core
