// The entry fields' rules: carries into the larger units, the clamps, the
// single recalculation of a pad entry, the arrow buttons and the clock.
#include <cmath>

#include "astro/textform.h"
#include "core/app.h"

namespace korvel::core {

using astro::plainText;
using astro::val;

namespace {

// Counts the nesting of one field's rule while it runs.
struct Depth {
  explicit Depth(int& d) : d_(d) { ++d_; }
  ~Depth() { --d_; }
  Depth(const Depth&) = delete;
  Depth& operator=(const Depth&) = delete;
  int& d_;
};

}  // namespace

void App::add(TextField& field, double amount) { field.setText(plainText(field.value() + amount)); }

// Rule R: only the outermost run of the changed field's rule recalculates,
// and only when the field is the one being entered.
void App::ruleR(int code, int depth) {
  if (depth != 1 || st.fieldcode != code) return;
  st.fieldcode = 0;
  recalc();
}

// Entries of the date and time fields must be whole numbers in the 16-bit
// range. A value outside it is refused (the field gets its previous text
// back, with a beep); a fraction is rounded, halves to even, so that the
// carries below always settle.
bool App::acceptWhole(TextField& field) {
  if (field.text().empty()) return true;
  const double v = field.value();
  const double r = astro::roundHalfEven(v);
  if (!std::isfinite(v) || r < -32768 || r > 32767) {
    const std::string before = field.previousText();
    platform_.beep();
    field.setText(before);
    // The refused entry is used up: typing in the field later stays typing.
    if (st.fieldcode == fieldCode(field)) st.fieldcode = 0;
    return false;
  }
  if (r != v) field.setText(plainText(r));
  return true;
}

int App::fieldCode(const TextField& field) {
  for (int code : {1, 2, 3, 7, 8, 9, 12, 17, 18})
    if (fieldOf(code) == &field) return code;
  return 0;
}

double App::monthLength(double month, double year) const {
  static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (!(month >= 1 && month <= 12) || month != std::trunc(month)) return 0;
  const int m = static_cast<int>(month);
  if (m != 2) return kDays[m];
  const double y = astro::roundHalfEven(year);
  const bool leap = std::isfinite(y) && std::fmod(y, 4) == 0;
  return 28 + (leap ? 1 : 0);
}

void App::Text1_Change() {
  Depth d(depth_[1]);
  if (!acceptWhole(Text1)) return;
  if (monthLength(2, Text1.value()) == 28 && Text2.value() == 2 && Text3.value() == 29) {
    Text2.setText("3");
    Text3.setText("1");
  }
  ruleR(1, depth_[1]);
}

void App::Text2_Change() {
  Depth d(depth_[2]);
  if (!acceptWhole(Text2)) return;
  if (Text2.value() > 12) {
    add(Text2, -12);
    add(Text1, 1);
  }
  if (Text2.value() < 1) {
    add(Text2, 12);
    add(Text1, -1);
  }
  ruleR(2, depth_[2]);
}

void App::Text3_Change() {
  Depth d(depth_[3]);
  if (!acceptWhole(Text3)) return;
  const double D = monthLength(Text2.value(), Text1.value());
  if (Text3.value() > D) {
    add(Text2, 1);
    add(Text3, -D);
  }
  if (Text3.value() < 1) {
    add(Text2, -1);
    add(Text3, monthLength(Text2.value(), Text1.value()));
  }
  ruleR(3, depth_[3]);
}

void App::Text7_Change() {
  Depth d(depth_[7]);
  if (!acceptWhole(Text7)) return;
  if (Text7.value() > 23) {
    add(Text3, 1);
    add(Text7, -24);
  }
  if (Text7.value() < 0) {
    add(Text7, 24);
    add(Text3, -1);
  }
  if (Text7.text().empty()) Text7.setText("0");
  ruleR(7, depth_[7]);
}

void App::Text8_Change() {
  Depth d(depth_[8]);
  if (!acceptWhole(Text8)) return;
  if (Text8.value() > 59) {
    add(Text8, -60);
    add(Text7, 1);
  }
  if (Text8.value() < 0) {
    add(Text8, 60);
    add(Text7, -1);
  }
  if (Text8.text().empty()) Text8.setText("0");
  ruleR(8, depth_[8]);
}

void App::Text9_Change() {
  Depth d(depth_[9]);
  if (!acceptWhole(Text9)) return;
  if (Text9.value() < 0) {
    add(Text8, -1);
    add(Text9, 60);
  }
  if (Text9.value() > 59) {
    add(Text9, -60);
    add(Text8, 1);
  }
  if (Text9.text().empty()) Text9.setText("0");
  ruleR(9, depth_[9]);
}

void App::Text12_Change() {
  Depth d(depth_[12]);
  const double v = Text12.value();
  if (!std::isfinite(v)) {
    // Delta-T beyond any number: refused like an out-of-range date.
    const std::string before = Text12.previousText();
    platform_.beep();
    Text12.setText(before);
    return;
  }
  if (v < 1) Text12.setText("0");
  ruleR(12, depth_[12]);
}

void App::Text17_Change() {
  if (Text17.value() < 1) {
    st.stepsize = 1;
    Text17.setText("1");
  }
  if (Text17.value() > 3600) {
    st.stepsize = 3600;
    Text17.setText("3600");
  }
  st.stepsize = toState(Text17.value());
  st.stepval = Option9.selected() ? static_cast<std::int16_t>(-st.stepsize) : st.stepsize;
  // Writing into the time pad brings it back, hidden, when it was closed.
  form7.load();
  form7.Text1.setText(Text17.text());
}

void App::Text18_Change() {
  if (Text18.value() < 2) Text18.setText("2");
  if (Text18.value() > 600) Text18.setText("600");
}

TextField* App::fieldOf(int code) {
  switch (code) {
    case 1: return &Text1;
    case 2: return &Text2;
    case 3: return &Text3;
    case 7: return &Text7;
    case 8: return &Text8;
    case 9: return &Text9;
    case 12: return &Text12;
    case 17: return &Text17;
    case 18: return &Text18;
    default: return nullptr;
  }
}

void App::arrowClick(int command) {
  struct Arrow {
    int command;
    TextField* field;
    int amount;
    bool recalculates;
  };
  const Arrow arrows[] = {
      {2, &Text1, 1, true},    {3, &Text1, -1, true},   {4, &Text2, 1, true},    {5, &Text2, -1, true},
      {6, &Text3, 1, true},    {7, &Text3, -1, true},   {8, &Text7, 1, true},    {9, &Text7, -1, true},
      {10, &Text8, 1, true},   {11, &Text8, -1, true},  {12, &Text9, 1, true},   {13, &Text9, -1, true},
      {14, &Text12, 1, true},  {15, &Text12, -1, true}, {30, &Text18, 1, false}, {31, &Text18, -1, false},
  };
  if (command == 25 || command == 26) {
    // The step-size buttons work on the state; the field's rule clamps it.
    const int next = st.stepsize + (command == 25 ? 1 : -1);
    Text17.setText(plainText(next));
    return;
  }
  for (const Arrow& a : arrows) {
    if (a.command != command) continue;
    add(*a.field, a.amount);
    if (a.recalculates) recalc();
    return;
  }
}

void App::fillFromClock() {
  const LocalTime t = platform_.now();
  Text1.setText(std::to_string(t.year));
  Text2.setText(std::to_string(platform_.now().month));
  Text3.setText(std::to_string(platform_.now().day));
  Text7.setText(std::to_string(platform_.now().hour));
  Text8.setText(std::to_string(platform_.now().minute));
  Text9.setText(std::to_string(platform_.now().second));
}

void App::Command16_Click() {
  fillFromClock();
  dtread();
  recalc();
}

}  // namespace korvel::core
