// The texts the error box may show: the program's own messages and nothing
// else. A text quoted from the user's input stands between the first "'"
// and the "'" that begins the fixed rest.
#pragma once

#include <string>
#include <string_view>

#include "engine/Cp1254.h"

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
// program's messages.
inline bool isRaisedMessage(std::string_view text, Quotes quotes) {
  static const std::string_view fixed[] = {
      "Invalid floating point operation",
      "Floating point division by zero",
      "Floating point overflow",
      "Division by zero",
      "Integer overflow",
      "TProgressBar property out of range",
      "Axis Maximum Value must be >= Minimum",
      "İfadeyi köşeli parantez içine yazınız, ör: [(x²)]+[Sin(x)]"_cp,
      "Sonuç metni 4.000.000 karakter sınırını aşıyor; ifadeyi kısaltınız."_cp,
  };
  for (std::string_view f : fixed)
    if (text == f) return true;

  // "'" + a kept character + "' (" + its position + ". karakter) ...".
  static const std::string_view keptEnd =
      ". karakter) bu programda kullanılamaz; onu siliniz ya da programın yazımıyla yazınız (kuvvet için ², ³ ya da ^, sabitler için pi ve e), ör: [(x^4)]"_cp;
  if (text.size() > 1 && text.front() == '\'' && text.ends_with(keptEnd)) {
    const size_t n = foreignLength(text, 1);
    const std::string_view rest = text.substr(std::min(text.size(), 1 + n));
    if (n > 0 && rest.starts_with("' (")) {
      const std::string_view digits = rest.substr(3, rest.size() - 3 - keptEnd.size());
      return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    }
  }

  // "'" + quoted text + one of these.
  static const std::string_view quotedEnds[] = {
      "' is not a valid integer value",
      "' is not a valid floating point value",
      "' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, ör: [(2)*Sin(x)]+[(x²)]"_cp,
      "' için türev kuralı yok"_cp,
      "' için integral kuralı yok"_cp,
      "' fonksiyonunun içi doğrusal değil; integrali alınamaz"_cp,
      "' tanınmayan bir fonksiyon"_cp,
      "' içinde ifade yok; parantezin içine bir ifade yazınız, ör: Sin(x)."_cp,
      "' okunamadı: Delta-Epsilon ilk satırda lim(Mx+B), ikinci satırda x=a bekler; M, B ve a tam sayıdır, ör: lim(2x+1) ve x=3"_cp,
      "' satırı zaten var; Limit x= satırını ikinci satır olarak ekler, önce alttaki satırları siliniz"_cp,
  };
  if (text.size() >= 2 && text.front() == '\'') {
    for (std::string_view end : quotedEnds) {
      if (text.size() >= end.size() + 1 && text.ends_with(end)) {
        const std::string_view quoted = text.substr(1, text.size() - 1 - end.size());
        return quoteFits(quoted, quotes);
      }
    }
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
