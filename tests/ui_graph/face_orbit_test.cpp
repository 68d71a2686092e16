// The moon-face and orbit windows: their pictures, their remote buttons,
// their titles, corners, staying on top, and closing by the frame.
#include <cmath>

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>

#include "recording_surface.h"
#include "windows_fixture.h"

namespace korvel::test {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlueC(0, 0, 255);

class FaceTest : public WindowsTest {
 protected:
  ui::Form5* face = nullptr;

  void SetUp() override {
    WindowsTest::SetUp();
    app->Command32_Click();
    face = window<ui::Form5>();
    ASSERT_NE(face, nullptr);
  }

  void draw(const char* e, const char* k) {
    app->Text10.setText(e);
    app->Text11.setText(k);
    app->facedraw();
  }

  QColor at(int x, int y) const { return pixel(face->surface().image(), x, y); }
};

TEST_F(FaceTest, SquareWindowShowsCrescentHalfAndGibbous) {
  face->resize(200, 200);
  settle();
  struct Case {
    const char* name;
    const char* e;
    const char* k;
    QColor left;
    QColor right;
  } cases[] = {
      {"waxing crescent", " 45.000000000000", " 0.146000000000", kBlack, kBlack},
      {"first quarter", " 90.500000000000", " 0.504000000000", kBlack, kYellow},
      {"waxing gibbous", " 135.000000000000", " 0.854000000000", kYellow, kYellow},
      {"waning gibbous", " 225.000000000000", " 0.854000000000", kYellow, kYellow},
      {"last quarter", " 269.500000000000", " 0.504000000000", kYellow, kBlack},
      {"waning crescent", " 315.000000000000", " 0.146000000000", kBlack, kBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    draw(c.e, c.k);
    ASSERT_EQ(face->surface().image().size(), QSize(200, 200) * face->surface().image().devicePixelRatio());
    for (int y : {1, 100, 198}) {
      EXPECT_EQ(at(1, y), c.left) << y;
      EXPECT_EQ(at(80, y), c.left) << y;
      EXPECT_EQ(at(120, y), c.right) << y;
      EXPECT_EQ(at(198, y), c.right) << y;
    }
  }
  // The window shows its picture.
  EXPECT_EQ(QColor(face->grab().toImage().pixel(100, 60)).toRgb(), kBlack);
}

TEST_F(FaceTest, DiscStaysRoundWithTheClientWidthAsRadius) {
  face->resize(100, 250);
  settle();
  draw(" 180.000000000000", " 1.000000000000");
  // Centre (50, 125), radius 100 pixels up and down as across.
  EXPECT_EQ(at(50, 35), kYellow);
  EXPECT_EQ(at(50, 215), kYellow);
  EXPECT_NE(at(50, 15), kYellow);
  EXPECT_NE(at(50, 235), kYellow);
}

TEST_F(FaceTest, ResizeMovesTheButtonsAndRedraws) {
  app->Text10.setText(" 90.500000000000");
  app->Text11.setText(" 0.504000000000");
  for (QSize client : {QSize(200, 150), QSize(90, 240)}) {
    face->resize(client);
    settle();
    const int side = face->buttons().command(1)->width();
    EXPECT_EQ(side, 17);
    EXPECT_EQ(face->buttons().command(1)->pos(), QPoint(0, 0));
    EXPECT_EQ(face->buttons().command(2)->pos(), QPoint(client.width() - side, 0));
    EXPECT_EQ(face->buttons().command(3)->pos(), QPoint(client.width() - side, client.height() - side));
    EXPECT_EQ(face->surface().image().size(), client * face->surface().image().devicePixelRatio());
    EXPECT_EQ(at(client.width() / 4, client.height() / 2), kBlack);
    EXPECT_EQ(at(client.width() * 3 / 4, client.height() / 2), kYellow);
  }
}

TEST_F(FaceTest, ClosingByTheFrameSavesItsPlace) {
  app->form5.setGeometry({1500, 1800, 3000, 3300});
  settle();
  QPointer<ui::Form5> old = face;
  face->close();
  EXPECT_EQ(app->st.faceopen, 0);
  EXPECT_EQ(app->form5.surface, nullptr);
  EXPECT_EQ(app->st.faceleft, 1500);
  EXPECT_EQ(app->st.facetop, 1800);
  EXPECT_EQ(app->st.facewidth, 3000);
  EXPECT_EQ(app->st.faceheight, 3300);
  deleteClosed();
  EXPECT_TRUE(old.isNull());

  // The next calculation brings it back, hidden, where it was.
  app->recalc();
  face = window<ui::Form5>();
  ASSERT_NE(face, nullptr);
  EXPECT_FALSE(face->isVisible());
  EXPECT_EQ(app->st.faceopen, 0);
  app->Command32_Click();
  settle();
  EXPECT_TRUE(face->isVisible());
  EXPECT_EQ(face->pos(), QPoint(100, 120));
  EXPECT_EQ(app->form5.surface, &face->surface());
}

class OrbitTest : public WindowsTest {
 protected:
  ui::Form6* orbit = nullptr;
  std::unique_ptr<RecordingSurface> rec;

  void SetUp() override {
    WindowsTest::SetUp();
    app->Command33_Click();
    orbit = window<ui::Form6>();
    ASSERT_NE(orbit, nullptr);
    orbit->resize(300, 200);
    settle();
    rec = std::make_unique<RecordingSurface>(app->form6.surface);
    app->form6.surface = rec.get();
  }

  void draw(double slong, const char* e) {
    app->st.slong = slong;
    app->Text10.setText(e);
    rec->forget();
    app->orbitdraw();
  }

  // The filled disc of a colour.
  const DrawnEllipse& body(render::Rgb colour) const {
    for (const DrawnEllipse& d : rec->ellipses)
      if (d.solid && d.fill == colour) return d;
    throw std::runtime_error("no such body");
  }
};

TEST_F(OrbitTest, SunLongitudeZeroPutsTheEarthStraightBelowTheSun) {
  draw(0, " 30.000000000000");
  const DrawnEllipse& sun = body(render::kLightRed);
  const DrawnEllipse& earth = body(render::kBlue);
  EXPECT_DOUBLE_EQ(sun.x, 2250);
  EXPECT_DOUBLE_EQ(sun.y, 1500);
  EXPECT_NEAR(earth.x, 2250, 1e-9);
  EXPECT_NEAR(earth.y, 1500 + 1125, 1e-9);
}

TEST_F(OrbitTest, MoonStandsAtItsPhaseFromTheSunsDirection) {
  // Seen from the Earth, the Moon is the phase angle counter-clockwise from
  // the Sun's direction (on the screen, y downwards).
  struct Case {
    const char* name;
    const char* e;
    double turn;  // degrees counter-clockwise from the Sun's direction
  } cases[] = {
      {"new (0)", " 0.000000000000", 0},      {"new (360)", " 360.000000000000", 0},
      {"first quarter", " 90.000000000000", 90}, {"full", " 180.000000000000", 180},
      {"last quarter", " 270.000000000000", 270},
  };
  for (double slong : {0.0, 75.0, 200.0, 333.3}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + " at Sun longitude " + std::to_string(slong));
      draw(slong, c.e);
      const DrawnEllipse& sun = body(render::kLightRed);
      const DrawnEllipse& earth = body(render::kBlue);
      const DrawnEllipse& moon = body(render::kYellow);
      const double R = 1125;
      EXPECT_NEAR(std::hypot(earth.x - sun.x, earth.y - sun.y), R, 1e-6);
      const double sx = (sun.x - earth.x) / R;
      const double sy = (sun.y - earth.y) / R;
      const double t = c.turn * M_PI / 180;
      const double wantX = earth.x + R / 4 * (sx * std::cos(t) + sy * std::sin(t));
      const double wantY = earth.y + R / 4 * (-sx * std::sin(t) + sy * std::cos(t));
      EXPECT_NEAR(moon.x, wantX, 1e-6);
      EXPECT_NEAR(moon.y, wantY, 1e-6);
      EXPECT_NEAR(sun.r, R / 8, 1e-9);
      EXPECT_NEAR(earth.r, R / 12, 1e-9);
      EXPECT_NEAR(moon.r, R / 15, 1e-9);
    }
  }
}

