// Long scans under the user's control: "Durdur" (or Escape) ends a root
// scan or a plot with what was found so far, clicks and keys meant for the
// main window during a scan are dropped, and closing the main window stops
// the scan.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <string>

#include "app/Desktop.h"
#include "engine/Cp1254.h"
#include "tests/gui/ModalHandler.h"

namespace velsira {
namespace {

// A click as the window system delivers it: press and release in the middle.
void clickOn(QWidget* w) {
  const QPointF at = QRectF(w->rect()).center();
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
  }
}

void pressKey(QWidget* w, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
}

class ScanStopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.Form1().show();
    QCoreApplication::processEvents();
  }

  // The input box holds input (code page 1254).
  void setInput(const std::string& input) {
    desktop.model().Memo1.SetText(input);
    desktop.Form1().pullFromModel();
  }
  // The next input dialogs are answered with texts, in order.
  void answer(std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
      modals.expect([text](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->setTextValue(QString::fromLatin1(text));
        dialog->accept();
      });
    }
  }
  // fn runs once, ms milliseconds from now, while an operation runs.
  void after(int ms, std::function<void()> fn) { QTimer::singleShot(ms, &desktop.Form4(), std::move(fn)); }
  // The lines of the result box.
  QStringList resultLines() { return desktop.Form1().Memo2()->toPlainText().split(QLatin1Char('\n')); }

  testing::ModalHandler modals;
  Desktop desktop;
};

// Scans from -10 to 20,000,000: the roots of x² - x - 2 come first, then far
// more points than the test waits for.
constexpr const char* kWideMin = "-10";
constexpr const char* kWideMax = "20000000";

TEST_F(ScanStopTest, DurdurOrEscapeEndsARootScanWithTheRootsSoFar) {
  const struct {
    const char* how;
    std::function<void(TForm4&)> stop;
  } ways[] = {
      {"Durdur", [](TForm4& form4) { clickOn(form4.StopButton()); }},
      {"Escape", [](TForm4& form4) { pressKey(&form4, Qt::Key_Escape); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    setInput("[(x\xB2-x-2)]");
    answer({kWideMin, kWideMax});
    bool wasVisible = false;
    after(400, [&] {
      wasVisible = desktop.Form4().isVisible();
      way.stop(desktop.Form4());
    });
    desktop.Form1().button("Button39")->click();
    EXPECT_TRUE(wasVisible);
    EXPECT_FALSE(desktop.Form4().isVisible());
    const QStringList lines = resultLines();
    ASSERT_EQ(lines.size(), 2) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("-1 ; 2"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Durduruldu: son taranan değer x = "))) << lines[1].toStdString();
    // Stopped well before the end.
    const long long lastX = lines[1].section(QLatin1Char(' '), -1).toLongLong();
    EXPECT_GT(lastX, 2);
    EXPECT_LT(lastX, 19000000);
    EXPECT_EQ(desktop.Form4().ProgressBar1()->value(), lastX + 1);
  }
}

TEST_F(ScanStopTest, DurdurEndsAPlotWhichShowsThePointsSoFar) {
  setInput("[(x)]");
  answer({kWideMin, kWideMax, "-500", "500"});
  after(400, [&] { clickOn(desktop.Form4().StopButton()); });
  desktop.Form1().button("Button14")->click();
  EXPECT_FALSE(desktop.Form4().isVisible());
  EXPECT_TRUE(desktop.Form3().isVisible());
  const ChartModel& chart = desktop.platform().plot.Chart1();
  ASSERT_GT(chart.Count(), 0u);
  EXPECT_EQ(chart.Points().front().x, -10);
  EXPECT_LT(chart.Points().back().x, 19000000);
  EXPECT_LE(chart.Count(), 8u * 642u);  // the column extremes of the widest chart
  const QStringList lines = resultLines();
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0], QStringLiteral("Durduruldu: son taranan değer x = %1")
                          .arg(static_cast<long long>(chart.Points().back().x)));
}

TEST_F(ScanStopTest, ClicksAndKeysDuringAScanAreDroppedNotReplayed) {
  setInput("[(x\xB2-x-2)]");
  answer({kWideMin, kWideMax});
  after(200, [&] {
    Form1Window& form1 = desktop.Form1();
    for (const char c : std::string("abc")) pressKey(form1.Memo1(), Qt::Key_A + (c - 'a'), QString(QLatin1Char(c)));
    clickOn(form1.button("Button1"));   // "Türev Al"
    clickOn(form1.button("Button7"));   // the pad's "Sin"
    clickOn(form1.RadioButton(2));      // "Radyan"
  });
  after(400, [&] { clickOn(desktop.Form4().StopButton()); });
  desktop.Form1().button("Button39")->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(desktop.Form1().Memo1()->toPlainText(), QStringLiteral("[(x²-x-2)]"));
  EXPECT_EQ(desktop.model().Memo1.Text(), "[(x\xB2-x-2)]");
  EXPECT_EQ(resultLines().value(0), QStringLiteral("-1 ; 2"));
  EXPECT_TRUE(desktop.model().RadioButton1.Checked);
  EXPECT_FALSE(desktop.Form1().RadioButton(2)->isChecked());
}

TEST_F(ScanStopTest, ClosingTheMainWindowStopsTheScanAndCloses) {
  setInput("[(x\xB2-x-2)]");
  answer({kWideMin, kWideMax});
  after(300, [&] { desktop.Form1().close(); });
  desktop.Form1().button("Button39")->click();
  EXPECT_FALSE(desktop.Form1().isVisible());
  EXPECT_FALSE(desktop.Form4().isVisible());
  const QStringList lines = resultLines();
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Durduruldu")));
}

TEST_F(ScanStopTest, ALongScanShowsThePointsDoneAndTheTimeLeft) {
  setInput("[(x\xB2-x-2)]");
  answer({kWideMin, kWideMax});
  QString shown;
  after(2600, [&] {
    shown = desktop.Form4().Estimate()->isVisible() ? desktop.Form4().Estimate()->text() : QString();
    clickOn(desktop.Form4().StopButton());
  });
  desktop.Form1().button("Button39")->click();
  EXPECT_TRUE(shown.contains(QStringLiteral(" / 20.000.011 nokta, kalan süre yaklaşık "))) << shown.toStdString();
}

}  // namespace
}  // namespace velsira
