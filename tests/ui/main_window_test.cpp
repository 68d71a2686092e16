// The main window over the model: start-up, the buttons and options as a
// user presses them, the timer, the quit question and the Moon picture.
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "core/app.h"
#include "ui/main/form1.h"
#include "ui/qt_platform.h"
#include "ui/window_host.h"

namespace korvel {
namespace {

// A desktop with a fixed clock and a user who answers from a script.
class FakePlatform : public core::Platform {
 public:
  core::LocalTime clock{2024, 7, 5, 8, 9, 3};
  std::deque<bool> answers;  // Yes = true; No once the script runs out
  std::vector<std::pair<std::string, std::string>> questions;  // text, title
  int beeps = 0;
  int busy = 0;

  core::LocalTime now() override { return clock; }
  void beep() override { ++beeps; }
  void setBusy(bool on) override { busy += on ? 1 : -1; }
  bool askYesNo(const std::string& text, const std::string& title) override {
    questions.emplace_back(text, title);
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  std::optional<std::string> chooseSaveFile(const core::SaveFileRequest&) override { return std::nullopt; }
  bool printText(const std::string&, const std::string&, std::string& reason) override {
    reason = "none";
    return false;
  }
  void showError(const std::string&, const std::string&) override {}
  std::pair<int, int> screenSize() override { return {19200, 14400}; }
  void repaintField(const core::TextField&) override {}
};

// Passes every operation on and counts the Moon pictures begun: each one
// starts with the yellow disc.
class CountingSurface : public render::Surface {
 public:
  explicit CountingSurface(render::Surface& inner) : inner_(inner) {}
  int pictures = 0;

  void setFillSolid(bool solid) override { inner_.setFillSolid(solid); }
  void setFillColor(render::Rgb c) override { inner_.setFillColor(c); }
  void setLineWidth(int w) override { inner_.setLineWidth(w); }
  void ellipse(double x, double y, double r, render::Rgb outline, double aspect) override {
    if (outline == render::kYellow && aspect == 1) ++pictures;
    inner_.ellipse(x, y, r, outline, aspect);
  }
  void halfDisc(double x, double y, double r, render::Rgb outline, double s, double e) override {
    inner_.halfDisc(x, y, r, outline, s, e);
  }
  void line(double x1, double y1, double x2, double y2, render::Rgb c) override { inner_.line(x1, y1, x2, y2, c); }
  void clear() override { inner_.clear(); }
  double scaleWidth() const override { return inner_.scaleWidth(); }
  double scaleHeight() const override { return inner_.scaleHeight(); }

 private:
  render::Surface& inner_;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.onQuit = [this] { ++quits; };
    host.onMissingWindow = [this](const core::Form& f) { missing.push_back(f.name()); };
    host.start();
  }

  ui::Form1& window() { return host.mainWindow(); }
  QLineEdit* field(const char* name) { return window().findChild<QLineEdit*>(name); }
  QString text(const char* name) { return field(name)->text(); }
  QPushButton* button(int n) { return window().findChild<QPushButton*>(QStringLiteral("Command%1").arg(n)); }
  QRadioButton* option(int n) { return window().findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n)); }

  FakePlatform platform;
  core::App app{platform};
  ui::WindowHost host{app};
  int quits = 0;
  std::vector<std::string> missing;
};

const char* const kResultFields[] = {"Text4",  "Text5",  "Text6",  "Text10", "Text11",
                                     "Text13", "Text14", "Text15", "Text16", "Text20"};
const char* const kEntryFields[] = {"Text1", "Text2", "Text3", "Text7", "Text8",
                                    "Text9", "Text12", "Text17", "Text18"};

TEST_F(MainWindowTest, OpensShowingTheClockMomentWithFocusOnClose) {
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(window().windowTitle(), "Korvel");
  const std::pair<const char*, const char*> expected[] = {
      {"Text1", "2024"}, {"Text2", "7"},    {"Text3", "5"},  {"Text7", "8"},
      {"Text8", "9"},    {"Text9", "3"},    {"Text12", "90"}, {"Text4", " 2460496.46565972"},
      {"Text17", "1"},   {"Text18", "31"},  {"Text13", ""},   {"Text14", ""},
  };
  for (const auto& [name, value] : expected) EXPECT_EQ(text(name), QString::fromUtf8(value)) << name;
  for (const char* name : {"Text5", "Text6", "Text10", "Text11", "Text15", "Text16", "Text20"})
    EXPECT_FALSE(text(name).isEmpty()) << name;
  EXPECT_EQ(window().findChild<QLabel*>("Label19")->text(), "Moondata.csv");
  EXPECT_EQ(window().focusWidget(), button(22));
  EXPECT_FALSE(window().timer()->isActive());
}

