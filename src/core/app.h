// The program's behaviour on the headless control model: the main window's
// controls, the secondary windows, the field rules, the recalculation and
// its outputs. Windows bind to these controls and forward their events to
// the handlers below; nothing here knows of any toolkit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/app_state.h"
#include "core/controls.h"
#include "core/form.h"
#include "core/outfile.h"
#include "core/platform.h"
#include "render/drawings.h"
#include "render/surface.h"

namespace korvel::core {

inline constexpr const char* kAppTitle = "Korvel  Ver 1.96";
inline constexpr const char* kListHeading =
    "算出日\u3000\u3000\u3000\u3000\u3000時分秒\u3000\u3000太陽黄経\u3000 太陽地心  月の黄経 \u3000月の黄緯 "
    "\u3000月の地心 \u3000月の位相\u3000 月輝面比\u3000 月齢";
inline constexpr const char* kFileDialogTitle = "Korvel - File Output -";
inline constexpr const char* kFileInitialName = "Moondata";

// The data window's list: one text, appended line by line. Views can follow
// appends without laying out the whole text again.
class ListText {
 public:
  const std::string& text() const { return text_; }
  void clear();
  void append(const std::string& part);

  std::function<void()> onReset;                      // the whole text changed
  std::function<void(const std::string&)> onAppend;  // `part` was added at the end

 private:
  std::string text_;
};

// Ten-key pad.
struct PadForm : Form {
  PadForm() : Form("Form2") {}
  TextField Text1{"Text1"};  // value of the target field when the pad opened
  TextField Text2{"Text2"};  // the entry
};

// Data window.
struct DataForm : Form {
  DataForm() : Form("Form3") {}
  ListText Text1;
  std::array<std::string, 10> captions{};  // Command1..Command9 (index 1..9)
};

// Graph window.
struct GraphForm : Form {
  GraphForm() : Form("Form4") {}
  CheckBox Check1{"Check1", 1};  // Sun's distance
  CheckBox Check2{"Check2", 1};  // Moon's distance
  CheckBox Check3{"Check3", 1};  // illuminated fraction
  CheckBox Check4{"Check4", 1};  // Moon's latitude
  std::array<std::string, 10> captions{};
  render::Surface* picture = nullptr;  // Picture1, set by the window
};

// Moon-face window.
struct FaceForm : Form {
  FaceForm() : Form("Form5") {}
  render::Surface* surface = nullptr;
};

// Orbit window.
struct OrbitForm : Form {
  OrbitForm() : Form("Form6") {}
  CheckBox Check1{"Check1", 1};  // rings
  render::Surface* surface = nullptr;
};

// Time pad.
struct TimePadForm : Form {
  TimePadForm() : Form("Form7") {}
  TextField Text1{"Text1"};  // step size shown
  std::array<Label, 7> labels{};  // Label1..Label6 (index 1..6): units
};

class App {
 public:
  explicit App(Platform& platform);
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  ~App();

  Platform& platform() { return platform_; }
  AppState st;

  // ---- main window -------------------------------------------------------
  Form form1{"Form1"};
  render::Surface* mainSurface = nullptr;  // the window background, set by the window

  // Entry fields.
  TextField Text1{"Text1"}, Text2{"Text2"}, Text3{"Text3"};     // year, month, day
  TextField Text7{"Text7"}, Text8{"Text8"}, Text9{"Text9"};     // hour, minute, second
  TextField Text12{"Text12"};                                   // Delta-T
  TextField Text17{"Text17"}, Text18{"Text18"};                 // step size, loop count
  // Result fields.
  TextField Text4{"Text4"};    // Julian day
  TextField Text5{"Text5"};    // Sun's longitude
  TextField Text6{"Text6"};    // Moon's longitude
  TextField Text10{"Text10"};  // phase angle
  TextField Text11{"Text11"};  // illuminated fraction
  TextField Text13{"Text13"};  // reference Julian day
  TextField Text14{"Text14"};  // age
  TextField Text15{"Text15"};  // Sun's distance
  TextField Text16{"Text16"};  // Moon's distance
  TextField Text20{"Text20"};  // Moon's latitude

  CheckBox Check1{"Check1"};     // 朔月自動基準化
  CheckBox Check2{"Check2"};     // グラフ描画
  CheckBox Check3{"Check3", 1};  // △Ｔ自動
  CheckBox Check4{"Check4"};     // 帳票出力
  CheckBox Check5{"Check5"};     // ファイル出力
  CheckBox Check6{"Check6", 1};  // 太陽
  CheckBox Check7{"Check7", 1};  // 月
  CheckBox Check8{"Check8", 1};  // 輝面
  CheckBox Check9{"Check9", 1};  // 黄緯

  OptionGroup Frame1, Frame2, Frame3;  // speed, unit, direction
  OptionButton Option1{"Option1", Frame1, true};  // 高速
  OptionButton Option2{"Option2", Frame1};        // 通常
  OptionButton Option3{"Option3", Frame2};        // 年
  OptionButton Option4{"Option4", Frame2};        // 月
  OptionButton Option5{"Option5", Frame2, true};  // 日
  OptionButton Option6{"Option6", Frame2};        // 時
  OptionButton Option7{"Option7", Frame2};        // 分
  OptionButton Option8{"Option8", Frame2};        // 秒
  OptionButton Option9{"Option9", Frame3};        // 過去
  OptionButton Option10{"Option10", Frame3, true};  // 未来

  Label Label19;  // output file name
  Timer Timer1;

  // ---- secondary windows --------------------------------------------------
  PadForm form2;
  DataForm form3;
  GraphForm form4;
  FaceForm form5;
  OrbitForm form6;
  TimePadForm form7;

