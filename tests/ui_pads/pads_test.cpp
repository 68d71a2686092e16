// The ten-key pad and the time pad over the model, pressed as a user
// presses them: with the mouse and with the keyboard.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/app.h"
#include "../app_fixture.h"
#include "ui/pads/pads.h"

namespace korvel {
namespace {

using core::App;
using core::HeadlessPlatform;
using core::LocalTime;
using test::Fields;

constexpr int kTwips = 15;

QWidget* topLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String(name)) return w;
  return nullptr;
}

template <class T>
T* child(QWidget* window, const char* name) {
  T* found = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
  EXPECT_NE(found, nullptr) << name;
  return found;
}

// Activation and focus arrive as window-system events.
void settle() { QCoreApplication::processEvents(); }

// Windows closed by their frame are deleted on the next turn of the loop.
void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// A started program with both pads attached and a stand-in main window
// whose frame lies at (200, 150) pixels.
class PadsTest : public ::testing::Test {
 protected:
  HeadlessPlatform platform;
  std::unique_ptr<App> app;
  std::unique_ptr<QWidget> main;

  void SetUp() override {
    platform.clock = {2024, 7, 5, 8, 9, 3};
    app = std::make_unique<App>(platform);
    main = std::make_unique<QWidget>();
    main->setObjectName(QStringLiteral("Form1"));
    main->resize(546, 433);
    main->move(200, 150);
    main->show();
    ui::attachTenKeyPad(*app, main.get());
    ui::attachTimePad(*app);
    app->Form_Load();
    app->form1.geometryFromView({200 * kTwips, 150 * kTwips, 546 * kTwips, 433 * kTwips});
  }

  void TearDown() override {
    app.reset();
    main.reset();
    flushDeletes();
    EXPECT_EQ(topLevel("Form2"), nullptr);
    EXPECT_EQ(topLevel("Form7"), nullptr);
  }

  void type(const Fields& f) {
    core::TextField* fields[] = {&app->Text1, &app->Text2, &app->Text3, &app->Text7, &app->Text8, &app->Text9};
    for (std::size_t i = 0; i < f.size(); ++i) fields[i]->setText(f[i]);
  }

  Fields fields() const { return test::fieldsOf(*app); }
  void countRecalculations() { test::countRecalculations(*app); }
  int recalculations() const { return app->st.listcount; }

  QWidget* tenKey() { return topLevel("Form2"); }
  QWidget* timePad() { return topLevel("Form7"); }

  void press(QWidget* window, const char* caption) {
    for (QPushButton* b : window->findChildren<QPushButton*>())
      if (b->text() == QString::fromUtf8(caption)) {
        QTest::mouseClick(b, Qt::LeftButton);
        return;
      }
    ADD_FAILURE() << "no key " << caption;
  }

  static QRgb pixel(QWidget* window, QPoint at) { return window->grab().toImage().pixel(at); }
};

// ---- ten-key pad ---------------------------------------------------------------

TEST_F(PadsTest, TenKeyOpensBelowTheDayFieldWithItsValueAndAnEmptyEntry) {
  app->Text3.setText("17");
  ui::openTenKeyPad(*app, 3);
  settle();

  QWidget* pad = tenKey();
  ASSERT_NE(pad, nullptr);
  EXPECT_TRUE(pad->isVisible());
  EXPECT_TRUE(app->form2.visible());
  EXPECT_EQ(pad->windowTitle(), QStringLiteral("日を入力"));
  EXPECT_EQ(child<QLineEdit>(pad, "Text1")->text(), QStringLiteral("17"));
  EXPECT_EQ(child<QLineEdit>(pad, "Text2")->text(), QString());
  EXPECT_EQ(app->st.fieldcode, 3);
  // Frame left = main frame left + field left; top = main top + field top
  // + twice the field's height: just below the field (240, 288 twips high).
  EXPECT_EQ(pad->frameGeometry().topLeft(), QPoint((3000 + 3360) / kTwips, (2250 + 240 + 2 * 288) / kTwips));
  EXPECT_EQ(app->form2.geometry().left, 3000 + 3360);
  EXPECT_GE(pad->frameGeometry().top(), main->geometry().top() + (240 + 288) / kTwips);
  EXPECT_TRUE(pad->isActiveWindow());
}

