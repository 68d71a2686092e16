// The graph window: the plotted runs, its buttons and boxes, its retained
// picture, hiding, and closing by the frame.
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include "recording_surface.h"
#include "render/drawings.h"
#include "windows_fixture.h"

namespace korvel::test {
namespace {

using render::Rgb;

constexpr double kEps = 1e-9;

class GraphTest : public WindowsTest {
 protected:
  ui::Form4* graph = nullptr;
  std::unique_ptr<RecordingSurface> rec;

  void SetUp() override {
    WindowsTest::SetUp();
    graph = window<ui::Form4>();
    ASSERT_NE(graph, nullptr);
    // What the model draws is recorded on its way to the window's picture.
    rec = std::make_unique<RecordingSurface>(app->form4.picture);
    app->form4.picture = rec.get();
  }

  std::vector<DrawnLine> gridLines() const {
    std::vector<DrawnLine> out;
    for (const DrawnLine& l : rec->lines)
      if (l.x1 == l.x2 && l.y1 == 0) out.push_back(l);
    return out;
  }

  std::vector<DrawnLine> curve(Rgb colour) const {
    std::vector<DrawnLine> out;
    for (const DrawnLine& l : rec->lines)
      if (l.colour == colour && l.width == 2) out.push_back(l);
    return out;
  }

  // The picture as it is right after an erase.
  QImage erasedPicture() const {
    ui::QtSurface fresh(QSizeF(ui::Form4::kScaleWidth, ui::Form4::kScaleHeight), graph->picture().pixelSize(),
                        graph->picture().devicePixelRatio(), Qt::white);
    render::drawGraphBackground(fresh);
    return fresh.image();
  }

