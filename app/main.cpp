// The desktop program: application title, the four windows, the event loop
// until the main window closes.
#include <QApplication>
#include <QStyleFactory>

#include "app/Desktop.h"
#include "app/Translations.h"
#include "ui/Look.h"

int main(int argc, char* argv[]) {
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
