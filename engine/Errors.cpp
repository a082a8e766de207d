// Error texts of the engine, thrown from one place per kind.
#include "engine/Errors.h"

#include <cmath>

#include "engine/Cp1254.h"

namespace velsira {

std::string quoteText(std::string_view text) {
  if (text.size() <= kQuoteLimit) return std::string(text);
  size_t cut = kQuoteLimit;
  if (text[cut - 1] == '\r' && text[cut] == '\n') --cut;  // never half a line break
  // Never half a kept character: its mark and UTF-8 bytes stay together.
  for (size_t back = 1; back <= 4 && back <= cut; ++back) {
    if (foreignLength(text, cut - back) > back) {
      cut -= back;
      break;
    }
  }
  std::string quoted(text.substr(0, cut));
  quoted += '\x85';
  return quoted;
}

void raiseTooLong() {
  throw EngineError(std::string("Sonuç metni 4.000.000 karakter sınırını aşıyor; ifadeyi kısaltınız."_cp));
}

void raiseNotFloat(std::string_view text) {
  throw EngineError("'" + quoteText(text) + "' is not a valid floating point value");
}

void raiseNotInteger(std::string_view text) {
  throw EngineError("'" + quoteText(text) + "' is not a valid integer value");
}

void raiseInvalidOperation() { throw EngineError("Invalid floating point operation"); }

void raiseDivisionByZero() { throw EngineError("Floating point division by zero"); }

void raiseOverflow() { throw EngineError("Floating point overflow"); }

void raiseIntegerDivisionByZero() { throw EngineError("Division by zero"); }

void raiseIntegerOverflow() { throw EngineError("Integer overflow"); }

void raiseEmptyArgument(std::string_view text) {
  throw EngineError("'" + quoteText(text) +
                    std::string("' içinde ifade yok; parantezin içine bir ifade yazınız, ör: Sin(x)."_cp));
}

void raiseNotLimitForm(std::string_view line) {
  throw EngineError("'" + quoteText(line) +
                    std::string("' okunamadı: Delta-Epsilon ilk satırda lim(Mx+B), ikinci satırda x=a bekler; "
                                "M, B ve a tam sayıdır, ör: lim(2x+1) ve x=3"_cp));
}

void raiseSecondLineTaken(std::string_view line) {
  throw EngineError("'" + quoteText(line) +
                    std::string("' satırı zaten var; Limit x= satırını ikinci satır olarak ekler, önce alttaki "
                                "satırları siliniz"_cp));
}

void raiseForeignCharacter(std::string_view character, long position) {
  throw EngineError("'" + std::string(character) + "' (" + std::to_string(position) +
                    std::string(". karakter) bu programda kullanılamaz; onu siliniz ya da programın yazımıyla "
                                "yazınız (kuvvet için ², ³ ya da ^, sabitler için pi ve e), ör: [(x^4)]"_cp));
}

std::string presentError(std::string_view text) {
  std::string shown(text);
  if (!shown.empty() && static_cast<unsigned char>(shown.back()) > static_cast<unsigned char>('.'))
    shown += '.';
  return shown;
}

long double checked(long double v) {
  if (std::isnan(v)) raiseInvalidOperation();
  if (std::isinf(v)) raiseOverflow();
  return v;
}

}  // namespace velsira
