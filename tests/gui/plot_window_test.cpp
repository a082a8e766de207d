// The plot window as the user sees it: the drawn chart, "Grafik Çiz" through
// the real windows, saving and copying the picture, the tooltip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QInputDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/Desktop.h"
#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "tests/gui/ModalHandler.h"

namespace velsira {
namespace {

// A colour no text, grid or axis of the chart uses, so that the curve's
// pixels can be told apart.
constexpr uint32_t kGreen = 0x00C000;
bool isCurve(QRgb p) { return qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 60; }

struct CurvePixels {
  int inside = 0, outside = 0, nearTop = 0, nearBottom = 0;
};

// Counts the curve's pixels inside and outside the plotting area.
CurvePixels curvePixels(const QImage& image, const QRectF& area) {
  CurvePixels c;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if (!isCurve(image.pixel(x, y))) continue;
      if (area.contains(QPointF(x + 0.5, y + 0.5))) {
        ++c.inside;
        if (y < area.top() + 3) ++c.nearTop;
        if (y > area.bottom() - 3) ++c.nearBottom;
      } else {
        ++c.outside;
      }
    }
  return c;
}

class ChartViewTest : public ::testing::Test {
 protected:
  void SetUp() override { chart.resize(640, 480); }
  ChartModel model;
  LineChart chart{model};
};

TEST_F(ChartViewTest, ACurveLeavingTheAxesIsCutOffAtThePlotArea) {
  // x² - 50 sin x on the default axes: it leaves -500 .. 500 above, twice.
  for (int x = -100; x <= 100; ++x) model.AddXY(x, x * x - 50 * std::sin(x), {}, kGreen);
  const QImage image = chart.toImage();
  ASSERT_EQ(image.size(), QSize(640, 480));
  const QRectF area = chart.plotArea(chart.size());
  EXPECT_GT(area.width(), 400);
  EXPECT_GT(area.height(), 300);
  const CurvePixels c = curvePixels(image, area);
  EXPECT_GT(c.inside, 500);
  EXPECT_EQ(c.outside, 0);
  EXPECT_GT(c.nearTop, 0);  // the curve runs up to the border where it is cut
}

TEST_F(ChartViewTest, ValuesFarBeyondTheAxesStillDrawTheirVisibleParts) {
  model.SetBottomRange(0, 10);
  model.SetLeftRange(-1, 1);
  // Steep segments from inside to values near the double range, both ways.
  const double ys[] = {0, 1e300, 0, -1.7e308, 0.5, 1.7e308, -0.5, 0, 0, 0, 0};
  for (int x = 0; x <= 10; ++x) model.AddXY(x, ys[x], {}, kGreen);
  const QRectF area = chart.plotArea(chart.size());
  const CurvePixels c = curvePixels(chart.toImage(), area);
  EXPECT_EQ(c.outside, 0);
  EXPECT_GT(c.nearTop, 0);
  EXPECT_GT(c.nearBottom, 0);
}

TEST_F(ChartViewTest, ManyPointsKeepANarrowSpike) {
  // 100,001 points: one spike among zeros must survive the reduction per
  // pixel column.
  model.SetBottomRange(-50000, 50000);
  for (int x = -50000; x <= 50000; ++x) model.AddXY(x, x == 1234 ? 450 : 0, {}, kGreen);
  const QRectF area = chart.plotArea(chart.size());
  const QImage image = chart.toImage();
  const double topOfSpike = area.bottom() - (450.0 + 500.0) / 1000.0 * area.height();
  int spikeRows = 0;
  for (int y = static_cast<int>(topOfSpike) + 2; y < area.center().y() - 5; ++y) {
    bool found = false;
    for (int x = static_cast<int>(area.left()); x < area.right(); ++x) found = found || isCurve(image.pixel(x, y));
    spikeRows += found;
  }
  EXPECT_GT(spikeRows, 100);
  EXPECT_EQ(curvePixels(image, area).outside, 0);
}

TEST_F(ChartViewTest, EachSegmentTakesItsPointsColour) {
  model.SetBottomRange(0, 2);
  model.SetLeftRange(-1, 1);
  model.AddXY(0, 0, {}, 0x0000FF);
  model.AddXY(1, 0, {}, kGreen);   // the segment 0 .. 1 ends at a green point
  model.AddXY(2, 0, {}, 0x0000FF);  // the segment 1 .. 2 ends at a blue point
  const QImage image = chart.toImage();
  const QRectF area = chart.plotArea(chart.size());
  const int y = static_cast<int>(area.center().y());
  const int leftHalf = static_cast<int>(area.left() + area.width() / 4);
  const int rightHalf = static_cast<int>(area.left() + 3 * area.width() / 4);
  auto colourNear = [&](int x) {
    for (int dy = -2; dy <= 2; ++dy) {
      const QRgb p = image.pixel(x, y + dy);
      if (isCurve(p)) return QStringLiteral("green");
      if (qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 60) return QStringLiteral("blue");
    }
    return QStringLiteral("none");
  };
  EXPECT_EQ(colourNear(leftHalf), QStringLiteral("green"));
  EXPECT_EQ(colourNear(rightHalf), QStringLiteral("blue"));
}

TEST_F(ChartViewTest, TheTooltipNamesTheNearestPoint) {
  model.SetBottomRange(0, 20);
  model.SetLeftRange(0, 400);
  for (int x = 0; x <= 20; ++x) model.AddXY(x, x * x + 0.5 * (x == 7));
  const QRectF area = chart.plotArea(chart.size());
  auto at = [&](double x, double y) {
    return QPointF(area.left() + x / 20 * area.width(), area.bottom() - y / 400 * area.height());
  };
  EXPECT_EQ(chart.toolTipAt(at(12, 144) + QPointF(2, -1)), QStringLiteral("x = 12, y = 144"));
  EXPECT_EQ(chart.toolTipAt(at(7, 49.5)), QStringLiteral("x = 7, y = 49,5"));
  EXPECT_EQ(chart.toolTipAt(at(12, 300)), QString());  // far from the curve
  EXPECT_EQ(chart.toolTipAt(QPointF(2, 2)), QString());  // outside the area
}

// Answers the file dialog with a name given beforehand.
class FixedFileDialog : public ImageFileDialog {
 public:
  QString AskSaveFileName(QWidget*, const QString& caption, const QString& filters) override {
    ++asked;
    EXPECT_EQ(caption, QStringLiteral("Resmi Kaydet"));
    EXPECT_TRUE(filters.contains(QStringLiteral("*.svg")) && filters.contains(QStringLiteral("*.png")));
    return answer;
  }
  QString answer;
  int asked = 0;
};

TEST_F(ChartViewTest, SavesAsPngOrSvgThroughTheFileDialogAndCopies) {
  for (int x = -100; x <= 100; ++x) model.AddXY(x, x * x);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  FixedFileDialog dialog;
  chart.setFileDialog(&dialog);
  EXPECT_EQ(chart.saveAction()->text(), QStringLiteral("Resmi Kaydet..."));
  EXPECT_EQ(chart.saveAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
  EXPECT_EQ(chart.copyAction()->text(), QStringLiteral("Panoya Kopyala"));
  EXPECT_EQ(chart.copyAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));

  dialog.answer = dir.filePath(QStringLiteral("grafik"));  // no suffix: PNG
  chart.saveAction()->trigger();
  QImage png(dir.filePath(QStringLiteral("grafik.png")));
  EXPECT_EQ(png.size(), QSize(640, 480));
  EXPECT_EQ(png, chart.toImage().convertToFormat(png.format()));

  dialog.answer = dir.filePath(QStringLiteral("grafik.svg"));
  chart.saveAction()->trigger();
  QFile svg(dialog.answer);
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray text = svg.readAll();
  EXPECT_TRUE(text.contains("<svg"));
  EXPECT_TRUE(text.contains("Denklemin Grafi"));

  dialog.answer.clear();  // cancelled: nothing happens
  chart.saveAction()->trigger();
  EXPECT_EQ(dialog.asked, 3);
  EXPECT_FALSE(chart.saveTo(dir.filePath(QStringLiteral("missing/grafik.svg"))));

  chart.copyAction()->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(640, 480));
}

class PlotDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.Form1().show();
    QCoreApplication::processEvents();
  }
  // Answers the four "Grafik Değerleri" dialogs, checking their texts.
  void answerPlotDialogs(const std::vector<QString>& answers) {
    static const QString prompts[] = {
        QStringLiteral("Lütfen x'in minimum değerini giriniz."), QStringLiteral("Lütfen x'in maksimum değerini giriniz."),
        QStringLiteral("Lütfen y'nin minimum değerini giriniz."), QStringLiteral("Lütfen y'nin maksimum değerini giriniz.")};
    static const QString defaults[] = {QStringLiteral("-100"), QStringLiteral("100"), QStringLiteral("-500"),
                                       QStringLiteral("500")};
    for (size_t k = 0; k < answers.size(); ++k) {
      modals.expect([this, k, answer = answers[k]](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Grafik Değerleri"));
        EXPECT_EQ(dialog->labelText(), prompts[k]);
        EXPECT_EQ(dialog->textValue(), defaults[k]);
        // The progress window stays visible behind the dialogs.
        EXPECT_TRUE(desktop.Form4().isVisible());
        dialog->setTextValue(answer);
        dialog->accept();
      });
    }
  }
  testing::ModalHandler modals;
  Desktop desktop;
};

TEST_F(PlotDesktopTest, ThePlotWindowIsSetUp) {
  TForm3& form3 = desktop.Form3();
  EXPECT_EQ(form3.windowTitle(), QStringLiteral("Grafik Oluşturucu"));
  EXPECT_EQ(form3.size(), QSize(651, 530));
  EXPECT_TRUE(form3.windowFlags().testFlag(Qt::Tool));
  EXPECT_EQ(form3.Chart1()->geometry(), QRect(8, 8, 640, 480));
  EXPECT_EQ(&form3.Chart1()->Model(), &desktop.platform().plot.Chart1());
  EXPECT_EQ(form3.Button1()->text(), QStringLiteral("Tamam"));
  EXPECT_EQ(form3.Button1()->geometry(), QRect(240, 496, 177, 25));
}