TEST_F(PadsTest, TenKeyDigitsAndOkWriteTheDayRecalculateOnceAndGiveTheMainWindowBack) {
  app->Text3.setText("17");
  countRecalculations();
  ui::openTenKeyPad(*app, 3);
  QWidget* pad = tenKey();
  ASSERT_NE(pad, nullptr);

  press(pad, "2");
  press(pad, "5");
  EXPECT_EQ(child<QLineEdit>(pad, "Text2")->text(), QStringLiteral("25"));
  EXPECT_EQ(recalculations(), 0);
  press(pad, "OK");
  settle();

  EXPECT_EQ(fields(), (Fields{"2024", "7", "25", "8", "9", "3"}));
  EXPECT_EQ(recalculations(), 1);
  EXPECT_EQ(app->st.fieldcode, 0);
  EXPECT_FALSE(pad->isVisible());
  EXPECT_TRUE(app->form2.loaded());  // hidden, not destroyed
  EXPECT_TRUE(main->isActiveWindow());
}

// What "OK" does to the field the pad was opened for.
TEST_F(PadsTest, TenKeyEntriesReachTheFieldThroughItsRule) {
  struct Case {
    const char* what;
    int code;
    std::vector<const char*> keys;
    Fields after;
    const char* step;  // Text17 after
    const char* loop;  // Text18 after
    int recalcs;
    int beeps;
  };
  const Case cases[] = {
      {"empty day: last day of the previous month", 3, {"OK"}, {"2024", "6", "30", "8", "9", "3"}, "1", "600", 1, 0},
      {"minute 75 carries into the hour", 8, {"7", "5", "OK"}, {"2024", "7", "5", "9", "15", "3"}, "1", "600", 1, 0},
      {"year 99999 is refused", 1, {"9", "9", "9", "9", "9", "OK"}, {"2024", "7", "5", "8", "9", "3"}, "1", "600", 0,
       1},
      {"AC, then OK: an empty hour is 0", 7, {"1", "AC", "OK"}, {"2024", "7", "5", "0", "9", "3"}, "1", "600", 1, 0},
      {"step size 0 is clamped to 1", 17, {"0", "OK"}, {"2024", "7", "5", "8", "9", "3"}, "1", "600", 0, 0},
      {"step size 5000 is clamped to 3600", 17, {"5", "0", "0", "0", "OK"}, {"2024", "7", "5", "8", "9", "3"},
       "3600", "600", 0, 0},
      {"loop count 700 is clamped to 600", 18, {"7", "0", "0", "OK"}, {"2024", "7", "5", "8", "9", "3"}, "1", "600", 0,
       0},
      {"loop count 1 is raised to 2", 18, {"1", "OK"}, {"2024", "7", "5", "8", "9", "3"}, "1", "2", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    type({"2024", "7", "5", "8", "9", "3"});
    app->Text17.setText("1");
    countRecalculations();
    const int beeps = platform.beeps;
    ui::openTenKeyPad(*app, c.code);
    QWidget* pad = tenKey();
    ASSERT_NE(pad, nullptr);
    for (const char* key : c.keys) press(pad, key);

    EXPECT_EQ(fields(), c.after);
    EXPECT_EQ(app->Text17.text(), c.step);
    EXPECT_EQ(app->Text18.text(), c.loop);
    EXPECT_EQ(recalculations(), c.recalcs);
    EXPECT_EQ(platform.beeps - beeps, c.beeps);
    EXPECT_FALSE(pad->isVisible());
    // The one recalculation belongs to the instant the fields show.
    if (c.recalcs == 1) {
      const std::string jd = app->Text4.text();
      app->recalc();
      EXPECT_EQ(app->Text4.text(), jd);
    }
  }
}

TEST_F(PadsTest, TenKeyBackspaceOnAnEmptyEntryDoesNothing) {
  ui::openTenKeyPad(*app, 9);
  QWidget* pad = tenKey();
  ASSERT_NE(pad, nullptr);
  auto* entry = child<QLineEdit>(pad, "Text2");

  press(pad, "BS");
  EXPECT_EQ(entry->text(), QString());
  EXPECT_EQ(app->form2.Text2.text(), "");
  press(pad, "4");
  press(pad, "2");
  press(pad, "BS");
  EXPECT_EQ(entry->text(), QStringLiteral("4"));
  EXPECT_EQ(app->form2.Text2.text(), "4");
  EXPECT_TRUE(pad->isVisible());
}

TEST_F(PadsTest, TenKeyPadsOfStepSizeAndLoopCountOpenAboveTheirFieldsAndDoNotRecalculate) {
  struct Case {
    int code;
    const char* caption;
    int fieldLeft;  // in the main window's client area, twips
    int fieldTop;
  };
  const Case cases[] = {{17, "変化分を入力", 120 + 2400, 3840 + 600}, {18, "ループを入力", 3480, 5400}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    countRecalculations();
    ui::openTenKeyPad(*app, c.code);
    QWidget* pad = tenKey();
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(pad->frameGeometry().left(), (3000 + c.fieldLeft) / kTwips);
    // Wholly above the field as it lies on the screen.
    EXPECT_LE(pad->frameGeometry().bottom() + 1, main->geometry().top() + c.fieldTop / kTwips);
    EXPECT_GT(pad->frameGeometry().bottom() + 1, main->geometry().top() + c.fieldTop / kTwips - 20);

    press(pad, "9");
    press(pad, "OK");
    EXPECT_EQ(recalculations(), 0);
    EXPECT_EQ(app->st.fieldcode, c.code);  // never consumed by these fields
  }
}

TEST_F(PadsTest, TenKeyTakesTheKeyboard) {
  app->Text3.setText("17");
  countRecalculations();
  ui::openTenKeyPad(*app, 3);
  QWidget* pad = tenKey();
  ASSERT_NE(pad, nullptr);
  settle();
  auto* entry = child<QLineEdit>(pad, "Text2");
  EXPECT_TRUE(entry->hasFocus());

  // Into the entry line, with Backspace as "BS".
  QTest::keyClicks(entry, "37");
  QTest::keyClick(entry, Qt::Key_Backspace);
  QTest::keyClick(entry, Qt::Key_2, Qt::KeypadModifier);
  EXPECT_EQ(app->form2.Text2.text(), "32");
  // Digits and Backspace reach the entry from the keys too.
  auto* seven = child<QPushButton>(pad, "Command7");
  QTest::keyClick(seven, Qt::Key_8);
  EXPECT_EQ(app->form2.Text2.text(), "328");
  QTest::keyClick(seven, Qt::Key_Backspace);
  EXPECT_EQ(app->form2.Text2.text(), "32");
  EXPECT_EQ(entry->text(), QStringLiteral("32"));

  // Enter is "OK", once: day 32 of July is 1 August, not 1 September.
  QTest::keyClick(entry, Qt::Key_Return);
  EXPECT_EQ(fields(), (Fields{"2024", "8", "1", "8", "9", "3"}));
  EXPECT_EQ(recalculations(), 1);
  EXPECT_FALSE(pad->isVisible());
}

TEST_F(PadsTest, TenKeyClosedByEscapeOrCloseBoxWritesNothing) {
  struct Case {
    const char* what;
    bool escape;
  };
  for (const Case c : {Case{"Escape", true}, Case{"close box", false}}) {
    SCOPED_TRACE(c.what);
    app->Text3.setText("17");
    countRecalculations();
    ui::openTenKeyPad(*app, 3);
    QWidget* pad = tenKey();
    ASSERT_NE(pad, nullptr);
    press(pad, "5");
    if (c.escape)
      QTest::keyClick(child<QLineEdit>(pad, "Text2"), Qt::Key_Escape);
    else
      pad->close();

    EXPECT_FALSE(app->form2.loaded());
    EXPECT_EQ(app->Text3.text(), "17");
    EXPECT_EQ(recalculations(), 0);
    EXPECT_EQ(app->st.fieldcode, 3);
    flushDeletes();
    EXPECT_EQ(tenKey(), nullptr);
  }

  // The next double-click makes a new pad, with an empty entry.
  ui::openTenKeyPad(*app, 1);
  QWidget* pad = tenKey();
  ASSERT_NE(pad, nullptr);
  EXPECT_TRUE(pad->isVisible());
  EXPECT_EQ(pad->windowTitle(), QStringLiteral("年を入力"));
  EXPECT_EQ(child<QLineEdit>(pad, "Text1")->text(), QStringLiteral("2024"));
  EXPECT_EQ(child<QLineEdit>(pad, "Text2")->text(), QString());
}

// ---- time pad --------------------------------------------------------------------

TEST_F(PadsTest, TimePadArrowsStepTheFieldsWithCarriesAndOneRecalculation) {
  struct Case {
    Fields before;
    const char* button;
    Fields after;
  };
  const Case cases[] = {
      {{"2024", "1", "31", "12", "0", "0"}, "Command5", {"2024", "2", "1", "12", "0", "0"}},     // day ▲
      {{"2024", "3", "1", "0", "10", "0"}, "Command8", {"2024", "2", "29", "23", "10", "0"}},    // hour ▼
      {{"2024", "12", "31", "23", "59", "59"}, "Command11", {"2025", "1", "1", "0", "0", "0"}},  // second ▲
      {{"2024", "2", "29", "1", "2", "3"}, "Command1", {"2025", "3", "1", "1", "2", "3"}},       // year ▲
      {{"2024", "1", "5", "1", "0", "3"}, "Command10", {"2024", "1", "5", "0", "59", "3"}},      // minute ▼
  };
  app->remote_Command3_Click();
  QWidget* pad = timePad();
  ASSERT_NE(pad, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    type(c.before);
    countRecalculations();
    QTest::mouseClick(child<QPushButton>(pad, c.button), Qt::LeftButton);
    EXPECT_EQ(fields(), c.after);
    EXPECT_EQ(recalculations(), 1);
    EXPECT_EQ(app->st.fieldcode, 0);
  }
}

TEST_F(PadsTest, TimePadUnitLabelHighlightsTheUnitTheNextTickSteps) {
  app->remote_Command3_Click();
  QWidget* pad = timePad();
  ASSERT_NE(pad, nullptr);
  EXPECT_TRUE(pad->isVisible());
  const QRgb face = pad->palette().color(QPalette::Window).rgb();
  auto markOf = [&](const char* name) {
    const QRect r = child<QLabel>(pad, name)->geometry();
    return pixel(pad, QPoint(r.center().x(), r.top() + 1));
  };
  EXPECT_EQ(markOf("Label3"), qRgb(255, 255, 128));  // day, as at start-up
  EXPECT_EQ(markOf("Label4"), face);

  QTest::mouseClick(child<QLabel>(pad, "Label4"), Qt::LeftButton);
  EXPECT_TRUE(app->Option6.selected());
  EXPECT_EQ(app->st.stepunit, 7);
  EXPECT_EQ(markOf("Label4"), qRgb(255, 255, 128));
  for (const char* other : {"Label1", "Label2", "Label3", "Label5", "Label6"}) EXPECT_EQ(markOf(other), face) << other;

  type({"2024", "7", "5", "23", "30", "0"});
  QTest::mouseClick(child<QPushButton>(pad, "Command14"), Qt::LeftButton);  // ◆ while stopped
  EXPECT_EQ(app->Timer1.interval(), 100);
  app->Timer1_Timer();
  EXPECT_EQ(fields(), (Fields{"2024", "7", "6", "0", "30", "0"}));
  QTest::mouseClick(child<QPushButton>(pad, "Command14"), Qt::LeftButton);  // ◆ while running: reverse
  EXPECT_TRUE(app->Option9.selected());
  app->Timer1_Timer();
  EXPECT_EQ(fields(), (Fields{"2024", "7", "5", "23", "30", "0"}));
  QTest::mouseClick(child<QPushButton>(pad, "Command15"), Qt::LeftButton);  // ■
  EXPECT_EQ(app->Timer1.interval(), 0);
}

TEST_F(PadsTest, TimePadStepSizeStaysWithinOneTo3600) {
  struct Case {
    const char* before;
    const char* button;
    const char* after;
  };
  const Case cases[] = {
      {"1", "Command17", "1"}, {"3600", "Command16", "3600"}, {"5", "Command16", "6"}, {"5", "Command17", "4"}};
  app->remote_Command3_Click();
  QWidget* pad = timePad();
  ASSERT_NE(pad, nullptr);
  auto* shown = child<QLineEdit>(pad, "Text1");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " " + c.button);
    app->Text17.setText(c.before);
    EXPECT_EQ(shown->text(), QString::fromUtf8(c.before));
    QTest::mouseClick(child<QPushButton>(pad, c.button), Qt::LeftButton);
    EXPECT_EQ(app->Text17.text(), c.after);
    EXPECT_EQ(shown->text(), QString::fromUtf8(c.after));
    EXPECT_EQ(app->st.stepsize, std::stoi(c.after));
  }
}

