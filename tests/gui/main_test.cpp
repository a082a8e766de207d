// The GUI test program: one QApplication, set up as the desktop program
// sets it up, on the offscreen platform unless a display is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>

#include "app/Translations.h"
#include "ui/Look.h"
#include "engine/Platform.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(velsira::kApplicationTitle));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(velsira::look::defaultFont());
  velsira::InstallTurkishTranslations(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
