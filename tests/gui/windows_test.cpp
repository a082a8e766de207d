// Program start and the other windows: the message boxes and input dialogs
// as the user sees them, the progress window and the plot window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include "app/Desktop.h"
#include "model/RecordingPlatform.h"
#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "tests/gui/ModalHandler.h"

namespace velsira {
namespace {

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.Form1().show();
    QCoreApplication::processEvents();
  }
  testing::ModalHandler modals;
  Desktop desktop;
};

TEST_F(DesktopTest, OnlyTheMainWindowShowsAtStart) {
  EXPECT_TRUE(desktop.Form1().isVisible());
  EXPECT_FALSE(desktop.Form3().isVisible());
  EXPECT_FALSE(desktop.Form4().isVisible());
  EXPECT_FALSE(desktop.platform().progress.Visible());
  EXPECT_FALSE(desktop.platform().plot.Visible());
  EXPECT_EQ(desktop.model().Memo1.SelStart(), 2);
}

TEST_F(DesktopTest, TheHintIsAPlainBoxOverTheMainWindow) {
  modals.expect([](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Velsira"));
    EXPECT_EQ(box->text(), QStringLiteral("Parantezin bir öncesine h yazınız. ör: Sinh(90)"));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->buttons().size(), 1);
    box->button(QMessageBox::Ok)->click();
  });
  desktop.Form1().button("Button12")->click();
  EXPECT_EQ(modals.answered(), 1);
  EXPECT_EQ(desktop.Form1().Memo1()->toPlainText(), QStringLiteral("[()]"));
}

TEST_F(DesktopTest, TheErrorBoxShowsTheTurkishTextWithTheErrorIcon) {
  modals.expect([this](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Velsira"));
    EXPECT_EQ(box->text(),
              QStringLiteral("'ş' bir tam sayı olarak okunamadı; yalnız rakamlarla bir tam sayı yazınız, ör: 5 ya da -10."));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("Tamam"));
    // Behind the box the main window already shows the partial output.
    EXPECT_EQ(desktop.Form1().Memo2()->toPlainText(), QStringLiteral("a=1"));
    box->button(QMessageBox::Ok)->click();
  });
  desktop.Form1().run([this] {
    desktop.model().Memo2.AddLine("a=1");
    raiseNotInteger("ş"_cp);
  });
  EXPECT_EQ(modals.answered(), 1);
}

TEST_F(DesktopTest, TheErrorBoxShowsALineBreakAsALineBreak) {
  modals.expect([](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().startsWith(QStringLiteral("'\n' okunamadı.")));
    EXPECT_FALSE(box->text().contains(QLatin1Char('\r')));
    box->button(QMessageBox::Ok)->click();
  });
  desktop.model().Memo1.SetText("[(1)]\r\n");
  desktop.Form1().pullFromModel();
  desktop.Form1().button("Button6")->click();
  EXPECT_EQ(modals.answered(), 1);
}

// The texts of a dialog's buttons without their mnemonic marks, sorted.
QStringList buttonTexts(QWidget* dialog) {
  QStringList texts;
  for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons()) texts << b->text().remove(u'&');
  texts.sort();
  return texts;
}

TEST_F(DesktopTest, InputDialogsGiveTheAnswerOrTheDefaultOnCancel) {
  modals.expect([](QWidget* w) {
    auto* dialog = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(buttonTexts(dialog), (QStringList{QStringLiteral("Tamam"), QStringLiteral("İptal")}));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Denklem için"));
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Lütfen x'in tahmini minimum değerini giriniz."));
    EXPECT_EQ(dialog->textValue(), QStringLiteral("-100"));
    dialog->setTextValue(QStringLiteral("-5ş"));
    dialog->accept();
  });
  modals.expect([](QWidget* w) {
    auto* dialog = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    dialog->setTextValue(QStringLiteral("7"));
    dialog->reject();
  });
  InputDialogs& dialogs = desktop.platform().dialogs;
  EXPECT_EQ(dialogs.InputBox(std::string("Denklem için"_cp),
                             std::string("Lütfen x'in tahmini minimum değerini giriniz."_cp),
                             "-100"),
            "-5ş"_cp);
  EXPECT_EQ(dialogs.InputBox(std::string("Denklem için"_cp), "max", "100"), "100");
  EXPECT_EQ(modals.answered(), 2);
}