TEST_F(PadsTest, TimePadNowRecalculatesOnlyWhenTheSecondChanges) {
  struct Case {
    const char* what;
    LocalTime clock;
    Fields after;
    int recalcs;
    int fieldcode;
  };
  const Case cases[] = {
      {"same instant", {2024, 7, 5, 8, 9, 3}, {"2024", "7", "5", "8", "9", "3"}, 0, 9},
      {"new minute, same second", {2024, 7, 5, 8, 10, 3}, {"2024", "7", "5", "8", "10", "3"}, 0, 9},
      {"new second", {2024, 7, 5, 8, 9, 4}, {"2024", "7", "5", "8", "9", "4"}, 1, 0},
  };
  app->remote_Command3_Click();
  QWidget* pad = timePad();
  ASSERT_NE(pad, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    type({"2024", "7", "5", "8", "9", "3"});
    app->st.fieldcode = 0;
    countRecalculations();
    platform.clock = c.clock;
    QTest::mouseClick(child<QPushButton>(pad, "Command13"), Qt::LeftButton);
    EXPECT_EQ(fields(), c.after);
    EXPECT_EQ(recalculations(), c.recalcs);
    EXPECT_EQ(app->st.fieldcode, c.fieldcode);
  }
}

TEST_F(PadsTest, TimePadClosedAtANewPlaceReopensThereWithItsSize) {
  EXPECT_NE(timePad(), nullptr);  // made hidden at start-up
  EXPECT_FALSE(timePad()->isVisible());
  app->remote_Command3_Click();
  QWidget* pad = timePad();
  ASSERT_NE(pad, nullptr);
  ASSERT_TRUE(pad->isVisible());
  EXPECT_TRUE(pad->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(pad->windowTitle(), QStringLiteral("TimePad"));
  pad->move(333, 222);
  const QSize size = pad->frameGeometry().size();
  pad->close();

  EXPECT_FALSE(app->form7.loaded());
  EXPECT_EQ(app->st.padleft, 333 * kTwips);
  EXPECT_EQ(app->st.padtop, 222 * kTwips);
  EXPECT_EQ(app->st.padwidth, size.width() * kTwips);
  EXPECT_EQ(app->st.padheight, size.height() * kTwips);
  flushDeletes();
  EXPECT_EQ(timePad(), nullptr);

  // A unit chosen in the main window brings it back, hidden and marked.
  app->Option8.select();
  pad = timePad();
  ASSERT_NE(pad, nullptr);
  EXPECT_FALSE(pad->isVisible());
  EXPECT_TRUE(child<QLabel>(pad, "Label6")->autoFillBackground());
  EXPECT_EQ(child<QLineEdit>(pad, "Text1")->text(), QStringLiteral("1"));

  app->remote_Command3_Click();  // "T"
  ASSERT_TRUE(pad->isVisible());
  EXPECT_EQ(pad->frameGeometry().topLeft(), QPoint(333, 222));
  EXPECT_EQ(pad->frameGeometry().size(), size);
}

TEST_F(PadsTest, ShutDownClosesBothPads) {
  ui::openTenKeyPad(*app, 2);
  app->remote_Command3_Click();
  ASSERT_TRUE(tenKey()->isVisible());
  ASSERT_TRUE(timePad()->isVisible());
  bool cancel = false;
  app->Form_QueryUnload(cancel);  // answered No: the program goes on
  EXPECT_TRUE(cancel);
  EXPECT_FALSE(app->form2.loaded());
  EXPECT_FALSE(app->form7.loaded());
  flushDeletes();
  EXPECT_EQ(tenKey(), nullptr);
  EXPECT_EQ(timePad(), nullptr);
}

}  // namespace
}  // namespace korvel