TEST_F(MainWindowTest, WindowHasAFixedSizeAndNoMaximiseButton) {
  EXPECT_EQ(window().size(), QSize(546, 433));
  EXPECT_EQ(window().minimumSize(), window().maximumSize());
  const Qt::WindowFlags flags = window().windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST_F(MainWindowTest, ResultFieldsAreReadOnlyBlueWithTheArrowPointer) {
  for (const char* name : kResultFields) {
    QLineEdit* f = field(name);
    EXPECT_TRUE(f->isReadOnly()) << name;
    EXPECT_EQ(f->cursor().shape(), Qt::ArrowCursor) << name;
    const QColor expected = QString(name) == "Text13" ? QColor(255, 0, 0) : QColor(0, 0, 255);
    EXPECT_EQ(f->palette().color(QPalette::Text), expected) << name;
  }
  for (const char* name : kEntryFields) EXPECT_FALSE(field(name)->isReadOnly()) << name;
}

TEST_F(MainWindowTest, DayArrowRecalculatesOnce) {
  CountingSurface counter(*app.mainSurface);
  app.mainSurface = &counter;
  button(6)->click();
  app.mainSurface = &window().surface();
  EXPECT_EQ(counter.pictures, 1);
  EXPECT_EQ(text("Text3"), "6");
  EXPECT_EQ(text("Text4"), " 2460497.46565972");
}

TEST_F(MainWindowTest, TypingRunsTheFieldRuleWithoutRecalculating) {
  QLineEdit* day = field("Text3");
  day->setFocus();
  day->selectAll();
  QTest::keyClicks(day, "32");
  EXPECT_EQ(text("Text3"), "1");
  EXPECT_EQ(text("Text2"), "8");
  EXPECT_EQ(app.Text3.text(), "1");
  EXPECT_EQ(text("Text4"), " 2460496.46565972");

  // A double-click names the field for the ten-key pad.
  QTest::mouseDClick(field("Text8"), Qt::LeftButton);
  EXPECT_EQ(app.st.fieldcode, 8);
}

TEST_F(MainWindowTest, ReferenceShowsThirteenDecimalsUntilTheNextCalculation) {
  button(20)->click();
  EXPECT_EQ(text("Text13"), text("Text4"));
  EXPECT_EQ(text("Text14"), " 0.0000000000000");
  button(1)->click();
  EXPECT_EQ(text("Text14"), " 0.000000000000");
}

TEST_F(MainWindowTest, ClearEmptiesTheResultsAndKeepsReferenceAndAge) {
  button(20)->click();
  const QString reference = text("Text13");
  button(17)->click();
  for (const char* name : {"Text4", "Text5", "Text6", "Text10", "Text11", "Text15", "Text16", "Text20"})
    EXPECT_TRUE(text(name).isEmpty()) << name;
  EXPECT_EQ(text("Text13"), reference);
  EXPECT_EQ(text("Text14"), " 0.0000000000000");
}

TEST_F(MainWindowTest, TheThreeOptionGroupsAreIndependent) {
  option(6)->click();  // 時
  EXPECT_TRUE(option(6)->isChecked());
  EXPECT_FALSE(option(5)->isChecked());
  EXPECT_TRUE(option(1)->isChecked());
  EXPECT_TRUE(option(10)->isChecked());
  EXPECT_EQ(app.st.stepunit, 7);

  option(2)->click();  // 通常
  // The keyboard selects too: an arrow key moves within a frame.
  window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
  option(10)->setFocus();
  QTest::keyClick(option(10), Qt::Key_Down);  // 過去
  EXPECT_FALSE(option(1)->isChecked());
  EXPECT_FALSE(option(10)->isChecked());
  EXPECT_TRUE(option(6)->isChecked());
  EXPECT_EQ(app.st.stepval, -1);
  for (int n = 1; n <= 10; ++n) {
    const core::OptionButton* model[] = {nullptr,      &app.Option1, &app.Option2, &app.Option3,
                                         &app.Option4, &app.Option5, &app.Option6, &app.Option7,
                                         &app.Option8, &app.Option9, &app.Option10};
    EXPECT_EQ(option(n)->isChecked(), model[n]->selected()) << "Option" << n;
  }
}

TEST_F(MainWindowTest, ContinuousCalculationTicksAtTheChosenSpeed) {
  QTimer* timer = window().timer();
  button(19)->click();  // 連続推算 with 日, 未来, 高速
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 100);

  QSignalSpy ticks(timer, &QTimer::timeout);
  ASSERT_TRUE(ticks.wait(2000));
  EXPECT_EQ(text("Text3"), "6");

  option(2)->click();  // 通常, while running: at once
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 1000);

  button(18)->click();  // STOP
  EXPECT_FALSE(timer->isActive());
  option(1)->click();  // a speed while stopped starts nothing
  EXPECT_FALSE(timer->isActive());
}