  void plot(int ticks) {
    for (int i = 0; i < ticks; ++i) app->Timer1_Timer();
  }
};

const Rgb kCurves[] = {render::kGreen, render::kMagenta, render::kBlue, render::kCyan};

TEST_F(GraphTest, ThirtyOnePointRunPlotsEveryCurveAndEndsTheCalculation) {
  app->Command19_Click();
  app->Check2.setValue(1);  // point 0
  plot(30);

  const double dx = 8585.0 / 30;
  const std::vector<DrawnLine> grid = gridLines();
  ASSERT_EQ(grid.size(), 31u);
  for (int i = 0; i < 31; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(grid[i].x1, i * dx, kEps);
    EXPECT_EQ(grid[i].y2, graph->picture().scaleHeight());
    EXPECT_EQ(grid[i].width, 1);
    const bool tenth = i == 9 || i == 19 || i == 29;
    EXPECT_EQ(grid[i].colour, tenth ? render::kLightRed : render::kGridGrey);
  }
  EXPECT_NEAR(grid.back().x1, 8585, kEps);

  for (const Rgb& colour : kCurves) {
    const std::vector<DrawnLine> c = curve(colour);
    ASSERT_EQ(c.size(), 31u);
    for (int i = 0; i < 31; ++i) {
      SCOPED_TRACE(i);
      EXPECT_NEAR(c[i].x1, (i - 1) * dx, kEps);
      EXPECT_NEAR(c[i].x2, i * dx, kEps);
      // Each segment starts where the one before ended.
      if (i > 0) {
        EXPECT_EQ(c[i].y1, c[i - 1].y2);
      }
    }
  }

  EXPECT_FALSE(app->Check2.checked());
  EXPECT_EQ(app->st.gpoint, 0);
  EXPECT_EQ(app->st.ggrid, 0);
  EXPECT_EQ(app->Timer1.interval(), 0);

  // The red line of the tenth point is in the picture.
  const QImage& image = graph->picture().image();
  const double column = 9 * dx * graph->picture().pixelSize().width() / ui::Form4::kScaleWidth;
  const int x = static_cast<int>(column);
  const bool red = pixel(image, x, 2) == QColor(255, 0, 0) || pixel(image, x + 1, 2) == QColor(255, 0, 0);
  EXPECT_TRUE(red);
}

TEST_F(GraphTest, EndOfRunStopsTheCalculationOnlyWhenNoOtherOutputRuns) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  struct Case {
    const char* other;
    bool running;
  } cases[] = {{"none", false}, {"list", true}, {"file", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.other);
    app->Check4.setValue(0);
    app->Check5.setValue(0);
    app->Text18.setText("3");
    app->Command19_Click();
    app->Check2.setValue(1);
    plot(1);
    // The other output starts a point later, so it is still going when the graph ends.
    if (std::string(c.other) == "list") app->Check4.setValue(1);
    if (std::string(c.other) == "file") {
      app->Label19.setCaption(dir.filePath(QStringLiteral("run.csv")).toStdString());
      app->Check5.setValue(1);
      ASSERT_TRUE(app->Check5.checked());
    }
    plot(1);
    EXPECT_FALSE(app->Check2.checked());
    EXPECT_EQ(app->Timer1.interval() > 0, c.running);
  }
  app->Check5.setValue(0);
}

TEST_F(GraphTest, EachSeriesHasItsScaleAndColour) {
  struct Case {
    const char* name;
    core::TextField App::*field;
    const char* text;
    int series;
    double y;
  } cases[] = {
      {"fraction 0.75", &App::Text11, "0.75", 0, 1202},
      {"fraction 0", &App::Text11, "0", 0, 4202},
      {"Sun 1.01 au", &App::Text15, "1.01", 1, 1202},
      {"Sun 0.99 au", &App::Text15, "0.99", 1, 3202},
      {"Moon 409401 km", &App::Text16, "409401", 2, 202},
      {"Moon 359401 km", &App::Text16, "359401", 2, 4202},
      {"Moon distance empty", &App::Text16, "", 2, 2202 + 384401.0 / 25000 * 2000},
      {"latitude +5", &App::Text20, "5", 3, 202},
      {"latitude -5", &App::Text20, " -5.000000", 3, 4202},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Every series at its centre value, then the one under test moved.
    app->Text11.setText("0.5");
    app->Text15.setText("1");
    app->Text16.setText("384401");
    app->Text20.setText("0");
    (*app.*c.field).setText(c.text);
    app->st.gprev = {0.5, 1, 384401, 0};
    rec->forget();
    app->graphstep();
    for (int s = 0; s < 4; ++s) {
      const std::vector<DrawnLine> seg = curve(kCurves[s]);
      ASSERT_EQ(seg.size(), 1u) << s;
      EXPECT_NEAR(seg[0].y1, 2202, 1e-6) << s;
      EXPECT_NEAR(seg[0].y2, s == c.series ? c.y : 2202, 1e-6) << s;
    }
  }
}

TEST_F(GraphTest, SeriesSwitchedOnMidRunStartsFromItsLastDrawnValue) {
  // The Sun's distance is switched off in the graph window, and with it in the main window.
  graph->check(1)->click();
  EXPECT_EQ(app->Check6.value(), 0);
  app->Check2.setValue(1);
  plot(3);
  EXPECT_TRUE(curve(render::kMagenta).empty());

  // Never drawn: its first segment comes from a remembered 0 au, far below the area.
  graph->check(1)->click();
  EXPECT_EQ(app->Check6.value(), 1);
  plot(2);
  std::vector<DrawnLine> sun = curve(render::kMagenta);
  ASSERT_EQ(sun.size(), 2u);
  EXPECT_NEAR(sun[0].y1, 2202 + 100000, 1e-6);
  const double leftAt = sun[1].y2;

  // Off for two points, then on again: it goes on from where it left off.
  app->Check6.setValue(0);
  EXPECT_FALSE(graph->check(1)->isChecked());
  plot(2);
  app->Check6.setValue(1);
  EXPECT_TRUE(graph->check(1)->isChecked());
  plot(1);
  sun = curve(render::kMagenta);
  ASSERT_EQ(sun.size(), 3u);
  EXPECT_EQ(sun[2].y1, leftAt);
  EXPECT_NEAR(sun[2].x1 + 8585.0 / 30, sun[2].x2, kEps);
  EXPECT_EQ(app->st.gpoint, 9);
}

TEST_F(GraphTest, TwoPointRunSpansTheWholeWidth) {
  app->Text18.setText("2");
  app->Check2.setValue(1);
  plot(1);
  const std::vector<DrawnLine> grid = gridLines();
  ASSERT_EQ(grid.size(), 2u);
  EXPECT_EQ(grid[0].x1, 0);
  EXPECT_EQ(grid[1].x1, 8585);
  const std::vector<DrawnLine> fraction = curve(render::kGreen);
  ASSERT_EQ(fraction.size(), 2u);
  EXPECT_EQ(fraction[0].x1, -8585);
  EXPECT_EQ(fraction[0].x2, 0);
  EXPECT_EQ(fraction[1].x1, 0);
  EXPECT_EQ(fraction[1].x2, 8585);
  EXPECT_FALSE(app->Check2.checked());
  plot(1);
  EXPECT_EQ(gridLines().size(), 2u);
}

TEST_F(GraphTest, ButtonsCarryTheirCaptions) {
  const char* captions[] = {"グラフ消去", "", "消去・描画", "グラフ描画", "グラフ停止", "連続推算", "ＳＴＯＰ", "", "閉じる"};
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(graph->command(n)->text(), QString::fromUtf8(captions[n - 1])) << n;
  const char* boxes[] = {"太陽の地心距離", "月の地心距離", "輝面比", "月の黄緯"};
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(graph->check(n)->text(), QString::fromUtf8(boxes[n - 1])) << n;
    EXPECT_TRUE(graph->check(n)->isChecked()) << n;
  }
  EXPECT_EQ(graph->windowTitle(), QStringLiteral("Korvel - Graph -"));
  // At the size the start-up gives it, nothing is cut off.
  for (int n = 1; n <= 9; ++n) EXPECT_TRUE(graph->rect().contains(graph->command(n)->geometry())) << n;
  for (int n = 1; n <= 4; ++n) EXPECT_TRUE(graph->rect().contains(graph->check(n)->geometry())) << n;
  EXPECT_TRUE(graph->rect().contains(graph->pictureArea()->geometry()));
}

