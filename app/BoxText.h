// The edge between the engine's code page 1254 texts and the widgets'
// Unicode texts: line breaks, character sets and caret offsets.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velsira {

// A box text of the engine (CR LF between lines) as a widget shows it
// through the Turkish set ("\n" between lines).
QString toWidgetText(std::string_view cp1254);
// The same bytes shown through the Greek set (code page 1253).
QString toGreekWidgetText(std::string_view bytes);
// A widget text back to the engine: "\n" becomes CR LF, a character the
// Turkish set cannot hold is kept behind its mark (engine/Cp1254.h), so the
// text comes back to the widget unchanged.
std::string fromWidgetText(const QString& text);
// A widget text shown through the Greek set back to the bytes it shows.
std::string fromGreekWidgetText(const QString& text);

// A caret position of a widget (UTF-16 units) as an engine offset
// (characters), and back.
long toEngineOffset(const QString& text, int position);
int toWidgetPosition(const QString& text, long offset);

}  // namespace velsira