TEST_F(MainWindowTest, QuitQuestionNoKeepsRunningYesEnds) {
  button(19)->click();
  platform.answers = {false};
  EXPECT_FALSE(window().close());
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0].first, "Ｋｏｒｖｅｌ を終了しますか ?");
  EXPECT_EQ(platform.questions[0].second, "Korvel  Ver 1.96");
  EXPECT_TRUE(window().isVisible());
  EXPECT_TRUE(window().timer()->isActive());
  EXPECT_EQ(quits, 0);

  // "閉じる", here through Escape, asks the same question.
  platform.answers = {true};
  window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
  QTest::keyClick(&window(), Qt::Key_Escape);
  EXPECT_EQ(platform.questions.size(), 2u);
  EXPECT_FALSE(window().isVisible());
  EXPECT_FALSE(window().timer()->isActive());
  EXPECT_EQ(quits, 1);
}

// The program's own end: a Yes ends the event loop at once, with one
// question, while a calculation runs; it does not wait for the window
// system to find the last window closed, nor ask the windows again.
TEST(ProgramEndTest, YesEndsTheEventLoopAfterOneQuestion) {
  FakePlatform platform;
  core::App app(platform);
  ui::WindowHost host(app);  // its own way of ending the program
  host.start();
  host.mainWindow().findChild<QPushButton*>("Command19")->click();
  platform.answers = {true};

  const bool lastWindowQuits = QGuiApplication::quitOnLastWindowClosed();
  QGuiApplication::setQuitOnLastWindowClosed(false);
  QTimer::singleShot(0, &host.mainWindow(), [&] { host.mainWindow().close(); });
  // Only a guard against hanging the test run: an end that did not come.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
  guard.start(20000);
  const int code = QApplication::exec();
  QGuiApplication::setQuitOnLastWindowClosed(lastWindowQuits);

  EXPECT_EQ(code, 0);
  EXPECT_EQ(platform.questions.size(), 1u);
  EXPECT_FALSE(host.mainWindow().isVisible());
}

TEST_F(MainWindowTest, WindowsOfLaterVersionsAreAnnouncedNotFaked) {
  button(23)->click();  // ﾃﾞｰﾀﾌｫｰﾑ表示
  button(32)->click();  // 月相拡大
  QCoreApplication::processEvents();
  EXPECT_EQ(missing, (std::vector<std::string>{"Form3", "Form5"}));
  EXPECT_FALSE(app.form3.visible());
  EXPECT_FALSE(app.form5.visible());
  int windows = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) windows += w->isVisible() ? 1 : 0;
  EXPECT_EQ(windows, 1);
}

// The Moon picture, judged by the colours where the lit part must or must
// not be: at the centre and at 0.85 of the radius left and right of it.
TEST_F(MainWindowTest, DrawsTheLitPartOfTheMoon) {
  enum Colour { kYellow, kBlack };
  struct Case {
    const char* phase;
    const char* fraction;
    Colour left, centre, right;
  };
  const Case cases[] = {
      {"", "", kBlack, kBlack, kBlack},                                      // before any result: new moon
      {" 45.000000000000", " 0.146446609407", kBlack, kBlack, kYellow},      // waxing crescent
      {" 135.000000000000", " 0.853553390593", kBlack, kYellow, kYellow},    // waxing gibbous
      {" 180.000000000000", " 1.000000000000", kYellow, kYellow, kYellow},   // full
      {" 315.000000000000", " 0.146446609407", kYellow, kBlack, kBlack},     // waning crescent
      {" 360.000000000000", " 0.000000000000", kBlack, kBlack, kBlack},      // new moon
  };
  // Centre and radius in pixels: (W/2 + 2100, H/2 - 200) and H/6 - 700 twips.
  const double cx = (8184 / 2 + 2100) / 15.0;
  const double cy = (6492 / 2 - 200) / 15.0;
  const double r = (1082 - 700) / 15.0;
  for (const Case& c : cases) {
    app.Text10.setText(c.phase);
    app.Text11.setText(c.fraction);
    const QImage image = window().grab().toImage();
    const double dpr = image.devicePixelRatio();
    auto at = [&](double x) { return QColor(image.pixel(int(x * dpr), int(cy * dpr))); };
    auto name = [](Colour k) { return k == kYellow ? QColor(255, 255, 0) : QColor(0, 0, 0); };
    SCOPED_TRACE(std::string("phase ") + c.phase);
    EXPECT_EQ(at(cx - 0.85 * r), name(c.left));
    EXPECT_EQ(at(cx), name(c.centre));
    EXPECT_EQ(at(cx + 0.85 * r), name(c.right));
    const QColor outside = at(cx + 1.3 * r);
    EXPECT_NE(outside, QColor(255, 255, 0));
    EXPECT_NE(outside, QColor(0, 0, 0));
  }
}