TEST_F(GraphTest, ButtonsDriveTheRunAndTheCalculation) {
  struct Case {
    int command;
    int pointsBefore;  // -1: switch off; else points plotted with the switch on
    bool runningBefore;
    bool switchAfter;
    bool runningAfter;
    int gpointAfter;
  } cases[] = {
      {1, 3, false, true, false, 1},    // erased, new run at point 0
      {1, -1, false, false, false, 0},  // erased, nothing plotted
      {2, 3, true, true, true, 3},      // no action
      {3, -1, false, true, true, 1},    // erased, switch on, started
      {3, 3, false, true, true, 1},     // erased, one point 0 only
      {4, -1, false, true, true, 1},    // switch on: point 0, started
      {4, 3, false, true, true, 3},     // already on: the run goes on
      {5, 3, true, false, true, 3},     // paused, counters kept
      {6, -1, false, false, true, 0},   // started
      {7, 3, true, true, false, 3},     // stopped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    app->Check2.setValue(0);
    app->st.gpoint = 0;
    app->st.ggrid = 0;
    if (c.pointsBefore >= 0) {
      app->Check2.setValue(1);
      plot(c.pointsBefore - 1);
    }
    if (c.runningBefore)
      app->Command19_Click();
    else
      app->Command18_Click();
    graph->command(c.command)->click();
    EXPECT_EQ(app->Check2.checked(), c.switchAfter);
    EXPECT_EQ(app->Timer1.interval(), c.runningAfter ? 100 : 0);
    EXPECT_EQ(app->st.gpoint, c.gpointAfter);
  }
}

TEST_F(GraphTest, EraseLeavesTheCentreLineAlone) {
  EXPECT_EQ(graph->picture().image(), erasedPicture());  // as created
  app->Check2.setValue(1);
  plot(4);
  EXPECT_NE(graph->picture().image(), erasedPicture());
  graph->command(5)->click();  // paused
  graph->command(1)->click();
  EXPECT_EQ(graph->picture().image(), erasedPicture());
  EXPECT_EQ(app->st.gpoint, 0);
}

