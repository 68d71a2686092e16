// The data window over the model: its layout, the list as the continuous
// calculation fills it, its buttons as a user presses them, closing and
// reopening, the file output started from the main window, and printing.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>

#include "core/app.h"
#include "../app_fixture.h"
#include "core/outfile.h"
#include "ui/data/data_window.h"
#include "ui/data/print_text.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;

constexpr int kTwipsPerPixel = 15;

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> crlfLines(const std::string& s) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = s.find("\r\n"); i != std::string::npos; i = s.find("\r\n", start)) {
    lines.push_back(s.substr(start, i - start));
    start = i + 2;
  }
  EXPECT_EQ(start, s.size()) << "text after the last line end";
  return lines;
}

// The words of a text, split at blanks, ideographic spaces and line ends.
QStringList words(const QString& text) {
  static const QRegularExpression gaps(QStringLiteral("[\\s\\x{3000}]+"));
  return text.split(gaps, Qt::SkipEmptyParts);
}

// A desktop with a fixed clock and a scripted user; printing goes to a PDF
// file when one is named, else to the system's default printer.
class TestPlatform : public core::HeadlessPlatform {
 public:
  QString pdfPath;
  int printJobs = 0;
  std::vector<std::pair<std::string, std::string>> questions;  // text, title

  bool askYesNo(const std::string& text, const std::string& title) override {
    questions.emplace_back(text, title);
    return yesAnswer;
  }
  bool printText(const std::string& title, const std::string& text, std::string& reason) override {
    ++printJobs;
    return ui::printPlainText(title, text, reason, pdfPath);
  }
};

class DataWindowTest : public ::testing::Test {
 protected:
  TestPlatform platform;
  std::unique_ptr<core::App> app;
  fs::path dir;

  void SetUp() override {
    dir = fs::temp_directory_path() / ("korvel-data-test-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    platform.clock = {2024, 7, 5, 8, 9, 3};
    app = std::make_unique<core::App>(platform);
    ui::attachDataWindow(*app);
    app->Form_Load();
  }

  void TearDown() override {
    app.reset();
    flushDeletes();
    EXPECT_EQ(dataWindows(), 0) << "a data window outlived its program";
    fs::remove_all(dir);
  }

  static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  static int dataWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += w->objectName() == QLatin1String("Form3");
    return n;
  }

  // The one Qt window of the data window, or nullptr.
  static QWidget* window() {
    flushDeletes();
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() != QLatin1String("Form3")) continue;
      EXPECT_EQ(found, nullptr) << "two data windows";
      found = w;
    }
    return found;
  }

  static QPushButton* button(int n) {
    QWidget* w = window();
    return w ? w->findChild<QPushButton*>(QStringLiteral("Command%1").arg(n)) : nullptr;
  }

  static QPlainTextEdit* list() {
    QWidget* w = window();
    return w ? w->findChild<QPlainTextEdit*>(QStringLiteral("Text1")) : nullptr;
  }

  void click(int n) {
    QPushButton* b = button(n);
    ASSERT_NE(b, nullptr) << "Command" << n;
    b->click();
  }

  // The list as the model holds it, with the widget's line ends.
  std::string modelList() const {
    QString s = QString::fromStdString(app->form3.Text1.text());
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s.toStdString();
  }

  // The lines the widget shows, without the empty one after the last line end.
  static QStringList shownLines() {
    QStringList lines = list()->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    return lines;
  }

  int runUntilStopped() { return test::runUntilStopped(*app); }

  // A listing of `lines` lines run to its end by the main window's 連続推算.
  void listRun(int lines) {
    app->Text18.setText(std::to_string(lines));
    app->Check4.setValue(1);
    app->Command19_Click();
    runUntilStopped();
  }

  static std::string fixture(const char* name) { return readFile(fs::path(KORVEL_TEST_DATA) / name); }
};

// ---- the window ----------------------------------------------------------------