TEST_F(OrbitTest, RingsOnlyWithTheOrbitBoxChecked) {
  EXPECT_EQ(orbit->check1()->text(), QStringLiteral("軌道"));
  EXPECT_TRUE(orbit->check1()->isChecked());
  draw(0, " 180.000000000000");
  ASSERT_EQ(rec->ellipses.size(), 5u);
  const DrawnEllipse& earthOrbit = rec->ellipses[1];
  const DrawnEllipse& moonOrbit = rec->ellipses[2];
  EXPECT_FALSE(earthOrbit.solid);
  EXPECT_EQ(earthOrbit.outline, render::kBlue);
  EXPECT_DOUBLE_EQ(earthOrbit.r, 1125);
  EXPECT_FALSE(moonOrbit.solid);
  EXPECT_EQ(moonOrbit.outline, render::kYellow);
  EXPECT_DOUBLE_EQ(moonOrbit.r, 1125.0 / 4);
  EXPECT_EQ(moonOrbit.x, body(render::kBlue).x);

  // Unchecking redraws at once, without the rings.
  rec->forget();
  orbit->check1()->click();
  EXPECT_EQ(app->form6.Check1.value(), 0);
  ASSERT_EQ(rec->ellipses.size(), 3u);
  for (const DrawnEllipse& d : rec->ellipses) EXPECT_TRUE(d.solid);

  // The model's box shows on the window.
  app->form6.Check1.setValue(1);
  EXPECT_TRUE(orbit->check1()->isChecked());
  EXPECT_EQ(rec->ellipses.size(), 8u);
}

