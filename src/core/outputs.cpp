// The three outputs of a recalculation (data list, graph, file), the
// pictures, and the buttons of the data and graph windows.
#include <string>

#include "astro/textform.h"
#include "core/app.h"
#include "render/drawings.h"

namespace korvel::core {

using astro::fixedText;

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kMainClientWidth = 8184;
constexpr int kMainClientHeight = 6492;

std::string ltrim(const std::string& s) {
  const std::size_t i = s.find_first_not_of(' ');
  return i == std::string::npos ? std::string() : s.substr(i);
}

// A list part: the field's value in a numeric pattern, empty for an empty field.
std::string part(const TextField& f, int decimals, int minIntDigits) {
  if (f.text().empty()) return {};
  return fixedText(f.value(), decimals, minIntDigits);
}

std::string separator(const std::string& filetype) {
  if (filetype == "csv") return ",";
  if (filetype == "tsv") return "\t";
  return {};
}

}  // namespace

void App::stopWhenNoOutput() {
  if (Check4.value() + Check2.value() + Check5.value() == 0) stopContinuous();
}

std::string App::dateTitle() const {
  return Text1.text() + "/" + Text2.text() + "/" + Text3.text() + " " + Text7.text() + ":" + Text8.text() + ":" +
         Text9.text();
}

// ---- data list -------------------------------------------------------------------

void App::listclear() {
  form3.load();
  form3.Text1.clear();
  form3.Text1.append(st.apptitle + kCrLf + kCrLf);
  form3.Text1.append(std::string(kListHeading) + kCrLf);
}

std::string App::listLineText() const {
  std::string latitude = part(Text20, 6, 1);
  if (!Text20.text().empty() && Text20.value() >= 0) latitude = "+" + latitude;
  const std::string parts[] = {
      part(Text1, 0, 2) + "/" + part(Text2, 0, 2) + "/" + part(Text3, 0, 2),
      part(Text7, 0, 2) + ":" + part(Text8, 0, 2) + ":" + part(Text9, 0, 2),
      part(Text5, 4, 3),
      part(Text15, 6, 1),
      part(Text6, 4, 3),
      latitude,
      part(Text16, 1, 6),
      part(Text10, 4, 3),
      part(Text11, 6, 1),
      part(Text14, 4, 2),
  };
  std::string line;
  for (std::size_t i = 0; i < std::size(parts); ++i) {
    line += parts[i];
    line += i + 1 < std::size(parts) ? "   " : kCrLf;
  }
  return line;
}

void App::listline() {
  form3.load();
  form3.Text1.append(listLineText());
  countUp(st.listcount);
  if (Text18.value() == st.listcount) {
    Check4.setValue(0);
    st.listcount = 0;
  }
  stopWhenNoOutput();
}

// ---- file output ------------------------------------------------------------------

std::string App::fileLineText() const {
  const std::string S = separator(st.filetype);
  const std::string fields[] = {
      ltrim(Text1.text()) + "/" + ltrim(Text2.text()) + "/" + ltrim(Text3.text()),
      ltrim(Text7.text()) + ":" + ltrim(Text8.text()) + ":" + ltrim(Text9.text()),
      ltrim(Text5.text()),
      ltrim(Text15.text()),
      ltrim(Text6.text()),
      astro::generalText(Text20.value()),
      ltrim(Text16.text()),
      ltrim(Text10.text()),
      ltrim(Text11.text()),
      ltrim(Text14.text()),
  };
  std::string line;
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    if (i > 0) line += S;
    line += fields[i];
  }
  return line;
}

// A file that cannot be created or written is closed, its box cleared, and
// the user told which file and why; the lines already written stay. The box
// is cleared before the message: a running calculation goes on ticking while
// the message is up, and its ticks must not write into the failed file.
void App::fileFailure(const std::string& what, const std::string& reason) {
  outfile_.close();
  Check5.setValue(0);
  platform_.showError("出力ファイル「" + Label19.caption() + "」" + what + "\n" + reason, st.apptitle);
}

std::string App::fileColumnsLine() const {
  const std::string S = separator(st.filetype);
  return std::string("算出日") + S + "時分秒" + S + "太陽黄経" + S + "太陽地心" + S + "月の黄経" + S + "月の黄緯" + S +
         "月の地心" + S + "月の位相" + S + "月輝面比" + S + "月齢";
}

void App::Check5_Click() {
  st.filecount = 0;
  if (!Check5.checked()) {
    std::string reason;
    if (!outfile_.close(reason)) fileFailure("を正しく閉じられませんでした。", reason);
    return;
  }
  std::string reason;
  if (!outfile_.open(Label19.caption(), reason)) {
    fileFailure("を作成できません。", reason);
    return;
  }
  if (!outfile_.writeLine(st.apptitle, reason) || !outfile_.writeLine(fileColumnsLine(), reason)) {
    fileFailure("に書き込めません。", reason);
    return;
  }
  fileline();
}

