// Text conversions at the widget edge.
#include "app/BoxText.h"

#include <QHash>
#include <algorithm>

#include "engine/Cp1254.h"

namespace velsira {

namespace {

// CR LF, and a lone CR or LF, become one "\n".
std::string unixLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string crLfLineBreaks(const QString& text) {
  QString t = text;
  t.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return t.toStdString();
}

// The byte that shows a character through the Greek set.
const QHash<char32_t, char>& greekBytes() {
  static const QHash<char32_t, char> bytes = [] {
    QHash<char32_t, char> map;
    for (int b = 1; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      const QString shown = QString::fromStdString(cp1253ToUtf8(std::string_view(&byte, 1)));
      const auto ucs = shown.toUcs4();
      if (ucs.size() == 1 && !(ucs[0] == U'?' && b != '?')) map.insert(ucs[0], byte);
    }
    return map;
  }();
  return bytes;
}

}  // namespace

QString toWidgetText(std::string_view cp1254) {
  return QString::fromStdString(cp1254ToUtf8(unixLineBreaks(cp1254)));
}

QString toGreekWidgetText(std::string_view bytes) {
  return QString::fromStdString(cp1253ToUtf8(unixLineBreaks(bytes)));
}

std::string fromWidgetText(const QString& text) { return utf8ToCp1254(crLfLineBreaks(text)); }

std::string fromGreekWidgetText(const QString& text) {
  const std::string utf8 = crLfLineBreaks(text);
  std::string out;
  for (char32_t c : QString::fromStdString(utf8).toUcs4()) {
    auto it = greekBytes().constFind(c);
    out += it != greekBytes().constEnd() ? *it : '?';
  }
  return out;
}

long toEngineOffset(const QString& text, int position) {
  position = std::clamp(position, 0, static_cast<int>(text.size()));
  long offset = 0;
  for (int i = 0; i < position; ++i)
    if (!text.at(i).isLowSurrogate()) ++offset;
  return offset;
}

int toWidgetPosition(const QString& text, long offset) {
  int i = 0;
  for (long k = 0; k < offset && i < text.size(); ++k) {
    ++i;
    if (i < text.size() && text.at(i).isLowSurrogate()) ++i;
  }
  return i;
}

}  // namespace velsira