TEST_F(DataWindowTest, StartUpCreatesTheWindowHiddenWithItsLayout) {
  QWidget* w = window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(app->form3.loaded());
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvel - Data -"));
  const Qt::WindowFlags flags = w->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "the frame is fixed";

  const struct {
    int n;
    const char* caption;
  } buttons[] = {{1, "データ消去"}, {2, "データ印刷"}, {3, ""},       {4, "データ入力"}, {5, "データ停止"},
                 {6, "連続推算"},   {7, "ＳＴＯＰ"},   {8, ""},       {9, "閉じる"}};
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.n);
    QPushButton* widget = button(b.n);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->text(), QString::fromUtf8(b.caption));
    EXPECT_EQ(widget->geometry(), QRect(64 * (b.n - 1), 0, 65, 25));
  }

  QPlainTextEdit* text = list();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->geometry(), QRect(0, 24, 577, 297));
  EXPECT_TRUE(text->isReadOnly());
  EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(w->nextInFocusChain(), text) << "the list comes first in the tab order";

  // Start-up places the windows before the title is set: the first list has
  // an empty first line.
  EXPECT_EQ(shownLines(), (QStringList{QString(), QString(), QString::fromUtf8(core::kListHeading)}));
  EXPECT_EQ(text->toPlainText().toStdString(), modelList());

  app->Command23_Click();  // ﾃﾞｰﾀﾌｫｰﾑ表示
  EXPECT_TRUE(w->isVisible());
  const QImage image = w->grab().toImage();
  EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), QColor(192, 192, 192));
}

TEST_F(DataWindowTest, TheWindowSitsWhereTheModelPutsIt) {
  QWidget* w = window();
  const core::Geometry& g = app->form3.geometry();
  // Start-up centres the outer frame of 8736 x 5388 twips on the screen.
  EXPECT_EQ(g.width, 8736);
  EXPECT_EQ(g.height, 5388);
  EXPECT_EQ(w->pos(), QPoint(349, 300)) << "5232 and 4506 twips from the screen's corner";
  // Once framed, the window's outer size is the model's.
  app->form3.show();
  EXPECT_EQ(w->frameGeometry().size(), QSize(582, 359));
  EXPECT_EQ(app->form3.geometry().width, 8736);
  EXPECT_EQ(app->form3.geometry().height, 5388);

  app->form3.setGeometry({1500, 3000, 8736, 5388});
  EXPECT_EQ(w->pos(), QPoint(100, 200));
  // The user moves the window: the model follows; the size stays.
  w->move(300, 150);
  EXPECT_EQ(app->form3.geometry().left, 4500);
  EXPECT_EQ(app->form3.geometry().top, 2250);
  EXPECT_EQ(app->form3.geometry().width, 8736);
  EXPECT_EQ(app->form3.geometry().height, 5388);
}

TEST_F(DataWindowTest, TheHeadingStandsOverItsColumns) {
  app->Command20_Click();  // 基準指定: every column has a value
  listRun(1);
  const QFontMetricsF metrics(list()->font());
  const QString heading = shownLines()[2];
  const QString line = shownLines()[3];
  // Where each word of a line starts.
  auto starts = [&](const QString& s) {
    std::vector<double> x;
    for (qsizetype i = 0; i < s.size(); ++i) {
      const bool gap = s[i] == QLatin1Char(' ') || s[i] == QChar(0x3000);
      const bool after = i == 0 || s[i - 1] == QLatin1Char(' ') || s[i - 1] == QChar(0x3000);
      if (!gap && after) x.push_back(metrics.horizontalAdvance(s.left(i)));
    }
    return x;
  };
  const std::vector<double> headingX = starts(heading);
  const std::vector<double> lineX = starts(line);
  ASSERT_EQ(headingX.size(), 10u);
  ASSERT_EQ(lineX.size(), 10u);
  // No heading word starts more than one and a half characters off its column.
  const double em = metrics.horizontalAdvance(QChar(0x3000));
  for (std::size_t i = 0; i < headingX.size(); ++i) EXPECT_LE(std::abs(headingX[i] - lineX[i]), 1.5 * em) << i;
}

// ---- the list --------------------------------------------------------------------

TEST_F(DataWindowTest, AListingRunFillsTheWindowAndStopsAtTheLoopCount) {
  app->Command23_Click();
  ASSERT_EQ(app->Text18.text(), "31");
  app->Check4.setValue(1);  // 帳票出力
  app->Command19_Click();   // 連続推算
  EXPECT_TRUE(app->Timer1.running());
  const int ticks = runUntilStopped();

  EXPECT_EQ(ticks, 30) << "the first line is the instant shown when the box was checked";
  EXPECT_FALSE(app->Check4.checked());
  EXPECT_FALSE(app->Timer1.running());
  const QStringList lines = shownLines();
  ASSERT_EQ(lines.size(), 3 + 31);
  EXPECT_EQ(lines[0], QStringLiteral("Korvel  Ver 1.96"));
  EXPECT_TRUE(lines[3].startsWith(QStringLiteral("2024/07/05   08:09:03   ")));
  EXPECT_TRUE(lines[33].startsWith(QStringLiteral("2024/08/04   08:09:03   ")));
  EXPECT_EQ(list()->toPlainText().toStdString(), modelList());
  // The view follows the newest line and keeps the beginnings of the lines.
  QScrollBar* bar = list()->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(list()->horizontalScrollBar()->value(), 0);
}

