// The one error type of the engine: it carries the exact message the user
// sees (a code page 1254 text) and ends the running operation.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/Messages.h"

namespace velsira {

class EngineError : public std::runtime_error {
 public:
  explicit EngineError(std::string text) : std::runtime_error(text), text_(std::move(text)) {}
  // The message as the engine raised it, code page 1254.
  const std::string& text() const noexcept { return text_; }

 private:
  std::string text_;
};

// The longest text an operation may build: a result, a prepared input, a
// work-list line or the lines of one cut.
inline constexpr size_t kTextLimit = 4000000;
// How many characters of the user's text an error message quotes.
inline constexpr size_t kQuoteLimit = 100;

// The user's text as a message quotes it: its first kQuoteLimit characters,
// followed by "…" (byte 133) where it was cut.
std::string quoteText(std::string_view text);

// Raises message m with the user's text, cut by quoteText, in its "%s".
[[noreturn]] void raiseMessage(Message m, std::string_view text = {});

// "Sonuç metni 4.000.000 karakter sınırını aşıyor; ifadeyi kısaltınız.":
// an operation would build a text longer than kTextLimit.
[[noreturn]] void raiseTooLong();
// Raises the length error when a text of length n would exceed kTextLimit.
inline void checkTextLength(size_t n) {
  if (n > kTextLimit) raiseTooLong();
}

// "'%s' is not a valid floating point value": a text that does not read as a number.
[[noreturn]] void raiseNotFloat(std::string_view text);
// "'%s' is not a valid integer value": a text that does not read as a 32-bit integer.
[[noreturn]] void raiseNotInteger(std::string_view text);
// "Invalid floating point operation": square root or logarithm of a negative number, 0/0.
[[noreturn]] void raiseInvalidOperation();
// "Floating point division by zero".
[[noreturn]] void raiseDivisionByZero();
// "Floating point overflow": a value beyond the range of the number type.
[[noreturn]] void raiseOverflow();
// "Division by zero": integer division by zero.
[[noreturn]] void raiseIntegerDivisionByZero();
// "Integer overflow": an integer result beyond its 64-bit range.
[[noreturn]] void raiseIntegerOverflow();

// "'%s' içinde ifade yok; parantezin içine bir ifade yazınız, ör: Sin(x).": a
// function written with nothing between its parentheses; text is the
// function as written («Sin()»).
[[noreturn]] void raiseEmptyArgument(std::string_view text);

// "'%s' okunamadı: Delta-Epsilon ilk satırda lim(Mx+B), ikinci satırda x=a
// bekler; M, B ve a tam sayıdır, ör: lim(2x+1) ve x=3": a line of the input
// box that is not in the form of the delta-epsilon argument.
[[noreturn]] void raiseNotLimitForm(std::string_view line);
// "'%s' satırı zaten var; Limit x= satırını ikinci satır olarak ekler, önce
// alttaki satırları siliniz": "Limit" on a text of more than one line.
[[noreturn]] void raiseSecondLineTaken(std::string_view line);

// "'%s' (%d. karakter) bu programda kullanılamaz; onu siliniz ya da programın
// yazımıyla yazınız (kuvvet için ², ³ ya da ^, sabitler için pi ve e), ör:
// [(x^4)]": the input holds a
// character the code page cannot hold (kept as Cp1254.h keeps it), at the
// 1-based position among the characters as shown.
[[noreturn]] void raiseForeignCharacter(std::string_view character, long position);

// The text of the error box: a full stop is appended when the last character
// sorts after ".".
std::string presentError(std::string_view text);

// A finite extended value, or the fault its operation raised: NaN is an
// invalid operation, an infinity an overflow.
long double checked(long double v);

}  // namespace velsira