  // ---- start-up and shut-down ---------------------------------------------
  void Form_Load();
  // Every way of closing the main window (its close box, "閉じる") comes
  // here: closes the other windows and asks; `cancel` set keeps the program.
  void Form_QueryUnload(bool& cancel);
  void Form_Paint();

  // ---- engine ---------------------------------------------------------------
  void recalc();
  void calcn();
  void dtread();
  void jdcalc();
  void sunlon();
  void moonlon();
  void moonyh();
  void sundis();
  void moondis();
  void agecalc();

  // ---- field rules ----------------------------------------------------------
  void Text1_Change();
  void Text2_Change();
  void Text3_Change();
  void Text7_Change();
  void Text8_Change();
  void Text9_Change();
  void Text12_Change();
  void Text17_Change();
  void Text18_Change();
  // Double-click on an entry field: opens the ten-key pad for it.
  void Text_DblClick(int code);

  // ---- main window buttons ---------------------------------------------------
  // Arrow buttons Command2..Command15, Command25, Command26, Command30, Command31.
  void arrowClick(int command);
  void Command1_Click();   // 推　算
  void Command16_Click();  // 現在の日時
  void Command17_Click();  // クリア
  void Command18_Click();  // STOP
  void Command19_Click();  // 連続推算
  void Command20_Click();  // 基準指定
  void Command21_Click();  // 基準ｸﾘｱ
  void Command23_Click();  // ﾃﾞｰﾀﾌｫｰﾑ表示
  void Command24_Click();  // ﾃﾞｰﾀﾌｫｰﾑｸﾘｱ
  void Command27_Click();  // ｸﾞﾗﾌﾌｫｰﾑ表示
  void Command28_Click();  // ｸﾞﾗﾌﾌｫｰﾑｸﾘｱ
  void Command29_Click();  // 出力ﾌｧｲﾙ ...
  void Command32_Click();  // 月相拡大
  void Command33_Click();  // 軌道表示
  void Command35_Click();  // 新月検索 (Command34 月齢推算 is agecalc)
  void Timer1_Timer();

  // ---- continuous calculation -------------------------------------------------
  void startContinuous();  // the start rule of 連続推算
  void stopContinuous();
  void reverseOrStart();   // the ◆ buttons
  void restartContinuous();  // period = interval as it stands
  int speedInterval() const;

  // ---- outputs ----------------------------------------------------------------
  void listclear();
  void listline();
  std::string listLineText() const;
  void fileline();
  std::string fileLineText() const;
  std::string fileColumnsLine() const;
  void graphstep();
  void graphclr();
  void moondraw();
  void facedraw();
  void orbitdraw();
  void unitmark();
  bool fileOpen() const { return outfile_.isOpen(); }
  // The fields where the last new-moon search stopped.
  std::optional<LocalTime> searchStop;

  // ---- data window ------------------------------------------------------------
  void Form3_Command1_Click();  // データ消去
  void Form3_Command2_Click();  // データ印刷
  void Form3_Command4_Click();  // データ入力
  void Form3_Command5_Click();  // データ停止
  void Form3_Command6_Click();  // 連続推算
  void Form3_Command7_Click();  // ＳＴＯＰ
  void Form3_Command9_Click();  // 閉じる

  // ---- graph window -------------------------------------------------------------
  void Form4_Command1_Click();  // グラフ消去
  void Form4_Command3_Click();  // 消去・描画
  void Form4_Command4_Click();  // グラフ描画
  void Form4_Command5_Click();  // グラフ停止
  void Form4_Command6_Click();  // 連続推算
  void Form4_Command7_Click();  // ＳＴＯＰ
  void Form4_Command9_Click();  // 閉じる

  // ---- moon-face and orbit windows (◆ ■ T) -------------------------------------
  void remote_Command1_Click() { reverseOrStart(); }
  void remote_Command2_Click() { stopContinuous(); }
  void remote_Command3_Click() { form7.show(); }

  // ---- ten-key pad ----------------------------------------------------------------
  void Form2_Digit(char digit);
  void Form2_AC();
  void Form2_BS();
  void Form2_OK();

  // ---- time pad ---------------------------------------------------------------------
  // Command1..Command12: ▲/▼ of year, month, day, hour, minute, second.
  void Form7_Arrow(int command);
  void Form7_Now();                   // Command13
  void Form7_Label_Click(int label);  // Label1..Label6
  void Form7_Step(int amount);        // Command16 (+1), Command17 (-1)

  // The field of a code (1 2 3 7 8 9 12 17 18), or nullptr.
  TextField* fieldOf(int code);
  int fieldCode(const TextField& field);

  // The numeric value of a field rounded to a state integer.
  static std::int16_t toState(double value);

 private:
  void wire();
  void add(TextField& field, double amount);
  void ruleR(int code, int depth);
  bool acceptWhole(TextField& field);
  double monthLength(double month, double year) const;
  void timeSteps();
  void phase();
  void showAge();
  void fillFromClock();
  bool searchNewMoon(bool live);
  bool searchCanStart();
  void putInstantBack(const LocalTime& t);
  void moveAndEvaluate(TextField& field, double amount, bool live);
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check4_Click();
  void Check5_Click();
  void optionUnitClick(int code);
  void optionDirectionClick();
  void optionSpeedClick();
  void fileFailure(const std::string& what, const std::string& reason);
  std::string dateTitle() const;
  void stopWhenNoOutput();

  Platform& platform_;
  OutputFile outfile_;
  int depth_[19]{};  // nesting of each field's rule, by field number
  std::string lastSavePath_;
};

}  // namespace korvel::core