TEST_F(DesktopTest, TheSaveDialogSpeaksTurkish) {
  QFileDialog dialog(&desktop.Form1());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  EXPECT_EQ(buttonTexts(&dialog), (QStringList{QStringLiteral("Kaydet"), QStringLiteral("İptal")}));
}

TEST_F(DesktopTest, TheProgressWindowShowsItsBarOverTheMainWindow) {
  TForm4& form4 = desktop.Form4();
  EXPECT_EQ(form4.windowTitle(), QStringLiteral("Lütfen Bekleyiniz..."));
  EXPECT_EQ(form4.size(), QSize(345, 88));
  EXPECT_EQ(form4.palette().color(QPalette::Window), QColor(128, 0, 128));
  EXPECT_EQ(form4.ProgressBar1()->geometry(), QRect(40, 32, 257, 25));
  EXPECT_EQ(form4.ProgressBar1()->minimum(), 0);
  EXPECT_EQ(form4.ProgressBar1()->maximum(), 200);

  ProgressWindow& progress = desktop.platform().progress;
  progress.Show();
  EXPECT_TRUE(form4.isVisible());
  EXPECT_TRUE(progress.Visible());
  EXPECT_LE((form4.frameGeometry().center() - desktop.Form1().frameGeometry().center())
                .manhattanLength(),
            1);

  // While shown, the bar follows its model at most about 30 times a second;
  // hidden, it shows the model as it stands.
  progress.ProgressBar1.SetRange(-100, 100);
  progress.ProgressBar1.SetPosition(-100);
  for (int i = 0; i < 50; ++i) progress.ProgressBar1.StepBy(1);
  progress.Hide();
  EXPECT_FALSE(form4.isVisible());
  EXPECT_FALSE(progress.Visible());
  EXPECT_EQ(form4.ProgressBar1()->minimum(), -100);
  EXPECT_EQ(form4.ProgressBar1()->maximum(), 100);
  EXPECT_EQ(form4.ProgressBar1()->value(), -50);
  // A range of one value shows a full bar, never the busy indicator.
  progress.ProgressBar1.SetRange(0, 0);
  EXPECT_GT(form4.ProgressBar1()->maximum(), form4.ProgressBar1()->minimum());
  EXPECT_EQ(form4.ProgressBar1()->value(), form4.ProgressBar1()->maximum());
  EXPECT_THROW(progress.ProgressBar1.SetRange(5, 4), EngineError);
  // "Durdur" sits under the bar.
  EXPECT_EQ(form4.StopButton()->text(), QStringLiteral("Durdur"));
  EXPECT_TRUE(QRect(0, 0, 345, 88).contains(form4.StopButton()->geometry()));
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++count;
    return false;
  }
};

TEST_F(DesktopTest, TheWindowsRepaintWhileAScanRuns) {
  PaintCounter resultBox(desktop.Form1().Memo2()->viewport());
  int paintsDuringScan = 0;
  desktop.Form1().run([&] {
    ProgressWindow& progress = desktop.platform().progress;
    progress.Show();
    progress.ProgressBar1.SetRange(0, 60);
    const int before = resultBox.count;
    desktop.Form1().Memo2()->viewport()->update();
    for (int i = 0; i < 60; ++i) {
      QThread::msleep(2);
      progress.ProgressBar1.StepBy(1);
      progress.Tick();
    }
    paintsDuringScan = resultBox.count - before;
    progress.Hide();
  });
  EXPECT_GT(paintsDuringScan, 0);
}

}  // namespace
}  // namespace velsira
