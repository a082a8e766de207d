// The chart model and "Grafik Çiz" driven headless through the recording
// platform.
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "engine/Cp1254.h"
#include "model/ChartModel.h"
#include "model/PlotWindow.h"
#include "tests/test_support.h"

namespace velsira {
namespace {

using testing::Program;
using testing::errorOf;

std::vector<std::pair<double, double>> pointsOf(const ChartModel& chart) {
  std::vector<std::pair<double, double>> out;
  for (const ChartPoint& p : chart.Points()) out.emplace_back(p.x, p.y);
  return out;
}

TEST(ChartModel, KeepsPointsInAscendingXAfterThoseOfEqualX) {
  const struct {
    std::vector<std::pair<double, double>> added;
    std::vector<std::pair<double, double>> kept;
  } cases[] = {
      {{{1, 10}, {2, 20}, {3, 30}}, {{1, 10}, {2, 20}, {3, 30}}},
      {{{3, 30}, {-1, -10}, {2, 20}}, {{-1, -10}, {2, 20}, {3, 30}}},
      // A point of equal x goes after the ones already there, also in the middle.
      {{{1, 1}, {2, 2}, {3, 3}, {2, 5}, {2, 6}}, {{1, 1}, {2, 2}, {2, 5}, {2, 6}, {3, 3}}},
      {{{5, 1}, {5, 2}, {0, 0}, {5, 3}}, {{0, 0}, {5, 1}, {5, 2}, {5, 3}}},
      {{{150, 1}, {-100, 2}, {-100, 3}}, {{-100, 2}, {-100, 3}, {150, 1}}},
  };
  for (const auto& c : cases) {
    ChartModel chart;
    for (const auto& [x, y] : c.added) chart.AddXY(x, y);
    EXPECT_EQ(pointsOf(chart), c.kept);
  }
}

TEST(ChartModel, AnInvertedRangeIsRefusedAndTheRangeStays) {
  ChartModel chart;
  chart.SetBottomRange(150, 300);
  chart.SetLeftRange(7, 7);
  EXPECT_EQ(errorOf([&] { chart.SetBottomRange(10, 9); }), "Axis Maximum Value must be >= Minimum");
  EXPECT_EQ(errorOf([&] { chart.SetLeftRange(-1, -2); }), "Axis Maximum Value must be >= Minimum");
  EXPECT_EQ(chart.BottomAxis().min, 150);
  EXPECT_EQ(chart.BottomAxis().max, 300);
  EXPECT_EQ(chart.LeftAxis().min, 7);
  EXPECT_EQ(chart.LeftAxis().max, 7);
}

TEST(ChartModel, ColumnExtremesKeepFirstLowestHighestAndLastOfEachColumn) {
  const ColumnMap map{0, 10, 0, 5};  // two x units a pixel column
  const struct {
    std::vector<std::pair<double, double>> points;
    std::vector<size_t> kept;
  } cases[] = {
      {{}, {}},
      {{{0, 1}}, {0}},
      {{{0, 5}, {0.5, 1}, {1, 9}, {1.5, 4}}, {0, 1, 2, 3}},
      {{{0, 5}, {0.2, 1}, {0.4, 9}, {0.6, 1}, {0.8, 9}, {1, 4}}, {0, 1, 2, 5}},  // earliest lowest and highest
      {{{0, 5}, {0.5, 9}, {1, 1}, {1.5, 4}}, {0, 1, 2, 3}},                      // highest before lowest
      {{{0, 1}, {0.5, 2}, {1, 3}, {1.5, 4}}, {0, 3}},                            // the ends are the extremes
      {{{0, 3}, {1, 3}, {2, 7}, {3, 0}, {3.5, 8}, {3.9, 1}}, {0, 1, 2, 3, 4, 5}},
      {{{-1e300, 0}, {-5e299, 1}, {5, 2}, {1e300, 3}, {2e300, 4}}, {0, 1, 2, 3, 4}},  // held far outside
  };
  for (const auto& c : cases) {
    std::vector<ChartPoint> points;
    for (const auto& [x, y] : c.points) points.push_back({x, y, {}, 0});
    EXPECT_EQ(ColumnExtremes(points, map), c.kept);
  }
}

// The column extremes of a series as (x, y) pairs.
std::vector<std::pair<double, double>> extremesOf(const std::vector<ChartPoint>& points, const ColumnMap& map) {
  std::vector<std::pair<double, double>> out;
  for (const size_t k : ColumnExtremes(points, map)) out.emplace_back(points[k].x, points[k].y);
  return out;
}

TEST(ChartModel, ManyPointsKeepTheirColumnExtremesInBoundedMemory) {
  for (const bool inOrder : {true, false}) {
    ChartModel chart;
    chart.SetBottomRange(-100000, 100000);
    chart.SetColumns(57, 631);
    std::vector<ChartPoint> all;
    uint32_t seed = 12345;
    size_t most = 0;
    for (long k = 0; k <= 200000; ++k) {
      // Every seventh point in its place from the end, the rest ascending.
      const long i = inOrder || k % 7 ? k : 200000 - k;
      seed = seed * 1103515245u + 12345u;
      const double y = std::sin(i * 0.001) * 100 + static_cast<double>(seed >> 20) / 1000;
      chart.AddXY(static_cast<double>(i - 100000), y);
      all.push_back({static_cast<double>(i - 100000), y, {}, 0});
      most = std::max(most, chart.Count());
    }
    std::stable_sort(all.begin(), all.end(), [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
    EXPECT_TRUE(chart.Reduced());
    EXPECT_LE(most, 8u * (631 - 57 + 2) + 1) << inOrder;
    // The drawing of either shows the same points.
    EXPECT_EQ(extremesOf(chart.Points(), chart.Columns()), extremesOf(all, chart.Columns())) << inOrder;
  }
}

TEST(ChartModel, ASeriesWithinItsExactLimitKeepsEveryPoint) {
  ChartModel chart;
  chart.SetBottomRange(0, 100000);
  chart.SetExactLimit(100000);
  for (int i = 0; i < 100000; ++i) chart.AddXY(i, i % 3);
  EXPECT_EQ(chart.Count(), 100000u);
  EXPECT_FALSE(chart.Reduced());
  chart.AddXY(100000, 0);
  EXPECT_TRUE(chart.Reduced());
  EXPECT_LE(chart.Count(), 4u * 642);
  chart.Clear();
  EXPECT_FALSE(chart.Reduced());
}

using Answers = std::vector<std::optional<std::string>>;

// One plot run on a fresh program, or on p when given.
void plot(Program& p, const std::string& input, const Answers& answers) {
  p.form.Memo1.SetText(input);
  p.recording.dialogs.answers.assign(answers.begin(), answers.end());
  p.recording.messages.error.reset();
  p.form.Perform([&] { p.form.Button14Click(); });
}

TEST(Button14Click, TheDefaultsPlot201PointsAndShowTheWindow) {
  Program p;
  p.form.Memo2.AddLine("old");
  plot(p, "[(x\xB2)]", {});
  const ChartModel& chart = p.recording.plot.Chart1();
  EXPECT_EQ(p.recording.messages.error.value_or(""), "");
  ASSERT_EQ(chart.Count(), 201u);
  EXPECT_EQ(chart.Points().front().x, -100);
  EXPECT_EQ(chart.Points().front().y, 10000);  // outside the y range, kept
  EXPECT_EQ(chart.Points()[112].x, 12);
  EXPECT_EQ(chart.Points()[112].y, 144);
  EXPECT_EQ(chart.Points().back().x, 100);
  EXPECT_EQ(chart.LeftAxis().min, -500);
  EXPECT_EQ(chart.LeftAxis().max, 500);
  EXPECT_TRUE(p.form.Memo2.Lines().empty());  // the last evaluation's value is removed
  EXPECT_EQ(p.form.Memo1.Text(), "[(x\xB2)]");
  EXPECT_TRUE(p.recording.plot.Visible());
  EXPECT_FALSE(p.recording.progress.Visible());
  EXPECT_EQ(p.recording.progress.ProgressBar1.Position(), 100);
}

struct FailureCase {
  const char* what;
  std::string input;
  Answers answers;
  std::string error;
  size_t dialogs;  // how many dialogs opened
  std::vector<std::pair<double, double>> points;
};

TEST(Button14Click, FailuresStopThePlotAndHideTheProgressWindow) {
  const FailureCase cases[] = {
      {"bad xmin", "[(x)]", {"a"}, "'a' is not a valid integer value.", 1, {{0, 7}}},
      {"bad ymax", "[(x)]", {"0", "1", "0", "9999999999"}, "'9999999999' is not a valid integer value.", 4, {{0, 7}}},
      {"x range refused", "[(x)]", {"3", "2"}, "Axis Maximum Value must be >= Minimum.", 4, {{0, 7}}},
      {"y range refused", "[(x)]", {"2", "3", "1", "0"}, "Axis Maximum Value must be >= Minimum.", 4, {{0, 7}}},
      {"not a number", "[(x)]+[(a)]", {"-2", "2"}, "'a' is not a valid floating point value.", 4, {}},
  };
  for (const auto& c : cases) {
    Program p;
    // The series of an earlier plot, which a failure before the scan keeps.
    p.recording.plot.Chart1().AddXY(0, 7);
    p.recording.plot.Show();
    p.recording.plot.Hide();
    plot(p, c.input, c.answers);
    EXPECT_EQ(p.recording.messages.error.value_or(""), c.error) << c.what;
    EXPECT_EQ(p.recording.dialogs.asked.size(), c.dialogs) << c.what;
    EXPECT_EQ(pointsOf(p.recording.plot.Chart1()), c.points) << c.what;
    EXPECT_FALSE(p.recording.progress.Visible()) << c.what;
    EXPECT_FALSE(p.recording.plot.Visible()) << c.what;
    for (const ChartPoint& pt : p.recording.plot.Chart1().Points()) EXPECT_TRUE(std::isfinite(pt.y)) << c.what;
  }
}

TEST(Button14Click, ARefusedRangeChangesNothingItRefuses) {
  Program p;
  plot(p, "[(x)]", {"-5", "5", "-1", "1"});
  plot(p, "[(x)]", {"8", "9", "3", "2"});  // the bottom axis is set before the left is refused
  const ChartModel& chart = p.recording.plot.Chart1();
  EXPECT_EQ(chart.BottomAxis().min, 8);
  EXPECT_EQ(chart.LeftAxis().min, -1);
  EXPECT_EQ(chart.LeftAxis().max, 1);
  EXPECT_EQ(p.recording.progress.ProgressBar1.Min(), -5);
  EXPECT_EQ(chart.Count(), 11u);
}

TEST(Button14Click, EachPlotShowsItsOwnCurveAndProgress) {
  Program p;
  ProgressBar& bar = p.recording.progress.ProgressBar1;
  std::vector<long> positions;
  bar.onChanged = [&] { positions.push_back(bar.Position()); };
  plot(p, "[(x)]", {"-2", "2", "-5", "5"});
  EXPECT_EQ(positions, (std::vector<long>{0, -2, -1, 0, 1, 2, 2}));
  // A range entirely above the previous one, with another input.
  positions.clear();
  plot(p, "[(2x)]", {"150", "152", "0", "0"});
  EXPECT_EQ(p.recording.messages.error.value_or(""), "");
  EXPECT_EQ(positions, (std::vector<long>{150, 150, 151, 152, 152}));
  EXPECT_EQ(pointsOf(p.recording.plot.Chart1()),
            (std::vector<std::pair<double, double>>{{150, 300}, {151, 302}, {152, 304}}));
  // One point still shows the window.
  plot(p, "[(x)]", {"4", "4", "0", "0"});
  EXPECT_EQ(pointsOf(p.recording.plot.Chart1()), (std::vector<std::pair<double, double>>{{4, 4}}));
  EXPECT_TRUE(p.recording.plot.Visible());
  EXPECT_FALSE(p.recording.progress.Visible());
}

}  // namespace
}  // namespace velsira

namespace velsira {
namespace {

// "Durdur" pressed once the scan has done stopAt points of -5 .. 100.
struct StopCase {
  const char* what;
  void (TForm1::*click)();
  long long stopAt;
  std::vector<std::string> result;
  size_t points;  // in the chart
  bool plotShown;
};

TEST(Stop, DurdurEndsAScanAtTheNextPointWithWhatWasFoundSoFar) {
  const StopCase cases[] = {
      {"roots stopped after x = 2", &TForm1::Button39Click, 8, {"-1 ; 2", StoppedLine(2)}, 0, false},
      {"roots stopped after the first point", &TForm1::Button39Click, 1, {"Durdurulana kadar tam say\xFD k\xF6k bulunamad\xFD.", StoppedLine(-5)}, 0, false},
      {"roots asked to stop at the last point", &TForm1::Button39Click, 106, {"-1 ; 2"}, 0, false},
      {"plot stopped after x = -3", &TForm1::Button14Click, 3, {StoppedLine(-3)}, 3, true},
      {"plot asked to stop at the last point", &TForm1::Button14Click, 106, {}, 106, true},
  };
  for (const StopCase& c : cases) {
    Program p;
    p.form.Memo1.SetText("[(x\xB2-x-2)]");
    p.recording.dialogs.answers = {std::string("-5"), std::string("100")};
    p.recording.progress.stopAtTick = c.stopAt;
    p.form.Perform([&] { (p.form.*c.click)(); });
    EXPECT_EQ(p.form.Memo2.Lines(), c.result) << c.what;
    EXPECT_EQ(p.recording.progress.ticks, c.stopAt) << c.what;
    EXPECT_FALSE(p.recording.progress.Visible()) << c.what;
    EXPECT_EQ(p.recording.plot.Visible(), c.plotShown) << c.what;
    EXPECT_EQ(p.recording.plot.Chart1().Count(), c.points) << c.what;
    EXPECT_FALSE(p.recording.messages.error) << c.what;
  }
}

// How many unbroken pieces the series draws.
size_t piecesOf(const ChartModel& chart) {
  size_t pieces = chart.Count() > 0 ? 1 : 0;
  for (const ChartPoint& p : chart.Points()) pieces += p.gapBefore ? 1 : 0;
  return pieces;
}

TEST(Button14Click, UndefinedPointsAreLeftOutAndNamedAndThePlotGoesOn) {
  const struct {
    const char* input;
    Answers answers;
    size_t points, pieces;
    std::vector<double> undefined;
    std::string_view note;
  } cases[] = {
      {"[(1)/(x)]", {"-5", "5"}, 10, 2, {0}, "x = 0 noktasında tanımsız"_cp},
      {"[(1)/(x)]+[(1)/(x-2)]", {"-1", "4"}, 4, 3, {0, 2}, "x = 0, 2 noktalarında tanımsız"_cp},
      {"[ln(x)]", {"-2", "3"}, 3, 1, {-2, -1, 0}, "x = -2, -1, 0 noktalarında tanımsız"_cp},
      {"[ln(x)]", {"-10", "2"}, 2, 1, {-10, -9, -8, -7, -6, -5, -4, -3, -2, -1, 0},
       "x = -10, -9, -8, -7, -6, … noktalarında tanımsız"_cp},
      {"[\xDCstel10(x)]", {"306", "310"}, 3, 1, {309, 310}, "x = 309, 310 noktalarında tanımsız"_cp},
      {"[(x)]", {"-5", "5"}, 11, 1, {}, ""},
  };
  for (const auto& c : cases) {
    Program p;
    plot(p, c.input, c.answers);
    const ChartModel& chart = p.recording.plot.Chart1();
    EXPECT_FALSE(p.recording.messages.error) << c.input;
    EXPECT_TRUE(p.recording.plot.Visible()) << c.input;
    EXPECT_FALSE(p.recording.progress.Visible()) << c.input;
    EXPECT_EQ(chart.Count(), c.points) << c.input;
    EXPECT_EQ(piecesOf(chart), c.pieces) << c.input;
    EXPECT_EQ(chart.Undefined(), c.undefined) << c.input;
    EXPECT_EQ(chart.Note(), c.note) << c.input;
  }
}

TEST(ChartModel, ABreakSurvivesKeepingOnlyTheColumnExtremes) {
  ChartModel chart;
  chart.SetBottomRange(-100000, 100000);
  for (long x = -100000; x <= 100000; ++x) {
    if (x == 12345) chart.AddUndefined(static_cast<double>(x));
    else chart.AddXY(static_cast<double>(x), std::sin(x * 0.001));
  }
  chart.Compact();
  ASSERT_TRUE(chart.Reduced());
  const std::vector<ChartPoint>& points = chart.Points();
  ASSERT_EQ(piecesOf(chart), 2u);
  for (size_t k = 1; k < points.size(); ++k)
    if (points[k].gapBefore) EXPECT_TRUE(points[k - 1].x < 12345 && points[k].x > 12345);
  chart.Clear();
  EXPECT_EQ(chart.UndefinedCount(), 0u);
  EXPECT_EQ(chart.Note(), "");
}

TEST(ChartModel, FittingTheYAxisHoldsEveryPointWithALittleMargin) {
  const struct {
    std::vector<std::pair<double, double>> points;
    double min, max;  // the fitted range
  } cases[] = {
      {{{-3, 9}, {0, 0}, {3, 9}}, -0.45, 9.45},
      {{{-1, 5}, {0, 5}, {1, 5}}, 4.5, 5.5},   // flat: a tenth of the value each side
      {{{-1, 0}, {1, 0}}, -1, 1},              // flat at zero
      {{{-1, -1e308}, {1, 1e308}}, -1.7976931348623157e308, 1.7976931348623157e308},
      {{{-500, 1e9}, {-2, -1}, {2, 1}, {500, -1e9}}, -1.1, 1.1},  // only the points within the x range
  };
  for (const auto& c : cases) {
    ChartModel chart;
    chart.SetBottomRange(-100, 100);
    for (const auto& [x, y] : c.points) chart.AddXY(x, y);
    ASSERT_TRUE(chart.FitLeftRange());
    EXPECT_DOUBLE_EQ(chart.LeftAxis().min, c.min);
    EXPECT_DOUBLE_EQ(chart.LeftAxis().max, c.max);
    for (const auto& [x, y] : c.points)
      if (x >= -100 && x <= 100)
        EXPECT_TRUE((chart.LeftAxis().min < y && y < chart.LeftAxis().max) || std::fabs(y) > 1e300);
  }
  ChartModel empty;
  EXPECT_FALSE(empty.FitLeftRange());
  EXPECT_EQ(empty.LeftAxis().min, -500);
}

TEST(Button14Click, TheChartSamplesTheCurveBetweenTheIntegersWhereItIsDefined) {
  const struct {
    const char* input;
    double x;
    std::optional<double> y;
  } cases[] = {
      {"[(x\xB2)]", 0.5, 0.25},
      {"[(x\xB2)]", -2.25, 5.0625},
      {"[(1)/(x)]", 0.5, 2},
      {"[(1)/(x)]", 0, std::nullopt},
      {"[ln(x)]", -0.5, std::nullopt},
  };
  for (const auto& c : cases) {
    Program p;
    plot(p, c.input, {"-3", "3"});
    const ChartModel& chart = p.recording.plot.Chart1();
    ASSERT_TRUE(chart.CurveSampler()) << c.input;
    const std::optional<double> y = chart.CurveSampler()(c.x);
    ASSERT_EQ(y.has_value(), c.y.has_value()) << c.input << " " << c.x;
    if (y) EXPECT_NEAR(*y, *c.y, 1e-9) << c.input << " " << c.x;
    // The series itself holds the integers alone.
    for (const ChartPoint& pt : chart.Points()) EXPECT_EQ(pt.x, std::round(pt.x));
  }
  Program p;
  plot(p, "[Sin(x)]", {"-3", "3"});
  EXPECT_TRUE(p.recording.plot.Chart1().CurveSampler()(0.5));
  p.form.RadioButton2Click();  // a curve plotted in degrees is not sampled in radians
  EXPECT_FALSE(p.recording.plot.Chart1().CurveSampler()(0.5));
}

}  // namespace
}  // namespace velsira
