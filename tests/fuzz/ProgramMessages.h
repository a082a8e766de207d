// The texts the error box may show: the program's own messages and nothing
// else. A text quoted from the user's input stands where the message has
// "%s".
#pragma once

#include <string>
#include <string_view>

#include "engine/Cp1254.h"
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

// Whether text is the message that names a kept character: "'" + the
// character (kept as engine/Cp1254.h keeps it) + "' (" + its position + the
// fixed rest.
inline bool isKeptCharacterMessage(std::string_view text) {
  const std::string_view message = MessageTemplate(Message::ForeignCharacter);
  const std::string_view keptEnd = message.substr(message.find("%d") + 2);
  if (text.size() < 2 || text.front() != '\'' || !text.ends_with(keptEnd)) return false;
  const size_t n = foreignLength(text, 1);
  const std::string_view rest = text.substr(std::min(text.size(), 1 + n));
  if (n == 0 || !rest.starts_with("' (")) return false;
  const std::string_view digits = rest.substr(3, rest.size() - 3 - keptEnd.size());
  return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

// Whether text, as the engine raised it (code page 1254), is one of the
// program's messages (engine/Messages.h), a quoted text in place of "%s".
inline bool isRaisedMessage(std::string_view text, Quotes quotes) {
  if (isKeptCharacterMessage(text)) return true;
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

// Whether text is a message of velsira-batch's "notation": "ordinary": the
// reader's «N. karakterde ...» and «İfade 10.000 karakterden uzun ...», and
// the conversion's refusals, which quote a part of the reading or name an
// operation.
inline bool isNotationMessage(std::string_view text) {
  size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits > 0 && text.substr(digits).starts_with(". karakterde "_cp)) return true;
  static const std::string_view fixed[] = {
      "İfade 10.000 karakterden uzun; okunmadı"_cp,
      "Sayı, programın yazımında yazılamayacak kadar uzun"_cp,
      "Denklem ('=') yalnız Basit Denklem Çözme ve Karışık Denklem Çözme ile yazılır"_cp,
      "Limit ('lim') yalnız Limit ve Delta-Epsilon ile yazılır"_cp,
      "Delta-Epsilon için limit noktası gerekir, ör: lim(2x+1) ve alt satırda x=3"_cp,
      "Bilimsel Hesaplama x içeren bir ifadeyi hesaplamaz; x'in bir değerdeki sonucu için Yerine Yaz'ı kullanınız"_cp,
  };
  for (std::string_view f : fixed)
    if (text == f) return true;
  // "'" + a part of the reading + "' kısmı ... yazılamaz..." or "' tam sayı katsayılı ...".
  return text.starts_with("'") && (text.find("' kısmı "_cp) != std::string_view::npos ||
                                   text.find("' tam sayı katsayılı "_cp) != std::string_view::npos);
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
