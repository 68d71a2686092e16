#include "core/controls.h"

#include "astro/textform.h"

namespace korvel::core {

double TextField::value() const { return astro::val(text_); }

void TextField::setText(const std::string& text) {
  if (text == text_) return;
  previous_ = text_;
  text_ = text;
  if (onView) onView();
  if (onChange) onChange();
}

void CheckBox::setValue(int value) {
  if (value == value_) return;
  value_ = value;
  if (onView) onView();
  if (onClick) onClick();
}

OptionButton::OptionButton(std::string name, OptionGroup& group, bool selected)
    : name_(std::move(name)), group_(&group), selected_(selected) {
  group.add(this);
}

void OptionButton::select() {
  if (selected_) return;
  for (OptionButton* other : group_->buttons()) {
    if (other != this && other->selected_) {
      other->selected_ = false;
      if (other->onView) other->onView();
    }
  }
  selected_ = true;
  if (onView) onView();
  if (onClick) onClick();
}

void Timer::setInterval(int ms) {
  if (ms < 0) ms = 0;
  if (ms == interval_) return;
  interval_ = ms;
  if (onView) onView();
}

void Label::setCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (onView) onView();
}

void Label::setOpaque(bool opaque) {
  if (opaque == opaque_) return;
  opaque_ = opaque;
  if (onView) onView();
}

}  // namespace korvel::core
