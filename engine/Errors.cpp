// Raising the program's messages (engine/Messages.h), one place per kind.
#include "engine/Errors.h"

#include <cmath>


namespace velsira {

std::string quoteText(std::string_view text) {
  if (text.size() <= kQuoteLimit) return std::string(text);
  size_t cut = kQuoteLimit;
  if (text[cut - 1] == '\r' && text[cut] == '\n') --cut;  // never half a line break
  std::string quoted(text.substr(0, cut));
  quoted += '\x85';
  return quoted;
}

void raiseMessage(Message m, std::string_view text) { throw EngineError(MessageWith(m, quoteText(text))); }

void raiseTooLong() { raiseMessage(Message::TooLong); }

void raiseNotFloat(std::string_view text) { raiseMessage(Message::NotFloat, text); }

void raiseNotInteger(std::string_view text) { raiseMessage(Message::NotInteger, text); }

void raiseInvalidOperation() { raiseMessage(Message::InvalidOperation); }

void raiseDivisionByZero() { raiseMessage(Message::DivisionByZero); }

void raiseOverflow() { raiseMessage(Message::Overflow); }

void raiseIntegerDivisionByZero() { raiseMessage(Message::IntegerDivisionByZero); }

void raiseIntegerOverflow() { raiseMessage(Message::IntegerOverflow); }

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