void App::fileline() {
  if (st.filetype == "csv" || st.filetype == "tsv") {
    std::string reason;
    if (!outfile_.writeLine(fileLineText(), reason)) {
      fileFailure("に書き込めません。書き込み済みの行は残っています。", reason);
      stopWhenNoOutput();
      return;
    }
  }
  countUp(st.filecount);
  if (Text18.value() == st.filecount) {
    st.filecount = 0;
    Check5.setValue(0);
  }
  stopWhenNoOutput();
}

void App::Command29_Click() {
  Check5.setValue(0);
  SaveFileRequest request;
  request.title = kFileDialogTitle;
  request.initialName = lastSavePath_.empty() ? std::string(kFileInitialName) : lastSavePath_;
  request.filters = {{"Csv ﾌｧｲﾙ (*.csv)", "*.csv"}, {"Tsv ﾌｧｲﾙ(*.tsv)", "*.tsv"}};
  const std::optional<std::string> path = platform_.chooseSaveFile(request);
  if (!path || path->empty()) return;
  lastSavePath_ = *path;
  Label19.setCaption(*path);
  st.filetype = path->size() >= 3 ? path->substr(path->size() - 3) : *path;
  Check5.setValue(1);
  if (!Check5.checked()) return;  // the file could not be opened
  startContinuous();
}

// ---- graph ------------------------------------------------------------------------------

void App::graphclr() {
  form4.load();
  if (form4.picture) render::drawGraphBackground(*form4.picture);
  st.gpoint = 0;
  st.ggrid = 0;
}

void App::graphstep() {
  form4.setCaption("Korvel - Graph - " + dateTitle());
  countUp(st.ggrid);
  const double n = Text18.value();
  const double dx = 8585 / (n - 1);
  render::Surface* s = form4.picture;
  if (s) {
    s->setLineWidth(1);
    const double x = st.gpoint * dx;
    s->line(x, 0, x, s->scaleHeight(), st.ggrid % 10 == 0 ? render::kLightRed : render::kGridGrey);
  }
  const struct {
    const CheckBox* enabled;
    const TextField* source;
  } series[4] = {{&Check8, &Text11}, {&Check6, &Text15}, {&Check7, &Text16}, {&Check9, &Text20}};
  for (int i = 0; i < 4; ++i) {
    if (series[i].enabled->value() != 1) continue;
    const double y0 = render::graphY(i, st.gprev[i]);
    const double y1 = render::graphY(i, series[i].source->value());
    if (s) {
      s->setLineWidth(2);
      s->line((st.gpoint - 1) * dx, y0, st.gpoint * dx, y1, render::graphColour(i));
    }
    st.gprev[i] = series[i].source->value();
  }
  countUp(st.gpoint);
  if (Text18.value() == st.gpoint) {
    Check2.setValue(0);
    st.gpoint = 0;
    st.ggrid = 0;
  }
  stopWhenNoOutput();
}

// ---- pictures ----------------------------------------------------------------------------

void App::moondraw() {
  form5.setCaption("MoonFace " + dateTitle());
  if (form1.minimized() || !mainSurface) return;
  render::drawMainMoon(*mainSurface, kMainClientWidth, kMainClientHeight, Text10.value(), Text11.value());
}

void App::facedraw() {
  if (form5.surface) render::drawFace(*form5.surface, Text10.value(), Text11.value());
}

void App::orbitdraw() {
  form6.setCaption("Moon Phase " + dateTitle());
  if (form6.surface) render::drawOrbit(*form6.surface, st.slong, Text10.value(), form6.Check1.value() == 1);
}

// ---- data window ---------------------------------------------------------------------------

void App::Form3_Command1_Click() {
  listclear();
  st.listcount = 0;
  if (Check4.checked()) listline();
}

void App::Form3_Command2_Click() {
  if (!platform_.askYesNo("Korvel Data を印刷しますか ?", form3.caption())) return;
  std::string reason;
  if (!platform_.printText(form3.caption(), form3.Text1.text(), reason))
    platform_.showError("印刷できませんでした。\n" + reason, form3.caption());
}

void App::Form3_Command4_Click() {
  Check4.setValue(1);
  restartContinuous();
}

void App::Form3_Command5_Click() { Check4.setValue(0); }
void App::Form3_Command6_Click() { restartContinuous(); }
void App::Form3_Command7_Click() { stopContinuous(); }
void App::Form3_Command9_Click() { form3.hide(); }

// ---- graph window ---------------------------------------------------------------------------

void App::Form4_Command1_Click() {
  graphclr();
  st.gpoint = 0;
  st.ggrid = 0;
  if (Check2.checked()) graphstep();
}

void App::Form4_Command3_Click() {
  Form4_Command1_Click();
  Check2.setValue(1);
  restartContinuous();
}

void App::Form4_Command4_Click() {
  Check2.setValue(1);
  restartContinuous();
}

void App::Form4_Command5_Click() { Check2.setValue(0); }
void App::Form4_Command6_Click() { restartContinuous(); }
void App::Form4_Command7_Click() { stopContinuous(); }
void App::Form4_Command9_Click() { form4.hide(); }

}  // namespace korvel::core
