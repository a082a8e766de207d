// Raising the program's messages (engine/Messages.h), one place per kind.
#include "engine/Errors.h"

#include <cmath>

#include "engine/Cp1254.h"
#include "engine/Text.h"

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

void raiseMessage(Message m, std::string_view text) { throw EngineError(MessageWith(m, quoteText(text))); }

void raiseTooLong() { raiseMessage(Message::TooLong); }

void raiseNotFloat(std::string_view text) { raiseMessage(Message::NotFloat, text); }

void raiseNotInteger(std::string_view text) { raiseMessage(Message::NotInteger, text); }

void raiseInvalidOperation() { raiseMessage(Message::InvalidOperation); }

void raiseDivisionByZero() { raiseMessage(Message::DivisionByZero); }

void raiseOverflow() { raiseMessage(Message::Overflow); }

void raiseIntegerDivisionByZero() { raiseMessage(Message::IntegerDivisionByZero); }

void raiseIntegerOverflow() { raiseMessage(Message::IntegerOverflow); }

void raiseEmptyArgument(std::string_view text) { raiseMessage(Message::EmptyArgument, text); }

void raiseNotLimitForm(std::string_view line) { raiseMessage(Message::NotLimitForm, line); }

void raiseSecondLineTaken(std::string_view line) { raiseMessage(Message::SecondLineTaken, line); }

void raiseForeignCharacter(std::string_view character, long position) {
  // The character is quoted whole, never cut; its position goes in first.
  const std::string text = replaceAll(MessageTemplate(Message::ForeignCharacter), "%d", std::to_string(position));
  throw EngineError(replaceAll(text, "%s", character));
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