TEST_F(PlotDesktopTest, ThePlotWindowGrowsWithItsChart) {
  TForm3& form3 = desktop.Form3();
  EXPECT_EQ(form3.minimumSize(), QSize(651, 530));
  form3.show();
  form3.resize(851, 630);
  EXPECT_EQ(form3.Chart1()->geometry(), QRect(8, 8, 840, 580));
  EXPECT_EQ(form3.Button1()->geometry(), QRect(340, 596, 177, 25));
  form3.resize(651, 530);
  EXPECT_EQ(form3.Chart1()->geometry(), QRect(8, 8, 640, 480));
}

TEST_F(PlotDesktopTest, GrafikCizPlotsThroughTheRealWindowsAndTamamOnlyHides) {
  desktop.Form1().Memo1()->setPlainText(QStringLiteral("[(x²)]"));
  answerPlotDialogs({QStringLiteral("-10"), QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("50")});
  desktop.Form1().button("Button14")->click();
  EXPECT_TRUE(modals.allAnswered());
  ASSERT_FALSE(QApplication::activeModalWidget());

  TForm3& form3 = desktop.Form3();
  EXPECT_TRUE(form3.isVisible());
  EXPECT_FALSE(desktop.Form4().isVisible());
  EXPECT_LE((form3.frameGeometry().center() - desktop.Form1().frameGeometry().center()).manhattanLength(), 1);
  const ChartModel& chart = form3.Chart1()->Model();
  ASSERT_EQ(chart.Count(), 21u);
  EXPECT_EQ(chart.Points()[13].x, 3);
  EXPECT_EQ(chart.Points()[13].y, 9);
  EXPECT_EQ(chart.LeftAxis().max, 50);
  EXPECT_EQ(desktop.Form1().Memo2()->toPlainText(), QString());
  EXPECT_EQ(desktop.Form1().Memo1()->toPlainText(), QStringLiteral("[(x²)]"));

  // The window draws the model: black curve pixels inside the plot area.
  const QImage image = form3.Chart1()->grab().toImage();
  const QRectF area = form3.Chart1()->plotArea(form3.Chart1()->size());
  int dark = 0;
  for (int y = static_cast<int>(area.top()) + 2; y < area.bottom() - 2; ++y)
    for (int x = static_cast<int>(area.left()) + 2; x < area.right() - 2; ++x)
      dark += qGray(image.pixel(x, y)) < 60;
  EXPECT_GT(dark, 100);

  form3.Button1()->click();
  EXPECT_FALSE(form3.isVisible());
  EXPECT_FALSE(desktop.platform().plot.Visible());
  EXPECT_EQ(chart.Count(), 21u);
}

