#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

#include "app_fixture.h"

namespace korvel::test {

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

int countLines(const std::string& s) {
  int n = 0;
  for (std::size_t i = s.find("\r\n"); i != std::string::npos; i = s.find("\r\n", i + 2)) ++n;
  return n;
}

// A scratch folder per test.
class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() / ("korvel-test-" + std::to_string(::getpid()) + "-" + std::to_string(++n_));
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  fs::path operator/(const std::string& name) const { return path_ / name; }

 private:
  fs::path path_;
  static inline int n_ = 0;
};

}  // namespace

class OutputTest : public AppTest {
 protected:
  // Known field texts, set without calculating.
  void showKnownResults() {
    type(2024, 3, 7, 9, 5, 0);
    app->Text5.setText(" 347.123400000000");
    app->Text15.setText(" 0.99234500000000");
    app->Text6.setText(" 12.345678000000");
    app->Text20.setText("-1.500000000000");
    app->Text16.setText(" 384401.23000000");
    app->Text10.setText(" 25.222200000000");
    app->Text11.setText(" 0.047678000000");
    app->Text14.setText(" 1.234560000000");
  }

  int runUntilStopped() { return test::runUntilStopped(*app); }
};

TEST_F(OutputTest, ListLineFormats) {
  showKnownResults();
  const std::string line = app->listLineText();
  EXPECT_EQ(line, "2024/03/07   09:05:00   347.1234   0.992345   012.3457   -1.500000   384401.2   025.2222   0.047678   01.2346\r\n");
  EXPECT_EQ(line.size(), 109u + 2);

  app->Text20.setText(" 0.000000000000");
  app->Text14.setText("");
  EXPECT_EQ(app->listLineText(), "2024/03/07   09:05:00   347.1234   0.992345   012.3457   +0.000000   384401.2   025.2222   0.047678   \r\n");
}

TEST_F(OutputTest, ListHeading) {
  // Start-up loads the data window before the title is set.
  EXPECT_EQ(app->form3.Text1.text().substr(0, 4), "\r\n\r\n");
  app->Form3_Command1_Click();
  EXPECT_EQ(app->form3.Text1.text(),
            "Korvel  Ver 1.96\r\n\r\n"
            "算出日　　　　　時分秒　　太陽黄経　 太陽地心  月の黄経 　月の黄緯 　月の地心 　月の位相　 月輝面比　 月齢\r\n");
}

TEST_F(OutputTest, ListRunStopsAtTheLoopCount) {
  app->Check4.setValue(1);
  app->Command19_Click();
  EXPECT_EQ(app->Timer1.interval(), 100);
  EXPECT_EQ(runUntilStopped(), 30);
  EXPECT_EQ(countLines(app->form3.Text1.text()), 3 + 31);
  EXPECT_FALSE(app->Check4.checked());
  EXPECT_EQ(app->st.listcount, 0);
}

TEST_F(OutputTest, TheLastRunningOutputStopsTheCalculation) {
  app->Check4.setValue(1);
  app->Command19_Click();
  for (int i = 0; i < 5; ++i) app->Timer1_Timer();
  app->Check2.setValue(1);  // the graph starts five points later
  EXPECT_EQ(runUntilStopped(), 30);
  EXPECT_FALSE(app->Check4.checked());
  EXPECT_FALSE(app->Check2.checked());
  EXPECT_EQ(app->st.gpoint, 0);
}

TEST_F(OutputTest, RestartingTheListWithNoOutputStopsARun) {
  app->Command19_Click();
  app->Command24_Click();
  EXPECT_FALSE(app->Timer1.running());
  EXPECT_EQ(countLines(app->form3.Text1.text()), 4);
}