// The real desktop services: the busy pointer and the live repaints while
// "新月検索" holds the event loop.
class PaintWatch : public QObject {
 public:
  int fieldPaints = 0;
  int moonPaints = 0;
  bool busyWhilePainting = true;
  QWidget* field = nullptr;
  QRect moon;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const QCursor* pointer = QApplication::overrideCursor();
      busyWhilePainting = busyWhilePainting && pointer && pointer->shape() == Qt::WaitCursor;
      if (watched == field)
        ++fieldPaints;
      else if (static_cast<QPaintEvent*>(event)->rect().intersects(moon))
        ++moonPaints;
    }
    return false;
  }
};

TEST(QtPlatformTest, NewMoonSearchRepaintsFieldsAndMoonWhileItRuns) {
  ui::QtPlatform platform;
  core::App app(platform);
  ui::WindowHost host(app);
  host.start();
  ui::Form1& window = host.mainWindow();
  const char* entered[] = {"2000", "1", "1", "12", "0", "0"};
  core::TextField* fields[] = {&app.Text1, &app.Text2, &app.Text3, &app.Text7, &app.Text8, &app.Text9};
  for (int i = 0; i < 6; ++i) fields[i]->setText(entered[i]);
  window.findChild<QPushButton*>("Command1")->click();
  QCoreApplication::processEvents();

  PaintWatch watch;
  watch.field = window.findChild<QLineEdit*>("Text3");
  watch.moon = QRect(387, 177, 52, 52);
  watch.field->installEventFilter(&watch);
  window.installEventFilter(&watch);
  window.findChild<QPushButton*>("Command35")->click();
  window.removeEventFilter(&watch);
  watch.field->removeEventFilter(&watch);

  EXPECT_GT(watch.fieldPaints, 0);
  EXPECT_GT(watch.moonPaints, 0);
  EXPECT_TRUE(watch.busyWhilePainting);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // The window shows where the search stopped: the new moon of 1999-12-08.
  EXPECT_EQ(window.findChild<QLineEdit*>("Text11")->text(), " 0.000000000000");
  EXPECT_EQ(window.findChild<QLineEdit*>("Text1")->text(), "1999");
  for (core::TextField* f : fields)
    EXPECT_EQ(window.findChild<QLineEdit*>(QString::fromStdString(f->name()))->text().toStdString(), f->text());
}

// The pads and the moon-face and orbit windows stay above all others; a
// question, message or save dialog that the user must answer stays above
// them, not hidden under them.
TEST(QtPlatformTest, DialogsStayAboveTheOnTopWindows) {
  ui::QtPlatform platform;
  bool onTop = false;
  bool seen = false;
  // Notes the dialog on the screen and dismisses it.
  auto dismissNext = [&] {
    seen = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      seen = true;
      onTop = dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      dialog->reject();
    });
  };

  dismissNext();
  EXPECT_FALSE(platform.askYesNo("Ｋｏｒｖｅｌ を終了しますか ?", "Korvel  Ver 1.96"));
  EXPECT_TRUE(seen && onTop) << "question";

  dismissNext();
  platform.showError("印刷できませんでした。", "Korvel - Data -");
  EXPECT_TRUE(seen && onTop) << "message";

  dismissNext();
  core::SaveFileRequest request;
  request.title = "Korvel - File Output -";
  request.initialName = "Moondata";
  request.filters = {{"Csv ﾌｧｲﾙ (*.csv)", "*.csv"}};
  EXPECT_EQ(platform.chooseSaveFile(request), std::nullopt);
  EXPECT_TRUE(seen && onTop) << "save dialog";
}

TEST(QtPlatformTest, BusyPointerNestsAndScreenSizeIsInTwips) {
  ui::QtPlatform platform;
  platform.setBusy(true);
  platform.setBusy(true);
  platform.setBusy(false);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  platform.setBusy(false);
  platform.setBusy(false);  // one too many changes nothing
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(platform.screenSize(), std::make_pair(screen.width() * 15, screen.height() * 15));
}

}  // namespace
}  // namespace korvel
