#include "app_fixture.h"

namespace korvel::test {

namespace {

std::string stopOf(const App& a) {
  if (!a.searchStop) return "none";
  const LocalTime& t = *a.searchStop;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return buf;
}

}  // namespace

TEST_F(AppTest, AgeSearchFindsTheLastNewMoonAndPutsTheInstantBack) {
  startAt({2000, 1, 1, 12, 0, 0});
  const int beeps = platform.beeps;
  app->agecalc();
  EXPECT_EQ(app->Text13.text(), " 2451520.44015046");
  EXPECT_EQ(app->Text14.text(), " 24.185613429639");
  EXPECT_EQ(fields(), (Fields{"2000", "1", "1", "12", "0", "0"}));
  EXPECT_EQ(app->Text12.text(), "66");
  // While the fields stand in 1999 the automatic Delta-T is 65 seconds.
  EXPECT_EQ(stopOf(*app), "1999-12-08 07:32:44");
  EXPECT_EQ(platform.beeps, beeps + 1);
}

TEST_F(AppTest, AgeSearchWithAFixedDeltaT) {
  startAt({2000, 1, 1, 12, 0, 0});
  app->Check3.setValue(0);
  app->Text12.setText("66");
  app->recalc();
  app->agecalc();
  EXPECT_EQ(stopOf(*app), "1999-12-08 07:32:43");
  EXPECT_EQ(app->Text13.text(), " 2451520.44015046");
  EXPECT_EQ(app->Text14.text(), " 24.185613429639");
}

TEST_F(AppTest, AgeAroundANewMoon) {
  startAt({1999, 12, 8, 20, 0, 0});  // half a day after it
  app->agecalc();
  EXPECT_EQ(stopOf(*app).substr(0, 13), "1999-12-08 07");
  EXPECT_GT(app->Text14.value(), 0);
  EXPECT_LT(app->Text14.value(), 1);

  startAt({1999, 12, 8, 4, 0, 0});  // a few hours before it: the previous one
  app->agecalc();
  EXPECT_EQ(stopOf(*app).substr(0, 10), "1999-11-08");
  EXPECT_NEAR(app->Text14.value(), 29.5, 0.5);
}

TEST_F(AppTest, AgeSearchWithoutAFractionOnlyBeeps) {
  app->Text13.setText(" 2460490");
  app->Command17_Click();
  const int beeps = platform.beeps;
  app->agecalc();
  EXPECT_EQ(platform.beeps, beeps + 1);
  EXPECT_EQ(app->Text13.text(), " 2460490");
  EXPECT_EQ(app->Text4.text(), "");
  EXPECT_EQ(stopOf(*app), "none");
}

TEST_F(AppTest, SearchStopsWhereNoWholeSecondReadsZero) {
  // Near perigee the fraction of two neighbouring seconds can both read
  // 0.000000000001: the search ends at the smaller one.
  startAt({1959, 12, 31, 0, 0, 0});
  app->agecalc();
  EXPECT_EQ(stopOf(*app), "1959-12-30 04:09:35");
  EXPECT_FALSE(app->Text13.text().empty());
  EXPECT_NEAR(app->Text14.value(), 0.83, 0.05);
  EXPECT_EQ(fields(), (Fields{"1959", "12", "31", "0", "0", "0"}));
}

TEST_F(AppTest, SearchIntoRefusedYearsGivesUp) {
  startAt({1583, 1, 1, 12, 0, 0});
  app->Text13.setText(" 2299000");
  app->Text14.setText(" 1.000000000000");
  const std::string jd = app->Text4.text();
  const int beeps = platform.beeps;
  app->agecalc();
  EXPECT_EQ(platform.beeps, beeps + 1);
  EXPECT_EQ(fields(), (Fields{"1583", "1", "1", "12", "0", "0"}));
  EXPECT_EQ(app->Text13.text(), " 2299000");
  EXPECT_EQ(app->Text14.text(), " 1.000000000000");
  EXPECT_EQ(app->Text4.text(), jd);

  app->Command35_Click();
  EXPECT_EQ(fields(), (Fields{"1583", "1", "1", "12", "0", "0"}));
  EXPECT_EQ(app->Text4.text(), jd);
}

TEST_F(AppTest, VisibleSearchStaysAtTheNewMoon) {
  startAt({2000, 1, 1, 12, 0, 0});
  app->Command35_Click();
  EXPECT_EQ(fields(), (Fields{"1999", "12", "8", "7", "32", "44"}));
  EXPECT_EQ(app->Text11.text(), " 0.000000000000");
  EXPECT_FALSE(app->Text20.text().empty());
}

TEST_F(AppTest, AutomaticRebasingKeepsTheAgeWithinItsMonth) {
  startAt({1999, 12, 10, 12, 0, 0});
  app->Check1.setValue(1);  // searches at once
  const std::string first = app->Text13.text();
  EXPECT_EQ(first, " 2451520.44015046");
  int rebases = 0;
  std::string reference = first;
  for (int day = 0; day < 35; ++day) {
    app->arrowClick(6);
    if (app->Text13.text() != reference) {
      ++rebases;
      reference = app->Text13.text();
      EXPECT_LT(app->Text14.value(), 1);
    }
    EXPECT_GE(app->Text14.value(), 0);
    EXPECT_LT(app->Text14.value(), 29.6);
  }
  EXPECT_EQ(rebases, 1);

  // Backwards past the reference: the previous new moon takes its place.
  for (int day = 0; day < 40; ++day) {
    app->arrowClick(7);
    EXPECT_GE(app->Text14.value(), 0);
  }
  EXPECT_LT(app->Text13.value(), app->Text4.value());

  app->Check1.setValue(0);  // clearing runs nothing; the age then grows freely
  for (int day = 0; day < 40; ++day) app->arrowClick(6);
  EXPECT_GT(app->Text14.value(), 29.6);
}

}  // namespace korvel::test