TEST_F(OutputTest, ALoopCountBelowTheCounterNeverEndsTheList) {
  app->Check4.setValue(1);
  app->Command19_Click();
  for (int i = 0; i < 10; ++i) app->Timer1_Timer();
  app->Text18.setText("5");
  for (int i = 0; i < 40; ++i) app->Timer1_Timer();
  EXPECT_TRUE(app->Check4.checked());
  EXPECT_TRUE(app->Timer1.running());
  // The counter stops at the top of its range.
  app->st.listcount = 32766;
  app->listline();
  app->listline();
  EXPECT_EQ(app->st.listcount, 32767);
}

TEST_F(OutputTest, ClosingTheDataWindowEndsTheListing) {
  app->Check4.setValue(1);
  app->form3.show();
  app->form3.unload();
  EXPECT_FALSE(app->Check4.checked());
  app->Command23_Click();
  EXPECT_TRUE(app->form3.visible());
  EXPECT_EQ(countLines(app->form3.Text1.text()), 3);
}

TEST_F(OutputTest, FileRunMatchesTheFixtureByteForByte) {
  for (const char* type : {"csv", "tsv"}) {
    SCOPED_TRACE(type);
    startAt({2024, 7, 5, 8, 9, 3});
    TempDir dir;
    const fs::path path = dir / (std::string("moon.") + type);
    platform.saveAnswer = path.string();
    app->Command29_Click();
    EXPECT_EQ(app->Label19.caption(), path.string());
    EXPECT_TRUE(app->Timer1.running());
    runUntilStopped();
    EXPECT_FALSE(app->Check5.checked());
    EXPECT_FALSE(app->fileOpen());
    EXPECT_EQ(readFile(path), readFile(fs::path(KORVEL_TEST_DATA) / (std::string("moon31.") + type)));
  }
}

TEST_F(OutputTest, FileLinesKeepTheShownDigits) {
  showKnownResults();
  EXPECT_EQ(app->fileLineText(),
            "2024/3/7,9:5:0,347.123400000000,0.99234500000000,12.345678000000,-1.5,384401.23000000,"
            "25.222200000000,0.047678000000,1.234560000000");
  app->Text20.setText(" 0.250000000000");
  app->Text14.setText("");
  app->st.filetype = "tsv";
  EXPECT_EQ(app->fileLineText(),
            "2024/3/7\t9:5:0\t347.123400000000\t0.99234500000000\t12.345678000000\t.25\t384401.23000000\t"
            "25.222200000000\t0.047678000000\t");
}

TEST_F(OutputTest, OtherFileTypesGetOnlyTheHeading) {
  TempDir dir;
  const fs::path path = dir / "Moondata";
  platform.saveAnswer = path.string();
  app->Command29_Click();
  EXPECT_EQ(app->st.filetype, "ata");
  runUntilStopped();
  EXPECT_EQ(readFile(path), core::toCp932("Korvel  Ver 1.96\r\n算出日時分秒太陽黄経太陽地心月の黄経月の黄緯月の地心月の位相月輝面比月齢\r\n"));
}

TEST_F(OutputTest, CancelledDialogLeavesTheFileOutputOff) {
  platform.saveAnswer.reset();
  app->Command29_Click();
  EXPECT_FALSE(app->Check5.checked());
  EXPECT_FALSE(app->Timer1.running());
  EXPECT_TRUE(platform.errors.empty());
}

TEST_F(OutputTest, AFileThatCannotBeCreatedIsReported) {
  TempDir dir;
  const std::string path = (dir / "missing" / "moon.csv").string();
  platform.saveAnswer = path;
  app->Command29_Click();
  EXPECT_FALSE(app->Check5.checked());
  EXPECT_FALSE(app->Timer1.running());
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find(path), std::string::npos);
  EXPECT_NE(platform.errors[0].find("フォルダが見つかりません"), std::string::npos);
}

