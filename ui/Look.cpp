// Font choices: the families the windows ask for, with the installed
// metric-compatible ones first.
#include "ui/Look.h"

#include <QStringList>

namespace velsira::look {

QFont defaultFont() { return arial(11); }

QFont arial(int pixelHeight) {
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                 QStringLiteral("DejaVu Sans")});
  f.setPixelSize(pixelHeight);
  f.setStyleHint(QFont::SansSerif);
  return f;
}

QFont pictureFont(int pixelHeight) {
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                 QStringLiteral("DejaVu Serif")});
  f.setPixelSize(pixelHeight);
  f.setItalic(true);
  f.setStyleHint(QFont::Serif);
  return f;
}

}  // namespace velsira::look
