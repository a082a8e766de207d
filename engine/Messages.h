// The program's messages: every text the error box may show, in one table,
// exactly as the engine raises them (code page 1254), each beside the
// Turkish text the window's error box shows for it. A message that quotes
// the user's text holds "%s" where the quote goes, in both columns.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velsira {

enum class Message {
  InvalidOperation,       // square root or logarithm of a negative number, 0/0
  DivisionByZero,         // a floating point division by zero
  Overflow,               // a value beyond the range of the number type
  IntegerDivisionByZero,  // an integer division by zero
  IntegerOverflow,        // an integer result beyond its 64-bit range
  ProgressRange,          // a progress bar range whose maximum is below its minimum
  AxisRange,              // a chart axis range whose maximum is below its minimum
  NoBracketTerm,          // an input without a term in "[" and "]"
  TooLong,                // an operation would build a text longer than kTextLimit
  NotInteger,             // a text that does not read as a 32-bit integer
  NotFloat,               // a text that does not read as a number
  Unread,                 // a part of the input that no cut reads
  NoDerivativeRule,       // a name for which no derivative row exists
  NoIntegralRule,         // a factor name the integral table does not know
  NotLinearInside,        // a function whose argument is not linear, in an integral
  EmptyArgument,          // a function with nothing between its parentheses
  NotLimitForm,           // a line not in the form of the delta-epsilon argument
  SecondLineTaken,        // "Limit" on a text that has a second line already
  ForeignCharacter,       // a character the code page cannot hold; "%d" is its position
  UnknownName,            // a name the evaluator does not know (the last)
};

struct MessageText {
  Message message;
  std::string_view text;     // as raised; "%s" where the user's text is quoted
  std::string_view turkish;  // what the window shows, saying what to do; empty: shown as raised
};

// A text the window may show that no engine function raises: a fault of
// the program itself, caught around every operation.
struct WindowText {
  std::string_view text;  // as caught; "%s" where the fault's own words go
  std::string_view turkish;
};

// Every message, in the order of Message.
std::span<const MessageText> Messages();
// The text of message m, "%s" where the user's text is quoted.
std::string_view MessageTemplate(Message m);
// The text of message m with quoted (already cut) in place of its "%s".
std::string MessageWith(Message m, std::string_view quoted = {});

// The texts outside the table the window may show ("Out of memory", ...).
std::span<const WindowText> WindowTexts();
// The Turkish text the window shows for text, an error-box text as the
// engine raised or presented it (full stop appended or not): its Turkish
// column with the same quote; a text in no table (the reader's messages,
// Turkish already) comes back unchanged.
std::string TurkishMessage(std::string_view text);

}  // namespace velsira
