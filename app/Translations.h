// Qt's own Turkish translations, so that the standard buttons, the input
// dialogs and the file dialog speak Turkish (Tamam, İptal, Kaydet).
#pragma once

#include <QCoreApplication>

namespace velsira {

// Loads Qt's "qtbase_tr" from Qt's translations folder into app; false when
// it is not installed (the texts then stay Qt's English ones).
bool InstallTurkishTranslations(QCoreApplication& app);

}  // namespace velsira