TEST_F(DataWindowTest, TheListHoldsSixHundredLines) {
  listRun(600);
  EXPECT_EQ(shownLines().size(), 3 + 600);
  EXPECT_EQ(list()->toPlainText().toStdString(), modelList());
}

TEST_F(DataWindowTest, ClearingTheListKeepsOneLineWhileListing) {
  const struct {
    bool listing;
    int lines;
  } cases[] = {{true, 3 + 1}, {false, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.listing);
    listRun(5);
    app->Check4.setValue(c.listing ? 1 : 0);
    click(1);  // データ消去
    EXPECT_EQ(shownLines().size(), c.lines);
    EXPECT_EQ(shownLines()[0], QStringLiteral("Korvel  Ver 1.96"));
    EXPECT_EQ(app->st.listcount, c.listing ? 1 : 0);
    EXPECT_EQ(list()->toPlainText().toStdString(), modelList());
  }
}

TEST_F(DataWindowTest, ButtonsStartAndStopTheListingAndTheCalculation) {
  app->Command23_Click();
  click(4);  // データ入力
  EXPECT_TRUE(app->Check4.checked());
  EXPECT_EQ(app->Timer1.interval(), 100);
  EXPECT_EQ(shownLines().size(), 3 + 1);
  app->Timer1_Timer();
  EXPECT_EQ(shownLines().size(), 3 + 2);

  click(5);  // データ停止: the calculation goes on
  EXPECT_FALSE(app->Check4.checked());
  EXPECT_TRUE(app->Timer1.running());
  app->Timer1_Timer();
  EXPECT_EQ(shownLines().size(), 3 + 2);

  click(7);  // ＳＴＯＰ
  EXPECT_FALSE(app->Timer1.running());
  click(6);  // 連続推算, at the speed last set
  EXPECT_EQ(app->Timer1.interval(), 100);
  app->Option2.select();  // 通常
  click(7);
  click(6);
  EXPECT_EQ(app->Timer1.interval(), 1000);

  // The blank buttons do nothing.
  const std::string before = app->form3.Text1.text();
  click(3);
  click(8);
  EXPECT_EQ(app->form3.Text1.text(), before);
  EXPECT_EQ(app->Timer1.interval(), 1000);

  click(9);  // 閉じる: hidden, the list kept
  EXPECT_TRUE(app->form3.loaded());
  EXPECT_FALSE(app->form3.visible());
  EXPECT_FALSE(window()->isVisible());
  app->Command23_Click();
  EXPECT_TRUE(window()->isVisible());
  EXPECT_EQ(app->form3.Text1.text(), before);
  EXPECT_EQ(shownLines().size(), 3 + 2);
}

TEST_F(DataWindowTest, TheCloseBoxDropsTheListAndKeepsThePlace) {
  app->Command23_Click();
  app->Check4.setValue(1);
  app->Timer1_Timer();
  window()->move(200, 100);
  const core::Geometry before = app->form3.geometry();

  window()->close();
  EXPECT_FALSE(app->form3.loaded());
  EXPECT_FALSE(app->Check4.checked());
  EXPECT_EQ(window(), nullptr);
  EXPECT_EQ(app->st.dataleft, 3000);
  EXPECT_EQ(app->st.datatop, 1500);

  app->Command23_Click();
  QWidget* w = window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(shownLines(), (QStringList{QStringLiteral("Korvel  Ver 1.96"), QString(),
                                       QString::fromUtf8(core::kListHeading)}));
  EXPECT_EQ(button(1)->text(), QStringLiteral("データ消去"));
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvel - Data -"));
  EXPECT_EQ(app->form3.geometry().left, before.left);
  EXPECT_EQ(app->form3.geometry().top, before.top);
  EXPECT_EQ(app->form3.geometry().width, before.width);
  EXPECT_EQ(app->form3.geometry().height, before.height);
  EXPECT_EQ(w->pos(), QPoint(200, 100));
}

// ---- the file output -------------------------------------------------------------