TEST_F(OutputTest, AFailedWriteClosesTheFileAndKeepsEarlierLines) {
  TempDir dir;
  const fs::path path = dir / "moon.csv";
  // Files of this process may grow to 1500 bytes: the heading and a few lines.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1500;
  setrlimit(RLIMIT_FSIZE, &small);
  platform.saveAnswer = path.string();
  app->Command29_Click();
  runUntilStopped();
  setrlimit(RLIMIT_FSIZE, &old);

  EXPECT_FALSE(app->Check5.checked());
  EXPECT_FALSE(app->Timer1.running());
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find(path.string()), std::string::npos);
  const std::string written = readFile(path);
  const std::string fixture = readFile(fs::path(KORVEL_TEST_DATA) / "moon31.csv");
  ASSERT_GT(countLines(written), 3);
  EXPECT_EQ(written, fixture.substr(0, written.size()));
  EXPECT_EQ(written.substr(written.size() - 2), "\r\n");
}

// On the desktop the clock goes on while a message is up: this platform
// lets one tick of a running calculation through inside each message (not
// inside a message that a tick itself raised).
class TickingPlatform : public HeadlessPlatform {
 public:
  App* app = nullptr;

  void showError(const std::string& text, const std::string& title) override {
    HeadlessPlatform::showError(text, title);
    if (ticking_ || !app || !app->Timer1.running()) return;
    ticking_ = true;
    app->Timer1_Timer();
    ticking_ = false;
  }

 private:
  bool ticking_ = false;
};

// A file that fails as the box is checked during a run is reported once:
// the ticks while the message is up do not write into it again.
TEST(FileFailureDuringARunTest, IsReportedOnce) {
  struct Case {
    const char* what;
    const char* file;      // under a scratch folder
    rlim_t sizeLimit;      // bytes a file of this process may hold; 0 = no limit
    const char* reason;
  };
  const Case cases[] = {
      {"folder missing", "missing/moon.csv", 0, "フォルダが見つかりません"},
      {"heading does not fit", "moon.csv", 10, "ファイルが大きすぎます"},
  };
  std::signal(SIGXFSZ, SIG_IGN);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    TickingPlatform platform;
    platform.clock = {2024, 7, 5, 8, 9, 3};
    App app(platform);
    platform.app = &app;
    app.Form_Load();
    app.Label19.setCaption((dir / c.file).string());
    app.Command19_Click();
    const std::string dayBefore = app.Text3.text();

    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    if (c.sizeLimit > 0) {
      rlimit small = old;
      small.rlim_cur = c.sizeLimit;
      setrlimit(RLIMIT_FSIZE, &small);
    }
    app.Check5.setValue(1);
    setrlimit(RLIMIT_FSIZE, &old);

    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find(c.reason), std::string::npos) << platform.errors[0];
    EXPECT_FALSE(app.Check5.checked());
    EXPECT_FALSE(app.fileOpen());
    // The run went on meanwhile, one day further.
    EXPECT_TRUE(app.Timer1.running());
    EXPECT_NE(app.Text3.text(), dayBefore);
  }
}

TEST_F(OutputTest, QuittingClosesTheFileComplete) {
  TempDir dir;
  const fs::path path = dir / "moon.csv";
  platform.saveAnswer = path.string();
  app->Command29_Click();
  app->Timer1_Timer();
  platform.yesAnswer = false;
  bool cancel = false;
  app->Form_QueryUnload(cancel);
  EXPECT_TRUE(cancel);
  EXPECT_TRUE(app->fileOpen());
  EXPECT_TRUE(app->Timer1.running());
  platform.yesAnswer = true;
  app->Form_QueryUnload(cancel);
  EXPECT_FALSE(cancel);
  EXPECT_FALSE(app->fileOpen());
  EXPECT_EQ(countLines(readFile(path)), 2 + 2);
}

TEST_F(OutputTest, GraphRunFollowsTheLoopCount) {
  app->Text18.setText("2");
  app->Check2.setValue(1);
  EXPECT_EQ(app->st.gpoint, 1);
  app->Command19_Click();
  EXPECT_EQ(runUntilStopped(), 1);
  EXPECT_FALSE(app->Check2.checked());
  EXPECT_EQ(app->st.gpoint, 0);
  EXPECT_EQ(app->form4.caption().rfind("Korvel - Graph - 2024/7/", 0), 0u);
}

}  // namespace korvel::test