TEST_F(OrbitTest, OrbitRadiusComesFromTheSmallerSide) {
  struct Case {
    QSize client;
    double R;
  } cases[] = {{{300, 200}, 0.75 * 1500}, {{120, 400}, 0.75 * 900}, {{250, 250}, 0.75 * 1875}};
  for (const Case& c : cases) {
    orbit->resize(c.client);
    settle();
    draw(0, " 90.000000000000");
    const DrawnEllipse& sun = body(render::kLightRed);
    EXPECT_DOUBLE_EQ(sun.x, c.client.width() * 15 / 2.0);
    EXPECT_DOUBLE_EQ(sun.y, c.client.height() * 15 / 2.0);
    EXPECT_NEAR(sun.r, c.R / 8, 1e-9) << c.client.width();
    // The rings box keeps to the bottom-left corner.
    EXPECT_EQ(orbit->check1()->pos(), QPoint(0, c.client.height() - orbit->check1()->height()));
  }
}

TEST_F(OrbitTest, RepaintDrawsThePictureAgain) {
  app->st.slong = 0;
  app->Text10.setText(" 180.000000000000");
  rec->forget();
  const QImage shown = orbit->grab().toImage();
  EXPECT_GE(rec->clears, 1);
  EXPECT_EQ(QColor(shown.pixel(150, 100)).toRgb(), kRed);                     // the Sun
  EXPECT_EQ(QColor(shown.pixel(150, 100 + 75)).toRgb(), kBlueC);              // the Earth below it
  EXPECT_EQ(QColor(shown.pixel(150, 100 + 75 + 19)).toRgb(), kYellow);        // full Moon beyond
}

TEST_F(OrbitTest, ClosingByTheFrameStopsTheDrawingUntilShownAgain) {
  app->form6.setGeometry({3000, 1500, 2700, 2700});
  settle();
  orbit->close();
  deleteClosed();
  EXPECT_EQ(app->st.orbitopen, 0);
  EXPECT_EQ(app->form6.surface, nullptr);
  EXPECT_EQ(app->st.orbitleft, 3000);
  EXPECT_EQ(app->st.orbittop, 1500);
  EXPECT_EQ(app->st.orbitwidth, 2700);
  EXPECT_EQ(app->st.orbitheight, 2700);
  app->recalc();
  EXPECT_FALSE(app->form6.loaded());
  EXPECT_EQ(window<ui::Form6>(), nullptr);
  app->Command33_Click();
  orbit = window<ui::Form6>();
  ASSERT_NE(orbit, nullptr);
  settle();
  EXPECT_TRUE(orbit->isVisible());
  EXPECT_EQ(orbit->pos(), QPoint(200, 100));
  EXPECT_EQ(app->st.orbitopen, 1);
}

// ---- both windows -----------------------------------------------------------

class RemoteTest : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    app->Command32_Click();
    app->Command33_Click();
  }

  const ui::RemoteButtons& buttons(int form) const {
    if (form == 5) return window<ui::Form5>()->buttons();
    return window<ui::Form6>()->buttons();
  }
};