TEST_F(GraphTest, RunsOverlayUntilErased) {
  app->Check2.setValue(1);
  plot(3);
  const QImage first = graph->picture().image();
  // Checking the switch again starts a new run at point 0 over the old one.
  app->Check2.setValue(0);
  app->Check2.setValue(1);
  EXPECT_EQ(app->st.gpoint, 1);
  EXPECT_EQ(rec->clears, 0);
  const QImage& both = graph->picture().image();
  // What the first run drew is still there.
  int kept = 0;
  int drawn = 0;
  for (int y = 0; y < first.height(); ++y)
    for (int x = 0; x < first.width(); ++x)
      if (first.pixel(x, y) != qRgb(255, 255, 255)) {
        ++drawn;
        if (both.pixel(x, y) != qRgb(255, 255, 255)) ++kept;
      }
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(kept, drawn);
}

TEST_F(GraphTest, CloseButtonOnlyHidesAndPlottingGoesOn) {
  app->Command27_Click();
  EXPECT_TRUE(graph->isVisible());
  app->Check2.setValue(1);
  plot(2);
  const QImage before = graph->picture().image();
  graph->command(9)->click();
  EXPECT_FALSE(graph->isVisible());
  EXPECT_FALSE(app->form4.visible());
  EXPECT_TRUE(app->form4.loaded());
  EXPECT_EQ(graph->picture().image(), before);
  plot(1);
  EXPECT_EQ(app->st.gpoint, 4);
  EXPECT_TRUE(app->Check2.checked());
  app->Command27_Click();
  EXPECT_EQ(window<ui::Form4>(), graph);
  EXPECT_TRUE(graph->isVisible());
  EXPECT_NE(graph->picture().image(), before);
}

TEST_F(GraphTest, ClosingByTheFrameDuringARunEndsItAndDiscardsThePicture) {
  app->Command27_Click();
  app->form4.setGeometry({1500, 3000, 8730, 5385});
  settle();
  const core::Geometry shown = app->form4.geometry();
  app->Command19_Click();
  app->Check2.setValue(1);
  plot(3);
  QPointer<ui::Form4> old = graph;

  graph->close();
  EXPECT_FALSE(app->form4.loaded());
  EXPECT_FALSE(app->Check2.checked());
  EXPECT_EQ(app->st.gpoint, 0);
  EXPECT_EQ(app->st.ggrid, 0);
  EXPECT_EQ(app->form4.picture, nullptr);
  EXPECT_EQ(app->st.graphleft, 1500);
  EXPECT_EQ(app->st.graphtop, 3000);
  EXPECT_EQ(app->st.graphwidth, shown.width);
  EXPECT_EQ(app->st.graphheight, shown.height);
  deleteClosed();
  EXPECT_TRUE(old.isNull());

  // The calculation goes on without plotting.
  plot(2);
  EXPECT_FALSE(app->form4.loaded());

  // Shown again: where it was, with a fresh picture.
  app->Command27_Click();
  graph = window<ui::Form4>();
  ASSERT_NE(graph, nullptr);
  settle();
  EXPECT_EQ(graph->pos(), QPoint(100, 200));
  EXPECT_EQ(graph->picture().image(), erasedPicture());
  EXPECT_EQ(app->form4.picture, &graph->picture());
}

TEST_F(GraphTest, CornerButtonLeavesTheOnTopBandForTheCorner) {
  const QPoint corner = graph->screen()->geometry().topLeft();
  // Never closed by its frame: it stays small at the corner.
  graph->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  app->Command27_Click();
  graph->show();
  graph->command(8)->click();
  settle();
  EXPECT_FALSE(graph->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(graph->isVisible());
  EXPECT_TRUE(app->form4.visible());
  EXPECT_EQ(graph->pos(), corner);
  EXPECT_EQ(graph->size(), ui::Form4::smallestClient());

  // Once closed by its frame, it goes back to where it was closed.
  app->form4.setGeometry({1500, 3000, 8730, 5385});
  settle();
  graph->close();
  deleteClosed();
  app->Command27_Click();
  graph = window<ui::Form4>();
  ASSERT_NE(graph, nullptr);
  graph->move(corner + QPoint(40, 40));
  settle();
  graph->command(8)->click();
  settle();
  EXPECT_EQ(graph->pos(), QPoint(100, 200));
  EXPECT_EQ(graph->size(), ui::Form4::layoutClient());
}

}  // namespace
}  // namespace korvel::test
