// The texts the error box may show: the program's own messages and nothing
// else. A text quoted from the user's input stands where the message has
// "%s".
#pragma once

#include <string>
#include <string_view>

#include "engine/Messages.h"

namespace velsira::testing {

// How a quoted text may look: whole (any length), or cut to its first 100
// characters followed by "…" (byte 133).
enum class Quotes { Any, Short };

inline constexpr size_t kQuoteLimit = 100;

inline bool quoteFits(std::string_view quoted, Quotes quotes) {
  if (quotes == Quotes::Any) return true;
  if (quoted.size() <= kQuoteLimit) return true;
  return quoted.size() == kQuoteLimit + 1 && quoted.back() == '\x85';
}

// Whether text, as the engine raised it (code page 1254), is one of the
// program's messages (engine/Messages.h), a quoted text in place of "%s".
inline bool isRaisedMessage(std::string_view text, Quotes quotes) {
  for (const MessageText& m : Messages()) {
    const size_t at = m.text.find("%s");
    if (at == std::string_view::npos) {
      if (text == m.text) return true;
      continue;
    }
    const std::string_view before = m.text.substr(0, at);
    const std::string_view after = m.text.substr(at + 2);
    if (text.size() < before.size() + after.size() || !text.starts_with(before) || !text.ends_with(after))
      continue;
    if (quoteFits(text.substr(before.size(), text.size() - before.size() - after.size()), quotes)) return true;
  }
  return false;
}

// Whether shown, the text of the error box (a full stop appended when the
// last character sorts after "."), is one of the program's messages.
inline bool isProgramMessage(std::string_view shown, Quotes quotes) {
  if (isRaisedMessage(shown, quotes)) return true;
  if (shown.size() >= 2 && shown.back() == '.') {
    const std::string_view raised = shown.substr(0, shown.size() - 1);
    if (static_cast<unsigned char>(raised.back()) > static_cast<unsigned char>('.'))
      return isRaisedMessage(raised, quotes);
  }
  return false;
}

}  // namespace velsira::testing
