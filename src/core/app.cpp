// Start-up, shut-down, the main window's buttons, check boxes and options,
// the continuous calculation and the pads.
#include "core/app.h"

#include "astro/textform.h"

namespace korvel::core {

using astro::plainText;

void ListText::clear() {
  text_.clear();
  if (onReset) onReset();
}

void ListText::append(const std::string& part) {
  text_ += part;
  if (onAppend) onAppend(part);
}

namespace {

// A window's saved place and size in the state.
struct Place {
  std::int32_t& top;
  std::int32_t& left;
  std::int32_t& height;
  std::int32_t& width;
};

Place place(std::int32_t& top, std::int32_t& left, std::int32_t& height, std::int32_t& width) {
  return {top, left, height, width};
}

void restorePlace(Form& form, const Place& p) { form.setGeometry({p.left, p.top, p.width, p.height}); }

void savePlace(const Form& form, const Place& p) {
  const Geometry& g = form.geometry();
  p.top = g.top;
  p.left = g.left;
  p.height = g.height;
  p.width = g.width;
}

}  // namespace

App::App(Platform& platform) : platform_(platform) { wire(); }

App::~App() = default;

void App::wire() {
  Text1.onChange = [this] { Text1_Change(); };
  Text2.onChange = [this] { Text2_Change(); };
  Text3.onChange = [this] { Text3_Change(); };
  Text7.onChange = [this] { Text7_Change(); };
  Text8.onChange = [this] { Text8_Change(); };
  Text9.onChange = [this] { Text9_Change(); };
  Text12.onChange = [this] { Text12_Change(); };
  Text17.onChange = [this] { Text17_Change(); };
  Text18.onChange = [this] { Text18_Change(); };

  Check1.onClick = [this] { Check1_Click(); };
  Check2.onClick = [this] { Check2_Click(); };
  Check3.onClick = [this] { Check3_Click(); };
  Check4.onClick = [this] { Check4_Click(); };
  Check5.onClick = [this] { Check5_Click(); };
  // The graph's series boxes mirror each other; a copy that changes nothing
  // raises nothing.
  Check6.onClick = [this] { form4.Check1.setValue(Check6.value()); };
  Check7.onClick = [this] { form4.Check2.setValue(Check7.value()); };
  Check8.onClick = [this] { form4.Check3.setValue(Check8.value()); };
  Check9.onClick = [this] { form4.Check4.setValue(Check9.value()); };
  form4.Check1.onClick = [this] { Check6.setValue(form4.Check1.value()); };
  form4.Check2.onClick = [this] { Check7.setValue(form4.Check2.value()); };
  form4.Check3.onClick = [this] { Check8.setValue(form4.Check3.value()); };
  form4.Check4.onClick = [this] { Check9.setValue(form4.Check4.value()); };

  Option1.onClick = [this] { optionSpeedClick(); };
  Option2.onClick = [this] { optionSpeedClick(); };
  Option3.onClick = [this] { optionUnitClick(1); };
  Option4.onClick = [this] { optionUnitClick(2); };
  Option5.onClick = [this] { optionUnitClick(3); };
  Option6.onClick = [this] { optionUnitClick(7); };
  Option7.onClick = [this] { optionUnitClick(8); };
  Option8.onClick = [this] { optionUnitClick(9); };
  Option9.onClick = [this] { optionDirectionClick(); };
  Option10.onClick = [this] { optionDirectionClick(); };

  Timer1.onTimer = [this] { Timer1_Timer(); };

  form1.setCaption("Korvel");

  // Data window.
  form3.onLoad = [this] {
    restorePlace(form3, place(st.datatop, st.dataleft, st.dataheight, st.datawidth));
    form3.setCaption("Korvel - Data -");
    form3.captions = {"", "データ消去", "データ印刷", "", "データ入力", "データ停止", "連続推算", "ＳＴＯＰ", "", "閉じる"};
    listclear();
  };
  form3.onUnload = [this] {
    Check4.setValue(0);
    savePlace(form3, place(st.datatop, st.dataleft, st.dataheight, st.datawidth));
  };

  // Graph window.
  form4.onLoad = [this] {
    restorePlace(form4, place(st.graphtop, st.graphleft, st.graphheight, st.graphwidth));
    form4.setCaption("Korvel - Graph -");
    form4.captions = {"", "グラフ消去", "", "消去・描画", "グラフ描画", "グラフ停止", "連続推算", "ＳＴＯＰ", "", "閉じる"};
    if (form4.picture) render::drawGraphBackground(*form4.picture);
  };
  form4.onUnload = [this] {
    Check2.setValue(0);
    st.gpoint = 0;
    st.ggrid = 0;
    savePlace(form4, place(st.graphtop, st.graphleft, st.graphheight, st.graphwidth));
  };

  // Moon-face window.
  form5.onLoad = [this] {
    form5.setCaption("MoonFace");
    restorePlace(form5, place(st.facetop, st.faceleft, st.faceheight, st.facewidth));
  };
  form5.onUnload = [this] {
    savePlace(form5, place(st.facetop, st.faceleft, st.faceheight, st.facewidth));
  };
  form5.onDestroyed = [this] { st.faceopen = 0; };

  // Orbit window.
  form6.onLoad = [this] {
    form6.setCaption("Moon Phase");
    restorePlace(form6, place(st.orbittop, st.orbitleft, st.orbitheight, st.orbitwidth));
    orbitdraw();
  };
  form6.onUnload = [this] {
    savePlace(form6, place(st.orbittop, st.orbitleft, st.orbitheight, st.orbitwidth));
  };
  form6.onDestroyed = [this] { st.orbitopen = 0; };
  form6.Check1.onClick = [this] { orbitdraw(); };

  // Time pad.
  form7.onLoad = [this] {
    form7.setCaption("TimePad");
    restorePlace(form7, place(st.padtop, st.padleft, st.padheight, st.padwidth));
    const char* units[7] = {"", "年", "月", "日", "時", "分", "秒"};
    for (int i = 1; i <= 6; ++i) form7.labels[i].setCaption(units[i]);
    unitmark();
    form7.Text1.setText(Text17.text());
  };
  form7.onUnload = [this] {
    savePlace(form7, place(st.padtop, st.padleft, st.padheight, st.padwidth));
  };

  // Ten-key pad.
  form2.onLoad = [this] {
    form2.setCaption("Tenkey");
    form2.Text1.setText("");
    form2.Text2.setText("");
  };
}

// ---- start-up and shut-down ---------------------------------------------------

void App::Form_Load() {
  const auto [screenW, screenH] = platform_.screenSize();
  const Geometry main = form1.geometry();
  form1.setLeft((screenW - main.width) / 2);
  form1.setTop((screenH - main.height) / 2);

  struct Placement {
    Form* form;
    int width;
    int height;
  };
  const Placement placements[] = {
      {&form3, 8736, 5388}, {&form4, 8736, 5388}, {&form5, 2800, 2800}, {&form6, 2500, 2500}, {&form7, 1908, 1968}};
  for (const Placement& p : placements) {
    p.form->setTop((screenH - p.height) / 2);
    p.form->setLeft((screenW - p.width) / 2);
    p.form->setHeight(p.height);
    p.form->setWidth(p.width);
  }

  st.apptitle = kAppTitle;
  for (TextField* f : {&Text10, &Text11, &Text4, &Text5, &Text6, &Text13, &Text14, &Text15, &Text16}) f->setText("");
  Text17.setText("1");
  Text18.setText("31");
  st.stepsize = 1;
  st.gpoint = 0;
  st.ggrid = 0;
  st.stepunit = 3;
  st.interval = 100;
  Label19.setCaption(std::string(kFileInitialName) + ".csv");
  fillFromClock();
  Text12.setText(plainText(Text1.value() - 1934));
  st.filetype = "csv";
  recalc();
}

void App::Form_QueryUnload(bool& cancel) {
  for (Form* f : std::initializer_list<Form*>{&form2, &form3, &form4, &form5, &form6, &form7}) f->unload();
  if (!platform_.askYesNo("Ｋｏｒｖｅｌ を終了しますか ?", st.apptitle)) {
    cancel = true;
    return;
  }
  cancel = false;
  if (Check5.checked()) {
    std::string reason;
    if (!outfile_.close(reason))
      platform_.showError("出力ファイル「" + Label19.caption() + "」を閉じられませんでした。\n" + reason,
                          st.apptitle);
  }
}

void App::Form_Paint() { moondraw(); }

// ---- buttons -------------------------------------------------------------------

void App::Command1_Click() { recalc(); }

void App::Command17_Click() {
  for (TextField* f : {&Text4, &Text5, &Text6, &Text10, &Text11, &Text15, &Text16, &Text20}) f->setText("");
}

void App::Command18_Click() { stopContinuous(); }

void App::Command19_Click() { startContinuous(); }

void App::Command20_Click() {
  Text13.setText(Text4.text());
  Text14.setText(astro::text13(Text4.value() - Text13.value()));
  Check1.setValue(0);
}

void App::Command21_Click() {
  Text13.setText("");
  Text14.setText("");
  Check1.setValue(0);
}

void App::Command23_Click() { form3.show(); }

void App::Command24_Click() {
  listclear();
  st.listcount = 0;
  listline();
}

void App::Command27_Click() { form4.show(); }

void App::Command28_Click() { Form4_Command1_Click(); }

void App::Command32_Click() {
  form5.show();
  st.faceopen = 1;
}

void App::Command33_Click() {
  form6.show();
  st.orbitopen = 1;
}

// ---- check boxes -------------------------------------------------------------------

void App::Check1_Click() {
  if (Check1.checked()) agecalc();
}

void App::Check2_Click() {
  if (!Check2.checked()) return;
  st.gpoint = 0;
  st.ggrid = 0;
  graphstep();
}

void App::Check3_Click() { dtread(); }

void App::Check4_Click() {
  if (!Check4.checked()) return;
  listclear();
  st.listcount = 0;
  listline();
}

// ---- options and the continuous calculation ------------------------------------------

int App::speedInterval() const { return Option2.selected() ? 1000 : 100; }

void App::optionUnitClick(int code) {
  st.stepunit = static_cast<std::int16_t>(code);
  unitmark();
}

void App::optionDirectionClick() {
  st.stepval = Option9.selected() ? static_cast<std::int16_t>(-st.stepsize) : st.stepsize;
}

void App::optionSpeedClick() {
  st.interval = static_cast<std::int16_t>(speedInterval());
  if (Timer1.running()) Timer1.setInterval(st.interval);
}

void App::startContinuous() {
  const OptionButton* units[6] = {&Option3, &Option4, &Option5, &Option6, &Option7, &Option8};
  const int codes[6] = {1, 2, 3, 7, 8, 9};
  for (int i = 0; i < 6; ++i)
    if (units[i]->selected()) st.stepunit = static_cast<std::int16_t>(codes[i]);
  if (Option9.selected()) st.stepval = static_cast<std::int16_t>(-st.stepsize);
  if (Option10.selected()) st.stepval = st.stepsize;
  st.interval = static_cast<std::int16_t>(speedInterval());
  Timer1.setInterval(st.interval);
}

void App::stopContinuous() { Timer1.setInterval(0); }

void App::restartContinuous() { Timer1.setInterval(st.interval); }

void App::reverseOrStart() {
  if (Timer1.running() && Option9.selected()) {
    Option10.select();
    return;
  }
  if (Timer1.running() && Option10.selected()) {
    Option9.select();
    return;
  }
  st.interval = static_cast<std::int16_t>(speedInterval());
  Timer1.setInterval(st.interval);
}

void App::Timer1_Timer() {
  TextField* field = nullptr;
  switch (st.stepunit) {
    case 1: field = &Text1; break;
    case 2: field = &Text2; break;
    case 3: field = &Text3; break;
    case 7: field = &Text7; break;
    case 8: field = &Text8; break;
    case 9: field = &Text9; break;
    default: break;
  }
  if (field) add(*field, st.stepval);
  recalc();
}

// ---- ten-key pad -----------------------------------------------------------------------

void App::Text_DblClick(int code) {
  static const std::pair<int, const char*> prompts[] = {
      {1, "年を入力"}, {2, "月を入力"}, {3, "日を入力"},     {7, "時を入力"},       {8, "分を入力"},
      {9, "秒を入力"}, {12, "△Ｔを入力"}, {17, "変化分を入力"}, {18, "ループを入力"}};
  TextField* field = fieldOf(code);
  if (!field) return;
  st.fieldcode = static_cast<std::int16_t>(code);
  form2.load();
  form2.Text1.setText(field->text());
  for (const auto& [c, prompt] : prompts)
    if (c == code) form2.setCaption(prompt);
  form2.Text2.setText("");
  // The window places the pad by the field and shows it.
}

void App::Form2_Digit(char digit) { form2.Text2.setText(form2.Text2.text() + digit); }

void App::Form2_AC() { form2.Text2.setText(""); }

void App::Form2_BS() {
  const std::string& t = form2.Text2.text();
  if (t.empty()) return;
  // Remove one whole character, also a multi-byte one typed on the keyboard.
  std::size_t cut = t.size() - 1;
  while (cut > 0 && (static_cast<unsigned char>(t[cut]) & 0xC0) == 0x80) --cut;
  form2.Text2.setText(t.substr(0, cut));
}

void App::Form2_OK() {
  const std::string entry = form2.Text2.text();
  if (TextField* field = fieldOf(st.fieldcode)) field->setText(entry);
  form2.hide();
}

// ---- time pad -----------------------------------------------------------------------------

void App::unitmark() {
  const OptionButton* options[7] = {nullptr, &Option3, &Option4, &Option5, &Option6, &Option7, &Option8};
  form7.load();
  for (int i = 1; i <= 6; ++i) form7.labels[i].setOpaque(options[i]->selected());
}

void App::Form7_Arrow(int command) {
  if (command < 1 || command > 12) return;
  static const int codes[6] = {1, 2, 3, 7, 8, 9};
  const int code = codes[(command - 1) / 2];
  st.fieldcode = static_cast<std::int16_t>(code);
  add(*fieldOf(code), command % 2 == 1 ? 1 : -1);
}

void App::Form7_Now() {
  st.fieldcode = 9;
  fillFromClock();
}

void App::Form7_Label_Click(int label) {
  OptionButton* options[7] = {nullptr, &Option3, &Option4, &Option5, &Option6, &Option7, &Option8};
  if (label >= 1 && label <= 6) options[label]->select();
}

void App::Form7_Step(int amount) { add(Text17, amount); }

}  // namespace korvel::core