TEST_F(RemoteTest, DiamondReversesOrStartsSquareStopsTPadOpens) {
  for (int form : {5, 6}) {
    SCOPED_TRACE(form);
    const ui::RemoteButtons& b = buttons(form);
    EXPECT_EQ(b.command(1)->text(), QStringLiteral("◆"));
    EXPECT_EQ(b.command(2)->text(), QStringLiteral("■"));
    EXPECT_EQ(b.command(3)->text(), QStringLiteral("T"));
    EXPECT_TRUE(b.command(3)->font().bold());
    EXPECT_EQ(b.command(1)->font().pointSize(), 6);

    app->Option1.select();
    app->Option10.select();
    b.command(1)->click();  // stopped: starts forwards
    EXPECT_EQ(app->Timer1.interval(), 100);
    EXPECT_TRUE(app->Option10.selected());
    b.command(1)->click();  // running: backwards, still running
    EXPECT_TRUE(app->Option9.selected());
    EXPECT_EQ(app->st.stepval, -app->st.stepsize);
    EXPECT_EQ(app->Timer1.interval(), 100);
    b.command(1)->click();  // and forwards again
    EXPECT_TRUE(app->Option10.selected());
    EXPECT_EQ(app->Timer1.interval(), 100);
    b.command(2)->click();
    EXPECT_EQ(app->Timer1.interval(), 0);

    app->Option2.select();
    b.command(1)->click();  // started at the normal speed
    EXPECT_EQ(app->Timer1.interval(), 1000);
    b.command(2)->click();
    EXPECT_EQ(app->Timer1.interval(), 0);

    app->form7.hide();
    b.command(3)->click();
    EXPECT_TRUE(app->form7.visible());
  }
}

// The saved size is the outer frame; a window opened again gets the client
// area it had, not one larger or smaller by the frame at every reopening.
TEST_F(RemoteTest, ReopeningKeepsTheSizeTheUserGaveIt) {
  struct Case {
    int form;
    void (App::*open)();
    QSize size;
  };
  const Case cases[] = {
      {5, &App::Command32_Click, QSize(220, 150)},
      {6, &App::Command33_Click, QSize(130, 260)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form);
    auto current = [&]() -> QWidget* {
      if (c.form == 5) return window<ui::Form5>();
      return window<ui::Form6>();
    };
    current()->resize(c.size);  // by the user
    settle();
    for (int round = 0; round < 3; ++round) {
      current()->close();
      deleteClosed();
      (app.get()->*c.open)();
      settle();
      ASSERT_NE(current(), nullptr);
      EXPECT_EQ(current()->size(), c.size) << "round " << round;
    }
  }
}

TEST_F(RemoteTest, TitlesCarryTheDateAndTime) {
  app->Check2.setValue(1);
  app->Text1.setText("1999");
  app->Text2.setText("12");
  app->Text3.setText("31");
  app->Text7.setText("23");
  app->Text8.setText("59");
  app->Text9.setText("58");
  app->recalc();
  EXPECT_EQ(window<ui::Form5>()->windowTitle(), QStringLiteral("MoonFace 1999/12/31 23:59:58"));
  EXPECT_EQ(window<ui::Form6>()->windowTitle(), QStringLiteral("Moon Phase 1999/12/31 23:59:58"));
  EXPECT_EQ(window<ui::Form4>()->windowTitle(), QStringLiteral("Korvel - Graph - 1999/12/31 23:59:58"));
  app->Timer1_Timer();  // one day on
  EXPECT_EQ(window<ui::Form5>()->windowTitle(), QStringLiteral("MoonFace 2000/1/1 23:59:58"));
  EXPECT_EQ(window<ui::Form6>()->windowTitle(), QStringLiteral("Moon Phase 2000/1/1 23:59:58"));
  EXPECT_EQ(window<ui::Form4>()->windowTitle(), QStringLiteral("Korvel - Graph - 2000/1/1 23:59:58"));
}

TEST_F(RemoteTest, FaceAndOrbitStayOnTopWithoutTakingTheFocus) {
  struct Case {
    QWidget* w;
    bool onTop;
  } cases[] = {{window<ui::Form5>(), true}, {window<ui::Form6>(), true}, {window<ui::Form4>(), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.w->objectName().toStdString());
    EXPECT_EQ(c.w->windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.onTop);
    EXPECT_EQ(c.w->testAttribute(Qt::WA_ShowWithoutActivating), c.onTop);
    EXPECT_EQ(c.w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), c.onTop);
  }
}

}  // namespace
}  // namespace korvel::test
