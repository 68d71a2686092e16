#include "app_fixture.h"

namespace korvel::test {

TEST_F(AppTest, ClearEmptiesTheResultsButKeepsTheReference) {
  app->Command20_Click();
  EXPECT_EQ(app->Text13.text(), app->Text4.text());
  EXPECT_EQ(app->Text14.text(), " 0.0000000000000");  // thirteen decimals until the next calculation
  app->Command1_Click();
  EXPECT_EQ(app->Text14.text(), " 0.000000000000");

  app->Command17_Click();
  for (const core::TextField* f : {&app->Text4, &app->Text5, &app->Text6, &app->Text10, &app->Text11, &app->Text15,
                                   &app->Text16, &app->Text20})
    EXPECT_EQ(f->text(), "") << f->name();
  EXPECT_FALSE(app->Text13.text().empty());
  EXPECT_EQ(app->Text14.text(), " 0.000000000000");

  app->Check1.setValue(1);
  app->Command21_Click();
  EXPECT_EQ(app->Text13.text(), "");
  EXPECT_EQ(app->Text14.text(), "");
  EXPECT_FALSE(app->Check1.checked());
}

TEST_F(AppTest, OptionGroupsAreIndependent) {
  app->Option6.select();
  EXPECT_EQ(app->st.stepunit, 7);
  EXPECT_TRUE(app->Option1.selected());
  EXPECT_TRUE(app->Option10.selected());
  EXPECT_FALSE(app->Option5.selected());
  EXPECT_TRUE(app->form7.labels[4].opaque());  // 時 is marked on the time pad
  EXPECT_FALSE(app->form7.labels[3].opaque());
}

TEST_F(AppTest, ContinuousCalculationSpeedAndDirection) {
  app->Option2.select();  // stopped: starts nothing
  EXPECT_FALSE(app->Timer1.running());
  app->Command19_Click();
  EXPECT_EQ(app->Timer1.interval(), 1000);
  app->Option1.select();  // running: the new period at once
  EXPECT_EQ(app->Timer1.interval(), 100);

  app->Option8.select();
  app->Text17.setText("3600");
  app->Option9.select();
  type(2024, 1, 1, 12, 0, 0);
  app->Timer1_Timer();
  EXPECT_EQ(fields(), (Fields{"2024", "1", "1", "11", "0", "0"}));

  app->reverseOrStart();  // running backwards: forwards again, still running
  EXPECT_TRUE(app->Option10.selected());
  EXPECT_TRUE(app->Timer1.running());
  app->Timer1_Timer();
  EXPECT_EQ(fields(), (Fields{"2024", "1", "1", "12", "0", "0"}));
  app->reverseOrStart();
  EXPECT_TRUE(app->Option9.selected());

  app->Command18_Click();
  EXPECT_FALSE(app->Timer1.running());
  app->Option2.select();
  app->reverseOrStart();  // stopped: starts in the chosen direction
  EXPECT_EQ(app->Timer1.interval(), 1000);
  EXPECT_EQ(app->st.stepval, -3600);
}

TEST_F(AppTest, RestartFromAnOutputWindowUsesTheStoredSpeed) {
  app->Form3_Command6_Click();
  EXPECT_EQ(app->Timer1.interval(), 100);
  app->Form3_Command7_Click();
  EXPECT_FALSE(app->Timer1.running());
}

TEST_F(AppTest, CheckingTheListTwiceRestartsItWithOneLine) {
  for (int i = 0; i < 2; ++i) {
    app->Check4.setValue(1);
    app->Timer1_Timer();
    app->Check4.setValue(0);
  }
  app->Check4.setValue(1);
  const std::string& list = app->form3.Text1.text();
  EXPECT_EQ(list.substr(0, 16), "Korvel  Ver 1.96");
  int lines = 0;
  for (std::size_t i = list.find("\r\n"); i != std::string::npos; i = list.find("\r\n", i + 2)) ++lines;
  EXPECT_EQ(lines, 4);
}

TEST_F(AppTest, QuitPromptAnsweredNoKeepsTheProgramRunning) {
  app->Command32_Click();
  app->Command33_Click();
  app->Command19_Click();
  bool cancel = false;
  app->Form_QueryUnload(cancel);
  EXPECT_TRUE(cancel);
  EXPECT_TRUE(app->Timer1.running());
  for (const core::Form* f : {static_cast<core::Form*>(&app->form3), static_cast<core::Form*>(&app->form5),
                              static_cast<core::Form*>(&app->form6), static_cast<core::Form*>(&app->form7)})
    EXPECT_FALSE(f->visible()) << f->name();
  EXPECT_EQ(app->st.faceopen, 0);
  EXPECT_EQ(app->st.orbitopen, 0);
}

}  // namespace korvel::test
