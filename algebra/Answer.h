// The simplified answer and its independent check: an engine result of
// "Türev Al", "İntegral Al", "Bilimsel Hesaplama", "Yerine Yaz", "Basit
// Denklem Çözme" or "Karışık Denklem Çözme" is read into a GiNaC expression,
// printed in the program's display style and in plain ASCII, and checked
// against what GiNaC itself computes from the input.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Boxes.h"

namespace velsira::algebra {

// Which operation gave the result; Value covers "Bilimsel Hesaplama" and "Yerine Yaz".
enum class AnswerKind { Derivative, Integral, Value, Roots };
enum class AngleUnit { Degree, Radian, Grad };
enum class CheckStatus { Ok, Wrong, Unknown };

struct CheckOutcome {
  CheckStatus status;
  std::string detail;  // Turkish, UTF-8: what was checked, what differs or why it cannot tell
};

struct Answer {
  std::optional<std::string> simplified;  // display style, UTF-8; nullopt when unreadable
  std::string plain;                      // plain ASCII, "" when none
  CheckOutcome check;
};

// Reads a text of the program's syntax or ordinary notation (UTF-8) into plain ASCII that
// GiNaC's parser reads; throws std::exception when it cannot.
using PlainReader = std::function<std::string(std::string_view)>;

struct AnswerRequest {
  AnswerKind kind;
  std::string input;   // the input box text the operation ran on (UTF-8, program syntax)
  std::string result;  // the result box text, lines joined by "\n" (UTF-8)
  AngleUnit unit = AngleUnit::Degree;
  std::string atValue;     // the number entry box's text for "Yerine Yaz" (decimal comma), else ""
  bool quadratic = false;  // Roots from "Basit Denklem Çözme"'s worked text (X1=..., X2=...)
};

// Texts longer than this many characters are neither simplified nor checked.
inline constexpr std::size_t kAnswerTextLimit = 10000;

// Simplifies the request's result and checks it against the input; never throws.
Answer SimplifyAndCheck(const AnswerRequest& request, const PlainReader& read);

// The request for the answer of the program's operation op ("derive",
// "integrate", "calc", "at", "quadratic", "roots") in the angle unit the
// program reads; its texts are left to the caller. nullopt for an operation
// whose result is not an answer of this kind.
std::optional<AnswerRequest> AnswerRequestFor(std::string_view op, velsira::AngleUnit unit);

// "ok", "wrong" or "unknown".
std::string_view StatusName(CheckStatus status);

}  // namespace velsira::algebra
