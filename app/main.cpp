// The desktop program: --help and --version answered before any window
// (no display needed); otherwise application title, the four windows and
// the event loop until the main window closes.
#include <QApplication>
#include <QStyleFactory>
#include <cstring>
#include <iostream>

#include "app/Desktop.h"
#include "app/Translations.h"
#include "ui/Look.h"

#ifndef VELSIRA_VERSION
#define VELSIRA_VERSION "1.0"
#endif

namespace {

constexpr const char* kHelp =
    R"help(Usage: velsira [--help | --version] [Qt options, e.g. -platform offscreen]
Opens the main window "Velsira Version 1.0", a mathematics tool with a
Turkish interface. Type an expression of x in the input box (or build it
with the pad) and press a button: Türev Al, İntegral Al, Bilimsel Hesaplama,
Yerine Yaz, Basit Denklem Çözme, Karışık Denklem Çözme, Delta-Epsilon,
Limit, Grafik Çiz. Errors appear in Turkish in an error box.

Files: the plot window saves its picture as PNG or SVG where you choose
(right-click menu "Resmi Kaydet...", Ctrl+S) and copies it to the clipboard
(Ctrl+C). Nothing else is written, and nothing is kept between runs.

The program needs a display; without one, run it as xvfb-run -a velsira.
Guide: /usr/share/doc/velsira/guide.md. The same operations without a
window, as JSON lines: velsira-batch (see velsira-batch --help).
)help";

// Answers --help and --version; returns true when the program is done.
bool answeredWithoutWindow(int argc, char** argv) {
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
      std::cout << kHelp;
      return true;
    }
    if (std::strcmp(argv[k], "--version") == 0) {
      std::cout << "velsira " VELSIRA_VERSION "\n";
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (answeredWithoutWindow(argc, argv)) return 0;
  QApplication app(argc, argv);
  // The title is the caption of every message box.
  QApplication::setApplicationName(QString::fromUtf8(velsira::kApplicationTitle));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(velsira::look::defaultFont());
  velsira::InstallTurkishTranslations(app);

  velsira::Desktop desktop;
  desktop.Form1().show();
  return QApplication::exec();
}
