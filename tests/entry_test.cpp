#include "app_fixture.h"

namespace korvel::test {

struct CarryCase {
  const char* what;
  int y, mo, d, h, mi, s;  // typed first
  int field;               // field code to assign, or 0 for an arrow button
  const char* text;        // text assigned to that field
  int arrow;               // arrow button number when field is 0
  Fields expected;
};

TEST_F(AppTest, CarryRulesKeepTheDateValid) {
  const CarryCase cases[] = {
      {"minute up at the end of a year", 2023, 12, 31, 23, 59, 0, 0, "", 10, {"2024", "1", "1", "0", "0", "0"}},
      {"day down in March of a leap year", 2024, 3, 1, 12, 0, 0, 0, "", 7, {"2024", "2", "29", "12", "0", "0"}},
      {"day down in March of a common year", 2023, 3, 1, 12, 0, 0, 0, "", 7, {"2023", "2", "28", "12", "0", "0"}},
      {"29 February into a common year", 2024, 2, 29, 0, 0, 0, 1, "2025", 0, {"2025", "3", "1", "0", "0", "0"}},
      {"29 February into a leap year", 2024, 2, 29, 0, 0, 0, 1, "2028", 0, {"2028", "2", "29", "0", "0", "0"}},
      {"1900 counts as a leap year", 2024, 2, 29, 0, 0, 0, 1, "1900", 0, {"1900", "2", "29", "0", "0", "0"}},
      {"month up from 31 January", 2024, 1, 31, 0, 0, 0, 0, "", 4, {"2024", "2", "31", "0", "0", "0"}},
      {"month down from January", 2024, 1, 15, 0, 0, 0, 0, "", 5, {"2023", "12", "15", "0", "0", "0"}},
      {"emptied day", 2024, 7, 5, 0, 0, 0, 3, "", 0, {"2024", "6", "30", "0", "0", "0"}},
      {"day 31 in a 30-day month", 2024, 6, 1, 0, 0, 0, 3, "31", 0, {"2024", "7", "1", "0", "0", "0"}},
      {"hour down at midnight", 2024, 3, 1, 0, 0, 0, 0, "", 9, {"2024", "2", "29", "23", "0", "0"}},
      {"second -1", 2024, 1, 1, 0, 0, 0, 9, "-1", 0, {"2023", "12", "31", "23", "59", "59"}},
      {"second 3600", 2024, 1, 1, 0, 0, 0, 9, "3600", 0, {"2024", "1", "1", "1", "0", "0"}},
      {"emptied hour", 2024, 1, 1, 5, 0, 0, 7, "", 0, {"2024", "1", "1", "0", "0", "0"}},
      {"hour 23.5 rounds to 24", 2024, 1, 31, 0, 0, 0, 7, "23.5", 0, {"2024", "2", "1", "0", "0", "0"}},
      {"minute 59.7 rounds to 60", 2024, 1, 1, 10, 0, 0, 8, "59.7", 0, {"2024", "1", "1", "11", "0", "0"}},
      {"month 2.5 rounds to 2", 2024, 5, 10, 0, 0, 0, 2, "2.5", 0, {"2024", "2", "10", "0", "0", "0"}},
      {"second 59.5 rounds to 60", 2024, 1, 1, 10, 0, 0, 9, "59.5", 0, {"2024", "1", "1", "10", "1", "0"}},
  };
  for (const CarryCase& c : cases) {
    SCOPED_TRACE(c.what);
    type(c.y, c.mo, c.d, c.h, c.mi, c.s);
    if (c.field)
      app->fieldOf(c.field)->setText(c.text);
    else
      app->arrowClick(c.arrow);
    EXPECT_EQ(fields(), c.expected);
  }
}

TEST_F(AppTest, ArrowButtonsRecalculateOnceTypingNever) {
  countRecalculations();
  app->Text3.setText("12");
  EXPECT_EQ(recalculations(), 0);
  app->arrowClick(6);
  EXPECT_EQ(recalculations(), 1);
  EXPECT_EQ(app->Text3.text(), "13");
  app->arrowClick(30);  // loop count: no recalculation
  EXPECT_EQ(recalculations(), 1);
}

TEST_F(AppTest, PadEntryRecalculatesOnceAfterEveryCarry) {
  type(2024, 7, 5, 8, 9, 3);
  countRecalculations();
  app->Text_DblClick(8);
  EXPECT_EQ(app->form2.caption(), "分を入力");
  EXPECT_EQ(app->form2.Text1.text(), "9");
  app->Form2_Digit('7');
  app->Form2_Digit('5');
  app->Form2_OK();
  EXPECT_EQ(fields(), (Fields{"2024", "7", "5", "9", "15", "3"}));
  EXPECT_EQ(recalculations(), 1);
  EXPECT_EQ(app->st.fieldcode, 0);
  // The one recalculation belongs to the instant the fields show.
  EXPECT_NE(app->form3.Text1.text().find("2024/07/05   09:15:03"), std::string::npos);
}

TEST_F(AppTest, DeltaTBelowOneBecomesZero) {
  app->Check3.setValue(0);
  app->Text12.setText("0.5");
  EXPECT_EQ(app->Text12.text(), "0");
  app->arrowClick(15);
  EXPECT_EQ(app->Text12.text(), "0");
  app->arrowClick(14);
  EXPECT_EQ(app->Text12.text(), "1");
}

TEST_F(AppTest, StepSizeAndLoopCountStayInRange) {
  app->arrowClick(26);
  EXPECT_EQ(app->Text17.text(), "1");
  app->Text17.setText("5000");
  EXPECT_EQ(app->Text17.text(), "3600");
  EXPECT_EQ(app->st.stepsize, 3600);
  app->arrowClick(25);
  EXPECT_EQ(app->Text17.text(), "3600");
  EXPECT_EQ(app->form7.Text1.text(), "3600");
  app->Option9.select();
  app->Text17.setText("12");
  EXPECT_EQ(app->st.stepval, -12);

  app->Text18.setText("600");
  app->arrowClick(30);
  EXPECT_EQ(app->Text18.text(), "600");
  app->Text18.setText("2");
  app->arrowClick(31);
  EXPECT_EQ(app->Text18.text(), "2");
  app->Text18.setText("-7");
  EXPECT_EQ(app->Text18.text(), "2");
}

TEST_F(AppTest, ValuesBeyondSixteenBitsAreRefused) {
  const std::string jd = app->Text4.text();
  for (const char* entry : {"99999", "-40000", "1e999"}) {
    SCOPED_TRACE(entry);
    const int beeps = platform.beeps;
    app->Text_DblClick(1);
    app->form2.Text2.setText(entry);
    app->Form2_OK();
    EXPECT_EQ(app->Text1.text(), "2024");
    EXPECT_EQ(platform.beeps, beeps + 1);
    EXPECT_EQ(app->Text4.text(), jd);
    EXPECT_EQ(app->st.fieldcode, 0);  // typing in the field later does not recalculate
  }
  app->Text3.setText("40000");
  EXPECT_EQ(app->Text3.text(), "5");
  EXPECT_EQ(fields(), (Fields{"2024", "7", "5", "8", "9", "3"}));
}

TEST_F(AppTest, YearStepFromTheTwentyNinthOfFebruary) {
  type(2000, 2, 29, 12, 0, 0);
  app->Option3.select();
  app->startContinuous();
  app->Timer1_Timer();
  EXPECT_EQ(fields(), (Fields{"2001", "3", "1", "12", "0", "0"}));
}

TEST_F(AppTest, TheClockButtonTakesThePresentMoment) {
  platform.clock = {2031, 12, 24, 23, 5, 9};
  app->Command16_Click();
  EXPECT_EQ(fields(), (Fields{"2031", "12", "24", "23", "5", "9"}));
  EXPECT_EQ(app->Text12.text(), "97");
}

}  // namespace korvel::test
