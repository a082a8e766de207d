// Qt's own Turkish translations for the desktop program.
#include "app/Translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velsira {

bool InstallTurkishTranslations(QCoreApplication& app) {
  // Owned by app, so it lives as long as the texts it translates.
  auto* translator = new QTranslator(&app);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"), QStringLiteral("_"),
                        folder)) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace velsira