TEST_F(DataWindowTest, AChosenTsvFileGetsTheHeadingAndTheLoopCountOfLines) {
  const fs::path path = dir / "moon.tsv";
  platform.saveAnswer = path.string();
  app->Command29_Click();  // 出力ﾌｧｲﾙ ...
  EXPECT_TRUE(app->Check5.checked());
  EXPECT_TRUE(app->Timer1.running());
  runUntilStopped();
  EXPECT_FALSE(app->Check5.checked());
  EXPECT_FALSE(app->fileOpen());
  EXPECT_FALSE(app->Timer1.running());
  EXPECT_TRUE(platform.errors.empty());

  const std::string written = readFile(path);
  const std::vector<std::string> lines = crlfLines(written);
  ASSERT_EQ(lines.size(), 2u + 31u);
  EXPECT_EQ(lines[0], "Korvel  Ver 1.96");
  EXPECT_EQ(lines[1], core::toCp932("算出日\t時分秒\t太陽黄経\t太陽地心\t月の黄経\t月の黄緯\t月の地心\t月の位相\t月輝面比\t月齢"));
  for (std::size_t i = 2; i < lines.size(); ++i)
    EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'), 9) << i;
  EXPECT_EQ(written, fixture("moon31.tsv"));
  // The list was not asked for.
  EXPECT_EQ(shownLines().size(), 3);
}

TEST_F(DataWindowTest, AFileInAMissingFolderIsReportedAndTheBoxCleared) {
  const std::string path = (dir / "missing" / "moon.csv").string();
  platform.saveAnswer = path;
  app->Command29_Click();
  EXPECT_FALSE(app->Check5.checked());
  EXPECT_FALSE(app->Timer1.running());
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find(path), std::string::npos);
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(DataWindowTest, QuittingWithTheFileOutputOnLeavesACompleteFile) {
  const fs::path path = dir / "moon.csv";
  platform.saveAnswer = path.string();
  app->Command23_Click();
  app->Command29_Click();
  for (int i = 0; i < 4; ++i) app->Timer1_Timer();
  platform.yesAnswer = true;
  bool cancel = true;
  app->Form_QueryUnload(cancel);
  EXPECT_FALSE(cancel);
  EXPECT_FALSE(app->fileOpen());
  EXPECT_FALSE(app->form3.loaded());
  EXPECT_EQ(window(), nullptr);

  const std::string written = readFile(path);
  EXPECT_EQ(crlfLines(written).size(), 2u + 5u);
  EXPECT_EQ(written, fixture("moon31.csv").substr(0, written.size()));
}

// ---- printing ------------------------------------------------------------------------

TEST_F(DataWindowTest, PrintingAsksFirstAndPrintsEveryLine) {
  platform.pdfPath = QString::fromStdString((dir / "list.pdf").string());
  // Enough full lines for more than one page.
  app->Command20_Click();
  listRun(90);

  platform.yesAnswer = false;
  click(2);  // データ印刷
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0].first, "Korvel Data を印刷しますか ?");
  EXPECT_EQ(platform.questions[0].second, "Korvel - Data -");
  EXPECT_EQ(platform.printJobs, 0);
  EXPECT_FALSE(fs::exists(dir / "list.pdf"));

  platform.yesAnswer = true;
  click(2);
  EXPECT_EQ(platform.printJobs, 1);
  EXPECT_TRUE(platform.errors.empty());
  ASSERT_TRUE(fs::exists(dir / "list.pdf"));

  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), platform.pdfPath, QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed to read the printout";
  ASSERT_EQ(pdftotext.exitCode(), 0);
  const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_GE(printed.count(QChar('\f')), 2) << "two pages or more";
  // Every word of the list, in order: the title, the heading, every line.
  const QStringList expected = words(QString::fromStdString(app->form3.Text1.text()));
  ASSERT_EQ(expected.size(), 3 + 10 + 10 * 90);
  EXPECT_EQ(words(printed).join(QLatin1Char(' ')).toStdString(), expected.join(QLatin1Char(' ')).toStdString());
}

TEST_F(DataWindowTest, WithoutAPrinterTheUserIsToldAndNothingElseHappens) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
  listRun(3);
  const std::string before = app->form3.Text1.text();
  platform.yesAnswer = true;
  click(2);
  EXPECT_EQ(platform.printJobs, 1);
  ASSERT_EQ(platform.errors.size(), 1u);
  EXPECT_NE(platform.errors[0].find("プリンタが設定されていません"), std::string::npos) << platform.errors[0];
  EXPECT_EQ(app->form3.Text1.text(), before);
  EXPECT_FALSE(app->Timer1.running());
  EXPECT_TRUE(app->form3.loaded());
}

}  // namespace
}  // namespace korvel
