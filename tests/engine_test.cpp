#include "app_fixture.h"

namespace korvel::test {

TEST_F(AppTest, StartUpFillsTheFieldsFromTheClockAndCalculates) {
  EXPECT_EQ(fields(), (Fields{"2024", "7", "5", "8", "9", "3"}));
  EXPECT_EQ(app->Text12.text(), "90");
  // 2024-07-04 23:09:03 UT plus 90 seconds.
  EXPECT_EQ(app->Text4.text(), " 2460496.46565972");
  for (const core::TextField* f : {&app->Text5, &app->Text6, &app->Text10, &app->Text11, &app->Text15, &app->Text16,
                                   &app->Text20})
    EXPECT_FALSE(f->text().empty()) << f->name();
  EXPECT_EQ(app->Text13.text(), "");
  EXPECT_EQ(app->Text14.text(), "");
  EXPECT_EQ(app->Text17.text(), "1");
  EXPECT_EQ(app->Text18.text(), "31");
  EXPECT_EQ(app->Label19.caption(), "Moondata.csv");
  EXPECT_EQ(app->st.apptitle, "Korvel  Ver 1.96");
  EXPECT_EQ(app->st.filetype, "csv");
  EXPECT_EQ(app->st.stepunit, 3);
  EXPECT_EQ(app->st.stepsize, 1);
  EXPECT_EQ(app->st.stepval, 1);
  EXPECT_EQ(app->st.interval, 100);
  EXPECT_FALSE(app->Timer1.running());
  EXPECT_TRUE(app->Check3.checked());
  EXPECT_TRUE(app->Option5.selected() && app->Option1.selected() && app->Option10.selected());
}

TEST_F(AppTest, JulianDayFollowsDeltaT) {
  app->Check3.setValue(0);
  app->Text12.setText("0");
  type(2000, 1, 1, 21, 0, 0);
  app->recalc();
  EXPECT_EQ(app->Text4.text(), " 2451545");
  EXPECT_EQ(app->st.T0, -0.000013689253935660506);
  EXPECT_EQ(app->st.T, 0.0);
  EXPECT_EQ(app->Text5.text(), " 280.377362498762");
  EXPECT_EQ(app->Text15.text(), " 0.98330973485562");

  app->Text12.setText("64");
  app->recalc();
  EXPECT_EQ(app->Text4.text(), " 2451545.00074074");

  app->Check3.setValue(1);  // its click reads the fields at once
  EXPECT_EQ(app->Text12.text(), "66");
  EXPECT_EQ(app->Text4.text(), " 2451545.00076389");
}

TEST_F(AppTest, AutomaticDeltaTFollowsTheYear) {
  app->Text1.setText("1996");
  app->recalc();
  EXPECT_EQ(app->Text12.text(), "62");
  EXPECT_EQ(app->st.deltat, 62);
  app->Text12.setText("70");  // lasts only until the fields are read again
  app->recalc();
  EXPECT_EQ(app->Text12.text(), "62");

  app->Check3.setValue(0);
  app->Text12.setText("70");
  app->recalc();
  EXPECT_EQ(app->Text12.text(), "70");
  EXPECT_EQ(app->st.deltat, 70);
}

TEST_F(AppTest, YearsTheFormulaRefusesKeepThePreviousJulianDay) {
  const std::string before = app->Text4.text();
  app->Text1.setText("1582");
  app->recalc();
  EXPECT_EQ(app->Text4.text(), before);
  app->Text1.setText("1583");
  app->recalc();
  EXPECT_NE(app->Text4.text(), before);
}

TEST_F(AppTest, MorningClockTimesBelongToThePreviousUniversalDay) {
  app->Check3.setValue(0);
  app->Text12.setText("0");
  type(2000, 1, 2, 8, 0, 0);
  app->recalc();
  EXPECT_EQ(app->Text4.text(), " 2451545.45833333");
}

TEST_F(AppTest, CalcnWritesOnlyThePhaseFields) {
  for (core::TextField* f : {&app->Text15, &app->Text16, &app->Text20, &app->Text14}) f->setText("kept");
  app->Text3.setText("20");
  const std::string sun = app->Text5.text();
  app->calcn();
  EXPECT_NE(app->Text5.text(), sun);
  for (core::TextField* f : {&app->Text15, &app->Text16, &app->Text20, &app->Text14}) EXPECT_EQ(f->text(), "kept");
}

TEST_F(AppTest, AgeIsTheDifferenceOfTheShownJulianDays) {
  app->Text14.setText(" 5.000000000000");
  app->recalc();
  EXPECT_EQ(app->Text14.text(), " 5.000000000000");  // no reference: kept
  app->Text13.setText(" 2460490");
  app->recalc();
  // The difference of the two 15-digit texts, to twelve decimals.
  EXPECT_EQ(app->Text14.text(), " 6.465659719892");
}

}  // namespace korvel::test