TEST_F(PlotDesktopTest, ABadAnswerStopsWithTheErrorBoxAndNoWindow) {
  answerPlotDialogs({QStringLiteral("-10"), QStringLiteral("on")});
  modals.expect([](QWidget* w) {
    EXPECT_EQ(w->objectName(), QStringLiteral("ErrorBox"));
    w->close();
  });
  desktop.Form1().button("Button14")->click();
  EXPECT_TRUE(modals.allAnswered());
  EXPECT_FALSE(desktop.Form3().isVisible());
  // No failure leaves the progress window over the boxes.
  EXPECT_FALSE(desktop.Form4().isVisible());
}

// The rows of the drawn curve (dark pixels) in pixel column x of the plot
// area, which the curve alone draws in black.
std::vector<int> curveRows(const QImage& image, const QRectF& area, int x) {
  std::vector<int> rows;
  for (int y = static_cast<int>(area.top()) + 1; y < area.bottom() - 1; ++y)
    if (qGray(image.pixel(x, y)) < 60) rows.push_back(y);
  return rows;
}

TEST_F(PlotDesktopTest, TheCurveBetweenTheIntegersIsDrawnSmooth) {
  desktop.Form1().Memo1()->setPlainText(QStringLiteral("[(x²)]"));
  answerPlotDialogs({QStringLiteral("-3"), QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("9")});
  desktop.Form1().button("Button14")->click();
  ASSERT_TRUE(modals.allAnswered());
  LineChart& chart = *desktop.Form3().Chart1();
  ASSERT_EQ(chart.Model().Count(), 7u);  // the series holds the integers alone
  const QImage image = chart.grab().toImage();
  const QRectF area = chart.plotArea(chart.size());
  // Every column follows y = x² within two pixels: no straight chord
  // between the integers, whose middle lies up to 12 pixels off.
  int checked = 0;
  for (int px = static_cast<int>(area.left()) + 3; px < area.right() - 3; ++px) {
    const double x = -3 + (px + 0.5 - area.left()) / area.width() * 6;
    const double py = area.bottom() - x * x / 9 * area.height();
    if (py < area.top() + 3 || py > area.bottom() - 3) continue;
    const std::vector<int> rows = curveRows(image, area, px);
    const bool near = std::any_of(rows.begin(), rows.end(), [&](int y) { return std::fabs(y + 0.5 - py) <= 2.5; });
    EXPECT_TRUE(near) << "column " << px << " x = " << x;
    ++checked;
  }
  EXPECT_GT(checked, 400);
}

TEST_F(PlotDesktopTest, TheCurveOfOneOverXIsBrokenAtZeroAndNamesIt) {
  desktop.Form1().Memo1()->setPlainText(QStringLiteral("[(1)/(x)]"));
  answerPlotDialogs({QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("-2"), QStringLiteral("2")});
  desktop.Form1().button("Button14")->click();
  ASSERT_TRUE(modals.allAnswered());
  EXPECT_FALSE(QApplication::activeModalWidget());  // no error box
  LineChart& chart = *desktop.Form3().Chart1();
  EXPECT_EQ(chart.Model().Count(), 10u);
  EXPECT_EQ(QString::fromStdString(cp1254ToUtf8(chart.Model().Note())), QStringLiteral("x = 0 noktasında tanımsız"));
  const QImage image = chart.grab().toImage();
  const QRectF area = chart.plotArea(chart.size());
  // Nothing is drawn across x = 0: the columns near it hold no curve
  // between y = -1 and 1 (beyond them the branches leave the axes).
  const int zero = static_cast<int>(area.left() + area.width() / 2);
  for (int px = zero - 2; px <= zero + 2; ++px) {
    for (const int y : curveRows(image, area, px))
      EXPECT_TRUE(std::fabs(y - area.center().y()) > area.height() / 4) << px << " " << y;
  }
  // Both branches are drawn.
  EXPECT_FALSE(curveRows(image, area, static_cast<int>(area.left()) + 10).empty());
  EXPECT_FALSE(curveRows(image, area, static_cast<int>(area.right()) - 10).empty());
  // "Y eksenini sığdır" (Ctrl+F) fits the y axis to the ten points.
  EXPECT_EQ(chart.fitAction()->text(), QStringLiteral("Y eksenini sığdır"));
  EXPECT_EQ(chart.fitAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
  chart.fitAction()->trigger();
  EXPECT_DOUBLE_EQ(chart.Model().LeftAxis().min, -1.1);
  EXPECT_DOUBLE_EQ(chart.Model().LeftAxis().max, 1.1);
}

}  // namespace
}  // namespace velsira
